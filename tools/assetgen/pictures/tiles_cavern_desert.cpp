// Area 2, the dark cavern, and area 3, the desert under the goper mountains.

#include <cmath>
#include <vector>

#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {
namespace {
using namespace pal;

// The cavern is drawn at half light, so its floor is painted from the light
// end of the area's stone colours.
void CaveFloor(Canvas& c) {
  const Rgb base = Hex("#4e5a70"), light = Hex("#627088");
  Texture(c, [&](int x, int y) {
    double n = Fbm(x / 8.0, y / 8.0, 2001, 3, 4);
    double cell = Noise(x / 16.0, y / 16.0, 2002, 2);
    Rgb col = Mix(base, light, n * 0.8);
    col = Mix(col, kCaveStone, cell * 0.3);
    return Mix(col, kCaveStone, Hash01(x, y, 2004) * 0.18);
  });
  cairo_t* cr = c.cr();
  // A hairline crack and a scatter of grit.
  Wrapped(cr, 32, [](cairo_t* c2) {
    cairo_new_path(c2);
    cairo_move_to(c2, 3, 21);
    cairo_line_to(c2, 9, 18);
    cairo_line_to(c2, 13, 22);
    cairo_line_to(c2, 19, 21);
    SetColour(c2, kCaveStone, 0.4);
    cairo_set_line_width(c2, 0.9);
    cairo_stroke(c2);
  });
  Rng rng(2003);
  for (int i = 0; i < 7; ++i) {
    double x = rng.Uniform(2, 30), y = rng.Uniform(2, 30), r = rng.Uniform(0.8, 1.6);
    bool pebble = i < 2;
    Wrapped(cr, 32, [&](cairo_t* c2) {
      if (pebble) {
        Fill(
            c2, [&](cairo_t* c3) { Ellipse(c3, x + 0.5, y + 0.6, r + 0.6, r * 0.7 + 0.4); }, kCaveDeep, 0.7);
        Fill(
            c2, [&](cairo_t* c3) { Ellipse(c3, x, y, r + 0.4, r * 0.7 + 0.2); }, kCaveHigh);
        Fill(
            c2, [&](cairo_t* c3) { Ellipse(c3, x - 0.4, y - 0.4, r * 0.5, r * 0.35); }, kCaveHigher);
      } else {
        Fill(
            c2, [&](cairo_t* c3) { Ellipse(c3, x, y, r * 0.8, r * 0.6); }, kCaveDeep, 0.6);
      }
    });
  }
}

void Puddle(Canvas& c) {
  cairo_t* cr = c.cr();
  Fill(
      cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{4, 16}, {9, 8}, {20, 7}, {28, 12}, {27, 23}, {16, 26}, {6, 23}}, 0.8);
      },
      kCaveDeep);
  Fill(
      cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{6, 16}, {10, 10}, {20, 9}, {26, 13}, {25, 21}, {16, 24}, {8, 21}}, 0.8);
      },
      Hex("#2a4a6a"));
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 15, 16, 5, 2.5); }, Hex("#6a9ac0"), 1, 0.9);
  Line(cr, 10, 12, 16, 11, Hex("#9ac0e0"), 1.2);
}

void ScatteredBones(Canvas& c, Rgb bone, Rgb ground) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 22, 11, 2.5, ground);
  Bone(cr, 6, 22, 20, 15, 3, bone);
  Bone(cr, 14, 24, 27, 25, 2.6, bone);
  Bone(cr, 9, 8, 13, 16, 2.2, bone);
}

void Shards(Canvas& c) {
  cairo_t* cr = c.cr();
  Glow(cr, 16, 20, 14, kCrystal, 0.0);
  Crystal(cr, 10, 24, 10, 4, -0.3, kCrystal);
  Crystal(cr, 17, 26, 13, 5, 0.05, Hex("#5ae0f0"));
  Crystal(cr, 23, 23, 8, 3.5, 0.4, kCrystal);
  Crystal(cr, 14, 14, 6, 3, -0.6, Hex("#8ae8f0"));
}

void Cobweb(Canvas& c) {
  cairo_t* cr = c.cr();
  Rgb silk = Hex("#c8d0dc");
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 + 0.2;
    Line(cr, 16, 16, 16 + std::cos(a) * 15, 16 + std::sin(a) * 15, silk, 0.9, 0.95);
  }
  for (int r = 4; r <= 13; r += 4.5) {
    cairo_new_path(cr);
    for (int i = 0; i <= 8; ++i) {
      double a = i * M_PI / 4 + 0.2, rr = r * (i % 2 ? 0.85 : 1.0);
      if (i == 0)
        cairo_move_to(cr, 16 + std::cos(a) * rr, 16 + std::sin(a) * rr);
      else
        cairo_line_to(cr, 16 + std::cos(a) * rr, 16 + std::sin(a) * rr);
    }
    SetColour(cr, silk, 0.9);
    cairo_set_line_width(cr, 0.9);
    cairo_stroke(cr);
  }
}

