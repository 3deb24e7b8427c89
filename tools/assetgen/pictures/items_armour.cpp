// Shields, body armour, helms, amulets and potions.

#include <cmath>
#include <string>

#include "item_kit.h"
#include "picture_table.h"

namespace vv::gen {
namespace {
using namespace metal;

void RoundShield(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb face, Rgb rim, Rgb boss) {
  Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy, rx, ry); }, rim, {.outline = 2});
  Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy, rx - 6, ry - 6); }, face, {.outline = 1.2});
  Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy, rx * 0.22, ry * 0.22); }, boss, {.outline = 1.5});
}

void Shield(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  double w = c.width(), h = c.height(), cx = w / 2, cy = h / 2;
  switch (n) {
    case 1:
      RoundShield(cr, cx, cy, 37, 37, kIron, kSteel, kSteel);
      break;
    case 2:
      RoundShield(cr, cx, cy, 56, 56, kWood, kIron, kIron);
      for (int i = -2; i <= 2; ++i)
        if (i)
          Line(cr, cx + i * 16, cy - 48 + std::abs(i) * 4, cx + i * 16, cy + 48 - std::abs(i) * 4, kDarkWood,
               2);
      break;
    case 3: {
      RoundShield(cr, cx, cy, 76, 56, kRust, Hex("#7a4a2a"), kIron);
      Rng rng(33);
      for (int i = 0; i < 9; ++i) {
        double x = cx + rng.Uniform(-55, 55), y = cy + rng.Uniform(-35, 35);
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, x, y, rng.Uniform(4, 9), rng.Uniform(3, 6)); }, Hex("#c86a2a"),
            0.7);
      }
      break;
    }
    case 4:
      RoundShield(cr, cx, cy, 56, 56, kBronze, Hex("#a86a2a"), kGold);
      Stroke(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, 34, 34); }, Hex("#8a5220"), 2);
      break;
    case 5:
      RoundShield(cr, cx, cy, 56, 56, Hex("#3a3a9a"), Hex("#8a8ac8"), Hex("#40e0f0"));
      Stroke(
          cr,
          [&](cairo_t* c2) {
            for (int i = 0; i < 6; ++i) {
              double a = i * M_PI / 3 - M_PI / 2;
              cairo_move_to(c2, cx + std::cos(a) * 16, cy + std::sin(a) * 16);
              cairo_line_to(c2, cx + std::cos(a) * 42, cy + std::sin(a) * 42);
            }
          },
          Hex("#80c8ff"), 2.5);
      break;
    case 6:  // Kite shield with a heraldic band
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, 6, 12);
            cairo_curve_to(c2, 40, 2, 80, 2, 114, 12);
            cairo_curve_to(c2, 112, 80, 90, 120, 60, 157);
            cairo_curve_to(c2, 30, 120, 8, 80, 6, 12);
          },
          kSteel, {.outline = 2});
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, 14, 16);
            cairo_curve_to(c2, 40, 9, 80, 9, 106, 16);
            cairo_curve_to(c2, 104, 78, 86, 112, 60, 145);
            cairo_curve_to(c2, 34, 112, 16, 78, 14, 16);
          },
          Hex("#2a4a9a"), {.outline = 1.2});
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{52, 10}, {68, 10}, {68, 140}, {60, 150}, {52, 140}});
          },
          kGold, {.outline = 1.2});
      break;
    case 7: {  // Tortoise shell: hex plates
      Cel(cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, 57, 77); }, Hex("#5a6a2a"), {.outline = 2});
      for (int row = -2; row <= 2; ++row)
        for (int col = -1; col <= 1; ++col) {
          double x = cx + col * 32 + (row % 2 ? 16 : 0), y = cy + row * 28;
          if ((x - cx) * (x - cx) / (50.0 * 50) + (y - cy) * (y - cy) / (68.0 * 68) > 1) continue;
          std::vector<Pt> hex;
          for (int k = 0; k < 6; ++k)
            hex.push_back({x + std::cos(k * M_PI / 3) * 14, y + std::sin(k * M_PI / 3) * 13});
          Cel(cr, [&](cairo_t* c3) { Polygon(c3, hex); }, Hex("#8a7a3a"), {.outline = 1.5});
        }
      break;
    }
    case 8:  // Spike shield
      for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        Cel(cr,
            [&](cairo_t* c2) {
              Polygon(c2, {{cx + std::cos(a - 0.15) * 58, cy + std::sin(a - 0.15) * 58},
                           {cx + std::cos(a) * 78, cy + std::sin(a) * 78},
                           {cx + std::cos(a + 0.15) * 58, cy + std::sin(a + 0.15) * 58}});
            },
            kSteel, {.outline = 1.3});
      }
      RoundShield(cr, cx, cy, 62, 62, Hex("#4a4a58"), kIron, kSteel);
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{cx - 9, cy}, {cx, cy - 24}, {cx + 9, cy}, {cx, cy + 4}});
          },
          kSteel, {.outline = 1.3});
      break;
    case 9:  // Tower shield
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, 6, 4, 108, 192, 14); }, Hex("#7a2a2a"), {.outline = 2});
      Stroke(
          cr, [&](cairo_t* c2) { RoundRect(c2, 12, 10, 96, 180, 10); }, kSteel, 5);
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{60, 40}, {80, 80}, {60, 160}, {40, 80}});
          },
          kGold, {.outline = 1.3});
      break;
    default:  // Wall shield: iron plates, studs and a lion's head
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, 4, 4, 152, 192, 8); }, kIron, {.outline = 2.2});
      for (int i = 1; i < 3; ++i) Line(cr, 6, 4 + i * 64, 154, 4 + i * 64, Darker(kIron, 0.4), 2.5);
      for (int y = 14; y < 196; y += 32)
        for (int x : {14, 146})
          Cel(cr, [&](cairo_t* c2) { Ellipse(c2, x, y, 4, 4); }, kSteel, {.outline = 1});
      RoundShield(cr, cx, cy, 34, 34, kGold, Hex("#b8862a"), Hex("#f0d060"));
      break;
  }
}

