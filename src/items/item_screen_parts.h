#pragma once
// What the inventory and loot screens share on the screen: the examine
// panel that describes one item, the help lines of the bottom bar, and the
// items' pictures.

#include "game/game.h"
#include "party/portrait_bar.h"

namespace vv {

// What the inventory and loot screens ask for when they are left.
constexpr int REQUEST_INVENTORY = 0;  // + hero: that hero's inventory
constexpr int REQUEST_SHEET = 2;      // + hero: that hero's character sheet
constexpr int REQUEST_WORLD = 5;
constexpr int REQUEST_LOOT = 7;
constexpr int REQUEST_SPELLS = 10;  // + hero: that hero's spell list

// The request a command on the portrait bar makes (0 for none).
int RequestOfBarCommand(const BarCommand& command);
// The request leaves for another hero screen or another hero's inventory.
bool IsHeroSwitch(int request);
// Sets SelectedHero and asks for the requested screen.
void SwitchForRequest(Game& game, int request);

// The panel's corner stays where the whole board is on the screen.
constexpr int PANEL_MAX_X = 464, PANEL_MAX_Y = 404;

// Opens the examine panel for an item under the mouse: the corner so that
// the mouse sits near the picture, the description wrapped for it.
void OpenExaminePanel(Game& game, int category, int number, int condition);
void ClampExaminePanel(Game& game);
// The examined item can be drunk from the panel (the potions).
bool ExaminedIsDrinkable(const Game& game);
bool OverDrinkButton(const Game& game);
// The board, the item's picture, name, description and values, and the
// "Drink Potion" button when `drinkButton` is set and the item is a potion.
void DrawExaminePanel(Game& game, bool drinkButton);

// The help lines "Pick up" and "Examine" of both screens.
void DrawItemHelp(Game& game);
// An item's picture with its top-left corner at x, y.
void DrawItemPicture(Game& game, int category, int number, int x, int y);
// Draws what never changes behind a screen from a render image that `draw`
// fills on first use (or straight onto the screen when none can be made).
void DrawBackdrop(Game& game, int& image, void (*draw)(Game&));
// The "DROP ITEM FIRST" refusal.
void RefuseWhileHolding(Game& game);

}  // namespace vv
