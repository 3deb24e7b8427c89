#include "icon.h"

#include <cairo-svg.h>

#include <cmath>
#include <fstream>

#include "../common/png_write.h"
#include "canvas.h"

namespace vv::gen {
namespace {

// Everything is laid out on a 256 by 256 grid and scaled to the wanted size.
constexpr double GRID = 256;

// Small icons leave out the fine lines, which would only blur.
void Plate(cairo_t* cr, bool small) {
  auto plate = [](cairo_t* c) { RoundRect(c, 10, 10, 236, 236, 44); };
  Cel(cr, plate, Hex("#4a2a58"), {.outline = small ? 12.0 : 6.0, .shade = 0.45, .light = 0.25, .offset = 14});
  if (small) return;
  // Gold trim just inside the rim.
  Stroke(
      cr, [](cairo_t* c) { RoundRect(c, 24, 24, 208, 208, 32); }, Hex("#d8a840"), 5);
}

void Portal(cairo_t* cr, bool small) {
  Glow(cr, 128, 124, 104, Hex("#40ff80"), 0.55);
  Cel(cr, [](cairo_t* c) { Ellipse(c, 128, 124, 72, 86); }, Hex("#1a1020"),
      {.outline = 0, .shade = 0.2, .light = 0.0, .offset = 6});
  Stroke(
      cr, [](cairo_t* c) { Ellipse(c, 128, 124, 72, 86); }, Hex("#40ff80"), small ? 16 : 10);
  if (small) return;
  Stroke(
      cr, [](cairo_t* c) { Ellipse(c, 128, 124, 60, 74); }, Hex("#a0ffc0"), 3, 0.8);
}

void Sword(cairo_t* cr, bool small) {
  // Drawn upright about the centre, then tilted.
  cairo_save(cr);
  cairo_translate(cr, 128, 132);
  cairo_rotate(cr, M_PI / 4);
  if (small) cairo_scale(cr, 1.15, 1.15);
  cairo_translate(cr, -128, -132);
  auto blade = [](cairo_t* c) { Polygon(c, {{116, 160}, {116, 44}, {128, 20}, {140, 44}, {140, 160}}); };
  Cel(cr, blade, Hex("#c8d0dc"), {.outline = 4, .shade = 0.35, .light = 0.35, .outlineDark = 0.7});
  if (!small) Line(cr, 128, 36, 128, 156, Hex("#8a96a8"), 3);
  auto guard = [](cairo_t* c) { RoundRect(c, 84, 156, 88, 18, 8); };
  Cel(cr, guard, Hex("#d8a840"), {.outline = 4, .shade = 0.35, .light = 0.35});
  auto grip = [](cairo_t* c) { RoundRect(c, 119, 172, 18, 44, 5); };
  Cel(cr, grip, Hex("#8a5a32"), {.outline = 4});
  auto pommel = [](cairo_t* c) { Ellipse(c, 128, 224, 14, 14); };
  Cel(cr, pommel, Hex("#d8a840"), {.outline = 4});
  cairo_restore(cr);
}

}  // namespace

void DrawGameIcon(cairo_t* cr, double size) {
  cairo_save(cr);
  cairo_scale(cr, size / GRID, size / GRID);
  const bool small = size <= 32;
  Plate(cr, small);
  Portal(cr, small);
  Sword(cr, small);
  cairo_restore(cr);
}

bool WriteGameIconPng(int size, const std::string& path) {
  Canvas canvas(size, size);
  DrawGameIcon(canvas.cr(), size);
  const std::vector<std::uint8_t> bytes = EncodePng(canvas.ToImage(false));
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool WriteGameIconSvg(int size, const std::string& path) {
  cairo_surface_t* surface = cairo_svg_surface_create(path.c_str(), size, size);
  cairo_t* cr = cairo_create(surface);
  DrawGameIcon(cr, size);
  const bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  const bool written = cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(surface);
  return ok && written;
}

}  // namespace vv::gen
