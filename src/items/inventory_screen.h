#pragma once
// The equipment and inventory screen (screen 4): one hero's five equipment
// slots beside the party's 10 by 10 grid. Items are moved with the mouse,
// examined, drunk and thrown away; HeroEquipment and PartyInventory are
// rewritten from the screen's items every frame.

#include "game/game.h"

namespace vv {

void RunInventoryScreen(Game& game);
// Draws the screen as it stands (inventory_draw.cpp).
void DrawInventoryScreen(Game& game);

}  // namespace vv
