// The inventory and loot screens: slot frames, grid cells, backgrounds,
// bar icons and the loot ornaments.

#include <cmath>
#include <string>

#include "item_kit.h"
#include "panels.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

// A slot: light bevelled frame round a mid-grey well, so the state tint
// colours the whole slot. The empty variant carries a faint outline of what
// belongs there.
void Slot(Canvas& c, int slot, bool empty) {
  cairo_t* cr = c.cr();
  double w = c.width(), h = c.height();
  double r = std::min(w, h) < 60 ? 4 : 8;
  Plate(c, 0, 0, w, h, kTintLight, {.radius = r, .bevel = 1.5, .rim = 1.5, .grain = 0});
  double f = std::min(w, h) < 60 ? 4 : 6;
  Well(cr, f, f, w - 2 * f, h - 2 * f, r - 2, Grey(150), 3);
  Grain(c, int(f), int(f), int(w - 2 * f), int(h - 2 * f), 600 + slot, 0.05, 6);
  if (!empty) return;
  Rgb ghost = Grey(118);
  double cx = w / 2, cy = h / 2;
  auto ghostStroke = [&](const PathFn& p) { Stroke(cr, p, ghost, std::min(w, h) < 60 ? 1.5 : 3); };
  switch (slot) {
    case 1:  // sword
      ghostStroke([&](cairo_t* c2) {
        Polygon(c2, {{cx, 30}, {cx + 9, 48}, {cx + 9, 160}, {cx - 9, 160}, {cx - 9, 48}});
        cairo_move_to(c2, cx - 26, 166);
        cairo_line_to(c2, cx + 26, 166);
        cairo_move_to(c2, cx, 172);
        cairo_line_to(c2, cx, 204);
      });
      break;
    case 2:  // shield
      ghostStroke([&](cairo_t* c2) {
        cairo_move_to(c2, cx - 50, 40);
        cairo_curve_to(c2, cx - 20, 30, cx + 20, 30, cx + 50, 40);
        cairo_curve_to(c2, cx + 48, 110, cx + 30, 140, cx, 165);
        cairo_curve_to(c2, cx - 30, 140, cx - 48, 110, cx - 50, 40);
      });
      break;
    case 3:  // chest armour
      ghostStroke([&](cairo_t* c2) {
        SmoothClosed(c2,
                     {{cx - 60, 50},
                      {cx - 30, 36},
                      {cx - 14, 48},
                      {cx + 14, 48},
                      {cx + 30, 36},
                      {cx + 60, 50},
                      {cx + 50, 90},
                      {cx + 40, 170},
                      {cx - 40, 170},
                      {cx - 50, 90}},
                     0.4);
      });
      break;
    case 4:  // helm
      ghostStroke([&](cairo_t* c2) {
        cairo_move_to(c2, cx - 24, 58);
        cairo_curve_to(c2, cx - 24, 14, cx + 24, 14, cx + 24, 58);
        cairo_close_path(c2);
      });
      break;
    default:  // amulet
      ghostStroke([&](cairo_t* c2) {
        cairo_arc(c2, cx, cy - 4, 9, M_PI, 2 * M_PI);
        Ellipse(c2, cx, cy + 7, 5, 5);
      });
      break;
  }
}

void InvSlot(Canvas& c) {
  Plate(c, 0, 0, 40, 40, kTintLight, {.radius = 3, .bevel = 1, .rim = 1, .grain = 0});
  Well(c.cr(), 3, 3, 34, 34, 2, Grey(150), 2.5);
}

