#pragma once
// The shape of the world and what each level holds: the screen grid, the
// areas, and the level table of monsters and loot by percentile.

#include "world/world_tables.h"

namespace vv {

// Fills LevelGrid, LevelArea, WeaponTier, GuardTier and LevelTable.
void InitLevelTables(WorldTables& world);

// Fields of LevelTable[level][0][field], the level's properties.
namespace level {
enum Property : int { Music = 0, Background = 1, Dark = 2 };
// Fields of LevelTable[level][row 1..100][field].
enum Percentile : int { ItemCategory = 1, ItemNumber = 2, Monster = 3 };
}  // namespace level

// Whether the level is drawn at half light with the small reveal.
bool IsDarkLevel(const WorldTables& world, int level);

}  // namespace vv
