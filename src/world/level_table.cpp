#include "world/level_table.h"

namespace vv {
namespace {

// Level of each screen, [column][row]; rows grow northwards. The levels
// snake from the start screen (column 3, row 1) to level 15 in the middle.
constexpr int LEVEL_GRID[MAP_SCREENS + 1][MAP_SCREENS + 1] = {
    //    row 1   2   3   4   5
    {0, 0, 0, 0, 0, 0},   {0, 3, 4, 9, 10, 11},  // column 1
    {0, 2, 5, 8, 15, 12},                        // column 2
    {0, 1, 6, 7, 14, 13},                        // column 3
    {0, 0, 0, 0, 0, 0},                          // column 4
    {0, 0, 0, 0, 0, 0},                          // column 5
};

constexpr int LEVEL_AREA[16] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5};
constexpr int WEAPON_TIER[16] = {0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 15, 16, 17, 18, 19, 20};
constexpr int GUARD_TIER[16] = {0, 1, 2, 2, 3, 4, 4, 5, 6, 6, 7, 8, 8, 9, 9, 10};

// How a band of percentile rows picks its item: a fixed item number, or
// one taken from the level's weapon tier, guard tier or area.
enum ItemRule { FIXED, WEAPON_MINUS_2, WEAPON_MINUS_1, WEAPON, GUARD_MINUS_1, GUARD, AREA };

struct ItemBand {
  int lastRow;
  int category;
  ItemRule rule;
  int number;  // for FIXED
};

// Levels 3..15.
constexpr ItemBand ITEM_BANDS[] = {
    {10, 1, WEAPON_MINUS_2, 0}, {20, 1, WEAPON_MINUS_1, 0}, {30, 1, WEAPON, 0},
    {41, 2, GUARD_MINUS_1, 0},  {51, 2, GUARD, 0},          {62, 3, AREA, 0},
    {70, 4, GUARD_MINUS_1, 0},  {78, 4, GUARD, 0},          {81, 5, AREA, 0},
    {94, 6, FIXED, 1},          {96, 6, FIXED, 2},          {98, 6, FIXED, 3},
    {100, 6, FIXED, 4},
};

constexpr ItemBand LEVEL_1_BANDS[] = {
    {15, 1, FIXED, 1}, {30, 1, FIXED, 2}, {51, 2, FIXED, 1}, {62, 3, FIXED, 1}, {78, 4, FIXED, 1},
    {81, 5, FIXED, 1}, {94, 6, FIXED, 1}, {96, 6, FIXED, 2}, {98, 6, FIXED, 3}, {100, 6, FIXED, 4},
};

constexpr ItemBand LEVEL_2_BANDS[] = {
    {10, 1, FIXED, 1}, {20, 1, FIXED, 2}, {30, 1, FIXED, 3},  {41, 2, FIXED, 1}, {51, 2, FIXED, 2},
    {62, 3, FIXED, 1}, {70, 4, FIXED, 1}, {78, 4, FIXED, 2},  {81, 5, FIXED, 1}, {94, 6, FIXED, 1},
    {96, 6, FIXED, 2}, {98, 6, FIXED, 3}, {100, 6, FIXED, 4},
};

int ItemNumber(const ItemBand& band, int level) {
  switch (band.rule) {
    case WEAPON_MINUS_2:
      return WEAPON_TIER[level] - 2;
    case WEAPON_MINUS_1:
      return WEAPON_TIER[level] - 1;
    case WEAPON:
      return WEAPON_TIER[level];
    case GUARD_MINUS_1:
      return GUARD_TIER[level] - 1;
    case GUARD:
      return GUARD_TIER[level];
    case AREA:
      return LEVEL_AREA[level];
    case FIXED:
      break;
  }
  return band.number;
}

template <int N>
void FillItems(WorldTables& w, int level, const ItemBand (&bands)[N]) {
  int row = 1;
  for (const ItemBand& band : bands) {
    for (; row <= band.lastRow; ++row) {
      w.LevelTable[level][row][level::ItemCategory] = band.category;
      w.LevelTable[level][row][level::ItemNumber] = ItemNumber(band, level);
    }
  }
}

int EncounterMonster(int level, int row) {
  if (level == 1) return 1;
  if (level == 2) return row <= 49 ? 1 : 2;
  if (row <= 33) return level - 2;
  if (row <= 66) return level - 1;
  return level;
}

}  // namespace

void InitLevelTables(WorldTables& w) {
  for (int c = 0; c <= MAP_SCREENS; ++c) {
    for (int r = 0; r <= MAP_SCREENS; ++r) w.LevelGrid[c][r] = LEVEL_GRID[c][r];
  }
  for (int level = 0; level <= LEVELS; ++level) {
    w.LevelArea[level] = LEVEL_AREA[level];
    w.WeaponTier[level] = WEAPON_TIER[level];
    w.GuardTier[level] = GUARD_TIER[level];
  }
  for (int level = 1; level <= LEVELS; ++level) {
    const int area = LEVEL_AREA[level];
    const bool dark = level >= 4 && level <= 6;
    w.LevelTable[level][0][level::Music] = area;
    w.LevelTable[level][0][level::Background] = area;
    w.LevelTable[level][0][level::Dark] = dark ? 1 : 0;
    for (int row = 1; row <= 100; ++row)
      w.LevelTable[level][row][level::Monster] = EncounterMonster(level, row);
    if (level == 1) {
      FillItems(w, level, LEVEL_1_BANDS);
    } else if (level == 2) {
      FillItems(w, level, LEVEL_2_BANDS);
    } else {
      FillItems(w, level, ITEM_BANDS);
    }
  }
}

bool IsDarkLevel(const WorldTables& w, int level) {
  return level >= 1 && level <= 20 && w.LevelTable[level][0][level::Dark] == 1;
}

}  // namespace vv
