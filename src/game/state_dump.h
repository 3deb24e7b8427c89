#pragma once
// The game's state as JSON, under the tables' own names, for the playtest
// harness and for bug reports. Tables indexed from 1 are written without
// their unused index 0.

#include <string>

#include "game/game.h"

namespace vv {

struct DumpExtras {
  int lastSoundPlayed = 0;  // the last sound code the loop played
};

std::string DumpGameState(const Game& game, const DumpExtras& extras);

}  // namespace vv
