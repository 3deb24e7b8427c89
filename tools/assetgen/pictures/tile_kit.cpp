#include "tile_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace vv::gen {

void Texture(Canvas& c, const std::function<Rgb(int x, int y)>& fn) {
  c.ForEachPixel([&](int x, int y, std::uint8_t* p) {
    Rgb col = fn(x, y);
    p[0] = std::uint8_t(std::clamp(col.r, 0.0, 250.0));
    p[1] = std::uint8_t(std::clamp(col.g, 0.0, 250.0));
    p[2] = std::uint8_t(std::clamp(col.b, 0.0, 250.0));
    p[3] = 255;
  });
}

void Shadow(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb ground) {
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); }, Darker(ground, 0.45));
}

void Rock(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour, std::uint32_t seed) {
  Rng rng(seed);
  std::vector<Pt> pts;
  const int n = 8;
  for (int i = 0; i < n; ++i) {
    double a = i * 2 * M_PI / n + rng.Uniform(-0.2, 0.2);
    double k = rng.Uniform(0.82, 1.08);
    double flat = std::sin(a) > 0 ? 0.92 : 1.0;  // flatter underside
    pts.push_back({cx + std::cos(a) * rx * k, cy + std::sin(a) * ry * k * flat});
  }
  Cel(cr, [&](cairo_t* c) { SmoothClosed(c, pts, 0.7); }, colour, {.outline = std::max(1.0, rx * 0.1)});
  // A crack or two.
  double x = cx + rng.Uniform(-rx * 0.3, rx * 0.2), y = cy - ry * 0.2;
  cairo_new_path(cr);
  cairo_move_to(cr, x, y);
  cairo_line_to(cr, x + rx * 0.2, y + ry * 0.25);
  cairo_line_to(cr, x + rx * 0.1, y + ry * 0.5);
  SetColour(cr, Darker(colour, 0.5), 0.8);
  cairo_set_line_width(cr, std::max(0.8, rx * 0.06));
  cairo_stroke(cr);
}

void Canopy(cairo_t* cr, double cx, double cy, double r, Rgb leaf, std::uint32_t seed, int puffs) {
  Rng rng(seed);
  std::vector<Pt> pts;
  for (int i = 0; i < puffs * 2; ++i) {
    double a = i * M_PI / puffs;
    double k = (i % 2) ? rng.Uniform(0.78, 0.86) : rng.Uniform(0.98, 1.06);
    pts.push_back({cx + std::cos(a) * r * k, cy + std::sin(a) * r * k * 0.95});
  }
  Cel(cr, [&](cairo_t* c) { SmoothClosed(c, pts, 0.9); }, leaf,
      {.outline = std::max(1.0, r * 0.08), .shade = 0.38, .light = 0.28});
  // Leaf clumps in the lit half.
  for (int i = 0; i < 4; ++i) {
    double a = rng.Uniform(M_PI * 0.9, M_PI * 1.9), d = rng.Uniform(0.25, 0.55) * r;
    double px = cx + std::cos(a) * d, py = cy + std::sin(a) * d, pr = r * rng.Uniform(0.16, 0.24);
    Fill(
        cr, [&](cairo_t* c) { cairo_arc(c, px, py, pr, M_PI * 0.9, M_PI * 2.1); }, Lighter(leaf, 0.35), 0.9);
  }
}

void Trunk(cairo_t* cr, double cx, double top, double bottom, double w, Rgb bark) {
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx - w * 0.35, top},
                    {cx + w * 0.35, top},
                    {cx + w * 0.5, bottom - w * 0.2},
                    {cx + w * 0.8, bottom},
                    {cx - w * 0.8, bottom},
                    {cx - w * 0.5, bottom - w * 0.2}});
      },
      bark, {.outline = std::max(1.0, w * 0.12)});
  Line(cr, cx - w * 0.1, top + 2, cx - w * 0.15, bottom - 2, Darker(bark, 0.4), std::max(0.7, w * 0.08), 0.7);
}

void Skull(cairo_t* cr, double cx, double cy, double s, Rgb bone) {
  Cel(cr,
      [&](cairo_t* c) {
        cairo_new_sub_path(c);
        cairo_arc(c, cx, cy, s, M_PI * 0.85, M_PI * 2.15);
        cairo_line_to(c, cx + s * 0.55, cy + s * 1.05);
        cairo_line_to(c, cx - s * 0.55, cy + s * 1.05);
        cairo_close_path(c);
      },
      bone, {.outline = std::max(1.0, s * 0.14)});
  Rgb hole = Hex("#1a1216");
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx - s * 0.38, cy + s * 0.1, s * 0.26, s * 0.3); }, hole);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx + s * 0.38, cy + s * 0.1, s * 0.26, s * 0.3); }, hole);
  Fill(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx, cy + s * 0.42}, {cx - s * 0.12, cy + s * 0.65}, {cx + s * 0.12, cy + s * 0.65}});
      },
      hole);
  for (int i = -1; i <= 1; ++i)
    Line(cr, cx + i * s * 0.2, cy + s * 0.8, cx + i * s * 0.2, cy + s * 1.02, Darker(bone, 0.5),
         std::max(0.6, s * 0.08));
}

