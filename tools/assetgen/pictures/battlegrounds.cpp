// The five battle backgrounds (1024 x 614). Each is a small stage: a far
// layer, a middle layer with the area's landmarks, and a ground in
// perspective. The monster stands at (512, 591), so the middle of every
// scene stays open and a shade lighter than its frame, and the edges are
// darker, so that the monster reads first by day, at dusk and at night.

#include <cmath>
#include <string>

#include "battleground_kit.h"
#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {

void DrawGardenBattleground(Canvas& c);
void DrawHideoutBattleground(Canvas& c);

namespace {

using namespace battle;

// The forest clearing: far hills with the towers of Duduvi, a misty pine
// edge, oaks and pines around a sunlit clearing, a dirt path to the monster.
void Forest(Canvas& c) {
  cairo_t* cr = c.cr();
  Sky(cr, 0, 400, {{0, Hex("#4f8fd0")}, {0.6, Hex("#a8d0ea")}, {1, Hex("#e4f0e0")}});
  Glow(cr, 150, 40, 260, Hex("#fff4c8"), 0.7);
  Cloud(cr, 250, 95, 260, 11, Hex("#f6f8f4"), Hex("#b8c8dc"));
  Cloud(cr, 700, 60, 200, 12, Hex("#f6f8f4"), Hex("#b8c8dc"));
  Cloud(cr, 930, 140, 150, 13, Hex("#eef2f0"), Hex("#b0c0d6"));
  // Far hills and the town on the left hill.
  Ridge(cr, 330, 70, 300, 101, Hex("#8eb4c4"), 0, 0.15);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 640, 300, 150, 50); }, Hex("#8eb4c4"));
  for (int i = 0; i < 7; ++i) {
    double x = 570 + i * 22, base = 262 - 10 * std::sin(i * 0.45);
    Rgb wall = Hex("#a8c0cc"), roof = Hex("#7a98b0");
    Fill(
        cr, [&](cairo_t* c2) { cairo_rectangle(c2, x, base - 16 - (i % 3) * 5, 16, 30); }, wall);
    Fill(
        cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 3, base - 16 - (i % 3) * 5},
                       {x + 8, base - 28 - (i % 3) * 5},
                       {x + 19, base - 16 - (i % 3) * 5}});
        },
        roof);
  }
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 625, 200, 16, 60); }, Hex("#a0bac8"));
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{620, 202}, {633, 176}, {646, 202}});
      },
      Hex("#7090aa"));
  Line(cr, 633, 176, 633, 164, Hex("#7090aa"), 1.5);
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{633, 164}, {646, 168}, {633, 172}});
      },
      Hex("#c86a5a"));
  Ridge(cr, 360, 50, 200, 102, Hex("#78a49a"), 0, 0.12);
  // A misty pine edge, then the haze of distance.
  PineRow(cr, 392, 50, 110, 26, Hex("#5a8c7a"), 103);
  Haze(cr, 250, 400, Hex("#e4f0e0"), 0.55);
  PineRow(cr, 410, 60, 140, 34, Hex("#3e7458"), 104);
  Haze(cr, 330, 420, Hex("#d8ead0"), 0.35);
  // The clearing: a meadow in perspective with a winding dirt path.
  Ground(c, 380, 405, [](double wx, double wz, int x, int y) {
    double n = Fbm(x / 60.0 * std::sqrt(wz), y / 18.0, 110, 4);
    double path = std::abs(wx - 0.35 * std::sin((wz - 1.05) * 0.9));
    double pathW = 0.42 + 0.05 * Noise(wz * 3, 0.5, 111);
    Rgb grass = Mix(Hex("#4a8a3a"), Hex("#7cb65a"), n);
    grass = Mix(grass, Hex("#a8d47a"), std::max(0.0, Noise(x / 40.0, y / 12.0, 112) - 0.6) * 1.6);
    grass = Mix(grass, Hex("#cfe4c0"), std::clamp((wz - 3) / 6, 0.0, 0.45));  // distance
    if (path < pathW) {
      Rgb dirt = Mix(Hex("#a87a4a"), Hex("#c89a64"), n);
      double edge = std::clamp((pathW - path) / 0.08, 0.0, 1.0);
      return Mix(grass, Mix(dirt, Hex("#d8c8a8"), std::clamp((wz - 3) / 6, 0.0, 0.45)), edge);
    }
    // Tufts: short dark strokes close up.
    if (Hash01(x / 2, y, 113) > 0.93 && wz < 2.5) grass = Darker(grass, 0.35);
    return grass;
  });
  // Trees around the clearing: pines behind, oaks in front, the middle open.
  Pine(cr, 300, 420, 150, Hex("#2e6a44"), Hex("#5a3a22"));
  Pine(cr, 750, 418, 170, Hex("#2e6a44"), Hex("#5a3a22"));
  Pine(cr, 830, 425, 130, Hex("#357a4a"), Hex("#5a3a22"));
  Oak(cr, 200, 440, 250, Hex("#3f8a36"), Hex("#7a5030"), 120);
  Oak(cr, 880, 445, 270, Hex("#3a8034"), Hex("#7a5030"), 121);
  Pine(cr, 60, 470, 300, Hex("#2a5e3a"), Hex("#4a3020"), 2.5);
  Pine(cr, 990, 480, 320, Hex("#2a5e3a"), Hex("#4a3020"), 2.5);
  Rays(cr, 150, -20, 0.9, 620, Hex("#fff6c8"), 0.22, 130);
  // Flowers and stones in the meadow.
  Rng rng(140);
  for (int i = 0; i < 60; ++i) {
    double x = rng.Uniform(0, kW), y = rng.Uniform(440, 610);
    if (std::abs(x - 512) < 240 && y > 470) continue;
    double s = 1.5 + (y - 430) / 60;
    Rgb col = i % 3 == 0 ? Hex("#c8423a") : i % 3 == 1 ? Hex("#e8c84a") : Hex("#e8e0f0");
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, y, s, s * 0.8); }, col);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, y, s * 0.4, s * 0.4); }, Hex("#f0d060"));
  }
  Boulder(cr, 120, 560, 90, 50, Hex("#8a8f80"), 150);
  Boulder(cr, 930, 600, 110, 60, Hex("#7e8474"), 151);
  // Ferns framing the bottom corners.
  for (int i = 0; i < 6; ++i) {
    double x = i < 3 ? 20 + i * 70 : 860 + (i - 3) * 70, y = 612;
    for (int k = -3; k <= 3; ++k) {
      double a = -M_PI / 2 + k * 0.35;
      Stroke(
          cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, x, y);
            cairo_curve_to(c2, x + std::cos(a) * 40, y + std::sin(a) * 50, x + std::cos(a) * 70,
                           y + std::sin(a) * 70, x + std::cos(a + 0.3) * 90, y + std::sin(a + 0.3) * 70);
          },
          k % 2 ? Hex("#2f6a2a") : Hex("#3f7e32"), 9);
    }
  }
  Stage(cr, Hex("#fff0c0"), 0.25, 0.3);
  Vignette(cr, 0.45);
}

