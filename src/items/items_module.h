#pragma once
// How the items subsystem plugs into the game: its constant tables, its
// screens and per-frame calls, its part of a new game and of the state dump.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Fills the subsystem's constant tables (start-up).
void InitItemsTables(Game& game);
// Puts the subsystem's screens and per-frame calls into the loop's table.
void AddItemsScreens(Game& game, LoopHooks& hooks);
// Resets the subsystem's tables for a new game.
void ResetItemsForNewGame(Game& game);
// Writes the subsystem's tables into the state dump.
void DumpItemsState(const Game& game, JsonWriter& json);

}  // namespace vv
