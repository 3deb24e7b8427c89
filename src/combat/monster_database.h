#pragma once
// The sixteen monsters the party can meet: fifteen from the levels'
// encounter tables and Vorgash behind the portal. Constant for the whole run.

#include <string>

namespace vv {

constexpr int MONSTER_COUNT = 16;
constexpr int VORGASH = 16;  // met only through the portal, fought to the end

// Fields of MonsterStats[monster][field].
namespace monster {
enum Field : int {
  DamageMin = 1,
  DamageMax = 2,
  Delay = 3,   // acts when its turn timer reaches this (lower is faster)
  Health = 4,  // at the start of a battle
  HitChance = 7,
  Experience = 8,  // given to each hero below the top level
};
}  // namespace monster

// MonsterStats[monster 1..16][field 1..10]; 0 outside the table and for
// the unused fields 5, 6, 9 and 10.
int MonsterStats(int monster, int field);
// MonsterNames[monster 1..16]; "" outside the table.
const char* MonsterNames(int monster);

// The monster's pictures (standing, attacking, dead) and sounds.
std::string MonsterImageFile(int monster, char pose);  // pose ' ', 'a' or 'd'

}  // namespace vv
