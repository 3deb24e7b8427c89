// The monsters of the forest and the cavern: Rogga the goblin, Magmor the
// caveman, Crob the crab, the Bat, Krell the lizard and Slisk the serpent.

#include <cmath>

#include "monster_kit.h"

namespace vv::gen {
namespace {

// ---------------------------------------------------------------- Rogga
const Rgb kGobSkin = Hex("#74b048"), kGobDark = Hex("#3e6a26"), kGobRag = Hex("#8a5a32"),
          kGobEye = Hex("#ffd020"), kRust = Hex("#a8a4a0");

void GoblinDagger(cairo_t* cr, Pt hand, double angle) {
  Pt tip = Polar(hand, angle, 62), guard = Polar(hand, angle, 12), pommel = Polar(hand, angle + M_PI, 14);
  double nx = -std::sin(angle), ny = std::cos(angle);
  Body(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{guard.x + nx * 7, guard.y + ny * 7},
                    Polar(guard, angle, 30),
                    tip,
                    {guard.x - nx * 7, guard.y - ny * 7}});
      },
      kRust, 2);
  Line(cr, guard.x, guard.y, Polar(guard, angle, 36).x, Polar(guard, angle, 36).y, Grey(232), 2);
  Line(cr, guard.x + nx * 12, guard.y + ny * 12, guard.x - nx * 12, guard.y - ny * 12, Hex("#5a3a22"), 6);
  Limb(cr, pommel, guard, 4, 4, Hex("#5a3a22"), 2);
}

void GoblinFigure(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  const double up = atk ? -26 : 0;  // attacking, it leaps
  // Legs and big flat feet.
  for (int side : {-1, 1}) {
    Pt hip{side * 16.0, -62 + up}, knee{side * (atk ? 34.0 : 28.0), -36 + up + (atk ? -8 : 0)},
        foot{side * 22.0, -10 + up};
    if (dead) knee = {side * 30.0, -40};
    Limb(cr, hip, knee, 8, 7, kGobSkin, 2);
    Limb(cr, knee, foot, 7, 6, kGobSkin, 2);
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{foot.x - side * 10, foot.y - 4},
                           {foot.x + side * 22, foot.y - 6},
                           {foot.x + side * 30, foot.y + 6},
                           {foot.x - side * 8, foot.y + 8}});
        },
        kGobDark, 2);
  }
  // Ragged tunic on a skinny, hunched body.
  auto tunic = [&](cairo_t* c) {
    Polygon(c, {{-26, -112 + up},
                {26, -112 + up},
                {36, -58 + up},
                {26, -50 + up},
                {18, -58 + up},
                {8, -48 + up},
                {-4, -58 + up},
                {-14, -48 + up},
                {-24, -58 + up},
                {-36, -52 + up}});
  };
  Body(cr, tunic, kGobRag, 2.5);
  Line(cr, -30, -72 + up, 32, -74 + up, Hex("#4a2a18"), 5);
  Body(
      cr, [&](cairo_t* c) { RoundRect(c, -6, -79 + up, 12, 10, 2); }, Hex("#c8a040"), 1.5);
  // Arms: the dagger hand in front.
  Pt shL{-26, -104 + up}, shR{26, -104 + up};
  Pt elL{-48, -80 + up}, hL{-54, -98 + up}, elR{44, -78 + up}, hR{40, -56 + up};
  double dagger = -M_PI / 2 - 0.5;
  if (atk) {
    elL = {-44, -128 + up};
    hL = {-28, -160 + up};
    elR = {52, -96 + up};
    hR = {64, -118 + up};
    dagger = -M_PI / 2 + 0.25;
  }
  if (dead) {
    elL = {-48, -120};
    hL = {-56, -150};
    elR = {46, -94};
    hR = {10, -86};
  }
  Limb(cr, shR, elR, 6, 5, kGobSkin, 2);
  Limb(cr, elR, hR, 5, 5, kGobSkin, 2);
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, hR.x, hR.y, 8, 7); }, kGobSkin, 2);
  Limb(cr, shL, elL, 6, 5, kGobSkin, 2);
  Limb(cr, elL, hL, 5, 5, kGobSkin, 2);
  if (!dead) GoblinDagger(cr, hL, dagger);
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, hL.x, hL.y, 8, 7); }, kGobSkin, 2);
  // Head: big for the body, long ears, hooked nose.
  Pt h{0, -140 + up};
  for (int side : {-1, 1}) {
    auto ear = [&](cairo_t* c) {
      SmoothClosed(c, {{side * 30.0, h.y - 14},
                       {side * 70.0, h.y - 24},
                       {side * 100.0, h.y - 36},
                       {side * 72.0, h.y - 6},
                       {side * 34.0, h.y + 8}});
    };
    Body(cr, ear, kGobSkin, 2.5);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, side * 56.0, h.y - 12, 16, 5); }, Hex("#c87a6a"), 0.6);
  }
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-38, h.y - 6},
                         {-30, h.y - 30},
                         {0, h.y - 38},
                         {30, h.y - 30},
                         {38, h.y - 6},
                         {28, h.y + 22},
                         {0, h.y + 30},
                         {-28, h.y + 22}});
      },
      kGobSkin, 3);
  // A few bristles of hair.
  for (int k = -1; k <= 1; ++k)
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, k * 8, h.y - 36);
          cairo_curve_to(c, k * 10 - 4, h.y - 52, k * 16 + 6, h.y - 56, k * 18 + 10, h.y - 60);
        },
        Hex("#2a2018"), 2.5);
  if (dead) {
    for (int side : {-1, 1}) CrossEye(cr, side * 15.0, h.y - 8, 6);
    Tongue(cr, {6, h.y + 16}, 10, 18, M_PI / 2 - 0.3);
  } else {
    for (int side : {-1, 1}) Eye(cr, side * 15.0, h.y - 8, 9, kGobEye, atk ? kAttack : kStand, side, true);
    if (!atk)  // mean little brows
      for (int side : {-1, 1}) Line(cr, side * 24.0, h.y - 22, side * 6.0, h.y - 16, kGobDark, 3.5);
    double open = atk ? 14 : 5;
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{-18, h.y + 12}, {18, h.y + 12}, {12, h.y + 14 + open}, {-12, h.y + 14 + open}});
        },
        Hex("#4a1010"), 2, 0.2);
    Fang(cr, {-9, h.y + 14 + open}, 5, 8, -M_PI / 2, Hex("#f0e8c0"));
    Fang(cr, {9, h.y + 14 + open}, 5, 6, -M_PI / 2, Hex("#f0e8c0"));
    if (atk) Fang(cr, {-3, h.y + 12}, 5, 6, M_PI / 2, Hex("#f0e8c0"));
  }
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-6, h.y - 6}, {6, h.y - 6}, {8, h.y + 6}, {4, h.y + 12}, {-4, h.y + 8}});
      },
      Mix(kGobSkin, kGobDark, 0.3), 2);
}

}  // namespace

