// The five battle backgrounds (1024 x 614): the monster stands at (512, 591),
// so each scene keeps a clear floor there and mid-bright colours that the
// day and night tint can darken without losing the shapes.

#include <cmath>
#include <string>

#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {
namespace {

constexpr int kW = 1024, kH = 614;

void Gradient(cairo_t* cr, double y0, double y1, Rgb top, Rgb bottom) {
  cairo_pattern_t* g = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(g, 0, top.r / 255, top.g / 255, top.b / 255);
  cairo_pattern_add_color_stop_rgb(g, 1, bottom.r / 255, bottom.g / 255, bottom.b / 255);
  cairo_rectangle(cr, 0, y0, kW, y1 - y0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A skyline of hills or rocks from noise, filled down to the bottom.
void Ridge(cairo_t* cr, double y, double amp, double scale, std::uint32_t seed, Rgb colour,
           double outline = 0) {
  std::vector<Pt> pts{{-10, kH + 10}};
  for (int x = -10; x <= kW + 10; x += 8) pts.push_back({double(x), y - amp * Fbm(x / scale, 0.5, seed, 3)});
  pts.push_back({kW + 10, kH + 10});
  Fill(
      cr, [&](cairo_t* c) { Polygon(c, pts); }, colour);
  if (outline > 0) {
    cairo_new_path(cr);
    for (std::size_t i = 1; i + 1 < pts.size(); ++i)
      i == 1 ? cairo_move_to(cr, pts[i].x, pts[i].y) : cairo_line_to(cr, pts[i].x, pts[i].y);
    SetColour(cr, Darker(colour, 0.5));
    cairo_set_line_width(cr, outline);
    cairo_stroke(cr);
  }
}

// Textured floor from y0 down, with perspective streaks.
void Floor(Canvas& c, int y0, Rgb near, Rgb far, std::uint32_t seed) {
  c.ForEachPixel([&](int x, int y, std::uint8_t* p) {
    if (y < y0) return;
    double t = double(y - y0) / (kH - y0);
    double depth = 1.0 / (0.15 + t);
    double n = Fbm(x / (40.0 / depth + 8), y / 10.0 * depth * 0.4, seed, 4);
    Rgb col = Mix(far, near, t);
    col = Mix(col, Darker(col, 0.4), n * 0.6);
    p[0] = std::uint8_t(std::clamp(col.r, 0.0, 250.0));
    p[1] = std::uint8_t(std::clamp(col.g, 0.0, 250.0));
    p[2] = std::uint8_t(std::clamp(col.b, 0.0, 250.0));
    p[3] = 255;
  });
}

void Forest(Canvas& c) {
  cairo_t* cr = c.cr();
  Gradient(cr, 0, 440, Hex("#6aa8e0"), Hex("#c8e4f0"));
  for (int i = 0; i < 5; ++i)
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, 120 + i * 210, 80 + (i % 2) * 40, 70, 20); }, Grey(245), 0.8);
  Ridge(cr, 400, 90, 260, 1, Hex("#7aa0a8"));
  Ridge(cr, 430, 70, 120, 2, Hex("#4a7a50"));
  // Tree line.
  for (int i = 0; i < 22; ++i) {
    double x = i * 50 + 10 * std::sin(i * 2.3), top = 300 + 30 * std::sin(i * 1.7);
    Trunk(cr, x, top + 60, 460, 16, pal::kBarkDark);
    Canopy(cr, x, top + 30, 52, Mix(Hex("#2f6a32"), Hex("#3a7a3a"), (i % 3) / 2.0), 900 + i, 7);
  }
  Floor(c, 450, Hex("#5a9a40"), Hex("#3a6a30"), 910);
  GroundShadow(cr, 512, 591, 220, 26, 0.35);
  // Foreground ferns and flowers at the edges.
  for (int i = 0; i < 8; ++i) {
    double x = i < 4 ? 30 + i * 60 : 780 + (i - 4) * 60, y = 600 - (i % 2) * 20;
    Canopy(cr, x, y, 36, Hex("#2f6a2a"), 920 + i, 6);
  }
}

