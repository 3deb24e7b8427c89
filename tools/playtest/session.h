#pragma once
// A headless game driven by script commands: the real start-up, loop and
// screens on SDL's offscreen video driver with dummy audio, without frame
// pacing. Used by the vizid-playtest program and by the scenario tests.
// The fast mode runs the same start-up, loop and screens on a platform that
// draws nothing (no screenshots then), for the bot and long runs.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/state_dump.h"
#include "platform/sdl_platform.h"
#include "script.h"
#include "shell/main_loop.h"

namespace vv {

struct PlaytestOptions {
  std::string renderer = "software";   // "software" or "opengl"
  std::filesystem::path dataDir;       // empty: a new temporary folder
  std::filesystem::path startupShots;  // empty: none; else PNGs of start-up frames
  bool fast = false;                   // draw nothing: the no-draw platform instead of SDL
};

class PlaytestSession {
 public:
  explicit PlaytestSession(PlaytestOptions options);
  ~PlaytestSession();

  // Runs start-up up to the first loop frame. False with `error` when the
  // game could not start.
  bool Start(std::string& error);
  // Runs commands; false with `error` when one fails (a file that cannot be
  // written) or the game ended before the script did.
  bool Run(const std::vector<ScriptCommand>& commands, std::string& error);
  // Runs the frames of one command.
  bool Frames(int count);

  Game& game() { return *game_; }
  Platform& platform() { return *platform_; }
  int LastSoundPlayed() const { return lastSound_; }
  std::string StateJson() const;
  bool Ended() const { return ended_; }

  // Called after every frame the session runs (a recorder, per-frame checks).
  std::function<void()> afterFrame;

 private:
  PlaytestOptions options_;
  std::unique_ptr<Platform> platform_;
  SdlPlatform* sdl_ = nullptr;  // the same platform when it is SDL's
  std::unique_ptr<Game> game_;
  LoopHooks hooks_;
  std::filesystem::path tempDir_;
  int lastSound_ = 0;
  bool ended_ = false;
};

}  // namespace vv
