#pragma once
// How the ending plugs into the game: its screen, its part of a new game
// and of the state dump, and the way in from the final battle.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Puts the ending screen into the loop's table.
void AddEndingScreens(Game& game, LoopHooks& hooks);
// Resets the ending's state for a new game.
void ResetEndingForNewGame(Game& game);
// Writes the ending's state into the state dump.
void DumpEndingState(const Game& game, JsonWriter& json);

// The win over Vorgash: the story starts below the screen and the battle
// fades into it.
void StartEnding(Game& game);
// One frame of the ending (screen 24).
void RunEndingScreen(Game& game);

}  // namespace vv
