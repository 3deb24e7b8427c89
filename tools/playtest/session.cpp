#include "session.h"

#include <cstdlib>
#include <fstream>

#include "game/game_setup.h"
#include "platform/headless_sdl.h"
#include "platform/nodraw_platform.h"

namespace vv {
namespace {

// A new folder of the session's own (two sessions never share one).
std::filesystem::path MakeTempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vizid-playtest-XXXXXX").string();
  if (mkdtemp(pattern.data())) return pattern;
  return {};
}

}  // namespace

PlaytestSession::PlaytestSession(PlaytestOptions options) : options_(std::move(options)) {
  // Headless unless the caller chose otherwise.
  if (options_.fast) {
    platform_ = std::make_unique<NoDrawPlatform>();
  } else {
    auto sdl = std::make_unique<SdlPlatform>(HeadlessSdlOptions(options_.renderer));
    sdl_ = sdl.get();
    platform_ = std::move(sdl);
  }
  platform_->SetScriptedInput(true);
}

PlaytestSession::~PlaytestSession() {
  game_.reset();
  platform_.reset();
  if (!tempDir_.empty()) {
    std::error_code ec;
    std::filesystem::remove_all(tempDir_, ec);
  }
}

bool PlaytestSession::Start(std::string& error) {
  if (sdl_ && !sdl_->Init(error)) return false;
  game_ = std::make_unique<Game>(*platform_);
  if (options_.dataDir.empty()) {
    tempDir_ = MakeTempDir();
    if (tempDir_.empty()) {
      error = "cannot make a temporary folder";
      return false;
    }
    game_->DataDir = tempDir_ / "data";
  } else {
    game_->DataDir = options_.dataDir;
  }
  StartupHooks startup = MakeStartupHooks(*game_);
  if (!options_.startupShots.empty()) {
    std::filesystem::create_directories(options_.startupShots);
    startup.afterPresent = [this](std::string_view stage, int frame) {
      // The maker line's first, middle and last frames of each fade.
      if (stage == "blank" || (frame != 0 && frame != 20 && frame != 39)) return;
      platform_->SaveScreenshot(
          (options_.startupShots / (std::string(stage) + "-" + std::to_string(frame) + ".png")).string());
    };
  }
  const StartupOutcome outcome = RunStartup(*game_, startup, error);
  if (outcome == StartupOutcome::Failed) return false;
  if (outcome == StartupOutcome::Quit) {
    error = "the start-up menu was left without starting the game";
    return false;
  }
  hooks_ = MakeLoopHooks(*game_);
  auto play = hooks_.playSound;
  hooks_.playSound = [this, play](int code) {
    lastSound_ = code;
    if (play) play(code);
  };
  return true;
}

bool PlaytestSession::Frames(int count) {
  for (int i = 0; i < count && !ended_; ++i) {
    platform_->ClearTextTrace();
    if (!RunFrame(*game_, hooks_)) ended_ = true;
    if (afterFrame) afterFrame();
  }
  return !ended_;
}

std::string PlaytestSession::StateJson() const {
  DumpExtras extras;
  extras.lastSoundPlayed = lastSound_;
  return DumpGameState(*game_, extras);
}

bool PlaytestSession::Run(const std::vector<ScriptCommand>& commands, std::string& error) {
  Platform& p = *platform_;
  for (const ScriptCommand& cmd : commands) {
    if (ended_) {
      error = "line " + std::to_string(cmd.line) + ": the game has ended";
      return false;
    }
    switch (cmd.kind) {
      case ScriptCommand::Seed:
        SeedRandom(*game_, static_cast<std::uint32_t>(cmd.a));
        break;
      case ScriptCommand::Wait:
        Frames(cmd.a);
        break;
      case ScriptCommand::Key:
        p.ScriptKey(cmd.a, true);
        Frames(1);
        p.ScriptKey(cmd.a, false);
        Frames(1);
        break;
      case ScriptCommand::Hold:
        p.ScriptKey(cmd.a, true);
        break;
      case ScriptCommand::Release:
        p.ScriptKey(cmd.a, false);
        break;
      case ScriptCommand::Move:
        p.ScriptMouse(cmd.a, cmd.b);
        break;
      case ScriptCommand::Click:
        p.ScriptMouse(cmd.a, cmd.b);
        p.ScriptButton(cmd.c, true);
        Frames(1);
        p.ScriptButton(cmd.c, false);
        Frames(1);
        break;
      case ScriptCommand::MouseDown:
      case ScriptCommand::MouseUp:
        p.ScriptButton(cmd.c, cmd.kind == ScriptCommand::MouseDown);
        break;
      case ScriptCommand::Option:
        game_->OptionFlags[cmd.a] = cmd.b;
        break;
      case ScriptCommand::Type:
        for (char c : cmd.text) {
          const int code = KeyCodeForChar(c);
          p.ScriptKey(code, true);
          Frames(1);
          p.ScriptKey(code, false);
          Frames(1);
        }
        break;
      case ScriptCommand::Shot:
        if (options_.fast) break;  // nothing is drawn, so there is no picture to save
        if (!p.SaveScreenshot(cmd.text)) {
          error = "line " + std::to_string(cmd.line) + ": cannot write " + cmd.text;
          return false;
        }
        break;
      case ScriptCommand::Dump: {
        std::ofstream out(cmd.text, std::ios::binary);
        out << StateJson();
        if (!out) {
          error = "line " + std::to_string(cmd.line) + ": cannot write " + cmd.text;
          return false;
        }
        break;
      }
    }
  }
  return true;
}

}  // namespace vv