void DrawGoblin(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    GoblinDagger(cr, {70, -6}, -0.05);
    OnGround(
        cr, -M_PI / 2, [](cairo_t* c) { GoblinFigure(c, kDead); }, 3);
    DizzyStars(cr, {-60, -70}, 34, 3);
    return;
  }
  GoblinFigure(cr, pose);
  if (pose == kAttack) MotionArcs(cr, {-10, -150}, 46, M_PI * 0.95, M_PI * 1.45, 3, 10);
}

// --------------------------------------------------------------- Magmor
namespace {
const Rgb kCaveSkin = Hex("#c8906a"), kCaveHair = Hex("#2e2018"), kPelt = Hex("#e0a848"),
          kPeltSpot = Hex("#5a3418"), kClub = Hex("#8a5a34");

void CaveClub(cairo_t* cr, Pt grip, double angle) {
  Pt tip = Polar(grip, angle, 170);
  Body(
      cr, [&](cairo_t* c) { CapsulePath(c, Polar(grip, angle + M_PI, 16), tip, 9, 28); }, kClub, 3);
  // Knots and a nail or two.
  for (int k = 0; k < 3; ++k) {
    Pt p = Lerp(grip, tip, 0.45 + k * 0.18);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, p.x + (k % 2 ? 8 : -8), p.y, 7, 5); }, Darker(kClub, 0.2), 1.5);
  }
  for (int k = 0; k < 2; ++k) {
    Pt p = Lerp(grip, tip, 0.78 + k * 0.12);
    Fang(cr, p, 5, 14, angle + (k ? -M_PI / 2 : M_PI / 2), Hex("#b8bcc4"));
  }
}

struct CavePose {
  Pt hip[2], knee[2], foot[2], shoulder[2], elbow[2], hand[2], head;
  double tilt = 0;
};

void CaveFigure(cairo_t* cr, const CavePose& p, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  for (int i = 0; i < 2; ++i) {
    int side = i ? 1 : -1;
    MuscleLimb(cr, p.knee[i], p.foot[i], 19, 12, kCaveSkin, 3, 1.3);
    MuscleLimb(cr, p.hip[i], p.knee[i], 25, 17, kCaveSkin, 3, 1.25);
    Pt f = p.foot[i];
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{f.x - side * 14, f.y - 8},
                           {f.x + side * 30, f.y - 6},
                           {f.x + side * 36, f.y + 8},
                           {f.x - side * 16, f.y + 10}});
        },
        kCaveSkin, 2.5);
  }
  // The pelt over a barrel chest.
  Pt s0 = p.shoulder[0], s1 = p.shoulder[1];
  auto chest = [&](cairo_t* c) {
    SmoothClosed(c, {{s0.x - 8, s0.y + 4},
                     {0, s0.y - 14},
                     {s1.x + 8, s1.y + 4},
                     {s1.x - 6, s1.y + 70},
                     {p.hip[1].x + 10, p.hip[1].y},
                     {p.hip[0].x - 10, p.hip[0].y},
                     {s0.x + 6, s0.y + 70}});
  };
  Body(cr, chest, kCaveSkin, 3);
  FurStrokes(cr, -30, s0.y + 10, 30, s0.y + 50, 12, M_PI / 2, kCaveHair, 2, 24, 101, 0.55);
  auto pelt = [&](cairo_t* c) {
    Polygon(c, {{s0.x + 10, s0.y + 4},
                {s0.x + 40, s0.y},
                {p.hip[1].x + 14, p.hip[1].y - 34},
                {p.hip[1].x + 18, p.hip[1].y + 30},
                {p.hip[1].x - 6, p.hip[1].y + 18},
                {0, p.hip[1].y + 34},
                {p.hip[0].x + 6, p.hip[0].y + 20},
                {p.hip[0].x - 16, p.hip[0].y + 32},
                {p.hip[0].x - 14, p.hip[0].y - 20}});
  };
  Body(cr, pelt, kPelt, 3);
  Inside(
      cr, pelt,
      [&] {
        Rng rng(103);
        for (int k = 0; k < 16; ++k) {
          double x = rng.Uniform(s0.x, s1.x), y = rng.Uniform(s0.y, p.hip[0].y + 30);
          Stroke(
              cr, [&](cairo_t* c) { Ellipse(c, x, y, 8, 6); }, kPeltSpot, 3, 0.9);
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, x, y, 3, 2.5); }, kPeltSpot, 0.8);
        }
      },
      kPelt, 3);
  // Long, heavy arms.
  for (int i = 0; i < 2; ++i) {
    MuscleLimb(cr, p.elbow[i], p.hand[i], 21, 14, kCaveSkin, 3, 1.3);
    MuscleLimb(cr, p.shoulder[i], p.elbow[i], 23, 17, kCaveSkin, 3, 1.35);
    // The deltoid caps the upper arm.
    MuscleLimb(
        cr,
        Polar(p.shoulder[i], std::atan2(p.shoulder[i].y - p.elbow[i].y, p.shoulder[i].x - p.elbow[i].x), 8),
        Lerp(p.shoulder[i], p.elbow[i], 0.4), 26, 14, kCaveSkin, 3, 1.05);
    FurStrokes(cr, p.elbow[i].x - 14, p.elbow[i].y - 10, p.elbow[i].x + 14, p.elbow[i].y + 20, 9, M_PI / 2,
               kCaveHair, 1.8, 10, 105 + i, 0.5);
    // A big fist with its knuckles.
    Pt h = p.hand[i];
    double dir = std::atan2(h.y - p.elbow[i].y, h.x - p.elbow[i].x);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, h.x, h.y, 19, 17); }, kCaveSkin, 2.5);
    for (int k = -1; k <= 1; ++k) {
      Pt q = Polar(h, dir + k * 0.5, 12);
      Stroke(
          cr, [&](cairo_t* c) { cairo_arc(c, q.x, q.y, 5, dir - 1.2, dir + 1.2); }, Darker(kCaveSkin, 0.4),
          1.8);
    }
  }
  // Head: heavy brow, mane and beard.
  cairo_save(cr);
  cairo_translate(cr, p.head.x, p.head.y);
  cairo_rotate(cr, p.tilt);
  FurryBody(cr, {{-44, -10}, {-36, -44}, {0, -56}, {36, -44}, {44, -10}, {40, 30}, {0, 40}, {-40, 30}},
            kCaveHair, Hex("#5a4030"), 9, 10, 107, 2.5);
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-30, -16}, {0, -30}, {30, -16}, {30, 14}, {0, 26}, {-30, 14}});
      },
      kCaveSkin, 2.5);
  // Beard.
  FurryBody(
      cr,
      {{-30, 8}, {0, 16}, {30, 8}, {22, atk ? 56.0 : 46.0}, {0, atk ? 62.0 : 54.0}, {-22, atk ? 56.0 : 46.0}},
      kCaveHair, Hex("#5a4030"), 6, 8, 109, 2.5);
  // Unibrow.
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(
            c,
            {{-28, -16}, {0, atk ? -10.0 : -14.0}, {28, -16}, {26, -8}, {0, atk ? -2.0 : -6.0}, {-26, -8}});
      },
      kCaveHair, 2);
  if (dead) {
    for (int side : {-1, 1}) CrossEye(cr, side * 13.0, -2, 6);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, 0, 22, 11, 7); }, Hex("#3a0a0a"), 2);
    Tongue(cr, {4, 24}, 10, 18, M_PI / 2 - 0.2);
    // A big bump on the head.
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, 10, -50, 14, 11); }, Hex("#d89a80"), 2.5);
  } else {
    for (int side : {-1, 1}) Eye(cr, side * 13.0, -2, 8, Hex("#6a4420"), atk ? kAttack : kStand, side);
    double open = atk ? 20 : 6;
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{-14, 18}, {14, 18}, {10, 18 + open}, {-10, 18 + open}});
        },
        Hex("#4a1010"), 2, 0.2);
    for (int side : {-1, 1}) Fang(cr, {side * 7.0, 19}, 5, 5, M_PI / 2, Hex("#f0e0c0"));
  }
  // The big round nose.
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, 0, 8, 10, 8); }, Darker(kCaveSkin, 0.1), 2);
  cairo_restore(cr);
}
}  // namespace

