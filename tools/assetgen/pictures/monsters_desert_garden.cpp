// The monsters of the desert and the garden: Velpuna the vulture, Krikan
// the ant, Galedo the tortoise, Frak the toad, Vuvaron the man-eating plant
// and Wyrac the wyrm.

#include <cmath>

#include "monster_kit.h"

namespace vv::gen {
namespace {

// -------------------------------------------------------------- Velpuna
const Rgb kVulture = Hex("#5e4232"), kVultureDark = Hex("#3a281e"), kRuff = Hex("#ece2cc"),
          kBareSkin = Hex("#e08a7a"), kBeak = Hex("#e8d49a"), kTalon = Hex("#b8a070");

// One long flight feather from its root to its tip.
void Feather(cairo_t* cr, Pt root, Pt tip, double width, Rgb c) {
  double a = std::atan2(tip.y - root.y, tip.x - root.x);
  double nx = -std::sin(a) * width / 2, ny = std::cos(a) * width / 2;
  Pt mid = Lerp(root, tip, 0.55);
  Body(
      cr,
      [&](cairo_t* c2) {
        cairo_move_to(c2, root.x + nx, root.y + ny);
        cairo_curve_to(c2, mid.x + nx * 1.2, mid.y + ny * 1.2, tip.x + nx * 0.6, tip.y + ny * 0.6, tip.x,
                       tip.y);
        cairo_curve_to(c2, tip.x - nx * 0.8, tip.y - ny * 0.8, mid.x - nx * 1.1, mid.y - ny * 1.1,
                       root.x - nx, root.y - ny);
        cairo_close_path(c2);
      },
      c, 2, 0.5);
  Line(cr, root.x, root.y, Lerp(root, tip, 0.85).x, Lerp(root, tip, 0.85).y, Lighter(c, 0.25), 1.2, 0.7);
}

// A wing. Spread: a broad fan, long dark primaries at the tip and
// secondaries along the trailing edge under brown coverts. Folded: a
// cloak hugging the body's side, primaries crossing below.
void VultureWing(cairo_t* cr, int side, Pt shoulder, double open) {
  auto P = [&](double x, double y) { return Pt{shoulder.x + side * x, shoulder.y + y}; };
  if (open > 0.5) {
    Pt wrist = P(170, -95), tip = P(300, -40);
    // Flight feathers: primaries from the hand, secondaries from the arm.
    for (int k = 6; k >= 0; --k) {
      double t = k / 6.0;
      Pt root = Lerp(wrist, P(230, -70), t * 0.6);
      Pt end = Lerp(tip, P(250, 110), t);
      end = Lerp(end, P(300 - t * 40, -40 + t * 160), 0.5);
      Feather(cr, root, end, 26 - t * 4, k % 2 ? kVultureDark : Mix(kVultureDark, kVulture, 0.35));
    }
    for (int k = 0; k < 6; ++k) {
      double t = k / 5.0;
      Pt root = Lerp(P(160, -60), P(20, 10), t);
      Pt end = Lerp(P(220, 110), P(40, 120), t);
      Feather(cr, root, end, 30, k % 2 ? kVultureDark : Mix(kVultureDark, kVulture, 0.35));
    }
    // Coverts over the feather roots.
    std::vector<Pt> coverts{P(-10, 10), P(60, -70), wrist, P(215, -60), P(190, 10), P(120, 40), P(40, 60)};
    auto path = [&](cairo_t* c) { SmoothClosed(c, coverts, 0.8); };
    Body(cr, path, kVulture, 3);
    Inside(
        cr, path,
        [&] {
          for (int r = 0; r < 3; ++r)
            for (int k = 0; k < 7; ++k) {
              Pt q = Lerp(Lerp(P(30, -10 + r * 20), P(190, -60 + r * 30), k / 6.0), P(0, 0), 0);
              Stroke(
                  cr, [&](cairo_t* c) { cairo_arc(c, q.x, q.y + 18, 14, 0.3, M_PI - 0.3); },
                  Darker(kVulture, 0.4), 2, 0.7);
            }
        },
        kVulture, 3);
    // The leading edge catches the light.
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, P(0, -4).x, P(0, -4).y);
          cairo_curve_to(c, P(60, -76).x, P(60, -76).y, P(120, -96).x, P(120, -96).y, wrist.x, wrist.y);
        },
        Lighter(kVulture, 0.35), 4, 0.8);
    return;
  }
  // Folded: long primaries first, then the cloak of the wing.
  for (int k = 0; k < 3; ++k) Feather(cr, P(44 + k * 6, 100), P(30 + k * 14, 200 - k * 8), 22, kVultureDark);
  std::vector<Pt> cloak{P(-14, -16), P(40, -20), P(62, 30), P(60, 110), P(40, 170), P(18, 150), P(0, 80)};
  auto path = [&](cairo_t* c) { SmoothClosed(c, cloak, 0.8); };
  Body(cr, path, kVulture, 3);
  Inside(
      cr, path,
      [&] {
        for (int r = 0; r < 7; ++r)
          for (int k = 0; k < 3; ++k) {
            Pt q = P(8 + k * 18 + (r % 2) * 8, 0 + r * 24);
            Stroke(
                cr, [&](cairo_t* c) { cairo_arc(c, q.x, q.y, 12, 0.3, M_PI - 0.3); }, Darker(kVulture, 0.4),
                2, 0.7);
          }
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, P(30, -10).x, P(30, -10).y, 30, 14); }, Lighter(kVulture, 0.2),
            0.4);
      },
      kVulture, 3);
}

// The feathered thigh round the top of a leg.
void VultureThigh(cairo_t* cr, Pt c, std::uint32_t seed) {
  Body(
      cr,
      [&](cairo_t* c2) {
        FurryPath(c2,
                  {{c.x - 20, c.y - 16}, {c.x + 20, c.y - 16}, {c.x + 14, c.y + 16}, {c.x - 14, c.y + 16}}, 5,
                  7, seed);
      },
      kVulture, 2.5);
}

