// Spell effects and the hit splat. The game draws most of them at double
// size with additive light over the monster, so they are made of light: a
// near-white core, saturated colour around it and a soft glow fading to
// nothing, with streaks and trails that give each one its motion. Dark
// colours add nothing there, so shapes are told by brightness. The rock
// blast is drawn plainly and keeps outlines and shading.

#include <algorithm>
#include <cmath>
#include <string>

#include "picture_table.h"
#include "tile_kit.h"

namespace vv::gen {
namespace {

const Rgb kCore = Grey(248);

// A radial light: `core` at the centre through `mid` to nothing at r.
void Light(cairo_t* cr, double cx, double cy, double r, Rgb core, Rgb mid, double alpha = 1.0) {
  cairo_pattern_t* g = cairo_pattern_create_radial(cx, cy, 0, cx, cy, r);
  cairo_pattern_add_color_stop_rgba(g, 0, core.r / 255, core.g / 255, core.b / 255, alpha);
  cairo_pattern_add_color_stop_rgba(g, 0.25, mid.r / 255, mid.g / 255, mid.b / 255, alpha * 0.85);
  cairo_pattern_add_color_stop_rgba(g, 0.6, mid.r / 255, mid.g / 255, mid.b / 255, alpha * 0.3);
  cairo_pattern_add_color_stop_rgba(g, 1, mid.r / 255, mid.g / 255, mid.b / 255, 0);
  FillDisc(cr, g, cx, cy, r);
}

// A tapered streak from its faint tail to its bright head.
void Streak(cairo_t* cr, Pt tail, Pt head, double w, Rgb colour, double alpha = 1.0) {
  double dx = head.x - tail.x, dy = head.y - tail.y, len = std::hypot(dx, dy);
  if (len < 0.5) return;
  double nx = -dy / len * w / 2, ny = dx / len * w / 2;
  cairo_pattern_t* g = cairo_pattern_create_linear(tail.x, tail.y, head.x, head.y);
  cairo_pattern_add_color_stop_rgba(g, 0, colour.r / 255, colour.g / 255, colour.b / 255, 0);
  cairo_pattern_add_color_stop_rgba(g, 0.7, colour.r / 255, colour.g / 255, colour.b / 255, alpha * 0.7);
  cairo_pattern_add_color_stop_rgba(g, 1, colour.r / 255, colour.g / 255, colour.b / 255, alpha);
  cairo_new_path(cr);
  cairo_move_to(cr, tail.x, tail.y);
  cairo_line_to(cr, head.x + nx, head.y + ny);
  cairo_arc(cr, head.x, head.y, w / 2, std::atan2(ny, nx), std::atan2(ny, nx) + M_PI);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A four-pointed sparkle.
void Sparkle(cairo_t* cr, double x, double y, double s, Rgb colour, double alpha = 1.0) {
  Light(cr, x, y, s * 1.2, kCore, colour, alpha * 0.6);
  Fill(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{x, y - s},
                    {x + s * 0.16, y - s * 0.16},
                    {x + s, y},
                    {x + s * 0.16, y + s * 0.16},
                    {x, y + s},
                    {x - s * 0.16, y + s * 0.16},
                    {x - s, y},
                    {x - s * 0.16, y - s * 0.16}});
      },
      Mix(kCore, colour, 0.3), alpha);
}

// A glowing curve (a stroke drawn three times: wide glow, colour, white core).
void GlowCurve(cairo_t* cr, const PathFn& path, Rgb colour, double w, double alpha = 1.0) {
  cairo_save(cr);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  Stroke(cr, path, colour, w * 3.2, 0.18 * alpha);
  Stroke(cr, path, colour, w * 1.8, 0.45 * alpha);
  Stroke(cr, path, Mix(colour, kCore, 0.35), w, 0.95 * alpha);
  Stroke(cr, path, kCore, w * 0.4, alpha);
  cairo_restore(cr);
}

