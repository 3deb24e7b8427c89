// Area 1, the forest beyond Duduvi: grass, flowers, oaks, pines and a stream.

#include <cmath>

#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {
namespace {
using namespace pal;

void Grass(Canvas& c) {
  Texture(c, [](int x, int y) {
    double n = Fbm(x / 8.0, y / 8.0, 1001, 3, 4);
    double f = Noise(x / 2.0, y / 2.0, 1002, 16);
    Rgb col = Mix(kGrass, Mix(kGrass, kGrassLight, 0.5), n);
    return Mix(col, kGrassDark, f * 0.25);
  });
  cairo_t* cr = c.cr();
  Rng rng(1003);
  for (int i = 0; i < 26; ++i) {
    double x = rng.Uniform(0, 32), y = rng.Uniform(0, 32), lean = rng.Uniform(-1.5, 1.5);
    Rgb col = (i % 3 == 0) ? kGrassLight : kGrassDark;
    Wrapped(cr, 32, [&](cairo_t* c2) { Line(c2, x, y, x + lean, y - 3.5, col, 1.0, 0.8); });
  }
}

void Flowers(Canvas& c) {
  cairo_t* cr = c.cr();
  Rng rng(1100);
  const Pt spots[5] = {{8, 9}, {22, 7}, {15, 17}, {6, 25}, {25, 24}};
  for (int i = 0; i < 5; ++i) {
    double x = spots[i].x + rng.Uniform(-1.5, 1.5), y = spots[i].y + rng.Uniform(-1.5, 1.5);
    Line(cr, x, y, x - 1, y + 5, kGrassDark, 1.4);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x - 2.5, y + 4, 2, 1); }, kGrassLight);
    Rgb petal = i % 3 == 0 ? kFlowerRed : i % 3 == 1 ? kFlowerYellow : Hex("#e8e0f0");
    for (int k = 0; k < 5; ++k) {
      double a = k * 2 * M_PI / 5;
      Cel(cr, [&](cairo_t* c2) { Ellipse(c2, x + std::cos(a) * 2.2, y + std::sin(a) * 2.2, 1.8, 1.8); },
          petal, {.outline = 0.8, .offset = 0.6});
    }
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, y, 1.3, 1.3); }, i % 3 == 1 ? Hex("#c8602a") : kFlowerYellow);
  }
}

void Fern(cairo_t* cr, double x, double y, double len, double angle, Rgb col) {
  double ex = x + std::cos(angle) * len, ey = y + std::sin(angle) * len;
  Line(cr, x, y, ex, ey, Darker(col, 0.4), 1.4);
  for (int i = 1; i < 6; ++i) {
    double t = i / 6.0, px = x + (ex - x) * t, py = y + (ey - y) * t, l = (1 - t * 0.7) * len * 0.32;
    for (int s : {-1, 1}) {
      double a = angle + s * 1.1;
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_save(c2);
            cairo_translate(c2, px + std::cos(a) * l / 2, py + std::sin(a) * l / 2);
            cairo_rotate(c2, a);
            Ellipse(c2, 0, 0, l / 2, 1.3);
            cairo_restore(c2);
          },
          col, {.outline = 0.7, .offset = 0.5});
    }
  }
}

void Ferns(Canvas& c) {
  cairo_t* cr = c.cr();
  Fern(cr, 16, 26, 14, -M_PI / 2 - 0.1, Hex("#4c9a3c"));
  Fern(cr, 15, 27, 13, -M_PI / 2 - 0.9, Hex("#3f8a36"));
  Fern(cr, 17, 27, 13, -M_PI / 2 + 0.8, Hex("#58a844"));
  Fern(cr, 16, 28, 11, -0.2, Hex("#3a7a30"));
  Fern(cr, 15, 28, 11, M_PI + 0.25, Hex("#4c9a3c"));
}

void Mushroom(cairo_t* cr, double x, double y, double s) {
  Cel(cr, [&](cairo_t* c2) { RoundRect(c2, x - s * 0.35, y - s * 0.6, s * 0.7, s * 1.0, s * 0.2); },
      Hex("#e8dcc0"), {.outline = 0.8, .offset = 0.6});
  Cel(cr,
      [&](cairo_t* c2) {
        cairo_new_sub_path(c2);
        cairo_arc(c2, x, y - s * 0.5, s, M_PI, 2 * M_PI);
        cairo_close_path(c2);
      },
      Hex("#c8382a"), {.outline = 0.9, .offset = 0.8});
  Fill(
      cr,
      [&](cairo_t* c2) {
        Ellipse(c2, x - s * 0.4, y - s * 0.9, s * 0.18, s * 0.16);
        Ellipse(c2, x + s * 0.35, y - s * 0.8, s * 0.15, s * 0.13);
      },
      Hex("#f4ece0"));
}

