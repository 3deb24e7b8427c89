// The equipment and inventory screen and the loot screen through the real
// frame loop: where items fit, swaps, the slot rules, examining and drinking,
// throwing away and leaving; the loot panels, taking an item to a hero's
// inventory, closing up the list and ending the looting; and every item's
// texts in the panel's font and lines.

#include <gtest/gtest.h>

#include <string>

#include "item_screen_test_support.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "items/loot_screen.h"
#include "platform/fake_platform.h"
#include "shell/input.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv::test {
namespace {

constexpr int DAGGER = 1, CLUB = 3, BULL_WHIP = 7, PITCHFORK = 10;
constexpr int BUCKLER = 1;

class InventoryTest : public ItemScreenTest {
 protected:
  // Picks up the item lying at (column, row) of the given size in cells.
  void PickUp(int column, int row, int width, int height) {
    Click(CellX(column, width), CellY(row, height));
    ASSERT_NE(Held(), nullptr);
  }
};

TEST_F(InventoryTest, FootprintsMustLieWhollyOnFreeCells) {
  PutInGrid(1, 1, CATEGORY_WEAPON, BULL_WHIP);
  PutInGrid(1, 5, CATEGORY_WEAPON, PITCHFORK);
  PutInGrid(1, 9, CATEGORY_AMULET, 1);
  OpenInventory(1);

  PickUp(1, 1, 3, 3);
  EXPECT_EQ(g().HeldItem[held::GridWidth], 3);
  EXPECT_EQ(g().HeldItem[held::Cells], 9);
  // At column 9 the whip would reach column 11: six cells, never a fit.
  Click(CellX(9, 3), CellY(1, 3));
  ASSERT_NE(Held(), nullptr);
  EXPECT_EQ(g().PartyInventory[9][1][1], 0);
  Click(CellX(8, 3), CellY(1, 3));
  EXPECT_EQ(Held(), nullptr);
  EXPECT_EQ(g().PartyInventory[8][1][2], BULL_WHIP);

  // A 2 by 4 item at column 9 is stored at its top-left cell and covers
  // columns 9 and 10.
  PickUp(1, 5, 2, 4);
  Click(CellX(9, 2), CellY(5, 4));
  EXPECT_EQ(g().PartyInventory[9][5][2], PITCHFORK);
  EXPECT_EQ(g().PartyInventory[10][5][1], 0);
  PickUp(1, 9, 1, 1);  // the amulet
  EXPECT_EQ(g().HeldItem[held::Cells], 1);
  Click(CellX(10, 1), CellY(8, 1));  // covered by the pitchfork: a swap, not a placement
  EXPECT_EQ(Held()->Category, CATEGORY_WEAPON);
  EXPECT_EQ(g().PartyInventory[10][8][1], CATEGORY_AMULET);
}

TEST_F(InventoryTest, SwapsWithOneCoveredItemAndNeverWithTwo) {
  PutInGrid(1, 1, CATEGORY_WEAPON, DAGGER);
  PutInGrid(2, 1, CATEGORY_POTION, 1);
  PutInGrid(5, 5, CATEGORY_SHIELD, BUCKLER);
  OpenInventory(1);
  PickUp(5, 5, 2, 2);

  Click(CellX(1, 2), CellY(1, 2));
  EXPECT_EQ(Held()->Category, CATEGORY_SHIELD);
  EXPECT_EQ(g().PartyInventory[1][1][2], DAGGER);

  Click(CellX(2, 2), CellY(1, 2));  // over the potion alone
  ASSERT_NE(Held(), nullptr);
  EXPECT_EQ(Held()->Category, CATEGORY_POTION);
  EXPECT_EQ(g().PartyInventory[2][1][1], CATEGORY_SHIELD);
  EXPECT_EQ(g().PartyInventory[1][1][2], DAGGER);
}

TEST_F(InventoryTest, SlotsTakeOnlyTheirOwnCategoryAndDerivedValuesFollowAtOnce) {
  PutInGrid(1, 1, CATEGORY_WEAPON, DAGGER);
  PutInGrid(2, 1, CATEGORY_WEAPON, CLUB);
  PutInGrid(3, 1, CATEGORY_POTION, 1);
  OpenInventory(1);
  const int unarmedMax = g().HeroStats[1][hero::DamageMax];

  PickUp(1, 1, 1, 2);
  Click(400, 360);  // the shield slot
  ASSERT_NE(Held(), nullptr);
  EXPECT_EQ(g().HeroEquipment[1][CATEGORY_SHIELD][1], 0);

  // Equipped in the weapon slot; the damage follows in the same frame.
  ClickAt(
      platform, 100, 340, MOUSE_LEFT, [&] { Frames(); }, [] {});
  EXPECT_EQ(Held(), nullptr);
  const int* worn = g().HeroEquipment[1][CATEGORY_WEAPON];
  EXPECT_EQ(worn[1], DAGGER);
  // Its condition, then the item's own fields copied beside it.
  EXPECT_EQ(worn[2], ItemStats(CATEGORY_WEAPON, DAGGER, item::MaxCondition));
  for (int f = 3; f <= 6; ++f) EXPECT_EQ(worn[f], ItemStats(CATEGORY_WEAPON, DAGGER, f + 2)) << f;
  EXPECT_NE(g().HeroStats[1][hero::DamageMax], unarmedMax);
  EXPECT_EQ(sounds.back(), ItemStats(CATEGORY_WEAPON, DAGGER, item::DropSound));
  Frames(1);

  // Another weapon on the filled slot changes places with the dagger.
  PickUp(2, 1, 1, 3);
  Click(100, 340);
  EXPECT_EQ(g().HeroEquipment[1][CATEGORY_WEAPON][1], CLUB);
  ASSERT_NE(Held(), nullptr);
  EXPECT_EQ(Held()->Number, DAGGER);
  Click(CellX(1, 1), CellY(1, 2));

  // A potion goes into no slot at all.
  PickUp(3, 1, 1, 2);
  for (int s = 1; s <= 5; ++s) {
    const int* r = EqSlotRect[s];
    Click(r[1] + r[3] / 2, r[2] + r[4] / 2);
    EXPECT_NE(Held(), nullptr) << "slot " << s;
  }
}

TEST_F(InventoryTest, PotionsAreDrunkFromTheExaminePanel) {
  PutInGrid(1, 1, CATEGORY_POTION, RED_POTION);
  PutInGrid(2, 1, CATEGORY_POTION, STRENGTH_POTION);
  PutInGrid(3, 1, CATEGORY_POTION, STRENGTH_POTION);
  PutInGrid(4, 1, CATEGORY_POTION, INTELLIGENCE_POTION);
  PutInGrid(5, 1, CATEGORY_WEAPON, DAGGER);
  g().HeroStats[2][hero::Health] = 3;
  OpenInventory(2);
  auto drinkAt = [&](int column) {
    Click(CellX(column), CellY(1, 2), MOUSE_RIGHT);
    ASSERT_EQ(g().InvPopup, POPUP_EXAMINE);
    Click(g().PanelX + 40, g().PanelY + 345);
    EXPECT_EQ(g().InvPopup, POPUP_NONE);
  };
  drinkAt(1);
  EXPECT_EQ(g().HeroStats[2][hero::Health], g().HeroStats[2][hero::MaxHealth]);
  EXPECT_EQ(g().PartyInventory[1][1][1], 0);
  EXPECT_EQ(sounds.back(), SOUND_USE_BASE + 1);
  // Boosts add up; each potion feeds its own timer, and only the drinker's.
  for (int column : {2, 3, 4}) drinkAt(column);
  EXPECT_EQ(g().HeroTimers[2][1], 60);
  EXPECT_EQ(g().HeroTimers[2][2], 0);
  EXPECT_EQ(g().HeroTimers[2][3], 30);
  EXPECT_EQ(g().HeroTimers[1][1], 0);

  // A weapon has no button: a click on that place only closes the panel.
  Click(CellX(5), CellY(1, 2), MOUSE_RIGHT);
  EXPECT_EQ(g().ExaminedItem[1], CATEGORY_WEAPON);
  Click(g().PanelX + 40, g().PanelY + 345);
  EXPECT_EQ(g().InvPopup, POPUP_NONE);
  EXPECT_EQ(g().PartyInventory[5][1][2], DAGGER);
}

TEST_F(InventoryTest, ExaminesTheOneItemUnderTheHeldItemAndDropsOnlyWhenConfirmed) {
  PutInGrid(1, 1, CATEGORY_WEAPON, DAGGER);
  PutInGrid(4, 4, CATEGORY_HELM, 2);
  OpenInventory(1);
  PickUp(4, 4, 2, 2);
  Click(CellX(1, 2), CellY(1, 2), MOUSE_RIGHT);
  ASSERT_EQ(g().InvPopup, POPUP_EXAMINE);
  EXPECT_EQ(g().ExaminedItem[1], CATEGORY_WEAPON);
  EXPECT_EQ(g().ExaminedItem[2], DAGGER);
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().InvPopup, POPUP_NONE);
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);

  Click(700, 690);  // the drop button
  ASSERT_EQ(g().InvPopup, POPUP_CONFIRM);
  Press(KEY_N);
  EXPECT_NE(Held(), nullptr);
  Click(700, 690);
  Click(DIALOG_YES_X + 20, DIALOG_BOX_Y + 20);
  EXPECT_EQ(Held(), nullptr);
  EXPECT_EQ(sounds.back(), SOUND_DROP_ITEM);
  EXPECT_EQ(g().PartyInventory[1][1][2], DAGGER);
  EXPECT_EQ(g().PartyInventory[4][4][1], 0);
}

