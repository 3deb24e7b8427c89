#include "items/items_module.h"

#include "items/item_database.h"

namespace vv {

void InitItemsTables(Game&) {
  // The tables are constant; build the text table now rather than on the
  // first frame that shows an item.
  ItemText(CATEGORY_WEAPON, 1, item::Name);
}

void AddItemsScreens(Game&, LoopHooks&) {}

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
}

}  // namespace vv
