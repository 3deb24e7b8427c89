// The hideout's monsters: Fyxe the fire imp, Gorto the minotaur, Ubrus the
// demon and Vorgash himself, a huge frenzied silverback gorilla.

#include <cmath>

#include "monster_kit.h"

namespace vv::gen {
namespace {

// Vorgash's colours.
const Rgb kApeFur = Hex("#2e2e3a"), kApeHair = Hex("#6a6a7e"), kApeSkin = Hex("#3e3c4a"),
          kSilver = Hex("#aeb2c0"), kSilverHair = Hex("#e2e4ea"), kApeEye = Hex("#ff3a20"),
          kGum = Hex("#7a1e26");

// A gorilla hand balled into a fist, knuckles towards `dir`.
void ApeFist(cairo_t* cr, Pt c, double r, double dir) {
  Body(
      cr,
      [&](cairo_t* c2) {
        SmoothClosed(c2,
                     {Polar(c, dir - 1.9, r), Polar(c, dir - 0.9, r * 1.05), Polar(c, dir, r * 1.1),
                      Polar(c, dir + 0.9, r * 1.05), Polar(c, dir + 1.9, r), Polar(c, dir + M_PI, r * 0.8)});
      },
      kApeSkin, 3);
  for (int k = -1; k <= 2; ++k) {
    Pt knuckle = Polar(c, dir + k * 0.42 - 0.2, r * 0.8);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, knuckle.x, knuckle.y, r * 0.22, r * 0.2); },
        Lighter(kApeSkin, 0.25), 0.7);
    Stroke(
        cr, [&](cairo_t* c2) { cairo_arc(c2, knuckle.x, knuckle.y, r * 0.22, dir - 1.2, dir + 1.2); },
        Darker(kApeSkin, 0.5), 2);
  }
}

// An arm from shoulder to wrist with its elbow; the fist is drawn by the caller.
void ApeArm(cairo_t* cr, Pt shoulder, Pt elbow, Pt wrist, double r, std::uint32_t seed) {
  FurryBody(cr, CapsulePoints(elbow, wrist, r * 0.85, r * 0.72), kApeFur, kApeHair, r * 0.17, r * 0.3,
            seed + 1);
  FurryBody(cr, CapsulePoints(shoulder, elbow, r * 1.05, r * 0.86), kApeFur, kApeHair, r * 0.18, r * 0.32,
            seed);
  // Silver streaks on the shoulder.
  Inside(
      cr, [&](cairo_t* c) { CapsulePath(c, shoulder, elbow, r * 1.05, r * 0.86); },
      [&] {
        FurStrokes(cr, shoulder.x - r, shoulder.y - r, shoulder.x + r, shoulder.y + r * 0.2, r * 0.45,
                   M_PI / 2, kSilver, 3, 40, seed + 3, 0.55);
      },
      kApeFur, 0);
}

// The head: crested skull, leathery face, heavy brow, red eyes and a mouth
// that snarls (stand), roars (attack) or hangs open with its tongue out.
void ApeHead(cairo_t* cr, Pt c, double s, Pose pose) {
  auto at = [&](double x, double y) { return Pt{c.x + x * s, c.y + y * s}; };
  FurryBody(cr,
            {at(-72, 10), at(-66, -40), at(-36, -78), at(0, -92), at(36, -78), at(66, -40), at(72, 10),
             at(52, 52), at(0, 66), at(-52, 52)},
            kApeFur, kApeHair, 8 * s, 13 * s, 71);
  // Face.
  const bool roar = pose == kAttack;
  auto face = [&](cairo_t* cc) {
    SmoothClosed(cc, {at(-50, -6), at(-30, -22), at(0, -16), at(30, -22), at(50, -6), at(54, 30),
                      at(36, roar ? 74 : 62), at(0, roar ? 84 : 70), at(-36, roar ? 74 : 62), at(-54, 30)});
  };
  Body(cr, face, kApeSkin, 3);
  // Brow ridge.
  Body(
      cr,
      [&](cairo_t* cc) {
        SmoothClosed(cc, {at(-56, -10), at(-28, -30), at(0, -20), at(28, -30), at(56, -10), at(30, 2),
                          at(0, -6), at(-30, 2)});
      },
      Darker(kApeSkin, 0.15), 2.5);
  // Eyes deep under the brow.
  for (int side : {-1, 1}) {
    Pt e = at(side * 24, 8);
    if (pose == kDead) {
      CrossEye(cr, e.x, e.y, 8 * s);
      continue;
    }
    Fill(
        cr, [&](cairo_t* cc) { Ellipse(cc, e.x, e.y, 13 * s, 9 * s); }, Hex("#1a1018"));
    Glow(cr, e.x, e.y, 22 * s, kApeEye, 0.45);
    Fill(
        cr, [&](cairo_t* cc) { Ellipse(cc, e.x + side * -2 * s, e.y, 8 * s, 7 * s); }, kApeEye);
    Fill(
        cr, [&](cairo_t* cc) { Ellipse(cc, e.x + side * -2 * s, e.y, 3 * s, 4.5 * s); }, Hex("#200808"));
    Fill(
        cr, [&](cairo_t* cc) { Ellipse(cc, e.x - 3 * s, e.y - 3 * s, 2.2 * s, 2 * s); }, Grey(245));
    // The frown: the brow presses down over the eyes.
    Stroke(
        cr,
        [&](cairo_t* cc) {
          cairo_move_to(cc, e.x + side * 17 * s, e.y - 14 * s);
          cairo_line_to(cc, e.x - side * 14 * s, e.y - 4 * s);
        },
        Hex("#16121a"), 4.5 * s);
  }
  // Wide flat nose.
  Body(
      cr,
      [&](cairo_t* cc) {
        SmoothClosed(cc,
                     {at(-10, 10), at(10, 10), at(24, 30), at(14, 40), at(0, 36), at(-14, 40), at(-24, 30)});
      },
      Lighter(kApeSkin, 0.12), 2.5);
  for (int side : {-1, 1})
    Fill(
        cr, [&](cairo_t* cc) { Ellipse(cc, c.x + side * 9 * s, c.y + 33 * s, 5 * s, 3.6 * s); },
        Hex("#14101a"));
  // Mouth.
  if (pose == kDead) {
    auto mouth = [&](cairo_t* cc) {
      SmoothClosed(cc, {at(-24, 46), at(0, 44), at(24, 48), at(14, 58), at(-12, 58)});
    };
    Body(cr, mouth, kGum, 2);
    Tongue(cr, at(10, 54), 16 * s, 34 * s, M_PI / 2 + 0.5);
    Fang(cr, at(-14, 47), 6 * s, 10 * s, M_PI / 2);
    return;
  }
  double top = roar ? 44 : 46, bottom = roar ? 80 : 64, half = roar ? 36 : 32;
  auto mouth = [&](cairo_t* cc) {
    SmoothClosed(cc, {at(-half, top), at(0, top - 4), at(half, top), at(half * 0.8, bottom - 6),
                      at(0, bottom), at(-half * 0.8, bottom - 6)});
  };
  Body(cr, mouth, kGum, 2.5, 0.5);
  Inside(
      cr, mouth,
      [&] {
        Fill(
            cr, [&](cairo_t* cc) { Ellipse(cc, c.x, c.y + (bottom - 2) * s, half * 0.6 * s, 9 * s); },
            Hex("#c84a5a"));
        Fill(
            cr, [&](cairo_t* cc) { Ellipse(cc, c.x, c.y + (top + bottom) / 2 * s, half * 0.5 * s, 8 * s); },
            Hex("#3a0a10"), 0.8);
      },
      kGum, 2.5);
  // Great canines above and below, small teeth between.
  for (int side : {-1, 1}) {
    Fang(cr, at(side * (half - 8), top + 1), 10 * s, (roar ? 22 : 17) * s, M_PI / 2 + side * -0.08);
    Fang(cr, at(side * (half - 10), bottom - 4), 8 * s, (roar ? 15 : 11) * s, -M_PI / 2 + side * 0.1);
    for (int k = 0; k < 2; ++k) Fang(cr, at(side * (5 + k * 9), top), 6 * s, 6 * s, M_PI / 2, Hex("#e8e0c8"));
  }
}

}  // namespace

