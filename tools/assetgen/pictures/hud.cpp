// The world's display pieces: the lower bar, button frames and icons, gauges,
// the party marker, fog edges and arrows.

#include <algorithm>
#include <cmath>
#include <string>

#include "panels.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

void DrawLowBar(Canvas& c) {
  cairo_t* cr = c.cr();
  int w = c.width(), h = c.height();
  // Carved dark stone with a gold rail along the top.
  c.ForEachPixel([&](int x, int y, std::uint8_t* p) {
    double n = Fbm(x / 24.0, y / 24.0, 301, 4);
    double f = Fbm(x / 4.0, y / 4.0, 302, 2);
    Rgb base = Mix(Hex("#2a2236"), Hex("#3e3450"), n);
    double v = 0.85 + 0.3 * f;
    p[0] = std::uint8_t(std::min(250.0, base.r * v));
    p[1] = std::uint8_t(std::min(250.0, base.g * v));
    p[2] = std::uint8_t(std::min(250.0, base.b * v));
    p[3] = 255;
  });
  cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgba(shade, 0, 1, 1, 1, 0.08);
  cairo_pattern_add_color_stop_rgba(shade, 1, 0, 0, 0, 0.35);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, shade);
  cairo_fill(cr);
  cairo_pattern_destroy(shade);
  SetColour(cr, Hex("#120c18"));
  cairo_rectangle(cr, 0, 0, w, 6);
  cairo_fill(cr);
  Line(cr, 0, 3, w, 3, kGold, 2.5);
  Line(cr, 0, 1.5, w, 1.5, Lighter(kGold, 0.5), 0.8);
  // Recesses behind the four buttons and gauges, and the help panel.
  for (int x : {16, 225, 671, 880}) Well(cr, x - 4, 10, 136, 136, 10, Hex("#1a1422"), 3);
  for (int x : {167, 376}) Well(cr, x - 2, 12, 39, 116, 6, Hex("#1a1422"), 2);
  Well(cr, 426, 12, 236, 130, 10, Hex("#1e1828"), 3);
  Trim(cr, 426, 12, 236, 130, 10, Darker(kGold, 0.3), 1.2);
  // Rivets along the bar.
  for (int x : {6, 160, 419, 667, 870, 1018}) {
    Stud(cr, x, 20, 3, Hex("#a08850"));
    Stud(cr, x, 138, 3, Hex("#a08850"));
  }
}

void DrawFaceBorder(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  auto ring = [](cairo_t* c2) {
    RoundRect(c2, 1, 1, 126, 126, 12);
    RoundRect(c2, 8, 8, 112, 112, 5);
  };
  Cel(cr,
      [&](cairo_t* c2) {
        cairo_set_fill_rule(c2, CAIRO_FILL_RULE_EVEN_ODD);
        ring(c2);
      },
      kTintLight, {.outline = 1.5, .shade = 0.4, .light = 0.3, .offset = 2.5, .outlineDark = 0.7});
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  for (int i = 0; i < 4; ++i) {
    double x = (i % 2) ? 121 : 7, y = (i / 2) ? 121 : 7;
    Stud(cr, x, y, 3.5, kTintMid);
  }
  Stroke(
      cr, [](cairo_t* c2) { RoundRect(c2, 4.5, 4.5, 119, 119, 9); }, kTintMid, 1, 0.8);
}

void DrawFaceBack(Canvas& c) {
  cairo_t* cr = c.cr();
  c.ForEachPixel([](int x, int y, std::uint8_t* p) {
    double dx = (x - 57) / 57.0, dy = (y - 50) / 60.0;
    double v = 236 - 70 * std::min(1.0, dx * dx + dy * dy) + 14 * (Fbm(x / 10.0, y / 10.0, 77, 3) - 0.5);
    p[0] = p[1] = p[2] = std::uint8_t(std::clamp(v, 0.0, 250.0));
    p[3] = 255;
  });
  // Faint diagonal cloth weave.
  for (int i = -114; i < 114; i += 8) Line(cr, i, 0, i + 114, 114, Grey(255), 1, 0.06);
}

