#include "world/world_module.h"

#include "world/exploration.h"
#include "world/level_table.h"
#include "world/map_loading.h"
#include "world/world_screen.h"

namespace vv {

void InitWorldTables(Game& game) {
  InitLevelTables(game);
  InitDayNightTables(game);
  InitAreaTexts(game);
  InitCommentTexts(game);
}

void AddWorldScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_WORLD] = [&game] { RunExploration(game); };
}

void ResetWorldForNewGame(Game& game) {
  game.CurrentLevel = 1;
  for (int& field : game.PartyState) field = 0;
  game.PartyState[1] = 1;
  game.PartyState[PartyX] = 768;
  game.PartyState[PartyY] = 96;
  game.PartyState[Facing] = 3;
  game.PartyState[TimeOfDay] = 32;
  game.PartyState[StepCount] = 0;
  game.PartyState[ScreenColumn] = 3;
  game.PartyState[ScreenRow] = 1;
  for (int& shown : game.AreaIntroShown) shown = 0;
  RefillCommentPools(game);
  std::fill_n(&game.ExploredMap[0][0][0][0], sizeof game.ExploredMap / sizeof(int), 0);
  FillChests(game);
  for (auto& entry : game.LootList) {
    for (int& field : entry) field = 0;
  }
  game.LootCount = 0;
  game.PortalEventFlag = 0;

  // The exploration screen starts afresh on the start screen.
  ForgetExplorationScreen(game);
  game.PendingNotice.clear();
}

void ForgetExplorationScreen(Game& game) {
  game.ScreenTiles.clear();
  game.ScreenReady = 0;
  game.ExitDirection = 0;
  game.AttackBanner = 0;
  game.ChestBanner = 0;
  game.SpeechKind = SPEECH_NONE;
  game.SpeechDelay = 0;
  game.QuickPrompt = 0;
  game.ScreenRequest = 0;
}

void DumpWorldState(const Game& game, JsonWriter& json) {
  json.Number("CurrentLevel", game.CurrentLevel);
  json.IntArray("PartyState", game.PartyState, 1, 20);
  // Seen cells per screen, [column 1..5][row 1..5].
  json.BeginArray("ExploredMap");
  for (int c = 1; c <= MAP_SCREENS; ++c) {
    json.BeginArray();
    for (int r = 1; r <= MAP_SCREENS; ++r) {
      int seen = 0;
      if (c != CHEST_COLUMN || r != CHEST_ROW) {
        for (int x = 0; x < SCREEN_CELLS_X; ++x) {
          for (int y = 0; y < SCREEN_CELLS_Y; ++y) seen += game.ExploredMap[c][r][x][y] == 1;
        }
      }
      json.Number(seen);
    }
    json.EndArray();
  }
  json.EndArray();
  json.BeginArray("ChestRecords");
  for (int n = 1; n <= 20; ++n) json.IntArray({}, ChestRecord(game, n), 0, 7);
  json.EndArray();
  json.IntArray("AreaIntroShown", game.AreaIntroShown, 1, AREAS);
  json.BeginArray("CommentPool");
  for (int s = 1; s <= AREAS; ++s) json.IntArray({}, game.CommentPool[s], 0, 10);
  json.EndArray();
  json.Number("PortalEventFlag", game.PortalEventFlag);
  json.BeginArray("LootList");
  for (int k = 1; k <= 3; ++k) json.IntArray({}, game.LootList[k], 1, 3);
  json.EndArray();
  json.Number("LootCount", game.LootCount);
  json.Number("AttackBanner", game.AttackBanner);
  json.Number("ChestBanner", game.ChestBanner);
  json.Number("SpeechKind", game.SpeechKind);
  json.Number("SpeechDelay", game.SpeechDelay);
  json.Number("QuickPrompt", game.QuickPrompt);
}

bool LoadWorldMap(Game& game) {
  return ReadMap(game, game.platform.FindAsset(MAP_FILE));
}

}  // namespace vv