TEST_F(InventoryTest, LeavesOnlyEmptyHandedButSwitchesHeroesWithTheItem) {
  PutInGrid(1, 1, CATEGORY_WEAPON, DAGGER);
  Equip(2, CATEGORY_WEAPON, CLUB);
  OpenInventory(1);
  PickUp(1, 1, 1, 2);
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);
  EXPECT_EQ(g().MessageText, "DROP ITEM FIRST");
  EXPECT_EQ(sounds.back(), SOUND_ALARM);
  Click(60, 690, MOUSE_RIGHT);  // a character sheet
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);

  Click(260, 690);  // hero 2's inventory, the dagger still held
  EXPECT_EQ(g().SelectedHero, 2);
  ASSERT_NE(Held(), nullptr);
  EXPECT_EQ(Held()->Number, DAGGER);
  Click(100, 340);  // exchanged for hero 2's club
  EXPECT_EQ(g().HeroEquipment[2][CATEGORY_WEAPON][1], DAGGER);
  EXPECT_EQ(g().HeroEquipment[1][CATEGORY_WEAPON][1], 0);
  EXPECT_EQ(Held()->Number, CLUB);
}

TEST_F(InventoryTest, TheNextScreenIsShownAfterLeavingInTheFrameAnItemWasPlaced) {
  PutInGrid(1, 1, CATEGORY_WEAPON, DAGGER);
  g().LootCount = 1;
  g().LootList[1][1] = CATEGORY_POTION, g().LootList[1][2] = 1;
  OpenInventory(1);
  PickUp(1, 1, 1, 2);
  // Put down and leave for the loot in one frame.
  platform.ScriptMouse(CellX(3), CellY(3, 2));
  platform.ScriptButton(MOUSE_LEFT, true);
  platform.ScriptKey(KEY_ESCAPE, true);
  Frames(1);
  platform.ScriptButton(MOUSE_LEFT, false);
  platform.ScriptKey(KEY_ESCAPE, false);
  EXPECT_EQ(g().PartyInventory[3][3][2], DAGGER);
  const int shown = platform.presentedFrames;
  Frames(3);
  EXPECT_EQ(g().GameScreen, SCREEN_LOOT);
  EXPECT_EQ(platform.presentedFrames, shown + 3);
}

