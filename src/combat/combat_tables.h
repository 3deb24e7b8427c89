#pragma once
// Combat: monsters, spells, the turn engine and its results.

namespace vv {

struct CombatTables {};

}  // namespace vv
