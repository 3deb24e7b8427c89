// Area 4, the giant vegetable garden, area 5, Vorgash's hideout, and the
// tiles every area shares: teleporter, chest and the worn stone path.

#include <cmath>
#include <vector>

#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {
namespace {
using namespace pal;

void Soil(Canvas& c) {
  Texture(c, [](int x, int y) {
    double n = Fbm(x / 8.0, y / 8.0, 4001, 3, 4);
    double furrow = 0.5 + 0.5 * std::sin((y + 2 * Noise(x / 8.0, 0, 4002, 4)) / 8.0 * 2 * M_PI);
    Rgb col = Mix(kSoilDark, kSoil, furrow * 0.8 + n * 0.2);
    if (furrow < 0.15) col = Mix(col, kSoilDeep, 0.6);
    return Mix(col, kSoilDeep, Hash01(x, y, 4003) * 0.2);
  });
}

void Seedlings(Canvas& c) {
  cairo_t* cr = c.cr();
  for (int i = 0; i < 4; ++i) {
    double x = 5 + i * 7.5, y = 18;
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, y + 2, 3, 1.2); }, kSoilDeep);
    Line(cr, x, y + 2, x, y - 3, Hex("#5a8a3a"), 1.2);
    Cel(cr, [&](cairo_t* c2) { Ellipse(c2, x - 2.2, y - 4, 2.4, 1.3); }, Hex("#8ac85a"),
        {.outline = 0.7, .offset = 0.6});
    Cel(cr, [&](cairo_t* c2) { Ellipse(c2, x + 2.2, y - 4.5, 2.4, 1.3); }, Hex("#8ac85a"),
        {.outline = 0.7, .offset = 0.6});
  }
}

void Cabbage(cairo_t* cr, double cx, double cy, double r) {
  Rgb leaf = kCabbage;
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3 + 0.3;
    Cel(cr,
        [&](cairo_t* c2) {
          Ellipse(c2, cx + std::cos(a) * r * 0.55, cy + std::sin(a) * r * 0.45, r * 0.55, r * 0.45);
        },
        Darker(leaf, 0.15), {.outline = std::max(0.8, r * 0.08)});
  }
  Cel(cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy - r * 0.05, r * 0.6, r * 0.55); }, Lighter(leaf, 0.25),
      {.outline = std::max(0.8, r * 0.08)});
  Line(cr, cx, cy - r * 0.5, cx, cy + r * 0.4, Lighter(leaf, 0.55), std::max(0.7, r * 0.07));
}

void Straw(Canvas& c) {
  cairo_t* cr = c.cr();
  Rng rng(4200);
  for (int i = 0; i < 22; ++i) {
    double x = rng.Uniform(4, 28), y = rng.Uniform(5, 27), a = rng.Uniform(0, M_PI), l = rng.Uniform(3, 7);
    Line(cr, x, y, x + std::cos(a) * l, y + std::sin(a) * l, i % 3 ? Hex("#e8cc70") : Hex("#b8963a"), 1.1);
  }
}

void SteppingStones(Canvas& c) {
  cairo_t* cr = c.cr();
  const Pt at[3] = {{9, 10}, {22, 15}, {11, 24}};
  for (int i = 0; i < 3; ++i)
    Cel(cr, [&](cairo_t* c2) { Ellipse(c2, at[i].x, at[i].y, 6.5, 4.5); }, Hex("#9a9488"),
        {.outline = 1, .offset = 1.5});
}

