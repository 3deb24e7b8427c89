#pragma once
// Rolling the heroes of a new party: the default names, the attribute caps
// of each class, the point distribution and the special hero.

#include <array>
#include <string_view>

#include "game/game.h"

namespace vv {

// Fields of CreatedHeroes[hero][field].
namespace created {
enum Field : int { Portrait = 1, Class = 2, Strength = 3, Dexterity = 4, Intelligence = 5, Endurance = 6 };
}  // namespace created

// The portrait of the special hero; ordinary heroes have 1..6.
constexpr int SPECIAL_PORTRAIT = 7;
constexpr int ORDINARY_PORTRAITS = 6;
constexpr int NAME_LENGTH = 8;

// Hero 1 draws from entries 1..15, hero 2 from 16..30; entry 1 is the
// special hero.
constexpr std::array<std::string_view, 31> DefaultNames = {
    "",       "THUDRIK", "ALDWIN", "BRENNA", "CORMAG", "DAGNY",  "EDRIC", "FENWICK",
    "GWENDA", "HALVARD", "ISOLDE", "JORUND", "KAIA",   "LORCAN", "MAEVE", "NORVIN",
    "OSRIC",  "PERRIN",  "QUILLA", "ROWAN",  "SELKA",  "TAMSIN", "ULRIK", "VESNA",
    "WYNN",   "YSOLDE",  "ZARA",   "BERRIC", "ELOWEN", "MARROK", "ORLA",
};

// ClassCaps[class][attribute field 3..6].
constexpr int ClassCaps[4][7] = {
    {},
    {0, 0, 0, 10, 5, 5, 10},  // Fighter
    {0, 0, 0, 5, 10, 5, 10},  // Rogue
    {0, 0, 0, 5, 5, 10, 10},  // Sorcerer
};

// The special hero's attributes, whatever is rolled.
constexpr int SPECIAL_ATTRIBUTES[7] = {0, 0, 0, 10, 10, 1, 10};

// Distributes 12..20 points over the hero's four attributes (each starts at
// 1 and stops at its class cap); two picks out of every three lean toward
// the class's cap-10 attributes.
void RollHero(Game& game, int hero);
// The first frame after NEW GAME: names, portraits and classes at random,
// every attribute 1 and a reroll requested.
void FreshStart(Game& game);

}  // namespace vv
