#include "items/item_database.h"

#include <span>

#include "items/item_descriptions.h"

namespace vv {
namespace {

// One line of the item table. The grid footprint is the picture size
// divided by 40.
struct ItemRow {
  const char* name;
  int width, height;
  int primary, secondary, speed, maxCondition;
  int hit, drop, use;
  const char* bonus;
};

// Weapons: PrimaryStat-SecondaryStat is the damage range.
// clang-format off
constexpr ItemRow WEAPONS[] = {
    // name               w,   h, min, max, spd, cnd, hit, drp, use bonus
    {"Dagger",            40,  80,   1,   3,   5,  12,   1,   1,   0, ""},
    {"Elven Dagger",      40,  80,   2,   3,   5,  14,   1,   1,   0, ""},
    {"Club",              40, 120,   3,   5,   3,  16,   3,   8,   0, ""},
    {"Wooden Staff",      40, 200,   4,   4,   4,  14,   2,   7,   0, ""},
    {"Short Sword",       40, 120,   4,   6,   5,  20,   1,   9,   0, ""},
    {"Hand Axe",          40, 120,   5,   7,   4,  20,   4,  11,   0, ""},
    {"Bull Whip",        120, 120,   6,   8,   4,  18,  12,  21,   0, ""},
    {"Sickle",            80, 120,   5,   9,   5,  18,  10,  11,   0, ""},
    {"Ant Mandible",      80, 120,   6,  10,   5,  14,   7,  13,   0, ""},
    {"Pitchfork",         80, 160,   8,  12,   3,  20,   8,   7,   0, ""},
    {"Long Sword",        40, 160,   9,  13,   4,  22,   1,   9,   0, ""},
    {"Axe",               80, 160,  12,  15,   2,  20,   4,  11,   0, ""},
    {"Caveman's Club",    40, 160,  14,  16,   1,  30,   3,   8,   0, ""},
    {"Flail",             80, 120,  12,  18,   5,  18,   6,  18,   0, ""},
    {"Scythe",            80, 160,  14,  20,   4,  20,  10,  11,   0, ""},
    {"Sledge",            80, 120,  18,  22,   1,  30,   9,  19,   0, ""},
    {"Pike",              40, 200,  20,  24,   2,  20,   8,   7,   0, ""},
    {"Halberd",           40, 200,  22,  26,   2,  20,   5,  11,   0, ""},
    {"Giant Sword",       40, 200,  26,  30,   3,  30,   5,   9,   0, ""},
    {"Gargantuan Maul",  120, 200,  35,  50,   1,  50,  11,  20,   0, ""},
};
// clang-format on

// Shields: PrimaryStat is the blocking percent, SecondaryStat protection.
// clang-format off
constexpr ItemRow SHIELDS[] = {
    // name              w,   h, blk, prt, spd, cnd, hit, drp, use bonus
    {"Buckler",          80,  80,   5,   2,   0,   8,   0,  24,   0, ""},
    {"Wooden Shield",   120, 120,  10,   4,   0,  10,   0,  13,   0, ""},
    {"Rusty Shield",    160, 120,  16,   2,   0,   8,   0,  14,   0, ""},
    {"Bronze Shield",   120, 120,  15,   6,   0,  14,   0,   2,   0, ""},
    {"Mystic Shield",   120, 120,  18,  10,   0,  16,   0,  23,   0, ""},
    {"Kite Shield",     120, 160,  22,   8,   0,  16,   0,   2,   0, ""},
    {"Tortoise Shell",  120, 160,  20,  13,   0,  30,   0,  25,   0, ""},
    {"Spike Shield",    160, 160,  24,  10,   0,  16,   0,  23,   0, ""},
    {"Tower Shield",    120, 200,  28,  10,   0,  20,   0,   2,   0, ""},
    {"Wall Shield",     160, 200,  32,  12,   0,  18,   0,  22,   0, ""},
};
// clang-format on

// Body armour: PrimaryStat is the protection percent.
// clang-format off
constexpr ItemRow ARMOURS[] = {
    // name            w,   h, prt,   -, spd, cnd, hit, drp, use bonus
    {"Cape",           160, 200,   4,   0,   0,  12,   0,   3,   0, ""},
    {"Leather Armor",  160, 160,   8,   0,   0,  14,   0,   3,   0, ""},
    {"Chain mail",     160, 200,  15,   0,   0,  18,   0,  18,   0, ""},
    {"Breast Plate",   120, 160,  20,   0,   0,  18,   0,   2,   0, ""},
    {"Plate Armor",    200, 200,  30,   0,   0,  22,   0,   2,   0, ""},
};
// clang-format on

// Helms: PrimaryStat is the protection percent.
// clang-format off
constexpr ItemRow HELMS[] = {
    // name               w,   h, prt,   -, spd, cnd, hit, drp, use bonus
    {"Executioner Cap",   80,  80,   2,   0,   0,   6,   0,  17,   0, ""},
    {"Leather Cap",       80,  80,   4,   0,   0,   8,   0,   4,   0, ""},
    {"Crown",             80,  40,   6,   0,   0,  14,   0,  12,   0, ""},
    {"Metal Cap",         80,  80,   8,   0,   0,  14,   0,  10,   0, ""},
    {"Ant Head",          80,  80,  10,   0,   0,   8,   0,   4,   0, ""},
    {"Chain Coif",        80,  80,  12,   0,   0,  12,   0,  15,   0, ""},
    {"Steel Helm",        80,  80,  14,   0,   0,  14,   0,   2,   0, ""},
    {"Knight Helm",       80,  80,  16,   0,   0,  12,   0,  10,   0, ""},
    {"Horned Helm",       80,  80,  18,   0,   0,  14,   0,   2,   0, ""},
    {"Minotaur Mask",     80,  80,  20,   0,   0,  20,   0,  16,   0, ""},
};
// clang-format on

// Amulets: no numbers but the drop sound; what they do is in item_rules.h.
// clang-format off
constexpr ItemRow AMULETS[] = {
    // name               w,   h,   -,   -, spd, cnd, hit, drp, use bonus
    {"Sapphire Amulet",   40,  40,   0,   0,   0,   0,   0,   5,   0, "Damage reduced by 2"},
    {"Natural Pendant",   40,  40,   0,   0,   0,   0,   0,   5,   0, "Healing rate doubled"},
    {"Eye of Kaltias",    40,  40,   0,   0,   0,   0,   0,   5,   0, "increased chance to hit"},
    {"Tooth Necklace",    40,  40,   0,   0,   0,   0,   0,   5,   0, "Increased amount of loot"},
    {"Golden Amulet",     40,  40,   0,   0,   0,   0,   0,   5,   0, "Burns attackers"},
};
// clang-format on

// Potions: PrimaryStat 1 means the potion can be drunk.
// clang-format off
constexpr ItemRow POTIONS[] = {
    // name                   w,   h,  dr,   -, spd, cnd, hit, drp, use bonus
    {"Red Potion",            40,  80,   1,   0,   0,   0,   0,   6,   1, "Full healing"},
    {"Strength Potion",       40,  80,   1,   0,   0,   0,   0,   6,   1, "+10 strength"},
    {"Dexterity Potion",      40,  80,   1,   0,   0,   0,   0,   6,   1, "+10 dexterity"},
    {"Intelligence Potion",   40,  80,   1,   0,   0,   0,   0,   6,   1, "+10 intelligence"},
};
// clang-format on

constexpr std::span<const ItemRow> Rows(int category) {
  switch (category) {
    case CATEGORY_WEAPON:
      return WEAPONS;
    case CATEGORY_SHIELD:
      return SHIELDS;
    case CATEGORY_ARMOUR:
      return ARMOURS;
    case CATEGORY_HELM:
      return HELMS;
    case CATEGORY_AMULET:
      return AMULETS;
    case CATEGORY_POTION:
      return POTIONS;
    default:
      return {};
  }
}

constexpr const ItemRow* Row(int category, int item) {
  const std::span<const ItemRow> rows = Rows(category);
  if (item < 1 || item > static_cast<int>(rows.size())) return nullptr;
  return &rows[static_cast<std::size_t>(item - 1)];
}

// The text table as strings, built once from the rows and descriptions.
struct TextTable {
  std::string text[7][51][7];
  TextTable() {
    for (int c = 1; c <= 6; ++c) {
      for (int i = 1; i <= ItemCount(c); ++i) {
        const ItemRow& row = *Row(c, i);
        text[c][i][item::Name] = row.name;
        text[c][i][item::Description] = ItemDescription(c, i);
        text[c][i][item::BonusText] = row.bonus;
      }
    }
  }
};

const TextTable& Texts() {
  static const TextTable table;
  return table;
}

}  // namespace

int ItemCount(int category) {
  return static_cast<int>(Rows(category).size());
}

int ItemStats(int category, int item, int field) {
  if (item == 0 && field == 0) return ItemCount(category);
  const ItemRow* row = Row(category, item);
  if (!row) return 0;
  switch (field) {
    case item::ImageWidth:
      return row->width;
    case item::ImageHeight:
      return row->height;
    case item::GridWidth:
      return row->width / 40;
    case item::GridHeight:
      return row->height / 40;
    case item::PrimaryStat:
      return row->primary;
    case item::SecondaryStat:
      return row->secondary;
    case item::Speed:
      return row->speed;
    case item::MaxCondition:
      return row->maxCondition;
    case item::HitSound:
      return row->hit;
    case item::DropSound:
      return row->drop;
    case item::UseSound:
      return row->use;
    default:
      return 0;
  }
}

const std::string& ItemText(int category, int item, int field) {
  static const std::string empty;
  if (category < 0 || category > 6 || item < 0 || item > 50 || field < 0 || field > 6) return empty;
  return Texts().text[category][item][field];
}

}  // namespace vv
