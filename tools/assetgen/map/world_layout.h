#pragma once
// Where the fifteen levels sit in the grid of screens, their areas, and the
// facts of the world every map has to honour.

#include <array>

namespace vv::gen {

inline constexpr int GRID_SIZE = 5;        // screen columns and rows 1..5
inline constexpr int SCREEN_CELLS_X = 32;  // cells per screen, across
inline constexpr int SCREEN_CELLS_Y = 19;  // cells per screen, down
inline constexpr int CELL = 32;            // pixels per cell
inline constexpr int SCREEN_W = SCREEN_CELLS_X * CELL;
inline constexpr int SCREEN_H = SCREEN_CELLS_Y * CELL;
inline constexpr int LEVEL_COUNT = 15;
inline constexpr int AREA_COUNT = 5;

// LevelGrid[column][row], both 1..5; row numbers grow northwards. 0 = no screen.
inline constexpr std::array<std::array<int, 6>, 6> LevelGrid = {{
    {0, 0, 0, 0, 0, 0},
    {0, 3, 4, 9, 10, 11},
    {0, 2, 5, 8, 15, 12},
    {0, 1, 6, 7, 14, 13},
    {0, 0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0, 0},
}};

// LevelArea[level]: 1 forest, 2 cavern, 3 desert, 4 garden, 5 hideout.
inline constexpr std::array<int, 16> LevelArea = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};

// The party's first step into the world: level 1, facing down.
inline constexpr int START_COLUMN = 3;
inline constexpr int START_ROW = 1;
inline constexpr int START_X = 768;
inline constexpr int START_Y = 96;

// The portal on the last level.
inline constexpr int PORTAL_LEVEL = 15;
inline constexpr int PORTAL_X = 288;
inline constexpr int PORTAL_Y = 288;

// Levels split by water, a chasm, a ditch or lava, crossed by one teleporter pair.
inline constexpr std::array<int, 6> TELEPORTER_LEVELS = {3, 5, 8, 10, 11, 14};

inline constexpr bool HasTeleporters(int level) {
  for (int l : TELEPORTER_LEVELS) {
    if (l == level) return true;
  }
  return false;
}

struct ScreenPos {
  int column = 0;
  int row = 0;
};

// The screen that holds a level, or {0, 0} for a number that is no level.
inline constexpr ScreenPos ScreenOfLevel(int level) {
  for (int c = 1; c <= GRID_SIZE; ++c) {
    for (int r = 1; r <= GRID_SIZE; ++r) {
      if (LevelGrid[c][r] == level && level != 0) return {c, r};
    }
  }
  return {};
}

inline constexpr const char* AREA_NAMES[6] = {"", "forest", "cavern", "desert", "garden", "hideout"};

}  // namespace vv::gen
