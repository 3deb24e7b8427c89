#pragma once
// Saving and loading a whole game: the slots of the save/load screen and
// the quicksave of the exploration screen write and read the same files.

#include <string>

#include "game/game.h"

namespace vv {

// Writes the game in progress into slot 1..8 under the slot's name, or
// into the quicksave for QUICK_SLOT. The slot information goes first and
// the game data after it, each written whole beside the old file and then
// put in its place; a write that fails puts the slot information back, so
// the slot still holds its old game. False when anything failed.
bool SaveGame(Game& game, int slot);
// Reads the game data of slot 1..8 or of the quicksave, checks all of it,
// and only then puts it in the place of the running game (on the screen it
// was saved on, with "GAME LOADED" to come). False, with nothing changed,
// for a missing, damaged or foreign file.
bool LoadGame(Game& game, int slot);

// The name in a slot's information file; false when the slot is empty.
bool ReadSlotName(const Game& game, int slot, std::string& name);
// Whether the quicksave's game data exists and starts with its magic number.
bool QuicksaveExists(const Game& game);

// The messages of a failed save or load, with the alarm.
void ReportSaveFailed(Game& game);
void ReportInvalidFile(Game& game);

// Quicksave and quickload, confirmed on the exploration screen.
void QuickSave(Game& game);
void QuickLoad(Game& game);

}  // namespace vv
