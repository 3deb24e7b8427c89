// The loot screen through the real frame loop: its panels, taking an item
// to a hero's inventory, closing up the list and ending the looting.

#include "items/loot_screen.h"

#include "item_screen_test_support.h"
#include "shell/menus.h"

namespace vv::test {
namespace {

class LootTest : public ItemScreenTest {
 protected:
  // The panel k's middle.
  void ClickPanel(int k, int button = MOUSE_LEFT) { Click(g().LootSlotX[k] + 129, 307, button); }
  std::vector<float> PanelsDrawnAt() const {
    std::vector<float> xs;
    for (const auto& d : DrawsOf("lootslot.png")) xs.push_back(d.x);
    return xs;
  }
};

const ItemKey DAGGER{CATEGORY_WEAPON, 1, 12};
const ItemKey CAP{CATEGORY_HELM, 2, 8};
const ItemKey POTION{CATEGORY_POTION, 1, 0};

TEST_F(LootTest, TheOnlyItemGoesToHeroTwosInventoryAndTheWorldFollows) {
  OpenLoot({DAGGER});
  ClickPanel(1);
  ASSERT_NE(Held(), nullptr);
  EXPECT_EQ(g().LootList[1][1], 0);
  EXPECT_EQ(sounds.back(), SOUND_TAKE);
  Click(260, 690);  // hero 2
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);
  EXPECT_EQ(g().SelectedHero, 2);
  EXPECT_EQ(g().LootCount, 0);
  ASSERT_NE(Held(), nullptr);
  Click(100, 340);  // straight into hero 2's weapon slot
  EXPECT_EQ(g().HeroEquipment[2][CATEGORY_WEAPON][1], 1);
  EXPECT_EQ(g().HeroEquipment[2][CATEGORY_WEAPON][2], 12);
  platform.ScriptKey(KEY_ESCAPE, true);
  Frames(1);
  EXPECT_EQ(g().PendingScreen, SCREEN_WORLD);
}

TEST_F(LootTest, CarryingOffTheFirstOfThreeMovesTheOthersUp) {
  OpenLoot({DAGGER, CAP, POTION});
  ClickPanel(1);
  Click(60, 690);
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);
  EXPECT_EQ(g().LootCount, 2);
  EXPECT_EQ((ItemKey{g().LootList[1][1], g().LootList[1][2], g().LootList[1][3]}), CAP);
  EXPECT_EQ((ItemKey{g().LootList[2][1], g().LootList[2][2], g().LootList[2][3]}), POTION);
  EXPECT_EQ(g().LootList[3][1], 0);
  Click(CellX(1), CellY(1, 2));
  Press(KEY_ESCAPE);  // loot still waits
  EXPECT_EQ(g().GameScreen, SCREEN_LOOT);
  EXPECT_EQ(PanelsDrawnAt(), (std::vector<float>{252, 512, -1000}));
}

TEST_F(LootTest, AnItemGoesBackOnlyOntoAnEmptyPanel) {
  OpenLoot({DAGGER, CAP});
  ClickPanel(1);
  ClickPanel(2);  // filled: no swap
  EXPECT_EQ(Held()->Category, CATEGORY_WEAPON);
  EXPECT_EQ(g().LootList[2][1], CATEGORY_HELM);
  Press(KEY_ESCAPE);  // no ending with an item in hand
  EXPECT_EQ(g().MessageText, "DROP ITEM FIRST");
  EXPECT_EQ(g().InvPopup, POPUP_NONE);
  Click(60, 690, MOUSE_RIGHT);
  EXPECT_EQ(g().GameScreen, SCREEN_LOOT);
  ClickPanel(1);
  EXPECT_EQ(Held(), nullptr);
  EXPECT_EQ((ItemKey{g().LootList[1][1], g().LootList[1][2], g().LootList[1][3]}), DAGGER);

  ClickPanel(2, MOUSE_RIGHT);
  EXPECT_EQ(g().InvPopup, POPUP_EXAMINE);
  EXPECT_EQ(g().ExaminedItem[2], 2);
  Click(10, 10, MOUSE_RIGHT);
  EXPECT_EQ(g().InvPopup, POPUP_NONE);
}

TEST_F(LootTest, EndingTheLootingLeavesTheRestBehind) {
  OpenLoot({DAGGER, CAP, POTION});
  Press(KEY_ESCAPE);
  ASSERT_EQ(g().InvPopup, POPUP_CONFIRM);
  Press(KEY_N);
  EXPECT_EQ(g().InvPopup, POPUP_NONE);
  EXPECT_EQ(g().LootCount, 3);
  Click(900, 690);  // the exit frame
  ASSERT_EQ(g().InvPopup, POPUP_CONFIRM);
  platform.ScriptMouse(DIALOG_YES_X + 20, DIALOG_BOX_Y + 20);
  platform.ScriptButton(MOUSE_LEFT, true);
  Frames(1);
  EXPECT_EQ(g().PendingScreen, SCREEN_WORLD);
  EXPECT_EQ(g().LootCount, 0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(g().LootList[k][1], 0);
}

}  // namespace
}  // namespace vv::test
