#pragma once
// How the party subsystem plugs into the game: its constant tables, its
// screens and per-frame calls, its part of a new game and of the state dump.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Fills the subsystem's constant tables (start-up).
void InitPartyTables(Game& game);
// Puts the subsystem's screens and per-frame calls into the loop's table.
void AddPartyScreens(Game& game, LoopHooks& hooks);
// Resets the subsystem's tables for a new game.
void ResetPartyForNewGame(Game& game);
// Writes the subsystem's tables into the state dump.
void DumpPartyState(const Game& game, JsonWriter& json);

}  // namespace vv
