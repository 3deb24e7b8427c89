#include "items/inventory_grid.h"

#include <algorithm>

#include "items/item_database.h"
#include "shell/input.h"

namespace vv {

T_Item* FindHeldItem(Game& game) {
  for (T_Item& item : game.ItemList) {
    if (item.Location == LOCATION_HELD) return &item;
  }
  return nullptr;
}

void RefreshHeldItem(Game& game) {
  int* held = game.HeldItem;
  std::fill(held + 1, held + 21, 0);
  T_Item* item = FindHeldItem(game);
  if (item == nullptr) return;
  held[held::Category] = item->Category;
  held[held::Number] = item->Number;
  for (int f = item::ImageWidth; f <= item::GridHeight; ++f) {
    held[held::ImageWidth + f - item::ImageWidth] = ItemStats(item->Category, item->Number, f);
  }
  held[held::Cells] = held[held::GridWidth] * held[held::GridHeight];
  // The picture hangs centred on the pointer.
  const Platform& p = game.platform;
  item->x = static_cast<int>(static_cast<double>(p.MouseX()) - held[held::ImageWidth] / 2.0);
  item->y = static_cast<int>(static_cast<double>(p.MouseY()) - held[held::ImageHeight] / 2.0);
  held[held::X] = item->x;
  held[held::Y] = item->y;
}

void SnapHeldItem(Game& game) {
  game.SnapX = game.SnapY = -2000;
  game.SnapW = game.SnapH = 0;
  const int* held = game.HeldItem;
  if (held[held::Category] < 1) return;
  // The cell under the picture's top-left corner when the picture is
  // centred on the pointer, rounded to the nearest cell.
  const int mouseX = game.platform.MouseX(), mouseY = game.platform.MouseY();
  game.SnapX = ((mouseX - (held[held::ImageWidth] / 2 - CELL_SIZE / 2)) / CELL_SIZE) * CELL_SIZE + 1;
  game.SnapY = ((mouseY - (held[held::ImageHeight] / 2 - CELL_SIZE / 2)) / CELL_SIZE) * CELL_SIZE + 1;
  game.SnapW = held[held::ImageWidth] - 2;
  game.SnapH = held[held::ImageHeight] - 2;
  game.SnapColumn = (game.SnapX - 1 - GRID_LEFT) / CELL_SIZE;
  game.SnapRow = (game.SnapY - 1 - GRID_TOP) / CELL_SIZE;
}

bool MouseInSlot(const Game& game, int slot) {
  const int* r = EqSlotRect[slot];
  return MouseOver(game, r[1], r[2], r[3], r[4]);
}

bool ItemOverlaps(const T_Item& item, int x, int y, int w, int h) {
  const int width = ItemStats(item.Category, item.Number, item::ImageWidth);
  const int height = ItemStats(item.Category, item.Number, item::ImageHeight);
  return RectsOverlap(item.x + 1, item.y + 1, width - 2, height - 2, x, y, w, h);
}

bool MouseOnItem(const Game& game, const T_Item& item) {
  return ItemOverlaps(item, game.platform.MouseX(), game.platform.MouseY(), 1, 1);
}

void PutInSlot(T_Item& item, int slot) {
  const int* r = EqSlotRect[slot];
  item.Location = slot + LOCATION_SLOT;
  item.x = r[1] + r[3] / 2 - ItemStats(item.Category, item.Number, item::ImageWidth) / 2;
  item.y = r[2] + r[4] / 2 - ItemStats(item.Category, item.Number, item::ImageHeight) / 2;
}

void BuildInventoryLists(Game& game) {
  for (int s = 1; s <= 5; ++s) {
    T_EqSlot slot;
    slot.x = EqSlotRect[s][1];
    slot.y = EqSlotRect[s][2];
    slot.Slot = s;
    game.EqSlotList.push_back(slot);
  }
  for (int c = 1; c <= GRID_CELLS; ++c) {
    for (int r = 1; r <= GRID_CELLS; ++r) {
      T_InvSlot cell;
      cell.x = GRID_LEFT + CELL_SIZE * c;
      cell.y = GRID_TOP + CELL_SIZE * r;
      cell.Column = c;
      cell.Row = r;
      game.InvSlotList.push_back(cell);
    }
  }
  const int hero = game.SelectedHero;
  for (int s = 1; s <= 5; ++s) {
    const int* worn = game.HeroEquipment[hero][s];
    if (worn[1] <= 0) continue;
    T_Item item;
    item.Category = s;
    item.Number = worn[1];
    item.Condition = worn[2];
    PutInSlot(item, s);
    game.ItemList.push_back(item);
  }
  for (int c = 1; c <= GRID_CELLS; ++c) {
    for (int r = 1; r <= GRID_CELLS; ++r) {
      const int* cell = game.PartyInventory[c][r];
      if (cell[1] <= 0) continue;
      T_Item item;
      item.Category = cell[1];
      item.Number = cell[2];
      item.Condition = cell[3];
      item.Location = LOCATION_GRID;
      item.x = GRID_LEFT + CELL_SIZE * c;
      item.y = GRID_TOP + CELL_SIZE * r;
      game.ItemList.push_back(item);
    }
  }
  game.InventoryBuilt = 1;
}

void TearDownInventoryLists(Game& game) {
  std::erase_if(game.ItemList, [](const T_Item& item) { return item.Location != LOCATION_HELD; });
  game.InvSlotList.clear();
  game.EqSlotList.clear();
  game.InventoryBuilt = 0;
}

void WriteBackInventory(Game& game) {
  for (int c = 1; c <= GRID_CELLS; ++c) {
    for (int r = 1; r <= GRID_CELLS; ++r) std::fill_n(game.PartyInventory[c][r] + 1, 20, 0);
  }
  int(&worn)[6][21] = game.HeroEquipment[game.SelectedHero];
  for (int s = 1; s <= 5; ++s) std::fill_n(worn[s] + 1, 20, 0);
  for (const T_Item& item : game.ItemList) {
    if (item.Location == LOCATION_GRID) {
      int* cell = game.PartyInventory[(item.x - GRID_LEFT) / CELL_SIZE][(item.y - GRID_TOP) / CELL_SIZE];
      cell[1] = item.Category;
      cell[2] = item.Number;
      cell[3] = item.Condition;
    } else if (item.Location > LOCATION_SLOT) {
      int* slot = worn[item.Location - LOCATION_SLOT];
      slot[1] = item.Number;
      slot[2] = item.Condition;
      for (int f = item::PrimaryStat; f <= item::MaxCondition; ++f) {
        slot[3 + f - item::PrimaryStat] = ItemStats(item.Category, item.Number, f);
      }
    }
  }
}

}  // namespace vv