void Armour(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  double w = c.width(), cx = w / 2;
  auto torso = [&](double top, double bottom, double sw, double waist) {
    return [=](cairo_t* c2) {
      SmoothClosed(c2,
                   {{cx - sw, top + 10},
                    {cx - sw * 0.5, top},
                    {cx - sw * 0.2, top + 12},
                    {cx + sw * 0.2, top + 12},
                    {cx + sw * 0.5, top},
                    {cx + sw, top + 10},
                    {cx + sw * 0.85, top + 44},
                    {cx + waist, bottom},
                    {cx - waist, bottom},
                    {cx - sw * 0.85, top + 44}},
                   0.5);
    };
  };
  switch (n) {
    case 1:  // Cape
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, cx - 30, 14);
            cairo_curve_to(c2, cx - 60, 80, cx - 78, 150, cx - 74, 196);
            cairo_curve_to(c2, cx - 30, 186, cx + 30, 200, cx + 74, 192);
            cairo_curve_to(c2, cx + 78, 150, cx + 60, 80, cx + 30, 14);
            cairo_close_path(c2);
          },
          Hex("#b02a2a"), {.outline = 2});
      for (int i = -2; i <= 2; ++i) Line(cr, cx + i * 10, 30, cx + i * 26, 190, Hex("#7a1a1a"), 2, 0.7);
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 34, 6, 68, 14, 6); }, Hex("#8a1a1a"), {.outline = 1.5});
      Gem(cr, cx, 14, 7, kGold);
      break;
    case 2:  // Leather armour
      Cel(cr, torso(8, 154, 74, 48), kLeather, {.outline = 2});
      Line(cr, cx, 24, cx, 150, Darker(kLeather, 0.5), 2);
      for (int y = 40; y < 140; y += 20) Line(cr, cx - 8, y, cx + 8, y, Hex("#d8c090"), 2);
      Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, cx - 48, 124, 96, 12); }, Hex("#4a2a18"),
          {.outline = 1.2});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 8, 122, 16, 16, 2); }, kBronze, {.outline = 1.2});
      break;
    case 3: {  // Chain mail
      Cel(cr, torso(8, 196, 74, 56), kIron, {.outline = 2});
      cairo_save(cr);
      cairo_new_path(cr);
      torso(8, 196, 74, 56)(cr);
      cairo_clip(cr);
      for (int y = 10; y < 200; y += 6)
        for (int x = 0; x < 160; x += 6)
          Stroke(
              cr, [&](cairo_t* c2) { Ellipse(c2, x + (y / 6 % 2) * 3, y, 2.4, 2); }, Darker(kIron, 0.45), 1,
              0.8);
      cairo_restore(cr);
      Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, cx - 54, 150, 108, 10); }, kLeather, {.outline = 1.2});
      break;
    }
    case 4:  // Breast plate
      Cel(cr, torso(6, 150, 56, 40), kSteel, {.outline = 2, .light = 0.45});
      Line(cr, cx, 22, cx, 140, Darker(kSteel, 0.35), 2);
      Stroke(
          cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, cx - 40, 60);
            cairo_curve_to(c2, cx - 20, 80, cx + 20, 80, cx + 40, 60);
          },
          Darker(kSteel, 0.3), 2);
      break;
    default:  // Plate armour: cuirass, pauldrons and gold trim
      Cel(cr, torso(30, 196, 64, 48), kSteel, {.outline = 2.2, .light = 0.45});
      for (int s : {-1, 1})
        Cel(cr, [&](cairo_t* c2) { Ellipse(c2, cx + s * 68, 48, 30, 24); }, Hex("#a8b0bc"), {.outline = 2});
      Stroke(
          cr, [&](cairo_t* c2) { torso(30, 196, 64, 48)(c2); }, kGold, 2.5);
      for (int i = 0; i < 3; ++i)
        Line(cr, cx - 44, 150 + i * 14, cx + 44, 150 + i * 14, Darker(kSteel, 0.4), 2);
      Gem(cr, cx, 80, 9, Hex("#3a8ae0"));
      break;
  }
}

