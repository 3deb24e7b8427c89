#pragma once
// One game played by the bot from NEW GAME to the ending (or to the end of
// its luck), through the playtest harness's fast mode. It presses keys and
// clicks where a player would and reads the state dump as a player reads the
// screen: the heroes' bars and sheets, the loot panels, the examine panel's
// figures, the spell screen's details, the combat menu.

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "dump.h"
#include "explorer.h"

namespace vv {
class PlaytestSession;
}

namespace vv::bot {

struct Outcome {
  bool ending = false;
  int battles = 0;
  long long frames = 0;
  int defeats = 0, reloads = 0, saves = 0, items = 0, potions = 0, spells = 0;
  int lastBattles = 0;  // battles fought against Vorgash
  int heroLevel[2] = {0, 0};
  std::string why;          // "the ending", "party lost to ...", "walled in ...", "out of frames ..."
  std::string where;        // level and screen when it ended
  bool misbehaved = false;  // an item vanished or the frames stopped
};

struct PlayOptions {
  // A whole game takes some 550,000 frames and a few hundred loads, most of
  // them spent beside the portal, growing into armour that can take
  // Vorgash's blows.
  long long frameLimit = 1200000;
  int maxReloads = 1000;
  // A new level L is entered once both heroes reach level L + grind - 1 +
  // L * L / 16 (capped at 30): the monsters grow faster than the levels, so
  // the deeper the level the more the heroes grow first; the portal waits
  // for level 30.
  int grind = 1;
  std::string party = "FS";  // the classes asked for: F fighter, R rogue, S sorcerer, ? as rolled
  bool trace = false;
};

Outcome PlayOneGame(unsigned seed, const PlayOptions& options);

}  // namespace vv::bot
