// Spell effects and the hit splat. Most are drawn with additive light over
// the monster, so they are glows on transparency with their colours bled
// outwards for smooth scaling; the rock blast is drawn plainly.

#include <cmath>
#include <string>

#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {
namespace {

void Burst(cairo_t* cr, double cx, double cy, double r, int rays, Rgb outer, Rgb inner, std::uint32_t seed) {
  Rng rng(seed);
  std::vector<Pt> pts;
  for (int i = 0; i < rays * 2; ++i) {
    double a = i * M_PI / rays, k = i % 2 ? rng.Uniform(0.35, 0.5) : rng.Uniform(0.8, 1.0);
    pts.push_back({cx + std::cos(a) * r * k, cy + std::sin(a) * r * k});
  }
  Glow(cr, cx, cy, r * 1.1, outer, 0.6);
  Fill(
      cr, [&](cairo_t* c) { Polygon(c, pts); }, outer);
  for (Pt& p : pts) p = {cx + (p.x - cx) * 0.55, cy + (p.y - cy) * 0.55};
  Fill(
      cr, [&](cairo_t* c) { Polygon(c, pts); }, inner);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx, cy, r * 0.18, r * 0.18); }, Grey(248));
}

void Bolt(cairo_t* cr, std::vector<Pt> pts, Rgb colour, double w) {
  auto path = [&](cairo_t* c) {
    cairo_move_to(c, pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(c, pts[i].x, pts[i].y);
  };
  Stroke(cr, path, colour, w * 3, 0.35);
  Stroke(cr, path, colour, w * 1.6);
  Stroke(cr, path, Grey(245), w * 0.6);
}

std::vector<Pt> Jagged(Pt a, Pt b, int steps, double amp, std::uint32_t seed) {
  Rng rng(seed);
  std::vector<Pt> pts{a};
  for (int i = 1; i < steps; ++i) {
    double t = double(i) / steps;
    pts.push_back({a.x + (b.x - a.x) * t + rng.Uniform(-amp, amp),
                   a.y + (b.y - a.y) * t + rng.Uniform(-amp * 0.3, amp * 0.3)});
  }
  pts.push_back(b);
  return pts;
}

void Draw(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  double w = c.width(), h = c.height(), cx = w / 2, cy = h / 2;
  Rng rng(8000 + n);
  switch (n) {
    case 1:  // BEESTING: three bees and a sting flash
      Burst(cr, cx, cy, 30, 6, Hex("#e8a020"), Hex("#ffe060"), 1);
      for (int i = 0; i < 3; ++i) {
        double bx = cx + std::cos(i * 2.1) * 38, by = cy + std::sin(i * 2.1) * 34;
        Fill(
            cr,
            [&](cairo_t* c2) {
              Ellipse(c2, bx - 3, by - 7, 7, 5);
              Ellipse(c2, bx + 5, by - 7, 7, 5);
            },
            Hex("#c8e8ff"), 0.9);
        Cel(cr, [&](cairo_t* c2) { Ellipse(c2, bx, by, 10, 7); }, Hex("#f0c020"), {.outline = 1.5});
        for (int k = -1; k <= 1; k += 2)
          Line(cr, bx + k * 3, by - 6, bx + k * 3, by + 6, Hex("#2a1a0a"), 2.5);
      }
      break;
    case 2:  // MIND BLAST: psychic rings
      for (int i = 5; i >= 1; --i)
        Stroke(
            cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, i * 14, i * 12); },
            Mix(Hex("#8a3ae8"), Hex("#ff80ff"), i / 5.0), 6 - i * 0.6, 0.9);
      Burst(cr, cx, cy, 26, 8, Hex("#c060ff"), Hex("#ffd0ff"), 2);
      break;
    case 3:     // LAVA BOLT
    case 11: {  // FIREBALL
      double r = n == 3 ? 42 : 70;
      Glow(cr, cx, cy, r * 1.3, Hex("#ff6020"), 0.8);
      for (int i = 0; i < 10; ++i) {
        double a = rng.Uniform(0, 2 * M_PI), d = rng.Uniform(0.3, 0.8) * r;
        Fill(
            cr,
            [&](cairo_t* c2) { Ellipse(c2, cx + std::cos(a) * d, cy + std::sin(a) * d, r * 0.35, r * 0.35); },
            Hex("#e84a1a"));
      }
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, r * 0.6, r * 0.6); }, Hex("#ff9a30"));
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, r * 0.35, r * 0.35); }, Hex("#ffe890"));
      break;
    }
    case 4:  // ROCK BLAST: flying rocks (drawn plainly)
      for (int i = 0; i < 9; ++i) {
        double x = rng.Uniform(30, w - 30), y = rng.Uniform(30, h - 30), r = rng.Uniform(12, 24);
        for (int k = 1; k <= 3; ++k)
          Line(cr, x - k * 8, y - k * 5, x - k * 8 - 10, y - k * 5 - 6, Hex("#a89880"), 2, 0.9);
        Rock(cr, x, y, r, r * 0.8, Hex("#8a7a68"), 8400 + i);
      }
      break;
    case 5: {  // ZAP: a bolt from the sky striking at (42, 251)
      Glow(cr, 42, 244, 36, Hex("#80c0ff"), 0.9);
      Bolt(cr, Jagged({30, 2}, {42, 250}, 9, 14, 5), Hex("#80c8ff"), 4);
      Bolt(cr, Jagged({42, 120}, {74, 190}, 4, 8, 6), Hex("#80c8ff"), 2);
      Bolt(cr, Jagged({38, 170}, {10, 230}, 4, 8, 7), Hex("#80c8ff"), 2);
      break;
    }
    case 6: {  // COLOR SPRAY
      const Rgb cols[6] = {Hex("#ff4040"), Hex("#ffa030"), Hex("#f0f040"),
                           Hex("#40e060"), Hex("#40a0ff"), Hex("#c060ff")};
      for (int i = 0; i < 60; ++i) {
        double a = rng.Uniform(0, 2 * M_PI), d = rng.Uniform(10, 80), r = rng.Uniform(4, 9);
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, cx + std::cos(a) * d, cy + std::sin(a) * d, r, r); },
            cols[i % 6], 0.9);
      }
      break;
    }
    case 7:  // SNOWBREEZE
      Glow(cr, cx, cy, 80, Hex("#a0d8ff"), 0.6);
      for (int i = 0; i < 9; ++i) {
        double x = rng.Uniform(25, w - 25), y = rng.Uniform(25, h - 25), r = rng.Uniform(8, 18);
        for (int k = 0; k < 3; ++k) {
          double a = k * M_PI / 3;
          Line(cr, x - std::cos(a) * r, y - std::sin(a) * r, x + std::cos(a) * r, y + std::sin(a) * r,
               Hex("#e0f4ff"), 2.5);
        }
      }
      break;
    case 8:     // DUST CLOUD
    case 14: {  // GIANT'S FART
      Rgb a = n == 8 ? Hex("#c8a878") : Hex("#8ac040"), b = n == 8 ? Hex("#e8d8b0") : Hex("#d8e870");
      for (int i = 0; i < 14; ++i) {
        double x = rng.Uniform(w * 0.25, w * 0.75), y = rng.Uniform(h * 0.3, h * 0.7),
               r = rng.Uniform(25, 45);
        Glow(cr, x, y, r, Mix(a, b, rng.Uniform(0, 1)), 0.9);
      }
      if (n == 14)
        for (int i = 0; i < 3; ++i)
          Stroke(
              cr,
              [&](cairo_t* c2) {
                double x = 60 + i * 50;
                cairo_move_to(c2, x, 50);
                cairo_curve_to(c2, x - 12, 38, x + 12, 26, x, 12);
              },
              Hex("#c0e040"), 4);
      break;
    }
    case 9:  // SHOCKBOLT
      Glow(cr, cx, cy, 80, Hex("#4080ff"), 0.9);
      for (int i = 0; i < 7; ++i) {
        double a = i * 2 * M_PI / 7;
        Bolt(cr, Jagged({cx, cy}, {cx + std::cos(a) * 80, cy + std::sin(a) * 80}, 5, 10, 90 + i),
             Hex("#80b0ff"), 2);
      }
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, 18, 18); }, Hex("#e0f0ff"));
      break;
    case 10: {  // FIREWORKS
      const Rgb cols[4] = {Hex("#ff5050"), Hex("#50ff80"), Hex("#5090ff"), Hex("#ffe050")};
      for (int k = 0; k < 4; ++k) {
        double x = cx + (k % 2 ? 40 : -40), y = cy + (k / 2 ? 36 : -36);
        for (int i = 0; i < 12; ++i) {
          double a = i * M_PI / 6;
          Line(cr, x + std::cos(a) * 8, y + std::sin(a) * 8, x + std::cos(a) * 34, y + std::sin(a) * 34,
               cols[k], 3);
          Fill(
              cr, [&](cairo_t* c2) { Ellipse(c2, x + std::cos(a) * 38, y + std::sin(a) * 38, 3, 3); },
              Grey(245));
        }
      }
      break;
    }
    case 12:  // SWARM
      for (int i = 0; i < 70; ++i) {
        double a = rng.Uniform(0, 2 * M_PI), d = rng.Uniform(0, 85);
        double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.8;
        Fill(
            cr,
            [&](cairo_t* c2) {
              Ellipse(c2, x - 2, y - 3, 3, 2);
              Ellipse(c2, x + 2, y - 3, 3, 2);
            },
            Hex("#c0d0e0"), 0.8);
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, x, y, 3, 2.2); }, Hex("#e0c040"));
      }
      break;
    default:  // JELLY BLOB
      Glow(cr, cx, cy, 80, Hex("#40e060"), 0.6);
      Fill(
          cr,
          [&](cairo_t* c2) {
            SmoothClosed(c2,
                         {{cx - 60, cy + 40},
                          {cx - 66, cy - 10},
                          {cx - 30, cy - 55},
                          {cx + 20, cy - 58},
                          {cx + 62, cy - 20},
                          {cx + 60, cy + 44}},
                         0.9);
          },
          Hex("#50d070"), 0.85);
      for (int i = 0; i < 8; ++i) {
        double x = cx + rng.Uniform(-45, 45), y = cy + rng.Uniform(-40, 30), r = rng.Uniform(4, 10);
        Stroke(
            cr, [&](cairo_t* c2) { Ellipse(c2, x, y, r, r); }, Hex("#c0ffd0"), 2);
      }
      break;
  }
}

const int kSpellSizes[14][2] = {{128, 128}, {160, 160}, {128, 128}, {200, 160}, {84, 260},
                                {180, 180}, {180, 180}, {220, 180}, {180, 180}, {200, 200},
                                {200, 200}, {200, 200}, {180, 180}, {220, 200}};

}  // namespace

void AddSpellPictures(PictureList& l) {
  for (int i = 1; i <= 14; ++i)
    l.push_back({"spell_" + std::to_string(i) + ".png", kSpellSizes[i - 1][0], kSpellSizes[i - 1][1],
                 "spells", i == 4 ? kPlain : kFiltered, [i](Canvas& c) { Draw(c, i); }});
  l.push_back({"splat.png", 128, 133, "spells", kPlain,
               [](Canvas& c) { Burst(c.cr(), 64, 66, 60, 9, Hex("#e83a1a"), Hex("#ffb040"), 99); }});
}

}  // namespace vv::gen