void DrawCaveman(cairo_t* cr, Pose pose) {
  cairo_save(cr);
  cairo_scale(cr, 0.78, 0.78);
  CavePose p;
  p.hip[0] = {-34, -96};
  p.hip[1] = {34, -96};
  p.knee[0] = {-50, -52};
  p.knee[1] = {50, -52};
  p.foot[0] = {-44, -10};
  p.foot[1] = {44, -10};
  p.shoulder[0] = {-66, -188};
  p.shoulder[1] = {66, -188};
  p.head = {0, -218};
  if (pose == kStand) {
    // Club resting on the shoulder, the other hand dangling by the knee.
    p.elbow[0] = {-92, -126};
    p.hand[0] = {-96, -70};
    p.elbow[1] = {108, -150};
    p.hand[1] = {86, -196};
    CaveClub(cr, {86, -190}, -M_PI / 2 - 0.75);
    CaveFigure(cr, p, pose);
  } else if (pose == kAttack) {
    // Both hands heave the club over his head.
    p.head = {0, -214};
    p.tilt = 0.05;
    p.elbow[0] = {-96, -236};
    p.hand[0] = {-40, -262};
    p.elbow[1] = {96, -236};
    p.hand[1] = {36, -266};
    CaveClub(cr, {-4, -262}, -M_PI / 2 - 0.55);
    CaveFigure(cr, p, pose);
    MotionArcs(cr, {-10, -250}, 130, -M_PI * 0.95, -M_PI * 0.62, 3, 14);
  } else {
    CaveClub(cr, {40, -12}, -0.08);
    // Flat on his back, arms flung back past his head and legs straight,
    // so no limb crosses another and the figure reads at a glance.
    OnGround(
        cr, -M_PI / 2,
        [](cairo_t* c) {
          CavePose d;
          d.hip[0] = {-34, -96};
          d.hip[1] = {34, -96};
          d.knee[0] = {-46, -50};
          d.foot[0] = {-58, -4};
          d.knee[1] = {48, -50};
          d.foot[1] = {64, -4};
          d.shoulder[0] = {-66, -188};
          d.shoulder[1] = {66, -188};
          d.elbow[0] = {-104, -246};
          d.hand[0] = {-92, -296};
          d.elbow[1] = {108, -240};
          d.hand[1] = {104, -292};
          d.head = {0, -224};
          d.tilt = -0.2;
          CaveFigure(c, d, kDead);
        },
        4, 0.86);
    DizzyStars(cr, {-130, -100}, 44, 3);
  }
  cairo_restore(cr);
}

// ----------------------------------------------------------------- Crob
namespace {
const Rgb kShell = Hex("#d8542a"), kShellDark = Hex("#8a2a12"), kUnder = Hex("#f0c898"),
          kPincerTip = Hex("#3a1a12");

// A claw: an arm of two segments ending in a pincer that opens by `open`.
void CrabClaw(cairo_t* cr, Pt root, Pt elbow, Pt wrist, double size, double open, double dir, Rgb shell) {
  Limb(cr, root, elbow, size * 0.22, size * 0.2, shell);
  Limb(cr, elbow, wrist, size * 0.2, size * 0.26, shell);
  cairo_save(cr);
  cairo_translate(cr, wrist.x, wrist.y);
  cairo_rotate(cr, dir);
  // Palm, then the fixed and the moving finger.
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, size * 0.4, 0, size * 0.62, size * 0.44); }, shell, 3);
  for (int f : {-1, 1}) {
    double a = f * (0.15 + open);
    cairo_save(cr);
    cairo_translate(cr, size * 0.82, f * size * 0.12);
    cairo_scale(cr, 1.4, 1.4);
    cairo_rotate(cr, a);
    auto finger = [&](cairo_t* c) {
      cairo_move_to(c, 0, -f * size * 0.18);
      cairo_curve_to(c, size * 0.3, -f * size * 0.22, size * 0.62, -f * size * 0.08, size * 0.7,
                     f * size * 0.08);
      cairo_curve_to(c, size * 0.5, f * size * 0.02, size * 0.25, f * size * 0.12, 0, f * size * 0.16);
      cairo_close_path(c);
    };
    Body(cr, finger, shell, 3);
    Inside(
        cr, finger,
        [&] {
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, size * 0.66, 0, size * 0.2, size * 0.2); }, kPincerTip);
        },
        shell, 3);
    for (int k = 1; k <= 3; ++k)
      Fang(cr, {size * (0.12 + k * 0.12), f * size * 0.1}, size * 0.06, size * 0.07, -f * M_PI / 2, kUnder);
    cairo_restore(cr);
  }
  cairo_restore(cr);
}

