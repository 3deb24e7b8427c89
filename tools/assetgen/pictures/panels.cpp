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

void FramedPlate(Canvas& c, double x, double y, double w, double h, double r, double band, std::uint32_t seed,
                 bool ornate) {
  cairo_t* cr = c.cr();
  cairo_save(cr);
  // Rim.
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, r);
  SetColour(cr, Grey(44));
  cairo_fill(cr);
  // The metal band: brushed, lit from above.
  double i = 1.5;
  cairo_new_path(cr);
  RoundRect(cr, x + i, y + i, w - 2 * i, h - 2 * i, r - i);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y, 0, y + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.95, 0.95, 0.95);
  cairo_pattern_add_color_stop_rgb(g, std::min(0.45, band * 1.2 / h), 0.84, 0.84, 0.84);
  cairo_pattern_add_color_stop_rgb(g, std::max(0.55, 1 - band * 1.2 / h), 0.72, 0.72, 0.72);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.52, 0.52, 0.52);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Engraved groove along the middle of the band.
  double m = i + band * 0.5;
  cairo_new_path(cr);
  RoundRect(cr, x + m + 0.8, y + m + 0.8, w - 2 * m, h - 2 * m, std::max(1.0, r - m));
  SetColour(cr, Grey(246), 0.9);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_new_path(cr);
  RoundRect(cr, x + m, y + m, w - 2 * m, h - 2 * m, std::max(1.0, r - m));
  SetColour(cr, Grey(104), 0.9);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_restore(cr);
  // The face, sunk inside the band.
  double f = i + band;
  cairo_new_path(cr);
  RoundRect(cr, x + f - 1, y + f - 1, w - 2 * f + 2, h - 2 * f + 2, std::max(1.5, r - f + 1));
  SetColour(cr, Grey(36));
  cairo_fill(cr);
  Well(cr, x + f, y + f, w - 2 * f, h - 2 * f, std::max(1.5, r - f), Grey(74), std::min(4.0, h * 0.08));
  Grain(c, int(x + f), int(y + f), int(w - 2 * f), int(h - 2 * f), seed, 0.08, 4);
  Vignette(cr, x + f, y + f, w - 2 * f, h - 2 * f, std::max(1.5, r - f), 0.28);
  // Corner caps: small bevelled plates riveted over the band.
  double cap = std::min(band * 1.5 + 2, std::min(w, h) * 0.3);
  for (int k = 0; k < 4; ++k) {
    int sx = k % 2 ? -1 : 1, sy = k / 2 ? -1 : 1;
    double cx = sx > 0 ? x + 1 : x + w - 1 - cap, cy = sy > 0 ? y + 1 : y + h - 1 - cap;
    Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx, cy, cap, cap, std::min(r, cap * 0.45)); }, Grey(206),
        {.outline = 1.2,
         .shade = 0.35,
         .light = 0.4,
         .offset = std::max(1.0, cap * 0.12),
         .outlineDark = 0.75});
    Stud(cr, cx + cap / 2, cy + cap / 2, std::max(1.6, cap * 0.2), Grey(176));
  }
  if (ornate)
    for (int k = 0; k < 4; ++k) {
      int sx = k % 2 ? -1 : 1, sy = k / 2 ? -1 : 1;
      double cx = sx > 0 ? x + f + 3 : x + w - f - 3, cy = sy > 0 ? y + f + 3 : y + h - f - 3;
      CornerOrnament(cr, cx, cy, sx, sy, std::min(44.0, std::min(w, h) * 0.14), Grey(200), Grey(150));
    }
}