void Cavern(Canvas& c) {
  cairo_t* cr = c.cr();
  Gradient(cr, 0, kH, Hex("#2a3448"), Hex("#1a202c"));
  Glow(cr, 512, 380, 420, Hex("#4a6a8a"), 0.5);
  Ridge(cr, 420, 120, 90, 20, Hex("#3a4658"), 3);
  Floor(c, 440, Hex("#5a6678"), Hex("#2e3848"), 21);
  // Stalactites hanging from the ceiling.
  Rng rng(22);
  for (int i = 0; i < 26; ++i) {
    double x = rng.Uniform(0, kW), len = rng.Uniform(60, 200), w = rng.Uniform(20, 50);
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - w, -5}, {x + w, -5}, {x + 2, len}});
        },
        Mix(Hex("#3a4658"), Hex("#4a5668"), rng.Uniform(0, 1)), {.outline = 2});
  }
  // Stalagmites and crystals at the sides.
  for (int i = 0; i < 6; ++i) {
    double x = i < 3 ? 60 + i * 110 : 700 + (i - 3) * 120, h = 140 + (i % 3) * 50;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 40, 500}, {x + 3, 500 - h}, {x + 40, 500}});
        },
        Hex("#4a5668"), {.outline = 2});
  }
  for (Pt p : {Pt{140, 560}, Pt{880, 570}, Pt{300, 470}, Pt{760, 470}}) {
    Glow(cr, p.x, p.y - 30, 90, pal::kCrystal, 0.45);
    Crystal(cr, p.x - 18, p.y, 60, 20, -0.3, pal::kCrystal);
    Crystal(cr, p.x + 16, p.y, 50, 18, 0.35, Hex("#3ab8d8"));
    Crystal(cr, p.x, p.y + 4, 90, 26, 0, Hex("#6ae8f8"));
  }
  GroundShadow(cr, 512, 591, 220, 26, 0.45);
}

void Desert(Canvas& c) {
  cairo_t* cr = c.cr();
  Gradient(cr, 0, 420, Hex("#e89a50"), Hex("#f8dca0"));
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 760, 160, 60, 60); }, Hex("#fff0c0"));
  Glow(cr, 760, 160, 200, Hex("#ffe0a0"), 0.5);
  Ridge(cr, 380, 200, 180, 30, Hex("#a8705a"), 2);  // the goper mountains
  Ridge(cr, 420, 80, 150, 31, Hex("#c8906a"));
  Floor(c, 440, Hex("#e0b878"), Hex("#c89a60"), 32);
  for (int i = 0; i < 6; ++i) {
    double y = 470 + i * 24;
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, 0, y);
          for (int x = 0; x <= kW; x += 32) cairo_line_to(c2, x, y + 6 * std::sin(x / 90.0 + i));
        },
        Hex("#b88850"), 2, 0.5);
  }
  // Ruined columns and a cactus at the sides.
  for (double x : {110.0, 200.0, 860.0})
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2,
                  {{x - 26, 520}, {x - 26, 330}, {x - 10, 320}, {x + 4, 336}, {x + 26, 326}, {x + 26, 520}});
        },
        Hex("#d0a878"), {.outline = 3});
  Cel(cr,
      [](cairo_t* c2) {
        RoundRect(c2, 950, 380, 36, 200, 18);
        RoundRect(c2, 910, 420, 24, 70, 12);
        RoundRect(c2, 910, 474, 50, 20, 10);
      },
      pal::kCactus, {.outline = 3});
  GroundShadow(cr, 512, 591, 220, 26, 0.35);
}