class LootTest : public ItemScreenTest {
 protected:
  // The panel k's middle.
  void ClickPanel(int k, int button = MOUSE_LEFT) { Click(g().LootSlotX[k] + 129, 307, button); }
};

const ItemKey WORN_DAGGER{CATEGORY_WEAPON, 1, 12};
const ItemKey CAP{CATEGORY_HELM, 2, 8};
const ItemKey POTION{CATEGORY_POTION, 1, 0};

TEST_F(LootTest, TheOnlyItemGoesToHeroTwosInventoryAndTheWorldFollows) {
  OpenLoot({WORN_DAGGER});
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
  OpenLoot({WORN_DAGGER, CAP, POTION});
  ClickPanel(1);
  Click(60, 690);
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);
  EXPECT_EQ(g().LootCount, 2);
  EXPECT_EQ(LootAt(1), CAP);
  EXPECT_EQ(LootAt(2), POTION);
  EXPECT_EQ(g().LootList[3][1], 0);
  Click(CellX(1), CellY(1, 2));
  Press(KEY_ESCAPE);  // loot still waits
  EXPECT_EQ(g().GameScreen, SCREEN_LOOT);
}

TEST_F(LootTest, AnItemGoesBackOnlyOntoAnEmptyPanel) {
  OpenLoot({WORN_DAGGER, CAP});
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
  EXPECT_EQ(LootAt(1), WORN_DAGGER);
}

