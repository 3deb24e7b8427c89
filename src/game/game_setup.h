#pragma once
// Wiring the subsystems into the shell: the constant tables filled at
// start-up, the loop's table of screens and per-frame calls, and the one
// place that resets every table for a new game.

#include "game/game.h"
#include "shell/main_loop.h"
#include "shell/startup.h"

namespace vv {

// The start-up hooks of this game (constant tables, map, audio).
StartupHooks MakeStartupHooks(Game& game);
// The screens and per-frame calls of this game.
LoopHooks MakeLoopHooks(Game& game);
// Resets every table a new game starts from (called by character creation).
void ResetGameTables(Game& game);

}  // namespace vv
