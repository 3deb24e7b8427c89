// Vizid of Vorgash: the game.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "game/data_dir.h"
#include "game/game.h"
#include "game/game_setup.h"
#include "game/input_recorder.h"
#include "game/window_settings.h"
#include "platform/sdl_platform.h"

#ifndef VIZID_VERSION
#define VIZID_VERSION "unknown"
#endif

namespace {

// --help and --version answer on the terminal; the game itself takes only
// --record FILE, and anything else on the command line is ignored.
bool AnswerCommandLine(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("Vizid of Vorgash %s\n", VIZID_VERSION);
      return true;
    }
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      std::printf(
          "Usage: vizid [--help | --version | --record FILE]\n"
          "Vizid of Vorgash, a turn-based fantasy role-playing game.\n"
          "\n"
          "  --help         show this text and exit\n"
          "  --version      show the version and exit\n"
          "  --record FILE  record the game as it is played into FILE, a script\n"
          "                 that vizid-playtest FILE replays frame for frame\n"
          "\n"
          "Alt+Enter switches between full screen and a window.\n"
          "Options and saved games: %s\n",
          vv::ChooseDataDir(argv[0]).c_str());
      return true;
    }
  }
  return false;
}

// The file after --record, empty when there is none.
const char* RecordPath(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--record") == 0) return argv[i + 1];
  }
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  if (AnswerCommandLine(argc, argv)) return EXIT_SUCCESS;
  const std::filesystem::path dataDir = vv::ChooseDataDir(argv[0]);
  vv::SdlPlatform platform(vv::SdlOptions{});
  std::string error;
  if (!platform.Init(error)) {
    std::fprintf(stderr, "Vizid of Vorgash: %s\n", error.c_str());
    return EXIT_FAILURE;
  }
  // Full screen or a window, as the player left it last time.
  platform.SetWindowPlacement(vv::LoadWindowSettings(dataDir));
  auto game = std::make_unique<vv::Game>(platform);
  game->DataDir = dataDir;

  const vv::StartupOutcome outcome = vv::RunStartup(*game, vv::MakeStartupHooks(*game), error);
  if (outcome == vv::StartupOutcome::Failed) {
    std::fprintf(stderr, "Vizid of Vorgash: %s\n", error.c_str());
    if (error != "Map file invalid!") platform.ShowMessageBox("Vizid of Vorgash", error);
    return EXIT_FAILURE;
  }
  if (outcome == vv::StartupOutcome::Quit) return EXIT_SUCCESS;

  // A recording starts with the first frame of the loop, from a seed of its
  // own that it writes down.
  vv::InputRecorder recorder;
  if (const std::string record = RecordPath(argc, argv); !record.empty()) {
    const auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
    recorder.Start(*game, record, static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
  }

  const vv::LoopHooks hooks = vv::MakeLoopHooks(*game);
  for (bool running = true; running;) {
    running = vv::RunFrame(*game, hooks);
    recorder.Frame(platform);
  }
  recorder.Finish(platform.CloseRequested() ? "the window was closed here" : "the game was left here");
  vv::SaveWindowSettings(dataDir, platform.CurrentWindowPlacement());
  return EXIT_SUCCESS;
}
