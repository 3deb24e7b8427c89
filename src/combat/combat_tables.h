#pragma once
// Combat: the battle being fought, and what the party has killed.

namespace vv {

struct CombatTables {
  int CombatMonster = 0;  // the battle's monster number 1..16
  // 0 until the combat screen has set the battle up on its first frame;
  // leaving combat (and loading a game) clears it for the next battle.
  int CombatSetUp = 0;
  // [1..20]: how many of each monster the party has killed (1..16 used).
  int MonsterKills[21] = {};
};

}  // namespace vv
