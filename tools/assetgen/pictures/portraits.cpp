// The seven hero portraits: heads and shoulders on transparency, drawn over
// the tinted backing tile. Six ordinary heroes and the special champion.

#include <cmath>
#include <string>
#include <vector>

#include "panels.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

enum class Hair { kShort, kPonytail, kLongWhite, kBraids, kBald, kLongStraight, kFlatTop };
enum class Hat { kNone, kHood, kWizard, kCirclet, kHeadband };

struct Hero {
  Rgb skin, hair, eyes, clothes, trim;
  Hair hair_style;
  Hat hat;
  double jaw = 1.0;  // width of the jaw relative to the head
  bool beard = false, stubble = false, eyepatch = false, freckles = false, elf = false, grin = false;
  double brows = 0;  // tilt of the eyebrows
  double headW = 23, headH = 28;
  double shoulders = 50;
};

void Eye(cairo_t* cr, double x, double y, const Hero& h, bool left) {
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, x, y, 4.2, 2.9); }, Grey(240));
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, x + (left ? 0.6 : -0.6), y + 0.2, 2.3, 2.5); }, h.eyes);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, x + (left ? 0.6 : -0.6), y + 0.2, 1.1, 1.2); }, Hex("#140c0c"));
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, x - 0.6, y - 0.8, 0.7, 0.7); }, Grey(248));
  Stroke(
      cr, [&](cairo_t* c) { cairo_arc(c, x, y + 1.2, 4.6, M_PI * 1.1, M_PI * 1.9); }, Darker(h.skin, 0.65),
      1.4);
}

