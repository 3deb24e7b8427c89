#pragma once
// What the special items do. The numbers live here; the screens that carry
// the rules out (exploration, inventory, combat, loot) take them from here.

#include "game/game.h"

namespace vv {

// Amulets, worn in equipment slot 5.
constexpr int SAPPHIRE_AMULET = 1;  // a monster blow that hits the wearer loses 2 first, then protection
constexpr int NATURAL_PENDANT = 2;  // resting heals 20 % of MaxHealth instead of 10 %
constexpr int EYE_OF_KALTIAS = 3;   // the wearer's attacks hit more often
constexpr int TOOTH_NECKLACE = 4;   // loot draws succeed more often if either hero wears it
constexpr int GOLDEN_AMULET = 5;    // a monster blow on the wearer burns the monster

constexpr int SAPPHIRE_REDUCTION = 2;
constexpr int GOLDEN_AMULET_BURN = 40;  // health the attacker loses, counted as the wearer's damage dealt

// The one shield with an effect: each block costs the attacker 50 health,
// counted as the wearer's damage dealt.
constexpr int SPIKE_SHIELD = 8;
constexpr int SPIKE_SHIELD_DAMAGE = 50;

// Potions, drunk from the inventory by the hero whose inventory is open.
constexpr int RED_POTION = 1;           // Health = MaxHealth
constexpr int STRENGTH_POTION = 2;      // boost timer 1 + 30
constexpr int DEXTERITY_POTION = 3;     // boost timer 2 + 30
constexpr int INTELLIGENCE_POTION = 4;  // boost timer 3 + 30
constexpr int POTION_BOOST_TIME = 30;   // moves; timers add up

// Attack kinds.
constexpr int ATTACK_LIGHT = 1;
constexpr int ATTACK_NORMAL = 2;
constexpr int ATTACK_HEAVY = 3;

// Percent chance that an attack of this kind hits (90, 75, 50; with the
// Eye of Kaltias 100, 85, 60).
int HitChance(int attack, bool eyeOfKaltias);
// Percent chance of each of the three loot draws after a won battle.
int LootDrawChance(bool toothNecklace);
// A weapon that hits loses 1 condition when a draw of 1..n comes up: the n
// for this attack (light 3, normal 2, heavy 1; a Rogue's n is doubled).
int WeaponWearOdds(int attack, bool rogue);
// Health a rest gives back: 10 % of MaxHealth rounded, 20 % with the
// Natural Pendant, at least 1.
int RestHealing(int maxHealth, bool naturalPendant);
// A monster blow on a Sapphire Amulet wearer, before protection.
int SapphireReduced(int damage);

// Whether hero 1 or 2 wears this amulet.
bool WearsAmulet(const Game& game, int hero, int amulet);
// Applies a potion to a hero.
void DrinkPotion(Game& game, int hero, int potion);

}  // namespace vv