void Helm(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  double cx = 40;
  auto dome = [&](double top, double bottom, double rx) {
    return [=](cairo_t* c2) {
      cairo_move_to(c2, cx - rx, bottom);
      cairo_curve_to(c2, cx - rx, top - 4, cx + rx, top - 4, cx + rx, bottom);
      cairo_close_path(c2);
    };
  };
  switch (n) {
    case 1:  // Executioner cap: black hood with eye holes
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2, {{cx - 26, 76}, {cx - 28, 30}, {cx, 4}, {cx + 28, 30}, {cx + 26, 76}}, 0.8);
          },
          Hex("#2a2428"), {.outline = 2});
      Fill(
          cr,
          [&](cairo_t* c2) {
            Ellipse(c2, cx - 10, 38, 6, 4);
            Ellipse(c2, cx + 10, 38, 6, 4);
          },
          Hex("#0a0608"));
      break;
    case 2:  // Leather cap
      Cel(cr, dome(14, 56, 32), kLeather, {.outline = 2});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 35, 50, 70, 12, 5); }, Darker(kLeather, 0.2),
          {.outline = 1.5});
      Line(cr, cx, 10, cx, 50, Darker(kLeather, 0.5), 1.5);
      break;
    case 3: {  // Crown (80 x 40)
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{6, 36}, {4, 8}, {20, 22}, {30, 4}, {40, 20}, {50, 4}, {60, 22}, {76, 8}, {74, 36}});
          },
          kGold, {.outline = 1.8, .light = 0.45});
      for (int i = 0; i < 3; ++i) Gem(cr, 20 + i * 20, 29, 4, i == 1 ? Hex("#e83a3a") : Hex("#3a8ae0"));
      break;
    }
    case 4:  // Metal cap
      Cel(cr, dome(14, 58, 32), kIron, {.outline = 2, .light = 0.4});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 35, 52, 70, 10, 4); }, kSteel, {.outline = 1.5});
      break;
    case 5:  // Ant head
      for (int s : {-1, 1})
        Stroke(
            cr,
            [&](cairo_t* c2) {
              cairo_move_to(c2, cx + s * 8, 20);
              cairo_curve_to(c2, cx + s * 14, 4, cx + s * 26, 2, cx + s * 34, 8);
            },
            Hex("#4a1a10"), 3);
      Cel(cr, [&](cairo_t* c2) { Ellipse(c2, cx, 42, 30, 26); }, Hex("#8a3a1e"), {.outline = 2});
      for (int s : {-1, 1}) {
        Cel(cr, [&](cairo_t* c2) { Ellipse(c2, cx + s * 16, 36, 9, 11); }, Hex("#1a1a1a"),
            {.outline = 1.2, .light = 0.5});
        Cel(cr,
            [&](cairo_t* c2) {
              Polygon(c2, {{cx + s * 6, 60}, {cx + s * 18, 76}, {cx + s * 2, 70}});
            },
            Hex("#6a2a14"), {.outline = 1.2});
      }
      break;
    case 6: {  // Chain coif
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2, {{cx - 30, 78}, {cx - 30, 28}, {cx, 6}, {cx + 30, 28}, {cx + 30, 78}}, 0.7);
          },
          kIron, {.outline = 2});
      Fill(
          cr, [&](cairo_t* c2) { RoundRect(c2, cx - 16, 26, 32, 36, 12); }, Hex("#2a2024"));
      for (int y = 10; y < 78; y += 5)
        for (int x = 10; x < 72; x += 5)
          if (!(x > cx - 18 && x < cx + 18 && y > 24 && y < 64))
            Stroke(
                cr, [&](cairo_t* c2) { Ellipse(c2, x + (y / 5 % 2) * 2.5, y, 2, 1.6); }, Darker(kIron, 0.45),
                0.8, 0.8);
      break;
    }
    case 7:  // Steel helm with a nose guard
      Cel(cr, dome(10, 60, 32), kSteel, {.outline = 2, .light = 0.45});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 34, 54, 68, 10, 4); }, kIron, {.outline = 1.5});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 4, 50, 8, 26, 3); }, kIron, {.outline = 1.4});
      break;
    case 8:  // Knight helm with visor and plume
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2, {{cx - 4, 14}, {cx + 6, 2}, {cx + 26, 4}, {cx + 20, 14}}, 0.8);
          },
          Hex("#c82a2a"), {.outline = 1.5});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 28, 12, 56, 64, 22); }, kSteel,
          {.outline = 2, .light = 0.45});
      Fill(
          cr, [&](cairo_t* c2) { cairo_rectangle(c2, cx - 20, 36, 40, 5); }, Hex("#1a1418"));
      for (int i = -2; i <= 2; ++i)
        Fill(
            cr, [&](cairo_t* c2) { cairo_rectangle(c2, cx + i * 7 - 1, 50, 2.5, 10); }, Hex("#1a1418"));
      Line(cr, cx, 14, cx, 34, Darker(kSteel, 0.3), 2);
      break;
    case 9:  // Horned helm
      for (int s : {-1, 1})
        Cel(cr,
            [&](cairo_t* c2) {
              cairo_move_to(c2, cx + s * 24, 44);
              cairo_curve_to(c2, cx + s * 40, 36, cx + s * 40, 18, cx + s * 36, 2);
              cairo_curve_to(c2, cx + s * 32, 16, cx + s * 26, 26, cx + s * 18, 30);
              cairo_close_path(c2);
            },
            Hex("#e8dcc0"), {.outline = 1.6});
      Cel(cr, dome(16, 62, 28), kIron, {.outline = 2, .light = 0.4});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 31, 56, 62, 10, 4); }, kBronze, {.outline = 1.5});
      break;
    default:  // Minotaur mask
      for (int s : {-1, 1})
        Cel(cr,
            [&](cairo_t* c2) {
              cairo_move_to(c2, cx + s * 20, 26);
              cairo_curve_to(c2, cx + s * 38, 26, cx + s * 40, 14, cx + s * 38, 2);
              cairo_curve_to(c2, cx + s * 34, 12, cx + s * 28, 18, cx + s * 16, 16);
              cairo_close_path(c2);
            },
            Hex("#e8dcc0"), {.outline = 1.6});
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(
                c2,
                {{cx - 24, 20}, {cx + 24, 20}, {cx + 20, 56}, {cx + 14, 78}, {cx - 14, 78}, {cx - 20, 56}},
                0.7);
          },
          Hex("#6a3a24"), {.outline = 2});
      Cel(cr, [&](cairo_t* c2) { Ellipse(c2, cx, 66, 14, 10); }, Hex("#9a6a4a"), {.outline = 1.4});
      Fill(
          cr,
          [&](cairo_t* c2) {
            Ellipse(c2, cx - 5, 67, 2.5, 3);
            Ellipse(c2, cx + 5, 67, 2.5, 3);
          },
          Hex("#1a0a08"));
      Fill(
          cr,
          [&](cairo_t* c2) {
            Ellipse(c2, cx - 10, 38, 4, 3);
            Ellipse(c2, cx + 10, 38, 4, 3);
          },
          Hex("#e83a1a"));
      Stroke(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx, 76, 6, 4); }, kGold, 2);
      break;
  }
}