void VultureHead(cairo_t* cr, Pt c, double angle, Pose pose) {
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, 1.45, 1.45);
  const bool atk = pose == kAttack, dead = pose == kDead;
  // Bald, wrinkled head.
  Body(
      cr,
      [&](cairo_t* c2) {
        SmoothClosed(c2, {{-26, -6}, {-16, -30}, {8, -34}, {26, -14}, {22, 14}, {0, 22}, {-20, 14}});
      },
      kBareSkin, 3);
  for (int k = 0; k < 3; ++k)
    Stroke(
        cr, [&](cairo_t* c2) { cairo_arc(c2, -6 + k * 8, -18, 8, M_PI * 0.2, M_PI * 0.8); },
        Darker(kBareSkin, 0.3), 1.5);
  // Hooked beak, pointing down to the front.
  double open = atk ? 0.5 : 0.05;
  Body(
      cr,
      [&](cairo_t* c2) {
        cairo_save(c2);
        cairo_rotate(c2, open * 0.5);
        SmoothClosed(c2, {{-14, 8}, {14, 8}, {10, 30}, {0, 40}, {-10, 30}});
        cairo_restore(c2);
      },
      Darker(kBeak, 0.1), 2.5);
  if (atk) {
    Fill(
        cr,
        [&](cairo_t* c2) {
          SmoothClosed(c2, {{-12, 8}, {12, 8}, {0, 34}});
        },
        Hex("#7a1a2a"));
  }
  Body(
      cr,
      [&](cairo_t* c2) {
        cairo_save(c2);
        cairo_rotate(c2, -open * 0.5);
        SmoothClosed(c2, {{-16, -4}, {16, -4}, {12, 18}, {4, 40}, {0, 50}, {-4, 40}, {-12, 18}});
        cairo_restore(c2);
      },
      kBeak, 2.5);
  Fill(
      cr,
      [&](cairo_t* c2) {
        cairo_save(c2);
        cairo_rotate(c2, -open * 0.5);
        Polygon(c2, {{-5, 36}, {5, 36}, {0, 50}});
        cairo_restore(c2);
      },
      Hex("#3a2a1a"));
  for (int side : {-1, 1}) {
    if (dead)
      CrossEye(cr, side * 13.0, -12, 6);
    else
      Eye(cr, side * 13.0, -12, 8, Hex("#f0a020"), atk ? kAttack : kStand, side);
  }
  if (dead) Tongue(cr, {2, 30}, 8, 20, M_PI / 2 + 0.3);
  cairo_restore(cr);
}

void VultureFigure(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack;
  double open = atk ? 1.0 : 0.0;
  // Legs and talons.
  for (int side : {-1, 1}) {
    Pt hip{side * 26.0, -96}, foot{side * 34.0, -14};
    Limb(cr, hip, foot, 9, 7, kTalon);
    double toes = M_PI / 2 + side * 0.1;
    for (int k = -1; k <= 1; ++k) Claw(cr, foot, 6, 24, toes + k * 0.55, Hex("#3a2a20"));
    VultureThigh(cr, {hip.x, hip.y + 6}, 201 + side);
  }
  if (open > 0.5)
    for (int side : {-1, 1}) VultureWing(cr, side, {side * 40.0, -210}, open);
  // Body: a dark feathered pear.
  std::vector<Pt> body{{-60, -200}, {0, -226}, {60, -200}, {70, -130},
                       {40, -86},   {0, -78},  {-40, -86}, {-70, -130}};
  FurryBody(cr, body, kVulture, Lighter(kVulture, 0.25), 8, 14, 203);
  Inside(
      cr, [&](cairo_t* c) { FurryPath(c, body, 8, 14, 203); },
      [&] {
        for (int r = 0; r < 4; ++r)
          for (int k = -2; k <= 2; ++k)
            Stroke(
                cr,
                [&](cairo_t* c) {
                  cairo_arc(c, k * 24.0 + (r % 2) * 12, -180 + r * 26, 12, 0.2, M_PI - 0.2);
                },
                Darker(kVulture, 0.35), 2, 0.7);
      },
      kVulture, 0);
  if (open <= 0.5)
    for (int side : {-1, 1}) VultureWing(cr, side, {side * 40.0, -210}, open);
  // Neck rising from a fluffy ruff.
  Pt headAt = atk ? Pt{-24, -300} : Pt{6, -290};
  Pt neckBase{0, -226};
  Limb(cr, neckBase, headAt, 16, 12, kBareSkin);
  FurryBody(cr, {{-54, -236}, {0, -256}, {54, -236}, {40, -206}, {0, -200}, {-40, -206}}, kRuff, Grey(250), 8,
            9, 205, 2.5);
  VultureHead(cr, headAt, atk ? -0.2 : 0.1, pose);
}

// Fallen on its back: one wing spread flat on the sand behind it, the bare
// neck stretched out along the ground with the head on its side, and both
// legs stiff in the air with their talons curled.
void VultureFallen(cairo_t* cr) {
  FootShadow(cr, 30, 300, 20, 0.3);
  cairo_save(cr);
  cairo_translate(cr, 60, -78);
  cairo_rotate(cr, -0.12);
  cairo_scale(cr, 0.95, 0.45);
  VultureWing(cr, 1, {0, 0}, 1.0);
  cairo_restore(cr);
  // Legs first, so the thigh feathers cover their roots.
  for (int k = 0; k < 2; ++k) {
    Pt hip{-10.0 + k * 62, -118.0 - k * 4}, foot{-26.0 + k * 96, -222.0 + k * 8};
    Limb(cr, hip, foot, 9, 7, kTalon);
    const double up = std::atan2(foot.y - hip.y, foot.x - hip.x);
    // Toes curled in towards the sole.
    for (int t = -1; t <= 1; ++t) {
      Pt toe = Polar(foot, up + t * 0.6, 16);
      Limb(cr, foot, toe, 5, 4, kTalon, 2);
      Claw(cr, toe, 6, 16, up + t * 0.6 + 1.4, Hex("#3a2a20"));
    }
  }
  std::vector<Pt> body{{-120, -74}, {-80, -128}, {10, -150}, {110, -128}, {160, -80},
                       {130, -30},  {40, -14},   {-70, -22}, {-118, -44}};
  FurryBody(cr, body, kVulture, Lighter(kVulture, 0.25), 8, 14, 207);
  Inside(
      cr, [&](cairo_t* c) { FurryPath(c, body, 8, 14, 207); },
      [&] {
        for (int r = 0; r < 4; ++r)
          for (int k = 0; k < 6; ++k)
            Stroke(
                cr,
                [&](cairo_t* c) {
                  cairo_arc(c, -70.0 + k * 40 + (r % 2) * 20, -118 + r * 26, 13, 0.2, M_PI - 0.2);
                },
                Darker(kVulture, 0.35), 2, 0.7);
        // The pale down of the belly, turned to the sky.
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, 10, -134, 80, 20); }, Lighter(kVulture, 0.3), 0.5);
      },
      kVulture, 0);
  for (int k = 0; k < 2; ++k) {
    Pt hip{-10.0 + k * 62, -126.0 - k * 4};
    VultureThigh(cr, hip, 211 + k);
  }
  // The bare neck laid along the ground out of its ruff.
  Limb(cr, {-130, -62}, {-196, -44}, 16, 12, kBareSkin);
  FurryBody(cr, {{-150, -108}, {-112, -112}, {-96, -66}, {-108, -22}, {-146, -20}, {-162, -62}}, kRuff,
            Grey(250), 8, 9, 209, 2.5);
  VultureHead(cr, {-222, -44}, 1.35, kDead);
  // Feathers drifting down after the fall.
  for (int k = 0; k < 2; ++k) {
    Pt p{-130.0 + k * 330, -226.0 + k * 40};
    cairo_save(cr);
    cairo_translate(cr, p.x, p.y);
    cairo_rotate(cr, k ? 0.5 : -0.35);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, 0, 0, 16, 5); }, kVulture, 1.5);
    Line(cr, -18, 0, 16, 0, kVultureDark, 1.5);
    cairo_restore(cr);
  }
}
}  // namespace

