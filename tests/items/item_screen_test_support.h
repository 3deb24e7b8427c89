#pragma once
// A game for the item screens' tests: the world's test game with the
// character sheet and the derived statistics added, two heroes, and helpers
// that fill the inventory and the loot and count every item the party has.

#include <algorithm>
#include <tuple>
#include <vector>

#include "../world/world_test_support.h"
#include "items/inventory_grid.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "party/party_module.h"

namespace vv::test {

// (category, number, condition) of one item wherever it is.
using ItemKey = std::tuple<int, int, int>;

class ItemScreenTest : public WorldTest {
 protected:
  ItemScreenTest() {
    // The character sheet and the derived statistics take part too.
    AddPartyScreens(g(), hooks);
    NewGame();
  }

  // Opens a hero's inventory as the exploration screen does.
  void OpenInventory(int hero) {
    g().SelectedHero = hero;
    SwitchScreen(g(), SCREEN_INVENTORY);
    Frames(2);
  }

  // Fills the loot list as a chest or a battle does.
  void SetLoot(const std::vector<ItemKey>& items) {
    g().LootCount = static_cast<int>(items.size());
    for (int k = 1; k <= 3; ++k) {
      const ItemKey item = k <= g().LootCount ? items[static_cast<std::size_t>(k - 1)] : ItemKey{0, 0, 0};
      g().LootList[k][1] = std::get<0>(item);
      g().LootList[k][2] = std::get<1>(item);
      g().LootList[k][3] = std::get<2>(item);
    }
  }
  // The item on loot panel k, {0, 0, 0} when the panel is empty.
  ItemKey LootAt(int k) const {
    return {game_->LootList[k][1], game_->LootList[k][2], game_->LootList[k][3]};
  }

  void OpenLoot(const std::vector<ItemKey>& items) {
    SetLoot(items);
    SwitchScreen(g(), SCREEN_LOOT);
    Frames(2);
  }

  void PutInGrid(int column, int row, int category, int number) {
    test::PutInGrid(g(), column, row, category, number);
  }
  void Equip(int hero, int slot, int number) { EquipItem(g(), hero, slot, number); }

  // The centre of grid cell (column, row) for an item of the given size in
  // cells, so that a click there snaps its corner onto that cell.
  static int CellX(int column, int width = 1) { return GRID_LEFT + CELL_SIZE * column + 20 * width; }
  static int CellY(int row, int height = 1) { return GRID_TOP + CELL_SIZE * row + 20 * height; }

  const T_Item* Held() const {
    for (const T_Item& item : game_->ItemList) {
      if (item.Location == LOCATION_HELD) return &item;
    }
    return nullptr;
  }

  // Every item the party has or has found: the grid, both heroes' slots,
  // the cursor and the loot panels.
  std::vector<ItemKey> AllItems() const {
    const Game& game = *game_;
    std::vector<ItemKey> items;
    for (int c = 1; c <= 10; ++c) {
      for (int r = 1; r <= 10; ++r) {
        const int* cell = game.PartyInventory[c][r];
        if (cell[1] != 0) items.emplace_back(cell[1], cell[2], cell[3]);
      }
    }
    for (int h = 1; h <= 2; ++h) {
      for (int s = 1; s <= 5; ++s) {
        const int* worn = game.HeroEquipment[h][s];
        if (worn[1] != 0) items.emplace_back(s, worn[1], worn[2]);
      }
    }
    for (const T_Item& item : game.ItemList) {
      if (item.Location == LOCATION_HELD) items.emplace_back(item.Category, item.Number, item.Condition);
    }
    for (int k = 1; k <= 3; ++k) {
      if (std::get<0>(LootAt(k)) != 0) items.push_back(LootAt(k));
    }
    std::sort(items.begin(), items.end());
    return items;
  }
};

}  // namespace vv::test
