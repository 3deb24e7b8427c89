#include "combat/combat_module.h"

#include "combat/combat.h"

namespace vv {

void AddCombatScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_COMBAT] = [&game] { RunCombat(game); };
}

void ResetCombatForNewGame(Game& game) {
  ClearBattle(game);
  game.CombatMonster = 0;
  game.CombatSetUp = 0;
  game.MonsterHealth = 0;
  for (int& kills : game.MonsterKills) kills = 0;
}

void DumpCombatState(const Game& game, JsonWriter& json) {
  json.Number("CombatTurn", game.CombatTurn);
  json.BeginArray("TurnTimers");
  for (int k = 1; k <= MONSTER_SIDE; ++k) json.IntArray({}, game.TurnTimers[k], 1, 2);
  json.EndArray();
  json.Number("MonsterHealth", game.MonsterHealth);
  json.Number("CombatMonster", game.CombatMonster);
  json.IntArray("HitMarks", game.HitMarks, 1, 2);
  json.IntArray("HeroBlocking", game.HeroBlocking, 1, 2);
  json.IntArray("MonsterKills", game.MonsterKills, 1, 20);
  json.Number("CombatSetUp", game.CombatSetUp);
  json.Number("CombatFrames", game.CombatFrames);
  json.Number("SpellListOpen", game.SpellListOpen);
  json.Number("EndGameDialogOpen", game.EndGameDialogOpen);
}

}  // namespace vv