void DrawCamp(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, 114);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.05, 0.07, 0.18);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.16, 0.14, 0.26);
  cairo_rectangle(cr, 0, 0, 114, 114);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  Rng rng(9);
  for (int i = 0; i < 14; ++i) {
    double x = rng.Uniform(4, 110), y = rng.Uniform(4, 50);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, y, 0.9, 0.9); }, Grey(230), 0.8);
  }
  Fill(
      cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{-10, 120}, {-10, 80}, {40, 74}, {80, 78}, {124, 72}, {124, 120}}, 0.6);
      },
      Hex("#22301e"));
  // Tent.
  Cel(cr, [](cairo_t* c2) { Polygon(c2, {{8, 88}, {34, 40}, {60, 88}}); }, Hex("#b08a58"), {.outline = 1.5});
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{28, 88}, {34, 62}, {40, 88}});
      },
      Hex("#2a1a10"));
  Glow(cr, 80, 86, 34, Hex("#ff9a30"), 0.55);
  // Logs and fire.
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 62, 92, 36, 7, 3.5); }, Hex("#6a4020"), {.outline = 1.2});
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 66, 87, 28, 7, 3.5); }, Hex("#7a4a26"), {.outline = 1.2});
  Cel(cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{68, 90}, {72, 72}, {78, 78}, {81, 58}, {86, 74}, {90, 68}, {92, 90}}, 0.8);
      },
      Hex("#f06a1a"), {.outline = 0, .light = 0.5});
  Fill(
      cr,
      [](cairo_t* c2) {
        SmoothClosed(c2, {{74, 90}, {78, 78}, {81, 70}, {85, 80}, {87, 90}}, 0.8);
      },
      Hex("#ffd070"));
  // Moon.
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 92, 22, 9, 9); }, Hex("#f0e8c8"));
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 96, 19, 8, 8); }, Hex("#0a0e20"));
}

void DrawMenuIcon(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_pattern_t* bg = cairo_pattern_create_radial(57, 50, 5, 57, 57, 80);
  cairo_pattern_add_color_stop_rgb(bg, 0, 0.32, 0.22, 0.38);
  cairo_pattern_add_color_stop_rgb(bg, 1, 0.1, 0.07, 0.14);
  cairo_rectangle(cr, 0, 0, 114, 114);
  cairo_set_source(cr, bg);
  cairo_fill(cr);
  cairo_pattern_destroy(bg);
  // A rolled scroll with a wax seal: the way back to the main menu.
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 22, 28, 70, 58, 4); }, Hex("#e8d8b0"), {.outline = 2});
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 14, 20, 86, 14, 7); }, Hex("#d8c090"), {.outline = 2});
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 14, 80, 86, 14, 7); }, Hex("#d8c090"), {.outline = 2});
  for (int i = 0; i < 4; ++i) Line(cr, 32, 44 + i * 9, 82 - (i % 2) * 12, 44 + i * 9, Hex("#8a7050"), 2);
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 78, 76, 10, 10); }, Hex("#b82a2a"), {.outline = 1.5});
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{74, 84}, {70, 100}, {76, 96}, {78, 86}});
      },
      Hex("#9a2020"));
}

void DrawGaugeBar(Canvas& c) {
  // Light grey cylinder; the game colours it from green to red.
  c.ForEachPixel([](int x, int y, std::uint8_t* p) {
    double t = (x + 0.5) / 31.0;
    double v = 120 + 130 * std::sin(t * M_PI * 0.9 + 0.25);
    if (x == 0 || x == 30) v = 90;
    v *= 0.94 + 0.06 * std::sin(y * 0.55);
    p[0] = p[1] = p[2] = std::uint8_t(std::clamp(v, 0.0, 250.0));
    p[3] = 255;
  });
}

void DrawGaugeFrame(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
  Cel(cr,
      [](cairo_t* c2) {
        cairo_set_fill_rule(c2, CAIRO_FILL_RULE_EVEN_ODD);
        RoundRect(c2, 0.5, 0.5, 34, 111, 6);
        cairo_rectangle(c2, 2, 2, 31, 108);
      },
      kGold, {.outline = 1, .offset = 1.5});
  cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
  // The empty tube behind the bar.
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 2, 2, 31, 108); }, Hex("#140c10"));
  for (int i = 1; i < 4; ++i) Line(cr, 3, 2 + 27 * i, 32, 2 + 27 * i, Hex("#3a2a30"), 1);
}

