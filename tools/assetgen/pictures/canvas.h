#pragma once
// Drawing helpers shared by every picture: a Cairo canvas that turns into an
// RgbaImage, colours, paths, the cel shading of the game's style and noise
// with fixed seeds.

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

#include "../common/rgba_image.h"

namespace vv::gen {

struct Rgb {
  double r = 0, g = 0, b = 0;  // 0..255
};

Rgb Hex(const char* hex);  // "#rrggbb"
Rgb Grey(double v);
Rgb Mix(Rgb a, Rgb b, double t);
Rgb Darker(Rgb c, double amount);   // towards black by amount 0..1
Rgb Lighter(Rgb c, double amount);  // towards a warm near-white by amount 0..1
void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0);

struct Pt {
  double x = 0, y = 0;
};

// A Cairo image surface of the picture's size. Everything is drawn into it,
// then ToImage() gives straight-alpha RGBA without the mask colour.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  cairo_t* cr() const { return cr_; }
  cairo_surface_t* surface() const { return surface_; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Per-pixel access in straight alpha. fn(x, y, rgba) may change rgba.
  void ForEachPixel(const std::function<void(int, int, std::uint8_t*)>& fn);
  RgbaImage ToImage(bool bleed) const;

 private:
  int width_, height_;
  cairo_surface_t* surface_;
  cairo_t* cr_;
};

// Converts straight RGBA to a new premultiplied Cairo surface (caller destroys).
cairo_surface_t* SurfaceFromImage(const RgbaImage& image);
// Fills every fully transparent pixel with the colour of its nearest visible
// pixel, so that smooth scaling does not pull in dark fringes.
void BleedColours(RgbaImage& image);
// The loader treats (255, 255, 255) as transparent: pull such pixels to 250.
void RemoveMaskColour(RgbaImage& image);

// Paths (they add to the current path).
using PathFn = std::function<void(cairo_t*)>;
void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry);
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Polygon(cairo_t* cr, std::initializer_list<Pt> pts);
void Polygon(cairo_t* cr, const std::vector<Pt>& pts);
// Smooth closed curve through the points (Catmull-Rom turned into Beziers).
void SmoothClosed(cairo_t* cr, const std::vector<Pt>& pts, double tension = 1.0);
void SmoothOpen(cairo_t* cr, const std::vector<Pt>& pts, double tension = 1.0);

// The game's cel look: the shape in its base colour, a lit rim on the top
// left, a shadow crescent on the bottom right and a dark coloured outline.
struct CelStyle {
  double outline = 2.0;  // 0: no outline
  double shade = 0.32;   // how much darker the shadow side is
  double light = 0.30;   // how much lighter the lit rim is
  double offset = -1;    // shadow width in pixels; -1 picks one from the size
  double outlineDark = 0.6;
  double alpha = 1.0;
};
void Cel(cairo_t* cr, const PathFn& path, Rgb base, const CelStyle& style = {});
void Fill(cairo_t* cr, const PathFn& path, Rgb c, double alpha = 1.0);
void Stroke(cairo_t* cr, const PathFn& path, Rgb c, double width, double alpha = 1.0);
void Line(cairo_t* cr, double x1, double y1, double x2, double y2, Rgb c, double width, double alpha = 1.0);
// Fills the disc at (cx, cy) of radius r with `pattern`, then releases it.
void FillDisc(cairo_t* cr, cairo_pattern_t* pattern, double cx, double cy, double r);
// A radial glow (for light sources): colour at the centre fading to nothing.
void Glow(cairo_t* cr, double cx, double cy, double radius, Rgb c, double alpha);
// Soft drop shadow ellipse under objects standing on the ground.
void GroundShadow(cairo_t* cr, double cx, double cy, double rx, double ry, double alpha = 0.35);

// Deterministic randomness.
class Rng {
 public:
  explicit Rng(std::uint32_t seed) : state_(seed * 2654435761u + 0x9e3779b9u) {}
  std::uint32_t Next();
  double Uniform(double lo, double hi);
  int Int(int lo, int hi);  // inclusive
 private:
  std::uint32_t state_;
};
double Hash01(int x, int y, std::uint32_t seed);
// Smooth value noise in 0..1; with period > 0 it repeats every `period` units.
double Noise(double x, double y, std::uint32_t seed, int period = 0);
double Fbm(double x, double y, std::uint32_t seed, int octaves, int period = 0);

}  // namespace vv::gen
