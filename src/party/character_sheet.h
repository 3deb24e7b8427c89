#pragma once
// The character sheet (screen 5): one hero's whole record, for reading only.

#include "game/game.h"

namespace vv {

void RunCharacterSheet(Game& game);

}  // namespace vv