void Garden(Canvas& c) {
  cairo_t* cr = c.cr();
  Gradient(cr, 0, 430, Hex("#78b8e8"), Hex("#d8ecf0"));
  Ridge(cr, 420, 60, 200, 40, Hex("#6a9a5a"));
  // A giant fence and vegetables behind the field.
  for (int x = 0; x < kW; x += 70)
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x + 8.0, 450}, {x + 8.0, 300}, {x + 30.0, 280}, {x + 52.0, 300}, {x + 52.0, 450}});
        },
        pal::kWood, {.outline = 2});
  Cel(cr,
      [](cairo_t* c2) {
        cairo_rectangle(c2, 0, 330, kW, 22);
        cairo_rectangle(c2, 0, 400, kW, 22);
      },
      Hex("#7a5a34"), {.outline = 2});
  Floor(c, 450, Hex("#7a5236"), Hex("#4a3020"), 41);
  for (int i = 0; i < 7; ++i)
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, 0, 470 + i * 22);
          cairo_line_to(c2, kW, 470 + i * 22);
        },
        Hex("#2e1e14"), 3, 0.6);
  Pumpkin(cr, 120, 470, 110, 80, false);
  Pumpkin(cr, 910, 500, 90, 66, true);
  for (int i = 0; i < 3; ++i) {
    double x = 300 + i * 220;
    for (int k = 0; k < 5; ++k)
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{x - 10, 440}, {x - 30 + k * 15, 330.0 + (k % 2) * 30}, {x + 10, 440}});
          },
          Hex("#4a9a3a"), {.outline = 2});
  }
  GroundShadow(cr, 512, 591, 220, 26, 0.35);
}

void Hideout(Canvas& c) {
  cairo_t* cr = c.cr();
  Gradient(cr, 0, kH, Hex("#3a2048"), Hex("#1a1020"));
  // Back wall of great blocks.
  for (int row = 0; row < 8; ++row)
    for (int x = -60 + (row % 2) * 60; x < kW; x += 120)
      Stroke(
          cr, [&](cairo_t* c2) { cairo_rectangle(c2, x, row * 56, 120, 56); }, Hex("#160c1c"), 3);
  Glow(cr, 512, 360, 380, Hex("#8a3a8a"), 0.35);
  Floor(c, 450, Hex("#5a3a68"), Hex("#2e1a38"), 51);
  // Pillars with torches and skulls.
  for (double x : {90.0, 330.0, 694.0, 934.0}) {
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - 34, 60, 68, 420); }, Hex("#4a2a58"), {.outline = 3});
    Cel(cr,
        [&](cairo_t* c2) {
          cairo_rectangle(c2, x - 44, 40, 88, 30);
          cairo_rectangle(c2, x - 44, 470, 88, 30);
        },
        Hex("#5a3a68"), {.outline = 3});
    Glow(cr, x, 200, 110, pal::kTorch, 0.45);
    Flame(cr, x, 210, 60, 34);
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 20, 206}, {x + 20, 206}, {x + 10, 226}, {x - 10, 226}});
        },
        Hex("#6a6070"), {.outline = 2});
    Skull(cr, x, 300, 16, pal::kBone);
  }
  // Lava cracks across the floor.
  for (int i = 0; i < 3; ++i) {
    auto crack = [&](cairo_t* c2) {
      double y = 500 + i * 40, x0 = i == 1 ? 700 : 40;
      cairo_move_to(c2, x0, y);
      for (int k = 1; k < 6; ++k) cairo_line_to(c2, x0 + k * 55, y + ((k % 2) ? -12 : 10));
    };
    Stroke(cr, crack, Hex("#1a0808"), 12);
    Stroke(cr, crack, pal::kLava, 7);
    Stroke(cr, crack, pal::kLavaHot, 3);
  }
  GroundShadow(cr, 512, 591, 220, 26, 0.45);
}

}  // namespace

void AddBattlegroundPictures(PictureList& l) {
  void (*draw[5])(Canvas&) = {Forest, Cavern, Desert, Garden, Hideout};
  for (int i = 1; i <= 5; ++i)
    l.push_back({"comback_" + std::to_string(i) + ".png", kW, kH, "combat", kPlain, draw[i - 1]});
}

}  // namespace vv::gen
