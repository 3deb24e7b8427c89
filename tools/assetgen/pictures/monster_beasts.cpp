// Four-legged, crawling and flying monsters.

#include <cmath>

#include "monster_kit.h"

namespace vv::gen {

void DrawBeast(cairo_t* cr, int kind, const Creature& m, Pose pose) {
  const double h = m.h;
  const bool atk = pose == kAttack;
  const Rgb dark = Darker(m.body, 0.3);
  switch (kind) {
    case 0: {  // mole: a round digger with big claws and a pink snout
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.45, h * 0.5, h * 0.45); }, m.body, {.outline = 3});
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.36, h * 0.3, h * 0.28); }, m.belly, {.outline = 2});
      for (int s : {-1, 1}) {
        double cy = atk ? -h * 0.75 : -h * 0.25;
        Cel(cr, [&](cairo_t* c) { Ellipse(c, s * h * 0.42, cy, h * 0.16, h * 0.12); }, Hex("#e8a0a0"),
            {.outline = 2});
        for (int k = -1; k <= 1; ++k)
          Cel(cr,
              [&](cairo_t* c) {
                Polygon(c, {{s * h * 0.5 + k * h * 0.06, cy - h * 0.05},
                            {s * h * 0.62 + k * h * 0.05, cy - h * 0.2},
                            {s * h * 0.56 + k * h * 0.06, cy}});
              },
              Grey(235), {.outline = 1.5});
      }
      Eyes(cr, 0, -h * 0.68, h * 0.14, h * 0.05, m.eye, pose);
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.56, h * 0.1, h * 0.08); }, Hex("#f08a9a"),
          {.outline = 2});
      Mouth(cr, 0, -h * 0.46, h * 0.16, pose, true);
      break;
    }
    case 1: {  // crab: wide shell, stalk eyes, big claws
      for (int s : {-1, 1})
        for (int k = 0; k < 3; ++k)
          Stroke(
              cr,
              [&](cairo_t* c) {
                cairo_move_to(c, s * h * 0.4, -h * 0.3 + k * h * 0.06);
                cairo_line_to(c, s * h * (0.75 + k * 0.08), -h * 0.35 + k * h * 0.05);
                cairo_line_to(c, s * h * (0.85 + k * 0.08), 0);
              },
              dark, h * 0.05);
      for (int s : {-1, 1}) {
        double cx = s * h * 0.62, cy = atk ? -h * 0.95 : -h * 0.6;
        Stroke(
            cr,
            [&](cairo_t* c) {
              cairo_move_to(c, s * h * 0.35, -h * 0.4);
              cairo_line_to(c, cx, cy + h * 0.1);
            },
            m.body, h * 0.08);
        Cel(cr,
            [&](cairo_t* c) {
              cairo_move_to(c, cx, cy + h * 0.15);
              cairo_curve_to(c, cx - s * h * 0.25, cy, cx - s * h * 0.2, cy - h * 0.3, cx, cy - h * 0.32);
              cairo_line_to(c, cx + s * h * 0.02, cy - h * 0.1);
              cairo_line_to(c, cx + s * h * 0.18, cy - h * 0.25);
              cairo_curve_to(c, cx + s * h * 0.25, cy, cx + s * h * 0.15, cy + h * 0.1, cx, cy + h * 0.15);
            },
            m.body, {.outline = 3});
      }
      for (int s : {-1, 1}) {
        Line(cr, s * h * 0.1, -h * 0.5, s * h * 0.14, -h * 0.75, dark, h * 0.04);
      }
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.38, h * 0.48, h * 0.25); }, m.body, {.outline = 3});
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.3, h * 0.3, h * 0.1); }, m.belly, {.outline = 2});
      Eyes(cr, 0, -h * 0.78, h * 0.14, h * 0.07, m.eye, pose);
      Mouth(cr, 0, -h * 0.32, h * 0.16, pose, false);
      break;
    }
    case 2: {  // tortoise: spiked dome shell, head to the front
      for (int s : {-1, 1})
        Cel(cr, [&](cairo_t* c) { Ellipse(c, s * h * 0.5, -h * 0.1, h * 0.14, h * 0.12); }, m.belly,
            {.outline = 2.5});
      Cel(cr,
          [&](cairo_t* c) {
            cairo_move_to(c, -h * 0.78, -h * 0.16);
            cairo_curve_to(c, -h * 0.7, -h * 0.95, h * 0.7, -h * 0.95, h * 0.78, -h * 0.16);
            cairo_close_path(c);
          },
          m.body, {.outline = 3});
      for (int i = -2; i <= 2; ++i) {
        double x = i * h * 0.27, y = -h * 0.45 - (2 - std::abs(i)) * h * 0.08;
        std::vector<Pt> hex;
        for (int k = 0; k < 6; ++k)
          hex.push_back({x + std::cos(k * M_PI / 3) * h * 0.12, y + std::sin(k * M_PI / 3) * h * 0.1});
        Cel(cr, [&](cairo_t* c) { Polygon(c, hex); }, m.accent, {.outline = 2});
        Cel(cr,
            [&](cairo_t* c) {
              Polygon(c, {{x - h * 0.04, y - h * 0.08}, {x, y - h * 0.22}, {x + h * 0.04, y - h * 0.08}});
            },
            Grey(225), {.outline = 1.5});
      }
      Cel(cr, [&](cairo_t* c) { RoundRect(c, -h * 0.8, -h * 0.2, h * 1.6, h * 0.08, h * 0.04); },
          Darker(m.accent, 0.2), {.outline = 2});
      double hy = atk ? -h * 0.35 : -h * 0.22;
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, hy, h * 0.2, h * 0.16); }, m.belly, {.outline = 2.5});
      Eyes(cr, 0, hy - h * 0.04, h * 0.08, h * 0.04, m.eye, pose);
      Mouth(cr, 0, hy + h * 0.07, h * 0.14, pose, false);
      break;
    }
    case 3: {  // frog: squat, huge eyes, wide mouth
      for (int s : {-1, 1})
        Cel(cr, [&](cairo_t* c) { Ellipse(c, s * h * 0.5, -h * 0.12, h * 0.28, h * 0.12); }, dark,
            {.outline = 2.5});
      Cel(cr,
          [&](cairo_t* c) {
            SmoothClosed(c,
                         {{-h * 0.6, -h * 0.05},
                          {-h * 0.5, -h * 0.55},
                          {0, -h * 0.72},
                          {h * 0.5, -h * 0.55},
                          {h * 0.6, -h * 0.05}},
                         0.8);
          },
          m.body, {.outline = 3});
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.22, h * 0.36, h * 0.18); }, m.belly, {.outline = 2});
      for (int s : {-1, 1})
        Cel(cr, [&](cairo_t* c) { Ellipse(c, s * h * 0.26, -h * 0.78, h * 0.17, h * 0.17); }, m.body,
            {.outline = 3});
      Eyes(cr, 0, -h * 0.8, h * 0.26, h * 0.11, m.eye, pose);
      if (atk) {
        Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.45, h * 0.4, h * 0.14); }, Hex("#6a1a2a"),
            {.outline = 2.5});
        Stroke(
            cr,
            [&](cairo_t* c) {
              cairo_move_to(c, 0, -h * 0.45);
              cairo_curve_to(c, h * 0.3, -h * 0.4, h * 0.5, -h * 0.9, h * 0.8, -h * 0.8);
            },
            Hex("#e85a7a"), h * 0.06);
      } else {
        Mouth(cr, 0, -h * 0.5, h * 0.7, pose, false);
      }
      for (Pt p : {Pt{-h * 0.2, -h * 0.6}, Pt{h * 0.3, -h * 0.35}, Pt{-h * 0.4, -h * 0.3}})
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, p.x, p.y, h * 0.04, h * 0.03); }, m.accent);
      break;
    }
    case 4: {  // ant: abdomen behind, thorax, head with mandibles, six legs
      for (int s : {-1, 1})
        for (int k = 0; k < 3; ++k)
          Stroke(
              cr,
              [&](cairo_t* c) {
                double bx = s * h * 0.1, by = -h * 0.5;
                cairo_move_to(c, bx, by);
                cairo_line_to(c, s * h * (0.45 + k * 0.2), -h * (0.75 - k * 0.1));
                cairo_line_to(c, s * h * (0.6 + k * 0.25), 0);
              },
              dark, h * 0.045);
      Cel(cr, [&](cairo_t* c) { Ellipse(c, h * 0.25, -h * 0.62, h * 0.42, h * 0.3); }, Darker(m.body, 0.1),
          {.outline = 3});
      Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, -h * 0.5, h * 0.2, h * 0.16); }, m.body, {.outline = 3});
      double hx = -h * 0.2, hy = atk ? -h * 0.45 : -h * 0.55;
      for (int s : {-1, 1})
        Stroke(
            cr,
            [&](cairo_t* c) {
              cairo_move_to(c, hx + s * h * 0.08, hy - h * 0.2);
              cairo_curve_to(c, hx + s * h * 0.2, hy - h * 0.45, hx + s * h * 0.35, hy - h * 0.45,
                             hx + s * h * 0.4, hy - h * 0.35);
            },
            dark, h * 0.025);
      for (int s : {-1, 1}) {
        double open = atk ? 0.25 : 0.1;
        Cel(cr,
            [&](cairo_t* c) {
              cairo_move_to(c, hx + s * h * 0.08, hy + h * 0.12);
              cairo_curve_to(c, hx + s * h * (0.25 + open), hy + h * 0.2, hx + s * h * (0.15 + open),
                             hy + h * 0.4, hx - s * h * 0.02, hy + h * 0.38);
              cairo_curve_to(c, hx + s * h * 0.12, hy + h * 0.3, hx + s * h * 0.12, hy + h * 0.22,
                             hx + s * h * 0.02, hy + h * 0.15);
              cairo_close_path(c);
            },
            m.accent, {.outline = 2});
      }
      Cel(cr, [&](cairo_t* c) { Ellipse(c, hx, hy, h * 0.22, h * 0.2); }, m.body, {.outline = 3});
      Eyes(cr, hx, hy - h * 0.03, h * 0.11, h * 0.06, m.eye, pose);
      break;
    }
    default: {  // snake: coils and a raised hooded neck
      for (int i = 0; i < 3; ++i)
        Cel(cr,
            [&](cairo_t* c) {
              Ellipse(c, (i - 1) * h * 0.05, -h * (0.08 + i * 0.13), h * (0.5 - i * 0.1), h * 0.1);
            },
            m.body, {.outline = 3});
      double lean = atk ? -h * 0.15 : 0;
      Cel(cr,
          [&](cairo_t* c) {
            cairo_move_to(c, -h * 0.12, -h * 0.35);
            cairo_curve_to(c, -h * 0.15, -h * 0.6, lean - h * 0.1, -h * 0.7, lean - h * 0.08, -h * 0.8);
            cairo_line_to(c, lean + h * 0.08, -h * 0.8);
            cairo_curve_to(c, lean + h * 0.1, -h * 0.7, h * 0.15, -h * 0.6, h * 0.12, -h * 0.35);
            cairo_close_path(c);
          },
          m.body, {.outline = 3});
      Cel(cr, [&](cairo_t* c) { Ellipse(c, lean, -h * 0.72, h * 0.22, h * 0.2); }, m.accent, {.outline = 3});
      Cel(cr, [&](cairo_t* c) { Ellipse(c, lean, -h * 0.66, h * 0.08, h * 0.2); }, m.belly, {.outline = 2});
      double hy = -h * 0.88;
      Cel(cr, [&](cairo_t* c) { Ellipse(c, lean, hy, h * 0.13, h * 0.1); }, m.body, {.outline = 3});
      Eyes(cr, lean, hy - h * 0.02, h * 0.06, h * 0.035, m.eye, pose);
      if (pose != kDead) {
        double ty = hy + h * 0.08 + (atk ? h * 0.05 : 0);
        Stroke(
            cr,
            [&](cairo_t* c) {
              cairo_move_to(c, lean, hy + h * 0.06);
              cairo_line_to(c, lean, ty);
              cairo_line_to(c, lean - h * 0.03, ty + h * 0.04);
              cairo_move_to(c, lean, ty);
              cairo_line_to(c, lean + h * 0.03, ty + h * 0.04);
            },
            Hex("#d82a4a"), h * 0.012);
      }
      break;
    }
  }
}