void DrawGorilla(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    // Fallen on his face, the silver back to the sky: the head on its cheek
    // at the front with crossed eyes and the tongue out, the near arm laid
    // back along his side, both legs stretched out behind, soles up.
    FootShadow(cr, 0, 360, 24, 0.35);
    auto sole = [&](Pt at, double rx, double ry) {
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, at.x, at.y, rx, ry); }, kApeSkin, 3);
      for (int k = 0; k < 4; ++k)
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, at.x + rx * 0.35, at.y - ry * 0.7 + k * ry * 0.45, 9, 7); },
            Lighter(kApeSkin, 0.15));
    };
    FurryBody(cr, CapsulePoints({150, -118}, {296, -128}, 46, 40), kApeFur, kApeHair, 8, 14, 9);
    sole({322, -130}, 24, 38);
    std::vector<Pt> back{{-160, -40}, {-150, -150}, {-50, -236}, {90, -244}, {205, -190},
                         {248, -100}, {222, -12},   {0, -2},     {-140, -6}};
    FurryBody(cr, back, kApeFur, kApeHair, 10, 17, 11);
    Inside(
        cr, [&](cairo_t* c) { FurryPath(c, back, 10, 17, 11); },
        [&] {
          Fill(
              cr,
              [&](cairo_t* c) {
                SmoothClosed(c, {{-140, -150},
                                 {-50, -256},
                                 {90, -262},
                                 {230, -196},
                                 {215, -136},
                                 {70, -168},
                                 {-50, -158}});
              },
              kSilver);
          FurStrokes(cr, -140, -262, 230, -140, 20, M_PI / 2 + 0.4, kSilverHair, 2.5, 160, 13, 0.6);
          FurStrokes(cr, -140, -230, 230, -136, 16, M_PI / 2 + 0.3, Darker(kSilver, 0.3), 2, 80, 14, 0.5);
        },
        kApeFur, 3);
    FurryBody(cr, CapsulePoints({176, -58}, {318, -46}, 50, 42), kApeFur, kApeHair, 8, 14, 15);
    sole({346, -50}, 28, 42);
    // The near arm lies back along his flank, the fist loose by his hip.
    FurryBody(cr, CapsulePoints({-100, -96}, {40, -48}, 54, 42), kApeFur, kApeHair, 8, 15, 17);
    Inside(
        cr,
        [&](cairo_t* c) {
          CapsulePath(c, {-100, -96}, {40, -48}, 54, 42);
        },
        [&] { FurStrokes(cr, -150, -150, -20, -100, 24, 0.3, kSilver, 3, 36, 19, 0.6); }, kApeFur, 0);
    ApeFist(cr, {76, -44}, 40, 0.2);
    cairo_save(cr);
    cairo_translate(cr, -232, -106);
    cairo_rotate(cr, -0.18);
    ApeHead(cr, {0, 0}, 1.3, kDead);
    cairo_restore(cr);
    DizzyStars(cr, {-232, -236}, 70, 4);
    return;
  }

  const bool atk = pose == kAttack;
  const double lift = atk ? 18 : 0;  // rears up to strike
  // Legs: short, bowed and thick.
  for (int side : {-1, 1}) {
    Pt hip{side * 78.0, -160.0 - lift}, knee{side * 118.0, -88.0 - lift * 0.5}, foot{side * 108.0, -22.0};
    FurryBody(cr, CapsulePoints(knee, foot, 40, 36), kApeFur, kApeHair, 7, 13, 20 + side);
    FurryBody(cr, CapsulePoints(hip, knee, 50, 42), kApeFur, kApeHair, 8, 14, 22 + side);
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{foot.x - 50, -4},
                           {foot.x - 30, -34},
                           {foot.x + 20, -36},
                           {foot.x + 52, -18},
                           {foot.x + 46, 0},
                           {foot.x - 40, 0}});
        },
        kApeSkin, 3);
    for (int k = 0; k < 3; ++k)
      Stroke(
          cr,
          [&](cairo_t* c) { cairo_arc(c, foot.x + side * (14 + k * 14) - side * 10, -4, 9, M_PI, 2 * M_PI); },
          Darker(kApeSkin, 0.5), 2);
  }
  // The great silver saddle rises over the hunched shoulders.
  const double by = -lift;
  FurryBody(cr,
            {{-225, -300 + by},
             {-150, -410 + by},
             {0, -440 + by},
             {150, -410 + by},
             {225, -300 + by},
             {0, -310 + by}},
            kSilver, kSilverHair, 9, 15, 31);
  // Standing, he plants his knuckles; attacking, both fists go up to smash.
  Pt shL{-175, -330 + by}, shR{175, -330 + by};
  Pt elL{-268, -205}, elR{268, -205}, wrL{-292, -78}, wrR{292, -78};
  if (atk) {
    elL = {-300, -330};
    wrL = {-215, -412};
    elR = {300, -330};
    wrR = {215, -412};
  }
  auto arm = [&](int side, Pt sh, Pt el, Pt wr) {
    ApeArm(cr, sh, el, wr, 62, 40 + side);
    if (atk)
      ApeFist(cr, {wr.x, wr.y - 18}, 52, -M_PI / 2 - side * 0.5);
    else
      ApeFist(cr, {wr.x + side * 4, -46}, 52, M_PI / 2 + side * 0.3);
  };
  if (atk) {
    arm(-1, shL, elL, wrL);
    arm(1, shR, elR, wrR);
  }
  // Torso: a barrel of muscle with a leathery chest; silver on the shoulders.
  std::vector<Pt> torso{{-185, -310 + by},   {-115, -372 + by}, {0, -380 + by},     {115, -372 + by},
                        {185, -310 + by},    {172, -235 + by},  {125, -160 - lift}, {0, -118 - lift},
                        {-125, -160 - lift}, {-172, -235 + by}};
  FurryBody(cr, torso, kApeFur, kApeHair, 10, 17, 33);
  Inside(
      cr, [&](cairo_t* c) { FurryPath(c, torso, 10, 17, 33); },
      [&] {
        for (int side : {-1, 1}) {
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, side * 170.0, -350 + by, 70, 40); }, kSilver, 0.85);
          FurStrokes(cr, side * 170.0 - 60, -385 + by, side * 170.0 + 60, -320 + by, 18,
                     M_PI / 2 + side * 0.5, kSilverHair, 2.5, 40, 35 + side, 0.6);
        }
      },
      kApeFur, 3);
  for (int side : {-1, 1})
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{side * 8.0, -325 + by},
                           {side * 60.0, -345 + by},
                           {side * 115.0, -312 + by},
                           {side * 104.0, -258 + by},
                           {side * 40.0, -248 + by},
                           {side * 6.0, -268 + by}});
        },
        kApeSkin, 3);
  // Rows of belly muscle.
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, 0, -190 - lift, 78, 56); }, Mix(kApeSkin, kApeFur, 0.45), 2.5, 0.8);
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, 0, -240 - lift);
        cairo_line_to(c, 0, -140 - lift);
        cairo_move_to(c, -60, -192 - lift);
        cairo_curve_to(c, -30, -182 - lift, 30, -182 - lift, 60, -192 - lift);
      },
      Darker(kApeSkin, 0.45), 2.5, 0.7);
  if (!atk) {
    arm(-1, shL, elL, wrL);
    arm(1, shR, elR, wrR);
  }
  // Head, low between the shoulders.
  Pt head{0, atk ? -370.0 : -352.0};
  ApeHead(cr, head, 1.35, pose);
  if (atk) {
    for (int side : {-1, 1}) {
      Puff(cr, {side * 56.0, head.y + 40}, 16, Grey(235), 0.6);
      MotionArcs(cr, {side * 215.0, -440}, 80, side < 0 ? M_PI * 1.0 : -M_PI * 0.45,
                 side < 0 ? M_PI * 1.45 : 0.0, 3, 16);
    }
    // Spittle flying from the roar.
    Rng rng(77);
    for (int i = 0; i < 9; ++i)
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, rng.Uniform(-80, 80), head.y + rng.Uniform(110, 150), 4, 4); },
          Hex("#e0ecf4"), 0.9);
  }
}

