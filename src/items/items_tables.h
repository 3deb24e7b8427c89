#pragma once
// Items: what each hero wears and what the party carries, and the state of
// the inventory and loot screens, whose items live as objects while one of
// them runs.

#include <vector>

namespace vv {

// Where an item on the inventory or loot screen is.
constexpr int LOCATION_HELD = 1;  // hanging on the cursor
constexpr int LOCATION_GRID = 2;  // in the inventory grid
constexpr int LOCATION_SLOT = 2;  // equipment slot s is Location s + 2 (3..7)

// One item on the inventory screen (or held over the loot screen).
struct T_Item {
  int x = 0, y = 0;  // the picture's top-left corner on the screen
  int Location = 0;
  int Category = 0;
  int Number = 0;
  int Covered = 0;  // 1 while the held item's footprint lies over it
  int Condition = 0;
  int Examined = 0;  // 1 for the item whose panel is open
};

// Highlight state of a grid cell or an equipment slot.
struct SlotState {
  int Occupancy = 0;  // 0 free, 1 covered, 2 covered by the item pointed at
  int Target = 0;     // 0 none, 1 the held item may go here, 2 it may not
};

// One cell of the 10 by 10 inventory grid.
struct T_InvSlot {
  int x = 0, y = 0;
  int Column = 0, Row = 0;
  SlotState State;
};

// One of the five equipment slots.
struct T_EqSlot {
  int x = 0, y = 0;
  SlotState State;
  int Slot = 0;
};

// Fields of HeldItem.
namespace held {
enum Field : int {
  Category = 1,
  Number = 2,
  ImageWidth = 3,
  ImageHeight = 4,
  GridWidth = 5,
  GridHeight = 6,
  Cells = 7,
  X = 8,
  Y = 9,
};
}  // namespace held

// InvPopup values.
constexpr int POPUP_NONE = 0;
constexpr int POPUP_EXAMINE = 1;
constexpr int POPUP_CONFIRM = 2;  // drop the held item / end looting

struct ItemTables {
  // [hero 1..2][slot 1..5][field 1..20]: 1 item number (0 empty), 2 condition,
  // 3..6 copies of the item's database fields 5..8.
  int HeroEquipment[3][6][21] = {};
  // [column 1..10][row 1..10][field 1..20]: at an item's top-left cell,
  // 1 category (0 none), 2 item number, 3 condition.
  int PartyInventory[11][11][21] = {};

  // ---- The inventory and loot screens.
  std::vector<T_Item> ItemList;        // every item on the screen; only the held one outlives it
  std::vector<T_InvSlot> InvSlotList;  // the 100 cells, column by column
  std::vector<T_EqSlot> EqSlotList;    // the 5 slots
  int HeldItem[51] = {};  // the held item's category (0 none), number, sizes and place; see held::
  // Where the held item would land in the grid: corner plus 1, size less 2,
  // and the cell of its top-left corner.
  int SnapX = -2000, SnapY = -2000, SnapW = 0, SnapH = 0, SnapColumn = 0, SnapRow = 0;
  int SnapFits = 0;   // 1 when the held item fits a free place there
  int SwapState = 0;  // items the held item covers when it fits the grid (see the inventory screen)
  int InvPopup = POPUP_NONE;
  int ExaminedItem[4] = {};  // [1 category, 2 number, 3 condition] of the item whose panel is open
  int PanelX = 0, PanelY = 0;
  int InventoryBuilt = 0;     // 0: the inventory screen builds its lists on its next frame
  int ItemScreenRequest = 0;  // what the inventory or loot screen asked for this frame
  int LootSlotX[4] = {};      // x of each loot panel, -1000 when off the screen
  // Render images holding what never changes behind each screen, made on
  // first use (0 until then).
  int InventoryBackdrop = 0, LootBackdrop = 0;
  // ---- end of the screens' block.
};

}  // namespace vv