// A mass of boulders lit from the top left, dark crevices between them:
// lighter and lumpier than the floor, so the walls read even at half light.
void CaveWall(Canvas& c) {
  Texture(c, [](int x, int y) { return Mix(Hex("#141a24"), kCaveDeep, Fbm(x / 8.0, y / 8.0, 2100, 2, 4)); });
  cairo_t* cr = c.cr();
  struct Lump {
    double x, y, rx, ry;
    std::uint32_t seed;
  };
  const Lump lumps[] = {{8, 8, 10, 9, 2101}, {24, 6, 9, 8, 2102},  {18, 18, 10, 8, 2103},
                        {5, 25, 9, 8, 2104}, {28, 24, 8, 9, 2105}, {15, 30, 7, 5, 2106}};
  for (const Lump& l : lumps)
    Wrapped(cr, 32, [&](cairo_t* c2) {
      Rng rng(l.seed);
      std::vector<Pt> pts;
      for (int i = 0; i < 7; ++i) {
        double a = i * 2 * M_PI / 7 + rng.Uniform(-0.2, 0.2), k = rng.Uniform(0.85, 1.1);
        pts.push_back({l.x + std::cos(a) * l.rx * k, l.y + std::sin(a) * l.ry * k});
      }
      Cel(c2, [&](cairo_t* c3) { Polygon(c3, pts); }, Hex("#5e6a82"),
          {.outline = 1.0, .shade = 0.45, .light = 0.45, .offset = 2.5, .outlineDark = 0.75});
      // A flat lit facet on top.
      auto Lerp = [](Pt a, Pt b, double t) { return Pt{a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; };
      Fill(
          c2,
          [&](cairo_t* c3) {
            Polygon(c3,
                    {Lerp(pts[4], pts[5], 0.5), pts[5], Lerp(pts[5], pts[6], 0.6), {l.x, l.y - l.ry * 0.1}});
          },
          kCaveHigher, 0.55);
    });
}

void Stalagmite(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 28, 11, 2.8, kCaveStone);
  Cel(cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{6, 29}, {11, 18}, {15, 3}, {18, 3}, {21, 17}, {27, 29}}, 0.5);
      },
      Mix(kCaveHigh, kCaveHigher, 0.3), {.outline = 1.2, .light = 0.4});
  Cel(cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{19, 29}, {23, 20}, {25, 13}, {27, 20}, {30, 29}}, 0.5);
      },
      kCaveHigher, {.outline = 1.1});
  for (int i = 0; i < 3; ++i) Line(cr, 11 + i * 3, 24 - i * 7, 16 + i * 2, 24 - i * 7, kCaveDeep, 0.8, 0.7);
}

void CrystalCluster(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 28, 13, 3, kCaveStone);
  Rock(cr, 16, 26, 12, 5, kCaveStone, 2200);
  Crystal(cr, 9, 27, 15, 6, -0.35, kCrystal);
  Crystal(cr, 22, 27, 16, 6, 0.35, Hex("#3ab8d8"));
  Crystal(cr, 16, 28, 26, 8, 0.0, Hex("#5ae0f0"));
  Crystal(cr, 12, 28, 10, 4, -0.7, Hex("#8ae8f0"));
}

void Rubble(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 25, 14, 3.5, kCaveStone);
  Rock(cr, 10, 20, 8, 6, kCaveStoneLight, 2401);
  Rock(cr, 22, 22, 7, 5, kCaveHigh, 2402);
  Rock(cr, 16, 12, 6, 5, kCaveStoneLight, 2403);
  Rock(cr, 25, 12, 4, 3, kCaveHigh, 2404);
  Rock(cr, 6, 10, 3.5, 3, kCaveHigh, 2405);
}