// Fyxe: a small, cackling imp riding a jet of flame, with flaming hair,
// bat wings, a barbed tail and a fireball in hand.
namespace {
const Rgb kImpSkin = Hex("#e0482a"), kImpBelly = Hex("#f8b040"), kImpDark = Hex("#7a1a10"),
          kImpEye = Hex("#ffe040");

void ImpFigure(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  const Rgb skin = dead ? Mix(kImpSkin, Hex("#3a2a2a"), 0.55) : kImpSkin;
  const Rgb belly = dead ? Mix(kImpBelly, Hex("#4a3a30"), 0.55) : kImpBelly;
  // Wings.
  for (int side : {-1, 1}) {
    double spread = atk ? 1.15 : 1.0;
    std::vector<Pt> wing{{side * 30.0, -200},           {side * 95.0 * spread, -275},
                         {side * 150.0 * spread, -262}, {side * 128.0 * spread, -228},
                         {side * 140.0 * spread, -196}, {side * 104.0 * spread, -190},
                         {side * 100.0 * spread, -160}, {side * 40.0, -170}};
    Body(
        cr, [&](cairo_t* c) { Polygon(c, wing); }, dead ? Hex("#3a2424") : Hex("#8a1e1a"), 2.5);
    for (int k : {2, 4, 6}) Line(cr, side * 34.0, -196, wing[k].x, wing[k].y, Hex("#4a0e0a"), 3);
  }
  // Tail with a barb.
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, 10, -130);
        cairo_curve_to(c, 70, -110, 110, -150, 120, -200);
      },
      Darker(skin, 0.6), 10);
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, 10, -130);
        cairo_curve_to(c, 70, -110, 110, -150, 120, -200);
      },
      skin, 6);
  Body(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{120, -222}, {138, -192}, {120, -198}, {104, -190}});
      },
      kImpDark, 2);
  // Legs, tucked up while it rides the flame.
  for (int side : {-1, 1}) {
    Pt hip{side * 22.0, -132}, knee{side * 46.0, -104}, foot{side * 28.0, atk ? -70.0 : -76.0};
    Limb(cr, hip, knee, 13, 10, skin);
    Limb(cr, knee, foot, 10, 7, skin);
    Body(
        cr,
        [&](cairo_t* c) {
          Polygon(c, {{foot.x - 12, foot.y - 6}, {foot.x + side * 26, foot.y + 4}, {foot.x - 8, foot.y + 8}});
        },
        kImpDark, 2);
  }
  // Pot belly.
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{-44, -196}, {0, -210}, {44, -196}, {50, -150}, {28, -122}, {-28, -122}, {-50, -150}});
      },
      skin, 3);
  Body(
      cr, [&](cairo_t* c) { Ellipse(c, 0, -154, 30, 28); }, belly, 2);
  // Arms: one cups a fireball, the other rests on the hip; attacking, it
  // flings the fireball at the heroes.
  Pt shL{-40, -192}, shR{40, -192};
  Pt elL{-70, -170}, hL{-92, -208}, elR{68, -160}, hR{44, -138};
  if (atk) {
    elL = {-76, -214};
    hL = {-100, -178};
    elR = {80, -222};
    hR = {112, -262};
  }
  Limb(cr, shL, elL, 11, 9, skin);
  Limb(cr, elL, hL, 9, 8, skin);
  Limb(cr, shR, elR, 11, 9, skin);
  Limb(cr, elR, hR, 9, 8, skin);
  for (Pt h : {hL, hR}) {
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, h.x, h.y, 11, 10); }, skin, 2);
    for (int k = -1; k <= 1; ++k)
      Claw(cr, Polar(h, -M_PI / 2 + k * 0.6, 9), 5, 9, -M_PI / 2 + k * 0.6, kImpDark);
  }
  // Head: big ears, little horns.
  Pt hc{0, -262};
  for (int side : {-1, 1}) {
    Body(
        cr,
        [&](cairo_t* c) {
          Polygon(c, {{side * 40.0, hc.y - 16}, {side * 104.0, hc.y - 40}, {side * 46.0, hc.y + 14}});
        },
        skin, 2.5);
    Horn(cr, {side * 22.0, hc.y - 44}, {side * 34.0, hc.y - 62}, {side * 30.0, hc.y - 84}, 14,
         dead ? Hex("#4a4040") : Hex("#3a1a18"));
  }
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-54, hc.y - 6},
                         {-40, hc.y - 44},
                         {0, hc.y - 56},
                         {40, hc.y - 44},
                         {54, hc.y - 6},
                         {34, hc.y + 36},
                         {0, hc.y + 46},
                         {-34, hc.y + 36}});
      },
      skin, 3);
  if (dead) {
    for (int side : {-1, 1}) CrossEye(cr, side * 20.0, hc.y - 8, 9);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, 0, hc.y + 24, 16, 7); }, Hex("#3a1010"), 2);
    Tongue(cr, {6, hc.y + 26}, 10, 18, M_PI / 2 - 0.2);
  } else {
    for (int side : {-1, 1}) {
      Pt e{side * 20.0, hc.y - 10};
      // Mischievous slanted eyes.
      Body(
          cr,
          [&](cairo_t* c) {
            Polygon(c, {{e.x - side * 14, e.y - 4},
                        {e.x + side * 14, e.y - 10},
                        {e.x + side * 12, e.y + 8},
                        {e.x - side * 10, e.y + 8}});
          },
          kImpEye, 2);
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, e.x - side * 2, e.y + 1, 3.5, 6); }, Hex("#200808"));
      Line(cr, e.x + side * 16, e.y - 16, e.x - side * 14, e.y - (atk ? 4 : 8), kImpDark, 4);
    }
    // The grin: a wide crescent full of little teeth.
    double open = atk ? 22 : 12;
    auto grin = [&](cairo_t* c) {
      cairo_move_to(c, -34, hc.y + 12);
      cairo_curve_to(c, -18, hc.y + 16, 18, hc.y + 16, 34, hc.y + 12);
      cairo_curve_to(c, 24, hc.y + 20 + open, -24, hc.y + 20 + open, -34, hc.y + 12);
      cairo_close_path(c);
    };
    Body(cr, grin, Hex("#5a0e10"), 2.5, 0.3);
    for (int k = -3; k <= 3; ++k) Fang(cr, {k * 8.5, hc.y + 15}, 6, 7, M_PI / 2, Hex("#fff0c0"));
    if (atk)
      Fill(
          cr, [&](cairo_t* c) { Ellipse(c, 0, hc.y + 22 + open * 0.6, 12, 5); }, Hex("#e06070"));
  }
  // Flaming hair, or a wisp of smoke once it is out.
  if (dead) {
    for (int k = 0; k < 3; ++k)
      Puff(cr, {-10.0 + k * 14, hc.y - 70 - k * 26}, 12 + k * 4, Grey(120), 0.5 - k * 0.1);
  } else {
    for (int k = -2; k <= 2; ++k)
      Flame(cr, {k * 16.0, hc.y - 40 + std::abs(k) * 6}, 30, 64 - std::abs(k) * 10,
            k * 0.25 + (atk ? -0.2 : 0));
  }
}
}  // namespace