void CrabLegs(cairo_t* cr, double curl, Rgb shell) {
  for (int side : {-1, 1})
    for (int k = 0; k < 4; ++k) {
      Pt root{side * (70.0 + k * 14), -70.0 + k * 6};
      Pt knee{side * (150.0 + k * 22), -110.0 + k * 14 - curl * 40};
      Pt foot{side * (170.0 + k * 30), -4.0 - curl * (130 - k * 10)};
      if (curl > 0) knee.x -= side * curl * 40, foot.x -= side * curl * (90 + k * 20);
      Limb(cr, root, knee, 10, 8, Darker(shell, 0.12), 2.5);
      Limb(cr, knee, foot, 8, 3, Darker(shell, 0.12), 2.5);
    }
}
}  // namespace

static void DrawCrabBody(cairo_t* cr, Pose pose);

void DrawCrab(cairo_t* cr, Pose pose) {
  cairo_save(cr);
  cairo_scale(cr, 0.68, 0.68);
  DrawCrabBody(cr, pose);
  cairo_restore(cr);
}

static void DrawCrabBody(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack;
  if (pose == kDead) {
    // Flipped on its back: pale belly plates up, legs curled in the air.
    CrabLegs(cr, 1.0, kShell);
    auto shell = [&](cairo_t* c) {
      SmoothClosed(
          c, {{-140, -60}, {-90, -120}, {0, -132}, {90, -120}, {140, -60}, {100, -8}, {0, 0}, {-100, -8}});
    };
    Body(cr, shell, kShell, 3.5);
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{-100, -70}, {0, -120}, {100, -70}, {60, -30}, {0, -24}, {-60, -30}});
        },
        kUnder, 3);
    for (int k = 0; k < 3; ++k)
      Stroke(
          cr,
          [&](cairo_t* c) {
            cairo_move_to(c, -70 + k * 10, -84 + k * 16);
            cairo_curve_to(c, -30, -70 + k * 16, 30, -70 + k * 16, 70 - k * 10, -84 + k * 16);
          },
          Darker(kUnder, 0.3), 2.5);
    // Claws flopped on the floor, eyes crossed on drooping stalks.
    CrabClaw(cr, {-120, -40}, {-170, -30}, {-200, -30}, 80, 0.05, M_PI * 0.95, kShell);
    CrabClaw(cr, {120, -40}, {170, -30}, {200, -30}, 100, 0.05, 0.05, kShell);
    for (int side : {-1, 1}) {
      Pt top{side * 60.0, -40};
      Limb(cr, {side * 24.0, -40}, top, 6, 5, kShell, 2);
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, top.x, top.y, 13, 13); }, Grey(236), 2);
      CrossEye(cr, top.x, top.y, 7);
    }
    return;
  }
  CrabLegs(cr, 0, kShell);
  // Eye stalks.
  for (int side : {-1, 1}) {
    Pt top{side * 34.0, atk ? -190.0 : -182.0};
    Limb(cr, {side * 22.0, -120}, top, 7, 6, kShell, 2.5);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, top.x, top.y, 17, 17); }, Grey(236), 2.5);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, top.x - side * 3, top.y + 2, 10, 11); }, Hex("#141010"));
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, top.x - side * 3 - 4, top.y - 3, 3.5, 3); }, Grey(248));
    if (atk) Line(cr, top.x + side * 18, top.y - 22, top.x - side * 14, top.y - 12, kShellDark, 5);
  }
  // Carapace: a wide, bumpy dome with spikes along the rim.
  auto shell = [&](cairo_t* c) {
    SmoothClosed(c, {{-150, -84},
                     {-120, -134},
                     {-60, -156},
                     {0, -160},
                     {60, -156},
                     {120, -134},
                     {150, -84},
                     {110, -50},
                     {0, -40},
                     {-110, -50}});
  };
  for (int side : {-1, 1})
    for (int k = 0; k < 3; ++k)
      Fang(cr, {side * (120.0 + k * 12), -120.0 + k * 20}, 16, 20,
           side > 0 ? -0.5 + k * 0.4 : M_PI + 0.5 - k * 0.4, kShellDark);
  Body(cr, shell, kShell, 3.5);
  Inside(
      cr, shell,
      [&] {
        Rng rng(111);
        for (int k = 0; k < 22; ++k) {
          double x = rng.Uniform(-130, 130), y = rng.Uniform(-150, -70);
          double r = rng.Uniform(4, 9);
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r * 0.8); }, Lighter(kShell, 0.35), 0.6);
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, x + 1.5, y + 2, r * 0.8, r * 0.6); }, kShellDark, 0.3);
        }
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, 0, -46, 120, 24); }, kUnder, 0.9);
      },
      kShell, 3.5);
  // Mouthparts, frothing.
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, 0, -66, 26, atk ? 16 : 10); }, Hex("#6a1a14"), 2.5, 0.3);
  for (int k = -2; k <= 2; ++k) Fang(cr, {k * 9.0, -74}, 5, atk ? 14 : 9, M_PI / 2 + k * 0.12, kUnder);
  Rng rng(113);
  for (int k = 0; k < (atk ? 9 : 4); ++k) {
    double x = rng.Uniform(-40, 40), y = rng.Uniform(-90, -40), r = rng.Uniform(4, 9);
    Stroke(
        cr, [&](cairo_t* c) { Ellipse(c, x, y - (atk ? 30 : 0), r, r); }, Hex("#e8f4ff"), 2, 0.9);
  }
  // The claws: a small one and a great one.
  if (atk) {
    CrabClaw(cr, {-110, -90}, {-170, -150}, {-150, -210}, 74, 0.1, -M_PI / 2 - 0.4, kShell);
    CrabClaw(cr, {110, -90}, {160, -170}, {110, -230}, 118, 0.45, -M_PI / 2 - 0.9, kShell);
    MotionArcs(cr, {110, -200}, 110, -M_PI * 0.45, -M_PI * 0.05, 3, 14);
  } else {
    CrabClaw(cr, {-110, -90}, {-180, -130}, {-190, -180}, 74, 0.08, -M_PI / 2 + 0.2, kShell);
    CrabClaw(cr, {110, -90}, {190, -130}, {200, -190}, 118, 0.16, -M_PI / 2 - 0.2, kShell);
  }
}