// A picket fence: close-set pointed boards, the rail showing only in the
// narrow gaps behind them, so that it never reads as a ladder.
void Fence(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 27, 16, 2.5, kSoil);
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 0, 13, 32, 3.5); }, Darker(kWood, 0.45));
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 0, 21, 32, 3.5); }, Darker(kWood, 0.45));
  for (int i = 0; i < 6; ++i) {
    double x = 0.6 + i * 5.4, top = 5 + (i % 2) * 1.5;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x, 27}, {x, top + 2.5}, {x + 2.1, top}, {x + 4.2, top + 2.5}, {x + 4.2, 27}});
        },
        Mix(Hex("#d8b888"), Hex("#c8a070"), (i % 3) / 2.0),
        {.outline = 0.9, .offset = 1.1, .outlineDark = 0.55});
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x + 2.1, 15, 0.6, 0.6); }, Hex("#4a3020"));
  }
  for (double x : {3.0, 14.0, 26.0}) {
    Line(cr, x, 28, x - 1.5, 24, Hex("#5a8a3a"), 1.2);
    Line(cr, x + 1, 28, x + 2, 24.5, Hex("#7ab04a"), 1.2);
  }
}

void Scarecrow(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 29, 8, 2, kSoil);
  Line(cr, 16, 10, 16, 30, Hex("#6a4a2a"), 2.2);
  Line(cr, 4, 14, 28, 14, Hex("#6a4a2a"), 2);
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{10, 12}, {22, 12}, {24, 24}, {8, 24}});
      },
      Hex("#4a6a9a"), {.outline = 1});
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 14, 16, 4, 4); }, Hex("#c8a040"));
  for (int s : {-1, 1}) Line(cr, 16 + s * 11, 14, 16 + s * 13, 17, Hex("#e8cc70"), 1.2);
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 16, 8, 4.5, 4.5); }, Hex("#e8d090"), {.outline = 1});
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{8, 5}, {24, 5}, {20, 3.5}, {19, -1}, {13, -1}, {12, 3.5}});
      },
      Hex("#5a3a24"), {.outline = 1});
  Fill(
      cr,
      [](cairo_t* c2) {
        Ellipse(c2, 14.5, 8, 0.9, 0.9);
        Ellipse(c2, 17.5, 8, 0.9, 0.9);
      },
      Hex("#2a1a10"));
}

void Hedge(Canvas& c) {
  Texture(c, [](int x, int y) {
    double n = Fbm(x / 4.0, y / 4.0, 4400, 3, 8);
    double clump = Noise(x / 8.0, y / 8.0, 4401, 4);
    Rgb col = Mix(Hex("#1e4a22"), Hex("#3a7a34"), n);
    return Mix(col, Hex("#5a9a44"), std::max(0.0, clump - 0.55) * 1.6);
  });
  cairo_t* cr = c.cr();
  Rng rng(4402);
  for (int i = 0; i < 10; ++i) {
    double x = rng.Uniform(0, 32), y = rng.Uniform(0, 32);
    Wrapped(cr, 32, [&](cairo_t* c2) {
      Fill(
          c2, [&](cairo_t* c3) { cairo_arc(c3, x, y, 2.5, M_PI, 2 * M_PI); }, Hex("#6aaa50"), 0.9);
    });
  }
}

void Carrot(Canvas& c) {
  cairo_t* cr = c.cr();
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 25, 9, 3.5); }, kSoilDeep);
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{9, 25}, {11, 14}, {21, 14}, {23, 25}});
      },
      kCarrot, {.outline = 1.2});
  for (int i = 0; i < 2; ++i) Line(cr, 12, 18 + i * 4, 15, 18 + i * 4, Darker(kCarrot, 0.4), 0.9);
  for (int i = 0; i < 5; ++i) {
    double x = 11 + i * 2.5;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 1.5, 14}, {x - 3 + i, 1.0 + (i % 2) * 3}, {x + 1.5, 14}});
        },
        Hex("#4a9a3a"), {.outline = 0.8, .offset = 0.7});
  }
}

void Ditch(Canvas& c) {
  Texture(c, [](int x, int y) {
    double n = Fbm(x / 8.0, y / 4.0, 4500, 3, 4);
    double edge = std::min(x, 31 - x);
    if (edge < 4) return Mix(kSoilDeep, kSoilDark, edge / 4.0 + n * 0.2);
    Rgb col = Mix(Hex("#2a4a5a"), Hex("#3a6a7a"), n);
    return Mix(col, Hex("#6a9aa8"), std::max(0.0, std::sin((y / 8.0 + n) * M_PI) - 0.8) * 3);
  });
}

