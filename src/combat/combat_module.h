#pragma once
// How the combat subsystem plugs into the game: its screens, its part of
// a new game and of the state dump.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Puts the combat screen into the loop's table.
void AddCombatScreens(Game& game, LoopHooks& hooks);
// Resets the subsystem's tables for a new game.
void ResetCombatForNewGame(Game& game);
// Writes the subsystem's tables into the state dump.
void DumpCombatState(const Game& game, JsonWriter& json);

}  // namespace vv
