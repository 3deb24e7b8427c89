#pragma once
// Plates, frames and trims shared by the menus, panels and display pieces.

#include <cstdint>

#include "canvas.h"

namespace vv::gen {

// Light neutral greys of the tinted pieces, detail in value only.
inline const Rgb kTintLight{228, 228, 228}, kTintMid{186, 186, 186}, kTintDark{120, 120, 120},
    kTintDeep{64, 64, 64};
inline const Rgb kGold = Hex("#d8a840");

// Multiplies the colour of visible pixels in the rectangle by a noise grain.
void Grain(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, double amount, double scale);

// A bevelled plate: rounded rectangle with a lit top-left edge, a shaded
// bottom-right edge, a dark rim and a gentle vertical gradient on its face.
struct PlateStyle {
  double radius = 8;
  double bevel = 3;
  double rim = 2;
  Rgb rimColour{40, 40, 44};
  double grain = 0.06;
  double grainScale = 6;
  std::uint32_t seed = 1;
};
void Plate(Canvas& c, double x, double y, double w, double h, Rgb face, const PlateStyle& style = {});
// A sunken well (the inside of a frame): darker, shaded at the top left.
void Well(cairo_t* cr, double x, double y, double w, double h, double r, Rgb face, double depth = 3);
// A gold or grey metal trim line along a rounded rectangle.
void Trim(cairo_t* cr, double x, double y, double w, double h, double r, Rgb colour, double width);
// A small round rivet or gem.
void Stud(cairo_t* cr, double x, double y, double r, Rgb colour);

// A framed plate in the tinted greys: a dark rim, a bevelled metal band with
// an engraved groove, corner caps with rivets, and a dark grained face that
// keeps tinted text readable. `ornate` adds scrolls in the corners.
void FramedPlate(Canvas& c, double x, double y, double w, double h, double r, double band, std::uint32_t seed,
                 bool ornate = false);
// Scrollwork in a panel's corner at (cx, cy), reaching into the panel along
// (sx, sy) = (+-1, +-1): two curling arms and a gem where they meet.
void CornerOrnament(cairo_t* cr, double cx, double cy, int sx, int sy, double size, Rgb metal, Rgb gem);
// A faint diamond lattice over a face, as on damask or tooled leather.
void Lattice(cairo_t* cr, double x, double y, double w, double h, double step, Rgb ink, double alpha);
// Darkens a face towards its edges.
void Vignette(cairo_t* cr, double x, double y, double w, double h, double r, double alpha);

}  // namespace vv::gen