void GiantPumpkin(Canvas& c) {
  Shadow(c.cr(), 33, 56, 28, 6, kSoil);
  Pumpkin(c.cr(), 32, 36, 29, 21, false);
  Cel(c.cr(),
      [](cairo_t* c2) {
        SmoothOpen(c2, {{36, 14}, {44, 8}, {52, 10}, {48, 14}, {40, 15}});
      },
      Hex("#4a8a3a"), {.outline = 1});
}

// Hideout.
// The floor: worn grey flagstones with a hint of purple, lighter and greyer
// than any wall, so walkable ground is never taken for a wall.
void Flagstones(Canvas& c) {
  const Rgb slab = Hex("#6a6474"), slabLight = Hex("#827c8c"), joint = Hex("#3a3242");
  Texture(c, [&](int x, int y) {
    int sx = (x + (y / 16 % 2) * 8) % 32 / 16, sy = y / 16;
    int lx = (x + (y / 16 % 2) * 8) % 16, ly = y % 16;
    double n = Fbm(x / 8.0, y / 8.0, 5001, 3, 4);
    Rgb col = Mix(slab, slabLight, Hash01(sx, sy, 5002) * 0.5 + n * 0.5);
    col = Mix(col, Hex("#5a5064"), Hash01(x, y, 5003) * 0.2);
    if (lx == 15 || ly == 15) return joint;
    if (lx == 0 || ly == 0) return Lighter(col, 0.12);
    if (lx == 14 || ly == 14) return Darker(col, 0.12);
    return col;
  });
}

void LavaCrack(Canvas& c, bool pool) {
  cairo_t* cr = c.cr();
  if (pool) {
    Texture(c, [](int x, int y) {
      double n = Fbm(x / 8.0, y / 8.0, 5100, 4, 4);
      double crust = Noise(x / 4.0, y / 4.0, 5101, 8);
      Rgb col = Mix(kLava, kLavaHot, n);
      if (crust > 0.72) col = Mix(col, Hex("#3a1410"), (crust - 0.72) * 3.5);
      return col;
    });
    return;
  }
  // A crack in the floor with lava glowing deep inside it: a warm halo on
  // the stone, a dark split and a molten line inside it.
  const std::vector<Pt> main = {{3, 21}, {8, 17.5}, {13, 18.5}, {17, 14}, {22, 12.5}, {29, 9}};
  const std::vector<Pt> branch = {{13, 18.5}, {15, 23}, {14, 27.5}};
  Glow(cr, 15, 16, 15, kLava, 0.35);
  for (const auto* pts : {&main, &branch}) {
    auto path = [pts](cairo_t* c2) { SmoothOpen(c2, *pts, 0.6); };
    double w = pts == &main ? 1.0 : 0.7;
    cairo_save(cr);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    Stroke(cr, path, Hex("#1a0a0a"), 4.2 * w);
    Stroke(cr, path, kLava, 2.4 * w);
    Stroke(cr, path, kLavaHot, 1.0 * w);
    cairo_restore(cr);
  }
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 17, 14, 1.4, 1.1); }, Hex("#fff0c0"), 0.9);
}

void RuneSlab(Canvas& c) {
  cairo_t* cr = c.cr();
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 3, 4, 26, 24, 2); }, Hex("#5a4a6a"),
      {.outline = 1.2, .offset = 1.5});
  Rgb rune = Hex("#b070e8");
  Stroke(
      cr,
      [](cairo_t* c2) {
        cairo_move_to(c2, 16, 8);
        cairo_line_to(c2, 16, 24);
        cairo_move_to(c2, 10, 12);
        cairo_line_to(c2, 22, 20);
        cairo_move_to(c2, 22, 12);
        cairo_line_to(c2, 10, 20);
        Ellipse(c2, 16, 16, 9, 9);
      },
      rune, 1.3);
}

