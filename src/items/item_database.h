#pragma once
// The item database: every item the party can find, carry, equip or drink,
// as the pair (category 1..6, item number). Constant for the whole run.

#include <array>
#include <string>
#include <string_view>

namespace vv {

// Item categories; 1..5 are also the equipment slots.
constexpr int CATEGORY_WEAPON = 1;
constexpr int CATEGORY_SHIELD = 2;
constexpr int CATEGORY_ARMOUR = 3;
constexpr int CATEGORY_HELM = 4;
constexpr int CATEGORY_AMULET = 5;
constexpr int CATEGORY_POTION = 6;

// Fields of ItemStats[category][item][field].
namespace item {
enum Field : int {
  ImageWidth = 1,
  ImageHeight = 2,
  GridWidth = 3,
  GridHeight = 4,
  PrimaryStat = 5,
  SecondaryStat = 6,
  Speed = 7,
  MaxCondition = 8,
  HitSound = 19,
  DropSound = 20,
  UseSound = 21,
};
// Fields of ItemText[category][item][field].
enum TextField : int { Name = 1, Description = 2, BonusText = 6 };
}  // namespace item

// ItemStats[category 0..6][item 0..50][field 0..50]; 0 for everything not
// listed, so item 0 of any category is the all-zero empty slot.
// [c][0][0] is ItemCount, the number of items of category c.
int ItemStats(int category, int item, int field);
int ItemCount(int category);
// ItemText[category][item][field]: Name, Description, BonusText; "" if none.
const std::string& ItemText(int category, int item, int field);

// A weapon's Speed 1..5 in words (index 0 is empty).
constexpr std::array<std::string_view, 6> WeaponSpeedWords = {"",        "Very Slow", "Slow",
                                                              "Average", "Fast",      "Very Fast"};

// The longest line the detail panels give a description: WrapText at this
// width, of which four lines are shown.
constexpr int DESCRIPTION_WRAP_WIDTH = 470;
constexpr int DESCRIPTION_LINES_SHOWN = 4;

}  // namespace vv
