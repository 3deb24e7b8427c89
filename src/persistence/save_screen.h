#pragma once
// The save/load screen (screen 22).

#include "game/game.h"

namespace vv {

// One frame of the save/load screen.
void RunSaveScreen(Game& game);

}  // namespace vv