void DrawBonus(Canvas& c, int kind) {
  cairo_t* cr = c.cr();
  Rgb colour = kind == 1 ? Hex("#d83a2a") : kind == 2 ? Hex("#3aa84a") : Hex("#3a6ad8");
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 12, 12, 11, 11); }, colour, {.outline = 1.5, .offset = 2});
  Rgb w = Hex("#f8f0d8");
  if (kind == 1) {
    // Fist.
    Fill(
        cr, [](cairo_t* c2) { RoundRect(c2, 6.5, 8, 11, 9, 3); }, w);
    for (int i = 0; i < 3; ++i) Line(cr, 9.5 + i * 3, 8.5, 9.5 + i * 3, 12, Darker(colour, 0.3), 1);
    Fill(
        cr, [](cairo_t* c2) { cairo_rectangle(c2, 9, 16, 6, 4); }, w);
  } else if (kind == 2) {
    // Feather.
    Fill(
        cr,
        [](cairo_t* c2) {
          SmoothClosed(c2, {{6, 19}, {9, 10}, {16, 4.5}, {17, 7}, {14, 14}}, 0.9);
        },
        w);
    Line(cr, 5.5, 19.5, 15, 7, Darker(colour, 0.4), 1);
  } else {
    // Star of insight.
    std::vector<Pt> star;
    for (int i = 0; i < 10; ++i) {
      double a = -M_PI / 2 + i * M_PI / 5, r = i % 2 ? 3.2 : 7.8;
      star.push_back({12 + r * std::cos(a), 12.5 + r * std::sin(a)});
    }
    Fill(
        cr, [&](cairo_t* c2) { Polygon(c2, star); }, w);
  }
}

void DrawBorder(Canvas& c) {
  cairo_t* cr = c.cr();
  // Corner brackets round the party's cell.
  auto brackets = [](cairo_t* c2) {
    for (int i = 0; i < 4; ++i) {
      double sx = (i % 2) ? -1 : 1, sy = (i / 2) ? -1 : 1;
      double x = (i % 2) ? 31 : 1, y = (i / 2) ? 31 : 1;
      c2 = c2;
      cairo_move_to(c2, x, y + sy * 10);
      cairo_line_to(c2, x, y);
      cairo_line_to(c2, x + sx * 10, y);
    }
  };
  Stroke(cr, brackets, Grey(60), 4.5);
  Stroke(cr, brackets, Grey(248), 2.5);
}

void DrawMen(Canvas& c) {
  cairo_t* cr = c.cr();
  GroundShadow(cr, 16, 28, 13, 3.5, 0.45);
  // The fighter: helm, red tunic and round shield.
  Cel(cr, [](cairo_t* c2) { RoundRect(c2, 5, 14, 10, 12, 3); }, Hex("#b83a2a"),
      {.outline = 1.2, .offset = 1.5});
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 10, 10, 4.5, 4.5); }, Hex("#e8b890"), {.outline = 1.2, .offset = 1});
  Cel(cr,
      [](cairo_t* c2) {
        cairo_arc(c2, 10, 9.5, 4.8, M_PI, 2 * M_PI);
        cairo_close_path(c2);
      },
      Hex("#b8b8c0"), {.outline = 1.2, .offset = 1});
  Line(cr, 7.5, 26, 7.5, 29, Hex("#3a2a1a"), 2);
  Line(cr, 12.5, 26, 12.5, 29, Hex("#3a2a1a"), 2);
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 5, 19, 4, 5); }, Hex("#c8a040"), {.outline = 1.2, .offset = 1});
  // The companion: blue robe and pointed hat, holding a staff.
  Line(cr, 28, 8, 28, 29, Hex("#6a4020"), 1.6);
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{18, 28}, {21, 14}, {26, 14}, {28, 28}});
      },
      Hex("#3a5ab8"), {.outline = 1.2, .offset = 1.5});
  Cel(cr, [](cairo_t* c2) { Ellipse(c2, 23.5, 11, 4, 4); }, Hex("#e8b890"), {.outline = 1.2, .offset = 1});
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{18.5, 10}, {25, 1}, {28.5, 10}});
      },
      Hex("#2a3a8a"), {.outline = 1.2, .offset = 1});
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 28, 7.5, 2, 2); }, Hex("#8ae8f0"));
}