// ------------------------------------------------------------------ Bat
namespace {
const Rgb kBatFur = Hex("#6e4e74"), kBatWing = Hex("#5e3a62"), kBatInner = Hex("#d08a98"),
          kBatEye = Hex("#ff3a2a");

void BatWing(cairo_t* cr, int side, Pt root, double lift, double span) {
  Pt wrist{root.x + side * 70 * span, root.y - 60 * lift};
  std::vector<Pt> tips{{wrist.x + side * 40 * span, wrist.y - 50 * lift},
                       {wrist.x + side * 90 * span, wrist.y - 10 * lift},
                       {wrist.x + side * 84 * span, wrist.y + 50},
                       {wrist.x + side * 40 * span, wrist.y + 80}};
  std::vector<Pt> m{root, wrist, tips[0]};
  for (int k = 0; k < 3; ++k) {
    Pt mid = Lerp(tips[k], tips[k + 1], 0.5);
    m.push_back(Lerp(mid, wrist, 0.3));
    m.push_back(tips[k + 1]);
  }
  m.push_back({root.x + side * 10, root.y + 40});
  Body(
      cr, [&](cairo_t* c) { Polygon(c, m); }, kBatWing, 2.5);
  Limb(cr, root, wrist, 5, 4, Darker(kBatWing, 0.3), 2);
  for (Pt t : tips) Limb(cr, wrist, t, 3, 1.5, Darker(kBatWing, 0.3), 1.5);
  Claw(cr, wrist, 5, 10, -M_PI / 2, Hex("#e8dcc0"));
}

void BatFigure(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  double lift = atk ? -0.3 : dead ? -0.6 : 1.0;
  double span = atk ? 0.9 : 1.0;
  for (int side : {-1, 1}) BatWing(cr, side, {side * 18.0, -8}, lift, span);
  // Feet tucked below.
  for (int side : {-1, 1}) {
    Limb(cr, {side * 10.0, 24}, {side * 14.0, 40}, 4, 3, kBatFur, 1.5);
    for (int k = -1; k <= 1; ++k)
      Claw(cr, {side * 14.0 + k * 3, 40}, 3, 7, M_PI / 2 + k * 0.3, Hex("#e8dcc0"));
  }
  // Body and head, one furry ball with big ears.
  for (int side : {-1, 1}) {
    auto ear = [&](cairo_t* c) { Polygon(c, {{side * 8.0, -44}, {side * 40.0, -96}, {side * 36.0, -40}}); };
    Body(cr, ear, kBatFur, 2.5);
    Fill(
        cr,
        [&](cairo_t* c) {
          Polygon(c, {{side * 16.0, -48}, {side * 36.0, -82}, {side * 32.0, -46}});
        },
        kBatInner);
  }
  FurryBody(cr, {{-30, -10}, {-24, 20}, {0, 34}, {24, 20}, {30, -10}, {0, -26}}, kBatFur,
            Lighter(kBatFur, 0.3), 4, 6, 121, 2.5);
  FurryBody(cr, {{-30, -40}, {-18, -60}, {0, -64}, {18, -60}, {30, -40}, {24, -16}, {0, -8}, {-24, -16}},
            kBatFur, Lighter(kBatFur, 0.3), 4, 6, 123, 2.5);
  // Pig-like snout.
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, 0, -30, 9, 7); }, kBatInner, 2);
  for (int side : {-1, 1})
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, side * 3.5, -30, 2, 2.5); }, Hex("#3a1a20"));
  if (dead) {
    for (int side : {-1, 1}) CrossEye(cr, side * 13.0, -44, 5);
    Tongue(cr, {2, -18}, 6, 12, M_PI / 2 - 0.3);
    return;
  }
  for (int side : {-1, 1}) {
    Glow(cr, side * 13.0, -44, 14, kBatEye, 0.5);
    BeadEye(cr, side * 13.0, -44, 6, kBatEye, pose);
    if (atk) Line(cr, side * 22.0, -56, side * 5.0, -48, Hex("#1a0e18"), 3);
  }
  double open = atk ? 14 : 4;
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-12, -20}, {12, -20}, {8, -18 + open}, {-8, -18 + open}});
      },
      Hex("#4a0e18"), 2, 0.2);
  for (int side : {-1, 1}) Fang(cr, {side * 6.0, -20}, 4, atk ? 9 : 7, M_PI / 2, Hex("#f4ecd8"));
}
}  // namespace

void DrawBat(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    OnGround(
        cr, 0.1, [](cairo_t* c) { BatFigure(c, kDead); }, 2, 0.7);
    return;
  }
  // It flutters well above the floor; its shadow stays on the ground.
  GroundShadow(cr, 0, -12, 70, 12, 0.35);
  cairo_save(cr);
  if (pose == kAttack) {
    cairo_translate(cr, 0, -150);
    cairo_scale(cr, 1.25, 1.25);  // swooping at the heroes, it looms larger
  } else {
    cairo_translate(cr, 0, -200);
  }
  BatFigure(cr, pose);
  cairo_restore(cr);
  if (pose == kAttack)
    for (int side : {-1, 1})
      MotionArcs(cr, {side * 20.0, -240}, 90, side < 0 ? M_PI * 1.1 : -M_PI * 0.4,
                 side < 0 ? M_PI * 1.4 : -M_PI * 0.1, 3, 12);
}