void DrawImp(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    // Burnt out: a sooty little heap lying on its side in a ring of ash.
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, 0, -10, 130, 12); }, Hex("#3a3434"), 0.7);
    OnGround(
        cr, -M_PI / 2, [](cairo_t* c) { ImpFigure(c, kDead); }, 8);
    return;
  }
  const bool atk = pose == kAttack;
  // It rides a jet of flame above the floor.
  Glow(cr, 0, -30, 110, Hex("#ff8020"), 0.5);
  for (int k = -2; k <= 2; ++k) Flame(cr, {k * 14.0, -6}, 44, 110 - std::abs(k) * 22, k * 0.12);
  ImpFigure(cr, pose);
  if (atk) {
    // The fireball, hurled at the heroes.
    Glow(cr, 118, -274, 80, Hex("#ffb040"), 0.7);
    Flame(cr, {126, -250}, 64, 90, 0.6);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, 118, -274, 30, 30); }, Hex("#ffd060"), 0, 0.5);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, 112, -280, 16, 16); }, Hex("#fff0b0"));
    MotionArcs(cr, {60, -200}, 90, -M_PI * 0.55, -M_PI * 0.15, 3, 14);
  } else {
    Glow(cr, -94, -226, 50, Hex("#ffb040"), 0.6);
    Flame(cr, {-92, -214}, 36, 56, -0.1);
  }
}

// Gorto: a towering bull-headed brute with a double-bitted axe.
namespace {
const Rgb kBullFur = Hex("#7a4226"), kBullSkin = Hex("#a0603a"), kBullMuzzle = Hex("#c89a78"),
          kHornBone = Hex("#ece0c0"), kLeather = Hex("#5a3a26");

struct BullPose {
  Pt shoulder[2], elbow[2], hand[2], hip[2], knee[2], ankle[2];
  Pt head;
  double headTilt = 0;
  Pt axeGrip, axeHead;  // the haft runs from grip through the hand to the head
};

void BullAxe(cairo_t* cr, Pt grip, Pt top) {
  double ang = std::atan2(top.y - grip.y, top.x - grip.x);
  Limb(cr, grip, top, 8, 8, Hex("#5a3a22"), 2.5);
  for (int k = 0; k < 4; ++k) {
    Pt p = Lerp(grip, top, 0.05 + k * 0.05);
    Line(cr, p.x - std::sin(ang) * 9, p.y + std::cos(ang) * 9, p.x + std::sin(ang) * 9,
         p.y - std::cos(ang) * 9, kLeather, 3);
  }
  cairo_save(cr);
  cairo_translate(cr, top.x, top.y);
  cairo_rotate(cr, ang + M_PI / 2);
  // Two crescent blades either side of the haft.
  for (int side : {-1, 1}) {
    auto blade = [&](cairo_t* c) {
      cairo_move_to(c, side * 8, 18);
      cairo_curve_to(c, side * 40, 22, side * 70, 46, side * 86, 70);
      cairo_curve_to(c, side * 104, 30, side * 104, -30, side * 86, -62);
      cairo_curve_to(c, side * 70, -40, side * 40, -20, side * 8, -16);
      cairo_close_path(c);
    };
    Body(cr, blade, Hex("#a8b0bc"), 3);
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, side * 84, 62);
          cairo_curve_to(c, side * 98, 26, side * 98, -24, side * 84, -54);
        },
        Hex("#eef2f6"), 4);
  }
  Body(
      cr, [&](cairo_t* c) { RoundRect(c, -14, -26, 28, 50, 6); }, Hex("#6a6e78"), 2.5);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, 0, -2, 5, 5); }, Hex("#d8a840"));
  Body(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{-7, -26}, {0, -50}, {7, -26}});
      },
      Hex("#a8b0bc"), 2);
  cairo_restore(cr);
}

