#pragma once
// Combat: the battle being fought, and what the party has killed.

namespace vv {

struct CombatTables {
  int CombatMonster = 0;  // the battle's monster number 1..16
  // 0 until the combat screen has set the battle up on its first frame;
  // leaving combat (and loading a game) clears it for the next battle.
  int CombatSetUp = 0;
  // [1..20]: how many of each monster the party has killed (1..16 used).
  int MonsterKills[21] = {};

  // ---- the battle (reset when it is set up and when combat is left)
  int CombatTurn = 0;         // what is happening, see the TURN_ numbers in combat/combat.h
  int TurnTimers[4][3] = {};  // [1, 2 heroes, 3 monster][1 timer, 2 delay at which it acts]
  int MonsterHealth = 0;
  // [1] how the monster was last hurt (0 not, 1 weapon, burn or spikes,
  // 2 spell); [2] whom it last struck (0 nobody, 1 or 2 the hero hit,
  // 3 or 4 hero 1 or 2 blocked). Cleared when the resolution ends.
  int HitMarks[3] = {};
  int HeroBlocking[3] = {};   // [hero 1..2] 1 while blocking, until his next turn
  int CombatFrames = 0;       // frames spent resolving an action, or since the battle ended
  int SpellListOpen = 0;      // the Sorcerer's spell list over the battle
  int EndGameDialogOpen = 0;  // "End current game" asked: the battle stands still
  int FallenHero = 0;         // the hero whose death lost the battle (2 if both fell)
  int BattleLevelled = 0;     // some hero gained a level from this victory
  int DamageShown = 0;        // the number the resolution shows
  int HealShown = 0;          // what a rest gave back, shown on the resting hero
  int BlockingShield = 0;     // the shield that blocked, shown on the blocker's portrait

  // ---- the battle's pictures, loaded at set-up and released on leaving
  int BattleBackImage = 0;
  int MonsterImages[4] = {};  // [1 standing, 2 attacking, 3 dead]
  int SpellImages[15] = {};   // [spell 1..14]
};

}  // namespace vv
