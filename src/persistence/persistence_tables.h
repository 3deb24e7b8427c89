#pragma once
// Saved games: the slot screen's state. The screen's mode and its
// fresh-entry flag (SaveMode, SaveScreenFresh) and the dialog (ConfirmKind)
// belong to the shell's menus, which open the screen.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

namespace vv {

constexpr int SAVE_SLOTS = 8;
constexpr int QUICK_SLOT = 9;  // SelectedSlot and LoadRequest for the quicksave
constexpr int SAVE_MODE_SAVE = 1;
constexpr int SAVE_MODE_LOAD = 2;

struct SaveTables {
  int SlotUsed[SAVE_SLOTS + 1] = {};     // [slot 1..8] 1 when its .kqi is valid
  std::string SlotName[SAVE_SLOTS + 1];  // [slot 1..8] its name, else "( EMPTY SLOT )"
  int QuickAvailable = 0;                // load mode: 1 when quick.kqi is valid
  int SelectedSlot = 0;                  // 0 none, 1..8, 9 the quicksave (load mode)
  std::string EditName;                  // the name being typed (save mode), at most 15 characters
  int SaveRequest = 0;                   // slot to save to at the end of this frame's input, 0 none
  int LoadRequest = 0;                   // slot to load from, 9 the quicksave, 0 none
  int SaveCaretBlink = 1;                // 1..30 and back, one step a frame
  int SaveCaretStep = 1;

  // Writes one file of a saved game whole, or leaves the old one as it
  // was and answers false. Empty: the game's atomic file writer. Tests put
  // a failing writer here to see that a broken save loses nothing.
  std::function<bool(const std::filesystem::path&, std::span<const std::uint8_t>)> WriteSaveFile;
};

}  // namespace vv