void RibCage(Canvas& c) {
  cairo_t* cr = c.cr();
  Rgb bone = kBone;
  Shadow(cr, 16, 24, 13, 3, kHideStone);
  Bone(cr, 5, 16, 27, 16, 2.2, bone);
  for (int i = 0; i < 4; ++i) {
    double x = 9 + i * 5;
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, x, 16);
          cairo_curve_to(c2, x - 4, 19, x - 4, 24, x, 26);
        },
        Darker(bone, 0.6), 2.4);
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, x, 16);
          cairo_curve_to(c2, x - 4, 19, x - 4, 24, x, 26);
        },
        bone, 1.4);
  }
  Bone(cr, 20, 6, 28, 10, 2, bone);
}

// Raised blocks of purple stone: a lit top face with a pale rim, a dark
// front face and a cast shadow on the floor below.
void HideWall(Canvas& c) {
  RaisedBlock(c, Hex("#4e2e62"), Hex("#22122c"), Hex("#b08ac8"), 5200);
}

void SkullPillar(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 17, 29, 11, 2.5, kHideStone);
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 8, 8, 16, 21); }, kHideStoneLight, {.outline = 1.2});
  Skull(cr, 16, 4, 5.5, kBone);
  Skull(cr, 12, 16, 3.2, kBone);
  Skull(cr, 20, 21, 3.2, kBone);
}

void TorchStand(Canvas& c) {
  cairo_t* cr = c.cr();
  Glow(cr, 16, 9, 15, kTorch, 0.0);
  Shadow(cr, 16, 29, 7, 2, kHideStone);
  Line(cr, 16, 12, 16, 29, Hex("#3a3440"), 3);
  Line(cr, 11, 29, 21, 29, Hex("#3a3440"), 2.4);
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{10, 11}, {22, 11}, {19, 15}, {13, 15}});
      },
      Hex("#6a6070"), {.outline = 1});
  Flame(cr, 16, 12, 12, 9);
}

void BoneHeap(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 26, 14, 3.5, kHideStone);
  Bone(cr, 4, 24, 18, 19, 2.6, kBone);
  Bone(cr, 14, 25, 28, 22, 2.6, Darker(kBone, 0.1));
  Bone(cr, 8, 16, 24, 14, 2.4, kBone);
  Skull(cr, 16, 12, 5, kBone);
  Bone(cr, 22, 7, 28, 17, 2, kBone);
}

void Spikes(Canvas& c) {
  cairo_t* cr = c.cr();
  for (int row = 0; row < 2; ++row)
    for (int i = 0; i < 4; ++i) {
      double x = 5 + i * 7.3 + row * 3.5, base = 16 + row * 12;
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, x, base, 3.5, 1.2); }, kHideDeep);
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{x - 2.5, base}, {x, base - 12}, {x + 2.5, base}});
          },
          Hex("#8a8a98"), {.outline = 0.9, .offset = 1.1});
    }
}

// A raised block of darker stone carved with a faintly glowing sigil.
void DarkBlock(Canvas& c) {
  RaisedBlock(c, Hex("#3a2444"), Hex("#180c1e"), Hex("#8a6a9e"), 5300);
  cairo_t* cr = c.cr();
  auto sigil = [](cairo_t* c2) {
    cairo_new_sub_path(c2);
    cairo_arc(c2, 16, 10.5, 7, 0, 2 * M_PI);
    cairo_move_to(c2, 16, 4.5);
    cairo_line_to(c2, 16, 16.5);
    cairo_move_to(c2, 11, 7);
    cairo_line_to(c2, 21, 14);
    cairo_move_to(c2, 21, 7);
    cairo_line_to(c2, 11, 14);
  };
  Stroke(cr, sigil, Hex("#0a060e"), 2.2);
  cairo_save(cr);
  cairo_translate(cr, 0.6, 0.6);
  Stroke(cr, sigil, Hex("#c070f0"), 1.0, 0.9);
  cairo_restore(cr);
}

