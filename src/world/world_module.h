#pragma once
// How the world subsystem plugs into the game: its constant tables, its
// screens and per-frame calls, its part of a new game and of the state dump.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Fills the subsystem's constant tables (start-up).
void InitWorldTables(Game& game);
// Puts the subsystem's screens and per-frame calls into the loop's table.
void AddWorldScreens(Game& game, LoopHooks& hooks);
// Resets the subsystem's tables for a new game.
void ResetWorldForNewGame(Game& game);
// Forgets the exploration screen as it was left (its tiles, banners, speech
// box, prompt and request), so that its next frame builds the party's
// screen anew: for a new game and a loaded one.
void ForgetExplorationScreen(Game& game);
// Writes the subsystem's tables into the state dump.
void DumpWorldState(const Game& game, JsonWriter& json);

}  // namespace vv

namespace vv {
// Reads and checks the map (start-up); false when it is invalid.
bool LoadWorldMap(Game& game);
}  // namespace vv