void DrawVulture(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    VultureFallen(cr);
    return;
  }
  VultureFigure(cr, pose);
  if (pose == kAttack)
    for (int side : {-1, 1})
      MotionArcs(cr, {side * 150.0, -260}, 140, side < 0 ? M_PI * 1.1 : -M_PI * 0.35,
                 side < 0 ? M_PI * 1.35 : -M_PI * 0.1, 3, 14);
}

// --------------------------------------------------------------- Krikan
namespace {
const Rgb kAnt = Hex("#a83a1e"), kAntDark = Hex("#4a140a"), kAntShine = Hex("#ffc8a0");

// A glossy chitin part with a bright specular spot.
void Chitin(cairo_t* cr, const PathFn& path, Pt spot, double r) {
  Body(cr, path, kAnt, 3, 1.2);
  Inside(
      cr, path,
      [&] {
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, spot.x, spot.y, r, r * 0.55); }, kAntShine, 0.55);
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, spot.x - r * 0.2, spot.y - r * 0.1, r * 0.35, r * 0.2); },
            Grey(250), 0.8);
      },
      kAnt, 3);
}

// An insect leg in three plates of chitin: a thick, glossy thigh, a slimmer
// shin and a hooked foot, each overlapping the next at the joint.
void AntLeg(cairo_t* cr, Pt hip, Pt knee, Pt foot, double w, bool near) {
  Rgb c = near ? kAnt : Darker(kAnt, 0.3);
  Pt ankle = Lerp(knee, foot, 0.74);
  Limb(cr, ankle, foot, w * 0.5, w * 0.32, Darker(c, 0.15), 2.2);
  Limb(cr, knee, ankle, w * 0.85, w * 0.55, c, 2.5);
  Limb(cr, hip, knee, w * 1.3, w * 0.9, c, 2.5);
  // Gloss along the thigh and the shin.
  Line(cr, Lerp(hip, knee, 0.2).x - w * 0.35, Lerp(hip, knee, 0.2).y - w * 0.3,
       Lerp(hip, knee, 0.75).x - w * 0.3, Lerp(hip, knee, 0.75).y - w * 0.3, Lighter(c, 0.45), w * 0.3, 0.55);
  Line(cr, Lerp(knee, ankle, 0.2).x - w * 0.2, Lerp(knee, ankle, 0.2).y, Lerp(knee, ankle, 0.7).x - w * 0.2,
       Lerp(knee, ankle, 0.7).y, Lighter(c, 0.4), w * 0.18, 0.5);
  // A spur at the ankle and the hooked claw of the foot.
  double a = std::atan2(foot.y - ankle.y, foot.x - ankle.x);
  Claw(cr, ankle, w * 0.3, w * 0.7, a + 0.7, Darker(c, 0.35));
  Claw(cr, foot, w * 0.3, w * 0.8, a + 0.5, Darker(c, 0.4));
}

void AntBody(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack;
  const double rise = atk ? 1.0 : 0.0;
  // Parts (from the back): gaster, petiole, thorax, head; attacking, the
  // front end rears up.
  Pt gaster{150, -130}, thorax{-10, -140 - 40 * rise}, head{-130, -160 - 110 * rise};
  double headTilt = atk ? -0.5 : 0.05;
  // Far legs.
  AntLeg(cr, {thorax.x + 30, thorax.y + 10}, {thorax.x + 90, thorax.y - 50}, {thorax.x + 150, 0}, 11, false);
  AntLeg(cr, {thorax.x, thorax.y + 14}, {thorax.x + 10, thorax.y - 60}, {thorax.x - 20, 0}, 11, false);
  AntLeg(cr, {thorax.x - 30, thorax.y + 10}, {thorax.x - 80, thorax.y - 60 - 60 * rise},
         {thorax.x - 150 - 20 * rise, atk ? thorax.y - 60 : 0}, 11, false);
  // Gaster with its bands.
  auto g = [&](cairo_t* c) {
    SmoothClosed(c, {{gaster.x - 80, gaster.y - 10},
                     {gaster.x - 30, gaster.y - 80},
                     {gaster.x + 60, gaster.y - 84},
                     {gaster.x + 120, gaster.y - 30},
                     {gaster.x + 110, gaster.y + 40},
                     {gaster.x + 20, gaster.y + 70},
                     {gaster.x - 60, gaster.y + 40}});
  };
  Chitin(cr, g, {gaster.x + 10, gaster.y - 50}, 50);
  Inside(
      cr, g,
      [&] {
        for (int k = 0; k < 3; ++k)
          Stroke(
              cr, [&](cairo_t* c) { cairo_arc(c, gaster.x - 120 + k * 50, gaster.y, 130, -0.6, 0.7); },
              kAntDark, 3, 0.6);
        for (int k = 0; k < 3; ++k)
          Stroke(
              cr, [&](cairo_t* c) { cairo_arc(c, gaster.x - 114 + k * 50, gaster.y, 130, -0.55, 0.1); },
              Lighter(kAnt, 0.35), 3, 0.45);
      },
      kAnt, 3);
  // Petiole knot.
  Chitin(
      cr, [&](cairo_t* c) { Ellipse(c, (gaster.x + thorax.x) / 2 + 10, -130 - 20 * rise, 22, 18); },
      {(gaster.x + thorax.x) / 2 + 4, -138 - 20 * rise}, 10);
  // Thorax.
  auto t = [&](cairo_t* c) {
    cairo_save(c);
    cairo_translate(c, thorax.x, thorax.y);
    cairo_rotate(c, atk ? -0.5 : 0);
    SmoothClosed(c, {{-60, 0}, {-30, -36}, {30, -40}, {66, -10}, {50, 24}, {-40, 24}});
    cairo_restore(c);
  };
  Chitin(cr, t, {thorax.x - 10, thorax.y - 20}, 28);
  // Near legs.
  AntLeg(cr, {thorax.x + 40, thorax.y + 14}, {thorax.x + 110, thorax.y - 40}, {thorax.x + 180, 0}, 14, true);
  AntLeg(cr, {thorax.x + 6, thorax.y + 18}, {thorax.x + 30, thorax.y - 50}, {thorax.x + 10, 0}, 14, true);
  // The front leg stands out of the thorax, below and behind the head.
  if (!atk)
    AntLeg(cr, {thorax.x - 40, thorax.y + 16}, {thorax.x - 76, thorax.y - 20}, {thorax.x - 120, 0}, 14, true);
  // Head: a heavy, glossy wedge with mandibles, antennae and compound eyes.
  cairo_save(cr);
  cairo_translate(cr, head.x, head.y);
  cairo_rotate(cr, headTilt);
  double jaw = atk ? 0.7 : 0.2;
  for (int k : {1, -1}) {
    // Mandibles: the far one first.
    cairo_save(cr);
    cairo_translate(cr, -50, 26);
    cairo_rotate(cr, k * jaw);
    auto m = [&](cairo_t* c) {
      cairo_move_to(c, 10, -k * 8);
      cairo_curve_to(c, -30, -k * 18, -70, -k * 8, -80, k * 14);
      cairo_curve_to(c, -60, k * 4, -40, k * 6, -20, k * 12);
      cairo_line_to(c, 10, k * 10);
      cairo_close_path(c);
    };
    Body(cr, m, k > 0 ? kAntDark : Darker(kAntDark, 0.2), 2.5);
    for (int tt = 0; tt < 3; ++tt) Fang(cr, {-30.0 - tt * 14, k * 8.0}, 6, 8, k * M_PI / 2, Hex("#f0d8b0"));
    cairo_restore(cr);
  }
  auto hp = [&](cairo_t* c) {
    SmoothClosed(c, {{-66, 10}, {-40, -34}, {10, -46}, {54, -20}, {50, 30}, {0, 46}, {-50, 38}});
  };
  Chitin(cr, hp, {-10, -20}, 26);
  // Antennae: elbowed.
  for (int k = 0; k < 2; ++k) {
    Pt root{-20.0 + k * 20, -36}, elbow{-10.0 + k * 30, -110.0 + k * 10},
        tip{-80.0 + k * 20 - (atk ? 30 : 0), -150.0 + k * 20 + (atk ? 20 : 0)};
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, root.x, root.y);
          cairo_line_to(c, elbow.x, elbow.y);
          cairo_line_to(c, tip.x, tip.y);
        },
        kAntDark, 7);
    // The club of the feeler: a row of beads swelling to the tip.
    for (int b = 0; b < 4; ++b) {
      Pt q = Lerp(elbow, tip, 0.55 + b * 0.15);
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, q.x, q.y, 5 + b * 1.5, 4.5 + b * 1.2); }, Mix(kAnt, kAntDark, 0.6),
          1.5);
    }
  }
  if (pose == kDead) {
    CrossEye(cr, -22, -4, 11);
  } else {
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, -22, -4, 20, 17); }, Hex("#1a1418"), 2.5);
    Inside(
        cr, [&](cairo_t* c) { Ellipse(c, -22, -4, 20, 17); },
        [&] {
          for (int k = 0; k < 14; ++k)
            Stroke(
                cr, [&](cairo_t* c) { Ellipse(c, -34 + (k % 5) * 6, -14 + (k / 5) * 8, 3, 3); },
                Hex("#4a3a50"), 1, 0.8);
          Fill(
              cr, [&](cairo_t* c) { Ellipse(c, -30, -12, 7, 4); }, Grey(240), 0.8);
        },
        Hex("#1a1418"), 2.5);
    if (atk) Glow(cr, -22, -4, 30, Hex("#ff4020"), 0.5);
    // A heavy chitin brow over the eye gives the ant its scowl.
    Body(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, -48, atk ? -14 : -20);
          cairo_curve_to(c, -36, -34, -8, -34, 2, atk ? -30 : -24);
          cairo_curve_to(c, -12, -24, -34, -22, -48, atk ? -14 : -20);
          cairo_close_path(c);
        },
        kAntDark, 2);
  }
  cairo_restore(cr);
  if (atk) {
    // Front legs raised to grab.
    AntLeg(cr, {thorax.x - 36, thorax.y + 6}, {thorax.x - 120, thorax.y - 80},
           {thorax.x - 200, thorax.y - 20}, 14, true);
    // A drop of acid at the jaws.
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, head.x - 90, head.y + 70, 7, 10); }, Hex("#b0f040"), 0.9);
  }
}
}  // namespace