TEST_F(LootTest, EndingTheLootingLeavesTheRestBehind) {
  OpenLoot({WORN_DAGGER, CAP, POTION});
  Press(KEY_ESCAPE);
  ASSERT_EQ(g().InvPopup, POPUP_CONFIRM);
  Press(KEY_N);
  EXPECT_EQ(g().InvPopup, POPUP_NONE);
  EXPECT_EQ(g().LootCount, 3);
  Click(900, 690);  // the exit frame
  ASSERT_EQ(g().InvPopup, POPUP_CONFIRM);
  ClickAt(
      platform, DIALOG_YES_X + 20, DIALOG_BOX_Y + 20, MOUSE_LEFT, [&] { Frames(); }, [] {});
  EXPECT_EQ(g().PendingScreen, SCREEN_WORLD);
  EXPECT_EQ(g().LootCount, 0);
  for (int k = 1; k <= 3; ++k) EXPECT_EQ(g().LootList[k][1], 0);
}

TEST(ItemText, EveryDescriptionFitsThePanelInTheFont) {
  FakePlatform platform;
  Shell shell(platform);
  for (int c = 1; c <= 6; ++c) {
    for (int i = 1; i <= ItemCount(c); ++i) {
      const std::string& text = ItemText(c, i, item::Description);
      ASSERT_FALSE(ItemText(c, i, item::Name).empty()) << c << "." << i;
      EXPECT_EQ(ItemText(c, i, item::BonusText).empty(), c <= 4) << c << "." << i;
      // Wrapped as the panels wrap it, it fits the lines shown.
      WrapText(shell, DESCRIPTION_WRAP_WIDTH, text);
      EXPECT_TRUE(!shell.WrapLines[1].empty() && shell.WrapLines[DESCRIPTION_LINES_SHOWN + 1].empty())
          << text;
      // Only characters the font can draw (apostrophes and hyphens included).
      for (unsigned char ch : text) {
        EXPECT_TRUE(ch == ' ' || GlyphIndex(ch) != 0) << "'" << ch << "' in " << text;
      }
    }
  }
}

}  // namespace
}  // namespace vv::test
