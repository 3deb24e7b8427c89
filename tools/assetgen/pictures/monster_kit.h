#pragma once
// Monsters are drawn standing on the origin (feet at y = 0, up is negative
// y) in one of three poses; the picture is cut round the drawing so that its
// bottom centre is where the monster stands. Each monster has its own body
// plan; this kit holds the parts they share: shaded bodies, tapered limbs,
// furry and scaly edges, eyes, teeth, claws and motion marks.

#include <functional>
#include <vector>

#include "canvas.h"

namespace vv::gen {

enum Pose { kStand = 0, kAttack = 1, kDead = 2 };

// One monster's drawing in one pose.
using MonsterFn = void (*)(cairo_t*, Pose);
void DrawGoblin(cairo_t* cr, Pose pose);    // 1 Rogga
void DrawCaveman(cairo_t* cr, Pose pose);   // 2 Magmor
void DrawCrab(cairo_t* cr, Pose pose);      // 3 Crob
void DrawBat(cairo_t* cr, Pose pose);       // 4 Bat
void DrawLizard(cairo_t* cr, Pose pose);    // 5 Krell
void DrawSerpent(cairo_t* cr, Pose pose);   // 6 Slisk
void DrawVulture(cairo_t* cr, Pose pose);   // 7 Velpuna
void DrawAnt(cairo_t* cr, Pose pose);       // 8 Krikan
void DrawTortoise(cairo_t* cr, Pose pose);  // 9 Galedo
void DrawToad(cairo_t* cr, Pose pose);      // 10 Frak
void DrawPlant(cairo_t* cr, Pose pose);     // 11 Vuvaron
void DrawWyrm(cairo_t* cr, Pose pose);      // 12 Wyrac
void DrawImp(cairo_t* cr, Pose pose);       // 13 Fyxe
void DrawMinotaur(cairo_t* cr, Pose pose);  // 14 Gorto
void DrawDemon(cairo_t* cr, Pose pose);     // 15 Ubrus
void DrawGorilla(cairo_t* cr, Pose pose);   // 16 Vorgash

// Point arithmetic.
inline Pt Add(Pt a, Pt b) {
  return {a.x + b.x, a.y + b.y};
}
inline Pt Lerp(Pt a, Pt b, double t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t};
}
Pt Polar(Pt from, double angle, double length);
// Mirrors x for the monster's other side.
inline Pt Mir(Pt p, int side) {
  return {p.x * side, p.y};
}

// A shape in its colour with the game's cel shading, a soft volume gradient
// (lit top left, shaded bottom right) and a dark outline of its own colour.
void Body(cairo_t* cr, const PathFn& path, Rgb base, double outline = 3, double volume = 1.0);
// Draws `detail` clipped to the shape, then strokes the shape's outline again.
void Inside(cairo_t* cr, const PathFn& path, const std::function<void()>& detail, Rgb base, double outline);

// Path of a tapered capsule from a (radius ra) to b (radius rb).
void CapsulePath(cairo_t* cr, Pt a, Pt b, double ra, double rb);
void Limb(cairo_t* cr, Pt a, Pt b, double ra, double rb, Rgb c, double outline = 2.5);

// A limb with a muscle's belly: one side swells to `belly` times the root
// radius a third of the way down, then pinches into the joint at b, with a
// highlight on the swell and a crease at the joint (arms and legs that are
// not plain tubes).
void MusclePath(cairo_t* cr, Pt a, Pt b, double ra, double rb, double belly = 1.3);
void MuscleLimb(cairo_t* cr, Pt a, Pt b, double ra, double rb, Rgb c, double outline = 2.5,
                double belly = 1.3);

// Dense points along a smooth closed (or open) curve through `pts`.
std::vector<Pt> SampleCurve(const std::vector<Pt>& pts, bool closed, int perSegment = 12);
// Path of a closed curve whose edge bristles outwards in tufts (fur, mane,
// feathers). `tuft` is the tuft length, `every` the spacing along the edge.
void FurryPath(cairo_t* cr, const std::vector<Pt>& pts, double tuft, double every, std::uint32_t seed);
// Points round a tapered capsule, for FurryPath.
std::vector<Pt> CapsulePoints(Pt a, Pt b, double ra, double rb);
// A furry shape: bristling edge, shaded body and hair strokes inside in `hair`.
void FurryBody(cairo_t* cr, const std::vector<Pt>& pts, Rgb base, Rgb hair, double tuft, double every,
               std::uint32_t seed, double outline = 3);
// Short hair strokes inside a region, leaning along `angle`.
void FurStrokes(cairo_t* cr, double x1, double y1, double x2, double y2, double len, double angle, Rgb c,
                double width, int count, std::uint32_t seed, double alpha = 0.5);

// Eyes. `side` is -1 for the monster's right eye (picture left), 1 for its
// left. Open in the standing pose, glaring under a frowning brow when
// attacking, a cross when dead.
void Eye(cairo_t* cr, double x, double y, double r, Rgb iris, Pose pose, int side, bool slit = false);
void BeadEye(cairo_t* cr, double x, double y, double r, Rgb colour, Pose pose);
void CrossEye(cairo_t* cr, double x, double y, double r, double width = 0);
void ClosedEye(cairo_t* cr, double x, double y, double r, double width = 0);

// A pointed tooth or horn from `base` along `angle`.
void Fang(cairo_t* cr, Pt base, double width, double length, double angle, Rgb c = Hex("#f0e8d0"));
void Claw(cairo_t* cr, Pt base, double width, double length, double angle, Rgb c = Hex("#e8dcc0"));
// A curved horn from `base` bending towards `tip` around `bend`.
void Horn(cairo_t* cr, Pt base, Pt bend, Pt tip, double width, Rgb c);
// A lolling tongue hanging from `from` along `angle`.
void Tongue(cairo_t* cr, Pt from, double width, double length, double angle, Rgb c = Hex("#d8606a"));

// Curved speed marks behind a moving part.
void MotionArcs(cairo_t* cr, Pt centre, double radius, double a0, double a1, int count, double gap,
                Rgb c = Grey(244));
// A puff of steam or smoke.
void Puff(cairo_t* cr, Pt at, double r, Rgb c, double alpha);
// The soft contact shadow on the ground.
void FootShadow(cairo_t* cr, double cx, double rx, double ry, double alpha = 0.3);
// A tongue of fire rising from `base`, leaning by `lean` (radians from
// straight up): red outside, orange, a yellow heart.
void Flame(cairo_t* cr, Pt base, double width, double height, double lean, double alpha = 1.0);
// Draws `fn` turned by `angle`, seen lying on the floor (its height
// foreshortened by `squash`), moved so that its lowest ink touches the
// ground line and centred on x = 0.
void OnGround(cairo_t* cr, double angle, const std::function<void(cairo_t*)>& fn, double sink = 4,
              double squash = 0.72);
// Little stars circling a knocked-out head.
void DizzyStars(cairo_t* cr, Pt centre, double r, int count);

}  // namespace vv::gen