void DrawHero(Canvas& canvas, const Hero& h) {
  cairo_t* cr = canvas.cr();
  const double cx = 57, cy = 52;
  const Rgb skinDark = Darker(h.skin, 0.3);
  // Hair that falls behind the head and shoulders.
  if (h.hair_style == Hair::kLongWhite || h.hair_style == Hair::kLongStraight ||
      h.hair_style == Hair::kBraids)
    Cel(cr,
        [&](cairo_t* c) {
          SmoothClosed(
              c,
              {{cx - 28, cy - 10}, {cx, cy - 36}, {cx + 28, cy - 10}, {cx + 30, cy + 40}, {cx - 30, cy + 40}},
              0.8);
        },
        Darker(h.hair, 0.15), {.outline = 2});
  if (h.hair_style == Hair::kPonytail)
    Cel(cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{cx + 18, cy - 20}, {cx + 34, cy - 8}, {cx + 36, cy + 24}, {cx + 26, cy + 8}},
                       0.9);
        },
        h.hair, {.outline = 2});
  // Shoulders and neck.
  double sw = h.shoulders;
  Cel(cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{cx - sw, 116},
                      {cx - sw + 4, 98},
                      {cx - 18, 86},
                      {cx + 18, 86},
                      {cx + sw - 4, 98},
                      {cx + sw, 116}},
                     0.6);
      },
      h.clothes, {.outline = 2});
  Cel(cr, [&](cairo_t* c) { RoundRect(c, cx - 10, cy + 14, 20, 22, 6); }, skinDark, {.outline = 1.5});
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx - 16, 88}, {cx, 100}, {cx + 16, 88}, {cx + 12, 86}, {cx, 95}, {cx - 12, 86}});
      },
      h.trim, {.outline = 1.2});
  // Ears.
  for (int s : {-1, 1}) {
    double ex = cx + s * (h.headW - 1);
    if (h.elf)
      Cel(cr,
          [&](cairo_t* c) {
            Polygon(c, {{ex, cy - 4}, {ex + s * 13, cy - 16}, {ex + s * 4, cy + 8}});
          },
          h.skin, {.outline = 1.4});
    else
      Cel(cr, [&](cairo_t* c) { Ellipse(c, ex, cy + 2, 5, 7); }, h.skin, {.outline = 1.4});
  }
  // Head with its jaw.
  double w = h.headW, hh = h.headH, j = h.jaw;
  Cel(cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{cx - w, cy - 4},
                      {cx - w * 0.8, cy - hh * 0.8},
                      {cx, cy - hh},
                      {cx + w * 0.8, cy - hh * 0.8},
                      {cx + w, cy - 4},
                      {cx + w * 0.85 * j, cy + hh * 0.55},
                      {cx + w * 0.4 * j, cy + hh * 0.95},
                      {cx - w * 0.4 * j, cy + hh * 0.95},
                      {cx - w * 0.85 * j, cy + hh * 0.55}},
                     0.75);
      },
      h.skin, {.outline = 2, .shade = 0.25, .light = 0.2});
  // Cheeks and stubble.
  if (h.stubble)
    Fill(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c,
                       {{cx - w * 0.85 * j, cy + 6},
                        {cx + w * 0.85 * j, cy + 6},
                        {cx + w * 0.4 * j, cy + hh * 0.93},
                        {cx - w * 0.4 * j, cy + hh * 0.93}},
                       0.8);
        },
        Mix(h.skin, Hex("#3a3030"), 0.35), 0.8);
  Fill(
      cr,
      [&](cairo_t* c) {
        Ellipse(c, cx - 13, cy + 9, 4.5, 2.5);
        Ellipse(c, cx + 13, cy + 9, 4.5, 2.5);
      },
      Hex("#e07a6a"), 0.25);
  if (h.freckles) {
    Rng rng(77);
    for (int i = 0; i < 10; ++i) {
      double fx = cx + (i % 2 ? 1 : -1) * rng.Uniform(7, 15), fy = cy + rng.Uniform(3, 9);
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, fx, fy, 0.8, 0.8); }, Hex("#a0583a"), 0.8);
    }
  }
  // Eyes and brows.
  double ey = cy + 1;
  if (h.eyepatch) {
    Eye(cr, cx + 9, ey, h, false);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, cx - 9, ey, 6, 5); }, Hex("#1a1414"));
    Line(cr, cx - 24, cy - 12, cx + 22, cy + 4, Hex("#1a1414"), 1.6);
  } else if (h.grin) {
    // Small, close-set eyes under a heavy brow.
    for (int s : {-1, 1}) {
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, cx + s * 7, ey, 2.6, 2.2); }, Grey(240));
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, cx + s * 7, ey + 0.3, 1.3, 1.4); }, Hex("#2a3a8a"));
    }
  } else {
    Eye(cr, cx - 9, ey, h, true);
    Eye(cr, cx + 9, ey, h, false);
  }
  Rgb brow = h.hair_style == Hair::kBald ? Hex("#5a4030") : Darker(h.hair, 0.25);
  for (int s : {-1, 1}) {
    double bx = cx + s * (h.grin ? 7 : 9);
    double thick = h.grin ? 3.4 : 2.2;
    if (h.eyepatch && s < 0) continue;
    Line(cr, bx - 5, ey - 6 + s * h.brows, bx + 5, ey - 6 - s * h.brows, brow, thick);
  }
  // Nose.
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, cx - 1, ey + 2);
        cairo_curve_to(c, cx - 3, ey + 9, cx - 4, ey + 11, cx, ey + 12);
      },
      skinDark, 1.5);
  if (h.grin)
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, cx, ey + 11, 4.5, 3); }, Darker(h.skin, 0.12));
  // Mouth.
  double my = cy + hh * 0.62;
  if (h.grin) {
    Cel(cr,
        [&](cairo_t* c) {
          cairo_move_to(c, cx - 12, my - 3);
          cairo_curve_to(c, cx - 6, my + 9, cx + 6, my + 9, cx + 12, my - 3);
          cairo_close_path(c);
        },
        Hex("#5a1a1a"), {.outline = 1.4});
    Fill(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, cx - 11, my - 2.5);
          cairo_line_to(c, cx + 11, my - 2.5);
          cairo_line_to(c, cx + 9, my + 1.5);
          cairo_line_to(c, cx - 9, my + 1.5);
          cairo_close_path(c);
        },
        Grey(242));
    Fill(
        cr, [&](cairo_t* c) { cairo_rectangle(c, cx + 1, my - 2.5, 3, 4); }, Hex("#3a1010"));
  } else if (!h.beard) {
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, cx - 6, my);
          cairo_curve_to(c, cx - 2, my + 2.5, cx + 3, my + 2.5, cx + 7, my - 1.5);
        },
        Hex("#8a3a30"), 1.8);
  }
  // Beard.
  if (h.beard) {
    Cel(cr,
        [&](cairo_t* c) {
          SmoothClosed(c,
                       {{cx - w * 0.9, cy + 4},
                        {cx - 6, my - 3},
                        {cx + 6, my - 3},
                        {cx + w * 0.9, cy + 4},
                        {cx + 14, cy + 44},
                        {cx, cy + 58},
                        {cx - 14, cy + 44}},
                       0.8);
        },
        h.hair, {.outline = 1.8});
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, cx - 5, my);
          cairo_curve_to(c, cx - 2, my + 2, cx + 2, my + 2, cx + 5, my);
        },
        Hex("#6a2a24"), 1.6);
    for (int i = -2; i <= 2; ++i)
      Line(cr, cx + i * 5, my + 8, cx + i * 4, my + 22, Darker(h.hair, 0.25), 1, 0.7);
  }
  // Front hair.
  switch (h.hair_style) {
    case Hair::kShort:
      Cel(cr,
          [&](cairo_t* c) {
            SmoothClosed(c,
                         {{cx - w - 1, cy - 2},
                          {cx - w, cy - hh * 0.8},
                          {cx - 4, cy - hh - 5},
                          {cx + w, cy - hh * 0.75},
                          {cx + w + 1, cy - 4},
                          {cx + w * 0.7, cy - hh * 0.5},
                          {cx - 2, cy - hh * 0.62},
                          {cx - w * 0.7, cy - hh * 0.45}},
                         0.8);
          },
          h.hair, {.outline = 1.8});
      break;
    case Hair::kPonytail:
    case Hair::kLongStraight:
    case Hair::kLongWhite:
    case Hair::kBraids:
      Cel(cr,
          [&](cairo_t* c) {
            SmoothClosed(c,
                         {{cx - w - 3, cy + 8},
                          {cx - w - 1, cy - hh * 0.8},
                          {cx, cy - hh - 4},
                          {cx + w + 1, cy - hh * 0.8},
                          {cx + w + 3, cy + 8},
                          {cx + w * 0.75, cy - hh * 0.4},
                          {cx + 6, cy - hh * 0.66},
                          {cx - 10, cy - hh * 0.55},
                          {cx - w * 0.8, cy - hh * 0.3}},
                         0.8);
          },
          h.hair, {.outline = 1.8});
      if (h.hair_style == Hair::kBraids)
        for (int s : {-1, 1})
          for (int k = 0; k < 4; ++k)
            Cel(cr, [&](cairo_t* c) { Ellipse(c, cx + s * (w + 3), cy + 12 + k * 8, 4, 4.5); }, h.hair,
                {.outline = 1.4});
      break;
    case Hair::kFlatTop:
      Cel(cr,
          [&](cairo_t* c) {
            // A bristly top of short tufts, so it reads as hair cut
            // short, never as a picture cut off.
            std::vector<Pt> outline = {{cx - w - 1, cy - 6}, {cx - w + 1, cy - hh + 1}};
            for (int k = -4; k <= 4; ++k) {
              outline.push_back({cx + k * (w - 1) / 4.0, cy - hh - 5 + std::abs(k) * 0.6});
              if (k < 4) outline.push_back({cx + (k + 0.5) * (w - 1) / 4.0, cy - hh});
            }
            outline.insert(outline.end(), {{cx + w - 1, cy - hh + 1},
                                           {cx + w + 1, cy - 6},
                                           {cx + w * 0.8, cy - hh * 0.55},
                                           {cx - w * 0.8, cy - hh * 0.55}});
            Polygon(c, outline);
          },
          h.hair, {.outline = 1.8});
      for (int k = -4; k <= 4; ++k)
        Line(cr, cx + k * w / 5, cy - hh - 1, cx + k * w / 5, cy - hh + 6, Darker(h.hair, 0.3), 1.2);
      break;
    case Hair::kBald:
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, cx - 8, cy - hh * 0.7, 7, 3.5); }, Lighter(h.skin, 0.4), 0.7);
      break;
  }
  // Headgear.
  switch (h.hat) {
    case Hat::kHood:
      Cel(cr,
          [&](cairo_t* c) {
            cairo_set_fill_rule(c, CAIRO_FILL_RULE_EVEN_ODD);
            SmoothClosed(c,
                         {{cx - w - 9, cy + 30},
                          {cx - w - 6, cy - hh},
                          {cx + 4, cy - hh - 14},
                          {cx + w + 8, cy - hh * 0.7},
                          {cx + w + 9, cy + 30}},
                         0.8);
            SmoothClosed(c,
                         {{cx - w + 1, cy + 26},
                          {cx - w + 1, cy - hh * 0.6},
                          {cx, cy - hh - 3},
                          {cx + w - 1, cy - hh * 0.6},
                          {cx + w - 1, cy + 26}},
                         0.8);
          },
          h.trim, {.outline = 2});
      break;
    case Hat::kWizard:
      Cel(cr, [&](cairo_t* c) { Ellipse(c, cx, cy - hh * 0.72, w + 14, 7); }, h.trim, {.outline = 2});
      Cel(cr,
          [&](cairo_t* c) {
            // The tip folds over to the side, so the whole hat stays
            // inside the portrait.
            SmoothOpen(c, {{cx - w + 2, cy - hh * 0.75},
                           {cx - 4, cy - hh - 12},
                           {cx + 12, cy - hh - 19},
                           {cx + 32, cy - hh - 12}});
            cairo_line_to(c, cx + 12, cy - hh - 7);
            cairo_line_to(c, cx + w - 2, cy - hh * 0.75);
            cairo_close_path(c);
          },
          h.trim, {.outline = 2});
      for (Pt s : {Pt{cx - 4, cy - hh - 6}, Pt{cx + 8, cy - hh - 13}, Pt{cx + 10, cy - hh - 2}})
        Fill(
            cr,
            [&](cairo_t* c) {
              Polygon(c, {{s.x, s.y - 3},
                          {s.x + 1, s.y - 1},
                          {s.x + 3, s.y},
                          {s.x + 1, s.y + 1},
                          {s.x, s.y + 3},
                          {s.x - 1, s.y + 1},
                          {s.x - 3, s.y},
                          {s.x - 1, s.y - 1}});
            },
            Hex("#f0d860"));
      break;
    case Hat::kCirclet:
      Stroke(
          cr, [&](cairo_t* c) { cairo_arc(c, cx, cy + 6, w + 1, M_PI * 1.15, M_PI * 1.85); }, Hex("#e8c050"),
          3);
      Cel(cr,
          [&](cairo_t* c) {
            Polygon(c, {{cx, cy - hh * 0.62 - 6},
                        {cx + 4, cy - hh * 0.62},
                        {cx, cy - hh * 0.62 + 5},
                        {cx - 4, cy - hh * 0.62}});
          },
          Hex("#c83aa8"), {.outline = 1});
      break;
    case Hat::kHeadband:
      Cel(cr,
          [&](cairo_t* c) {
            Polygon(
                c,
                {{cx - w - 1, cy - 12}, {cx + w + 1, cy - 12}, {cx + w + 1, cy - 5}, {cx - w - 1, cy - 5}});
          },
          h.trim, {.outline = 1.5});
      Cel(cr,
          [&](cairo_t* c) {
            Polygon(c, {{cx + w, cy - 10}, {cx + w + 14, cy - 14}, {cx + w + 12, cy - 4}});
          },
          h.trim, {.outline = 1.5});
      break;
    case Hat::kNone:
      break;
  }
}