void DrawLilArrow(Canvas& c, int dir) {
  // dir 1 up, 2 right, 3 down, 4 left: the point away from the handle edge.
  cairo_t* cr = c.cr();
  cairo_translate(cr, 12, 12);
  cairo_rotate(cr, (dir - 1) * M_PI / 2);
  Cel(cr,
      [](cairo_t* c2) {
        Polygon(c2, {{0, -11}, {10, 0}, {4.5, 0}, {4.5, 11}, {-4.5, 11}, {-4.5, 0}, {-10, 0}});
      },
      kTintLight, {.outline = 1.8, .shade = 0.35, .light = 0.3, .offset = 2, .outlineDark = 0.75});
}

void DrawFog(Canvas& c, int kind) {
  // 1..4: the unseen neighbour is left, up, right, down; 5..8 the corners
  // upper-left, upper-right, lower-right, lower-left.
  c.ForEachPixel([kind](int x, int y, std::uint8_t* p) {
    double fx = (x + 0.5) / 32.0, fy = (y + 0.5) / 32.0;
    double d;
    switch (kind) {
      case 1:
        d = fx;
        break;
      case 2:
        d = fy;
        break;
      case 3:
        d = 1 - fx;
        break;
      case 4:
        d = 1 - fy;
        break;
      case 5:
        d = std::hypot(fx, fy);
        break;
      case 6:
        d = std::hypot(1 - fx, fy);
        break;
      case 7:
        d = std::hypot(1 - fx, 1 - fy);
        break;
      default:
        d = std::hypot(fx, 1 - fy);
        break;
    }
    double a = std::clamp(1 - d, 0.0, 1.0);
    a = a * a * (3 - 2 * a);
    p[0] = p[1] = p[2] = 0;
    p[3] = std::uint8_t(std::lround(a * 255));
  });
}

}  // namespace

void AddWorldPictures(PictureList& l) {
  l.push_back({"black.png", 32, 32, "world", kPlain, [](Canvas& c) {
                 cairo_set_source_rgb(c.cr(), 0, 0, 0);
                 cairo_paint(c.cr());
               }});
  for (int i = 1; i <= 4; ++i)
    l.push_back(
        {"fadex_" + std::to_string(i) + ".png", 32, 32, "world", kPlain, [i](Canvas& c) { DrawFog(c, i); }});
  for (int i = 1; i <= 4; ++i)
    l.push_back({"fadez_" + std::to_string(i) + ".png", 32, 32, "world", kPlain,
                 [i](Canvas& c) { DrawFog(c, 4 + i); }});
  l.push_back({"redneck.png", 32, 32, "world", kTinted, [](Canvas& c) {
                 c.ForEachPixel([](int, int y, std::uint8_t* p) {
                   p[0] = p[1] = p[2] = std::uint8_t(250 - y * 1.2);
                   p[3] = 255;
                 });
               }});
  l.push_back({"men.png", 32, 32, "world", kPlain, DrawMen});
  l.push_back({"border.png", 32, 32, "world", kTinted, DrawBorder});
  for (int i = 1; i <= 4; ++i)
    l.push_back({"lilarrow_" + std::to_string(i) + ".png", 24, 24, "world", kTinted,
                 [i](Canvas& c) { DrawLilArrow(c, i); }});
  l.push_back({"lowbar.png", 1024, 154, "display", kPlain, DrawLowBar});
  l.push_back({"faceborder.png", 128, 128, "display", kTinted, DrawFaceBorder});
  l.push_back({"faceback.png", 114, 114, "display", kTinted, DrawFaceBack});
  l.push_back({"camp.png", 114, 114, "display", kPlain, DrawCamp});
  l.push_back({"menu.png", 114, 114, "display", kPlain, DrawMenuIcon});
  l.push_back({"hpgauge1.png", 31, 108, "display", kTinted, DrawGaugeBar});
  l.push_back({"hpgauge2.png", 35, 112, "display", kPlain, DrawGaugeFrame});
  for (int i = 1; i <= 3; ++i)
    l.push_back({"bonus_" + std::to_string(i) + ".png", 24, 24, "display", kPlain,
                 [i](Canvas& c) { DrawBonus(c, i); }});
}

}  // namespace vv::gen
