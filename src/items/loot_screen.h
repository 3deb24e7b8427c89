#pragma once
// The loot screen (screen 7): up to three found items on panels. An item
// taken from its panel hangs on the cursor and goes with the player to a
// hero's inventory; whatever is left when looting ends is lost.

#include "game/game.h"

namespace vv {

constexpr int LOOT_PANEL_Y = 177;
constexpr int LOOT_PANEL_W = 258, LOOT_PANEL_H = 260;

void RunLootScreen(Game& game);
// LootSlotX from LootCount: the panels side by side, centred.
void PlaceLootPanels(Game& game);

}  // namespace vv
