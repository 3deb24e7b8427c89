#pragma once
// The world's tables: the map, the current screen, the party's place and the
// world events.

namespace vv {

struct WorldTables {
  int CurrentLevel = 0;            // level of the screen the party stands on
  int LevelArea[16] = {};          // [level 1..15] area 1..5
  int LevelTable[21][101][4] = {};  // [level][row 0..100][field 0..3]
  int PartyState[21] = {};         // [1..20], see the exploration screen
  int AttackBanner = 0;            // frames the encounter banner has run, 0 = none
  int LootList[4][4] = {};         // [entry 1..3][1 category, 2 item, 3 condition]
  int LootCount = 0;
};

}  // namespace vv
