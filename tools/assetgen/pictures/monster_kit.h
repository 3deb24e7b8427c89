#pragma once
// Monsters are drawn standing on the origin (feet at y = 0, up is negative
// y) in one of three poses; the picture is cut round the drawing so that its
// bottom centre is where the monster stands.

#include "canvas.h"

namespace vv::gen {

enum Pose { kStand = 0, kAttack = 1, kDead = 2 };

struct Creature {
  double h = 200;  // height standing
  Rgb body, belly, accent, eye;
  int head = 0;    // plan-specific head or variant
  int weapon = 0;  // 0 fists, 1 stick, 2 club, 3 axe
  double stocky = 1.0;
  bool tail = false;
};

void DrawBiped(cairo_t* cr, const Creature& m, Pose pose);
void DrawBeast(cairo_t* cr, int kind, const Creature& m,
               Pose pose);  // mole, crab, tortoise, frog, ant, snake
void DrawFlyer(cairo_t* cr, int kind, const Creature& m, Pose pose);  // bat, vulture, wyvern
// Eyes: open, glaring in attack, crosses when dead.
void Eyes(cairo_t* cr, double x, double y, double gap, double r, Rgb iris, Pose pose);
void Mouth(cairo_t* cr, double x, double y, double w, Pose pose, bool fangs);

}  // namespace vv::gen
