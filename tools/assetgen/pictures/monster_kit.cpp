#include "monster_kit.h"

#include <cmath>

#include "item_kit.h"

namespace vv::gen {

void Eyes(cairo_t* cr, double x, double y, double gap, double r, Rgb iris, Pose pose) {
  for (int s : {-1, 1}) {
    double ex = x + s * gap;
    if (pose == kDead) {
      double k = r * 0.8;
      Line(cr, ex - k, y - k, ex + k, y + k, Hex("#1a1010"), std::max(2.0, r * 0.35));
      Line(cr, ex + k, y - k, ex - k, y + k, Hex("#1a1010"), std::max(2.0, r * 0.35));
      continue;
    }
    Cel(cr, [&](cairo_t* c) { Ellipse(c, ex, y, r, r * 0.85); }, Grey(238),
        {.outline = std::max(1.5, r * 0.18)});
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, ex + s * r * 0.15, y + r * 0.1, r * 0.55, r * 0.6); }, iris);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, ex + s * r * 0.15, y + r * 0.1, r * 0.25, r * 0.35); },
        Hex("#100808"));
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, ex - r * 0.25, y - r * 0.3, r * 0.18, r * 0.18); }, Grey(248));
    if (pose == kAttack)  // angry brows
      Line(cr, ex - s * r * 1.1, y - r * 1.3, ex + s * r * 0.9, y - r * 0.7, Hex("#1a1010"),
           std::max(2.5, r * 0.4));
  }
}

void Mouth(cairo_t* cr, double x, double y, double w, Pose pose, bool fangs) {
  if (pose == kAttack) {
    Cel(cr, [&](cairo_t* c) { Ellipse(c, x, y + w * 0.2, w * 0.5, w * 0.42); }, Hex("#6a1a1a"),
        {.outline = 2});
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, x, y + w * 0.42, w * 0.3, w * 0.15); }, Hex("#d85a6a"));
  } else if (pose == kDead) {
    Line(cr, x - w * 0.4, y, x + w * 0.4, y + w * 0.05, Hex("#2a1010"), std::max(2.0, w * 0.08));
    Cel(cr, [&](cairo_t* c) { Ellipse(c, x + w * 0.15, y + w * 0.18, w * 0.14, w * 0.2); }, Hex("#d85a6a"),
        {.outline = 1.5});
  } else {
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, x - w * 0.45, y - w * 0.05);
          cairo_curve_to(c, x - w * 0.2, y + w * 0.15, x + w * 0.2, y + w * 0.15, x + w * 0.45, y - w * 0.05);
        },
        Hex("#2a1010"), std::max(2.0, w * 0.07));
  }
  if (fangs && pose != kDead)
    for (int s : {-1, 1})
      Cel(cr,
          [&](cairo_t* c) {
            double fx = x + s * w * 0.25, fy = y + (pose == kAttack ? -w * 0.1 : 0.0);
            Polygon(c, {{fx - w * 0.07, fy}, {fx + w * 0.07, fy}, {fx, fy + w * 0.22}});
          },
          Grey(240), {.outline = 1.2});
}