void DrawAnt(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    OnGround(
        cr, M_PI, [](cairo_t* c) { AntBody(c, kDead); }, 2, 0.85);
    return;
  }
  AntBody(cr, pose);
  if (pose == kAttack) MotionArcs(cr, {-140, -270}, 110, M_PI * 0.9, M_PI * 1.3, 3, 14);
}

// --------------------------------------------------------------- Galedo
namespace {
const Rgb kTortShell = Hex("#8a7a3c"), kScute = Hex("#b8a058"), kTortSkin = Hex("#8a9670"),
          kTortBeak = Hex("#5a5038");

void TortoiseShell(cairo_t* cr, double cx, double base, double w, double h) {
  auto dome = [&](cairo_t* c) {
    cairo_move_to(c, cx - w, base);
    cairo_curve_to(c, cx - w * 0.95, base - h * 1.1, cx + w * 0.95, base - h * 1.1, cx + w, base);
    cairo_curve_to(c, cx + w * 0.6, base + h * 0.12, cx - w * 0.6, base + h * 0.12, cx - w, base);
    cairo_close_path(c);
  };
  Body(cr, dome, kTortShell, 4);
  Inside(
      cr, dome,
      [&] {
        // Hexagonal scutes in three rows, each with growth rings.
        for (int row = 0; row < 3; ++row) {
          int n = 5 - row;
          for (int i = 0; i < n; ++i) {
            double x = cx + (i - (n - 1) / 2.0) * w * 0.4, y = base - h * (0.2 + row * 0.3);
            double r = w * 0.17;
            std::vector<Pt> hex;
            for (int k = 0; k < 6; ++k)
              hex.push_back({x + std::cos(k * M_PI / 3) * r, y + std::sin(k * M_PI / 3) * r * 0.7});
            Body(
                cr, [&](cairo_t* c) { Polygon(c, hex); }, kScute, 3, 0.7);
            for (double ring : {0.7, 0.4}) {
              std::vector<Pt> in;
              for (Pt p : hex) in.push_back(Lerp({x, y}, p, ring));
              Stroke(
                  cr, [&](cairo_t* c) { Polygon(c, in); }, Darker(kScute, 0.3), 1.5, 0.6);
            }
          }
        }
        // The rim.
        Stroke(
            cr,
            [&](cairo_t* c) {
              cairo_move_to(c, cx - w, base - h * 0.06);
              cairo_curve_to(c, cx - w * 0.6, base + h * 0.04, cx + w * 0.6, base + h * 0.04, cx + w,
                             base - h * 0.06);
            },
            Darker(kTortShell, 0.4), 10, 0.6);
      },
      kTortShell, 4);
  // A desert flower has taken root on top.
  Pt top{cx + w * 0.2, base - h * 0.98};
  Line(cr, top.x, top.y, top.x + 4, top.y - 26, Hex("#4a7a2a"), 4);
  for (int k = 0; k < 5; ++k)
    Body(
        cr,
        [&](cairo_t* c) {
          Ellipse(c, top.x + 4 + std::cos(k * 1.256) * 8, top.y - 28 + std::sin(k * 1.256) * 8, 6, 6);
        },
        Hex("#e86a8a"), 1.5, 0.3);
  Fill(
      cr, [&](cairo_t* c) { Ellipse(c, top.x + 4, top.y - 28, 4, 4); }, Hex("#f0d040"));
}

void TortoiseLeg(cairo_t* cr, Pt top, Pt foot, double r) {
  Body(
      cr, [&](cairo_t* c) { CapsulePath(c, top, foot, r, r * 1.05); }, kTortSkin, 3);
  Inside(
      cr, [&](cairo_t* c) { CapsulePath(c, top, foot, r, r * 1.05); },
      [&] {
        for (int k = 0; k < 4; ++k) {
          Pt p = Lerp(top, foot, 0.2 + k * 0.2);
          Stroke(
              cr, [&](cairo_t* c) { cairo_arc(c, p.x, p.y - r * 0.5, r * 0.7, 0.3, M_PI - 0.3); },
              Darker(kTortSkin, 0.3), 2, 0.7);
        }
      },
      kTortSkin, 3);
  for (int k = -1; k <= 1; ++k)
    Claw(cr, {foot.x + k * r * 0.55, foot.y + r * 0.6}, r * 0.3, r * 0.4, M_PI / 2, Hex("#e0d4b0"));
}

void TortoiseHead(cairo_t* cr, Pt neckRoot, Pt head, double s, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  Body(
      cr, [&](cairo_t* c) { CapsulePath(c, neckRoot, head, 36 * s, 30 * s); }, kTortSkin, 3);
  Inside(
      cr, [&](cairo_t* c) { CapsulePath(c, neckRoot, head, 36 * s, 30 * s); },
      [&] {
        for (int k = 1; k < 5; ++k) {
          Pt p = Lerp(neckRoot, head, k * 0.18);
          Stroke(
              cr, [&](cairo_t* c) { cairo_arc(c, p.x, p.y, 30 * s, 0.4, M_PI - 0.4); },
              Darker(kTortSkin, 0.3), 2, 0.6);
        }
      },
      kTortSkin, 3);
  cairo_save(cr);
  cairo_translate(cr, head.x, head.y);
  cairo_scale(cr, s, s);
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c,
                     {{-46, -6}, {-30, -38}, {10, -44}, {44, -20}, {48, 14}, {20, 38}, {-24, 36}, {-48, 20}});
      },
      kTortSkin, 3);
  // Beak.
  double open = atk ? 26 : 0;
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-30, 20}, {30, 20}, {20, 34 + open}, {0, 40 + open}, {-20, 34 + open}});
      },
      kTortBeak, 2.5);
  if (atk)
    Fill(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{-26, 18}, {26, 18}, {16, 30 + open * 0.6}, {-16, 30 + open * 0.6}});
        },
        Hex("#6a1a22"));
  Body(
      cr,
      [&](cairo_t* c) {
        SmoothClosed(c, {{-34, 6}, {34, 6}, {26, 22}, {0, 34}, {-26, 22}});
      },
      kTortBeak, 2.5);
  for (int side : {-1, 1}) {
    Pt e{side * 24.0, -10};
    if (dead) {
      CrossEye(cr, e.x, e.y, 8);
      continue;
    }
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, e.x, e.y, 12, 11); }, Hex("#f2ece0"), 2);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, e.x - side * 2, e.y + 2, 6, 7); }, Hex("#e8a020"));
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, e.x - side * 2, e.y + 2, 3, 4); }, Hex("#140a0a"));
    // Heavy old lids.
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(
              c, {{e.x - 14, e.y - 2}, {e.x, e.y - 14}, {e.x + 14, e.y - 2}, {e.x, e.y + (atk ? -4 : 0)}});
        },
        Darker(kTortSkin, 0.1), 2);
    if (atk) Line(cr, e.x + side * 16, e.y - 18, e.x - side * 12, e.y - 8, Hex("#2a2a1a"), 4);
  }
  if (dead) Tongue(cr, {6, 36}, 10, 22, M_PI / 2 - 0.2);
  cairo_restore(cr);
}
}  // namespace

