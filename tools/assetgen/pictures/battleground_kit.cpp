#include "battleground_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tile_kit.h"

namespace vv::gen::battle {

void Sky(cairo_t* cr, double y0, double y1, std::initializer_list<std::pair<double, Rgb>> stops) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  for (const auto& [t, c] : stops) cairo_pattern_add_color_stop_rgb(g, t, c.r / 255, c.g / 255, c.b / 255);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, y0, kW, y1 - y0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Haze(cairo_t* cr, double y0, double y1, Rgb colour, double alpha) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgba(g, 0, colour.r / 255, colour.g / 255, colour.b / 255, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, colour.r / 255, colour.g / 255, colour.b / 255, alpha);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, std::min(y0, y1), kW, std::abs(y1 - y0));
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

void Ridge(cairo_t* cr, double y, double amp, double scale, std::uint32_t seed, Rgb colour, double sharp,
           double lit) {
  std::vector<Pt> top;
  for (int x = -8; x <= kW + 8; x += 4) {
    double n = Fbm(x / scale, 0.5, seed, 4);
    double crag = 1 - std::abs(Noise(x / (scale * 0.35), 3.5, seed + 7) * 2 - 1);
    top.push_back({double(x), y - amp * ((1 - sharp) * n + sharp * crag * n * 1.4)});
  }
  std::vector<Pt> pts = top;
  pts.push_back({kW + 8.0, kH + 8.0});
  pts.push_back({-8, kH + 8.0});
  Fill(
      cr, [&](cairo_t* c) { Polygon(c, pts); }, colour);
  if (lit > 0) {
    // Faces turned to the light (rising to the right) catch a lighter rim.
    cairo_save(cr);
    cairo_new_path(cr);
    Polygon(cr, pts);
    cairo_clip(cr);
    for (std::size_t i = 1; i < top.size(); ++i) {
      double slope = top[i].y - top[i - 1].y;
      Rgb face = slope < 0 ? Lighter(colour, lit) : Darker(colour, lit * 0.6);
      Fill(
          cr,
          [&](cairo_t* c) {
            Polygon(c, {top[i - 1],
                        top[i],
                        {top[i].x, top[i].y + amp * 0.6},
                        {top[i - 1].x, top[i - 1].y + amp * 0.6}});
          },
          face, 0.55);
    }
    cairo_restore(cr);
  }
}

void Cloud(cairo_t* cr, double cx, double cy, double w, std::uint32_t seed, Rgb light, Rgb shade) {
  Rng rng(seed);
  struct Puff {
    double x, y, r;
  };
  std::vector<Puff> puffs;
  int n = 5 + int(w / 60);
  for (int i = 0; i < n; ++i) {
    double t = (i + 0.5) / n - 0.5;
    double r = w * (0.16 + 0.14 * (1 - std::abs(t) * 2)) * rng.Uniform(0.8, 1.15);
    puffs.push_back({cx + t * w * 0.85, cy - r * 0.35 + rng.Uniform(-4, 4), r});
  }
  auto body = [&](cairo_t* c) {
    for (const Puff& p : puffs) {
      cairo_new_sub_path(c);
      cairo_arc(c, p.x, p.y, p.r, 0, 2 * M_PI);
    }
    RoundRect(c, cx - w * 0.5, cy - w * 0.06, w, w * 0.12, w * 0.06);
  };
  Fill(cr, body, shade);
  cairo_save(cr);
  cairo_new_path(cr);
  body(cr);
  cairo_clip(cr);
  for (const Puff& p : puffs)
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, p.x - p.r * 0.18, p.y - p.r * 0.22, p.r * 0.92, p.r * 0.85); },
        light);
  cairo_restore(cr);
}