void BullHead(cairo_t* cr, Pt c, double tilt, Pose pose) {
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, tilt);
  cairo_scale(cr, 1.2, 1.2);
  const bool atk = pose == kAttack, dead = pose == kDead;
  // Horns sweep out and up.
  for (int side : {-1, 1})
    Horn(cr, {side * 34.0, -34}, {side * 118.0, -52}, {side * 112.0, -128}, 28, kHornBone);
  // Ears.
  for (int side : {-1, 1})
    Body(
        cr,
        [&](cairo_t* c2) {
          SmoothClosed(c2, {{side * 40.0, -18}, {side * 92.0, -22}, {side * 100.0, -4}, {side * 46.0, 4}});
        },
        kBullFur, 2.5);
  // Skull and long face.
  Body(
      cr,
      [&](cairo_t* c2) {
        SmoothClosed(c2,
                     {{-50, -10}, {-40, -44}, {0, -54}, {40, -44}, {50, -10}, {40, 36}, {0, 48}, {-40, 36}});
      },
      kBullFur, 3);
  FurStrokes(cr, -30, -52, 30, -30, 16, M_PI / 2, Lighter(kBullFur, 0.3), 2.5, 18, 91, 0.6);
  // Muzzle.
  Body(
      cr, [&](cairo_t* c2) { Ellipse(c2, 0, 44, 40, 28); }, kBullMuzzle, 3);
  for (int side : {-1, 1})
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, side * 15.0, 44, 7, 9); }, Hex("#2a1410"));
  // The brass nose ring.
  Stroke(
      cr, [&](cairo_t* c2) { Ellipse(c2, 0, 62, 13, 11); }, Hex("#7a5a20"), 7);
  Stroke(
      cr, [&](cairo_t* c2) { Ellipse(c2, 0, 62, 13, 11); }, Hex("#e0b040"), 4);
  // Eyes set wide.
  for (int side : {-1, 1}) {
    if (dead) {
      CrossEye(cr, side * 28.0, -8, 9);
      continue;
    }
    Eye(cr, side * 28.0, -8, 11, Hex("#e83a1a"), atk ? kAttack : kAttack, side);
  }
  if (dead) {
    Tongue(cr, {-14, 66}, 16, 34, M_PI / 2 + 0.4);
  } else if (atk) {
    Body(
        cr, [&](cairo_t* c2) { Ellipse(c2, 0, 72, 24, 14); }, Hex("#5a1010"), 2.5, 0.3);
    for (int side : {-1, 1}) Fang(cr, {side * 12.0, 62}, 7, 8, M_PI / 2, Hex("#f0e8d0"));
  }
  cairo_restore(cr);
}

void BullFigure(cairo_t* cr, const BullPose& p, Pose pose) {
  const bool dead = pose == kDead;
  // Far-side things first: the axe hangs behind the standing body only when
  // held low.
  // Legs: thick thighs, furry shanks, cloven hooves.
  for (int i = 0; i < 2; ++i) {
    int side = i == 0 ? -1 : 1;
    Limb(cr, p.knee[i], p.ankle[i], 26, 20, kBullFur);
    FurryBody(cr, CapsulePoints(p.knee[i], Lerp(p.knee[i], p.ankle[i], 0.6), 30, 26), kBullFur,
              Lighter(kBullFur, 0.25), 7, 11, 50 + i);
    Limb(cr, p.hip[i], p.knee[i], 40, 30, kBullSkin);
    Pt a = p.ankle[i];
    Body(
        cr,
        [&](cairo_t* c) {
          Polygon(c, {{a.x - 26, a.y + 8}, {a.x + 26, a.y + 8}, {a.x + 30, a.y + 34}, {a.x - 30, a.y + 34}});
        },
        Hex("#2a1e1a"), 3);
    Line(cr, a.x, a.y + 14, a.x, a.y + 34, Hex("#0a0606"), 3);
    (void)side;
  }
  // Loincloth and belt.
  Body(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{p.hip[0].x - 28, p.hip[0].y - 24},
                    {p.hip[1].x + 28, p.hip[1].y - 24},
                    {p.hip[1].x + 18, p.hip[1].y + 30},
                    {0, p.hip[1].y + 78},
                    {p.hip[0].x - 18, p.hip[0].y + 30}});
      },
      kLeather, 3);
  // Torso: a broad wedge of muscle.
  Pt s0 = p.shoulder[0], s1 = p.shoulder[1];
  double waist = p.hip[0].y - 20;
  auto torso = [&](cairo_t* c) {
    SmoothClosed(c, {{s0.x - 10, s0.y + 6},
                     {s0.x + 40, s0.y - 22},
                     {0, s0.y - 28},
                     {s1.x - 40, s1.y - 22},
                     {s1.x + 10, s1.y + 6},
                     {s1.x - 36, s1.y + 90},
                     {p.hip[1].x + 8, waist},
                     {p.hip[0].x - 8, waist},
                     {s0.x + 36, s0.y + 90}});
  };
  Body(cr, torso, kBullSkin, 3.5);
  Inside(
      cr, torso,
      [&] {
        // Chest plates and the belly's rows.
        double cy = s0.y + 40;
        for (int side : {-1, 1}) {
          Stroke(
              cr,
              [&](cairo_t* c) {
                cairo_move_to(c, 0, cy - 30);
                cairo_curve_to(c, side * 30.0, cy + 20, side * 80.0, cy + 20, side * 110.0, cy - 20);
              },
              Darker(kBullSkin, 0.4), 3.5, 0.8);
          for (int r = 0; r < 3; ++r)
            Body(
                cr, [&](cairo_t* c) { Ellipse(c, side * 22.0, cy + 60 + r * 34, 18, 14); }, kBullSkin, 0,
                0.9);
        }
        FurStrokes(cr, -40, cy - 20, 40, cy + 30, 14, M_PI / 2, Darker(kBullFur, 0.2), 2.5, 26, 93, 0.6);
      },
      kBullSkin, 3.5);
  // Arms.
  for (int i = 0; i < 2; ++i) {
    Limb(cr, p.shoulder[i], p.elbow[i], 36, 28, kBullSkin);
    Limb(cr, p.elbow[i], p.hand[i], 28, 22, kBullSkin);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, p.shoulder[i].x, p.shoulder[i].y, 42, 38); }, kBullSkin, 3);
    // Leather bracer.
    Pt b1 = Lerp(p.elbow[i], p.hand[i], 0.35), b2 = Lerp(p.elbow[i], p.hand[i], 0.8);
    Limb(cr, b1, b2, 26, 23, kLeather);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, p.hand[i].x, p.hand[i].y, 24, 22); }, kBullSkin, 3);
  }
  // A bull's neck: a hump of muscle from the shoulders to the skull.
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{s0.x + 30, s0.y - 10},
                         {p.head.x - 40, p.head.y - 20},
                         {p.head.x + 40, p.head.y - 20},
                         {s1.x - 30, s1.y - 10},
                         {0, s0.y + 30}});
      },
      kBullSkin, 3);
  BullHead(cr, p.head, p.headTilt, pose);
  (void)dead;
}
}  // namespace

