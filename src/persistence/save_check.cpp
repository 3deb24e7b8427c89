// What a saved game may hold: every value within the range play can give
// it. A file that asks for anything else was not written by this game and
// is refused whole, so that no screen ever meets a record it cannot show.

#include <algorithm>

#include "combat/spell_database.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "persistence/save_files.h"
#include "world/level_table.h"

namespace vv {
namespace {

// Counts that only grow in play (kills, damage, attacks, potion time) stay
// far below this; the margin lets them keep growing without overflowing.
constexpr int COUNT_LIMIT = 1'000'000'000;
// The most experience one battle gives (the richest monster met at random).
constexpr int RICHEST_REWARD = 750;
// Attributes: at most 10 from creation, the class's own one point a level
// and one more at level 30, endurance one point a level.
constexpr int CREATED_ATTRIBUTE_MAX = 10;
constexpr int BOOST = 10;

bool In(int value, int low, int high) {
  return value >= low && value <= high;
}

bool AllZero(const int* fields, int first, int last) {
  for (int f = first; f <= last; ++f) {
    if (fields[f] != 0) return false;
  }
  return true;
}

// The largest value of an item field over one category.
int LargestItemField(int category, int field) {
  int largest = 0;
  for (int i = 1; i <= ItemCount(category); ++i) largest = std::max(largest, ItemStats(category, i, field));
  return largest;
}

int LargestSpellDamage() {
  int largest = 0;
  for (int s = 1; s <= SPELL_COUNT; ++s) largest = std::max(largest, SpellStats(s, spell::DamageMax));
  return largest;
}

int MainAttribute(int heroClass) {
  return heroClass == CLASS_FIGHTER ? hero::BaseStrength
         : heroClass == CLASS_ROGUE ? hero::BaseDexterity
                                    : hero::BaseIntelligence;
}

// trunc(factor x base + 0.5), as the derived statistics round.
int Rounded(float factor, int base) {
  return static_cast<int>(factor * static_cast<float>(base) + 0.5f);
}

bool PartyValid(const SavedGame& s, const WorldTables& world) {
  const int* ps = s.PartyState;
  if (ps[1] != 1) return false;
  if (!In(ps[PartyX], 0, (SCREEN_CELLS_X - 1) * CELL) || ps[PartyX] % CELL != 0) return false;
  if (!In(ps[PartyY], 0, (SCREEN_CELLS_Y - 1) * CELL) || ps[PartyY] % CELL != 0) return false;
  if (!In(ps[Facing], 1, 4) || !In(ps[TimeOfDay], 0, 47) || !In(ps[StepCount], 0, 5)) return false;
  if (!In(ps[ScreenColumn], 1, MAP_SCREENS) || !In(ps[ScreenRow], 1, MAP_SCREENS)) return false;
  if (world.LevelGrid[ps[ScreenColumn]][ps[ScreenRow]] == 0) return false;
  return AllZero(ps, ScreenRow + 1, 20);
}

bool HeroValid(const SavedGame& s, int h) {
  const int* st = s.HeroStats[h];
  const int heroClass = st[hero::Class];
  const int level = st[hero::Level];
  if (!In(heroClass, 1, 3) || !In(level, 1, MAX_LEVEL)) return false;
  // Levels come from experience, one a battle, and stop at 30.
  const int experienceMax = ExpNeeded[MAX_LEVEL] + MAX_LEVEL * RICHEST_REWARD;
  if (!In(st[hero::Experience], ExpNeeded[level], experienceMax)) return false;

  const int main = MainAttribute(heroClass);
  const int gained = level - 1 + (level == MAX_LEVEL ? 1 : 0);
  for (int f = hero::BaseStrength; f <= hero::BaseIntelligence; ++f) {
    const int low = f == main ? 1 + gained : 1;
    const int high = CREATED_ATTRIBUTE_MAX + (f == main ? gained : 0);
    if (!In(st[f], low, high)) return false;
    // The effective value carries the potion boost or not.
    const int base = st[f];
    const int effective = st[f - hero::BaseStrength + hero::Strength];
    if (effective != base && effective != base + BOOST) return false;
  }
  const int endurance = st[hero::BaseEndurance];
  if (!In(endurance, level, CREATED_ATTRIBUTE_MAX + level - 1)) return false;
  if (st[hero::Endurance] != endurance) return false;
  if (!In(st[hero::Health], 1, 2 * endurance)) return false;
  if (!In(st[hero::MaxHealth], 2, 2 * (CREATED_ATTRIBUTE_MAX + MAX_LEVEL - 1)) ||
      st[hero::MaxHealth] % 2 != 0)
    return false;

  // Derived values, rebuilt every frame: within what the derivation gives.
  const float strongest = 1.0f + 0.05f * static_cast<float>(CREATED_ATTRIBUTE_MAX + MAX_LEVEL + BOOST);
  const int damageMax = Rounded(strongest, LargestItemField(CATEGORY_WEAPON, item::SecondaryStat));
  if (!In(st[hero::DamageMin], 1, st[hero::DamageMax]) || !In(st[hero::DamageMax], 1, damageMax))
    return false;
  if (!In(st[hero::AttackDelay], 0, 200)) return false;
  const int protectionMax = LargestItemField(CATEGORY_SHIELD, item::SecondaryStat) +
                            LargestItemField(CATEGORY_ARMOUR, item::PrimaryStat) +
                            LargestItemField(CATEGORY_HELM, item::PrimaryStat);
  if (!In(st[hero::Protection], 0, protectionMax)) return false;
  if (!In(st[hero::Blocking], 0, LargestItemField(CATEGORY_SHIELD, item::PrimaryStat))) return false;
  const int spellMax = Rounded(strongest, LargestSpellDamage());
  if (!In(st[hero::SpellDamageMin], 0, st[hero::SpellDamageMax]) ||
      !In(st[hero::SpellDamageMax], 0, spellMax))
    return false;
  if (!In(st[hero::HitRatio], 0, 100) || !In(st[hero::BlockRatio], 0, 100)) return false;

  // Counts kept by battles.
  if (!In(st[hero::Attacks], 0, COUNT_LIMIT) || !In(st[hero::Hits], 0, st[hero::Attacks])) return false;
  if (!In(st[hero::Kills], 0, st[hero::Hits])) return false;
  if (!In(st[hero::BlockAttempts], 0, COUNT_LIMIT) || !In(st[hero::Blocks], 0, st[hero::BlockAttempts]))
    return false;
  if (!In(st[hero::DamageDealt], 0, COUNT_LIMIT) || !In(st[hero::DamageTaken], 0, COUNT_LIMIT)) return false;

  // A spell is known from level 2k - 1.
  if (!In(st[hero::Spell], 1, std::min(SPELL_COUNT, (level + 1) / 2))) return false;
  // Portrait 7 is the special hero's, and he is always hero 1.
  if (!In(st[hero::Face], 1, h == 1 ? SPECIAL_PORTRAIT : ORDINARY_PORTRAITS)) return false;
  if (st[hero::Reserved] != 0) return false;

  for (int b = 1; b <= 3; ++b) {
    if (!In(s.HeroTimers[h][b], 0, COUNT_LIMIT)) return false;
  }
  return true;
}

// An item as the game keeps it: a real item of its category, and a
// condition between worn out and new (items without one keep 0).
bool ItemValid(int category, int number, int condition) {
  if (!In(category, 1, CATEGORY_POTION) || !In(number, 1, ItemCount(category))) return false;
  return In(condition, 0, ItemStats(category, number, item::MaxCondition));
}

bool EquipmentValid(const SavedGame& s, int h) {
  for (int slot = 1; slot <= 5; ++slot) {
    const int* e = s.HeroEquipment[h][slot];
    if (e[1] == 0) {
      if (!AllZero(e, 1, 20)) return false;
      continue;
    }
    if (!ItemValid(slot, e[1], e[2])) return false;
    // The item's own fields, copied when it was equipped.
    for (int f = 3; f <= 6; ++f) {
      if (e[f] != ItemStats(slot, e[1], item::PrimaryStat + f - 3)) return false;
    }
    if (!AllZero(e, 7, 20)) return false;
  }
  return true;
}

// Every item lies wholly inside the grid and on no other.
bool InventoryValid(const SavedGame& s) {
  bool covered[11][11] = {};
  for (int c = 1; c <= 10; ++c) {
    for (int r = 1; r <= 10; ++r) {
      const int* cell = s.PartyInventory[c][r];
      if (cell[1] == 0) {
        if (!AllZero(cell, 1, 20)) return false;
        continue;
      }
      if (!ItemValid(cell[1], cell[2], cell[3]) || !AllZero(cell, 4, 20)) return false;
      const int width = ItemStats(cell[1], cell[2], item::GridWidth);
      const int height = ItemStats(cell[1], cell[2], item::GridHeight);
      if (c + width - 1 > 10 || r + height - 1 > 10) return false;
      for (int x = c; x < c + width; ++x) {
        for (int y = r; y < r + height; ++y) {
          if (covered[x][y]) return false;
          covered[x][y] = true;
        }
      }
    }
  }
  return true;
}

bool KillsValid(const SavedGame& s) {
  // Battles are won against monsters 1..16 only.
  for (int m = 1; m <= 20; ++m) {
    if (!In(s.MonsterKills[m], 0, m <= 16 ? COUNT_LIMIT : 0)) return false;
  }
  return true;
}

// Each pool keeps the comments not yet said in their first order: a count,
// then that many rising numbers 1..10, then zeros.
bool CommentsValid(const SavedGame& s) {
  for (int set = 1; set <= AREAS; ++set) {
    const int* pool = s.CommentPool[set];
    const int count = pool[0];
    if (!In(count, 0, 10)) return false;
    for (int i = 1; i <= count; ++i) {
      if (!In(pool[i], i == 1 ? 1 : pool[i - 1] + 1, 10)) return false;
    }
    if (!AllZero(pool, count + 1, 10)) return false;
  }
  for (int a = 1; a <= AREAS; ++a) {
    if (!In(s.AreaIntroShown[a], 0, 1)) return false;
  }
  return true;
}

// A chest holds two or three items drawn from its level's table.
bool ChestValid(const int* record, const WorldTables& world, int level) {
  const int count = record[chest::Count];
  if (!In(record[chest::Opened], 0, 1) || !In(count, 2, 3)) return false;
  for (int k = 1; k <= 3; ++k) {
    const int category = record[2 * k - 1], number = record[2 * k];
    if (k > count) {
      if (category != 0 || number != 0) return false;
      continue;
    }
    bool drawable = false;
    for (int row = 1; row <= 100 && !drawable; ++row) {
      drawable = world.LevelTable[level][row][level::ItemCategory] == category &&
                 world.LevelTable[level][row][level::ItemNumber] == number;
    }
    if (!drawable) return false;
  }
  return true;
}

// Seen cells only on the screens of the world; the spare slice holds the
// chest records and nothing else.
bool ExploredValid(const SavedGame& s, const WorldTables& world) {
  for (int c = 1; c <= MAP_SCREENS; ++c) {
    for (int r = 1; r <= MAP_SCREENS; ++r) {
      if (c == CHEST_COLUMN && r == CHEST_ROW) continue;
      const int seenMax = world.LevelGrid[c][r] == 0 ? 0 : 1;
      for (int x = 0; x < SCREEN_CELLS_X; ++x) {
        for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
          if (!In(s.ExploredMap[c][r][x][y], 0, seenMax)) return false;
        }
      }
    }
  }
  const auto& slice = s.ExploredMap[CHEST_COLUMN][CHEST_ROW];
  for (int x = 0; x < SCREEN_CELLS_X; ++x) {
    const bool record = x >= 1 && x <= 20;
    if (record && !ChestValid(slice[x], world, std::min(x + 2, LEVELS))) return false;
    if (!AllZero(slice[x], record ? chest::Count + 1 : 0, SCREEN_CELLS_Y - 1)) return false;
  }
  return true;
}

}  // namespace

bool SavedGameValid(const SavedGame& s, const WorldTables& world) {
  if (!PartyValid(s, world)) return false;
  for (int h = 1; h <= 2; ++h) {
    if (!HeroValid(s, h) || !EquipmentValid(s, h)) return false;
  }
  return InventoryValid(s) && KillsValid(s) && CommentsValid(s) && ExploredValid(s, world);
}

}  // namespace vv