void Rays(cairo_t* cr, double x, double y, double spread, double length, Rgb colour, double alpha,
          std::uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < 6; ++i) {
    double a = M_PI * 0.5 - spread * 0.5 + spread * (i + rng.Uniform(0.1, 0.9)) / 6;
    double w = rng.Uniform(0.02, 0.05);
    double len = length * rng.Uniform(0.7, 1.0);
    cairo_pattern_t* g = cairo_pattern_create_linear(x, y, x + std::cos(a) * len, y + std::sin(a) * len);
    cairo_pattern_add_color_stop_rgba(g, 0, colour.r / 255, colour.g / 255, colour.b / 255, alpha);
    cairo_pattern_add_color_stop_rgba(g, 1, colour.r / 255, colour.g / 255, colour.b / 255, 0);
    cairo_new_path(cr);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + std::cos(a - w) * len, y + std::sin(a - w) * len);
    cairo_line_to(cr, x + std::cos(a + w) * len, y + std::sin(a + w) * len);
    cairo_close_path(cr);
    cairo_set_source(cr, g);
    cairo_fill(cr);
    cairo_pattern_destroy(g);
  }
}

void Vignette(cairo_t* cr, double strength) {
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0.45, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, 0.03, 0.02, 0.05, 0);
  cairo_pattern_add_color_stop_rgba(g, 1, 0.03, 0.02, 0.05, strength);
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_rectangle(cr, 0, 0, kW, kH);
  cairo_translate(cr, kW / 2.0, kH * 0.55);
  cairo_scale(cr, kW * 0.72, kH * 0.85);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_pattern_destroy(g);
}

namespace {

// An elliptic radial light fading from `alpha` through `midAlpha` (at 35%)
// to nothing, painted with the given operator.
void RadialLight(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb c, double alpha,
                 double midAlpha, cairo_operator_t op) {
  cairo_save(cr);
  cairo_set_operator(cr, op);
  cairo_translate(cr, cx, cy);
  cairo_scale(cr, rx, ry);
  cairo_pattern_t* g = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0, c.r / 255, c.g / 255, c.b / 255, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.35, c.r / 255, c.g / 255, c.b / 255, midAlpha);
  cairo_pattern_add_color_stop_rgba(g, 1, c.r / 255, c.g / 255, c.b / 255, 0);
  FillDisc(cr, g, 0, 0, 1);
  cairo_restore(cr);
}

}  // namespace

void Stage(cairo_t* cr, Rgb light, double lightAlpha, double shadowAlpha) {
  RadialLight(cr, kFootX, kFootY - 8, 330, 60, light, lightAlpha, lightAlpha * 0.65, CAIRO_OPERATOR_OVER);
  GroundShadow(cr, kFootX, kFootY, 150, 18, shadowAlpha);
}

double GroundY(double horizon, double wz) {
  return horizon + (kH - horizon) / wz;
}

void Ground(Canvas& c, double horizon, int y0, const std::function<Rgb(double, double, int, int)>& fn) {
  c.ForEachPixel([&](int x, int y, std::uint8_t* p) {
    if (y < y0 || y <= horizon) return;
    double wz = (kH - horizon) / (y - horizon);
    double wx = (x - kFootX) * wz / 512.0;
    Rgb col = fn(wx, wz, x, y);
    if (p[3] > 0 && y < y0 + 3) {
      // Blend the first rows into what is behind, so the horizon is not a ruler line.
      double t = (y - y0 + 1) / 4.0;
      col = Mix(Rgb{double(p[0]), double(p[1]), double(p[2])}, col, t);
    }
    p[0] = std::uint8_t(std::clamp(col.r, 0.0, 250.0));
    p[1] = std::uint8_t(std::clamp(col.g, 0.0, 250.0));
    p[2] = std::uint8_t(std::clamp(col.b, 0.0, 250.0));
    p[3] = 255;
  });
}

void Pine(cairo_t* cr, double x, double base, double h, Rgb leaf, Rgb trunk, double outline) {
  double w = h * 0.34;
  Fill(
      cr, [&](cairo_t* c) { cairo_rectangle(c, x - w * 0.07, base - h * 0.2, w * 0.14, h * 0.2); }, trunk);
  for (int tier = 0; tier < 4; ++tier) {
    double top = base - h + tier * h * 0.2, bottom = base - h * 0.12 - (3 - tier) * h * 0.12;
    double half = w * (0.45 + tier * 0.17);
    Cel(cr,
        [&](cairo_t* c) {
          cairo_move_to(c, x, top);
          cairo_curve_to(c, x - half * 0.3, top + (bottom - top) * 0.5, x - half * 0.8, bottom - 6, x - half,
                         bottom);
          cairo_curve_to(c, x - half * 0.4, bottom - 5, x + half * 0.4, bottom - 5, x + half, bottom);
          cairo_curve_to(c, x + half * 0.8, bottom - 6, x + half * 0.3, top + (bottom - top) * 0.5, x, top);
          cairo_close_path(c);
        },
        Mix(leaf, Lighter(leaf, 0.1), tier / 3.0), {.outline = outline, .shade = 0.35, .light = 0.25});
  }
}