// Desert.
void Sand(Canvas& c) {
  // Wind-combed sand: soft ripples lit on their windward side, coarser
  // grains in the troughs, a few tiny stones.
  Texture(c, [](int x, int y) {
    double n = Fbm(x / 8.0, y / 8.0, 3001, 3, 4);
    double phase = (y / 32.0 * 3 + x / 32.0) * 2 * M_PI + n * 2.5;
    double ripple = std::sin(phase), slope = std::cos(phase);
    Rgb col = Mix(kSandDark, kSand, n);
    if (ripple > 0.55) col = Mix(col, slope > 0 ? kSandLight : kSand, 0.45);
    if (ripple < -0.7) col = Mix(col, kSandShadow, 0.35);
    double grain = Hash01(x, y, 3002);
    if (ripple < -0.3 && grain > 0.9) col = Mix(col, kSandDeep, 0.35);
    if (grain < 0.04) col = Mix(col, kSandLight, 0.5);
    return Mix(col, kSandDark, grain * 0.12);
  });
  cairo_t* cr = c.cr();
  const Pt stones[3] = {{6, 26}, {23, 9}, {27, 28}};
  for (int i = 0; i < 3; ++i)
    Wrapped(cr, 32, [&](cairo_t* c2) {
      Fill(
          c2, [&](cairo_t* c3) { Ellipse(c3, stones[i].x + 0.4, stones[i].y + 0.5, 1.3, 0.9); }, kSandDeep,
          0.6);
      Fill(
          c2, [&](cairo_t* c3) { Ellipse(c3, stones[i].x, stones[i].y, 1.1, 0.8); }, Hex("#b89070"));
    });
}

void Ripples(Canvas& c) {
  // A patch of sharper wind ripples: each a lit crest over a soft shadow.
  cairo_t* cr = c.cr();
  for (int i = 0; i < 4; ++i) {
    double y = 7 + i * 6, x0 = 4 + (i % 2) * 2, x1 = 28 - (i % 2) * 3;
    auto crest = [&](cairo_t* c2) {
      cairo_move_to(c2, x0, y + 1.5);
      cairo_curve_to(c2, x0 + 7, y - 1.5, x1 - 10, y + 2, x1, y - 0.5);
    };
    cairo_save(cr);
    cairo_translate(cr, 0.4, 1.2);
    Stroke(cr, crest, kSandShadow, 2.2, 0.7);
    cairo_restore(cr);
    Stroke(cr, crest, kSandLight, 1.2, 0.9);
  }
}

void AnimalSkull(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 23, 12, 3, kSand);
  Rgb bone = Hex("#ece2c8");
  // Horns.
  Cel(cr,
      [](cairo_t* c2) {
        SmoothOpen(c2, {{12, 12}, {6, 9}, {3, 4}, {6, 7}, {12, 10}});
      },
      bone, {.outline = 1});
  Cel(cr,
      [](cairo_t* c2) {
        SmoothOpen(c2, {{20, 12}, {26, 9}, {29, 4}, {26, 7}, {20, 10}});
      },
      bone, {.outline = 1});
  Cel(cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{10, 10}, {22, 10}, {21, 18}, {18, 25}, {14, 25}, {11, 18}}, 0.8);
      },
      bone, {.outline = 1.2});
  Fill(
      cr,
      [](cairo_t* c2) {
        Ellipse(c2, 13.5, 15, 1.8, 2.2);
        Ellipse(c2, 18.5, 15, 1.8, 2.2);
        Ellipse(c2, 15, 22.5, 0.8, 1);
        Ellipse(c2, 17, 22.5, 0.8, 1);
      },
      Hex("#3a2a20"));
}

void GrassTuft(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 26, 9, 2, kSand);
  const Rgb cols[3] = {Hex("#b8a050"), Hex("#9a8a40"), Hex("#d8c070")};
  for (int i = 0; i < 11; ++i) {
    double a = -M_PI / 2 + (i - 5) * 0.2;
    double len = 11 + (i % 3) * 4;
    cairo_new_path(cr);
    cairo_move_to(cr, 16 + (i - 5) * 0.8, 26);
    cairo_curve_to(cr, 16 + std::cos(a) * len * 0.5, 26 + std::sin(a) * len * 0.5, 16 + std::cos(a) * len,
                   26 + std::sin(a) * len * 0.8, 16 + std::cos(a) * len * 1.2, 26 + std::sin(a) * len);
    SetColour(cr, cols[i % 3]);
    cairo_set_line_width(cr, 1.3);
    cairo_stroke(cr);
  }
}

void Pebbles(Canvas& c) {
  cairo_t* cr = c.cr();
  Rng rng(3300);
  for (int i = 0; i < 9; ++i) {
    double x = rng.Uniform(5, 27), y = rng.Uniform(6, 27), r = rng.Uniform(1.6, 3.2);
    Rgb col = Mix(kSandRock, Hex("#b8a090"), rng.Uniform(0, 1));
    Cel(cr, [&](cairo_t* c2) { Ellipse(c2, x, y, r * 1.2, r); }, col, {.outline = 0.8, .offset = 0.8});
  }
}