// ---------------------------------------------------------------- Krell
namespace {
const Rgb kLizard = Hex("#c08038"), kLizardBand = Hex("#5a3a1e"), kLizardBelly = Hex("#f0d8a0"),
          kLizardEye = Hex("#ffd030");

// Seen from the side, facing left (towards the heroes' side of the screen).
void LizardLeg(cairo_t* cr, Pt hip, Pt knee, Pt foot, double r, bool near) {
  Rgb skin = near ? kLizard : Darker(kLizard, 0.3);
  MuscleLimb(cr, knee, foot, r * 0.85, r * 0.5, skin, 2.5, 1.25);
  MuscleLimb(cr, hip, knee, r * 1.2, r * 0.8, skin, 3, 1.35);
  // Splayed toes with dark claws, pointing ahead.
  for (int k = -1; k <= 1; ++k) {
    Pt toe = Polar(foot, M_PI + k * 0.45, r * 0.9);
    Limb(cr, foot, toe, r * 0.3, r * 0.22, skin, 1.5);
    Claw(cr, toe, r * 0.22, r * 0.45, M_PI + k * 0.45 - 0.3, Hex("#3a2a1a"));
  }
}

void LizardBody(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack;
  // Spine line from the tail tip to the snout; the body is built round it.
  std::vector<Pt> spine;
  if (atk)
    spine = {{250, -30}, {190, -20}, {120, -50}, {60, -110}, {10, -190}, {-40, -250}};
  else
    spine = {{300, -12}, {230, -22}, {160, -56}, {80, -96}, {-10, -110}, {-100, -148}};
  std::vector<Pt> line = SampleCurve(spine, false, 10);
  // Width along the spine: thin tail, fat belly, neck.
  auto width = [&](double t) {
    if (t < 0.3) return 4 + t / 0.3 * 26;
    if (t < 0.75) return 30 + std::sin((t - 0.3) / 0.45 * M_PI) * 16;
    return 30 - (t - 0.75) / 0.25 * 8;
  };
  std::vector<Pt> top, bottom;
  for (std::size_t i = 0; i < line.size(); ++i) {
    Pt a = line[i == 0 ? 0 : i - 1], b = line[std::min(i + 1, line.size() - 1)];
    double d = std::hypot(b.x - a.x, b.y - a.y), nx = -(b.y - a.y) / d, ny = (b.x - a.x) / d;
    double w = width(double(i) / (line.size() - 1));
    top.push_back({line[i].x + nx * w, line[i].y + ny * w});
    bottom.push_back({line[i].x - nx * w, line[i].y - ny * w});
  }
  // Far legs first.
  Pt hipP = line[line.size() * 0.42], shoulderP = line[line.size() * 0.78];
  if (atk) {
    LizardLeg(cr, {hipP.x + 10, hipP.y}, {hipP.x + 50, hipP.y + 40}, {hipP.x + 20, -8}, 18, false);
    LizardLeg(cr, {shoulderP.x + 10, shoulderP.y}, {shoulderP.x - 30, shoulderP.y + 10},
              {shoulderP.x - 60, shoulderP.y - 20}, 15, false);
  } else {
    LizardLeg(cr, {hipP.x + 14, hipP.y}, {hipP.x + 44, hipP.y + 34}, {hipP.x + 30, -8}, 18, false);
    LizardLeg(cr, {shoulderP.x + 14, shoulderP.y}, {shoulderP.x + 30, shoulderP.y + 50},
              {shoulderP.x + 10, -8}, 15, false);
  }
  // Back spines along the top.
  for (std::size_t i = line.size() / 5; i + 8 < line.size(); i += 3) {
    Pt a = line[i], b = line[i + 1];
    double ang = std::atan2(b.y - a.y, b.x - a.x) - M_PI / 2 - 0.4;
    double w = width(double(i) / (line.size() - 1));
    Fang(cr, Polar(top[i], ang + M_PI, 3), w * 0.5, w * 0.6, ang, kLizardBand);
  }
  auto body = [&](cairo_t* c) {
    std::vector<Pt> ring = top;
    for (auto it = bottom.rbegin(); it != bottom.rend(); ++it) ring.push_back(*it);
    Polygon(c, ring);
  };
  Body(cr, body, kLizard, 3);
  Inside(
      cr, body,
      [&] {
        // Belly stripe and dark bands, then a scatter of scales.
        std::vector<Pt> belly = bottom;
        for (auto it = line.rbegin(); it != line.rend(); ++it)
          belly.push_back(Lerp(*it, bottom[it - line.rbegin()], 0));
        cairo_new_path(cr);
        cairo_move_to(cr, bottom[0].x, bottom[0].y);
        for (Pt q : bottom) cairo_line_to(cr, q.x, q.y);
        for (std::size_t i = line.size(); i-- > 0;)
          cairo_line_to(cr, Lerp(line[i], bottom[i], 0.45).x, Lerp(line[i], bottom[i], 0.45).y);
        cairo_close_path(cr);
        SetColour(cr, kLizardBelly);
        cairo_fill(cr);
        for (std::size_t i = 4; i + 6 < line.size(); i += 6) {
          Line(cr, top[i].x, top[i].y, Lerp(line[i], bottom[i], 0.2).x, Lerp(line[i], bottom[i], 0.2).y,
               kLizardBand, width(double(i) / (line.size() - 1)) * 0.45, 0.8);
        }
        // Light along the back and a shaded flank give the body its roundness.
        std::vector<Pt> back;
        for (std::size_t i = 0; i < line.size(); ++i) back.push_back(Lerp(top[i], line[i], 0.3));
        Stroke(
            cr, [&](cairo_t* c) { SmoothOpen(c, back); }, Lighter(kLizard, 0.4), 7);
        for (std::size_t i = 4; i + 6 < line.size(); i += 6)
          Fill(
              cr,
              [&](cairo_t* c) {
                Ellipse(c, Lerp(top[i], line[i], 0.55).x, Lerp(top[i], line[i], 0.55).y, 6, 4);
              },
              Lighter(kLizard, 0.55), 0.7);
        Rng rng(131);
        for (int k = 0; k < 60; ++k) {
          Pt q = line[rng.Int(0, int(line.size()) - 1)];
          Stroke(
              cr,
              [&](cairo_t* c) {
                cairo_arc(c, q.x + rng.Uniform(-20, 20), q.y + rng.Uniform(-20, 10), 4, 0, M_PI);
              },
              Darker(kLizard, 0.4), 1.5, 0.5);
        }
      },
      kLizard, 3);
  // Near legs.
  if (atk) {
    LizardLeg(cr, {hipP.x - 6, hipP.y + 6}, {hipP.x - 30, hipP.y + 60}, {hipP.x - 14, -8}, 22, true);
    LizardLeg(cr, {shoulderP.x - 6, shoulderP.y + 6}, {shoulderP.x - 60, shoulderP.y + 20},
              {shoulderP.x - 90, shoulderP.y - 30}, 18, true);
  } else {
    LizardLeg(cr, {hipP.x - 6, hipP.y + 8}, {hipP.x - 30, hipP.y + 44}, {hipP.x - 20, -8}, 22, true);
    LizardLeg(cr, {shoulderP.x - 6, shoulderP.y + 8}, {shoulderP.x - 24, shoulderP.y + 56},
              {shoulderP.x - 46, -8}, 18, true);
  }
  // Head, turned three-quarters to the heroes.
  Pt h = line.back();
  // A spiny frill round the neck, raised in anger when it attacks.
  {
    const double spread = atk ? 1.3 : 0.9;
    std::vector<Pt> frill;
    for (int k = 0; k <= 8; ++k) {
      double a = -M_PI * 0.15 - k * M_PI * 0.11;
      frill.push_back(Polar({h.x + 26, h.y - 2}, a, (k % 2 ? 40 : 58) * spread));
    }
    frill.push_back({h.x + 26, h.y + 20});
    auto fp = [&](cairo_t* c) { SmoothClosed(c, frill, 0.3); };
    Body(cr, fp, Mix(kLizardBand, Hex("#c84a2a"), 0.5), 2.5);
    Inside(
        cr, fp,
        [&] {
          for (int k = 0; k <= 8; k += 2)
            Line(cr, h.x + 26, h.y - 2, frill[k].x, frill[k].y, Hex("#f0b060"), 2.5, 0.7);
        },
        kLizardBand, 2.5);
  }
  double jaw = atk ? 0.7 : 0.04;
  cairo_save(cr);
  cairo_translate(cr, h.x, h.y);
  cairo_rotate(cr, atk ? -0.5 : 0.05);
  // Lower jaw.
  Body(
      cr,
      [&](cairo_t* c) {
        cairo_save(c);
        cairo_translate(c, 20, 6);
        cairo_rotate(c, -jaw * 0.7);
        cairo_translate(c, -20, -6);
        SmoothClosed(c, {{26, 2}, {-30, 8}, {-74, 10}, {-70, 22}, {-20, 30}, {28, 24}});
        cairo_restore(c);
      },
      Mix(kLizard, kLizardBelly, 0.35), 2.5);
  if (atk) {
    cairo_save(cr);
    cairo_translate(cr, 20, 6);
    cairo_rotate(cr, -jaw * 0.7);
    cairo_translate(cr, -20, -6);
    for (int k = 0; k < 5; ++k) Fang(cr, {-64.0 + k * 14, 10}, 5, 9, -M_PI / 2, Hex("#f4ecd8"));
    cairo_restore(cr);
    Fill(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{22, 4}, {-50, -14}, {-66, 20}, {0, 22}});
        },
        Hex("#8a2030"));
  }
  // Upper head and snout.
  Body(
      cr,
      [&](cairo_t* c) {
        cairo_save(c);
        cairo_rotate(c, jaw * 0.5);
        SmoothClosed(c, {{30, -20}, {0, -38}, {-50, -30}, {-84, -14}, {-80, 2}, {-30, 6}, {24, 14}});
        cairo_restore(c);
      },
      kLizard, 3);
  cairo_save(cr);
  cairo_rotate(cr, jaw * 0.5);
  for (int k = 0; k < 4; ++k) Fang(cr, {-70.0 + k * 14, 2}, 5, atk ? 10 : 6, M_PI / 2, Hex("#f4ecd8"));
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, -74, -12, 3, 2); }, Hex("#2a1a10"));
  if (pose == kDead)
    CrossEye(cr, -20, -18, 8);
  else {
    Glow(cr, -20, -18, 18, kLizardEye, 0.4);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, -20, -18, 11, 10); }, kLizardEye, 2);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, -22, -18, 2.5, 8); }, Hex("#140a0a"));
    Line(cr, -4, -32, -36, -26, Darker(kLizard, 0.6), atk ? 5 : 3.5);
  }
  cairo_restore(cr);
  cairo_restore(cr);
  // Forked tongue.
  if (pose == kStand || pose == kDead) {
    double a = pose == kDead ? M_PI * 0.6 : M_PI + 0.05;
    Pt from = Polar(h, M_PI + 0.02, 76), mid = Polar(from, a, 26);
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, from.x, from.y);
          cairo_line_to(c, mid.x, mid.y);
          cairo_line_to(c, Polar(mid, a - 0.4, 12).x, Polar(mid, a - 0.4, 12).y);
          cairo_move_to(c, mid.x, mid.y);
          cairo_line_to(c, Polar(mid, a + 0.4, 12).x, Polar(mid, a + 0.4, 12).y);
        },
        Hex("#c83a4a"), 4);
  }
}
}  // namespace

