// Light, darkness and the fog of unseen cells.

#include <algorithm>
#include <cmath>

#include "world/exploration.h"
#include "world/level_table.h"
#include "world/world_screen.h"

namespace vv {
namespace {

// Light in percent by time of day: red, then green and blue. Dawn rises
// evenly; dusk takes the green and blue first, so evenings glow red.
constexpr int DAY_LIGHT[48][3] = {
    {0, 15, 15},   {0, 15, 15},   {0, 15, 15},   {0, 15, 15},   {0, 15, 15},   {0, 17, 17},    // 0-5
    {0, 23, 23},   {0, 29, 29},   {0, 36, 36},   {0, 42, 42},   {0, 48, 48},   {0, 54, 54},    // 6-11
    {0, 60, 60},   {0, 67, 67},   {0, 73, 73},   {0, 79, 79},   {0, 85, 85},   {0, 91, 91},    // 12-17
    {0, 98, 98},   {0, 100, 100}, {0, 100, 100}, {0, 100, 100}, {0, 100, 100}, {0, 100, 100},  // 18-23
    {0, 100, 100}, {0, 100, 100}, {0, 100, 100}, {0, 100, 100}, {0, 100, 100}, {0, 100, 100},  // 24-29
    {0, 100, 100}, {0, 100, 100}, {0, 100, 100}, {0, 96, 92},   {0, 92, 84},   {0, 88, 76},    // 30-35
    {0, 84, 68},   {0, 80, 60},   {0, 76, 52},   {0, 72, 44},   {0, 64, 40},   {0, 56, 36},    // 36-41
    {0, 48, 32},   {0, 40, 28},   {0, 32, 24},   {0, 24, 20},   {0, 18, 16},   {0, 15, 15},    // 42-47
};

// 1 = excluded. Mask 1: seven by seven without three cells at each corner
// (37 cells); mask 2: five by five without its corners (21 cells).
constexpr int REVEAL_MASK_1[7][7] = {
    {1, 1, 0, 0, 0, 1, 1}, {1, 0, 0, 0, 0, 0, 1}, {0, 0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 1}, {1, 1, 0, 0, 0, 1, 1},
};
constexpr int REVEAL_MASK_2[5][5] = {
    {1, 0, 0, 0, 1}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {1, 0, 0, 0, 1},
};

bool DayNightOn(const Game& g) {
  return g.OptionFlags[OPTION_DAY_NIGHT] == 1;
}

int TimeIndex(const WorldTables& w) {
  return std::clamp(w.PartyState[TimeOfDay], 0, 47);
}

// A seen cell beside unseen ones fades into the dark: edges 1..4 for the
// left, upper, right and lower neighbour, corners 5..8 for the upper-left,
// upper-right, lower-right and lower-left one.
void DrawFogEdges(Game& g, int x, int y) {
  constexpr int NEIGHBOUR[9][2] = {{0, 0},   {-1, 0}, {0, -1}, {1, 0}, {0, 1},
                                   {-1, -1}, {1, -1}, {1, 1},  {-1, 1}};
  for (int k = 1; k <= 8; ++k) {
    const int nx = x + NEIGHBOUR[k][0], ny = y + NEIGHBOUR[k][1];
    if (nx < 0 || nx >= SCREEN_CELLS_X || ny < 0 || ny >= SCREEN_CELLS_Y) continue;
    if (!CellSeen(g, nx, ny)) {
      g.platform.DrawImage(g.FogEdgeImages[k], static_cast<float>(CELL * x), static_cast<float>(CELL * y));
    }
  }
}

}  // namespace

void InitDayNightTables(WorldTables& w) {
  for (int t = 0; t < 48; ++t) {
    for (int ch = 1; ch <= 2; ++ch) w.DayLight[t][ch] = DAY_LIGHT[t][ch];
  }
  for (int y = 0; y < 7; ++y) {
    for (int x = 0; x < 7; ++x) {
      w.RevealMasks[1][y][x] = REVEAL_MASK_1[y][x];
      w.RevealMasks[2][y][x] = y < 5 && x < 5 ? REVEAL_MASK_2[y][x] : 1;
    }
  }
}

bool PartyInTheDark(const WorldTables& w) {
  const int t = w.PartyState[TimeOfDay];
  return t >= 44 || (t >= 0 && t <= 7) || IsDarkLevel(w, w.CurrentLevel);
}

void RevealAroundParty(WorldTables& w) {
  const int c = w.PartyState[ScreenColumn], r = w.PartyState[ScreenRow];
  if (c < 1 || c > MAP_SCREENS || r < 1 || r > MAP_SCREENS) return;
  const int cx = w.PartyState[PartyX] / CELL, cy = w.PartyState[PartyY] / CELL;
  const int mask = PartyInTheDark(w) ? 2 : 1;
  const int reach = mask == 2 ? 2 : 3;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      if (w.RevealMasks[mask][dy + reach][dx + reach] == 1) continue;
      const int x = cx + dx, y = cy + dy;
      if (x >= 0 && x < SCREEN_CELLS_X && y >= 0 && y < SCREEN_CELLS_Y) w.ExploredMap[c][r][x][y] = 1;
    }
  }
}