void Statue(Canvas& c) {
  cairo_t* cr = c.cr();
  Shadow(cr, 16, 29, 12, 2.5, kHideStone);
  Rgb stone = Hex("#6a6078");
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 7, 24, 18, 6); }, Darker(stone, 0.2), {.outline = 1});
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{10, 24}, {9, 13}, {12, 9}, {20, 9}, {23, 13}, {22, 24}});
      },
      stone, {.outline = 1.1});
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 16, 7, 4, 4); }, stone, {.outline = 1});
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{12, 5}, {9, 0}, {13, 3}});
        Polygon(c2, {{20, 5}, {23, 0}, {19, 3}});
      },
      stone, {.outline = 0.8});
  Fill(
      cr,
      [](cairo_t* c2) {
        Ellipse(c2, 14.5, 7, 0.9, 0.7);
        Ellipse(c2, 17.5, 7, 0.9, 0.7);
      },
      Hex("#ff4030"));
  Line(cr, 8, 14, 4, 22, stone, 2.4);
  Line(cr, 24, 14, 28, 22, stone, 2.4);
}

void Gate(Canvas& c) {
  cairo_t* cr = c.cr();
  Rgb stone = kHideStoneLight;
  // Towers and wall around a barred arch, skulls above.
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 0, 40, 256, 160); }, Hex("#3a2048"), {.outline = 2});
  for (int y = 48; y < 200; y += 16)
    for (int x = ((y / 16) % 2) * 16; x < 256; x += 32)
      Stroke(
          cr, [&](cairo_t* c2) { cairo_rectangle(c2, x, y, 32, 16); }, kHideDeep, 1);
  for (int tx : {0, 196}) {
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, tx, 16, 60, 184); }, stone, {.outline = 2});
    for (int i = 0; i < 4; ++i)
      Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, tx + i * 16, 2, 12, 16); }, stone, {.outline = 1.5});
    Fill(
        cr, [&](cairo_t* c2) { RoundRect(c2, tx + 24, 50, 12, 22, 6); }, Hex("#ffb040"));
    Flame(cr, tx + 30, 110, 16, 10);
    Line(cr, tx + 30, 110, tx + 30, 124, Hex("#2a2030"), 3);
  }
  // Arch and portcullis.
  Fill(
      cr,
      [](cairo_t* c2) {
        cairo_move_to(c2, 78, 200);
        cairo_line_to(c2, 78, 110);
        cairo_arc(c2, 128, 110, 50, M_PI, 2 * M_PI);
        cairo_line_to(c2, 178, 200);
        cairo_close_path(c2);
      },
      Hex("#0c0610"));
  Glow(cr, 128, 170, 50, kPortal, 0.0);
  for (int x = 86; x <= 170; x += 12) Line(cr, x, 70, x, 196, Hex("#5a5a68"), 3.2);
  for (int y = 110; y <= 190; y += 22) Line(cr, 80, y, 176, y, Hex("#5a5a68"), 2.6);
  Stroke(
      cr, [](cairo_t* c2) { cairo_arc(c2, 128, 110, 52, M_PI, 2 * M_PI); }, kHideDeep, 5);
  Skull(cr, 128, 44, 13, kBone);
  Skull(cr, 96, 64, 7, kBone);
  Skull(cr, 160, 64, 7, kBone);
}

void Portal(Canvas& c) {
  cairo_t* cr = c.cr();
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 15, 15); }, Hex("#0a2a14"));
  for (int i = 0; i < 3; ++i) {
    cairo_new_path(cr);
    for (int k = 0; k <= 40; ++k) {
      double t = k / 40.0, a = i * 2 * M_PI / 3 + t * 4.5, r = 2 + t * 12;
      double x = 16 + std::cos(a) * r, y = 16 + std::sin(a) * r;
      if (k == 0)
        cairo_move_to(cr, x, y);
      else
        cairo_line_to(cr, x, y);
    }
    SetColour(cr, kPortal);
    cairo_set_line_width(cr, 2.4);
    cairo_stroke(cr);
  }
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 3, 3); }, Hex("#c8ffd8"));
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 14.5, 14.5); }, Hex("#20a050"), 1.5);
}

