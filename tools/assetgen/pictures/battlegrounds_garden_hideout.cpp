// Battle backgrounds 4 and 5: the giant vegetable garden and Vorgash's
// hideout (see battlegrounds.cpp for the layout every scene keeps).

#include <cmath>

#include "battleground_kit.h"
#include "tile_kit.h"

namespace vv::gen {

using namespace battle;

namespace {

void Sunflower(cairo_t* cr, double x, double base, double h, double lean) {
  double hx = x + lean, hy = base - h;
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, x, base);
        cairo_curve_to(c, x, base - h * 0.5, hx, hy + h * 0.3, hx, hy);
      },
      Hex("#3a6a2a"), h * 0.05);
  for (int side = -1; side <= 1; side += 2)
    Cel(cr,
        [&](cairo_t* c) {
          double ly = base - h * (side < 0 ? 0.45 : 0.6);
          cairo_move_to(c, x, ly);
          cairo_curve_to(c, x + side * h * 0.12, ly - h * 0.12, x + side * h * 0.25, ly - h * 0.05,
                         x + side * h * 0.28, ly + h * 0.02);
          cairo_curve_to(c, x + side * h * 0.18, ly + h * 0.04, x + side * h * 0.08, ly + h * 0.02, x, ly);
          cairo_close_path(c);
        },
        Hex("#4a8a34"), {.outline = 1.5});
  double r = h * 0.14;
  for (int i = 0; i < 16; ++i) {
    double a = i * M_PI / 8;
    Cel(cr,
        [&](cairo_t* c) {
          cairo_save(c);
          cairo_translate(c, hx + std::cos(a) * r * 1.3, hy + std::sin(a) * r * 1.3);
          cairo_rotate(c, a);
          Ellipse(c, 0, 0, r * 0.65, r * 0.25);
          cairo_restore(c);
        },
        Hex("#f0c030"), {.outline = 1.2, .offset = 2});
  }
  Cel(cr, [&](cairo_t* c) { Ellipse(c, hx, hy, r, r); }, Hex("#6a4020"), {.outline = 1.5});
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, hx - r * 0.3, hy - r * 0.3, r * 0.35, r * 0.3); }, Hex("#8a5a30"),
      0.8);
}

void BigCabbage(cairo_t* cr, double cx, double cy, double r) {
  for (int i = 0; i < 7; ++i) {
    double a = M_PI + i * M_PI / 6;
    Cel(cr,
        [&](cairo_t* c) {
          Ellipse(c, cx + std::cos(a) * r * 0.7, cy + std::sin(a) * r * 0.45, r * 0.55, r * 0.4);
        },
        Hex("#6aa040"), {.outline = 2});
  }
  Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy - r * 0.2, r * 0.6, r * 0.5); }, Hex("#a8d070"),
      {.outline = 2});
  Line(cr, cx, cy - r * 0.65, cx - r * 0.1, cy + r * 0.1, Hex("#d8f0b0"), 2.5, 0.8);
}

// A picket fence seen from the front: close pointed boards nailed on two
// rails that show only between them, so it never reads as a ladder.
void Fence(cairo_t* cr, double x0, double x1, double base, double h, Rgb wood) {
  Rgb rail = Darker(wood, 0.3);
  Fill(
      cr,
      [&](cairo_t* c) {
        cairo_rectangle(c, x0, base - h * 0.75, x1 - x0, h * 0.1);
        cairo_rectangle(c, x0, base - h * 0.3, x1 - x0, h * 0.1);
      },
      rail);
  double bw = h * 0.16;
  for (double x = x0; x < x1; x += bw * 1.35) {
    double tip = h * (0.92 + 0.08 * std::sin(x * 0.37));
    Cel(cr,
        [&](cairo_t* c) {
          Polygon(c, {{x, base},
                      {x, base - tip + bw * 0.5},
                      {x + bw / 2, base - tip},
                      {x + bw, base - tip + bw * 0.5},
                      {x + bw, base}});
        },
        Mix(wood, Lighter(wood, 0.2), 0.5 + 0.5 * std::sin(x)), {.outline = 1.5, .offset = 2.5});
  }
}

