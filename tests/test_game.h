#pragma once
// What many tests share: the party they play with, seeds that make the
// next rolls come out as wanted, and whether a text was drawn since the
// platform's trace was last cleared.

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <random>
#include <string_view>

#include "game/game.h"
#include "game/game_setup.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "shell/assets.h"

namespace vv::test {

// A game on `platform` with the game's pictures (white as the mask colour),
// its fonts and every constant table, as start-up leaves it.
inline std::unique_ptr<Game> MakeLoadedGame(Platform& platform) {
  RegisterAssets(platform);
  platform.SetMaskColor(255, 255, 255);
  auto game = std::make_unique<Game>(platform);
  LoadFonts(*game);
  LoadGameImages(*game);
  MakeStartupHooks(*game).initTables();
  return game;
}

// ARNE the Fighter and BIRGIT the Sorcerer, of one level and with every
// attribute alike, at full health, the first spell chosen. Tests change
// what they need from there.
inline void MakeTwoHeroes(Game& g, int level = 1, int attribute = 10) {
  for (int h = 1; h <= 2; ++h) {
    int* s = g.HeroStats[h];
    g.HeroNames[h] = h == 1 ? "ARNE" : "BIRGIT";
    s[hero::Class] = h == 1 ? CLASS_FIGHTER : CLASS_SORCERER;
    s[hero::Level] = level;
    s[hero::Face] = h;
    s[hero::Spell] = 1;
    for (int f = hero::BaseStrength; f <= hero::BaseEndurance; ++f) s[f] = attribute;
    s[hero::MaxHealth] = s[hero::Health] = 2 * attribute;
  }
}

// Puts an item into a hero's slot as the inventory would: its number, its
// condition (full unless given) and the copied item fields.
inline void EquipItem(Game& game, int h, int slot, int item, int condition = -1) {
  int* e = game.HeroEquipment[h][slot];
  e[1] = item;
  e[2] = condition >= 0 ? condition : ItemStats(slot, item, item::MaxCondition);
  for (int f = item::PrimaryStat; f <= item::MaxCondition; ++f) e[f - 2] = ItemStats(slot, item, f);
}

// Puts an item into the inventory grid at its top-left cell, in full condition.
inline void PutInGrid(Game& g, int column, int row, int category, int number) {
  int* cell = g.PartyInventory[column][row];
  cell[1] = category, cell[2] = number, cell[3] = ItemStats(category, number, item::MaxCondition);
}

// One roll the game will make: Rand(low, high) giving `value`.
struct Roll {
  int low, high, value;
};

// A seed whose next rolls come out as listed (rolls with low == high draw
// nothing and are left out by the caller).
inline std::uint32_t SeedForRolls(std::initializer_list<Roll> rolls) {
  for (std::uint32_t seed = 1;; ++seed) {
    std::mt19937 random(seed);
    bool all = true;
    for (const Roll& r : rolls) {
      const auto span = static_cast<std::uint32_t>(r.high - r.low + 1);
      all = all && r.low + static_cast<int>(random() % span) == r.value;
    }
    if (all) return seed;
  }
}

// A key held down through `frame` and let go before `after` (by default
// `frame` once more).
template <class Frame>
void HoldKey(Platform& p, int key, Frame&& frame, const std::function<void()>& after = {}) {
  p.ScriptKey(key, true);
  frame();
  p.ScriptKey(key, false);
  after ? after() : frame();
}

// A mouse button pressed at (x, y) through `frame` and let go before `after`
// (by default `frame` once more).
template <class Frame>
void ClickAt(Platform& p, int x, int y, int button, Frame&& frame, const std::function<void()>& after = {}) {
  p.ScriptMouse(x, y);
  p.ScriptButton(button, true);
  frame();
  p.ScriptButton(button, false);
  after ? after() : frame();
}

// How often a text was drawn since the platform's trace was last cleared.
inline int TextCount(const Platform& platform, std::string_view text) {
  int n = 0;
  for (const auto& t : platform.TextTrace()) n += t.text == text;
  return n;
}
inline bool TextDrawn(const Platform& platform, std::string_view text) {
  return TextCount(platform, text) > 0;
}

}  // namespace vv::test