// Shared.
void Teleporter(Canvas& c) {
  cairo_t* cr = c.cr();
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 15, 13); }, Hex("#5a5a70"), {.outline = 1.2, .offset = 1.5});
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 11.5, 9.8); }, Hex("#40d8f0"), 2);
  Stroke(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 6, 5); }, Hex("#a0f4ff"), 1.4);
  for (int i = 0; i < 6; ++i) {
    double a = i * M_PI / 3;
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, 16 + std::cos(a) * 11.5, 16 + std::sin(a) * 9.8, 1.8, 1.8); },
        Hex("#e0ffff"));
  }
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 16, 2, 2); }, Hex("#e0ffff"));
}

void Chest(Canvas& c) {
  cairo_t* cr = c.cr();
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 16, 27, 13, 3); }, Hex("#1a1410"));
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 4, 14, 24, 13); }, Hex("#8a5a2a"), {.outline = 1.3});
  Cel(cr,
      [](cairo_t* c2) {
        cairo_move_to(c2, 4, 14);
        cairo_curve_to(c2, 4, 5, 28, 5, 28, 14);
        cairo_close_path(c2);
      },
      Hex("#9a6a32"), {.outline = 1.3});
  for (int x : {8, 24})
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - 1.5, 8, 3, 19); }, Hex("#c8a040"),
        {.outline = 0.8, .offset = 0.8});
  Line(cr, 4, 14, 28, 14, Hex("#c8a040"), 1.6);
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 13.5, 12, 5, 6, 1); }, Hex("#e8c050"),
      {.outline = 0.9, .offset = 0.8});
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 15.5, 14.5, 1, 2); }, Hex("#2a1a0a"));
}

// The road: trodden earth with a few flat stones set level into it. It is
// drawn translucent, so each area's own ground shows through and tints it
// (brown in the forest, grey-blue in the cavern, ochre in the desert), and
// it is low in contrast: a path, never a wall.
void PathSlab(Canvas& c) {
  c.ForEachPixel([](int x, int y, std::uint8_t* p) {
    double n = Fbm(x / 8.0, y / 8.0, 5700, 3, 4);
    Rgb col = Mix(Hex("#9a8a70"), Hex("#b8a88c"), n);
    double a = 0.3 + 0.1 * n;
    p[0] = std::uint8_t(col.r);
    p[1] = std::uint8_t(col.g);
    p[2] = std::uint8_t(col.b);
    p[3] = std::uint8_t(a * 255);
  });
  cairo_t* cr = c.cr();
  const std::vector<Pt> stones[] = {
      {{3, 5}, {12, 3.5}, {14, 10}, {9, 13.5}, {3.5, 11.5}},
      {{18, 17}, {27, 16}, {28.5, 24}, {21, 27}, {17, 23}},
      {{6, 21}, {11, 20}, {12.5, 25}, {7.5, 27.5}, {4.5, 25}},
      {{21, 4}, {26.5, 5.5}, {25.5, 10.5}, {20, 10}},
  };
  for (const auto& st : stones) {
    Fill(
        cr, [&](cairo_t* c2) { SmoothClosed(c2, st, 0.5); }, Hex("#4a4238"), 0.28);
    Fill(
        cr,
        [&](cairo_t* c2) {
          cairo_save(c2);
          cairo_translate(c2, -0.5, -0.6);
          SmoothClosed(c2, st, 0.5);
          cairo_restore(c2);
        },
        Hex("#c0b8a4"), 0.35);
  }
  Rng rng(5701);
  for (int i = 0; i < 10; ++i)
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, rng.Uniform(2, 30), rng.Uniform(2, 30), 0.9, 0.7); },
        Hex("#6a6050"), 0.5);
}

}  // namespace

