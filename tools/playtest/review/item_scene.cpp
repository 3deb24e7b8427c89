// The inventory and loot screens: empty, full, an item held over free
// cells, over one item, over two and over the slots, the examine panel of
// every category, the drop dialog, and the loot screen with one, two and
// three items.

#include <algorithm>
#include <iterator>

#include "game/game_setup.h"
#include "items/inventory_grid.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "review.h"
#include "shell/menus.h"

namespace vv::review {
namespace {

class Items : public Scene {
 public:
  using Scene::Scene;

  void Run() {
    Party(1, 1, 8);
    g().OptionFlags[OPTION_MUSIC] = 0;
    g().HeroTimers[1][1] = 12;
    Move(1000, 300, 0);
    Open(SCREEN_INVENTORY);
    Shot("01_inventory_empty");

    // Hero 2 with a full grid and four slots filled.
    LeaveToWorld();
    g().SelectedHero = 2;
    FillGrid();
    Equip(2, 1, 17, 9);
    Equip(2, 2, 6, 16);
    Equip(2, 4, 10, 20);
    Equip(2, 5, 5, 0);
    Open(SCREEN_INVENTORY);
    Move(100, 300);  // pointing at the pike in its slot
    Shot("02_inventory_full_pointing_at_slot");

    // Holding the maul over other items, over the armour slot.
    Click(100, 300);
    Expect(g().HeldItem[held::Category] == 1, "the weapon in hand");
    Move(700, 250);
    Shot("03_holding_over_many_items");
    Move(420, 130);
    Shot("04_holding_over_wrong_slot");
    Click(420, 130);  // refused
    Click(100, 340);  // back into its slot
    LeaveToWorld();

    // A sparse grid for placing and swapping.
    for (auto& column : g().PartyInventory) {
      for (auto& cell : column) std::fill(std::begin(cell), std::end(cell), 0);
    }
    Put(1, 1, 1, 8), Put(3, 1, 2, 4), Put(6, 1, 3, 3), Put(1, 5, 4, 9), Put(3, 5, 5, 4), Put(4, 5, 6, 1),
        Put(5, 5, 6, 2), Put(8, 6, 1, 20);
    Open(SCREEN_INVENTORY);
    Move(620, 150);
    Shot("05_pointing_at_grid_item");
    Click(620, 150);  // the sickle
    Move(620, 420);
    Shot("06_holding_over_free_cells");
    Move(800, 300);
    Shot("07_holding_over_one_item");
    Move(950, 150);
    Shot("08_holding_off_the_grid_edge");
    Move(100, 340);
    Shot("09_holding_over_own_slot");

    // Each category's examine panel.
    Click(620, 420);  // the sickle down
    const int at[7][2] = {{0, 0}, {640, 420}, {680, 120}, {840, 160}, {600, 280}, {660, 260}, {700, 280}};
    const char* names[7] = {"", "weapon", "shield", "armour", "helm", "amulet", "potion"};
    for (int category = 1; category <= 6; ++category) {
      Click(at[category][0], at[category][1], MOUSE_RIGHT);
      Expect(g().InvPopup == POPUP_EXAMINE && g().ExaminedItem[1] == category,
             std::string("the examined ") + names[category]);
      if (category == 6) Move(g().PanelX + 60, g().PanelY + 345);
      Shot("1" + std::to_string(category) + "_examine_" + names[category]);
      Click(10, 10, MOUSE_RIGHT);
    }

    // The drop dialog over a held item.
    Click(640, 420);
    Click(735, 690);
    Expect(g().InvPopup == POPUP_CONFIRM, "the drop dialog");
    Move(DIALOG_YES_X + 20, DIALOG_BOX_Y + 20);
    Shot("17_drop_dialog");
    Click(DIALOG_NO_X + 20, DIALOG_BOX_Y + 20);
    Click(640, 420);
    LeaveToWorld();

    // The loot screen with one, two and three items.
    for (int count = 1; count <= 3; ++count) {
      Loot(count);
      Open(SCREEN_LOOT);
      Move(g().LootSlotX[count] + 100, 300);
      Shot("2" + std::to_string(count) + "_loot_" + std::to_string(count));
    }
    Click(g().LootSlotX[1] + 100, 300);
    Move(500, 560);
    Shot("24_loot_holding");
    Click(g().LootSlotX[1] + 100, 300);
    Click(g().LootSlotX[3] + 100, 300, MOUSE_RIGHT);
    Shot("25_loot_examine");
    Click(10, 10, MOUSE_RIGHT);
    Click(944, 690);
    Move(DIALOG_NO_X + 20, DIALOG_BOX_Y + 20);
    Shot("26_loot_end_dialog");
    Click(DIALOG_NO_X + 20, DIALOG_BOX_Y + 20);
    // Carried to hero 1's inventory: the loot picture on the exit box.
    Click(g().LootSlotX[2] + 100, 300);
    Click(80, 690);
    Expect(g().GameScreen == SCREEN_INVENTORY, "hero 1's inventory with loot waiting");
    Move(900, 420);
    Shot("27_inventory_with_loot_waiting");
  }

 private:
  void Open(int screen) {
    SwitchScreen(g(), screen);
    Frames(3);
    Expect(g().GameScreen == screen, "screen " + std::to_string(screen));
  }
  // Leaves the screen as the player does, back to the world.
  void LeaveToWorld() {
    Key(KEY_ESCAPE);
    Frames(1);
    Expect(g().GameScreen == SCREEN_WORLD, "the way back to the world");
  }
  // As many different items as fit, a few of every category.
  void FillGrid() {
    bool used[11][11] = {};
    for (int number = 20; number >= 1; --number) {
      for (int category = 1; category <= 6; ++category) {
        if (number > ItemCount(category)) continue;
        const int w = ItemStats(category, number, item::GridWidth),
                  h = ItemStats(category, number, item::GridHeight);
        bool placed = false;
        for (int c = 1; c + w - 1 <= 10 && !placed; ++c) {
          for (int r = 1; r + h - 1 <= 10 && !placed; ++r) {
            bool free = true;
            for (int x = c; x < c + w; ++x) {
              for (int y = r; y < r + h; ++y) free = free && !used[x][y];
            }
            if (!free) continue;
            for (int x = c; x < c + w; ++x) {
              for (int y = r; y < r + h; ++y) used[x][y] = true;
            }
            Put(c, r, category, number);
            placed = true;
          }
        }
      }
    }
  }
  void Loot(int count) {
    const int items[4][2] = {{0, 0}, {1, 12}, {2, 6}, {6, 3}};
    g().LootCount = count;
    for (int k = 1; k <= 3; ++k) {
      const int category = k <= count ? items[k][0] : 0, number = k <= count ? items[k][1] : 0;
      g().LootList[k][1] = category, g().LootList[k][2] = number;
      g().LootList[k][3] = ItemStats(category, number, item::MaxCondition);
    }
  }
};

}  // namespace

int ItemScene(const std::filesystem::path& folder) {
  Items scene(folder);
  if (scene.Start()) scene.Run();
  return scene.problems();
}

}  // namespace vv::review