void Scarecrow(cairo_t* cr, double x, double base, double h) {
  Rgb wood = Hex("#7a5a34");
  Line(cr, x, base, x, base - h, wood, h * 0.05);
  Line(cr, x - h * 0.35, base - h * 0.72, x + h * 0.35, base - h * 0.72, wood, h * 0.04);
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{x - h * 0.32, base - h * 0.78},
                    {x + h * 0.32, base - h * 0.78},
                    {x + h * 0.18, base - h * 0.38},
                    {x - h * 0.18, base - h * 0.38}});
      },
      Hex("#4a6aa0"), {.outline = 2});
  Line(cr, x - h * 0.05, base - h * 0.7, x + h * 0.1, base - h * 0.5, Hex("#c84a3a"), 4);  // a patch
  Cel(cr, [&](cairo_t* c) { Ellipse(c, x, base - h * 0.86, h * 0.1, h * 0.1); }, Hex("#e8d090"),
      {.outline = 2});
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{x - h * 0.2, base - h * 0.9},
                    {x + h * 0.2, base - h * 0.9},
                    {x + h * 0.08, base - h * 0.93},
                    {x, base - h * 1.08},
                    {x - h * 0.08, base - h * 0.93}});
      },
      Hex("#6a5030"), {.outline = 2});
  Fill(
      cr,
      [&](cairo_t* c) {
        Ellipse(c, x - h * 0.035, base - h * 0.87, 2.5, 2.5);
        Ellipse(c, x + h * 0.035, base - h * 0.87, 2.5, 2.5);
      },
      Hex("#2a1a10"));
}

}  // namespace

// The giant vegetable garden: a windmill and a farmhouse on the far hill,
// sunflowers and a picket fence, giant cabbages, a scarecrow, furrows.
void DrawGardenBattleground(Canvas& c) {
  cairo_t* cr = c.cr();
  Sky(cr, 0, 400, {{0, Hex("#5a98d8")}, {0.7, Hex("#b0d8ee")}, {1, Hex("#e8f2e0")}});
  Glow(cr, 160, 50, 240, Hex("#fff6d0"), 0.6);
  Cloud(cr, 330, 80, 230, 41, Hex("#f8faf6"), Hex("#bccadc"));
  Cloud(cr, 820, 110, 180, 42, Hex("#f8faf6"), Hex("#bccadc"));
  Ridge(cr, 340, 60, 280, 401, Hex("#8abf78"), 0, 0.15);
  // The farmhouse and the windmill (landmarks on the far hill).
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 640, 270, 70, 40); }, Hex("#e8dcc0"));
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{630, 272}, {675, 240}, {720, 272}});
      },
      Hex("#c05a40"));
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 668, 290, 12, 20); }, Hex("#6a4a30"));
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{530, 310}, {540, 240}, {560, 240}, {570, 310}});
      },
      Hex("#d8d0c0"));
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{536, 242}, {550, 226}, {564, 242}});
      },
      Hex("#a05040"));
  for (int k = 0; k < 4; ++k) {
    double a = 0.4 + k * M_PI / 2;
    Line(cr, 550, 244, 550 + std::cos(a) * 46, 244 + std::sin(a) * 46, Hex("#8a7050"), 5);
  }
  Ridge(cr, 380, 40, 200, 402, Hex("#6aa85a"), 0, 0.12);
  Haze(cr, 220, 400, Hex("#e8f2e0"), 0.4);
  // Tilled soil in furrows running towards the horizon.
  Ground(c, 380, 400, [](double wx, double wz, int x, int y) {
    double n = Fbm(wx * 5, wz * 2, 410, 3);
    double f = wx * 7 + 0.5;
    double row = f - std::floor(f);
    double ridge = std::sin(row * M_PI);
    Rgb soil = Mix(Hex("#4a3020"), Hex("#7a5236"), ridge * 0.8 + n * 0.3);
    if (row < 0.5 && row > 0.2 && wx < 0) soil = Lighter(soil, 0.12);  // the lit side of each furrow
    if (row > 0.5 && row < 0.8 && wx > 0) soil = Lighter(soil, 0.12);
    if (row < 0.1 || row > 0.9) soil = Mix(soil, Hex("#2e1e14"), 0.6);
    // Sprouts along the ridges.
    if (std::abs(row - 0.5) < 0.06 && std::fmod(wz * 8, 1.0) < 0.25 && wz < 4) soil = Hex("#7ab04a");
    soil = Mix(soil, Hex("#b8a890"), std::clamp((wz - 3) / 9, 0.0, 0.35));
    (void)x;
    (void)y;
    return soil;
  });
  for (double x = 20; x < 330; x += 70) Sunflower(cr, x, 430, 210 + std::fmod(x * 7, 60), std::sin(x) * 14);
  Fence(cr, -10, 360, 440, 90, Hex("#c8a070"));
  Fence(cr, 680, 1034, 440, 90, Hex("#c8a070"));
  for (double x = 720; x < 1024; x += 80) Sunflower(cr, x, 430, 180 + std::fmod(x * 3, 50), std::cos(x) * 12);
  BigCabbage(cr, 700, 470, 70);
  BigCabbage(cr, 330, 480, 60);
  Scarecrow(cr, 820, 520, 220);
  // A giant carved pumpkin with its inner glow, and carrot tops.
  Pumpkin(cr, 130, 540, 130, 95, true);
  AddGlow(cr, 130, 545, 120, 70, Hex("#ffb040"), 0.25);
  for (int i = 0; i < 5; ++i) {
    double x = 940 + i * 18;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 18, 612}, {x + 18, 612}, {x, 640}});
        },
        Hex("#e8782a"), {.outline = 2});
    for (int k = -1; k <= 1; ++k) Line(cr, x, 612, x + k * 22, 560 - (i % 2) * 15, Hex("#4a9a3a"), 5);
  }
  Stage(cr, Hex("#fff0c0"), 0.2, 0.45);
  Vignette(cr, 0.45);
}