void Cactus(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 29, 10, 2.5, kSand);
  CelStyle st{.outline = 1.2, .shade = 0.35};
  Cel(
      cr, [](cairo_t* c2) { RoundRect(c2, 12, 3, 8, 27, 4); }, kCactus, st);
  Cel(
      cr,
      [](cairo_t* c2) {
        RoundRect(c2, 4, 9, 5, 11, 2.5);
        RoundRect(c2, 4, 16, 10, 4.5, 2.2);
      },
      kCactus, st);
  Cel(
      cr,
      [](cairo_t* c2) {
        RoundRect(c2, 23, 6, 5, 11, 2.5);
        RoundRect(c2, 18, 13, 10, 4.5, 2.2);
      },
      kCactus, st);
  for (int i = 0; i < 5; ++i) Line(cr, 14.5, 7 + i * 5, 14.5, 9 + i * 5, Hex("#3a6a2a"), 0.8);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 3.5, 2.2, 1.8); }, Hex("#e85a8a"));
}

void Boulder(Canvas& c) {
  // A wind-carved sandstone boulder: banded strata, an undercut foot.
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 27, 15, 3.5, kSand);
  Rock(cr, 16, 17, 14, 11, kSandRock, 3400);
  cairo_save(cr);
  cairo_new_path(cr);
  Ellipse(cr, 16, 17, 12.5, 9.5);
  cairo_clip(cr);
  for (int k = 0; k < 4; ++k) {
    double y = 10 + k * 4.2;
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, 2, y + 1);
          cairo_curve_to(c2, 10, y - 1.5, 20, y + 1.5, 30, y - 0.5);
        },
        k % 2 ? Hex("#c89070") : Hex("#7a5238"), 1.1, 0.8);
  }
  cairo_restore(cr);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 11, 10, 4, 2); }, Hex("#d8a880"), 0.7);
}

void DuneCrest(Canvas& c) {
  // A steep dune seen from above: a curved knife-edge crest, the windward
  // slope lit and rippled, the lee slope in soft shadow, sand spilling off.
  cairo_t* cr = c.cr();
  auto body = [](cairo_t* c2) {
    cairo_move_to(c2, 0, 31);
    cairo_curve_to(c2, 1, 20, 6, 8, 14, 4);
    cairo_curve_to(c2, 20, 1.5, 26, 6, 29, 14);
    cairo_curve_to(c2, 31, 20, 32, 26, 32, 31);
    cairo_close_path(c2);
  };
  Fill(cr, body, kSandDark);
  cairo_save(cr);
  cairo_new_path(cr);
  body(cr);
  cairo_clip(cr);
  // Lit windward slope (west of the crest line) with a soft gradient.
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, 18, 24);
  cairo_pattern_add_color_stop_rgb(g, 0, kSandLight.r / 255, kSandLight.g / 255, kSandLight.b / 255);
  cairo_pattern_add_color_stop_rgb(g, 1, kSand.r / 255, kSand.g / 255, kSand.b / 255);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 32);
  cairo_line_to(cr, 0, 0);
  cairo_line_to(cr, 14, 4);
  cairo_curve_to(cr, 17, 12, 18, 22, 17, 32);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Lee slope shadow deepening under the crest.
  g = cairo_pattern_create_linear(17, 0, 32, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, kSandDeep.r / 255, kSandDeep.g / 255, kSandDeep.b / 255);
  cairo_pattern_add_color_stop_rgb(g, 1, kSandShadow.r / 255, kSandShadow.g / 255, kSandShadow.b / 255);
  cairo_new_path(cr);
  cairo_move_to(cr, 14, 4);
  cairo_curve_to(cr, 17, 12, 18, 22, 17, 32);
  cairo_line_to(cr, 32, 32);
  cairo_line_to(cr, 32, 0);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Wind ripples on the lit slope.
  for (int i = 0; i < 4; ++i) {
    double y = 12 + i * 5;
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, 1, y + 3);
          cairo_curve_to(c2, 5, y - 1, 10, y + 2, 15, y - 1);
        },
        kSandShadow, 1, 0.7);
  }
  cairo_restore(cr);
  // The crest line and the outline.
  Stroke(
      cr,
      [](cairo_t* c2) {
        cairo_move_to(c2, 14, 4);
        cairo_curve_to(c2, 17, 12, 18, 22, 17, 31);
      },
      Lighter(kSandLight, 0.3), 1.2);
  Stroke(cr, body, kSandDeep, 1.2);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 24, 28, 2.2, 1.2); }, Darker(kSandRock, 0.2));
}

