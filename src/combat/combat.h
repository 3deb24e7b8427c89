#pragma once
// The combat screen (screen 6) and the pieces of its frame: the set-up,
// the turn engine, the actions, the end of the battle and the drawing.

#include "game/game.h"

namespace vv {

// CombatTurn: what the battle is doing.
constexpr int TURN_TIMERS = 0;  // the turn timers run
constexpr int TURN_HERO_1 = 1;  // a hero chooses (hero = CombatTurn)
constexpr int TURN_HERO_2 = 2;
constexpr int TURN_MONSTER = 3;    // the monster strikes, within the frame
constexpr int RESOLVE_HERO_1 = 4;  // an action is shown (actor = CombatTurn - 3)
constexpr int RESOLVE_HERO_2 = 5;
constexpr int RESOLVE_MONSTER = 6;
constexpr int TURN_VICTORY = 7;
constexpr int TURN_DEFEAT = 8;

constexpr int MONSTER_SIDE = 3;            // the monster's row of TurnTimers
constexpr int TICKS_PER_FRAME = 200;       // at most, before the frame gives up
constexpr int RESOLUTION_FRAMES = 25;      // an action stays on screen this long
constexpr int END_SOUND_FRAME = 4;         // the death cry of the loser
constexpr int END_MUSIC_FRAME = 5;         // the battle music stops
constexpr int END_LEAVE_FRAME = 125;       // off to loot, exploration or the title
constexpr int FINAL_VICTORY_FRAMES = 300;  // Vorgash lies dead this long before the ending
constexpr int SPECIAL_HERO_FACE = 7;       // dies with his own sound

// The battle's sound requests: the first code of each family.
constexpr int SOUND_MISS = 200;            // + 1..3
constexpr int SOUND_HERO_DEATH = 2000;     // + 1..3
constexpr int SOUND_MONSTER_DEATH = 3000;  // + monster
constexpr int SOUND_HIT = 8001;            // + weapon kind, 0 for bare hands
constexpr int SOUND_MONSTER_HIT = 9000;    // + monster
constexpr int SOUND_REST = 11000;
constexpr int SOUND_BREAK = 12000;       // + equipment slot
constexpr int SOUND_BLOCK = 13000;       // a blow caught on a shield
constexpr int SOUND_DEFEND = 13001;      // a hero raises his shield
constexpr int SOUND_SPELL = 20000;       // + spell
constexpr int SOUND_DEEP_SINK = 500000;  // the special hero falls

// HitMarks[1]: how the monster was hurt.
constexpr int HURT_BY_BLOW = 1;  // a weapon, a burn or the spikes
constexpr int HURT_BY_SPELL = 2;

// Hero commands of the combat menu, in the order of its rows.
enum Command : int {
  COMMAND_NONE = 0,
  COMMAND_LIGHT = 1,
  COMMAND_NORMAL = 2,
  COMMAND_HEAVY = 3,
  COMMAND_REST = 4,
  COMMAND_BLOCK = 5,
  COMMAND_CAST = 6,
};
constexpr int MENU_ROWS = 6;
constexpr int MENU_X = 455, MENU_Y = 624, MENU_ROW_STEP = 24, MENU_ROW_W = 146, MENU_ROW_H = 22;

// The monster stands on this point; effects are anchored half its height up.
constexpr int MONSTER_X = 512, MONSTER_FEET_Y = 591;
constexpr int BATTLE_VIEW_H = 614;  // the battle's picture above the hero panels
constexpr int PORTRAIT_X[3] = {0, 23, 232};
constexpr int PORTRAIT_Y = 635;

// ---- set-up and the turn engine (turn_engine.cpp)
// The first frame of a battle: the monster, its health, the timers, the
// pictures.
void SetUpBattle(Game& game);
// Timers tick until somebody is ready, 200 ticks at most.
void RunTurnEngine(Game& game);
// The first of heroes 1, 2 and the monster whose timer reached his delay
// gets the turn; false when nobody is ready.
bool GiveTurnToReady(Game& game);
// Equipment worn down to nothing falls apart, with the sound of its slot.
void RemoveBrokenEquipment(Game& game);
// Counts the resolution frames; the last one passes the turn on or ends
// the battle.
void AdvanceResolution(Game& game);
// Leaving the combat screen: the pictures and the battle's state go; a
// battle left for the title or the ending also ends the game.
void LeaveCombat(Game& game);
// The battle's state back to nothing (timers, marks, counters).
void ClearBattle(Game& game);

// ---- the heroes' and the monster's actions (combat_actions.cpp)
// Damage range of an attack for the hero's current DamageMin and DamageMax.
void AttackRange(const Game& game, int hero, int attack, int& low, int& high);
bool IsSorcerer(const Game& game, int hero);
void HeroAttack(Game& game, int hero, int attack);
void HeroRest(Game& game, int hero);
void HeroBlock(Game& game, int hero);
// False (and "NOT ENOUGH HEALTH") when the hero cannot pay for the spell.
bool HeroCast(Game& game, int hero);
void MonsterAttack(Game& game);

// ---- the hero's turn (hero_turn.cpp)
// Reads the menu, the spell list and carries out the chosen command.
void RunHeroTurn(Game& game);
// The command of the menu row under the mouse (0 none).
int MenuRowUnderMouse(const Game& game);

// ---- the end of a battle (battle_end.cpp)
// Loot and experience on the first frame of a victory.
void RollBattleLoot(Game& game);
void AwardExperience(Game& game);
void AdvanceVictory(Game& game);
void AdvanceDefeat(Game& game);

// ---- drawing (combat_display.cpp, combat_panels.cpp)
// The hero whose menu is shown: his turn or the resolution of his action.
int ActingHero(const Game& game);
void DrawBattle(Game& game);
// Blows, blocks and rests on the heroes' portraits.
void DrawPortraitEffects(Game& game);
void DrawHeroPanels(Game& game);
void DrawCombatMenu(Game& game);
void DrawEquipmentPanel(Game& game);
void DrawBattleEndTexts(Game& game);

// One frame of the combat screen.
void RunCombat(Game& game);

}  // namespace vv
