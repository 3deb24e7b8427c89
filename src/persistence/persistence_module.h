#pragma once
// How saved games plug into the game: the save/load screen, and their part
// of a new game and of the state dump.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Puts the save/load screen into the loop's table.
void AddPersistenceScreens(Game& game, LoopHooks& hooks);
// Clears the slot screen's state for a new game.
void ResetPersistenceForNewGame(Game& game);
// Writes the slot screen's state into the state dump.
void DumpPersistenceState(const Game& game, JsonWriter& json);

}  // namespace vv