void DrawTortoise(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    // Slumped flat, legs splayed out, the head lying limp on the ground.
    for (int side : {-1, 1}) TortoiseLeg(cr, {side * 150.0, -50}, {side * 230.0, -26}, 36);
    TortoiseShell(cr, 20, -20, 220, 190);
    TortoiseHead(cr, {-170, -40}, {-260, -40}, 1.0, kDead);
    return;
  }
  const bool atk = pose == kAttack;
  // Back legs peek out under the rim.
  for (int side : {-1, 1}) TortoiseLeg(cr, {side * 160.0, -90}, {side * 180.0, -36}, 40);
  TortoiseShell(cr, 0, -70, 250, 230);
  // Front legs like tree trunks; attacking, one stamps up.
  TortoiseLeg(cr, {-120, -80}, atk ? Pt{-170, -130} : Pt{-130, -36}, 46);
  TortoiseLeg(cr, {120, -80}, {130, -36}, 46);
  if (atk) {
    TortoiseHead(cr, {0, -110}, {-20, -230}, 1.25, pose);
    MotionArcs(cr, {-170, -130}, 70, M_PI * 0.9, M_PI * 1.3, 3, 12);
  } else {
    TortoiseHead(cr, {0, -100}, {0, -170}, 1.2, pose);
  }
}

// ----------------------------------------------------------------- Frak
namespace {
const Rgb kToad = Hex("#8a8a3a"), kToadDark = Hex("#4e5a22"), kToadBelly = Hex("#e8dca0"),
          kToadEye = Hex("#f0b020");

void ToadWarts(cairo_t* cr, double x1, double y1, double x2, double y2, int n, std::uint32_t seed) {
  Rng rng(seed);
  for (int k = 0; k < n; ++k) {
    double x = rng.Uniform(x1, x2), y = rng.Uniform(y1, y2), r = rng.Uniform(4, 10);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, x, y, r, r * 0.8); },
        k % 3 ? kToadDark : Mix(kToad, Hex("#c8a040"), 0.5), 1.5, 0.6);
  }
}

void ToadFigure(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  // Back legs folded at the sides.
  for (int side : {-1, 1}) {
    auto thigh = [&](cairo_t* c) { Ellipse(c, side * 150.0, -70, 78, 56); };
    Body(cr, thigh, kToad, 3);
    Inside(
        cr, thigh, [&] { ToadWarts(cr, side * 150.0 - 70, -120, side * 150.0 + 70, -30, 8, 301 + side); },
        kToad, 3);
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{side * 150.0, -16},
                           {side * 220.0, -22},
                           {side * 250.0, -8},
                           {side * 230.0, 0},
                           {side * 150.0, 0}});
        },
        kToad, 3);
    for (int k = 0; k < 3; ++k)
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, side * (230.0 + k * 10), -6 + k * 2, 8, 5); }, Lighter(kToad, 0.2),
          1.5);
  }
  // The squat body.
  auto body = [&](cairo_t* c) {
    SmoothClosed(c, {{-170, -50},
                     {-150, -150},
                     {-70, -200},
                     {0, -206},
                     {70, -200},
                     {150, -150},
                     {170, -50},
                     {100, -6},
                     {0, 0},
                     {-100, -6}});
  };
  Body(cr, body, kToad, 3.5);
  Inside(
      cr, body,
      [&] {
        ToadWarts(cr, -150, -200, 150, -110, 26, 303);
        // Pale throat and belly.
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, 0, -40, 110, atk ? 80 : 64); }, kToadBelly);
        Fill(
            cr, [&](cairo_t* c) { Ellipse(c, 0, -20, 100, 40); }, Darker(kToadBelly, 0.1), 0.5);
      },
      kToad, 3.5);
  // Front legs splayed.
  for (int side : {-1, 1}) {
    Limb(cr, {side * 90.0, -70}, {side * 110.0, -16}, 20, 16, kToad);
    for (int k = -1; k <= 1; ++k)
      Body(
          cr, [&](cairo_t* c) { Ellipse(c, side * 110.0 + k * 16, -6, 10, 7); }, Lighter(kToad, 0.15), 2);
  }
  // Eyes on top of the head.
  for (int side : {-1, 1}) {
    Pt e{side * 70.0, -200};
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, e.x, e.y, 38, 34); }, kToad, 3);
    if (dead) {
      CrossEye(cr, e.x, e.y - 4, 14);
      continue;
    }
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, e.x, e.y - 4, 27, 24); }, kToadEye, 2.5);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, e.x, e.y - 4, 18, atk ? 6 : 9); }, Hex("#140a08"));
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, e.x - 9, e.y - 14, 6, 4); }, Grey(248));
    // Heavy lids: sleepy and grumpy standing, narrowed attacking.
    Body(
        cr,
        [&](cairo_t* c) {
          SmoothClosed(c, {{e.x - 30, e.y - 4},
                           {e.x - 20, e.y - 30},
                           {e.x + 20, e.y - 30},
                           {e.x + 30, e.y - 4},
                           {e.x, e.y - (atk ? 10 : 14)}});
        },
        kToad, 2.5);
  }
  // The wide mouth.
  if (atk) {
    auto mouth = [&](cairo_t* c) {
      SmoothClosed(c, {{-120, -130}, {0, -150}, {120, -130}, {80, -80}, {0, -66}, {-80, -80}});
    };
    Body(cr, mouth, Hex("#7a2030"), 3, 0.3);
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, 0, -96, 60, 20); }, Hex("#3a0a14"));
  } else {
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, -130, -126);
          cairo_curve_to(c, -60, -104, 60, -104, 130, -126);
        },
        kToadDark, 5);
    if (dead) Tongue(cr, {20, -110}, 22, 60, M_PI / 2 + 0.2, Hex("#e06a80"));
  }
  for (int side : {-1, 1})
    Fill(
        cr, [&](cairo_t* c) { Ellipse(c, side * 14.0, -170, 4, 3); }, kToadDark);
}
}  // namespace

