#pragma once
// Start-up: everything from the first line of the program to the first
// frame of the loop, in a fixed order.

#include <functional>
#include <string>
#include <string_view>

#include "shell/shell.h"

namespace vv {

struct StartupHooks {
  std::function<void()> initTables;  // the constant tables of every subsystem
  std::function<bool()> loadWorld;   // the map; false when it is invalid
  std::function<void()> initAudio;   // the audio output, once the sounds are loaded
  // Called after every frame start-up presents (the playtest harness takes
  // pictures of it): the stage ("blank", "maker-in", "maker-out") and the
  // frame's number within that stage.
  std::function<void(std::string_view stage, int frame)> afterPresent;
};

enum class StartupOutcome { Run, Quit, Failed };

// Runs the start-up sequence. On Failed, `error` says why (the program shows
// it and ends).
StartupOutcome RunStartup(Shell& shell, const StartupHooks& hooks, std::string& error);

// The maker line at one alpha (40 frames in, 40 out).
void DrawMakerLine(Shell& shell, float alpha);

}  // namespace vv
