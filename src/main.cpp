// Vizid of Vorgash: the game.

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "game/data_dir.h"
#include "game/game.h"
#include "game/game_setup.h"
#include "platform/sdl_platform.h"

int main(int argc, char** argv) {
  (void)argc;
  vv::SdlPlatform platform(vv::SdlOptions{});
  std::string error;
  if (!platform.Init(error)) {
    std::fprintf(stderr, "Vizid of Vorgash: %s\n", error.c_str());
    return EXIT_FAILURE;
  }
  auto game = std::make_unique<vv::Game>(platform);
  game->DataDir = vv::ChooseDataDir(argv[0]);

  const vv::StartupOutcome outcome = vv::RunStartup(*game, vv::MakeStartupHooks(*game), error);
  if (outcome == vv::StartupOutcome::Failed) {
    std::fprintf(stderr, "Vizid of Vorgash: %s\n", error.c_str());
    if (error != "Map file invalid!") platform.ShowMessageBox("Vizid of Vorgash", error);
    return EXIT_FAILURE;
  }
  if (outcome == vv::StartupOutcome::Quit) return EXIT_SUCCESS;

  const vv::LoopHooks hooks = vv::MakeLoopHooks(*game);
  while (vv::RunFrame(*game, hooks)) {
  }
  return EXIT_SUCCESS;
}