void DrawLizard(cairo_t* cr, Pose pose) {
  cairo_save(cr);
  cairo_scale(cr, 1.08, 1.08);
  if (pose == kDead)
    OnGround(
        cr, M_PI, [](cairo_t* c) { LizardBody(c, kDead); }, 3, 0.8);
  else
    LizardBody(cr, pose);
  if (pose == kAttack) MotionArcs(cr, {-60, -220}, 80, M_PI * 0.9, M_PI * 1.35, 3, 12);
  cairo_restore(cr);
}

// ---------------------------------------------------------------- Slisk
namespace {
const Rgb kSnake = Hex("#4a9a3a"), kSnakeBelly = Hex("#e8d890"), kSnakeMark = Hex("#2a5a22"),
          kSnakeEye = Hex("#ffd020");

// A thick tube along the points, belly scales on one side, a diamond
// pattern on the other.
void SnakeTube(cairo_t* cr, const std::vector<Pt>& pts, double w0, double w1, std::uint32_t seed) {
  std::vector<Pt> line = SampleCurve(pts, false, 12);
  std::vector<Pt> left, right;
  for (std::size_t i = 0; i < line.size(); ++i) {
    Pt a = line[i == 0 ? 0 : i - 1], b = line[std::min(i + 1, line.size() - 1)];
    double d = std::max(1e-6, std::hypot(b.x - a.x, b.y - a.y)), nx = (b.y - a.y) / d, ny = -(b.x - a.x) / d;
    double w = w0 + (w1 - w0) * double(i) / (line.size() - 1);
    left.push_back({line[i].x + nx * w, line[i].y + ny * w});
    right.push_back({line[i].x - nx * w, line[i].y - ny * w});
  }
  auto tube = [&](cairo_t* c) {
    cairo_new_sub_path(c);
    cairo_move_to(c, left[0].x, left[0].y);
    for (Pt q : left) cairo_line_to(c, q.x, q.y);
    Pt e = line.back();
    double w = w1;
    Pt l = left.back();
    cairo_arc(c, e.x, e.y, w, std::atan2(l.y - e.y, l.x - e.x), std::atan2(l.y - e.y, l.x - e.x) + M_PI);
    for (std::size_t i = right.size(); i-- > 0;) cairo_line_to(c, right[i].x, right[i].y);
    cairo_close_path(c);
  };
  Body(cr, tube, kSnake, 3);
  Inside(
      cr, tube,
      [&] {
        cairo_new_path(cr);
        for (std::size_t i = 0; i < line.size(); ++i) {
          Pt a = Lerp(line[i], right[i], 0.3);
          if (i == 0)
            cairo_move_to(cr, a.x, a.y);
          else
            cairo_line_to(cr, a.x, a.y);
        }
        for (std::size_t i = right.size(); i-- > 0;)
          cairo_line_to(cr, right[i].x * 1.0 + (right[i].x - line[i].x) * 0.2,
                        right[i].y + (right[i].y - line[i].y) * 0.2);
        cairo_close_path(cr);
        SetColour(cr, kSnakeBelly);
        cairo_fill(cr);
        for (std::size_t i = 2; i + 2 < line.size(); i += 3) {
          Pt a = Lerp(line[i], right[i], 0.3), b = right[i];
          Line(cr, a.x, a.y, b.x, b.y, Darker(kSnakeBelly, 0.3), 1.5, 0.7);
        }
        for (std::size_t i = 4; i + 4 < line.size(); i += 7) {
          Pt m = Lerp(line[i], left[i], 0.35);
          double r = (w0 + (w1 - w0) * double(i) / (line.size() - 1)) * 0.45;
          Fill(
              cr,
              [&](cairo_t* c) {
                Polygon(c, {{m.x, m.y - r}, {m.x + r, m.y}, {m.x, m.y + r}, {m.x - r, m.y}});
              },
              kSnakeMark, 0.85);
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, m.x, m.y, r * 0.3, r * 0.3); }, Hex("#d8c850"), 0.9);
        }
        (void)seed;
      },
      kSnake, 3);
}