std::vector<Pt> Jagged(Pt a, Pt b, int steps, double amp, std::uint32_t seed) {
  Rng rng(seed);
  std::vector<Pt> pts{a};
  double dx = b.x - a.x, dy = b.y - a.y, len = std::hypot(dx, dy);
  double nx = -dy / len, ny = dx / len;
  for (int i = 1; i < steps; ++i) {
    double t = double(i) / steps, off = rng.Uniform(-amp, amp);
    pts.push_back({a.x + dx * t + nx * off, a.y + dy * t + ny * off});
  }
  pts.push_back(b);
  return pts;
}

PathFn Polyline(const std::vector<Pt>& pts) {
  return [pts](cairo_t* c) {
    cairo_move_to(c, pts[0].x, pts[0].y);
    for (std::size_t i = 1; i < pts.size(); ++i) cairo_line_to(c, pts[i].x, pts[i].y);
  };
}

// An electric arc with a branch or two.
void Arc(cairo_t* cr, Pt a, Pt b, int steps, double amp, Rgb colour, double w, std::uint32_t seed) {
  std::vector<Pt> pts = Jagged(a, b, steps, amp, seed);
  GlowCurve(cr, Polyline(pts), colour, w);
  Rng rng(seed + 77);
  for (std::size_t i = 2; i + 1 < pts.size(); i += 3) {
    Pt p = pts[i];
    double ang = std::atan2(b.y - a.y, b.x - a.x) + rng.Uniform(-1.0, 1.0);
    double len = std::hypot(b.x - a.x, b.y - a.y) * rng.Uniform(0.15, 0.3);
    GlowCurve(
        cr,
        Polyline(Jagged(p, {p.x + std::cos(ang) * len, p.y + std::sin(ang) * len}, 3, amp * 0.5, seed + i)),
        colour, w * 0.5, 0.8);
  }
}

// A flame tongue pointing from the centre backwards along angle a.
void Tongue(cairo_t* cr, double cx, double cy, double r, double a, double len, Rgb colour, double alpha) {
  double ex = cx + std::cos(a) * len, ey = cy + std::sin(a) * len;
  double px = -std::sin(a) * r, py = std::cos(a) * r;
  cairo_pattern_t* g = cairo_pattern_create_linear(cx, cy, ex, ey);
  cairo_pattern_add_color_stop_rgba(g, 0, colour.r / 255, colour.g / 255, colour.b / 255, alpha);
  cairo_pattern_add_color_stop_rgba(g, 1, colour.r / 255, colour.g / 255, colour.b / 255, 0);
  cairo_new_path(cr);
  cairo_move_to(cr, cx + px, cy + py);
  cairo_curve_to(cr, cx + px + std::cos(a) * len * 0.4, cy + py + std::sin(a) * len * 0.4, ex + px * 0.2,
                 ey + py * 0.2, ex, ey);
  cairo_curve_to(cr, ex - px * 0.2, ey - py * 0.2, cx - px + std::cos(a) * len * 0.4,
                 cy - py + std::sin(a) * len * 0.4, cx - px, cy - py);
  cairo_close_path(cr);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
}

// A ball of fire flying towards the lower right: tongues streaming back to
// the upper left, a white-hot core, embers in its wake.
void FireBall(cairo_t* cr, double cx, double cy, double r, std::uint32_t seed) {
  Rng rng(seed);
  const double back = -M_PI * 0.75;
  Light(cr, cx, cy, r * 1.9, Hex("#ffb040"), Hex("#e84a1a"), 0.55);
  for (int i = 0; i < 9; ++i) {
    double a = back + rng.Uniform(-0.55, 0.55), len = r * rng.Uniform(1.6, 2.6);
    Tongue(cr, cx, cy, r * rng.Uniform(0.6, 0.85), a, len, i % 2 ? Hex("#ff5a1a") : Hex("#ff8a2a"), 0.95);
  }
  for (int i = 0; i < 6; ++i) {
    double a = back + rng.Uniform(-0.4, 0.4), len = r * rng.Uniform(1.0, 1.7);
    Tongue(cr, cx, cy, r * 0.55, a, len, Hex("#ffd060"), 0.95);
  }
  Light(cr, cx, cy, r * 1.25, kCore, Hex("#ffd060"));
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, cx + r * 0.08, cy + r * 0.08, r * 0.55, r * 0.55); }, Hex("#fff4d0"),
      0.95);
  for (int i = 0; i < 12; ++i) {
    double a = back + rng.Uniform(-0.8, 0.8), d = r * rng.Uniform(1.3, 2.7);
    Sparkle(cr, cx + std::cos(a) * d, cy + std::sin(a) * d, rng.Uniform(2, 5), Hex("#ffa030"), 0.9);
  }
}