void Amulet(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  Stroke(
      cr, [](cairo_t* c2) { cairo_arc(c2, 20, 14, 14, M_PI * 1.05, M_PI * 1.95); }, Hex("#c8a040"), 2);
  switch (n) {
    case 1:
      Cel(cr, [](cairo_t* c2) { Ellipse(c2, 20, 24, 10, 12); }, Hex("#c8c8d8"), {.outline = 1.3});
      Gem(cr, 20, 24, 7, Hex("#2a5ae8"));
      break;
    case 2:
      Cel(cr,
          [](cairo_t* c2) {
            SmoothClosed(c2, {{20, 12}, {30, 22}, {26, 34}, {20, 37}, {14, 34}, {10, 22}}, 0.8);
          },
          Hex("#4a9a3a"), {.outline = 1.3});
      Line(cr, 20, 14, 20, 35, Hex("#2a5a20"), 1.2);
      break;
    case 3:
      Cel(cr, [](cairo_t* c2) { Ellipse(c2, 20, 25, 14, 10); }, kGold, {.outline = 1.3});
      Fill(
          cr, [](cairo_t* c2) { Ellipse(c2, 20, 25, 10, 6); }, Grey(240));
      Fill(
          cr, [](cairo_t* c2) { Ellipse(c2, 20, 25, 5, 5); }, Hex("#c82a8a"));
      Fill(
          cr, [](cairo_t* c2) { Ellipse(c2, 20, 25, 2, 3.5); }, Hex("#140808"));
      break;
    case 4:
      for (int i = -2; i <= 2; ++i) {
        double x = 20 + i * 6, y = 20 + (2 - std::abs(i)) * 2.5;
        Cel(cr,
            [&](cairo_t* c2) {
              Polygon(c2, {{x - 2.5, y}, {x + 2.5, y}, {x, y + 12}});
            },
            Hex("#ece2c8"), {.outline = 1});
      }
      break;
    default:
      for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6;
        Line(cr, 20 + std::cos(a) * 8, 25 + std::sin(a) * 8, 20 + std::cos(a) * 14, 25 + std::sin(a) * 14,
             Hex("#e8a020"), 2.2);
      }
      Cel(cr, [](cairo_t* c2) { Ellipse(c2, 20, 25, 9, 9); }, kGold, {.outline = 1.3, .light = 0.5});
      Gem(cr, 20, 25, 4, Hex("#e84a1a"));
      break;
  }
}

