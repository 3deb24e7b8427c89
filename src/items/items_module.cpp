#include "items/items_module.h"

#include "items/inventory_grid.h"
#include "items/inventory_screen.h"
#include "items/item_database.h"
#include "items/loot_screen.h"

namespace vv {

void InitItemsTables(Game&) {
  // The tables are constant; build the text table now rather than on the
  // first frame that shows an item.
  ItemText(CATEGORY_WEAPON, 1, item::Name);
}

void AddItemsScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_INVENTORY] = [&game] { RunInventoryScreen(game); };
  hooks.screens[SCREEN_LOOT] = [&game] { RunLootScreen(game); };
}

void ResetItemsForNewGame(Game& game) {
  for (auto& hero : game.HeroEquipment) {
    for (auto& slot : hero) {
      for (int& field : slot) field = 0;
    }
  }
  for (auto& column : game.PartyInventory) {
    for (auto& cell : column) {
      for (int& field : cell) field = 0;
    }
  }
  // Nothing hangs on the cursor in a new game.
  game.ItemList.clear();
  TearDownInventoryLists(game);
  RefreshHeldItem(game);
  game.InvPopup = POPUP_NONE;
  game.ItemScreenRequest = 0;
}

void DumpItemsState(const Game& game, JsonWriter& json) {
  // Each hero's slots 1..5 with the item number, condition and the copied
  // item fields.
  json.BeginArray("HeroEquipment");
  for (int h = 1; h <= 2; ++h) {
    json.BeginArray();
    for (int s = 1; s <= 5; ++s) json.IntArray({}, game.HeroEquipment[h][s], 1, 6);
    json.EndArray();
  }
  json.EndArray();
  // Only the cells that hold an item: column, row, category, item, condition.
  json.BeginArray("PartyInventory");
  for (int c = 1; c <= 10; ++c) {
    for (int r = 1; r <= 10; ++r) {
      const int* cell = game.PartyInventory[c][r];
      if (cell[1] == 0) continue;
      const int entry[6] = {0, c, r, cell[1], cell[2], cell[3]};
      json.IntArray({}, entry, 1, 5);
    }
  }
  json.EndArray();

  // The inventory and loot screens: the held item, every item on the
  // screen (category, number, location, condition), the panel and where
  // the held item would land.
  json.IntArray("HeldItem", game.HeldItem, 1, 9);
  json.BeginArray("ItemList");
  for (const T_Item& item : game.ItemList) {
    const int fields[5] = {0, item.Category, item.Number, item.Location, item.Condition};
    json.IntArray({}, fields, 1, 4);
  }
  json.EndArray();
  json.Number("InvPopup", game.InvPopup);
  json.Number("SnapX", game.SnapX);
  json.Number("SnapY", game.SnapY);
  json.Number("SnapW", game.SnapW);
  json.Number("SnapH", game.SnapH);
  json.Number("SnapColumn", game.SnapColumn);
  json.Number("SnapRow", game.SnapRow);
  json.Number("SwapState", game.SwapState);
  json.IntArray("LootSlotX", game.LootSlotX, 1, 3);
}

}  // namespace vv