void DrawMinotaur(cairo_t* cr, Pose pose) {
  BullPose p;
  p.hip[0] = {-58, -196};
  p.hip[1] = {58, -196};
  p.knee[0] = {-84, -112};
  p.knee[1] = {84, -112};
  p.ankle[0] = {-74, -36};
  p.ankle[1] = {74, -36};
  p.shoulder[0] = {-128, -330};
  p.shoulder[1] = {128, -330};
  p.head = {0, -372};
  if (pose == kStand) {
    p.elbow[0] = {-176, -246};
    p.hand[0] = {-180, -172};
    p.elbow[1] = {176, -246};
    p.hand[1] = {182, -166};
    BullAxe(cr, {-182, -30}, {-182, -400});
    BullFigure(cr, p, pose);
    // Knuckles wrapped round the haft.
    Body(
        cr, [&](cairo_t* c) { RoundRect(c, -200, -186, 40, 30, 10); }, kBullSkin, 3);
    for (int side : {-1, 1}) Puff(cr, {side * 30.0, -300}, 12, Grey(235), 0.45);
  } else if (pose == kAttack) {
    p.head = {0, -366};
    p.headTilt = -0.08;
    p.elbow[0] = {-196, -372};
    p.hand[0] = {-150, -430};
    p.elbow[1] = {196, -262};
    p.hand[1] = {206, -336};
    p.knee[0] = {-100, -112};
    p.ankle[0] = {-100, -36};
    BullFigure(cr, p, pose);
    BullAxe(cr, {-96, -356}, {-236, -476});
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, p.hand[0].x, p.hand[0].y, 24, 22); }, kBullSkin, 3);
    for (int side : {-1, 1}) Puff(cr, {side * 36.0, -296}, 18, Grey(240), 0.7);
    MotionArcs(cr, {-60, -330}, 170, -M_PI * 0.95, -M_PI * 0.6, 3, 16);
  } else {
    // Flat on his back, axe dropped beside him.
    BullAxe(cr, {120, -14}, {420, -40});
    OnGround(cr, -M_PI / 2 + 0.06, [](cairo_t* c) {
      BullPose d;
      d.hip[0] = {-58, -196};
      d.hip[1] = {58, -196};
      d.knee[0] = {-90, -110};
      d.ankle[0] = {-70, -30};
      d.knee[1] = {150, -120};
      d.ankle[1] = {-30, -40};
      d.shoulder[0] = {-128, -330};
      d.shoulder[1] = {128, -330};
      d.elbow[0] = {-200, -400};
      d.hand[0] = {-190, -480};
      d.elbow[1] = {120, -250};
      d.hand[1] = {20, -220};
      d.head = {-10, -380};
      d.headTilt = -0.3;
      BullFigure(c, d, kDead);
    });
  }
}