void DrawToad(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    OnGround(
        cr, M_PI, [](cairo_t* c) { ToadFigure(c, kDead); }, 4, 0.7);
    return;
  }
  ToadFigure(cr, pose);
  if (pose == kAttack) {
    // The tongue lashes out at the heroes with a sticky tip.
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, 0, -100);
          cairo_curve_to(c, 60, -180, 180, -260, 250, -230);
        },
        Hex("#8a2a3a"), 30);
    Stroke(
        cr,
        [&](cairo_t* c) {
          cairo_move_to(c, 0, -100);
          cairo_curve_to(c, 60, -180, 180, -260, 250, -230);
        },
        Hex("#e06a80"), 24);
    Body(
        cr, [&](cairo_t* c) { Ellipse(c, 256, -230, 28, 24); }, Hex("#e06a80"), 3);
    MotionArcs(cr, {160, -150}, 110, -M_PI * 0.5, -M_PI * 0.15, 3, 14);
  }
}

// -------------------------------------------------------------- Vuvaron
namespace {
const Rgb kStalk = Hex("#4a8a32"), kLeaf = Hex("#5aa03a"), kPod = Hex("#7a3a8a"), kPodSpot = Hex("#e8d060"),
          kMaw = Hex("#c83a4a"), kWilt = Hex("#8a7a3a");

void PlantLeaf(cairo_t* cr, Pt root, double angle, double len, Rgb c) {
  Pt tip = Polar(root, angle, len);
  double nx = -std::sin(angle) * len * 0.28, ny = std::cos(angle) * len * 0.28;
  Pt mid = Lerp(root, tip, 0.45);
  auto leaf = [&](cairo_t* c2) {
    cairo_move_to(c2, root.x, root.y);
    cairo_curve_to(c2, mid.x + nx, mid.y + ny, tip.x + nx * 0.2, tip.y + ny * 0.2, tip.x, tip.y);
    cairo_curve_to(c2, tip.x - nx * 0.2, tip.y - ny * 0.2, mid.x - nx, mid.y - ny, root.x, root.y);
    cairo_close_path(c2);
  };
  Body(cr, leaf, c, 2.5);
  Line(cr, root.x, root.y, Lerp(root, tip, 0.85).x, Lerp(root, tip, 0.85).y, Darker(c, 0.35), 2);
}

// The head: a pod-shaped trap opening like jaws, teeth along the lips.
void PlantHead(cairo_t* cr, Pt c, double angle, double s, double open, Pose pose) {
  const bool dead = pose == kDead;
  Rgb pod = dead ? Mix(kPod, kWilt, 0.5) : kPod;
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, s, s);
  // Lower jaw, inside of the mouth, upper jaw.
  auto lower = [&](cairo_t* c2) {
    SmoothClosed(c2, {{-80, 0},
                      {-40, 20 + open * 0.5},
                      {40, 24 + open * 0.5},
                      {90, 4},
                      {40, 44 + open},
                      {-40, 40 + open}});
  };
  auto upper = [&](cairo_t* c2) {
    SmoothClosed(c2, {{-86, 4}, {-60, -60}, {0, -84}, {60, -60}, {92, 4}, {40, -8}, {-40, -10}});
  };
  if (open > 0) {
    Body(
        cr,
        [&](cairo_t* c2) {
          SmoothClosed(c2, {{-80, 0}, {0, -14}, {90, 4}, {40, 30 + open}, {-40, 30 + open}});
        },
        Hex("#5a0e1a"), 2);
    Body(
        cr, [&](cairo_t* c2) { Ellipse(c2, 0, 10 + open * 0.6, 40, 12 + open * 0.2); }, kMaw, 2);
  }
  Body(cr, lower, pod, 3);
  for (int k = -3; k <= 3; ++k) Fang(cr, {k * 20.0, 22 + open * 0.5}, 12, 16, -M_PI / 2, Hex("#f4ecd0"));
  Body(cr, upper, pod, 3.5);
  Inside(
      cr, upper,
      [&] {
        Rng rng(401);
        for (int k = 0; k < 10; ++k)
          Fill(
              cr,
              [&](cairo_t* c2) {
                Ellipse(c2, rng.Uniform(-70, 70), rng.Uniform(-70, -14), rng.Uniform(5, 10),
                        rng.Uniform(4, 8));
              },
              kPodSpot, dead ? 0.4 : 0.85);
      },
      pod, 3.5);
  for (int k = -3; k <= 3; ++k) Fang(cr, {k * 21.0 + 8, -6}, 12, 20, M_PI / 2, Hex("#f4ecd0"));
  // Little mean eyes on top.
  for (int side : {-1, 1}) {
    Pt e{side * 24.0, -62};
    if (dead) {
      CrossEye(cr, e.x, e.y, 8);
      continue;
    }
    Body(
        cr, [&](cairo_t* c2) { Ellipse(c2, e.x, e.y, 13, 12); }, Hex("#f0f0c0"), 2);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, e.x - side * 2, e.y + 2, 5, 7); }, Hex("#1a0a10"));
    Line(cr, e.x + side * 16, e.y - 16, e.x - side * 14, e.y - 6, Hex("#2a0a2a"), 5);
  }
  if (dead)
    Tongue(cr, {30, 30}, 18, 40, M_PI / 2 - 0.3, kMaw);
  else if (open > 0)  // drool
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, 50, 34 + open, 5, 10); }, Hex("#c8f0a0"), 0.85);
  cairo_restore(cr);
}
}  // namespace