void InvBack(Canvas& c) {
  // Dark oak planks, four to a tile, seamless at 100: each plank its own
  // tone, flowing grain, a knot, and nail heads beside the joints.
  c.ForEachPixel([](int x, int y, std::uint8_t* p) {
    int plank = y / 25;
    int ly = y % 25;
    int seam = (plank % 2) ? 50 : 0;
    int lx = (x - seam + 100) % 100;
    double warp = Fbm(x / 25.0, plank * 1.7, 700 + plank, 3, 4);
    double grain = std::sin((ly * 0.55 + warp * 7) * 2.1);
    Rgb base = Mix(Hex("#3a2418"), Hex("#583824"), Hash01(plank, 0, 701));
    Rgb col = Mix(base, Hex("#2a180e"), (0.5 + 0.5 * grain) * 0.3);
    if (grain > 0.9) col = Mix(col, Hex("#1e1008"), 0.45);
    // A knot in the third plank.
    if (plank == 2) {
      double dx = (lx - 64) / 1.8, dy = ly - 12.0, d = std::sqrt(dx * dx + dy * dy);
      if (d < 7) col = Mix(col, Hex("#2a180c"), 0.15 + 0.2 * std::sin(d * 1.8));
      if (d < 2) col = Mix(col, Hex("#1a0e06"), 0.5);
    }
    if (ly == 0)
      col = Hex("#140a06");
    else if (ly == 1)
      col = Mix(col, Hex("#7a5638"), 0.5);
    else if (ly >= 23)
      col = Mix(col, Hex("#140a06"), ly == 24 ? 0.6 : 0.3);
    if (lx == 0) col = Hex("#140a06");
    if (lx == 1) col = Mix(col, Hex("#7a5638"), 0.35);
    if (lx == 99) col = Mix(col, Hex("#140a06"), 0.4);
    // Nail heads by the joint.
    for (int nx : {4, 95}) {
      double d = std::hypot(lx - nx, ly - 12.5);
      if (d < 2.2) col = Mix(Hex("#1a1614"), Hex("#8a8078"), d < 1.0 && lx <= nx ? 0.8 : 0.1);
    }
    p[0] = std::uint8_t(col.r);
    p[1] = std::uint8_t(col.g);
    p[2] = std::uint8_t(col.b);
    p[3] = 255;
  });
}

void IconBack(Canvas& c, Rgb inner, Rgb outer) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* bg = cairo_pattern_create_radial(57, 50, 5, 57, 57, 80);
  cairo_pattern_add_color_stop_rgb(bg, 0, inner.r / 255, inner.g / 255, inner.b / 255);
  cairo_pattern_add_color_stop_rgb(bg, 1, outer.r / 255, outer.g / 255, outer.b / 255);
  cairo_rectangle(cr, 0, 0, 114, 114);
  cairo_set_source(cr, bg);
  cairo_fill(cr);
  cairo_pattern_destroy(bg);
}

void DropBack(Canvas& c) {
  cairo_t* cr = c.cr();
  IconBack(c, Hex("#4a2a2a"), Hex("#1a0e10"));
  // A barrel-shaped bin with a red arrow pointing in.
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{26, 52}, {88, 52}, {82, 100}, {32, 100}});
      },
      Hex("#7a5a3a"), {.outline = 2});
  for (int y : {64, 88}) Line(cr, 28, y, 86, y, Hex("#8a8e98"), 3);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 57, 52, 31, 6); }, Hex("#1a100a"));
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{48, 8}, {66, 8}, {66, 28}, {78, 28}, {57, 48}, {36, 28}, {48, 28}});
      },
      Hex("#d83a2a"), {.outline = 2});
}

void ExitBack(Canvas& c) {
  cairo_t* cr = c.cr();
  IconBack(c, Hex("#2a3a4a"), Hex("#0e1420"));
  // An open door with daylight and an arrow out.
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 30, 16, 50, 86); }, Hex("#4a3a30"), {.outline = 2});
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 36, 22, 38, 80); }, Hex("#f0d890"));
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{36, 22}, {56, 30}, {56, 108}, {36, 102}});
      },
      Hex("#8a5a32"), {.outline = 1.8});
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 51, 66, 2.5, 2.5); }, Hex("#e0b040"));
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{62, 58}, {84, 58}, {84, 46}, {104, 66}, {84, 86}, {84, 74}, {62, 74}});
      },
      Hex("#3ac85a"), {.outline = 2});
}

void LootIcon(Canvas& c) {
  cairo_t* cr = c.cr();
  IconBack(c, Hex("#5a4a1a"), Hex("#1e160a"));
  Glow(cr, 57, 60, 50, Hex("#ffd060"), 0.35);
  // An open chest spilling coins.
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{22, 40}, {92, 40}, {86, 16}, {28, 16}});
      },
      Hex("#7a4a22"), {.outline = 2});
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 57, 58, 34, 8); }, Hex("#ffd060"));
  Cel(cr, [](cairo_t* c2) { cairo_rectangle(c2, 22, 58, 70, 36); }, Hex("#8a5a2a"), {.outline = 2});
  for (int x : {32, 82})
    Cel(cr, [&](cairo_t* c2) { cairo_rectangle(c2, x - 3, 58, 6, 36); }, Hex("#c8a040"), {.outline = 1});
  for (Pt p : {Pt{40, 52}, Pt{56, 50}, Pt{70, 53}, Pt{48, 100}, Pt{78, 102}})
    Cel(cr, [&](cairo_t* c2) { Ellipse(c2, p.x, p.y, 6, 4); }, Hex("#f0c040"), {.outline = 1.2});
  Gem(cr, 62, 46, 5, Hex("#e83a6a"));
}

