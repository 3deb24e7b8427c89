#pragma once
// Game: every table of the running game, under the names the rules use.
// Each subsystem owns its part (its *_tables.h); Game puts them together so
// a function of the game can reach any table as game.Name. Several games
// can exist side by side (tests do), and nothing lives in globals.

#include "audio/audio_tables.h"
#include "combat/combat_tables.h"
#include "ending/ending_tables.h"
#include "items/items_tables.h"
#include "party/party_tables.h"
#include "persistence/persistence_tables.h"
#include "shell/shell.h"
#include "world/world_tables.h"

namespace vv {

struct Game : Shell,
              WorldTables,
              PartyTables,
              ItemTables,
              CombatTables,
              SaveTables,
              AudioTables,
              EndingTables {
  explicit Game(Platform& p) : Shell(p) {}
};

}  // namespace vv