static void DrawPlantBody(cairo_t* cr, Pose pose);

void DrawPlant(cairo_t* cr, Pose pose) {
  cairo_save(cr);
  cairo_scale(cr, 0.9, 0.9);
  DrawPlantBody(cr, pose);
  cairo_restore(cr);
}

static void DrawPlantBody(cairo_t* cr, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  Rgb stalk = dead ? Mix(kStalk, kWilt, 0.6) : kStalk, leaf = dead ? Mix(kLeaf, kWilt, 0.7) : kLeaf;
  // Roots and a clump of leaves at the base.
  for (int k = -2; k <= 2; ++k) Limb(cr, {k * 10.0, -20}, {k * 48.0, -4}, 12, 5, Hex("#6a4a2a"), 2);
  // The stalk: a thick, thorny S.
  std::vector<Pt> stalkPts;
  Pt headAt;
  double headAngle, open;
  if (dead) {
    stalkPts = {{0, -20}, {10, -110}, {-40, -150}, {-120, -110}, {-170, -60}};
    headAt = {-200, -60};
    headAngle = 1.9;
    open = 0;
  } else if (atk) {
    stalkPts = {{0, -20}, {40, -120}, {0, -220}, {-40, -290}, {-30, -330}};
    headAt = {-30, -350};
    headAngle = -0.2;
    open = 70;
  } else {
    stalkPts = {{0, -20}, {-30, -120}, {20, -220}, {0, -290}};
    headAt = {0, -320};
    headAngle = 0.1;
    open = 16;
  }
  std::vector<Pt> line = SampleCurve(stalkPts, false, 10);
  for (std::size_t i = 0; i + 1 < line.size(); ++i) {
    double w = 26 - 10 * double(i) / line.size();
    Limb(cr, line[i], line[i + 1], w, w - 0.5, stalk, 0);
  }
  // Outline and thorns along the stalk.
  for (std::size_t i = 3; i + 3 < line.size(); i += 5) {
    Pt a = line[i], b = line[i + 1];
    double ang = std::atan2(b.y - a.y, b.x - a.x);
    int side = (i / 5) % 2 ? 1 : -1;
    double w = 26 - 10 * double(i) / line.size();
    Fang(cr, Polar(a, ang + side * M_PI / 2, w - 3), 10, 16, ang + side * M_PI / 2 - side * 0.5,
         Hex("#d8d0a0"));
  }
  Stroke(
      cr,
      [&](cairo_t* c) {
        for (std::size_t i = 0; i < line.size(); ++i)
          if (i == 0)
            cairo_move_to(c, line[i].x + 6, line[i].y);
          else
            cairo_line_to(c, line[i].x + 6, line[i].y);
      },
      Lighter(stalk, 0.3), 4, 0.6);
  // Leaves at the base and on the stalk; tendrils whip when it strikes.
  for (int k = 0; k < 5; ++k) {
    double a = M_PI + 0.2 + k * 0.68 + (dead ? 0.3 : 0);
    PlantLeaf(cr, {0, -24}, dead ? (k % 2 ? M_PI - 0.1 : 0.1) + (k - 2) * 0.08 : a,
              dead ? 110 : 120 - std::abs(k - 2) * 10, leaf);
  }
  if (!dead) {
    PlantLeaf(cr, line[line.size() / 3], atk ? -0.3 : -0.6, 90, leaf);
    PlantLeaf(cr, line[line.size() / 2], atk ? M_PI + 0.6 : M_PI + 0.5, 80, leaf);
  }
  if (atk)
    for (int side : {-1, 1}) {
      Stroke(
          cr,
          [&](cairo_t* c) {
            cairo_move_to(c, 0, -60);
            cairo_curve_to(c, side * 120.0, -120, side * 60.0, -240, side * 190.0, -260);
          },
          Darker(stalk, 0.4), 12);
      Stroke(
          cr,
          [&](cairo_t* c) {
            cairo_move_to(c, 0, -60);
            cairo_curve_to(c, side * 120.0, -120, side * 60.0, -240, side * 190.0, -260);
          },
          stalk, 7);
      MotionArcs(cr, {side * 150.0, -200}, 80, side < 0 ? M_PI * 1.05 : -M_PI * 0.4,
                 side < 0 ? M_PI * 1.4 : -M_PI * 0.05, 2, 12);
    }
  PlantHead(cr, headAt, headAngle, atk ? 1.35 : 1.1, open, pose);
}

