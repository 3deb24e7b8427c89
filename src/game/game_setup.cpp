#include "game/game_setup.h"

namespace vv {

StartupHooks MakeStartupHooks(Game&) {
  StartupHooks hooks;
  return hooks;
}

LoopHooks MakeLoopHooks(Game& game) {
  LoopHooks hooks;
  hooks.playSound = [&game](int) { (void)game; };
  return hooks;
}

void ResetGameTables(Game&) {}

}  // namespace vv