LightColour WorldLight(const Game& g) {
  if (IsDarkLevel(g, g.CurrentLevel)) return {127, 127, 127};
  if (!DayNightOn(g)) return {255, 255, 255};
  const int t = TimeIndex(g);
  const int red = static_cast<int>(static_cast<float>(g.DayLight[t][1]) / 100.0f * 255.0f);
  const int other = static_cast<int>(static_cast<float>(g.DayLight[t][2]) / 100.0f * 255.0f);
  return {red, other, other};
}

void DrawSunsetTint(Game& g) {
  if (IsDarkLevel(g, g.CurrentLevel) || !DayNightOn(g)) return;
  const int t = TimeIndex(g);
  const float red = static_cast<float>(g.DayLight[t][1]) / 100.0f * 255.0f;
  const float green = static_cast<float>(g.DayLight[t][2]) / 100.0f * 255.0f;
  const float alpha = std::min(1.0f - green / red, 0.15f);
  // By day the tint is fully transparent: nothing to draw.
  if (alpha <= 0.0f) return;
  Platform& p = g.platform;
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(alpha);
  p.SetColor(static_cast<int>(red), 0, 0);
  if (g.TintImage != 0) {
    // The tint picture stretched over the field once and for all: drawn
    // clipped to a cell it gives exactly the pixels of the whole.
    p.DrawImage(g.TintImage, 0, 0);
  } else {
    p.SetScale(32, 19);
    p.DrawImage(g.RedneckImage, 0, 0);
  }
  p.ResetDrawState();
}

void DrawFog(Game& g) {
  Platform& p = g.platform;
  p.ResetDrawState();
  // Unseen cells are solid black; a run of them along a row is one black
  // picture stretched over the run, which looks the same and draws faster.
  for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
    int x = 0;
    while (x < SCREEN_CELLS_X) {
      if (CellSeen(g, x, y)) {
        ++x;
        continue;
      }
      int end = x;
      while (end < SCREEN_CELLS_X && !CellSeen(g, end, y)) ++end;
      p.SetScale(static_cast<float>(end - x), 1);
      p.DrawImage(g.BlackImage, static_cast<float>(CELL * x), static_cast<float>(CELL * y));
      x = end;
    }
  }
  p.SetScale(1, 1);

  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(1);
  for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
    for (int x = 0; x < SCREEN_CELLS_X; ++x) {
      if (CellSeen(g, x, y)) DrawFogEdges(g, x, y);
    }
  }
  p.ResetDrawState();
}

void DrawFogCell(Game& g, int x, int y) {
  Platform& p = g.platform;
  p.ResetDrawState();
  if (!CellSeen(g, x, y)) {
    p.DrawImage(g.BlackImage, static_cast<float>(CELL * x), static_cast<float>(CELL * y));
    return;
  }
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(1);
  DrawFogEdges(g, x, y);
  p.ResetDrawState();
}

}  // namespace vv