void Potion(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  // Red heals; the boosts are the brown brew, the blue tonic and the violet
  // draught their descriptions speak of.
  const Rgb liquids[4] = {Hex("#d02a2a"), Hex("#a8561c"), Hex("#2a6ae8"), Hex("#8a3ad8")};
  auto bottle = [](cairo_t* c2) {
    cairo_move_to(c2, 15, 10);
    cairo_line_to(c2, 25, 10);
    cairo_line_to(c2, 25, 28);
    cairo_curve_to(c2, 38, 36, 38, 76, 20, 77);
    cairo_curve_to(c2, 2, 76, 2, 36, 15, 28);
    cairo_close_path(c2);
  };
  Fill(cr, bottle, Hex("#c8dce8"), 1);
  cairo_save(cr);
  cairo_new_path(cr);
  bottle(cr);
  cairo_clip(cr);
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 0, 40, 40, 40); }, liquids[n - 1],
      {.outline = 0, .offset = 4});
  cairo_restore(cr);
  Stroke(cr, bottle, Hex("#3a4a5a"), 1.6);
  Line(cr, 11, 44, 11, 66, Grey(245), 2.5, 0.8);
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 13, 3, 14, 10, 2); }, Hex("#a8784a"), {.outline = 1.3});
}

}  // namespace

void AddArmourPictures(PictureList& l) {
  const int shieldSizes[10][2] = {{80, 80},   {120, 120}, {160, 120}, {120, 120}, {120, 120},
                                  {120, 160}, {120, 160}, {160, 160}, {120, 200}, {160, 200}};
  for (int i = 1; i <= 10; ++i)
    l.push_back({"item_b" + std::to_string(i) + ".png", shieldSizes[i - 1][0], shieldSizes[i - 1][1],
                 "items_armour", kPlain, [i](Canvas& c) { Shield(c, i); }});
  const int armourSizes[5][2] = {{160, 200}, {160, 160}, {160, 200}, {120, 160}, {200, 200}};
  for (int i = 1; i <= 5; ++i)
    l.push_back({"item_c" + std::to_string(i) + ".png", armourSizes[i - 1][0], armourSizes[i - 1][1],
                 "items_armour", kPlain, [i](Canvas& c) { Armour(c, i); }});
  for (int i = 1; i <= 10; ++i)
    l.push_back({"item_d" + std::to_string(i) + ".png", 80, i == 3 ? 40 : 80, "items_armour", kPlain,
                 [i](Canvas& c) { Helm(c, i); }});
  for (int i = 1; i <= 5; ++i)
    l.push_back({"item_e" + std::to_string(i) + ".png", 40, 40, "items_armour", kPlain,
                 [i](Canvas& c) { Amulet(c, i); }});
  for (int i = 1; i <= 4; ++i)
    l.push_back({"item_f" + std::to_string(i) + ".png", 40, 80, "items_armour", kPlain,
                 [i](Canvas& c) { Potion(c, i); }});
}

}  // namespace vv::gen