void ThornBush(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 27, 12, 3, kSand);
  Rgb twig = Hex("#6a4a2e");
  Rng rng(3500);
  for (int i = 0; i < 9; ++i) {
    double a = -M_PI + 0.15 + i * (M_PI - 0.3) / 8;
    double len = rng.Uniform(9, 14);
    double ex = 16 + std::cos(a) * len, ey = 26 + std::sin(a) * len;
    Line(cr, 16, 26, ex, ey, twig, 1.6);
    Line(cr, (16 + ex) / 2, (26 + ey) / 2, (16 + ex) / 2 + std::cos(a + 0.7) * 4,
         (26 + ey) / 2 + std::sin(a + 0.7) * 4, twig, 1.0);
    Line(cr, ex, ey, ex + std::cos(a - 0.5) * 3, ey + std::sin(a - 0.5) * 3, Hex("#a88a5a"), 0.8);
  }
}

void Pillar(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 29, 12, 2.5, kSand);
  Rgb stone = Hex("#c8a070");
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 5, 25, 22, 5); }, stone, {.outline = 1.1, .offset = 1.2});
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{9, 25}, {9, 8}, {13, 6}, {16, 9}, {19, 4}, {23, 7}, {23, 25}});
      },
      stone, {.outline = 1.2});
  for (int x : {12, 16, 20}) Line(cr, x, 10, x, 24, Darker(stone, 0.35), 0.9, 0.8);
  Rock(cr, 27, 26, 3, 2, stone, 3600);
}

// Ruin walls of red sandstone, raised like the hideout's: a sunlit top, a
// shaded front and a shadow on the sand, darker and redder than the dunes.
void SandWall(Canvas& c) {
  RaisedBlock(c, Hex("#b8805a"), Hex("#6a4030"), Hex("#f0c898"), 3700);
}

}  // namespace

void AddCavernTiles(PictureList& l) {
  const char* f = "tiles_cavern";
  l.push_back({"ground_2.png", 32, 32, f, kSeamless, CaveFloor});
  l.push_back({"tile1_5.png", 32, 32, f, kPlain, Puddle});
  l.push_back(
      {"tile1_6.png", 32, 32, f, kPlain, [](Canvas& c) { ScatteredBones(c, Hex("#c8c0a8"), kCaveStone); }});
  l.push_back({"tile1_7.png", 32, 32, f, kPlain, Shards});
  l.push_back({"tile1_8.png", 32, 32, f, kPlain, Cobweb});
  l.push_back({"tile2_10.png", 32, 32, f, kSeamless, CaveWall});
  l.push_back({"tile2_11.png", 32, 32, f, kPlain, Stalagmite});
  l.push_back({"tile2_12.png", 32, 32, f, kPlain, CrystalCluster});
  l.push_back({"tile2_13.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Shadow(c.cr(), 17, 26, 14, 3.5, kCaveStone);
                 Rock(c.cr(), 16, 17, 14, 11, Mix(kCaveHigh, kCaveHigher, 0.25), 2500);
               }});
  l.push_back({"tile2_14.png", 32, 32, f, kSeamless,
               [](Canvas& c) { ChasmCell(c, kCaveHigh, kCaveStoneLight, Hex("#141a26"), 2300); }});
  l.push_back({"tile2_15.png", 32, 32, f, kPlain, Rubble});
}

void AddDesertTiles(PictureList& l) {
  const char* f = "tiles_desert";
  l.push_back({"ground_3.png", 32, 32, f, kSeamless, Sand});
  l.push_back({"tile1_9.png", 32, 32, f, kPlain, Ripples});
  l.push_back({"tile1_10.png", 32, 32, f, kPlain, AnimalSkull});
  l.push_back({"tile1_13.png", 32, 32, f, kPlain, GrassTuft});
  l.push_back({"tile1_14.png", 32, 32, f, kPlain, Pebbles});
  l.push_back({"tile2_16.png", 32, 32, f, kPlain, Cactus});
  l.push_back({"tile2_17.png", 32, 32, f, kPlain, Boulder});
  l.push_back({"tile2_18.png", 32, 32, f, kPlain, DuneCrest});
  l.push_back({"tile2_19.png", 32, 32, f, kPlain, ThornBush});
  l.push_back({"tile2_20.png", 32, 32, f, kPlain, Pillar});
  l.push_back({"tile2_21.png", 32, 32, f, kPlain, SandWall});
  l.push_back({"tile2_22.png", 32, 32, f, kSeamless,
               [](Canvas& c) { ChasmCell(c, kSandDark, kSandRock, Hex("#3a2418"), 2310); }});
}

}  // namespace vv::gen