namespace {

void Limb(cairo_t* cr, double x1, double y1, double x2, double y2, double w, Rgb c) {
  Cel(cr,
      [&](cairo_t* c2) {
        double dx = x2 - x1, dy = y2 - y1, len = std::hypot(dx, dy);
        double nx = -dy / len * w / 2, ny = dx / len * w / 2;
        Polygon(c2, {{x1 + nx, y1 + ny},
                     {x2 + nx * 0.8, y2 + ny * 0.8},
                     {x2 - nx * 0.8, y2 - ny * 0.8},
                     {x1 - nx, y1 - ny}});
        Ellipse(c2, x1, y1, w / 2, w / 2);
      },
      c, {.outline = std::max(2.0, w * 0.08)});
}

void Weapon(cairo_t* cr, int kind, double x, double y, double len, double angle) {
  if (kind == 0) return;
  double ex = x + std::cos(angle) * len, ey = y + std::sin(angle) * len;
  double bx = x - std::cos(angle) * len * 0.15, by = y - std::sin(angle) * len * 0.15;
  if (kind == 1) {
    Pole(cr, bx, by, ex, ey, len * 0.07, Hex("#7a5230"));
  } else if (kind == 2) {
    Cel(cr,
        [&](cairo_t* c) {
          double nx = -std::sin(angle), ny = std::cos(angle);
          Polygon(c, {{bx + nx * len * 0.04, by + ny * len * 0.04},
                      {ex + nx * len * 0.13, ey + ny * len * 0.13},
                      {ex + std::cos(angle) * len * 0.1, ey + std::sin(angle) * len * 0.1},
                      {ex - nx * len * 0.13, ey - ny * len * 0.13},
                      {bx - nx * len * 0.04, by - ny * len * 0.04}});
        },
        Hex("#6a4428"), {.outline = 2.5});
  } else {
    Pole(cr, bx, by, ex, ey, len * 0.06, Hex("#4a2a1a"));
    cairo_save(cr);
    cairo_translate(cr, ex, ey);
    cairo_rotate(cr, angle + M_PI / 2);
    Cel(cr,
        [&](cairo_t* c) {
          cairo_move_to(c, 0, 0);
          cairo_curve_to(c, len * 0.2, -len * 0.1, len * 0.4, -len * 0.05, len * 0.42, len * 0.05);
          cairo_curve_to(c, len * 0.38, len * 0.25, len * 0.2, len * 0.3, 0, len * 0.22);
          cairo_close_path(c);
        },
        Hex("#b8c0cc"), {.outline = 2.5, .light = 0.4});
    cairo_restore(cr);
  }
}

}  // namespace