void CornerOrnament(cairo_t* cr, double cx, double cy, int sx, int sy, double size, Rgb metal, Rgb gem) {
  const double w = std::max(1.5, size * 0.09);
  auto arms = [&](cairo_t* c) {
    // Along the top edge, curling back at the end.
    cairo_move_to(c, cx + sx * size * 0.2, cy);
    cairo_line_to(c, cx + sx * size * 0.72, cy);
    cairo_curve_to(c, cx + sx * size * 0.95, cy, cx + sx * size * 0.98, cy + sy * size * 0.2,
                   cx + sx * size * 0.82, cy + sy * size * 0.22);
    cairo_curve_to(c, cx + sx * size * 0.7, cy + sy * size * 0.22, cx + sx * size * 0.7, cy + sy * size * 0.1,
                   cx + sx * size * 0.78, cy + sy * size * 0.1);
    // Down the side edge, the same.
    cairo_move_to(c, cx, cy + sy * size * 0.2);
    cairo_line_to(c, cx, cy + sy * size * 0.72);
    cairo_curve_to(c, cx, cy + sy * size * 0.95, cx + sx * size * 0.2, cy + sy * size * 0.98,
                   cx + sx * size * 0.22, cy + sy * size * 0.82);
    cairo_curve_to(c, cx + sx * size * 0.22, cy + sy * size * 0.7, cx + sx * size * 0.1, cy + sy * size * 0.7,
                   cx + sx * size * 0.1, cy + sy * size * 0.78);
    // An inner leaf between the arms.
    cairo_move_to(c, cx + sx * size * 0.18, cy + sy * size * 0.18);
    cairo_curve_to(c, cx + sx * size * 0.45, cy + sy * size * 0.2, cx + sx * size * 0.5,
                   cy + sy * size * 0.35, cx + sx * size * 0.42, cy + sy * size * 0.42);
    cairo_curve_to(c, cx + sx * size * 0.35, cy + sy * size * 0.5, cx + sx * size * 0.2,
                   cy + sy * size * 0.45, cx + sx * size * 0.18, cy + sy * size * 0.18);
  };
  Stroke(cr, arms, Darker(metal, 0.7), w + 2);
  Stroke(cr, arms, metal, w);
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, cx + sx * size * 0.25, cy - sy * w * 0.25);
        cairo_line_to(c, cx + sx * size * 0.65, cy - sy * w * 0.25);
      },
      Lighter(metal, 0.6), std::max(0.8, w * 0.35), 0.9);
  // The gem in a diamond setting at the corner.
  double d = size * 0.17;
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx, cy - d}, {cx + d, cy}, {cx, cy + d}, {cx - d, cy}});
      },
      metal, {.outline = 1.2, .shade = 0.35, .light = 0.4});
  Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy, d * 0.5, d * 0.5); }, gem, {.outline = 1, .light = 0.6});
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx - d * 0.18, cy - d * 0.18, d * 0.15, d * 0.15); }, Grey(248), 0.9);
}

void Lattice(cairo_t* cr, double x, double y, double w, double h, double step, Rgb ink, double alpha) {
  cairo_save(cr);
  cairo_rectangle(cr, x, y, w, h);
  cairo_clip(cr);
  cairo_new_path(cr);
  for (double k = -h; k < w + h; k += step) {
    cairo_move_to(cr, x + k, y);
    cairo_line_to(cr, x + k + h, y + h);
    cairo_move_to(cr, x + k, y + h);
    cairo_line_to(cr, x + k + h, y);
  }
  SetColour(cr, ink, alpha);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  // A small dot in each diamond.
  for (double yy = y + step / 2; yy < y + h; yy += step)
    for (double xx = x + (std::fmod((yy - y) / step, 2.0) < 1 ? step / 2 : 0); xx < x + w; xx += step) {
      cairo_new_path(cr);
      cairo_arc(cr, xx, yy, 1.2, 0, 2 * M_PI);
      SetColour(cr, ink, alpha * 1.2);
      cairo_fill(cr);
    }
  cairo_restore(cr);
}

void Vignette(cairo_t* cr, double x, double y, double w, double h, double r, double alpha) {
  cairo_save(cr);
  cairo_new_path(cr);
  RoundRect(cr, x, y, w, h, r);
  cairo_clip(cr);
  double cx = x + w / 2, cy = y + h / 2;
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, w / 2, h / 2);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0.5, 0, 0, 1.45);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, alpha);
  cairo_set_source(cr, g);
  cairo_paint(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

}  // namespace vv::gen