void MushroomRing(Canvas& c) {
  cairo_t* cr = c.cr();
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 18, 10, 8); }, kGrassDark, 2.5, 1);
  for (int i = 0; i < 7; ++i) {
    double a = -M_PI / 2 + i * 2 * M_PI / 7;
    Mushroom(cr, 16 + std::cos(a) * 10, 19 + std::sin(a) * 8, i % 2 ? 3.0 : 3.6);
  }
}

void Leaves(Canvas& c) {
  cairo_t* cr = c.cr();
  Rng rng(1200);
  Line(cr, 4, 24, 26, 15, Hex("#6a4424"), 1.6);
  Line(cr, 14, 20, 17, 25, Hex("#6a4424"), 1.2);
  Line(cr, 9, 8, 20, 11, Hex("#7a5230"), 1.3);
  const Rgb cols[4] = {Hex("#d8842a"), Hex("#b8542a"), Hex("#e8b03a"), Hex("#9a6a2a")};
  for (int i = 0; i < 9; ++i) {
    double x = rng.Uniform(5, 27), y = rng.Uniform(5, 27), a = rng.Uniform(0, M_PI);
    Cel(cr,
        [&](cairo_t* c2) {
          cairo_save(c2);
          cairo_translate(c2, x, y);
          cairo_rotate(c2, a);
          Polygon(c2, {{-3.5, 0}, {0, -2}, {3.5, 0}, {0, 2}});
          cairo_restore(c2);
        },
        cols[i % 4], {.outline = 0.7, .offset = 0.6});
  }
}

void Oak(cairo_t* cr, double cx, double base, double s, std::uint32_t seed) {
  Shadow(cr, cx + s * 0.05, base - s * 0.03, s * 0.38, s * 0.1, kGrass);
  Trunk(cr, cx, base - s * 0.45, base, s * 0.22, kBark);
  Canopy(cr, cx, base - s * 0.58, s * 0.42, kLeaf, seed, 7);
}

void Pine(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16.5, 29, 9, 2.6, kGrass);
  Trunk(cr, 16, 24, 30, 4, kBarkDark);
  Rgb pine = Hex("#2f6a3a");
  for (int i = 0; i < 3; ++i) {
    double top = 1 + i * 7, bottom = 15 + i * 6, half = 7 + i * 2.5;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{16, top},
                       {16 + half, bottom},
                       {16 + half * 0.3, bottom - 1.5},
                       {16 - half * 0.3, bottom - 1.5},
                       {16 - half, bottom}});
        },
        Mix(pine, Hex("#3f7a44"), i * 0.3), {.outline = 1.1, .offset = 1.6});
  }
}

void Bush(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16.5, 27, 13, 3, kGrass);
  Canopy(cr, 16, 18, 12.5, Hex("#3a8032"), 1300, 6);
  Rng rng(1301);
  for (int i = 0; i < 5; ++i) {
    double x = rng.Uniform(8, 24), y = rng.Uniform(13, 24);
    Cel(cr, [&](cairo_t* c2) { Ellipse(c2, x, y, 1.5, 1.5); }, Hex("#b8283a"),
        {.outline = 0.6, .offset = 0.5});
  }
}

void Stump(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 26, 13, 3.5, kGrass);
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{6, 14}, {26, 14}, {27, 24}, {30, 27}, {21, 26}, {16, 28}, {11, 26}, {3, 27}, {5, 24}});
      },
      kBark, {.outline = 1.3});
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 16, 14, 10, 4.5); }, Hex("#d8b080"), {.outline = 1.2, .offset = 1});
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 14, 6.5, 2.8); }, Hex("#a87a48"), 0.9);
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 14, 3.2, 1.4); }, Hex("#a87a48"), 0.9);
}

void Log(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 24, 15, 3.5, kGrass);
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 2, 11, 26, 12, 4); }, kBark, {.outline = 1.3});
  for (int i = 0; i < 3; ++i) Line(cr, 5 + i * 7, 14 + i % 2, 10 + i * 7, 14 + i % 2, Darker(kBark, 0.4), 1);
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 27, 17, 3.8, 6); }, Hex("#d8b080"), {.outline = 1.2, .offset = 1});
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 27, 17, 1.8, 3); }, Hex("#a87a48"), 0.8);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 9, 11.5, 4, 1.6); }, Hex("#5a9a3a"));
}

