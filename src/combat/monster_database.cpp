#include "combat/monster_database.h"

namespace vv {
namespace {

struct MonsterRow {
  const char* name;
  int damageMin, damageMax, delay, health, hitChance, experience;
};

// clang-format off
constexpr MonsterRow MONSTERS[MONSTER_COUNT] = {
    // name       min  max delay health hit%  exp
    {"Rogga",       3,   5,  170,    15,  85,    2},
    {"Magmor",      5,   7,  180,    30,  85,   10},
    {"Crob",        6,   6,  120,    50,  85,   25},
    {"Bat",         5,   7,   60,    50,  85,   45},
    {"Krell",      10,  13,  160,    75,  85,   75},
    {"Slisk",      20,  22,  180,   110,  85,  100},
    {"Velpuna",    22,  24,  120,   125,  85,  150},
    {"Krikan",     12,  14,   40,    90,  85,  175},
    {"Galedo",     30,  40,  160,   200,  85,  225},
    {"Frak",       22,  26,   80,   175,  85,  300},
    {"Vuvaron",    35,  40,  140,   300,  85,  350},
    {"Wyrac",      40,  50,  140,   400,  85,  425},
    {"Fyxe",       35,  50,  100,   500,  85,  500},
    {"Gorto",      65,  80,  200,   750,  85,  600},
    {"Ubrus",      75,  90,  170,  1000,  85,  750},
    {"Vorgash",    85, 100,  160,  2000,  85, 1000},
};
// clang-format on

const MonsterRow* Row(int monster) {
  return monster >= 1 && monster <= MONSTER_COUNT ? &MONSTERS[monster - 1] : nullptr;
}

}  // namespace

int MonsterStats(int m, int field) {
  const MonsterRow* row = Row(m);
  if (!row) return 0;
  switch (field) {
    case monster::DamageMin:
      return row->damageMin;
    case monster::DamageMax:
      return row->damageMax;
    case monster::Delay:
      return row->delay;
    case monster::Health:
      return row->health;
    case monster::HitChance:
      return row->hitChance;
    case monster::Experience:
      return row->experience;
    default:
      return 0;
  }
}

const char* MonsterNames(int m) {
  const MonsterRow* row = Row(m);
  return row ? row->name : "";
}

std::string MonsterImageFile(int m, char pose) {
  std::string name = "data/gfx/monster_" + std::to_string(m);
  if (pose != ' ') name += pose;
  return name + ".png";
}

}  // namespace vv
