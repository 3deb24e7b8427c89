// The sixteen monsters in their three poses. Each picture is cut round its
// drawing, so the bottom centre is the spot the monster stands on.

#include <algorithm>
#include <cmath>
#include <string>

#include "monster_kit.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

constexpr MonsterFn kMonsters[16] = {
    DrawGoblin,   DrawCaveman, DrawCrab,  DrawBat,  DrawLizard, DrawSerpent,  DrawVulture, DrawAnt,
    DrawTortoise, DrawToad,    DrawPlant, DrawWyrm, DrawImp,    DrawMinotaur, DrawDemon,   DrawGorilla};

struct Extent {
  double x, y, w, h;
};

Extent Ink(int n, Pose pose) {
  cairo_surface_t* rec = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* cr = cairo_create(rec);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
  kMonsters[n - 1](cr, pose);
  cairo_destroy(cr);
  Extent e;
  cairo_recording_surface_ink_extents(rec, &e.x, &e.y, &e.w, &e.h);
  cairo_surface_destroy(rec);
  return e;
}

struct Cut {
  double dx, dy;  // where the monster's feet are inside the picture
  double scale;
  int width, height;
};

// The battle screen has room for about 500 pixels above the monster's feet
// before the name panel; a monster taller than that in any pose is drawn
// smaller in all three, so that its poses match.
double MonsterScale(int n) {
  const double kMaxHeight = 496;
  double tallest = 0;
  for (int p = 0; p < 3; ++p) {
    Extent e = Ink(n, Pose(p));
    tallest = std::max(tallest, -e.y);
  }
  return tallest > kMaxHeight ? kMaxHeight / tallest : 1.0;
}

Cut Measure(int n, Pose pose, double scale) {
  Extent e = Ink(n, pose);
  const int margin = 3;
  Cut cut;
  cut.scale = scale;
  double half = std::max(-e.x, e.x + e.w) * scale;
  cut.width = int(std::ceil(half)) * 2 + 2 * margin;
  cut.dx = cut.width / 2.0;
  // The ground line is the bottom edge: nothing is drawn below the feet.
  cut.height = int(std::ceil(-e.y * scale)) + margin;
  cut.dy = cut.height;
  return cut;
}

void Paint(Canvas& c, int n, Pose pose, Cut cut) {
  cairo_t* cr = c.cr();
  cairo_translate(cr, cut.dx, cut.dy);
  cairo_scale(cr, cut.scale, cut.scale);
  kMonsters[n - 1](cr, pose);
}

}  // namespace

void AddMonsterPicturesA(PictureList& l) {
  static const char* const kSuffix[3] = {"", "a", "d"};
  for (int n = 1; n <= 16; ++n) {
    double scale = MonsterScale(n);
    for (int p = 0; p < 3; ++p) {
      Pose pose = Pose(p);
      Cut cut = Measure(n, pose, scale);
      l.push_back({"monster_" + std::to_string(n) + kSuffix[p] + ".png", cut.width, cut.height, "monsters",
                   kPlain, [n, pose, cut](Canvas& c) { Paint(c, n, pose, cut); }});
    }
  }
}

void AddMonsterPicturesB(PictureList&) {}

}  // namespace vv::gen