void Bone(cairo_t* cr, double x1, double y1, double x2, double y2, double w, Rgb bone) {
  double dx = x2 - x1, dy = y2 - y1, len = std::hypot(dx, dy);
  double nx = -dy / len * w * 0.55, ny = dx / len * w * 0.55;
  Cel(cr,
      [&](cairo_t* c) {
        cairo_move_to(c, x1 + nx * 0.6, y1 + ny * 0.6);
        cairo_line_to(c, x2 + nx * 0.6, y2 + ny * 0.6);
        cairo_line_to(c, x2 - nx * 0.6, y2 - ny * 0.6);
        cairo_line_to(c, x1 - nx * 0.6, y1 - ny * 0.6);
        cairo_close_path(c);
        for (Pt e : {Pt{x1, y1}, Pt{x2, y2}}) {
          Ellipse(c, e.x + nx, e.y + ny, w * 0.55, w * 0.55);
          Ellipse(c, e.x - nx, e.y - ny, w * 0.55, w * 0.55);
        }
      },
      bone, {.outline = std::max(0.8, w * 0.25), .offset = std::max(0.6, w * 0.3)});
}

void Crystal(cairo_t* cr, double x, double y, double h, double w, double angle, Rgb colour) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_rotate(cr, angle);
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{-w / 2, 0}, {-w / 2, -h * 0.75}, {0, -h}, {w / 2, -h * 0.75}, {w / 2, 0}});
      },
      colour, {.outline = 1.0, .light = 0.5});
  Fill(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{-w / 2 + 1, -2}, {-w / 2 + 1, -h * 0.72}, {0, -h + 1.5}, {0, -2}});
      },
      Lighter(colour, 0.55), 0.8);
  cairo_restore(cr);
}

void Flame(cairo_t* cr, double cx, double base, double h, double w) {
  Fill(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{cx - w / 2, base},
                      {cx - w * 0.55, base - h * 0.4},
                      {cx - w * 0.15, base - h * 0.7},
                      {cx, base - h},
                      {cx + w * 0.3, base - h * 0.55},
                      {cx + w * 0.55, base - h * 0.35},
                      {cx + w / 2, base}},
                     0.8);
      },
      Hex("#e84a1a"));
  Fill(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{cx - w * 0.3, base},
                      {cx - w * 0.3, base - h * 0.35},
                      {cx, base - h * 0.7},
                      {cx + w * 0.3, base - h * 0.3},
                      {cx + w * 0.3, base}},
                     0.8);
      },
      Hex("#ffb040"));
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx, base - h * 0.2, w * 0.15, h * 0.18); }, Hex("#fff0b0"));
}

void Pumpkin(cairo_t* cr, double cx, double cy, double rx, double ry, bool carved) {
  Rgb p = Hex("#e07a20");
  for (int i : {-2, 2, -1, 1, 0}) {
    double ox = i * rx * 0.32, k = 1 - std::abs(i) * 0.08;
    Cel(cr, [&](cairo_t* c) { Ellipse(c, cx + ox, cy, rx * 0.42, ry * k); }, p,
        {.outline = std::max(1.0, rx * 0.07), .shade = 0.35, .light = 0.3});
  }
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx - rx * 0.08, cy - ry * 0.9},
                    {cx - rx * 0.02, cy - ry * 1.3},
                    {cx + rx * 0.18, cy - ry * 1.35},
                    {cx + rx * 0.1, cy - ry * 0.9}});
      },
      Hex("#5a6a2a"), {.outline = 1});
  if (carved) {
    Rgb glow = Hex("#ffd060");
    Fill(
        cr,
        [&](cairo_t* c) {
          Polygon(c, {{cx - rx * 0.55, cy - ry * 0.2},
                      {cx - rx * 0.2, cy - ry * 0.35},
                      {cx - rx * 0.3, cy + ry * 0.02}});
          Polygon(c, {{cx + rx * 0.55, cy - ry * 0.2},
                      {cx + rx * 0.2, cy - ry * 0.35},
                      {cx + rx * 0.3, cy + ry * 0.02}});
          Polygon(c, {{cx - rx * 0.65, cy + ry * 0.25},
                      {cx - rx * 0.35, cy + ry * 0.38},
                      {cx - rx * 0.2, cy + ry * 0.25},
                      {cx, cy + ry * 0.4},
                      {cx + rx * 0.2, cy + ry * 0.25},
                      {cx + rx * 0.35, cy + ry * 0.38},
                      {cx + rx * 0.65, cy + ry * 0.25},
                      {cx + rx * 0.3, cy + ry * 0.7},
                      {cx - rx * 0.3, cy + ry * 0.7}});
        },
        glow);
  }
}