void DrawFlyer(cairo_t* cr, int kind, const Creature& m, Pose pose) {
  const double h = m.h;
  const bool atk = pose == kAttack;
  const double lift = kind == 0 && pose != kDead ? h * 0.55 : 0;  // the bat hovers
  cairo_save(cr);
  cairo_translate(cr, 0, -lift);
  double span = kind == 0 ? h * 1.1 : kind == 1 ? h * 0.7 : h * 0.9;
  double wingY = kind == 0 ? -h * 0.5 : -h * 0.62;
  double up = atk ? -h * 0.3 : 0;
  Rgb wing = kind == 1 ? Darker(m.body, 0.1) : m.accent;
  // Wings.
  for (int s : {-1, 1})
    Cel(cr,
        [&](cairo_t* c) {
          cairo_move_to(c, s * h * 0.12, wingY);
          cairo_line_to(c, s * span * 0.55, wingY - h * 0.3 + up);
          cairo_line_to(c, s * span, wingY - h * 0.2 + up);
          if (kind == 1) {
            for (int k = 0; k < 4; ++k)
              cairo_line_to(c, s * span * (0.95 - k * 0.15), wingY + h * (0.1 + k * 0.05) + up * 0.5);
          } else {
            cairo_curve_to(c, s * span * 0.85, wingY + h * 0.05, s * span * 0.75, wingY + h * 0.1,
                           s * span * 0.68, wingY + h * 0.2);
            cairo_curve_to(c, s * span * 0.55, wingY + h * 0.08, s * span * 0.45, wingY + h * 0.1,
                           s * span * 0.38, wingY + h * 0.22);
            cairo_curve_to(c, s * span * 0.28, wingY + h * 0.1, s * h * 0.2, wingY + h * 0.15, s * h * 0.12,
                           wingY + h * 0.2);
          }
          cairo_close_path(c);
        },
        wing, {.outline = 3});
  // Legs, tail and body.
  if (kind != 0)
    for (int s : {-1, 1}) {
      Line(cr, s * h * 0.1, -h * 0.3, s * h * 0.14, -h * 0.04, Hex("#c8a040"), h * 0.04);
      for (int k = -1; k <= 1; ++k)
        Line(cr, s * h * 0.14, -h * 0.04, s * h * 0.14 + k * h * 0.05, 0, Hex("#c8a040"), h * 0.025);
    }
  if (kind == 2)
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, h * 0.1, -h * 0.3);
          cairo_curve_to(c, h * 0.5, -h * 0.2, h * 0.5, -h * 0.02, h * 0.75, -h * 0.05);
        },
        m.body, h * 0.06);
  double bodyH = kind == 0 ? h * 0.25 : h * 0.3;
  Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, wingY + h * 0.05, h * 0.17, bodyH); }, m.body, {.outline = 3});
  Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, wingY + h * 0.1, h * 0.1, bodyH * 0.65); }, m.belly,
      {.outline = 2});
  // Neck and head.
  double hy = kind == 0 ? wingY - h * 0.25 : kind == 1 ? -h * 0.95 : -h * 0.98;
  if (kind != 0)
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, 0, wingY - bodyH * 0.6);
          cairo_line_to(c, atk ? -h * 0.05 : 0, hy);
        },
        kind == 1 ? Hex("#d88a8a") : m.body, h * 0.07);
  double hr = kind == 0 ? h * 0.14 : h * 0.1;
  if (kind == 0)
    for (int s : {-1, 1})
      Cel(cr,
          [&](cairo_t* c) {
            Polygon(c, {{s * hr * 0.3, hy - hr * 0.6},
                        {s * hr * 0.9, hy - hr * 1.9},
                        {s * hr * 1.0, hy - hr * 0.2}});
          },
          m.body, {.outline = 2});
  if (kind == 2)
    for (int s : {-1, 1})
      Cel(cr,
          [&](cairo_t* c) {
            Polygon(c, {{s * hr * 0.4, hy - hr * 0.7},
                        {s * hr * 1.1, hy - hr * 1.9},
                        {s * hr * 0.9, hy - hr * 0.4}});
          },
          Hex("#e8dcc0"), {.outline = 2});
  Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, hy, hr, hr * 0.9); }, kind == 1 ? Hex("#d88a8a") : m.body,
      {.outline = 3});
  if (kind == 1) {  // hooked beak
    Cel(cr,
        [&](cairo_t* c) {
          Polygon(c, {{-hr * 0.35, hy + hr * 0.2},
                      {hr * 0.35, hy + hr * 0.2},
                      {hr * 0.1, hy + hr * 1.2},
                      {-hr * 0.1, hy + hr * 0.9}});
        },
        Hex("#e8c060"), {.outline = 2});
    Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, hy + hr * 1.4, hr * 1.3, hr * 0.35); }, Grey(225),
        {.outline = 2});
  }
  if (kind == 2)
    Cel(cr, [&](cairo_t* c) { Ellipse(c, 0, hy + hr * 0.6, hr * 0.7, hr * 0.5); }, m.belly, {.outline = 2});
  Eyes(cr, 0, hy - hr * 0.15, hr * 0.45, hr * 0.26, m.eye, pose);
  if (kind != 1) Mouth(cr, 0, hy + hr * 0.55, hr * 0.8, pose, true);
  cairo_restore(cr);
}

}  // namespace vv::gen