void Oak(cairo_t* cr, double x, double base, double h, Rgb leaf, Rgb trunk, std::uint32_t seed) {
  double w = h * 0.1;
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{x - w * 0.4, base - h * 0.55},
                    {x + w * 0.4, base - h * 0.55},
                    {x + w * 0.55, base - w},
                    {x + w * 1.2, base},
                    {x - w * 1.2, base},
                    {x - w * 0.55, base - w}});
      },
      trunk, {.outline = 1.5});
  Line(cr, x, base - h * 0.5, x + w * 2.2, base - h * 0.72, trunk, w * 0.5);
  Line(cr, x, base - h * 0.45, x - w * 2, base - h * 0.7, trunk, w * 0.45);
  const double r = h * 0.26;
  const Pt clumps[5] = {{-1.0, -0.45}, {1.0, -0.4}, {0, -0.95}, {-0.5, -0.05}, {0.55, 0.0}};
  for (int i = 0; i < 5; ++i)
    Canopy(cr, x + clumps[i].x * r, base - h * 0.7 + clumps[i].y * r, r * (i == 2 ? 1.0 : 0.85),
           Mix(leaf, Lighter(leaf, 0.1), i / 4.0), seed + i, 8);
}

void PineRow(cairo_t* cr, double y, double hMin, double hMax, double step, Rgb colour, std::uint32_t seed) {
  Rng rng(seed);
  cairo_new_path(cr);
  cairo_move_to(cr, -10, kH);
  cairo_line_to(cr, -10, y);
  for (double x = -10; x < kW + step; x += step * rng.Uniform(0.6, 1.3)) {
    double h = rng.Uniform(hMin, hMax), w = h * 0.22;
    cairo_line_to(cr, x - w, y);
    cairo_line_to(cr, x - w * 0.45, y - h * 0.45);
    cairo_line_to(cr, x - w * 0.7, y - h * 0.42);
    cairo_line_to(cr, x, y - h);
    cairo_line_to(cr, x + w * 0.7, y - h * 0.42);
    cairo_line_to(cr, x + w * 0.45, y - h * 0.45);
    cairo_line_to(cr, x + w, y);
  }
  cairo_line_to(cr, kW + 10, y);
  cairo_line_to(cr, kW + 10, kH);
  cairo_close_path(cr);
  SetColour(cr, colour);
  cairo_fill(cr);
}

void Boulder(cairo_t* cr, double cx, double base, double rx, double ry, Rgb colour, std::uint32_t seed) {
  Rng rng(seed);
  std::vector<Pt> pts;
  for (int i = 0; i < 9; ++i) {
    double a = M_PI + i * M_PI / 8;
    double k = rng.Uniform(0.85, 1.08);
    pts.push_back({cx + std::cos(a) * rx * k, base + std::sin(a) * ry * k});
  }
  Cel(cr, [&](cairo_t* c) { SmoothClosed(c, pts, 0.6); }, colour,
      {.outline = 2.5, .shade = 0.4, .light = 0.3, .offset = std::max(4.0, rx * 0.18)});
  // A few cracks and a lit facet.
  Line(cr, cx - rx * 0.2, base - ry * 0.7, cx, base - ry * 0.35, Darker(colour, 0.5), 2, 0.7);
  Line(cr, cx, base - ry * 0.35, cx + rx * 0.15, base - ry * 0.05, Darker(colour, 0.5), 2, 0.7);
}

void AddGlow(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour, double alpha) {
  RadialLight(cr, cx, cy, rx, ry, colour, alpha, alpha * 0.45, CAIRO_OPERATOR_ADD);
}

}  // namespace vv::gen::battle