// Ubrus: a hulking winged demon with ram horns, burning eyes and claws.
namespace {
const Rgb kDemonSkin = Hex("#8a2438"), kDemonDark = Hex("#4a1024"), kDemonWing = Hex("#5a1a30"),
          kDemonHorn = Hex("#2e2028"), kDemonEye = Hex("#ffd040");

void DemonWing(cairo_t* cr, int side, Pt root, double spread, double droop) {
  // Finger bones from the wrist; the membrane hangs between them.
  Pt wrist = {root.x + side * 150 * spread, root.y - 150 * spread + droop};
  std::vector<Pt> tips;
  for (int k = 0; k < 4; ++k) {
    double a = -M_PI / 2 + side * (0.35 + k * 0.42);
    tips.push_back(Polar(wrist, a + (side < 0 ? 0 : 0), (210 - k * 30) * spread));
    tips.back().y += droop * (0.5 + k * 0.3);
  }
  std::vector<Pt> membrane{root, wrist, tips[0]};
  for (int k = 0; k < 3; ++k) {
    Pt mid = Lerp(tips[k], tips[k + 1], 0.5);
    Pt inward = Lerp(mid, wrist, 0.25);
    membrane.push_back(inward);
    membrane.push_back(tips[k + 1]);
  }
  membrane.push_back({root.x + side * 60, root.y + 120});
  Body(
      cr, [&](cairo_t* c) { Polygon(c, membrane); }, kDemonWing, 3);
  Inside(
      cr, [&](cairo_t* c) { Polygon(c, membrane); },
      [&] {
        for (Pt t : tips) Glow(cr, Lerp(wrist, t, 0.6).x, Lerp(wrist, t, 0.6).y, 70, Hex("#c04050"), 0.25);
      },
      kDemonWing, 3);
  Limb(cr, root, wrist, 14, 10, kDemonDark);
  for (Pt t : tips) Limb(cr, wrist, t, 7, 3, kDemonDark, 2);
  Claw(cr, wrist, 10, 24, -M_PI / 2 - side * 0.3, Hex("#e8dcc0"));
}

// The head round its centre: ram horns, glowing eyes, a fanged jaw.
void DemonHead(cairo_t* cr, Pt hc, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  for (int side : {-1, 1}) {
    Horn(cr, {side * 30.0, hc.y - 30}, {side * 110.0, hc.y - 70}, {side * 86.0, hc.y + 10}, 34, kDemonHorn);
    Horn(cr, {side * 86.0, hc.y + 8}, {side * 70.0, hc.y + 36}, {side * 112.0, hc.y + 30}, 16, kDemonHorn);
  }
  auto head = [&](cairo_t* c) {
    SmoothClosed(c, {{-46, hc.y - 20},
                     {-30, hc.y - 50},
                     {0, hc.y - 56},
                     {30, hc.y - 50},
                     {46, hc.y - 20},
                     {40, hc.y + 26},
                     {18, hc.y + 56},
                     {-18, hc.y + 56},
                     {-40, hc.y + 26}});
  };
  Body(cr, head, kDemonSkin, 3);
  if (dead) {
    for (int side : {-1, 1}) CrossEye(cr, side * 20.0, hc.y - 6, 9);
    Tongue(cr, {-4, hc.y + 40}, 14, 30, M_PI / 2 + 0.3, Hex("#5a2a40"));
  } else {
    for (int side : {-1, 1}) {
      Pt e{side * 20.0, hc.y - 6};
      Glow(cr, e.x, e.y, 30, kDemonEye, 0.6);
      Body(
          cr,
          [&](cairo_t* c) {
            Polygon(c, {{e.x - side * 14, e.y - 2},
                        {e.x + side * 14, e.y - 10},
                        {e.x + side * 10, e.y + 6},
                        {e.x - side * 10, e.y + 6}});
          },
          kDemonEye, 2);
      Line(cr, e.x + side * 20, e.y - 20, e.x - side * 16, e.y - 6, kDemonDark, 6);
    }
    double open = atk ? 30 : 12;
    auto jaw = [&](cairo_t* c) {
      SmoothClosed(c, {{-26, hc.y + 24}, {26, hc.y + 24}, {20, hc.y + 30 + open}, {-20, hc.y + 30 + open}});
    };
    Body(cr, jaw, Hex("#2a0810"), 2.5, 0.2);
    if (atk) Glow(cr, 0, hc.y + 36, 40, Hex("#ff8020"), 0.8);
    for (int side : {-1, 1}) {
      Fang(cr, {side * 16.0, hc.y + 24}, 9, 16, M_PI / 2);
      Fang(cr, {side * 12.0, hc.y + 28 + open}, 8, 12, -M_PI / 2);
    }
  }
}

void DemonFigure(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack;
  for (int side : {-1, 1}) DemonWing(cr, side, {side * 70.0, -330}, atk ? 1.2 : 1.0, atk ? -10 : 20);
  // A spiked tail curling out behind.
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, 30, -180);
        cairo_curve_to(c, 150, -150, 220, -60, 170, -20);
      },
      kDemonDark, 24);
  Stroke(
      cr,
      [&](cairo_t* c) {
        cairo_move_to(c, 30, -180);
        cairo_curve_to(c, 150, -150, 220, -60, 170, -20);
      },
      kDemonSkin, 16);
  Body(
      cr,
      [&](cairo_t* c) {
        Polygon(c, {{176, -44}, {150, 0}, {190, -14}, {212, -8}});
      },
      kDemonHorn, 2);
  // Goat legs with hooves.
  for (int side : {-1, 1}) {
    Pt hip{side * 62.0, -200}, knee{side * 96.0, -128}, ankle{side * 72.0, -64}, hoof{side * 80.0, -20};
    // A goat's hock: a heavy haunch, a lean shank bent back, a short pastern.
    MuscleLimb(cr, ankle, hoof, 19, 16, kDemonSkin, 3, 1.1);
    MuscleLimb(cr, knee, ankle, 30, 19, kDemonSkin, 3, 1.25);
    MuscleLimb(cr, hip, knee, 46, 30, kDemonSkin, 3, 1.3);
    FurStrokes(cr, ankle.x - 20, ankle.y - 24, ankle.x + 20, ankle.y + 10, 14, M_PI / 2,
               Darker(kDemonSkin, 0.45), 2, 12, 1500 + side, 0.6);
    Body(
        cr,
        [&](cairo_t* c) {
          Polygon(c,
                  {{hoof.x - 26, hoof.y - 4}, {hoof.x + 26, hoof.y - 4}, {hoof.x + 30, 0}, {hoof.x - 30, 0}});
        },
        kDemonHorn, 3);
  }
  // Bone-plated belt.
  Body(
      cr, [&](cairo_t* c) { RoundRect(c, -92, -226, 184, 34, 10); }, Hex("#3a2a2a"), 3);
  for (int k = -2; k <= 2; ++k) Fang(cr, {k * 34.0, -196}, 16, 22, M_PI / 2, Hex("#d8ceb0"));
  // Torso.
  auto torso = [&](cairo_t* c) {
    SmoothClosed(c, {{-160, -340},
                     {-90, -380},
                     {0, -388},
                     {90, -380},
                     {160, -340},
                     {140, -280},
                     {90, -226},
                     {-90, -226},
                     {-140, -280}});
  };
  Body(cr, torso, kDemonSkin, 3.5);
  Inside(
      cr, torso,
      [&] {
        for (int side : {-1, 1}) {
          Stroke(
              cr,
              [&](cairo_t* c) {
                cairo_move_to(c, 0, -360);
                cairo_curve_to(c, side * 30.0, -310, side * 90.0, -306, side * 120.0, -340);
              },
              kDemonDark, 4, 0.8);
          for (int r = 0; r < 2; ++r)
            Line(cr, side * 8.0, -290 + r * 30, side * 44.0, -292 + r * 30, kDemonDark, 3, 0.6);
        }
        Line(cr, 0, -330, 0, -236, kDemonDark, 3, 0.6);
        // Light on the chest and the rows of the belly from the lava below.
        for (int side : {-1, 1}) {
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, side * 56.0, -344, 36, 14); }, Lighter(kDemonSkin, 0.35),
              0.55);
          for (int r = 0; r < 3; ++r)
            Fill(
                cr, [&](cairo_t* c) { Ellipse(c, side * 24.0, -300 + r * 30, 13, 6); },
                Lighter(kDemonSkin, 0.3), 0.45);
        }
        Glow(cr, 0, -226, 120, Hex("#ff6a20"), 0.18);
        // Glowing cracks in the hide.
        Stroke(
            cr,
            [&](cairo_t* c) {
              cairo_move_to(c, -70, -300);
              cairo_line_to(c, -50, -280);
              cairo_line_to(c, -62, -256);
              cairo_move_to(c, 80, -276);
              cairo_line_to(c, 60, -256);
            },
            Hex("#ff9a30"), 3, 0.9);
      },
      kDemonSkin, 3.5);
  // Shoulder spikes.
  for (int side : {-1, 1}) {
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, side * 150.0, -346, 48, 40); }, kDemonSkin, 3);
    for (int k = 0; k < 3; ++k)
      Fang(cr, {side * (128.0 + k * 22), -372.0 + k * 6}, 16, 34 - k * 6, -M_PI / 2 + side * (0.3 + k * 0.3),
           Hex("#d8ceb0"));
  }
  // Arms ending in claws.
  for (int side : {-1, 1}) {
    Pt sh{side * 156.0, -336}, el{side * 200.0, -250}, hand{side * 196.0, -160};
    if (atk && side < 0) {
      el = {-250, -370};
      hand = {-220, -460};
    } else if (atk) {
      el = {230, -280};
      hand = {160, -220};
    }
    MuscleLimb(cr, el, hand, 29, 20, kDemonSkin, 3, 1.3);
    MuscleLimb(cr, sh, el, 36, 26, kDemonSkin, 3, 1.35);
    double dir = std::atan2(hand.y - el.y, hand.x - el.x);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, hand.x, hand.y, 26, 24); }, kDemonSkin, 3);
    for (int k = -2; k <= 1; ++k)
      Claw(cr, Polar(hand, dir + k * 0.4, 20), 9, 30, dir + k * 0.45, Hex("#e8dcc0"));
  }
  DemonHead(cr, {0, -408}, pose);
}

