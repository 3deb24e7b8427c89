#pragma once
// The inventory's geometry and bookkeeping, shared by the inventory and
// loot screens: the equipment slots and the 10 by 10 grid of 40-pixel
// cells, the item on the cursor, where it would land, and the write-back of
// the screen's items into HeroEquipment and PartyInventory.

#include "game/game.h"

namespace vv {

constexpr int CELL_SIZE = 40;
constexpr int GRID_CELLS = 10;
// Cell (c, r), both 1..10, has its corner at (GRID_LEFT + 40c, GRID_TOP + 40r).
constexpr int GRID_LEFT = 520;
constexpr int GRID_TOP = 40;

// EqSlotRect[slot 1..5] = {0, x, y, width, height}.
constexpr int EqSlotRect[6][5] = {
    {0, 0, 0, 0, 0},         {0, 40, 220, 120, 240},  // weapon
    {0, 320, 260, 160, 200},                          // shield
    {0, 320, 30, 200, 200},                           // body armour
    {0, 194, 30, 80, 80},                             // helm
    {0, 135, 145, 40, 40},                            // amulet
};

// Sound requests of the item screens.
constexpr int SOUND_TAKE = 100;        // an item picked up
constexpr int SOUND_USE_BASE = 50;     // + the potion's use sound
constexpr int SOUND_DROP_ITEM = 6000;  // an item thrown away

// The item on the cursor, or nullptr.
T_Item* FindHeldItem(Game& game);
// Fills HeldItem from the item with Location 1 and moves that item with
// the mouse.
void RefreshHeldItem(Game& game);
// Where the held item would land in the grid (SnapX .. SnapRow).
void SnapHeldItem(Game& game);

// The slot rectangle holds the mouse.
bool MouseInSlot(const Game& game, int slot);
// The item's picture less 1 pixel on each side (so that neighbours in the
// grid do not touch) overlaps the rectangle.
bool ItemOverlaps(const T_Item& item, int x, int y, int w, int h);
bool MouseOnItem(const Game& game, const T_Item& item);
// Places an item centred in equipment slot `slot`.
void PutInSlot(T_Item& item, int slot);

// Builds the slots, the cells and the items of SelectedHero's equipment and
// of the party's inventory (the held item stays).
void BuildInventoryLists(Game& game);
// Leaves only the held item and clears the built flag.
void TearDownInventoryLists(Game& game);
// Rewrites PartyInventory and SelectedHero's HeroEquipment from the items.
void WriteBackInventory(Game& game);

}  // namespace vv
