#include "game/game_setup.h"

#include "audio/audio_module.h"
#include "combat/combat_module.h"
#include "combat/spell_screen.h"
#include "ending/ending_module.h"
#include "items/items_module.h"
#include "party/party_module.h"
#include "persistence/persistence_module.h"
#include "shell/menus.h"
#include "shell/options.h"
#include "world/world_module.h"

namespace vv {

StartupHooks MakeStartupHooks(Game& game) {
  StartupHooks hooks;
  hooks.initTables = [&game] {
    InitWorldTables(game);
    InitItemsTables(game);
    InitPartyTables(game);
    InitAudioTables(game);
  };
  hooks.loadWorld = [&game] { return LoadWorldMap(game); };
  hooks.initAudio = [&game] { InitAudio(game); };
  return hooks;
}

LoopHooks MakeLoopHooks(Game& game) {
  LoopHooks hooks;
  hooks.screens[SCREEN_MAIN_MENU] = [&game] {
    // A later return to the world restarts the area music rather than
    // resuming a track paused for a battle.
    game.ResumeAreaMusic = 0;
    RunMainMenu(game);
  };
  hooks.screens[SCREEN_OPTIONS] = [&game] { RunOptionsScreen(game); };
  // Closing the window leaves the options screen as DONE does: the switches
  // the player changed are kept.
  hooks.windowClosed[SCREEN_OPTIONS] = [&game] { WriteOptionsFile(game); };
  AddWorldScreens(game, hooks);
  AddItemsScreens(game, hooks);
  AddPartyScreens(game, hooks);
  AddCombatScreens(game, hooks);
  AddAudioScreens(game, hooks);
  AddSpellScreen(game, hooks);
  AddEndingScreens(game, hooks);
  AddPersistenceScreens(game, hooks);
  return hooks;
}

void ResetGameTables(Game& game) {
  ResetWorldForNewGame(game);
  ResetItemsForNewGame(game);
  ResetPartyForNewGame(game);
  ResetCombatForNewGame(game);
  ResetAudioForNewGame(game);
  ResetEndingForNewGame(game);
  ResetPersistenceForNewGame(game);
}

}  // namespace vv