Hero HeroOf(int n) {
  Hero h;
  switch (n) {
    case 1:  // young fighter
      h = {Hex("#f0c098"), Hex("#7a4a22"), Hex("#4a7ab8"), Hex("#9a9aa8"),
           Hex("#b83a2a"), Hair::kShort,   Hat::kNone};
      h.jaw = 1.05;
      h.brows = 1.2;
      break;
    case 2:  // rogue with a hood and freckles
      h = {Hex("#f4c8a8"), Hex("#b8502a"),  Hex("#3a8a4a"), Hex("#4a5a30"),
           Hex("#3a6a34"), Hair::kPonytail, Hat::kHood};
      h.freckles = true;
      h.jaw = 0.85;
      h.headW = 21;
      h.brows = -0.8;
      break;
    case 3:  // old sorcerer
      h = {Hex("#e8b890"), Hex("#e0ddd8"),   Hex("#5a6ab8"), Hex("#3a4a9a"),
           Hex("#2a3a8a"), Hair::kLongWhite, Hat::kWizard};
      h.beard = true;
      h.brows = 1.5;
      break;
    case 4:  // warrior-mage with braids and a circlet
      h = {Hex("#8a5a3a"), Hex("#1e1418"), Hex("#6a3a1a"), Hex("#6a3a8a"),
           Hex("#c8a040"), Hair::kBraids,  Hat::kCirclet};
      h.jaw = 0.88;
      h.headW = 22;
      break;
    case 5:  // bald rogue with an eye patch
      h = {Hex("#d8a07a"), Hex("#3a2a20"), Hex("#6a5a3a"), Hex("#5a3a24"),
           Hex("#2a2a2a"), Hair::kBald,    Hat::kNone};
      h.eyepatch = true;
      h.stubble = true;
      h.jaw = 1.08;
      h.brows = -1.5;
      break;
    case 6:  // elven sorceress
      h = {Hex("#f8dcc8"), Hex("#e8c860"),      Hex("#2aa8a0"), Hex("#2a8a8a"),
           Hex("#e8e0c0"), Hair::kLongStraight, Hat::kNone};
      h.elf = true;
      h.jaw = 0.8;
      h.headW = 21;
      break;
    default:  // the champion: all jaw and neck, a gap-toothed grin and a headband
      h = {Hex("#e8a878"), Hex("#f0d050"), Hex("#2a3a8a"), Hex("#7a5a3a"),
           Hex("#c82a2a"), Hair::kFlatTop, Hat::kHeadband};
      h.grin = true;
      h.stubble = true;
      h.jaw = 1.3;
      h.headW = 25;
      h.headH = 29;
      h.shoulders = 60;
      h.brows = -1.8;
      break;
  }
  return h;
}