// Fallen on his back across his spread wings: the head lolling towards the
// heroes, one arm flung up, the goat legs stretched out, smoke rising.
void DemonFallen(cairo_t* cr) {
  FootShadow(cr, 0, 300, 22, 0.35);
  for (int side : {-1, 1}) {
    cairo_save(cr);
    cairo_translate(cr, side * 50.0 - 40, -80);
    cairo_scale(cr, 1.05, 0.62);
    DemonWing(cr, side, {0, 0}, 1.1, 30);
    cairo_restore(cr);
  }
  const Rgb hoofC = kDemonHorn;
  // The tail trails out along the ground.
  auto tail = [](cairo_t* c) {
    cairo_move_to(c, 80, -40);
    cairo_curve_to(c, 170, -10, 250, -40, 320, -16);
  };
  Stroke(cr, tail, kDemonDark, 24);
  Stroke(cr, tail, kDemonSkin, 16);
  Body(
      cr,
      [](cairo_t* c) {
        Polygon(c, {{312, -30}, {352, -14}, {312, 0}, {322, -14}});
      },
      kDemonHorn, 2);
  // Goat legs: the far one bent with its knee up, the near one stretched out.
  auto leg = [&](Pt hip, Pt knee, Pt ankle, Pt hoof, double shade) {
    Rgb skin = Darker(kDemonSkin, shade);
    MuscleLimb(cr, ankle, hoof, 17, 14, skin, 3, 1.1);
    MuscleLimb(cr, knee, ankle, 26, 17, skin, 3, 1.25);
    MuscleLimb(cr, hip, knee, 40, 26, skin, 3, 1.3);
    double a = std::atan2(hoof.y - ankle.y, hoof.x - ankle.x);
    cairo_save(cr);
    cairo_translate(cr, hoof.x, hoof.y);
    cairo_rotate(cr, a - M_PI / 2);
    Body(
        cr,
        [](cairo_t* c) {
          Polygon(c, {{-20, -4}, {20, -4}, {24, 16}, {-24, 16}});
        },
        hoofC, 3);
    cairo_restore(cr);
  };
  leg({70, -84}, {150, -150}, {200, -104}, {226, -110}, 0.25);
  // The torso, chest to the sky.
  auto torso = [](cairo_t* c) {
    SmoothClosed(
        c,
        {{-140, -62}, {-116, -116}, {-20, -130}, {70, -112}, {96, -64}, {76, -20}, {-40, -12}, {-128, -24}});
  };
  Body(cr, torso, kDemonSkin, 3.5);
  Inside(
      cr, torso,
      [&] {
        Stroke(
            cr,
            [](cairo_t* c) {
              cairo_move_to(c, -100, -118);
              cairo_curve_to(c, -70, -90, -60, -60, -96, -30);
            },
            kDemonDark, 4, 0.8);
        for (int r = 0; r < 3; ++r)
          for (int side : {-1, 1})
            Fill(
                cr, [&](cairo_t* c) { Ellipse(c, -40.0 + r * 34, -72 + side * 18, 13, 9); },
                Lighter(kDemonSkin, 0.25), 0.5);
        Line(cr, -60, -72, 50, -70, kDemonDark, 3, 0.6);
        Fill(
            cr, [](cairo_t* c) { Ellipse(c, -80, -112, 40, 10); }, Lighter(kDemonSkin, 0.35), 0.5);
        // The cracks in his hide have gone cold.
        Stroke(
            cr,
            [](cairo_t* c) {
              cairo_move_to(c, -30, -100);
              cairo_line_to(c, -10, -84);
              cairo_line_to(c, -22, -60);
            },
            Hex("#4a2a2a"), 3, 0.9);
      },
      kDemonSkin, 3.5);
  // The bone-plated belt across his hips.
  Body(
      cr, [](cairo_t* c) { RoundRect(c, 60, -116, 32, 102, 10); }, Hex("#3a2a2a"), 3);
  for (int k = 0; k < 3; ++k) Fang(cr, {92, -98.0 + k * 32}, 14, 20, 0, Hex("#d8ceb0"));
  leg({100, -44}, {190, -58}, {250, -34}, {282, -30}, 0);
  // The far arm flung up over his chest, claws open.
  {
    Pt sh{-96, -104}, el{-60, -176}, hand{4, -198};
    MuscleLimb(cr, el, hand, 26, 18, kDemonSkin, 3, 1.3);
    MuscleLimb(cr, sh, el, 32, 24, kDemonSkin, 3, 1.35);
    double dir = std::atan2(hand.y - el.y, hand.x - el.x);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, hand.x, hand.y, 24, 22); }, kDemonSkin, 3);
    for (int k = -2; k <= 1; ++k)
      Claw(cr, Polar(hand, dir + k * 0.5, 18), 8, 26, dir + k * 0.55, Hex("#e8dcc0"));
  }
  for (int k = 0; k < 3; ++k)
    Fang(cr, {-120.0 + k * 22, -118.0 - k * 4}, 14, 26 - k * 5, -M_PI / 2 - 0.5 + k * 0.3, Hex("#d8ceb0"));
  cairo_save(cr);
  cairo_translate(cr, -196, -62);
  cairo_rotate(cr, -0.3);
  cairo_scale(cr, 0.9, 0.9);
  DemonHead(cr, {0, 0}, kDead);
  cairo_restore(cr);
  for (int k = 0; k < 3; ++k) Puff(cr, {-20.0 + k * 80, -240.0 - k * 20}, 20, Grey(110), 0.35);
}
}  // namespace

void DrawDemon(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    DemonFallen(cr);
    return;
  }
  if (pose == kAttack) Glow(cr, 0, -200, 260, Hex("#ff4020"), 0.3);
  DemonFigure(cr, pose);
  if (pose == kAttack) {
    MotionArcs(cr, {-150, -330}, 150, -M_PI * 0.95, -M_PI * 0.55, 3, 16);
    for (int k = -1; k <= 1; ++k) Flame(cr, {k * 12.0, -350}, 34, 60, k * 0.3, 0.9);
  }
}

}  // namespace vv::gen
