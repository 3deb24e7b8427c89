// Thousands of random clicks and keys over the inventory and loot screens
// and the screens between them: after every frame the party's items (grid,
// slots, cursor, loot panels) are the same as before, except for what the
// player drank, threw away or left behind when the looting ended.

#include <random>

#include "item_screen_test_support.h"
#include "items/item_rules.h"
#include "items/loot_screen.h"
#include "party/portrait_bar.h"
#include "shell/input.h"
#include "shell/menus.h"

namespace vv::test {
namespace {

class ItemConservationTest : public ItemScreenTest {
 protected:
  int Roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  bool Chance(int percent) { return Roll(1, 100) <= percent; }

  ItemKey RandomItem() {
    const int category = Roll(1, 6);
    const int number = Roll(1, ItemCount(category));
    return {category, number, ItemStats(category, number, item::MaxCondition)};
  }

  // Somewhere worth clicking on the screen shown.
  void AimMouse() {
    int x = Roll(0, 1023), y = Roll(0, 767);
    switch (Roll(1, 9)) {
      case 1:
      case 2:
      case 3:
        x = Roll(560, 959), y = Roll(80, 479);  // the grid
        break;
      case 4: {
        const int* r = EqSlotRect[Roll(1, 5)];
        x = r[1] + Roll(0, r[3]), y = r[2] + Roll(0, r[4]);
        break;
      }
      case 5: {
        const int box[] = {BAR_HERO_X[1], BAR_HERO_X[2], 671, BAR_EXIT_X};
        x = box[Roll(0, 3)] + Roll(0, BAR_BOX_SIZE), y = BAR_Y + Roll(0, BAR_BOX_SIZE);
        break;
      }
      case 6:
        x = g().LootSlotX[Roll(1, 3)] + Roll(0, 258), y = 177 + Roll(0, 260);
        break;
      case 7:
        x = Roll(0, 1) == 0 ? DIALOG_YES_X + 20 : DIALOG_NO_X + 20, y = DIALOG_BOX_Y + 20;
        break;
      case 8:
        x = g().PanelX + Roll(24, 149), y = g().PanelY + Roll(332, 366);  // the potion button
        break;
      default:
        break;
    }
    platform.ScriptMouse(x, y);
  }

  void RandomInput() {
    if (Chance(60)) AimMouse();
    platform.ScriptButton(MOUSE_LEFT, Chance(35));
    platform.ScriptButton(MOUSE_RIGHT, Chance(10));
    platform.ScriptButton(MOUSE_MIDDLE, Chance(3));
    for (int key : {KEY_ESCAPE, KEY_Y, KEY_N, KEY_LEFT_CONTROL}) platform.ScriptKey(key, Chance(4));
  }

  // The world is not played here: whenever the party would be back on it,
  // the player opens an inventory or, now and then, a new chest.
  void BackFromTheWorld() {
    if (g().PendingScreen != SCREEN_WORLD && (g().GameScreen != SCREEN_WORLD || g().PendingScreen != 0))
      return;
    if (g().LootCount == 0 && Chance(40)) {
      std::vector<ItemKey> items(static_cast<std::size_t>(Roll(1, 3)));
      for (ItemKey& item : items) item = RandomItem();
      SetLoot(items);
    }
    if (g().LootCount > 0) {
      g().PendingScreen = SCREEN_LOOT;
    } else {
      g().SelectedHero = Roll(1, 2);
      g().PendingScreen = SCREEN_INVENTORY;
    }
  }

  static std::vector<ItemKey> Without(std::vector<ItemKey> items, const std::vector<ItemKey>& gone) {
    for (const ItemKey& item : gone) {
      const auto at = std::find(items.begin(), items.end(), item);
      if (at != items.end()) items.erase(at);
    }
    return items;
  }

  std::mt19937 random{20261207};
};

TEST_F(ItemConservationTest, RandomPlayNeverLosesOrCopiesAnItem) {
  PutInGrid(1, 1, CATEGORY_WEAPON, 10);
  PutInGrid(3, 1, CATEGORY_POTION, RED_POTION);
  PutInGrid(4, 1, CATEGORY_POTION, STRENGTH_POTION);
  PutInGrid(5, 1, CATEGORY_SHIELD, 4);
  PutInGrid(1, 6, CATEGORY_AMULET, 3);
  Equip(1, CATEGORY_WEAPON, 5);
  Equip(1, CATEGORY_HELM, 7);
  Equip(2, CATEGORY_ARMOUR, 2);
  Equip(2, CATEGORY_AMULET, 1);
  SwitchScreen(g(), SCREEN_INVENTORY);

  int drunk = 0, dropped = 0, ended = 0, carried = 0, screens[SCREEN_COUNT] = {};
  for (int frame = 0; frame < 20000; ++frame) {
    BackFromTheWorld();
    RandomInput();
    const std::vector<ItemKey> before = AllItems();
    const std::vector<ItemKey> loot = {LootAt(1), LootAt(2), LootAt(3)};
    const T_Item* heldBefore = Held();
    const ItemKey held = heldBefore ? ItemKey{heldBefore->Category, heldBefore->Number, heldBefore->Condition}
                                    : ItemKey{0, 0, 0};
    const int lootCount = g().LootCount, screen = g().PendingScreen ? g().PendingScreen : g().GameScreen;
    const std::size_t heard = sounds.size();
    Frames(1);
    ++screens[g().GameScreen];
    const int sound = sounds.size() > heard ? sounds.back() : 0;
    const std::vector<ItemKey> after = AllItems();

    // At most one item hangs on the cursor, and only on the item screens.
    const auto heldCount = std::count_if(g().ItemList.begin(), g().ItemList.end(),
                                         [](const T_Item& i) { return i.Location == LOCATION_HELD; });
    ASSERT_LE(heldCount, 1) << "frame " << frame;
    if (g().GameScreen != SCREEN_INVENTORY && g().GameScreen != SCREEN_LOOT) {
      ASSERT_EQ(heldCount, 0) << "frame " << frame;
    }
    if (after == before) {
      carried += lootCount > g().LootCount;
      continue;
    }
    if (sound == SOUND_DROP_ITEM && after == Without(before, {held})) {
      ++dropped;
    } else if (sound > SOUND_USE_BASE && sound < SOUND_TAKE && after.size() + 1 == before.size() &&
               std::includes(before.begin(), before.end(), after.begin(), after.end()) &&
               std::get<0>(Without(before, after).front()) == CATEGORY_POTION) {
      ++drunk;
    } else if (screen == SCREEN_LOOT && lootCount > 0 && g().LootCount == 0 &&
               after == Without(before, loot)) {
      ++ended;
    } else {
      FAIL() << "frame " << frame << ": items changed on screen " << screen << " with sound " << sound << ", "
             << before.size() << " items before, " << after.size() << " after";
    }
  }
  // The walk went everywhere it should have.
  EXPECT_GT(screens[SCREEN_INVENTORY], 1000);
  EXPECT_GT(screens[SCREEN_LOOT], 1000);
  EXPECT_GT(screens[SCREEN_CHARACTER], 0);
  EXPECT_GT(drunk, 0);
  EXPECT_GT(dropped, 0);
  EXPECT_GT(ended, 0);
  EXPECT_GT(carried, 0);
}

}  // namespace
}  // namespace vv::test
