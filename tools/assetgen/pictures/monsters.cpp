// The sixteen monsters in their three poses. Each picture is cut round its
// drawing, so the bottom centre is the spot the monster stands on.

#include <algorithm>
#include <cmath>
#include <string>

#include "monster_kit.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

void DrawMonster(cairo_t* cr, int n, Pose pose) {
  Creature m;
  switch (n) {
    case 1:  // Rogga: a forest goblin with a stick
      m = {170, Hex("#6aa040"), Hex("#a8c878"), Hex("#8a5a32"), Hex("#e8c020"), 0, 1, 0.9, false};
      return DrawBiped(cr, m, pose);
    case 2:  // Magmor: a burrowing mole
      m = {190, Hex("#6a4a3a"), Hex("#a88a70"), Hex("#e8a0a0"), Hex("#3a2a20")};
      return DrawBeast(cr, 0, m, pose);
    case 3:  // Crob: a cave crab
      m = {190, Hex("#d0502a"), Hex("#e8a070"), Hex("#a03a1a"), Hex("#1a1a1a")};
      return DrawBeast(cr, 1, m, pose);
    case 4:  // Bat
      m = {170, Hex("#5a3a5a"), Hex("#8a6a7a"), Hex("#4a2a4a"), Hex("#e83a2a")};
      return DrawFlyer(cr, 0, m, pose);
    case 5:  // Krell: a caveman with a great club
      m = {310, Hex("#c8946a"), Hex("#7a4a2a"), Hex("#4a2a18"), Hex("#5a3a20"), 1, 2, 1.05, false};
      return DrawBiped(cr, m, pose);
    case 6:  // Slisk: a hooded serpent
      m = {300, Hex("#5a9a3a"), Hex("#e8d890"), Hex("#3a7a2a"), Hex("#e8c020")};
      return DrawBeast(cr, 5, m, pose);
    case 7:  // Velpuna: a desert vulture
      m = {300, Hex("#6a4a3a"), Hex("#a88a70"), Hex("#5a3a2a"), Hex("#e8a020")};
      return DrawFlyer(cr, 1, m, pose);
    case 8:  // Krikan: a giant ant
      m = {260, Hex("#9a3a1e"), Hex("#c8602a"), Hex("#5a1e10"), Hex("#1a1a1a")};
      return DrawBeast(cr, 4, m, pose);
    case 9:  // Galedo: a spiked giant tortoise
      m = {300, Hex("#5a7a3a"), Hex("#a8a070"), Hex("#8a7a3a"), Hex("#e8c020")};
      return DrawBeast(cr, 2, m, pose);
    case 10:  // Frak: a giant garden frog
      m = {300, Hex("#5aa040"), Hex("#d8e0a0"), Hex("#3a7a2a"), Hex("#e8a020")};
      return DrawBeast(cr, 3, m, pose);
    case 11:  // Vuvaron: a minotaur with an axe
      m = {410, Hex("#7a4a2a"), Hex("#c8a078"), Hex("#4a2a18"), Hex("#e83a1a"), 2, 3, 1.1, true};
      return DrawBiped(cr, m, pose);
    case 12:  // Wyrac: a wyvern
      m = {420, Hex("#3a8a7a"), Hex("#d8d090"), Hex("#2a6a6a"), Hex("#f0d020")};
      return DrawFlyer(cr, 2, m, pose);
    case 13:  // Fyxe: a fire demon
      m = {380, Hex("#c83a1a"), Hex("#f0a040"), Hex("#ffd070"), Hex("#ffe040"), 3, 0, 0.95, true};
      return DrawBiped(cr, m, pose);
    case 14:  // Gorto: a purple stone golem
      m = {450, Hex("#6a5a78"), Hex("#8a7a98"), Hex("#4a3a58"), Hex("#40ff80"), 4, 0, 1.35, false};
      return DrawBiped(cr, m, pose);
    case 15:  // Ubrus: a demon bear
      m = {460, Hex("#3a2a28"), Hex("#7a5a48"), Hex("#2a1a18"), Hex("#ff3020"), 5, 0, 1.3, false};
      return DrawBiped(cr, m, pose);
    default:  // Vorgash: a huge, frenzied gorilla
      m = {470, Hex("#3a3a44"), Hex("#6a6070"), Hex("#a8a8b8"), Hex("#ff2020"), 6, 0, 1.55, false};
      return DrawBiped(cr, m, pose);
  }
}

struct Cut {
  double dx, dy;  // translation of the drawing inside the picture
  double scale;
  int width, height;
};

// The dead lie on their backs, legs in the air, flattened against the floor.
void Place(cairo_t* cr, Pose pose, double scale) {
  cairo_scale(cr, scale, scale);
  if (pose == kDead) {
    cairo_scale(cr, 1, 0.6);
    cairo_rotate(cr, M_PI);
  }
}

// Records the drawing to find its extent, then picks the picture size; tall
// poses are scaled down to stay under the name panel of the battle screen.
Cut Measure(int n, Pose pose, double scale = 1.0) {
  cairo_surface_t* rec = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
  cairo_t* cr = cairo_create(rec);
  Place(cr, pose, scale);
  DrawMonster(cr, n, pose);
  cairo_destroy(cr);
  double x, y, w, h;
  cairo_recording_surface_ink_extents(rec, &x, &y, &w, &h);
  cairo_surface_destroy(rec);
  Cut cut;
  const int margin = 3;
  cut.scale = scale;
  double half = std::max(-x, x + w);
  cut.width = int(std::ceil(half)) * 2 + 2 * margin;
  cut.dx = cut.width / 2.0;
  if (pose == kDead) {
    // Rest the body on the ground line.
    cut.height = int(std::ceil(h)) + margin;
    cut.dy = -y + margin;
  } else {
    double below = std::max(0.0, y + h);
    cut.height = int(std::ceil(below - y)) + margin;
    cut.dy = cut.height - below;
  }
  const int kMaxHeight = 500;
  if (cut.height > kMaxHeight && scale == 1.0) return Measure(n, pose, double(kMaxHeight - 4) / cut.height);
  return cut;
}

void Paint(Canvas& c, int n, Pose pose, Cut cut) {
  cairo_t* cr = c.cr();
  cairo_translate(cr, cut.dx, cut.dy);
  Place(cr, pose, cut.scale);
  DrawMonster(cr, n, pose);
}

}  // namespace

void AddMonsterPicturesA(PictureList& l) {
  static const char* const kSuffix[3] = {"", "a", "d"};
  for (int n = 1; n <= 16; ++n)
    for (int p = 0; p < 3; ++p) {
      Pose pose = Pose(p);
      Cut cut = Measure(n, pose);
      l.push_back({"monster_" + std::to_string(n) + kSuffix[p] + ".png", cut.width, cut.height, "monsters",
                   kPlain, [n, pose, cut](Canvas& c) { Paint(c, n, pose, cut); }});
    }
}

void AddMonsterPicturesB(PictureList&) {}

}  // namespace vv::gen