void SnakeHead(cairo_t* cr, Pt c, double angle, double s, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, s, s);
  // The hood spreads behind the head.
  double hood = atk ? 1.2 : dead ? 0.6 : 1.0;
  auto hoodPath = [&](cairo_t* c2) {
    SmoothClosed(c2, {{0, -40},
                      {-50 * hood, -10},
                      {-60 * hood, 50},
                      {-30, 100},
                      {30, 100},
                      {60 * hood, 50},
                      {50 * hood, -10}});
  };
  Body(cr, hoodPath, kSnake, 3);
  Inside(
      cr, hoodPath,
      [&] {
        for (int side : {-1, 1}) {
          Fill(
              cr, [&](cairo_t* c2) { Ellipse(c2, side * 34 * hood, 40, 12, 16); }, kSnakeBelly);
          Fill(
              cr, [&](cairo_t* c2) { Ellipse(c2, side * 34 * hood, 40, 6, 9); }, kSnakeMark);
        }
        Fill(
            cr, [&](cairo_t* c2) { Ellipse(c2, 0, 70, 20, 40); }, kSnakeBelly);
      },
      kSnake, 3);
  // Head.
  Body(
      cr,
      [&](cairo_t* c2) {
        SmoothClosed(c2, {{-30, -20}, {0, -34}, {30, -20}, {34, 8}, {20, 30}, {0, 36}, {-20, 30}, {-34, 8}});
      },
      kSnake, 3);
  Fill(
      cr,
      [&](cairo_t* c2) {
        Polygon(c2, {{-12, -26}, {12, -26}, {0, -6}});
      },
      kSnakeMark, 0.8);
  for (int side : {-1, 1})
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, side * 7.0, 26, 2.5, 2); }, Hex("#14200e"));
  if (dead) {
    for (int side : {-1, 1}) CrossEye(cr, side * 17.0, -2, 6);
  } else {
    for (int side : {-1, 1}) {
      Body(
          cr, [&](cairo_t* c2) { Ellipse(c2, side * 17.0, -2, 10, 9); }, kSnakeEye, 2);
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, side * 17.0, -2, 2.5, 8); }, Hex("#100808"));
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, side * 17.0 - 3, -5, 2, 2); }, Grey(245));
      Line(cr, side * 30.0, -18, side * 6.0, atk ? -8 : -12, kSnakeMark, 4);
    }
  }
  if (atk) {
    // Jaws wide, two long fangs dripping venom.
    Body(
        cr,
        [&](cairo_t* c2) {
          SmoothClosed(c2, {{-26, 26}, {26, 26}, {20, 70}, {0, 78}, {-20, 70}});
        },
        Hex("#8a2a3a"), 3, 0.3);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, 0, 60, 12, 10); }, Hex("#4a0e18"));
    for (int side : {-1, 1}) {
      Fang(cr, {side * 15.0, 28}, 7, 26, M_PI / 2 - side * 0.1);
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, side * 13.0, 60, 3, 5); }, Hex("#b0f060"), 0.9);
    }
  } else {
    Line(cr, -18, 30, 18, 30, kSnakeMark, 3);
  }
  // Forked tongue.
  if (!atk) {
    double len = dead ? 30 : 40;
    Stroke(
        cr,
        [&](cairo_t* c2) {
          cairo_move_to(c2, 0, 34);
          cairo_line_to(c2, 0, 34 + len);
          cairo_line_to(c2, -8, 44 + len);
          cairo_move_to(c2, 0, 34 + len);
          cairo_line_to(c2, 8, 44 + len);
        },
        Hex("#d03a4a"), 4);
  }
  cairo_restore(cr);
}
}  // namespace

void DrawSerpent(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    // Stretched out limp along the floor in slack waves.
    SnakeTube(cr, {{230, -14}, {160, -30}, {90, -16}, {20, -34}, {-60, -18}, {-120, -26}}, 6, 28, 141);
    SnakeHead(cr, {-170, -30}, M_PI / 2 + 0.15, 0.9, kDead);
    return;
  }
  const bool atk = pose == kAttack;
  // Coils resting on the floor.
  SnakeTube(cr, {{150, -20}, {80, -8}, {-60, -10}, {-140, -40}, {-110, -76}, {0, -84}, {110, -70}}, 10, 34,
            143);
  SnakeTube(cr, {{110, -70}, {150, -100}, {100, -136}, {0, -130}, {-70, -120}}, 34, 34, 145);
  // The neck rises in an S; attacking, it lunges at the heroes.
  if (atk) {
    SnakeTube(cr, {{-70, -120}, {-110, -170}, {-60, -240}, {20, -250}, {60, -230}}, 34, 26, 147);
    SnakeHead(cr, {70, -210}, -0.4, 1.15, pose);
    MotionArcs(cr, {0, -260}, 110, -M_PI * 0.4, -M_PI * 0.05, 3, 14);
  } else {
    SnakeTube(cr, {{-70, -120}, {-110, -190}, {-40, -260}, {0, -300}}, 34, 26, 147);
    SnakeHead(cr, {0, -318}, 0, 1.0, pose);
  }
}

}  // namespace vv::gen
