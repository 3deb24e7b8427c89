#include "panels.h"

#include <algorithm>
#include <cmath>

namespace vv::gen {

void Grain(Canvas& c, int x, int y, int w, int h, std::uint32_t seed, double amount, double scale) {
  c.ForEachPixel([&](int px, int py, std::uint8_t* p) {
    if (px < x || py < y || px >= x + w || py >= y + h || p[3] == 0) return;
    double n = Fbm(px / scale, py / scale, seed, 3) - 0.5;
    double f = 1 + n * 2 * amount;
    for (int k = 0; k < 3; ++k) p[k] = std::uint8_t(std::clamp(p[k] * f, 0.0, 250.0));
  });
}

void Plate(Canvas& c, double x, double y, double w, double h, Rgb face, const PlateStyle& s) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  // Rim.
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, s.radius);
  SetColour(cr, s.rimColour);
  cairo_fill(cr);
  double i = s.rim;
  // Bevel: light top-left, dark bottom-right, split along the diagonal.
  cairo_new_path(cr);
  RoundRect(cr, x + i, y + i, w - 2 * i, h - 2 * i, s.radius - i);
  cairo_pattern_t* bev =
      cairo_pattern_create_linear(x, y, x + std::min(w, h) * 0.7, y + std::min(w, h) * 0.7);
  Rgb hi = Lighter(face, 0.45), lo = Darker(face, 0.45);
  cairo_pattern_add_color_stop_rgb(bev, 0, hi.r / 255, hi.g / 255, hi.b / 255);
  cairo_pattern_add_color_stop_rgb(bev, 1, lo.r / 255, lo.g / 255, lo.b / 255);
  cairo_set_source(cr, bev);
  cairo_fill(cr);
  cairo_pattern_destroy(bev);
  // Top highlight and bottom shade lines keep the bevel readable on long plates.
  double b = s.bevel;
  cairo_new_path(cr);
  RoundRect(cr, x + i, y + i, w - 2 * i, h - 2 * i, s.radius - i);
  cairo_save(cr);
  cairo_clip(cr);
  SetColour(cr, Lighter(face, 0.5));
  cairo_rectangle(cr, x, y, w, i + b);
  cairo_rectangle(cr, x, y, i + b, h);
  cairo_fill(cr);
  SetColour(cr, Darker(face, 0.5));
  cairo_rectangle(cr, x, y + h - i - b, w, i + b);
  cairo_rectangle(cr, x + w - i - b, y, i + b, h);
  cairo_fill(cr);
  cairo_restore(cr);
  // Face with a soft vertical gradient.
  double f = i + b;
  cairo_new_path(cr);
  RoundRect(cr, x + f, y + f, w - 2 * f, h - 2 * f, std::max(1.0, s.radius - f));
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y + f, 0, y + h - f);
  Rgb top = Lighter(face, 0.12), bottom = Darker(face, 0.12);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
  if (s.grain > 0)
    Grain(c, int(x + f), int(y + f), int(w - 2 * f), int(h - 2 * f), s.seed, s.grain, s.grainScale);
}

void Well(cairo_t* cr, double x, double y, double w, double h, double r, Rgb face, double depth) {
  cairo_save(cr);
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, r);
  SetColour(cr, face);
  cairo_fill_preserve(cr);
  cairo_clip(cr);
  // Inner shadow on the top and left edges, a faint light on the bottom right.
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_rectangle(cr, x - 20, y - 20, w + 40, h + 40);
  RoundRect(cr, x + depth, y + depth, w, h, r);
  SetColour(cr, Darker(face, 0.6), 0.8);
  cairo_fill(cr);
  cairo_rectangle(cr, x - 20, y - 20, w + 40, h + 40);
  RoundRect(cr, x - depth * 0.5, y - depth * 0.5, w, h, r);
  SetColour(cr, Lighter(face, 0.35), 0.6);
  cairo_fill(cr);
  cairo_restore(cr);
}

void Trim(cairo_t* cr, double x, double y, double w, double h, double r, Rgb colour, double width) {
  cairo_save(cr);
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, r);
  cairo_set_line_width(cr, width + 2);
  SetColour(cr, Darker(colour, 0.7));
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + w * 0.3, y + h);
  Rgb hi = Lighter(colour, 0.45), lo = Darker(colour, 0.3);
  cairo_pattern_add_color_stop_rgb(g, 0, hi.r / 255, hi.g / 255, hi.b / 255);
  cairo_pattern_add_color_stop_rgb(g, 0.5, colour.r / 255, colour.g / 255, colour.b / 255);
  cairo_pattern_add_color_stop_rgb(g, 1, lo.r / 255, lo.g / 255, lo.b / 255);
  cairo_set_source(cr, g);
  cairo_set_line_width(cr, width);
  cairo_stroke(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void Stud(cairo_t* cr, double x, double y, double r, Rgb colour) {
  Cel(cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r); }, colour, {.outline = std::max(0.8, r * 0.3)});
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, x - r * 0.35, y - r * 0.35, r * 0.3, r * 0.3); }, Lighter(colour, 0.8),
      0.9);
}

}  // namespace vv::gen
