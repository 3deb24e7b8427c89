#include <algorithm>

#include "items/item_rules.h"
#include "items/items_tables.h"
#include "shell/input.h"
#include "world/exploration.h"
#include "world/world_screen.h"

namespace vv {
namespace {

constexpr int KEY_OF_DIRECTION[5] = {0, KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT};

// The click rectangle beside the party for each direction.
struct Rect {
  int x, y, w, h;
};
Rect ArrowRect(int direction, int px, int py) {
  switch (direction) {
    case 1:
      return {px + 3, py - 31, 26, 32};
    case 2:
      return {px + 31, py + 3, 32, 26};
    case 3:
      return {px + 3, py + 31, 26, 32};
    default:
      return {px - 31, py + 3, 32, 26};
  }
}

void CountDownTimers(Game& g, int by) {
  for (int h = 1; h <= 2; ++h) {
    for (int b = 1; b <= 3; ++b) {
      if (g.HeroTimers[h][b] > 0) g.HeroTimers[h][b] = std::max(0, g.HeroTimers[h][b] - by);
    }
  }
}

}  // namespace

void StepFrom(int direction, int& x, int& y) {
  switch (direction) {
    case 1:
      y -= CELL;
      break;
    case 2:
      x += CELL;
      break;
    case 3:
      y += CELL;
      break;
    case 4:
      x -= CELL;
      break;
    default:
      break;
  }
}

bool MoveBlocked(const Game& g, int x, int y) {
  // Beyond the screen lies the neighbour; without one there is no way on.
  int column = g.PartyState[ScreenColumn], row = g.PartyState[ScreenRow];
  if (x < 0) --column;
  if (x > 992) ++column;
  if (y < 0) ++row;
  if (y > 576) --row;
  if (LevelOfScreen(g, column, row) == 0) return true;
  for (const T_Tile& t : g.ScreenTiles) {
    if (t.kind != KIND_OBSTACLE) continue;
    if (RectsOverlap(t.x + 1, t.y + 1, t.width - 2, t.height - 2, x + 1, y + 1, 30, 30)) return true;
  }
  return false;
}

void MoveParty(Game& g) {
  int* ps = g.PartyState;
  const int px = ps[PartyX], py = ps[PartyY];
  if (MouseOver(g, px, py, 32, 32)) g.ArrowHover[1] = 1;
  int direction = 0;
  for (int d = 1; d <= 4; ++d) {
    const Rect r = ArrowRect(d, px, py);
    const bool over = MouseOver(g, r.x, r.y, r.w, r.h);
    if (over) g.ArrowHover[1] = g.ArrowHover[1 + d] = 1;
    if (KeyHit(g, KEY_OF_DIRECTION[d]) || (over && MouseHit(g, MOUSE_LEFT))) direction = d;
  }
  if (direction == 0) return;
  ps[Facing] = direction;
  int x = px, y = py;
  StepFrom(direction, x, y);
  if (MoveBlocked(g, x, y)) return;
  ps[PartyX] = x;
  ps[PartyY] = y;
  ps[StepCount] += 1;
  CountDownTimers(g, 1);
  g.MovedThisFrame = 1;
}

void RestHeal(Game& g, int h) {
  const int maxHealth = g.HeroStats[h][hero::MaxHealth];
  const int heal = RestHealing(maxHealth, WearsAmulet(g, h, NATURAL_PENDANT));
  g.HeroStats[h][hero::Health] = std::min(g.HeroStats[h][hero::Health] + heal, maxHealth);
}

void RestParty(Game& g) {
  if (!KeyHit(g, KEY_SPACE) && !(MouseHit(g, MOUSE_LEFT) && MouseOver(g, 671, 628, 128, 128))) return;
  g.PartyState[StepCount] += 6;
  CountDownTimers(g, 6);
  for (int h = 1; h <= 2; ++h) RestHeal(g, h);
  g.SoundEvent = SOUND_CLICK;
  g.MovedThisFrame = 1;
}

void AdvancePulse(Game& g) {
  g.PulseLevel += 5 * g.PulseDirection;
  if (g.PulseLevel >= 255) g.PulseLevel = 255, g.PulseDirection = -1;
  if (g.PulseLevel <= 0) g.PulseLevel = 0, g.PulseDirection = 1;
}

void AdvanceClock(Game& g) {
  int* ps = g.PartyState;
  if (ps[StepCount] < 6) return;
  ps[StepCount] -= 6;
  ps[TimeOfDay] += 1;
  if (ps[TimeOfDay] >= 48) ps[TimeOfDay] = 0;
}

void CheckScreenEdge(Game& g) {
  int* ps = g.PartyState;
  if (ps[PartyX] < 0) ps[PartyX] = 0, g.ExitDirection = 1, g.ScreenReady = 0;
  if (ps[PartyY] < 0) ps[PartyY] = 0, g.ExitDirection = 2, g.ScreenReady = 0;
  if (ps[PartyX] > 992) ps[PartyX] = 992, g.ExitDirection = 3, g.ScreenReady = 0;
  if (ps[PartyY] > 576) ps[PartyY] = 576, g.ExitDirection = 4, g.ScreenReady = 0;
}

}  // namespace vv
