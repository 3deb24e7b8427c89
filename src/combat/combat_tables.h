#pragma once
// Combat: the battle being fought.

namespace vv {

struct CombatTables {
  int CombatMonster = 0;  // the battle's monster number 1..16
};

}  // namespace vv