void DrawPortrait(Canvas& c, int n) {
  Hero h = HeroOf(n);
  DrawHero(c, h);
  cairo_t* cr = c.cr();
  if (n == 7) {
    // Fur pauldrons over the champion's huge shoulders.
    for (int s : {-1, 1})
      Cel(cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2,
                         {{57.0 + s * 22, 92},
                          {57.0 + s * 40, 84},
                          {57.0 + s * 58, 96},
                          {57.0 + s * 58, 116},
                          {57.0 + s * 28, 116}},
                         0.8);
          },
          Hex("#8a6a4a"), {.outline = 2});
  }
  if (n == 1)
    for (int s : {-1, 1})
      Cel(cr, [&](cairo_t* c2) { Ellipse(c2, 57 + s * 40, 104, 18, 13); }, Hex("#a8a8b8"), {.outline = 2});
}

}  // namespace

void AddPortraitPictures(PictureList& l) {
  for (int i = 1; i <= 7; ++i)
    l.push_back({"face_" + std::to_string(i) + ".png", 114, 114, "portraits", kPlain,
                 [i](Canvas& c) { DrawPortrait(c, i); }});
  l.push_back({"silh.png", 138, 361, "inventory", kPlain, [](Canvas& c) {
                 // The paper-doll: a hero's shadow with a faint rim of light.
                 cairo_t* cr = c.cr();
                 auto body = [](cairo_t* c2) {
                   Ellipse(c2, 69, 34, 22, 27);
                   SmoothClosed(c2, {{60, 58},   {78, 58},   {80, 70},   {112, 80},  {122, 100}, {128, 190},
                                     {118, 196}, {106, 120}, {100, 190}, {104, 352}, {80, 356},  {72, 220},
                                     {66, 220},  {58, 356},  {34, 352},  {38, 190},  {32, 120},  {20, 196},
                                     {10, 190},  {16, 100},  {26, 80},   {58, 70}},
                                0.5);
                 };
                 Fill(cr, body, Hex("#141822"));
                 Stroke(cr, body, Hex("#3a4660"), 2);
               }});
}

}  // namespace vv::gen