void AddGardenTiles(PictureList& l) {
  const char* f = "tiles_garden";
  l.push_back({"ground_4.png", 32, 32, f, kSeamless, Soil});
  l.push_back({"tile1_15.png", 32, 32, f, kPlain, Seedlings});
  l.push_back({"tile1_16.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Fill(
                     c.cr(), [](cairo_t* c2) { Ellipse(c2, 16, 21, 8, 3); }, kSoilDeep);
                 Cabbage(c.cr(), 16, 17, 7);
               }});
  l.push_back({"tile1_17.png", 32, 32, f, kPlain, Straw});
  l.push_back({"tile1_18.png", 32, 32, f, kPlain, SteppingStones});
  l.push_back({"tile2_23.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Shadow(c.cr(), 16, 27, 14, 3, kSoil);
                 Pumpkin(c.cr(), 16, 18, 14, 10, false);
               }});
  l.push_back({"tile2_24.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Shadow(c.cr(), 16, 27, 14, 3, kSoil);
                 Pumpkin(c.cr(), 16, 18, 14, 10, true);
               }});
  l.push_back({"tile2_25.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Shadow(c.cr(), 16, 26, 14, 3.5, kSoil);
                 Cabbage(c.cr(), 16, 17, 13);
               }});
  l.push_back({"tile2_26.png", 32, 32, f, kPlain, Fence});
  l.push_back({"tile2_27.png", 32, 32, f, kPlain, Scarecrow});
  l.push_back({"tile2_28.png", 32, 32, f, kSeamless, Hedge});
  l.push_back({"tile2_29.png", 32, 32, f, kPlain, Carrot});
  l.push_back({"tile2_31.png", 32, 32, f, kSeamless, Ditch});
  l.push_back({"tile2_33.png", 64, 64, f, kPlain, GiantPumpkin});
}

void AddHideoutTiles(PictureList& l) {
  const char* f = "tiles_hideout";
  l.push_back({"ground_5.png", 32, 32, f, kSeamless, Flagstones});
  l.push_back({"tile1_19.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Bone(c.cr(), 8, 20, 20, 24, 2.2, kBone);
                 Bone(c.cr(), 12, 14, 24, 18, 2.2, kBone);
                 Bone(c.cr(), 10, 25, 16, 13, 2, Darker(kBone, 0.1));
               }});
  l.push_back({"tile1_20.png", 32, 32, f, kPlain, [](Canvas& c) {
                 Shadow(c.cr(), 16, 24, 8, 2, kHideStone);
                 Skull(c.cr(), 16, 14, 7, kBone);
               }});
  l.push_back({"tile1_21.png", 32, 32, f, kPlain, [](Canvas& c) { LavaCrack(c, false); }});
  l.push_back({"tile1_22.png", 32, 32, f, kPlain, RuneSlab});
  l.push_back({"tile1_23.png", 32, 32, f, kPlain, RibCage});
  l.push_back({"tile1_25.png", 32, 32, f, kPlain, Portal});
  l.push_back({"tile1_11.png", 32, 32, f, kPlain, Teleporter});
  l.push_back({"tile1_12.png", 32, 32, f, kPlain, Chest});
  l.push_back({"tile1_24.png", 32, 32, f, kPlain, PathSlab});
  l.push_back({"tile2_30.png", 256, 200, f, kPlain, Gate});
  l.push_back({"tile2_32.png", 32, 32, f, kPlain, HideWall});
  l.push_back({"tile2_34.png", 32, 32, f, kPlain, SkullPillar});
  l.push_back({"tile2_35.png", 32, 32, f, kPlain, TorchStand});
  l.push_back({"tile2_36.png", 32, 32, f, kSeamless, [](Canvas& c) { LavaCrack(c, true); }});
  l.push_back({"tile2_37.png", 32, 32, f, kPlain, BoneHeap});
  l.push_back({"tile2_38.png", 32, 32, f, kPlain, Spikes});
  l.push_back({"tile2_39.png", 32, 32, f, kPlain, DarkBlock});
  l.push_back({"tile2_40.png", 32, 32, f, kPlain, Statue});
}

}  // namespace vv::gen