void Masonry(Canvas& c, Rgb stone, Rgb mortar, std::uint32_t seed, int courses) {
  const int w = c.width(), h = c.height();
  const int ch = h / courses;
  Texture(c, [&](int x, int y) {
    int row = y / ch;
    int bw = w / 2;
    int bx = (x + (row % 2) * (bw / 2)) % w;
    int cx = bx % bw, cy = y % ch;
    int brick = bx / bw + row * 3;
    double edge = std::min({cx, bw - 1 - cx, cy, ch - 1 - cy});
    double n = Fbm(x / 4.0, y / 4.0, seed, 3, w / 4);
    Rgb col = Mix(stone, Lighter(stone, 0.25), Hash01(brick, row, seed) * 0.6);
    col = Mix(col, Darker(stone, 0.4), n * 0.5);
    if (edge < 1) return mortar;
    if (cy < 2 || cx < 2) col = Lighter(col, 0.18);
    if (ch - 1 - cy < 2 || bw - 1 - cx < 2) col = Darker(col, 0.25);
    return col;
  });
}

void RaisedBlock(Canvas& c, Rgb top, Rgb front, Rgb rim, std::uint32_t seed) {
  constexpr int kTop = 21, kFront = 28;  // top face rows 0..20, front face ..27, shadow below
  c.ForEachPixel([&](int x, int y, std::uint8_t* p) {
    Rgb col;
    double alpha = 1;
    double n = Fbm(x / 5.0, y / 5.0, seed, 3, 0);
    if (y < kTop) {
      int slab = x < 16 ? 0 : 1;
      int lx = x % 16;
      col = Mix(top, Lighter(top, 0.12), Hash01(slab, 0, seed + 1) * 0.5 + n * 0.5);
      if (y < 2)
        col = Mix(rim, col, y * 0.45);
      else if (lx < 2)
        col = Mix(rim, col, 0.35 + lx * 0.3);
      else if (lx == 15)
        col = Darker(top, 0.45);
      else if (y >= kTop - 2)
        col = Darker(col, 0.15);
    } else if (y < kFront) {
      col = Mix(front, Darker(front, 0.3), (y - kTop) / double(kFront - kTop) * 0.6 + n * 0.3);
      if (y == kTop) col = Lighter(front, 0.25);
      if (x % 16 == 15 || x % 16 == 0) col = Darker(front, 0.5);
    } else {
      col = Darker(front, 0.85);
      alpha = 0.75 - (y - kFront) * 0.12;
    }
    p[0] = std::uint8_t(std::clamp(col.r, 0.0, 250.0));
    p[1] = std::uint8_t(std::clamp(col.g, 0.0, 250.0));
    p[2] = std::uint8_t(std::clamp(col.b, 0.0, 250.0));
    p[3] = std::uint8_t(alpha * 255);
  });
}

void ChasmCell(Canvas& c, Rgb lip, Rgb wall, Rgb deep, std::uint32_t seed) {
  Texture(c, [&](int x, int y) {
    double n = Fbm(x / 8.0, y / 8.0, seed, 3, 4);
    double strata = Noise(x / 4.0, y / 4.0, seed + 1, 8);
    if (x < 3 || x > 28) {  // the lips of the banks catch the light
      Rgb col = Mix(lip, Lighter(lip, 0.2), n);
      if (x == 2 || x == 29) col = Lighter(lip, 0.4);
      return col;
    }
    if (x < 10) {  // the west wall, in shadow
      double t = (x - 3) / 7.0;
      Rgb col = Mix(Darker(wall, 0.35), Darker(wall, 0.6), t);
      if (strata > 0.65) col = Mix(col, wall, 0.5);
      return col;
    }
    if (x > 21) {  // the east wall, lit from the west
      double t = (28 - x) / 7.0;
      Rgb col = Mix(Lighter(wall, 0.15), Mix(wall, deep, 0.3), t);
      if ((y + int(n * 6)) % 11 == 0)
        col = Lighter(wall, 0.35);  // ledges
      else if ((y + int(n * 6)) % 11 == 1)
        col = Darker(wall, 0.4);
      return col;
    }
    // The depth: dark, with a faint glow of the bottom in the middle.
    double mid = 1 - std::abs(x - 15.5) / 6.0;
    Rgb col = Mix(Darker(wall, 0.55), deep, 0.6 + 0.25 * mid);
    col = Mix(col, Mix(wall, deep, 0.3), n * 0.35);
    if (strata > 0.72 && x > 12 && x < 19) col = Mix(col, wall, 0.35);  // a lower ledge
    return col;
  });
}

}  // namespace vv::gen

namespace vv::gen {
void Wrapped(cairo_t* cr, int s, const std::function<void(cairo_t*)>& fn) {
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      cairo_save(cr);
      cairo_translate(cr, dx * s, dy * s);
      fn(cr);
      cairo_restore(cr);
    }
}
}  // namespace vv::gen
