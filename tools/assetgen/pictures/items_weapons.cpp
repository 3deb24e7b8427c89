// The twenty weapons, each standing upright in its inventory footprint.

#include <cmath>
#include <string>

#include "item_kit.h"
#include "picture_table.h"

namespace vv::gen {
namespace {
using namespace metal;

void Sword(cairo_t* cr, double cx, double h, double bladeW, double guardW, Rgb steel, Rgb hilt, Rgb grip) {
  double gripLen = h * 0.2;
  Blade(cr, cx, 3, h - gripLen - 8, bladeW, steel);
  Guard(cr, cx, h - gripLen - 7, guardW, 6, hilt);
  Grip(cr, cx, h - gripLen - 4, h - 9, bladeW * 0.6 + 2, grip);
  Pommel(cr, cx, h - 6, bladeW * 0.35 + 2, hilt);
}

void AxeHead(cairo_t* cr, double x, double y, double w, double h, Rgb steel, bool doubleBit) {
  Cel(cr,
      [&](cairo_t* c) {
        cairo_move_to(c, x, y + h * 0.3);
        cairo_curve_to(c, x + w * 0.6, y + h * 0.2, x + w, y - h * 0.05, x + w, y);
        cairo_curve_to(c, x + w * 1.1, y + h * 0.5, x + w * 1.1, y + h * 0.5, x + w, y + h);
        cairo_curve_to(c, x + w, y + h * 1.05, x + w * 0.6, y + h * 0.8, x, y + h * 0.7);
        cairo_close_path(c);
        if (doubleBit) {
          cairo_move_to(c, x, y + h * 0.3);
          cairo_curve_to(c, x - w * 0.6, y + h * 0.2, x - w, y - h * 0.05, x - w, y);
          cairo_curve_to(c, x - w * 1.1, y + h * 0.5, x - w * 1.1, y + h * 0.5, x - w, y + h);
          cairo_curve_to(c, x - w, y + h * 1.05, x - w * 0.6, y + h * 0.8, x, y + h * 0.7);
          cairo_close_path(c);
        }
      },
      steel, {.outline = 1.6, .light = 0.4});
  Line(cr, x + w * 0.9, y + 3, x + w * 0.95, y + h - 3, Lighter(steel, 0.6), 1.5, 0.9);
}

void Draw(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  double w = c.width(), h = c.height(), cx = w / 2;
  switch (n) {
    case 1:  // Dagger
      Sword(cr, cx, h, 10, 24, kSteel, kBronze, kLeather);
      break;
    case 2:  // Elven Dagger: leaf blade, green grip
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2, {{cx, 3}, {cx + 7, 22}, {cx + 4, 50}, {cx - 4, 50}, {cx - 7, 22}}, 0.8);
          },
          Hex("#d0dce8"), {.outline = 1.5, .light = 0.45});
      Line(cr, cx, 10, cx, 47, Hex("#8aa0b8"), 1.2);
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, cx - 13, 48);
            cairo_curve_to(c2, cx - 6, 56, cx + 6, 56, cx + 13, 48);
            cairo_curve_to(c2, cx + 6, 53, cx - 6, 53, cx - 13, 48);
          },
          kGold, {.outline = 1.3});
      Grip(cr, cx, 53, 71, 7, Hex("#3a7a4a"));
      Gem(cr, cx, 74, 4, Hex("#4ad080"));
      break;
    case 3:  // Club
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2,
                         {{cx - 4, h - 4},
                          {cx - 5, h * 0.55},
                          {cx - 14, h * 0.2},
                          {cx - 10, 5},
                          {cx + 10, 4},
                          {cx + 15, h * 0.22},
                          {cx + 5, h * 0.55},
                          {cx + 4, h - 4}},
                         0.7);
          },
          kWood, {.outline = 1.6});
      for (Pt k : {Pt{cx - 6, 20}, Pt{cx + 5, 34}, Pt{cx - 2, 50}})
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, k.x, k.y, 2.5, 2); }, kDarkWood);
      Grip(cr, cx, h - 30, h - 4, 10, kLeather);
      break;
    case 4:  // Wooden Staff
      Pole(cr, cx, 30, cx, h - 4, 9, kWood);
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2,
                         {{cx - 5, 34}, {cx - 13, 18}, {cx - 6, 4}, {cx + 4, 2}, {cx + 13, 14}, {cx + 6, 34}},
                         0.8);
          },
          kWood, {.outline = 1.6});
      Gem(cr, cx, 18, 6, Hex("#40c8e0"));
      for (double y : {70.0, 120.0})
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, cx + 2, y, 2, 3); }, kDarkWood);
      Grip(cr, cx, 92, 116, 11, kLeather);
      break;
    case 5:  // Short Sword
      Sword(cr, cx, h, 11, 30, kSteel, kIron, kLeather);
      break;
    case 6:  // Hand Axe
      Pole(cr, cx, 10, cx, h - 4, 8, kWood);
      AxeHead(cr, cx + 2, 8, 15, 28, kSteel, false);
      Grip(cr, cx, h - 34, h - 6, 9, kLeather);
      break;
    case 7: {  // Bull Whip: coiled leather with a handle
      for (int i = 0; i < 3; ++i)
        Stroke(
            cr, [&](cairo_t* c2) { Ellipse(c2, 62, 58, 40 - i * 9, 34 - i * 8); }, Darker(kLeather, 0.5), 6);
      for (int i = 0; i < 3; ++i)
        Stroke(
            cr, [&](cairo_t* c2) { Ellipse(c2, 62, 58, 40 - i * 9, 34 - i * 8); }, kLeather, 4);
      Stroke(
          cr,
          [](cairo_t* c2) {
            cairo_move_to(c2, 100, 66);
            cairo_curve_to(c2, 112, 90, 96, 104, 114, 114);
          },
          kLeather, 3);
      cairo_save(cr);
      cairo_translate(cr, 30, 92);
      cairo_rotate(cr, -0.8);
      Grip(cr, 0, -20, 20, 10, Hex("#4a2a18"));
      Pommel(cr, 0, 22, 5, kBronze);
      cairo_restore(cr);
      break;
    }
    case 8:  // Sickle
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, 34, 72);
            cairo_curve_to(c2, 4, 60, 6, 8, 52, 6);
            cairo_curve_to(c2, 70, 7, 76, 16, 74, 24);
            cairo_curve_to(c2, 64, 14, 24, 16, 30, 56);
            cairo_close_path(c2);
          },
          kSteel, {.outline = 1.6, .light = 0.4});
      Grip(cr, 36, 70, h - 4, 11, kWood);
      break;
    case 9:  // Ant Mandible: curved chitin with a wrapped grip
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, 30, 84);
            cairo_curve_to(c2, 10, 60, 20, 14, 60, 4);
            cairo_curve_to(c2, 50, 20, 42, 30, 52, 36);
            cairo_curve_to(c2, 40, 40, 38, 60, 50, 84);
            cairo_close_path(c2);
          },
          Hex("#8a3a1e"), {.outline = 1.8, .light = 0.35});
      for (int i = 0; i < 4; ++i)
        Line(cr, 26 + i * 4, 36 + i * 10, 33 + i * 4, 38 + i * 10, Hex("#5a1e10"), 1.4);
      Grip(cr, 40, 82, h - 4, 16, Hex("#c8b080"));
      break;
    case 10:  // Pitchfork
      Pole(cr, cx, 44, cx, h - 4, 8, kWood);
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 24, 38, 48, 8, 3); }, kIron, {.outline = 1.4});
      for (int i = -1; i <= 1; ++i)
        Cel(cr,
            [&](cairo_t* c2) {
              Polygon(c2, {{cx + i * 20 - 3, 42},
                           {cx + i * 20 - 2, 8},
                           {cx + i * 20, 2},
                           {cx + i * 20 + 2, 8},
                           {cx + i * 20 + 3, 42}});
            },
            kIron, {.outline = 1.3});
      break;
    case 11:  // Long Sword
      Sword(cr, cx, h, 12, 34, Hex("#c8d0dc"), kSteel, Hex("#3a2a4a"));
      break;
    case 12:  // Axe: big bearded head
      Pole(cr, cx - 10, 8, cx - 10, h - 4, 9, kWood);
      AxeHead(cr, cx - 8, 10, 40, 52, kSteel, false);
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 16, 20, 12, 30, 3); }, kIron, {.outline = 1.3});
      Grip(cr, cx - 10, h - 40, h - 6, 10, kLeather);
      break;
    case 13:  // Caveman's Club: a huge knobbly bone club
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2,
                         {{cx - 4, h - 4},
                          {cx - 5, h * 0.6},
                          {cx - 11, h * 0.25},
                          {cx - 8, 5},
                          {cx + 8, 6},
                          {cx + 11, h * 0.28},
                          {cx + 5, h * 0.6},
                          {cx + 4, h - 4}},
                         0.7);
          },
          Hex("#6a4428"), {.outline = 1.8});
      // The spikes stand out of the knobs and end inside the picture.
      for (Pt k : {Pt{cx - 9, 24}, Pt{cx + 9, 42}, Pt{cx - 9, 58}, Pt{cx + 8, 16}})
        Cel(cr,
            [&](cairo_t* c2) {
              Polygon(c2, {{k.x, k.y - 4}, {k.x + (k.x < cx ? -7 : 7), k.y}, {k.x, k.y + 4}});
            },
            Hex("#e8dcc0"), {.outline = 1});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 8, h - 48, 16, 8, 3); }, Hex("#c8b080"),
          {.outline = 1.2});
      break;
    case 14: {  // Flail
      Grip(cr, 26, 70, h - 4, 11, kDarkWood);
      Cel(cr, [](cairo_t* c2) { RoundRect(c2, 19, 64, 14, 8, 3); }, kIron, {.outline = 1.2});
      for (int i = 0; i < 5; ++i)
        Stroke(
            cr, [&](cairo_t* c2) { Ellipse(c2, 30 + i * 5, 58 - i * 6, 3, 2.2); }, kIron, 1.8);
      double bx = 56, by = 24;
      for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4;
        Cel(cr,
            [&](cairo_t* c2) {
              Polygon(c2, {{bx + std::cos(a - 0.3) * 14, by + std::sin(a - 0.3) * 14},
                           {bx + std::cos(a) * 22, by + std::sin(a) * 22},
                           {bx + std::cos(a + 0.3) * 14, by + std::sin(a + 0.3) * 14}});
            },
            kSteel, {.outline = 1});
      }
      Cel(cr, [&](cairo_t* c2) { Ellipse(c2, bx, by, 15, 15); }, kIron, {.outline = 1.6});
      break;
    }
    case 15:  // Scythe
      Pole(cr, 52, 10, 34, h - 4, 8, kWood);
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, 54, 8);
            cairo_curve_to(c2, 30, -2, 8, 12, 3, 44);
            cairo_curve_to(c2, 16, 24, 34, 18, 54, 20);
            cairo_close_path(c2);
          },
          kSteel, {.outline = 1.6, .light = 0.4});
      Pole(cr, 28, 96, 46, 92, 6, kWood);
      break;
    case 16:  // Sledge
      Pole(cr, cx, 40, cx, h - 4, 10, kWood);
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, 6, 6, 68, 36, 5); }, kIron, {.outline = 1.8});
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_rectangle(c2, 2, 10, 8, 28);
            cairo_rectangle(c2, 70, 10, 8, 28);
          },
          kSteel, {.outline = 1.4});
      Grip(cr, cx, h - 40, h - 6, 11, kLeather);
      break;
    case 17:  // Pike
      Pole(cr, cx, 40, cx, h - 4, 8, kWood);
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{cx, 2}, {cx + 8, 26}, {cx + 4, 44}, {cx - 4, 44}, {cx - 8, 26}});
          },
          kSteel, {.outline = 1.5, .light = 0.45});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 6, 42, 12, 8, 2); }, kIron, {.outline = 1.2});
      break;
    case 18:  // Halberd
      Pole(cr, cx, 20, cx, h - 4, 7, kDarkWood);
      Cel(cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{cx, 4}, {cx + 4, 22}, {cx - 4, 22}});
          },
          kSteel, {.outline = 1.3});
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, cx + 2, 24);
            cairo_curve_to(c2, cx + 11, 18, cx + 15, 20, cx + 15, 23);
            cairo_line_to(c2, cx + 15, 52);
            cairo_curve_to(c2, cx + 11, 52, cx + 7, 50, cx + 2, 46);
            cairo_close_path(c2);
            Polygon(c2, {{cx - 2, 30}, {cx - 15, 36}, {cx - 2, 40}});
          },
          kSteel, {.outline = 1.4, .light = 0.4});
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, cx - 5, 54, 10, 6, 2); }, kGold, {.outline = 1.1});
      break;
    case 19:  // Giant Sword
      Sword(cr, cx, h, 17, 34, Hex("#d0d8e4"), kGold, Hex("#6a1a1a"));
      Gem(cr, cx, h - 6 - 0, 4, Hex("#e83a3a"));
      break;
    case 20: {  // Gargantuan Maul: gold-banded giant hammer with runes
      Pole(cr, cx, 70, cx, h - 4, 14, Hex("#4a2a1a"));
      Cel(cr, [&](cairo_t* c2) { RoundRect(c2, 6, 8, 108, 64, 10); }, Hex("#6a6a78"), {.outline = 2});
      Cel(cr,
          [&](cairo_t* c2) {
            cairo_rectangle(c2, 22, 6, 10, 68);
            cairo_rectangle(c2, 88, 6, 10, 68);
          },
          kGold, {.outline = 1.5});
      Stroke(
          cr,
          [&](cairo_t* c2) {
            cairo_move_to(c2, 50, 22);
            cairo_line_to(c2, 60, 40);
            cairo_line_to(c2, 70, 22);
            cairo_move_to(c2, 60, 40);
            cairo_line_to(c2, 60, 58);
          },
          Hex("#40d0ff"), 3);
      Grip(cr, cx, h - 60, h - 8, 15, Hex("#7a2a1a"));
      Pommel(cr, cx, h - 6, 8, kGold);
      break;
    }
  }
}

const int kWeaponSizes[20][2] = {{40, 80},  {40, 80},  {40, 120}, {40, 200}, {40, 120}, {40, 120}, {120, 120},
                                 {80, 120}, {80, 120}, {80, 160}, {40, 160}, {80, 160}, {40, 160}, {80, 120},
                                 {80, 160}, {80, 120}, {40, 200}, {40, 200}, {40, 200}, {120, 200}};

}  // namespace

void AddWeaponPictures(PictureList& l) {
  for (int i = 1; i <= 20; ++i)
    l.push_back({"item_a" + std::to_string(i) + ".png", kWeaponSizes[i - 1][0], kWeaponSizes[i - 1][1],
                 "items_weapons", kPlain, [i](Canvas& c) { Draw(c, i); }});
}

}  // namespace vv::gen