// A soft billowing cloud of puffs swept in one direction.
void Billow(cairo_t* cr, double cx, double cy, double w, double h, Rgb dark, Rgb light, std::uint32_t seed) {
  Rng rng(seed);
  for (int i = 0; i < 22; ++i) {
    double t = rng.Uniform(0, 1);
    double x = cx - w * 0.5 + t * w, y = cy + rng.Uniform(-h, h) * 0.45 * (0.5 + t * 0.5);
    double r = h * (0.18 + 0.22 * t) * rng.Uniform(0.8, 1.2);
    Light(cr, x, y, r * 1.4, Mix(light, dark, 0.3), dark, 0.55);
    Light(cr, x - r * 0.25, y - r * 0.3, r * 0.8, light, Mix(light, dark, 0.5), 0.5);
  }
}

// A swirl line curling round (cx, cy).
void Swirl(cairo_t* cr, double cx, double cy, double r0, double r1, double a0, double turns, Rgb colour,
           double w) {
  GlowCurve(
      cr,
      [&](cairo_t* c) {
        for (int i = 0; i <= 40; ++i) {
          double t = i / 40.0, a = a0 + t * turns * 2 * M_PI, r = r0 + (r1 - r0) * t;
          i == 0 ? cairo_move_to(c, cx + std::cos(a) * r, cy + std::sin(a) * r * 0.8)
                 : cairo_line_to(c, cx + std::cos(a) * r, cy + std::sin(a) * r * 0.8);
        }
      },
      colour, w, 0.8);
}

void Snowflake(cairo_t* cr, double x, double y, double r, double turn) {
  for (int k = 0; k < 6; ++k) {
    double a = turn + k * M_PI / 3, ex = x + std::cos(a) * r, ey = y + std::sin(a) * r;
    GlowCurve(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, x, y);
          cairo_line_to(c, ex, ey);
          for (double t : {0.5, 0.75}) {
            double bx = x + std::cos(a) * r * t, by = y + std::sin(a) * r * t;
            for (int s = -1; s <= 1; s += 2) {
              cairo_move_to(c, bx, by);
              cairo_line_to(c, bx + std::cos(a + s * 0.8) * r * 0.3, by + std::sin(a + s * 0.8) * r * 0.3);
            }
          }
        },
        Hex("#a0d8ff"), std::max(1.2, r * 0.12));
  }
}

// Glows must die out before the picture's edge, or the additive drawing
// shows its rectangle. The zap keeps its strike at the bottom edge.
void FadeEdges(Canvas& c, bool bottom) {
  const double w = c.width(), h = c.height(), mx = w * 0.14, my = h * 0.14;
  c.ForEachPixel([&](int x, int y, std::uint8_t* p) {
    double fx = std::min(x + 0.5, w - x - 0.5) / mx;
    double fy = std::min(y + 0.5, bottom ? h - y - 0.5 : h) / my;
    double f = std::clamp(std::min(fx, fy), 0.0, 1.0);
    p[3] = std::uint8_t(p[3] * f * f * (3 - 2 * f));
  });
}