// The cavern, drawn at half light by the game: painted a step brighter, with
// a lit waterfall and a crystal glow behind the monster.
void Cavern(Canvas& c) {
  cairo_t* cr = c.cr();
  Sky(cr, 0, kH, {{0, Hex("#2a3448")}, {0.5, Hex("#3c4c64")}, {1, Hex("#2a3446")}});
  // The far chamber: a pale glow in the middle, far rock walls.
  Glow(cr, 512, 330, 420, Hex("#7aa0c8"), 0.55);
  Ridge(cr, 380, 120, 170, 201, Hex("#4a5a72"));
  // The underground waterfall and its pool (a landmark on the left).
  Fill(
      cr, [](cairo_t* c2) { RoundRect(c2, 300, 60, 44, 330, 16); }, Hex("#8ab8d8"), 0.85);
  for (int i = 0; i < 6; ++i)
    Line(cr, 306 + i * 6, 70 + (i % 3) * 20, 306 + i * 6, 380, Hex("#d8f0fa"), 1.6, 0.7);
  AddGlow(cr, 322, 390, 110, 30, Hex("#7ac8e8"), 0.45);
  // Hanging stalactites far off.
  Rng rng(210);
  for (int i = 0; i < 18; ++i) {
    double x = rng.Uniform(0, kW), len = rng.Uniform(60, 170), w = rng.Uniform(14, 30);
    Fill(
        cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - w, -2}, {x + w, -2}, {x + 1, len}});
        },
        Hex("#3e4c62"));
  }
  Ridge(cr, 410, 50, 110, 202, Hex("#3a475c"));
  Haze(cr, 250, 430, Hex("#8aa8c8"), 0.3);
  // The floor: wet rock with puddles shining in the crystal light.
  Ground(c, 395, 420, [](double wx, double wz, int x, int y) {
    double n = Fbm(wx * 6, wz * 2.5, 220, 4);
    double slab = Noise(wx * 2.5, wz * 1.2, 221);
    Rgb rock = Mix(Hex("#3e4a5e"), Hex("#66768c"), n);
    if (slab > 0.62) rock = Mix(rock, Hex("#7a8aa0"), 0.35);
    double puddle = Noise(wx * 1.6 + 7, wz * 0.9, 222);
    if (puddle > 0.78 && wz < 4)
      return Mix(Hex("#5a8ab0"), Hex("#a8d8f0"),
                 std::clamp((puddle - 0.78) * 8, 0.0, 1.0) * (0.4 + 0.6 * Hash01(x / 6, y, 223)));
    rock = Mix(rock, Hex("#8aa0b8"), std::clamp((wz - 2.5) / 8, 0.0, 0.4));
    (void)x;
    (void)y;
    return rock;
  });
  // Great columns where a stalactite met a stalagmite, crystals at their feet.
  for (double x : {170.0, 860.0}) {
    Rgb stone = Hex("#56667e");
    Cel(cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, x - 80, -5);
          cairo_curve_to(c2, x - 20, 150, x - 30, 250, x - 60, 480);
          cairo_line_to(c2, x + 70, 480);
          cairo_curve_to(c2, x + 30, 260, x + 25, 150, x + 80, -5);
          cairo_close_path(c2);
        },
        stone, {.outline = 3, .shade = 0.4, .light = 0.3, .offset = 14});
    for (int k = 0; k < 5; ++k)
      Line(cr, x - 30 + k * 14, 20 + k * 30, x - 24 + k * 12, 440, Darker(stone, 0.3), 2, 0.5);
  }
  const struct {
    double x, y, s;
  } clusters[] = {{250, 500, 1.3}, {790, 490, 1.0}, {90, 600, 1.6}, {960, 610, 1.5}};
  for (const auto& k : clusters) {
    AddGlow(cr, k.x, k.y - 30 * k.s, 130 * k.s, 90 * k.s, Hex("#4ad0e0"), 0.5);
    Crystal(cr, k.x - 22 * k.s, k.y, 60 * k.s, 20 * k.s, -0.4, Hex("#4ad0e0"));
    Crystal(cr, k.x + 20 * k.s, k.y, 50 * k.s, 18 * k.s, 0.45, Hex("#3ab8d8"));
    Crystal(cr, k.x, k.y + 4, 90 * k.s, 26 * k.s, 0.05, Hex("#7aeaf8"));
  }
  // Stalagmites in the middle distance and the bones of an earlier visitor.
  for (double x : {380.0, 420.0, 650.0}) {
    double h = x == 420 ? 60 : 90;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 22, 450}, {x - 4, 450 - h}, {x + 3, 452 - h}, {x + 24, 450}});
        },
        Hex("#5e6e86"), {.outline = 2});
  }
  Bone(cr, 690, 560, 740, 548, 7, Hex("#c8c0a8"));
  Skull(cr, 720, 535, 11, Hex("#c8c0a8"));
  // Dark stalactites framing the top.
  for (int i = 0; i < 9; ++i) {
    double x = i < 4 ? i * 90 - 20 : 640 + (i - 4) * 95, len = 90 + (i * 37) % 110, w = 36 + (i % 3) * 10;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - w, -5}, {x + w, -5}, {x + 8, len * 0.6}, {x + 2, len}});
        },
        Hex("#323c50"), {.outline = 2.5});
  }
  Stage(cr, Hex("#a8d8f0"), 0.22, 0.5);
  Vignette(cr, 0.5);
}

