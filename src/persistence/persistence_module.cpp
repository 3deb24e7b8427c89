#include "persistence/persistence_module.h"

#include "persistence/save_screen.h"

namespace vv {

void AddPersistenceScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_SAVE_LOAD] = [&game] { RunSaveScreen(game); };
}

void ResetPersistenceForNewGame(Game& game) {
  game.SelectedSlot = 0;
  game.EditName.clear();
  game.SaveRequest = 0;
  game.LoadRequest = 0;
}

void DumpPersistenceState(const Game& game, JsonWriter& json) {
  json.Number("SaveMode", game.SaveMode);
  json.IntArray("SlotUsed", game.SlotUsed, 1, SAVE_SLOTS);
  json.BeginArray("SlotName");
  for (int slot = 1; slot <= SAVE_SLOTS; ++slot) json.String(game.SlotName[slot]);
  json.EndArray();
  json.Number("QuickAvailable", game.QuickAvailable);
  json.Number("SelectedSlot", game.SelectedSlot);
  json.String("EditName", game.EditName);
  json.Number("ConfirmKind", game.ConfirmKind);
  json.String("PendingNotice", game.PendingNotice);
}

}  // namespace vv