void GreatTree(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 66, 118, 52, 9, kGrass);
  // Roots and a massive trunk.
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{46, 60},
                     {82, 60},
                     {84, 96},
                     {104, 118},
                     {88, 116},
                     {78, 110},
                     {70, 121},
                     {60, 112},
                     {46, 119},
                     {30, 117},
                     {44, 98}});
      },
      kBark, {.outline = 2.2});
  for (int i = 0; i < 4; ++i) Line(cr, 52 + i * 8, 64, 50 + i * 9, 108, Darker(kBark, 0.45), 1.6, 0.8);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 64, 86, 6, 8); }, Hex("#2a1a10"));
  // Crown of several clumps.
  Canopy(cr, 34, 50, 28, Hex("#2f7a32"), 1401, 7);
  Canopy(cr, 94, 48, 29, Hex("#2f7a32"), 1402, 7);
  Canopy(cr, 64, 32, 32, Hex("#3a8a3a"), 1403, 8);
  Canopy(cr, 48, 22, 20, Hex("#4a9a40"), 1404, 6);
  Canopy(cr, 84, 22, 19, Hex("#4a9a40"), 1405, 6);
}

void Stream(Canvas& c) {
  // Flows top to bottom; seamless along the flow and across.
  Texture(c, [](int x, int y) {
    double n = Fbm(x / 8.0, y / 4.0, 1500, 3, 4);
    double band = 0.5 + 0.5 * std::sin((x / 32.0) * 2 * M_PI * 2 + n * 3);
    Rgb col = Mix(Hex("#2e5a98"), kWater, n);
    return Mix(col, Hex("#5a8ac8"), band * 0.25);
  });
  cairo_t* cr = c.cr();
  Rng rng(1501);
  for (int i = 0; i < 6; ++i) {
    double x = rng.Uniform(0, 32), y = rng.Uniform(0, 32), l = rng.Uniform(4, 8);
    Wrapped(cr, 32, [&](cairo_t* c2) { Line(c2, x, y, x + 0.6, y + l, Hex("#a8c8f0"), 1.1, 0.6); });
  }
  // Little standing waves catching the light, a darker trough under each.
  for (int i = 0; i < 5; ++i) {
    double x = rng.Uniform(0, 32), y = rng.Uniform(0, 32), w = rng.Uniform(3, 5);
    Wrapped(cr, 32, [&](cairo_t* c2) {
      Stroke(
          c2, [&](cairo_t* c3) { cairo_arc(c3, x, y + 3.2, w * 1.6, M_PI * 1.3, M_PI * 1.7); },
          Hex("#1e4a80"), 1.1, 0.45);
      Stroke(
          c2, [&](cairo_t* c3) { cairo_arc(c3, x, y + 2, w * 1.6, M_PI * 1.3, M_PI * 1.7); }, Hex("#c8e0fa"),
          0.9, 0.6);
    });
  }
}

void MossyRock(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 26, 13, 3.5, kGrass);
  Rock(cr, 16, 18, 13, 10, Hex("#7a7a70"), 1600);
  Fill(
      cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{6, 14}, {11, 9}, {19, 8}, {25, 11}, {20, 13}, {13, 12}}, 0.8);
      },
      Hex("#5a9a3a"));
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 13, 10, 3, 1.2); }, Hex("#8ac860"));
}

}  // namespace

void AddForestTiles(PictureList& l) {
  const char* f = "tiles_forest";
  l.push_back({"ground_1.png", 32, 32, f, kSeamless, Grass});
  l.push_back({"tile1_1.png", 32, 32, f, kPlain, Flowers});
  l.push_back({"tile1_2.png", 32, 32, f, kPlain, Ferns});
  l.push_back({"tile1_3.png", 32, 32, f, kPlain, MushroomRing});
  l.push_back({"tile1_4.png", 32, 32, f, kPlain, Leaves});
  l.push_back({"tile2_1.png", 32, 32, f, kPlain, [](Canvas& c) { Oak(c.cr(), 16, 30, 32, 1700); }});
  l.push_back({"tile2_2.png", 32, 32, f, kPlain, Pine});
  l.push_back({"tile2_3.png", 32, 32, f, kPlain, Bush});
  l.push_back({"tile2_4.png", 32, 32, f, kPlain, Stump});
  l.push_back({"tile2_5.png", 32, 32, f, kPlain, Log});
  l.push_back({"tile2_6.png", 128, 128, f, kPlain, GreatTree});
  l.push_back({"tile2_7.png", 64, 64, f, kPlain, [](Canvas& c) {
                 cairo_t* cr = c.cr();
                 Shadow(cr, 33, 59, 26, 5, kGrass);
                 Trunk(cr, 32, 30, 61, 13, kBark);
                 Canopy(cr, 20, 28, 16, Hex("#2f7a32"), 1801, 6);
                 Canopy(cr, 44, 27, 16, Hex("#2f7a32"), 1802, 6);
                 Canopy(cr, 32, 19, 18, kLeaf, 1803, 7);
               }});
  l.push_back({"tile2_8.png", 32, 32, f, kSeamless, Stream});
  l.push_back({"tile2_9.png", 32, 32, f, kPlain, MossyRock});
}

}  // namespace vv::gen