void DrawBiped(cairo_t* cr, const Creature& m, Pose pose) {
  const double h = m.h, s = m.stocky;
  const double tw = h * 0.26 * s;  // half torso width
  const bool atk = pose == kAttack;
  const Rgb dark = Darker(m.body, 0.25);
  GroundShadow(cr, 0, 0, tw * 1.6, h * 0.05, 0.0);
  if (m.tail)
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, tw * 0.5, -h * 0.35);
          cairo_curve_to(c, tw * 2.2, -h * 0.3, tw * 1.8, -h * 0.7, tw * 2.4, -h * 0.8);
        },
        m.body, h * 0.04);
  // Legs.
  for (int sd : {-1, 1}) {
    double lx = sd * tw * 0.55;
    Limb(cr, lx, -h * 0.36, lx + sd * tw * 0.15, -h * 0.05, tw * 0.55, dark);
    Cel(cr, [&](cairo_t* c) { Ellipse(c, lx + sd * tw * 0.25, -h * 0.035, tw * 0.42, h * 0.04); },
        Darker(m.body, 0.4), {.outline = 2});
  }
  // Back arm (right side of the picture).
  double shoulderY = -h * 0.68;
  auto arm = [&](int sd) {
    double sx = sd * tw * 0.95;
    double hx, hy;
    if (atk) {
      hx = sx + sd * tw * 0.3;
      hy = -h * 0.98;
    } else {
      hx = sx + sd * tw * 0.35;
      hy = -h * 0.34;
    }
    Limb(cr, sx, shoulderY, hx, hy, tw * 0.48, m.body);
    Cel(cr, [&](cairo_t* c) { Ellipse(c, hx, hy, tw * 0.3, tw * 0.3); }, Darker(m.body, 0.15),
        {.outline = 2});
    return Pt{hx, hy};
  };
  Pt backHand = arm(1);
  // Torso and belly.
  Cel(cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{-tw, shoulderY - h * 0.02},
                      {0, shoulderY - h * 0.08},
                      {tw, shoulderY - h * 0.02},
                      {tw * 0.9, -h * 0.42},
                      {tw * 0.6, -h * 0.3},
                      {-tw * 0.6, -h * 0.3},
                      {-tw * 0.9, -h * 0.42}},
                     0.8);
      },
      m.body, {.outline = 3});
  Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.46, tw * 0.58, h * 0.15); }, m.belly, {.outline = 2});
  // Head.
  double hy = -h * 0.8, hr = h * 0.13 * (m.head == 6 ? 1.1 : 1.0);
  switch (m.head) {
    case 0:  // goblin ears
      for (int sd : {-1, 1})
        Cel(cr,
            [&](cairo_t* c) {
              Polygon(c, {{sd * hr * 0.7, hy - hr * 0.2},
                          {sd * hr * 2.2, hy - hr * 0.9},
                          {sd * hr * 0.8, hy + hr * 0.4}});
            },
            m.body, {.outline = 2});
      break;
    case 2:  // bull horns
    case 3:  // demon horns
      for (int sd : {-1, 1})
        Cel(cr,
            [&](cairo_t* c) {
              cairo_move_to(c, sd * hr * 0.6, hy - hr * 0.6);
              cairo_curve_to(c, sd * hr * 1.8, hy - hr * 0.8, sd * hr * 2.0,
                             hy - hr * (m.head == 2 ? 1.4 : 2.2), sd * hr * (m.head == 2 ? 2.3 : 1.2),
                             hy - hr * (m.head == 2 ? 1.9 : 2.6));
              cairo_curve_to(c, sd * hr * 1.3, hy - hr * 1.2, sd * hr * 1.1, hy - hr * 1.0, sd * hr * 0.7,
                             hy - hr * 0.2);
              cairo_close_path(c);
            },
            m.head == 2 ? Hex("#e8dcc0") : Hex("#2a1a1a"), {.outline = 2});
      break;
    case 5:  // bear ears
      for (int sd : {-1, 1})
        Cel(cr, [&](cairo_t* c) { Ellipse(c, sd * hr * 0.8, hy - hr * 0.85, hr * 0.38, hr * 0.38); }, m.body,
            {.outline = 2});
      break;
    default:
      break;
  }
  if (m.head == 4)
    Cel(cr, [&](cairo_t* c) { RoundRect(c, -hr, hy - hr, hr * 2, hr * 1.9, hr * 0.3); }, m.body,
        {.outline = 3});
  else
    Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, hy, hr * (m.head == 6 ? 1.15 : 1.0), hr); }, m.body,
        {.outline = 3});
  if (m.head == 1)  // wild hair
    Cel(cr,
        [&](cairo_t* c) {
          std::vector<Pt> p;
          for (int i = 0; i <= 10; ++i) {
            double a = M_PI + i * M_PI / 10, r = hr * (i % 2 ? 1.15 : 1.35);
            p.push_back({std::cos(a) * r, hy + std::sin(a) * r * 0.9});
          }
          p.push_back({hr, hy - hr * 0.2});
          p.push_back({-hr, hy - hr * 0.2});
          Polygon(c, p);
        },
        Hex("#4a2a18"), {.outline = 2});
  // Face: a muzzle for beasts, a plain face otherwise.
  Rgb face = m.belly;
  if (m.head == 2 || m.head == 5 || m.head == 6)
    Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, hy + hr * 0.45, hr * 0.62, hr * 0.45); }, face, {.outline = 2});
  if (m.head == 2) {
    Fill(
        cr,
        [&](cairo_t* c) {
          Ellipse(c, -hr * 0.22, hy + hr * 0.45, hr * 0.1, hr * 0.12);
          Ellipse(c, hr * 0.22, hy + hr * 0.45, hr * 0.1, hr * 0.12);
        },
        Hex("#1a0a08"));
    Stroke(
        cr, [&](cairo_t* c) { Ellipse(c, 0, hy + hr * 0.82, hr * 0.2, hr * 0.12); }, Hex("#e0b040"),
        hr * 0.08);
  }
  Eyes(cr, 0, hy - hr * 0.15, hr * 0.42, hr * 0.26, m.eye, pose);
  if (m.head != 2)
    Mouth(cr, 0, hy + hr * 0.5, hr * 0.9, pose, m.head == 3 || m.head == 5 || m.head == 6 || m.head == 0);
  if (m.head == 4)  // golem cracks and glowing core
    Glow(cr, 0, -h * 0.5, h * 0.12, m.eye, 0.8);
  // Front arm and weapon.
  Pt frontHand = arm(-1);
  double wAngle = atk ? -M_PI / 2 - 0.5 : -M_PI / 2 - 0.25;
  Weapon(cr, m.weapon, frontHand.x, frontHand.y, h * 0.5, wAngle);
  (void)backHand;
  if (atk)  // motion streaks
    for (int i = 0; i < 3; ++i)
      Stroke(
          cr,
          [&](cairo_t* c) {
            cairo_arc(c, frontHand.x + tw * 0.4, frontHand.y + h * 0.25, h * (0.22 + i * 0.06), -M_PI * 0.9,
                      -M_PI * 0.55);
          },
          Grey(240), 3, 0.8);
}

}  // namespace vv::gen