// The desert under the goper mountains: crags far off, a rock arch on a
// mesa, soft dunes, a half-buried colonnade and a saguaro.
void Desert(Canvas& c) {
  cairo_t* cr = c.cr();
  Sky(cr, 0, 400, {{0, Hex("#5a8ac8")}, {0.55, Hex("#a8c4d8")}, {0.85, Hex("#f0d8a8")}, {1, Hex("#f4c890")}});
  Glow(cr, 180, 90, 300, Hex("#fff0c0"), 0.8);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 180, 90, 42, 42); }, Hex("#fff4d8"));
  Cloud(cr, 620, 70, 170, 31, Hex("#fbf6ee"), Hex("#d8d4dc"));
  // The goper mountains: crags with lit faces.
  Ridge(cr, 330, 150, 180, 301, Hex("#a88a9c"), 0.8, 0.25);
  Haze(cr, 150, 340, Hex("#f0dcc0"), 0.35);
  // A mesa with a natural arch on the right.
  Rgb mesa = Hex("#c07850");
  Cel(cr,
      [](cairo_t* c2) {
        cairo_move_to(c2, 640, 380);
        cairo_line_to(c2, 660, 250);
        cairo_line_to(c2, 700, 236);
        cairo_line_to(c2, 880, 232);
        cairo_line_to(c2, 915, 250);
        cairo_line_to(c2, 940, 380);
        cairo_close_path(c2);
        // The hole of the arch (even-odd fill).
        cairo_move_to(c2, 725, 380);
        cairo_curve_to(c2, 728, 262, 826, 262, 830, 380);
        cairo_close_path(c2);
      },
      mesa, {.outline = 2.5, .shade = 0.35, .light = 0.25, .offset = 10});
  for (int k = 0; k < 4; ++k)
    Line(cr, 662 - k * 2, 262 + k * 26, 912 + k * 4, 262 + k * 26, Darker(mesa, 0.25), 2, 0.6);
  // Dunes: soft ridges, lit on the left slope, shaded on the lee side.
  auto dune = [&](double cx, double top, double w, double base, Rgb sand) {
    Fill(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, cx - w, base);
          cairo_curve_to(c2, cx - w * 0.5, base, cx - w * 0.25, top, cx, top);
          cairo_curve_to(c2, cx + w * 0.3, top, cx + w * 0.55, base, cx + w, base);
          cairo_close_path(c2);
        },
        sand);
    Fill(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, cx, top);
          cairo_curve_to(c2, cx + w * 0.3, top, cx + w * 0.55, base, cx + w, base);
          cairo_line_to(c2, cx + w * 0.1, base);
          cairo_curve_to(c2, cx + w * 0.05, base - (base - top) * 0.4, cx + w * 0.02, top + 8, cx, top);
          cairo_close_path(c2);
        },
        Darker(sand, 0.3));
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, cx - w * 0.35, top + (base - top) * 0.45);
          cairo_curve_to(c2, cx - w * 0.2, top + 6, cx - w * 0.05, top, cx, top);
        },
        Lighter(sand, 0.35), 2, 0.8);
  };
  dune(130, 330, 300, 410, Hex("#e0b878"));
  dune(470, 350, 260, 410, Hex("#dcb070"));
  dune(980, 340, 240, 410, Hex("#d8aa6a"));
  Haze(cr, 330, 412, Hex("#f8e0b8"), 0.3);
  Ground(c, 385, 405, [](double wx, double wz, int x, int y) {
    double n = Fbm(wx * 3, wz * 1.5, 320, 4);
    double ripple = std::sin(wz * 9 + wx * 2 + n * 4);
    Rgb sand = Mix(Hex("#c89a58"), Hex("#e4bc7c"), n);
    if (ripple > 0.75 && wz < 5)
      sand = Mix(sand, Hex("#f0d49c"), 0.5);
    else if (ripple < -0.8 && wz < 5)
      sand = Mix(sand, Hex("#a87a40"), 0.4);
    sand = Mix(sand, Hex("#f0d8b0"), std::clamp((wz - 3) / 8, 0.0, 0.4));
    if (Hash01(x, y, 321) > 0.985) sand = Darker(sand, 0.25);
    return sand;
  });
  // The ruined colonnade on the left, half-buried in sand.
  Rgb stone = Hex("#d8b488");
  const double cols[4][2] = {{250, 250}, {320, 290}, {390, 330}, {175, 360}};
  for (const auto& k : cols) {
    double x = k[0], top = k[1], base = 470 + (x - 200) * 0.05;
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - 20, top, 40, base - top); }, stone,
        {.outline = 2.5, .shade = 0.4, .offset = 8});
    for (int f = -1; f <= 1; ++f)
      Line(cr, x + f * 10, top + 16, x + f * 10, base - 4, Darker(stone, 0.3), 2, 0.7);
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - 28, top - 12, 56, 14); }, stone,
        {.outline = 2.5, .offset = 4});
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, base, 36, 8); }, Hex("#dcb478"));
  }
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{215, 242}, {340, 232}, {345, 250}, {218, 262}});
      },
      stone, {.outline = 2.5, .offset = 6});
  // A fallen drum in the sand.
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 290, 500, 100, 40, 8); }, stone, {.outline = 2.5, .offset = 7});
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 388, 520, 10, 20); }, Lighter(stone, 0.2), {.outline = 2});
  Skull(cr, 180, 570, 14, Hex("#ece2c8"));
  // The saguaro on the right and a dry bush.
  cairo_save(cr);
  cairo_translate(cr, 55, 10);
  Rgb cactus = Hex("#5a8a3a");
  CelStyle cst{.outline = 3, .shade = 0.38, .light = 0.3, .offset = 9};
  Cel(
      cr, [](cairo_t* c2) { RoundRect(c2, 838, 250, 50, 340, 25); }, cactus, cst);
  Cel(
      cr,
      [](cairo_t* c2) {
        RoundRect(c2, 790, 330, 32, 120, 16);
        RoundRect(c2, 790, 420, 64, 30, 15);
      },
      cactus, cst);
  Cel(
      cr,
      [](cairo_t* c2) {
        RoundRect(c2, 910, 290, 30, 110, 15);
        RoundRect(c2, 875, 372, 64, 28, 14);
      },
      cactus, cst);
  for (int k = 0; k < 3; ++k) Line(cr, 852 + k * 11, 262, 852 + k * 11, 585, Darker(cactus, 0.35), 2, 0.7);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 863, 252, 10, 7); }, Hex("#e85a8a"));
  cairo_restore(cr);
  for (int i = 0; i < 12; ++i) {
    double a = -M_PI + 0.2 + i * 0.24;
    Line(cr, 70, 600, 70 + std::cos(a) * 70, 600 + std::sin(a) * 60, Hex("#7a5a3a"), 3);
  }
  Rays(cr, 180, 90, 1.1, 500, Hex("#fff0c8"), 0.12, 330);
  Stage(cr, Hex("#fff0d0"), 0.2, 0.4);
  Vignette(cr, 0.4);
}

}  // namespace

void AddBattlegroundPictures(PictureList& l) {
  void (*draw[5])(Canvas&) = {Forest, Cavern, Desert, DrawGardenBattleground, DrawHideoutBattleground};
  for (int i = 1; i <= 5; ++i)
    l.push_back({"comback_" + std::to_string(i) + ".png", kW, kH, "combat", kPlain, draw[i - 1]});
}

}  // namespace vv::gen
