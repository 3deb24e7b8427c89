#pragma once
// The hero record's constant tables and the two per-frame operations that
// keep its derived fields current.

#include <array>
#include <string_view>

#include "game/game.h"

namespace vv {

constexpr int CLASS_FIGHTER = 1;
constexpr int CLASS_ROGUE = 2;
constexpr int CLASS_SORCERER = 3;
constexpr int MAX_LEVEL = 30;

constexpr std::array<std::string_view, 4> ClassNames = {"", "Fighter", "Rogue", "Sorcerer"};

// ExpNeeded[L]: total experience at which a hero reaches level L (2..30),
// 5 x (2^2 + 3^2 + ... + L^2); entries 1 and 31..50 are 0.
constexpr std::array<int, 51> MakeExpNeeded() {
  std::array<int, 51> table{};
  int sum = 0;
  for (int level = 2; level <= MAX_LEVEL; ++level) {
    sum += level * level;
    table[level] = 5 * sum;
  }
  return table;
}
constexpr std::array<int, 51> ExpNeeded = MakeExpNeeded();

// SpeedWords[delay 1..200]: an attack or cast delay in words (0 is empty).
constexpr std::array<std::string_view, 201> MakeSpeedWords() {
  struct Range {
    int from, to;
    std::string_view word;
  };
  constexpr Range ranges[] = {
      {1, 39, "Intolerable"}, {40, 59, "Extreme"},     {60, 69, "Incredible"}, {70, 79, "Excellent"},
      {80, 99, "Great"},      {100, 119, "Very Fast"}, {120, 139, "Fast"},     {140, 159, "Average"},
      {160, 179, "Slow"},     {180, 200, "Very Slow"},
  };
  std::array<std::string_view, 201> words{};
  for (const Range& r : ranges) {
    for (int d = r.from; d <= r.to; ++d) words[d] = r.word;
  }
  return words;
}
constexpr std::array<std::string_view, 201> SpeedWords = MakeSpeedWords();

// The speed word of any delay; "" outside 1..200.
std::string_view SpeedWord(int delay);

// Effective strength, dexterity and intelligence: the base plus 10 while
// the matching potion boost runs. Once a frame, before the screen runs.
void ApplyAttributeBoosts(Game& game);
// Damage, attack delay, protection, blocking, maximum health, ratios and
// spell damage from the attributes and the equipment. Once a frame, after
// the screen has run.
void RecalcHeroStats(Game& game);

// After a won battle: raises the hero one level if its experience reaches
// the next level (below level 30 only). Returns whether it did.
bool CheckLevelUp(Game& game, int hero);
// One level up: the class's main attribute and endurance + 1 (the main
// attribute once more on reaching level 30) and full health.
void LevelUp(Game& game, int hero);

}  // namespace vv
