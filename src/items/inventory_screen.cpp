#include "items/inventory_screen.h"

#include <algorithm>

#include "items/inventory_grid.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "items/item_screen_parts.h"
#include "shell/input.h"
#include "shell/menus.h"

namespace vv {
namespace {

constexpr int DROP_BUTTON_X = 671;

// Inner square of a cell: the cell less 1 pixel on each side.
bool CellOverlaps(const T_InvSlot& cell, int x, int y, int w, int h) {
  return RectsOverlap(cell.x + 1, cell.y + 1, CELL_SIZE - 2, CELL_SIZE - 2, x, y, w, h);
}

bool CellUnderSnap(const Game& g, const T_InvSlot& cell) {
  return CellOverlaps(cell, g.SnapX, g.SnapY, g.SnapW, g.SnapH);
}

// Free cells under the held item's footprint; it fits when that is every
// cell it covers.
int FreeCellsUnderSnap(const Game& g) {
  int count = 0;
  for (const T_InvSlot& cell : g.InvSlotList) {
    if (!CellUnderSnap(g, cell)) continue;
    ++count;
    for (const T_Item& item : g.ItemList) {
      if (item.Location == LOCATION_GRID &&
          ItemOverlaps(item, cell.x + 1, cell.y + 1, CELL_SIZE - 2, CELL_SIZE - 2))
        --count;
    }
  }
  return count;
}

int CellsUnderSnap(const Game& g) {
  return static_cast<int>(std::count_if(g.InvSlotList.begin(), g.InvSlotList.end(),
                                        [&](const T_InvSlot& c) { return CellUnderSnap(g, c); }));
}

T_Item* ItemInSlot(Game& g, int slot) {
  for (T_Item& item : g.ItemList) {
    if (item.Location == slot + LOCATION_SLOT) return &item;
  }
  return nullptr;
}

T_Item* CoveredItem(Game& g) {
  for (T_Item& item : g.ItemList) {
    if (item.Location == LOCATION_GRID && item.Covered == 1) return &item;
  }
  return nullptr;
}

void PutDown(Game& g, T_Item& item) {
  g.SoundEvent = ItemStats(item.Category, item.Number, item::DropSound);
  g.SuppressPresent = 1;
}

// The held item goes into the grid where it would land.
void PlaceAtSnap(Game& g, T_Item& held) {
  held.Location = LOCATION_GRID;
  held.x = g.SnapX - 1;
  held.y = g.SnapY - 1;
  PutDown(g, held);
}

// Equipment slots: take out, put in, exchange with the held item.
void HandleSlots(Game& g, T_Item* held, bool leftHit) {
  if (!leftHit) return;
  if (held == nullptr) {
    for (T_Item& item : g.ItemList) {
      if (item.Location > LOCATION_SLOT && MouseInSlot(g, item.Location - LOCATION_SLOT)) {
        item.Location = LOCATION_HELD;
        g.SoundEvent = SOUND_TAKE;
        g.SuppressPresent = 1;
        return;
      }
    }
    return;
  }
  // Only the slot of the held item's own category takes it.
  const int slot = g.HeldItem[held::Category];
  if (slot > CATEGORY_AMULET || !MouseInSlot(g, slot)) return;
  T_Item* worn = ItemInSlot(g, slot);
  if (worn != nullptr) worn->Location = LOCATION_HELD;
  PutInSlot(*held, slot);
  PutDown(g, *held);
}

// The grid: pick up, place in a free place, or exchange with the one item
// the held item covers, and the swap state.
void HandleGrid(Game& g, T_Item* held, bool leftHit) {
  if (held == nullptr && leftHit) {
    for (T_Item& item : g.ItemList) {
      if (item.Location == LOCATION_GRID && MouseOnItem(g, item)) {
        item.Location = LOCATION_HELD;
        g.SoundEvent = SOUND_TAKE;
        g.SuppressPresent = 1;
        break;
      }
    }
  }
  const bool fits = held != nullptr && FreeCellsUnderSnap(g) == g.HeldItem[held::Cells];
  bool clickUsed = false;
  if (fits && leftHit && held->Location == LOCATION_HELD) {
    PlaceAtSnap(g, *held);
    clickUsed = true;
  }
  g.SnapFits = fits ? 1 : 0;

  const int cells = CellsUnderSnap(g);
  int covered = 0;
  for (T_Item& item : g.ItemList) {
    item.Covered = item.Location == LOCATION_GRID && ItemOverlaps(item, g.SnapX, g.SnapY, g.SnapW, g.SnapH);
    covered += item.Covered;
  }
  const bool inGrid = held != nullptr && cells == g.HeldItem[held::Cells];
  g.SwapState = inGrid && covered > 1 ? covered : inGrid && covered == 1 ? 1 : 0;
  if (g.SwapState == 1 && leftHit && held != nullptr && !clickUsed && held->Location == LOCATION_HELD) {
    CoveredItem(g)->Location = LOCATION_HELD;
    PlaceAtSnap(g, *held);
  }
}

void OpenPanelUnderMouse(Game& g) {
  T_Item* chosen = nullptr;
  if (g.HeldItem[held::Category] == 0) {
    for (T_Item& item : g.ItemList) {
      const bool inSlot = item.Location > LOCATION_SLOT && MouseInSlot(g, item.Location - LOCATION_SLOT);
      const bool inGrid = item.Location == LOCATION_GRID && MouseOnItem(g, item);
      if (inSlot || inGrid) {
        chosen = &item;
        break;
      }
    }
  } else if (g.SwapState == 1) {
    chosen = CoveredItem(g);
  }
  if (chosen == nullptr) return;
  chosen->Examined = 1;
  OpenExaminePanel(g, chosen->Category, chosen->Number, chosen->Condition);
}

void ReadBottomBar(Game& g) {
  const bool holding = g.HeldItem[held::Category] != 0;
  if (holding && MouseHit(g, MOUSE_LEFT) && MouseOver(g, DROP_BUTTON_X, BAR_Y, BAR_BOX_SIZE, BAR_BOX_SIZE)) {
    g.InvPopup = POPUP_CONFIRM;
    g.SoundEvent = SOUND_CLICK;
  }
  int request = RequestOfBarCommand(ReadPortraitBar(g, SCREEN_INVENTORY));
  // The shown hero's own portrait leads nowhere.
  if (request == REQUEST_INVENTORY + g.SelectedHero) request = 0;
  if (request == 0) return;
  if (holding && !IsHeroSwitch(request)) {
    RefuseWhileHolding(g);
    return;
  }
  g.ItemScreenRequest = request;
  g.SoundEvent = SOUND_CLICK;
}

void HandleMouse(Game& g) {
  RefreshHeldItem(g);
  SnapHeldItem(g);
  T_Item* held = FindHeldItem(g);
  const bool leftHit = MouseHit(g, MOUSE_LEFT);
  HandleSlots(g, held, leftHit);
  HandleGrid(g, held, leftHit);
  RefreshHeldItem(g);
  for (T_Item& item : g.ItemList) item.Examined = 0;
  if (MouseHit(g, MOUSE_RIGHT)) OpenPanelUnderMouse(g);
  ReadBottomBar(g);
}

void ClosePanel(Game& g) {
  g.InvPopup = POPUP_NONE;
  RefreshHeldItem(g);
  g.SuppressPresent = 1;
}

void HandleExaminePanel(Game& g) {
  ClampExaminePanel(g);
  const bool leftHit = MouseHit(g, MOUSE_LEFT);
  if (leftHit && ExaminedIsDrinkable(g) && OverDrinkButton(g)) {
    const auto examined = std::find_if(g.ItemList.begin(), g.ItemList.end(),
                                       [](const T_Item& item) { return item.Examined == 1; });
    // The potion works only if it is there to be drunk.
    if (examined != g.ItemList.end()) {
      DrinkPotion(g, g.SelectedHero, examined->Number);
      g.SoundEvent = SOUND_USE_BASE + ItemStats(examined->Category, examined->Number, item::UseSound);
      g.ItemList.erase(examined);
    }
    g.InvPopup = POPUP_NONE;
  } else if (leftHit || MouseHit(g, MOUSE_RIGHT) || KeyHit(g, KEY_ESCAPE)) {
    ClosePanel(g);
  }
}

void HandleDropConfirm(Game& g) {
  if (KeyHit(g, KEY_Y) || (MouseHit(g, MOUSE_LEFT) && OverDialogYes(g))) {
    std::erase_if(g.ItemList, [](const T_Item& item) { return item.Location == LOCATION_HELD; });
    RefreshHeldItem(g);
    g.InvPopup = POPUP_NONE;
    g.SoundEvent = SOUND_DROP_ITEM;
  } else if (KeyHit(g, KEY_N) || KeyHit(g, KEY_ESCAPE) || (MouseHit(g, MOUSE_LEFT) && OverDialogNo(g))) {
    g.InvPopup = POPUP_NONE;
    g.SoundEvent = SOUND_CLICK;
  }
}

// The tints of the cells and slots, from what lies where and where the
// held item would go.
void UpdateHighlights(Game& g) {
  if (g.InvPopup != POPUP_NONE) {
    auto calm = [](SlotState& s) {
      s.Target = 0;
      if (s.Occupancy == 2) s.Occupancy = 1;
    };
    for (T_InvSlot& cell : g.InvSlotList) calm(cell.State);
    for (T_EqSlot& slot : g.EqSlotList) calm(slot.State);
    return;
  }
  const int heldCategory = g.HeldItem[held::Category];
  for (T_EqSlot& slot : g.EqSlotList) {
    slot.State = {};
    const bool mouseIn = MouseInSlot(g, slot.Slot);
    if (ItemInSlot(g, slot.Slot) != nullptr) {
      slot.State.Occupancy = mouseIn && (heldCategory == 0 || heldCategory == slot.Slot) ? 2 : 1;
    }
    if (heldCategory != 0 && mouseIn) slot.State.Target = heldCategory == slot.Slot ? 1 : 2;
  }
  for (T_InvSlot& cell : g.InvSlotList) {
    cell.State = {};
    if (CellUnderSnap(g, cell)) {
      // Wherever the held item cannot go, its footprint shows red.
      cell.State.Target = g.SnapFits == 1 || g.SwapState == 1 ? 1 : 2;
    }
    for (const T_Item& item : g.ItemList) {
      if (item.Location != LOCATION_GRID ||
          !ItemOverlaps(item, cell.x + 1, cell.y + 1, CELL_SIZE - 2, CELL_SIZE - 2)) {
        continue;
      }
      const bool pointed = heldCategory == 0 && MouseOnItem(g, item);
      const bool toSwap = g.SwapState == 1 && item.Covered == 1;
      cell.State.Occupancy = pointed || toSwap ? 2 : 1;
    }
  }
}

void Leave(Game& g) {
  const int request = g.ItemScreenRequest;
  if (request == 0) return;
  SwitchForRequest(g, request);
  TearDownInventoryLists(g);
  // The next screen must be shown even if an item moved in this frame.
  g.SuppressPresent = 0;
}

}  // namespace

void RunInventoryScreen(Game& game) {
  if (game.SelectedHero != 2) game.SelectedHero = 1;
  if (game.InventoryBuilt == 0) {
    BuildInventoryLists(game);
    game.InvPopup = POPUP_NONE;
  }
  game.SuppressPresent = 0;
  game.ItemScreenRequest = 0;
  switch (game.InvPopup) {
    case POPUP_NONE:
      HandleMouse(game);
      break;
    case POPUP_EXAMINE:
      HandleExaminePanel(game);
      break;
    default:
      HandleDropConfirm(game);
      break;
  }
  UpdateHighlights(game);
  WriteBackInventory(game);
  DrawInventoryScreen(game);
  Leave(game);
  FlushInput(game);
}

}  // namespace vv