// Vorgash's hall: a great arched window full of the glow of a lava sea,
// pillars with braziers and banners, a flagstone floor cut by a lava channel.
void DrawHideoutBattleground(Canvas& c) {
  cairo_t* cr = c.cr();
  Sky(cr, 0, kH, {{0, Hex("#2a1636")}, {0.6, Hex("#3a2048")}, {1, Hex("#1a1020")}});
  // The back wall of great blocks, lit from the window.
  for (int row = 0; row < 8; ++row)
    for (int x = -60 + (row % 2) * 60; x < kW; x += 120) {
      double shade = 0.85 + 0.15 * Hash01(x, row, 501);
      Fill(
          cr, [&](cairo_t* c2) { cairo_rectangle(c2, x + 2, row * 52 + 2, 116, 48); },
          Mix(Hex("#2e1a3a"), Hex("#4a2a58"), shade - 0.6), 1);
      Line(cr, x + 3, row * 52 + 3, x + 117, row * 52 + 3, Hex("#6a4a7a"), 2, 0.5);
    }
  // The window: a lava sea under a red sky, the silhouette of a far tower.
  auto arch = [](cairo_t* c2) {
    cairo_move_to(c2, 392, 400);
    cairo_line_to(c2, 392, 190);
    cairo_curve_to(c2, 392, 110, 470, 60, 512, 40);
    cairo_curve_to(c2, 554, 60, 632, 110, 632, 190);
    cairo_line_to(c2, 632, 400);
    cairo_close_path(c2);
  };
  cairo_save(cr);
  cairo_new_path(cr);
  arch(cr);
  cairo_clip(cr);
  Sky(cr, 40, 400,
      {{0, Hex("#140c2a")}, {0.55, Hex("#3a2a6a")}, {0.85, Hex("#7a4a8a")}, {1, Hex("#e87a3a")}});
  Ridge(cr, 360, 60, 60, 502, Hex("#2a1020"), 0.8);
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{560, 330}, {566, 230}, {574, 215}, {582, 230}, {588, 330}});
      },
      Hex("#1e0c18"));
  cairo_restore(cr);
  Stroke(cr, arch, Hex("#6a4a7a"), 14);
  Stroke(cr, arch, Hex("#1a1020"), 4);
  Line(cr, 512, 45, 512, 400, Hex("#3a2448"), 8);
  Line(cr, 392, 220, 632, 220, Hex("#3a2448"), 8);
  AddGlow(cr, 512, 300, 300, 200, Hex("#8a60d0"), 0.3);
  AddGlow(cr, 560, 120, 40, 40, Hex("#60ff90"), 0.5);  // the portal's star
  // The floor: flagstones in perspective, warmed near the lava.
  Ground(c, 390, 400, [](double wx, double wz, int x, int y) {
    double gx = wx * 4 + (std::fmod(std::floor(wz * 2), 2.0) ? 0.5 : 0);
    double gz = wz * 2;
    double fx = gx - std::floor(gx), fz = gz - std::floor(gz);
    double n = Fbm(wx * 8, wz * 3, 510, 3);
    Rgb stone = Mix(Hex("#4a3058"), Hex("#6a4a78"),
                    Hash01(int(std::floor(gx)), int(std::floor(gz)), 511) * 0.6 + n * 0.4);
    double jointX = std::min(fx, 1 - fx) / wz * 30, jointZ = std::min(fz, 1 - fz) * 30 / wz;
    double far = std::clamp((wz - 3) / 5, 0.0, 1.0);  // joints fade out with distance
    if (jointX < 0.6 || jointZ < 0.5)
      stone = Mix(Hex("#1e1228"), stone, far);
    else if (fz < 0.06 * wz)
      stone = Lighter(stone, 0.1);
    // The lava channel crossing behind the monster, and its warm light.
    double channel = wz - (2.0 + 0.25 * std::sin(wx * 1.6));
    double d = std::abs(channel);
    if (d < 0.22) {
      double crust = Noise(wx * 6, wz * 10, 512);
      Rgb lava = Mix(Hex("#e84a1a"), Hex("#ffb040"), Fbm(wx * 4, wz * 6, 513, 3));
      if (crust > 0.68) lava = Mix(lava, Hex("#3a1410"), std::min(1.0, (crust - 0.68) * 4));
      if (d > 0.17) return Mix(Hex("#1a0808"), Hex("#6a2010"), (0.22 - d) * 16);
      return lava;
    }
    stone = Mix(stone, Hex("#e86a2a"), std::max(0.0, 0.5 - d * 0.6) * 0.7);
    (void)x;
    (void)y;
    return stone;
  });
  // Pillars with braziers and banners.
  for (double x : {80.0, 270.0, 754.0, 944.0}) {
    double near = (x < 200 || x > 820) ? 1.0 : 0.8;
    double top = near > 0.9 ? -5 : 30, base = near > 0.9 ? 520 : 440, w = 40 * near;
    Rgb stone = Hex("#5a3a6a");
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - w, top, w * 2, base - top); }, stone,
        {.outline = 3, .shade = 0.45, .light = 0.25, .offset = 12 * near});
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - w - 10, base - 24, w * 2 + 20, 26); }, Hex("#6a4a78"),
        {.outline = 3, .offset = 5});
    // Banner with the sigil.
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - w * 0.7, top + 40},
                       {x + w * 0.7, top + 40},
                       {x + w * 0.7, top + 200},
                       {x, top + 170},
                       {x - w * 0.7, top + 200}});
        },
        Hex("#8a1a2a"), {.outline = 2, .offset = 5});
    Skull(cr, x, top + 90, 12 * near, pal::kBone);
    // Brazier.
    double by = base - 150;
    AddGlow(cr, x, by - 20, 130, 110, Hex("#ff9030"), 0.45);
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x - 26, by}, {x + 26, by}, {x + 14, by + 22}, {x - 14, by + 22}});
        },
        Hex("#6a6070"), {.outline = 2});
    Flame(cr, x, by + 2, 60 * near, 36 * near);
  }
  // Chains hanging from above.
  for (double x : {340.0, 690.0})
    for (int k = 0; k < 9; ++k)
      Stroke(
          cr, [&](cairo_t* c2) { Ellipse(c2, x, 8 + k * 16, k % 2 ? 3 : 6, 9); }, Hex("#7a7088"), 3);
  // Skulls and bones in the foreground corners.
  for (int i = 0; i < 5; ++i) {
    Skull(cr, 60 + i * 34, 585 - (i % 2) * 20, 16, pal::kBone);
    Skull(cr, 850 + i * 36, 590 - (i % 2) * 22, 16, Darker(pal::kBone, 0.1));
  }
  Bone(cr, 30, 610, 110, 590, 10, pal::kBone);
  Bone(cr, 900, 612, 990, 600, 10, pal::kBone);
  Stage(cr, Hex("#ffb070"), 0.15, 0.55);
  Vignette(cr, 0.5);
}

}  // namespace vv::gen
