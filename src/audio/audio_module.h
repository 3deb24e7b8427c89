#pragma once
// How the audio subsystem plugs into the game: its constant tables, its
// screens and per-frame calls, its part of a new game and of the state dump.

#include "game/game.h"
#include "game/json_writer.h"
#include "shell/main_loop.h"

namespace vv {

// Fills the subsystem's constant tables (start-up).
void InitAudioTables(Game& game);
// Puts the subsystem's screens and per-frame calls into the loop's table.
void AddAudioScreens(Game& game, LoopHooks& hooks);
// Resets the subsystem's tables for a new game.
void ResetAudioForNewGame(Game& game);
// Writes the subsystem's tables into the state dump.
void DumpAudioState(const Game& game, JsonWriter& json);

}  // namespace vv

namespace vv {
// Opens the music side once the sounds are loaded (start-up).
void InitAudio(Game& game);
}  // namespace vv