void Draw(Canvas& c, int n) {
  cairo_t* cr = c.cr();
  double w = c.width(), h = c.height(), cx = w / 2, cy = h / 2;
  Rng rng(8000 + n);
  switch (n) {
    case 1: {  // BEESTING: a bee diving in, its sting flashing on the target
      Light(cr, cx + 14, cy + 14, 46, kCore, Hex("#ffc020"), 0.9);
      for (int i = 0; i < 8; ++i) {
        double a = i * M_PI / 4 + 0.2;
        Streak(cr, {cx + 14 + std::cos(a) * 8, cy + 14 + std::sin(a) * 8},
               {cx + 14 + std::cos(a) * 38, cy + 14 + std::sin(a) * 38}, 4, Hex("#ffe070"));
      }
      // Speed lines behind the bee.
      for (int i = 0; i < 4; ++i)
        Streak(cr, {6.0 + i * 4, 20.0 + i * 10}, {40.0 + i * 2, 44.0 + i * 6}, 3, Hex("#fff0a0"), 0.8);
      double bx = 48, by = 52;
      cairo_save(cr);
      cairo_translate(cr, bx, by);
      cairo_rotate(cr, M_PI / 4);
      Fill(
          cr, [](cairo_t* c2) { Ellipse(c2, -4, -12, 10, 6); }, Hex("#d8f0ff"), 0.75);
      Fill(
          cr, [](cairo_t* c2) { Ellipse(c2, 6, -11, 9, 5); }, Hex("#d8f0ff"), 0.6);
      Light(cr, 0, 0, 24, Hex("#ffe060"), Hex("#ffa000"), 0.6);
      Fill(
          cr, [](cairo_t* c2) { Ellipse(c2, 0, 0, 14, 9); }, Hex("#ffd030"));
      for (int k = -1; k <= 1; ++k)
        Fill(
            cr, [&](cairo_t* c2) { cairo_rectangle(c2, k * 6 - 1.5, -8, 3, 16); }, Hex("#6a4000"));
      Fill(
          cr,
          [](cairo_t* c2) {
            Polygon(c2, {{13, -3}, {26, 0}, {13, 3}});
          },
          Hex("#fff4c0"));
      cairo_restore(cr);
      Sparkle(cr, cx + 14, cy + 14, 22, Hex("#ffe060"));
      break;
    }
    case 2: {  // MIND BLAST: a psychic shock bursting out in rippling rings
      Light(cr, cx, cy, 80, Hex("#f0c0ff"), Hex("#8a3ae8"), 0.7);
      for (int i = 1; i <= 4; ++i) {
        double r = 16 + i * 14;
        GlowCurve(
            cr,
            [&](cairo_t* c2) {
              for (int k = 0; k <= 72; ++k) {
                double a = k * M_PI / 36, rr = r + 3 * std::sin(a * 6 + i);
                k == 0 ? cairo_move_to(c2, cx + std::cos(a) * rr, cy + std::sin(a) * rr * 0.85)
                       : cairo_line_to(c2, cx + std::cos(a) * rr, cy + std::sin(a) * rr * 0.85);
              }
              cairo_close_path(c2);
            },
            Mix(Hex("#ff80ff"), Hex("#a050ff"), i / 4.0), 4.5 - i * 0.7, 1.0 - i * 0.15);
      }
      for (int i = 0; i < 10; ++i) {
        double a = i * M_PI / 5 + 0.3;
        Streak(cr, {cx + std::cos(a) * 20, cy + std::sin(a) * 17},
               {cx + std::cos(a) * 74, cy + std::sin(a) * 64}, 4, Hex("#ffb0ff"));
      }
      Swirl(cr, cx, cy, 4, 24, 0, 1.5, Hex("#ff90ff"), 3);
      Light(cr, cx, cy, 22, kCore, Hex("#ff90ff"));
      break;
    }
    case 3:  // LAVA BOLT: a molten gob with a trail of dripping drops
      for (int i = 0; i < 6; ++i) {
        double t = i / 6.0;
        Light(cr, 22 + t * 50, 22 + t * 50, 7 + t * 6, Hex("#ffd060"), Hex("#e84a1a"), 0.8);
      }
      FireBall(cr, 80, 80, 24, 3);
      for (int i = 0; i < 4; ++i) {
        double x = 60 + i * 12, y = 104 + (i % 2) * 8;
        Streak(cr, {x, y - 12}, {x, y}, 5, Hex("#ff8a2a"));
      }
      break;
    case 4: {  // ROCK BLAST: rocks bursting from a cloud of dust (drawn plainly)
      for (int i = 0; i < 10; ++i) {
        double a = rng.Uniform(0, 2 * M_PI), d = rng.Uniform(6, 22);
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, cx + std::cos(a) * d, cy + std::sin(a) * d * 0.7, 26, 20); },
            Hex("#c8b89a"), 0.35);
      }
      for (int i = 0; i < 9; ++i) {
        double a = i * 2 * M_PI / 9 + rng.Uniform(-0.2, 0.2), d = rng.Uniform(58, 78),
               r = rng.Uniform(10, 16);
        double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.78;
        for (int k = 1; k <= 3; ++k)
          Line(cr, x - std::cos(a) * (r + k * 7), y - std::sin(a) * (r + k * 7) * 0.78 + (k - 2) * 4,
               x - std::cos(a) * (r + k * 7 + 12), y - std::sin(a) * (r + k * 7 + 12) * 0.78 + (k - 2) * 4,
               Hex("#8a7a68"), 2.5 - k * 0.5, 0.8);
        Rock(cr, x, y, r, r * 0.8, Mix(Hex("#8a7a68"), Hex("#a89070"), rng.Uniform(0, 1)), 8400 + i);
      }
      Rock(cr, cx, cy, 15, 12, Hex("#9a8a72"), 8420);
      break;
    }
    case 5: {  // ZAP: a bolt from the sky striking at (42, 251)
      Light(cr, 42, 246, 40, kCore, Hex("#80c0ff"));
      Light(cr, 42, 110, 40, Hex("#c0e0ff"), Hex("#3060c0"), 0.2);
      Arc(cr, {34, 0}, {42, 248}, 10, 12, Hex("#80c8ff"), 5, 5);
      for (int i = 0; i < 6; ++i) {
        double a = -M_PI + 0.3 + i * 0.5;
        Streak(cr, {42, 248}, {42 + std::cos(a) * 30, 248 + std::sin(a) * 16}, 3, Hex("#c0e8ff"));
      }
      break;
    }
    case 6: {  // COLOR SPRAY: a rainbow fan sprayed from the lower left
      const Rgb cols[6] = {Hex("#ff4040"), Hex("#ffa030"), Hex("#f0f040"),
                           Hex("#40e060"), Hex("#40a0ff"), Hex("#c060ff")};
      Pt o{24, h - 24};
      Light(cr, o.x, o.y, 60, kCore, Hex("#ffe0a0"), 0.8);
      for (int i = 0; i < 6; ++i) {
        double a = -M_PI / 2 + 0.12 + i * 0.24;
        Tongue(cr, o.x, o.y, 6, a, 170, cols[i], 0.9);
        for (int k = 0; k < 4; ++k) {
          double d = rng.Uniform(60, 150), aa = a + rng.Uniform(-0.08, 0.08);
          Sparkle(cr, o.x + std::cos(aa) * d, o.y + std::sin(aa) * d, rng.Uniform(3, 7), cols[i]);
        }
      }
      Light(cr, o.x, o.y, 24, kCore, Hex("#fff0c0"));
      break;
    }
    case 7: {  // SNOWBREEZE: an icy gust curling round, snowflakes riding it
      Light(cr, cx, cy, 90, Hex("#e0f4ff"), Hex("#60a8f0"), 0.45);
      for (int i = 0; i < 3; ++i)
        Swirl(cr, cx, cy, 12 + i * 10, 70 + i * 8, i * 2.1, 0.9, Hex("#a0d8ff"), 3.5 - i * 0.6);
      const Pt flakes[6] = {{40, 46}, {130, 40}, {150, 120}, {58, 140}, {96, 92}, {110, 156}};
      for (int i = 0; i < 6; ++i)
        Snowflake(cr, flakes[i].x, flakes[i].y, i == 4 ? 20 : 11 + (i % 3) * 3, i * 0.3);
      for (int i = 0; i < 30; ++i)
        Sparkle(cr, rng.Uniform(15, w - 15), rng.Uniform(15, h - 15), rng.Uniform(1.5, 3.5), Hex("#c0e8ff"),
                0.9);
      break;
    }
    case 8: {  // DUST CLOUD: a whirl of grit blowing across the target
      Billow(cr, cx, cy + 10, w * 0.68, h * 0.6, Hex("#a07848"), Hex("#f0dcb0"), 88);
      for (int i = 0; i < 3; ++i)
        Swirl(cr, cx, cy + 10, 10 + i * 12, 60 + i * 14, i * 2.0, 0.8, Hex("#e8c890"), 2.5);
      for (int i = 0; i < 26; ++i) {
        double x = rng.Uniform(20, w - 20), y = rng.Uniform(30, h - 20);
        Streak(cr, {x - 14, y + 3}, {x, y}, 2.5, Hex("#f0d8a0"));
      }
      break;
    }
    case 9: {  // SHOCKBOLT: a crackling ball of lightning hurling arcs
      Light(cr, cx, cy, 88, Hex("#c0d8ff"), Hex("#3060e0"), 0.6);
      for (int i = 0; i < 7; ++i) {
        double a = i * 2 * M_PI / 7 + 0.2, len = 70 + (i % 3) * 8;
        Arc(cr, {cx, cy}, {cx + std::cos(a) * len, cy + std::sin(a) * len}, 6, 9, Hex("#80b0ff"), 3, 90 + i);
      }
      GlowCurve(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx, cy, 26, 26); }, Hex("#a0c8ff"), 2.5);
      Light(cr, cx, cy, 26, kCore, Hex("#a0d0ff"));
      break;
    }
    case 10: {  // FIREWORKS: three bursts of drooping sparks and a rocket
      const Rgb cols[3] = {Hex("#ff5070"), Hex("#50ff90"), Hex("#ffd050")};
      const Pt at[3] = {{70, 66}, {142, 90}, {84, 146}};
      const double rad[3] = {52, 44, 38};
      for (int k = 0; k < 3; ++k) {
        Light(cr, at[k].x, at[k].y, rad[k] * 1.2, Mix(kCore, cols[k], 0.5), cols[k], 0.35);
        for (int i = 0; i < 16; ++i) {
          double a = i * M_PI / 8 + k;
          double ex = at[k].x + std::cos(a) * rad[k], ey = at[k].y + std::sin(a) * rad[k] + 8;
          GlowCurve(
              cr,
              [&](cairo_t* c2) {
                cairo_move_to(c2, at[k].x + std::cos(a) * rad[k] * 0.3, at[k].y + std::sin(a) * rad[k] * 0.3);
                cairo_curve_to(c2, at[k].x + std::cos(a) * rad[k] * 0.7, at[k].y + std::sin(a) * rad[k] * 0.7,
                               ex, ey - 6, ex, ey);
              },
              cols[k], 1.6, 0.9);
          Sparkle(cr, ex, ey, 3.5, cols[k]);
        }
        Light(cr, at[k].x, at[k].y, 12, kCore, cols[k]);
      }
      Streak(cr, {180, 196}, {150, 120}, 4, Hex("#ffe0a0"));
      break;
    }
    case 11:  // FIREBALL
      FireBall(cr, 120, 120, 48, 11);
      break;
    case 12: {  // SWARM: a buzzing vortex of hornets
      Light(cr, cx, cy, 90, Hex("#f0f080"), Hex("#808020"), 0.25);
      for (int i = 0; i < 3; ++i) Swirl(cr, cx, cy, 10, 80, i * 2.1, 1.2, Hex("#d0d060"), 1.5);
      for (int i = 0; i < 46; ++i) {
        double t = rng.Uniform(0, 1), a = i * 2.4 + t * 4, d = 12 + t * 76;
        double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.8;
        double ta = a + M_PI / 2;
        Streak(cr, {x - std::cos(ta) * 12, y - std::sin(ta) * 10}, {x, y}, 2.5, Hex("#f0e060"), 0.6);
        Fill(
            cr,
            [&](cairo_t* c2) {
              Ellipse(c2, x - 2.5, y - 3, 3, 2);
              Ellipse(c2, x + 2.5, y - 3, 3, 2);
            },
            Hex("#e0f0ff"), 0.7);
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, x, y, 3.2, 2.4); }, Hex("#ffd030"));
      }
      break;
    }
    case 13: {  // JELLY BLOB: a glossy green glob splatting on the target
      Light(cr, cx, cy, 88, Hex("#c0ffb0"), Hex("#30c050"), 0.5);
      std::vector<Pt> blob;
      for (int i = 0; i < 12; ++i) {
        double a = i * M_PI / 6, r = (i % 2 ? 48 : 58) + rng.Uniform(-4, 4);
        blob.push_back({cx + std::cos(a) * r, cy + std::sin(a) * r * 0.8 + 8});
      }
      Fill(
          cr, [&](cairo_t* c2) { SmoothClosed(c2, blob, 0.9); }, Hex("#40c860"), 0.75);
      Light(cr, cx - 8, cy, 46, Hex("#d0ffc0"), Hex("#60e070"), 0.8);
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx - 22, cy - 22, 14, 8); }, Grey(245), 0.9);
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, cx + 18, cy - 28, 5, 3); }, Grey(240), 0.8);
      for (int i = 0; i < 10; ++i) {
        double a = i * M_PI / 5 + 0.3, d = rng.Uniform(64, 82);
        double x = cx + std::cos(a) * d, y = cy + std::sin(a) * d * 0.85;
        Streak(cr, {cx + std::cos(a) * 44, cy + std::sin(a) * 38}, {x, y}, 7, Hex("#60e070"), 0.8);
        Light(cr, x, y, 9, Hex("#e0ffd0"), Hex("#40c860"));
      }
      break;
    }
    case 14: {  // GIANT'S FART: a reeking green blast rolling in from the left
      Billow(cr, cx + 10, cy + 10, w * 0.7, h * 0.6, Hex("#6a9a20"), Hex("#e0f080"), 1414);
      for (int i = 0; i < 4; ++i) {
        double y = 40 + i * 40;
        Streak(cr, {4, y}, {60, y + 4}, 6, Hex("#d0f060"), 0.8);
      }
      for (int i = 0; i < 3; ++i) {
        double x = 90 + i * 40;
        GlowCurve(
            cr,
            [&](cairo_t* c2) {
              cairo_move_to(c2, x, 70);
              cairo_curve_to(c2, x - 14, 56, x + 14, 42, x, 28);
              cairo_curve_to(c2, x - 14, 18, x + 10, 10, x + 2, 4);
            },
            Hex("#c0e040"), 3);
      }
      break;
    }
    default:
      break;
  }
  if (n != 4) FadeEdges(c, n != 5);
}