// ---------------------------------------------------------------- Wyrac
namespace {
const Rgb kWyrm = Hex("#2e7a8a"), kWyrmBelly = Hex("#e8c868"), kWyrmSpine = Hex("#d0483a"),
          kWyrmHorn = Hex("#ece0c0"), kWyrmEye = Hex("#ffe040");

// A scaled tube: the body of the wyrm, belly plates on the lower side.
void WyrmTube(cairo_t* cr, const std::vector<Pt>& pts, double w0, double w1, bool spines) {
  std::vector<Pt> line = SampleCurve(pts, false, 12);
  std::vector<Pt> up, down;
  for (std::size_t i = 0; i < line.size(); ++i) {
    Pt a = line[i == 0 ? 0 : i - 1], b = line[std::min(i + 1, line.size() - 1)];
    double d = std::max(1e-6, std::hypot(b.x - a.x, b.y - a.y)), nx = (b.y - a.y) / d, ny = -(b.x - a.x) / d;
    double w = w0 + (w1 - w0) * double(i) / (line.size() - 1);
    up.push_back({line[i].x + nx * w, line[i].y + ny * w});
    down.push_back({line[i].x - nx * w, line[i].y - ny * w});
  }
  if (spines)
    for (std::size_t i = 2; i + 2 < line.size(); i += 4) {
      Pt a = line[i], b = line[i + 1];
      double ang = std::atan2(b.y - a.y, b.x - a.x) - M_PI / 2;
      double w = w0 + (w1 - w0) * double(i) / (line.size() - 1);
      Fang(cr, Polar(up[i], ang + M_PI, 4), w * 0.6, w * 0.7, ang - 0.3, kWyrmSpine);
    }
  auto tube = [&](cairo_t* c) {
    cairo_new_sub_path(c);
    for (std::size_t i = 0; i < up.size(); ++i)
      if (i == 0)
        cairo_move_to(c, up[i].x, up[i].y);
      else
        cairo_line_to(c, up[i].x, up[i].y);
    for (std::size_t i = down.size(); i-- > 0;) cairo_line_to(c, down[i].x, down[i].y);
    cairo_close_path(c);
  };
  Body(cr, tube, kWyrm, 3);
  Inside(
      cr, tube,
      [&] {
        cairo_new_path(cr);
        for (std::size_t i = 0; i < line.size(); ++i) {
          Pt a = Lerp(line[i], down[i], 0.3);
          if (i == 0)
            cairo_move_to(cr, a.x, a.y);
          else
            cairo_line_to(cr, a.x, a.y);
        }
        for (std::size_t i = down.size(); i-- > 0;)
          cairo_line_to(cr, down[i].x + (down[i].x - line[i].x) * 0.2,
                        down[i].y + (down[i].y - line[i].y) * 0.2);
        cairo_close_path(cr);
        SetColour(cr, kWyrmBelly);
        cairo_fill(cr);
        for (std::size_t i = 1; i + 1 < line.size(); i += 2) {
          Pt a = Lerp(line[i], down[i], 0.3);
          Line(cr, a.x, a.y, down[i].x, down[i].y, Darker(kWyrmBelly, 0.35), 1.5, 0.7);
        }
        // Scales on the back.
        for (std::size_t i = 1; i + 1 < line.size(); i += 2) {
          Pt m = Lerp(line[i], up[i], 0.4);
          Stroke(
              cr, [&](cairo_t* c) { cairo_arc(c, m.x, m.y, 6, 0.3, M_PI - 0.3); }, Darker(kWyrm, 0.4), 1.5,
              0.7);
        }
      },
      kWyrm, 3);
}

void WyrmHead(cairo_t* cr, Pt c, double angle, double s, Pose pose) {
  const bool atk = pose == kAttack, dead = pose == kDead;
  cairo_save(cr);
  cairo_translate(cr, c.x, c.y);
  cairo_rotate(cr, angle);
  cairo_scale(cr, s, s);
  // Horns and frill behind.
  for (int side : {-1, 1}) {
    Horn(cr, {side * 24.0, -30}, {side * 60.0, -70}, {side * 50.0, -120}, 18, kWyrmHorn);
    Body(
        cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{side * 30.0, -10},
                       {side * 90.0, -40},
                       {side * 76.0, -10},
                       {side * 96.0, 10},
                       {side * 36.0, 16}});
        },
        kWyrmSpine, 2.5);
  }
  double open = atk ? 46 : 8;
  // Lower jaw.
  Body(
      cr,
      [&](cairo_t* c2) {
        SmoothClosed(c2, {{-30, 20}, {30, 20}, {22, 60 + open}, {0, 70 + open}, {-22, 60 + open}});
      },
      kWyrmBelly, 2.5);
  if (atk) {
    Fill(
        cr,
        [&](cairo_t* c2) {
          SmoothClosed(c2, {{-26, 24}, {26, 24}, {16, 54 + open}, {-16, 54 + open}});
        },
        Hex("#6a1a1a"));
    for (int side : {-1, 1}) Fang(cr, {side * 14.0, 60 + open}, 8, 14, -M_PI / 2);
  }
  // Skull and long snout, seen from the front.
  Body(
      cr,
      [&](cairo_t* c2) {
        SmoothClosed(c2, {{-40, -10},
                          {-30, -44},
                          {0, -52},
                          {30, -44},
                          {40, -10},
                          {30, 40},
                          {18, 64},
                          {-18, 64},
                          {-30, 40}});
      },
      kWyrm, 3);
  for (int side : {-1, 1}) {
    Fang(cr, {side * 14.0, 62}, 8, atk ? 16 : 12, M_PI / 2);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, side * 9.0, 52, 4, 3); }, Hex("#0e2a30"));
    Pt e{side * 20.0, -14};
    if (dead) {
      CrossEye(cr, e.x, e.y, 8);
    } else {
      Glow(cr, e.x, e.y, 20, kWyrmEye, 0.4);
      Body(
          cr,
          [&](cairo_t* c2) {
            Polygon(c2, {{e.x - side * 12, e.y - 2},
                         {e.x + side * 14, e.y - 10},
                         {e.x + side * 10, e.y + 7},
                         {e.x - side * 10, e.y + 6}});
          },
          kWyrmEye, 2);
      Fill(
          cr, [&](cairo_t* c2) { Ellipse(c2, e.x, e.y, 2.5, 6); }, Hex("#100808"));
    }
  }
  if (dead) Tongue(cr, {-6, 68}, 12, 30, M_PI / 2 + 0.3);
  cairo_restore(cr);
}
}  // namespace

static void DrawWyrmBody(cairo_t* cr, Pose pose);

void DrawWyrm(cairo_t* cr, Pose pose) {
  cairo_save(cr);
  cairo_scale(cr, 0.75, 0.75);
  DrawWyrmBody(cr, pose);
  cairo_restore(cr);
}

static void DrawWyrmBody(cairo_t* cr, Pose pose) {
  if (pose == kDead) {
    // Sprawled along the floor, head down, a last wisp of smoke.
    WyrmTube(cr, {{280, -20}, {200, -40}, {100, -30}, {0, -60}, {-100, -50}, {-170, -50}}, 8, 44, true);
    for (int side : {-1, 1}) Limb(cr, {-60.0 + side * 30, -40}, {-60.0 + side * 70, -10}, 16, 12, kWyrm);
    WyrmHead(cr, {-230, -70}, M_PI / 2 - 0.1, 1.0, kDead);
    for (int k = 0; k < 3; ++k)
      Puff(cr, {-300.0 - k * 10, -110.0 - k * 30}, 10 + k * 4, Grey(150), 0.45 - k * 0.1);
    return;
  }
  const bool atk = pose == kAttack;
  // The long body coils behind; the neck rises from it.
  WyrmTube(cr, {{-260, -30}, {-150, -10}, {0, -20}, {150, -40}, {220, -100}, {150, -150}, {40, -130}}, 10, 56,
           true);
  // Small clawed forelegs.
  for (int side : {-1, 1}) {
    Pt sh{side * 50.0, -150}, el{side * 90.0, -90}, ft{side * 80.0, -20};
    Limb(cr, sh, el, 22, 18, kWyrm);
    Limb(cr, el, ft, 18, 14, kWyrm);
    for (int k = -1; k <= 1; ++k) Claw(cr, {ft.x + k * 10, ft.y + 8}, 7, 16, M_PI / 2 + k * 0.3, kWyrmHorn);
  }
  if (atk) {
    WyrmTube(cr, {{40, -130}, {-30, -180}, {-50, -270}, {0, -330}, {40, -340}}, 56, 40, true);
    WyrmHead(cr, {40, -330}, -0.35, 1.4, pose);
    // Fire from the open jaws.
    // Fire pours from the open jaws towards the heroes: each tongue of
    // flame has its round end away from the mouth and its tip at it.
    Pt mouth{66, -236};
    Glow(cr, -20, -150, 170, Hex("#ff8020"), 0.6);
    for (int k = 0; k < 5; ++k) {
      Pt base{-120.0 + k * 40, -80.0 + (k % 2) * 30 - k * 6};
      double lean = std::atan2(mouth.y - base.y, mouth.x - base.x) + M_PI / 2;
      Flame(cr, base, 90 - std::abs(k - 2) * 14, std::hypot(mouth.x - base.x, mouth.y - base.y), lean, 0.95);
    }
  } else {
    WyrmTube(cr, {{40, -130}, {-40, -200}, {-30, -290}, {20, -340}}, 56, 40, true);
    WyrmHead(cr, {20, -350}, 0.1, 1.3, pose);
    for (int side : {-1, 1}) Puff(cr, {20.0 + side * 20, -250}, 10, Grey(200), 0.5);
  }
}

}  // namespace vv::gen
