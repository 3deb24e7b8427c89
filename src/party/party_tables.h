#pragma once
// The heroes: their record, names and potion boost timers.

#include <string>

namespace vv {

// Fields of a hero's record in HeroStats[hero][field].
namespace hero {
enum Field : int {
  Class = 1,
  Level = 2,
  Experience = 3,
  Health = 4,
  Strength = 5,
  Dexterity = 6,
  Intelligence = 7,
  Endurance = 8,
  DamageMin = 9,
  DamageMax = 10,
  AttackDelay = 11,
  Protection = 12,
  Blocking = 13,
  MaxHealth = 14,
  Kills = 15,
  HitRatio = 16,
  Attacks = 17,
  Hits = 18,
  Spell = 19,
  Face = 20,
  BaseStrength = 21,
  BaseDexterity = 22,
  BaseIntelligence = 23,
  BaseEndurance = 24,
  Reserved = 25,
  SpellDamageMin = 26,
  SpellDamageMax = 27,
  DamageDealt = 28,
  DamageTaken = 29,
  BlockAttempts = 30,
  Blocks = 31,
  BlockRatio = 32,
};
}  // namespace hero

struct PartyTables {
  int HeroStats[3][33] = {};  // [hero 1..2][field 1..32]
  std::string HeroNames[3];   // [hero 1..2], Latin-1
  int HeroTimers[3][4] = {};  // [hero 1..2][boost 1 strength, 2 dexterity, 3 intelligence]
  // The hero the inventory, character sheet and spell screens show (1 or 2);
  // whoever opens one of them sets it first.
  int SelectedHero = 1;

  // Character creation: the two heroes being made.
  int CreatedHeroes[3][7] = {};  // [hero 1..2][1 portrait, 2 class, 3 str, 4 dex, 5 int, 6 end]
  std::string DraftNames[3];     // [hero 1..2]
  int RollCandidates[5] = {};    // attribute fields 3..6 still open during a roll
  int RollCandidateCount = 0;
  int RollPhase = 0;  // 0..2, advanced per point rolled; kept for the whole run, never reset
  int RerollRequest = 0;
  int TypingHero = 0;      // hero whose name is being typed, 0 none
  std::string TypingText;  // the name typed so far
  int CaretBlink = 0;      // 0..30
};

}  // namespace vv