// The hit splat: a red-hot impact star with speed streaks.
void Splat(Canvas& c) {
  cairo_t* cr = c.cr();
  const double cx = 64, cy = 66;
  Rng rng(99);
  Light(cr, cx, cy, 64, Hex("#ffb040"), Hex("#c82a10"), 0.7);
  std::vector<Pt> star;
  for (int i = 0; i < 18; ++i) {
    double a = i * M_PI / 9, k = i % 2 ? rng.Uniform(0.3, 0.42) : rng.Uniform(0.75, 0.95);
    star.push_back({cx + std::cos(a) * 60 * k, cy + std::sin(a) * 60 * k});
  }
  Fill(
      cr, [&](cairo_t* c2) { Polygon(c2, star); }, Hex("#e83a1a"));
  for (Pt& p : star) p = {cx + (p.x - cx) * 0.6, cy + (p.y - cy) * 0.6};
  Fill(
      cr, [&](cairo_t* c2) { Polygon(c2, star); }, Hex("#ffa030"));
  for (int i = 0; i < 8; ++i) {
    double a = i * M_PI / 4 + 0.2;
    Streak(cr, {cx + std::cos(a) * 30, cy + std::sin(a) * 30}, {cx + std::cos(a) * 62, cy + std::sin(a) * 62},
           3, Hex("#ffd080"));
  }
  Light(cr, cx, cy, 22, kCore, Hex("#ffd060"));
}

const int kSpellSizes[14][2] = {{128, 128}, {160, 160}, {128, 128}, {200, 160}, {84, 260},
                                {180, 180}, {180, 180}, {220, 180}, {180, 180}, {200, 200},
                                {200, 200}, {200, 200}, {180, 180}, {220, 200}};

}  // namespace

void AddSpellPictures(PictureList& l) {
  for (int i = 1; i <= 14; ++i)
    l.push_back({"spell_" + std::to_string(i) + ".png", kSpellSizes[i - 1][0], kSpellSizes[i - 1][1],
                 "spells", i == 4 ? kPlain : kFiltered, [i](Canvas& c) { Draw(c, i); }});
  l.push_back({"splat.png", 128, 133, "spells", kPlain, Splat});
}

}  // namespace vv::gen
