#pragma once
// The state the game shell owns for one run: the screen machine, fades,
// input tables, text and message state, options, menu glow and the random
// generator, plus every loaded image and sound handle. The game's Game
// struct extends it with the tables of the other subsystems.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <random>
#include <string>

#include "platform/platform.h"
#include "shell/asset_handles.h"
#include "shell/screens.h"
#include "shell/sound_events.h"

namespace vv {

struct Shell : AssetHandles {
  explicit Shell(Platform& p) : platform(p) {}
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  Platform& platform;
  std::filesystem::path DataDir = "data";  // driver file, options and saved games

  // Screens and fades.
  int GameScreen = SCREEN_MAIN_MENU;
  int PendingScreen = 0;
  int ScreenFade[4] = {};  // [1] phase 0 none, 1 in, 2 out; [2] step 0..10; [3] target
  int GameInProgress = 0;
  int DriverMode = 0;
  int SoundEvent = 0;
  int FrameCount = 0;
  int FramesPerSecond = 0;
  std::uint32_t LastSecondMark = 0;
  int ShowFrameRate = 0;
  int SuppressPresent = 0;
  bool QuitRequested = false;  // the program ends after this frame

  // Start-up driver menu.
  int DriverChoice = 0;   // 0 OpenGL, 1 the second renderer
  int StartupResult = 0;  // 0 choosing, 1 OpenGL, 2 second renderer, 3 quit

  // Input tables (keys 1..250, buttons 1..3; column 1 hit, column 2 armed).
  int KeyHitState[251][3] = {};
  int KeyHeld[251] = {};
  int MouseHitState[4][3] = {};
  int KeyRepeat[3] = {};
  std::string TypedText;

  // Text and the timed message.
  std::string WrapLines[6];
  std::string MessageText;
  int MessageColour[4] = {};
  int MessageTimer = 0;

  // Options (entries 7 and 8 are only stored).
  int OptionFlags[9] = {0, 1, 1, 1, 1, 1, 1, 0, 0};

  // Menu rows: [row 1..20][1 y position, 2 hover glow 0..10, 3..6 spare].
  int ButtonState[21][7] = {};

  // ---- Menus: dialogs and the hand-over to the screens the main menu opens.
  int ConfirmKind = 0;      // open Y/N dialog: main menu 1 "End current game", 2 "Quit game"
  int ConfirmedKind = 0;    // the kind answered with yes in this frame, 0 none
  int SaveMode = 0;         // save/load screen: 1 save, 2 load
  int SaveScreenFresh = 0;  // 1: the save/load screen has just been entered
  int CreationReady = 0;    // 0: character creation randomises both heroes on its next frame
  // ---- end of the menus block.

  std::mt19937 Random{1};

  // Set by the audio subsystem: stops and releases the music at once when
  // the options switch MUSIC PLAYBACK off.
  std::function<void()> StopMusicNow;
};

// A whole number from low to high inclusive; a chance of p percent is
// Rand(shell, 1, 100) <= p.
inline int Rand(Shell& shell, int low, int high) {
  if (high <= low) return low;
  const std::uint32_t span = static_cast<std::uint32_t>(high - low) + 1;
  return low + static_cast<int>(shell.Random() % span);
}

inline void SeedRandom(Shell& shell, std::uint32_t seed) {
  shell.Random.seed(seed);
}

}  // namespace vv