void LootSlot(Canvas& c) {
  Plate(c, 0, 0, 260, 260, kTintLight, {.radius = 16, .bevel = 3, .rim = 2, .grain = 0});
  cairo_t* cr = c.cr();
  Well(cr, 12, 12, 236, 236, 10, Grey(140), 4);
  Grain(c, 12, 12, 236, 236, 720, 0.05, 8);
  Stroke(
      cr, [](cairo_t* c2) { RoundRect(c2, 20, 20, 220, 220, 8); }, Grey(200), 1.5, 0.8);
  for (int i = 0; i < 4; ++i) {
    double x = (i % 2) ? 240 : 20, y = (i / 2) ? 240 : 20;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x, y - 7}, {x + 7, y}, {x, y + 7}, {x - 7, y}});
        },
        kTintLight, {.outline = 1.2});
  }
}

// Gold vine ornaments framing the loot screen.
void Vine(cairo_t* cr, bool vertical, double length) {
  auto at = [&](double t, double off) { return vertical ? Pt{14.5 + off, t} : Pt{t, 14.5 + off}; };
  cairo_new_path(cr);
  for (double t = 2; t <= length - 2; t += 2) {
    Pt p = at(t, std::sin(t / 18.0) * 6);
    if (t == 2)
      cairo_move_to(cr, p.x, p.y);
    else
      cairo_line_to(cr, p.x, p.y);
  }
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  cairo_append_path(cr, path);
  SetColour(cr, Hex("#5a3a10"));
  cairo_set_line_width(cr, 5);
  cairo_stroke(cr);
  cairo_append_path(cr, path);
  SetColour(cr, kGold);
  cairo_set_line_width(cr, 3);
  cairo_stroke(cr);
  cairo_path_destroy(path);
  for (double t = 20; t < length - 10; t += 37.7) {
    double off = std::sin(t / 18.0) * 6;
    double side = std::cos(t / 18.0) > 0 ? 1 : -1;
    Pt p = at(t, off), q = at(t + 8, off + side * 8);
    Cel(cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, p.x, p.y);
          cairo_curve_to(c2, p.x + (q.x - p.x) * 0.2 - side * 3, p.y, q.x, q.y, q.x, q.y);
          cairo_curve_to(c2, q.x, q.y, p.x + (q.x - p.x) * 0.8 + side * 3, p.y + (q.y - p.y), p.x, p.y);
        },
        Hex("#e8c050"), {.outline = 1});
  }
  for (double t : {6.0, length - 6})
    Cel(cr,
        [&](cairo_t* c2) {
          Pt p = at(t, 0);
          Ellipse(c2, p.x, p.y, 5, 5);
        },
        Hex("#c83a3a"), {.outline = 1.2});
}

}  // namespace

void AddInventoryPictures(PictureList& l) {
  const int slotSizes[5][2] = {{120, 240}, {160, 200}, {200, 200}, {80, 80}, {40, 40}};
  for (int s = 1; s <= 5; ++s) {
    int w = slotSizes[s - 1][0], h = slotSizes[s - 1][1];
    l.push_back({"eqslot_" + std::to_string(s) + "x.png", w, h, "inventory", kTinted,
                 [s](Canvas& c) { Slot(c, s, true); }});
    l.push_back({"eqslot_" + std::to_string(s) + ".png", w, h, "inventory", kTinted,
                 [s](Canvas& c) { Slot(c, s, false); }});
  }
  l.push_back({"invslot.png", 40, 40, "inventory", kTinted, InvSlot});
  l.push_back({"invback.png", 100, 100, "inventory", kSeamless, InvBack});
  l.push_back({"dropback.png", 114, 114, "inventory", kPlain, DropBack});
  l.push_back({"exitback.png", 114, 114, "inventory", kPlain, ExitBack});
  l.push_back({"loot.png", 114, 114, "inventory", kPlain, LootIcon});
  l.push_back({"lootslot.png", 260, 260, "inventory", kTinted, LootSlot});
  l.push_back({"trinkle1.png", 29, 501, "inventory", kPlain, [](Canvas& c) { Vine(c.cr(), true, 501); }});
  l.push_back({"trinkle2.png", 258, 29, "inventory", kPlain, [](Canvas& c) { Vine(c.cr(), false, 258); }});
}

}  // namespace vv::gen
