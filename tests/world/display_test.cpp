// The display below the field and what it leads to: the hero buttons and
// the stand-in screens behind them, the menu button and Escape, the quick
// prompt, the health gauges and the help texts.

#include "shell/text.h"
#include "temp_folder.h"
#include "world_test_support.h"

namespace vv::test {
namespace {

class DisplayTest : public StandingPartyTest {
 protected:
  void SetUp() override {
    StandingPartyTest::SetUp();
    g().DataDir = folder / "data";
  }
  const TempFolder folder{"vizid-display"};
};

TEST_F(DisplayTest, HeroButtonsOpenTheHerosScreens) {
  // (The screen walk opens every hero screen; here what it does not try.)
  Click(260, 700);  // hero 2's inventory
  EXPECT_EQ(g().SelectedHero, 2);
  EXPECT_EQ(sounds.back(), SOUND_CLICK);
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().ScreenTiles.empty(), false);  // back: the screen was built again

  Click(60, 700, MOUSE_MIDDLE);  // hero 1 is a Fighter
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(g().MessageText, "NOT A SPELLCASTER");
  EXPECT_EQ(sounds.back(), SOUND_ALARM);

  platform.ScriptMouse(260, 700);
  Press(162);  // Left Control over the Sorcerer's face
  EXPECT_EQ(g().GameScreen, SCREEN_SPELLS);
  EXPECT_EQ(g().SelectedHero, 2);
}

TEST_F(DisplayTest, EscapeAndTheMenuButtonFadeToTheMainMenu) {
  platform.ScriptKey(KEY_ESCAPE, true);
  Frames(1);
  platform.ScriptKey(KEY_ESCAPE, false);
  EXPECT_EQ(g().ScreenFade[1], 2);
  EXPECT_EQ(g().ScreenFade[3], SCREEN_MAIN_MENU);
  EXPECT_TRUE(g().ScreenTiles.empty());  // a screen request empties the screen
  Frames(30);
  EXPECT_EQ(g().GameScreen, SCREEN_MAIN_MENU);

  g().GameScreen = SCREEN_WORLD;
  Frames(12);
  Click(900, 700);
  EXPECT_EQ(g().ScreenFade[1], 2);
  EXPECT_FALSE(g().ScreenTiles.empty());  // the menu button leaves the screen as it is
  EXPECT_EQ(g().ScreenReady, 1);
}

TEST_F(DisplayTest, QuickPromptAsksAndNothingElseMoves) {
  Press(KEY_F5);
  EXPECT_EQ(g().QuickPrompt, QUICK_SAVE);
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(PartyX), 256);
  Click(530, 420);  // the N box
  EXPECT_EQ(g().QuickPrompt, 0);
  EXPECT_EQ(sounds.back(), SOUND_CLICK);
}

TEST_F(DisplayTest, TheDisplayIsDrawnAgainOnlyWhenItChanges) {
  g().HeroStats[1][hero::Health] = 20;  // full: d = 0.9
  g().HeroStats[2][hero::Health] = 1;   // a twentieth: d < 0
  Frames(1);
  const auto bars = DrawsOf("hpgauge1.png", g().DisplayImage);
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_FLOAT_EQ(bars[1].state.scaleY, 0.05f);
  EXPECT_TRUE(TextDrawn("1/20"));

  Frames(1);  // unchanged: the display is copied, its texts are still told
  EXPECT_TRUE(DrawsOf("hpgauge1.png", g().DisplayImage).empty());
  EXPECT_TRUE(TextDrawn("1/20"));
  g().HeroTimers[2][2] = 5;  // a new boost draws the display again
  Frames(1);
  EXPECT_EQ(DrawsOf("bonus_2.png", g().DisplayImage).size(), 1u);
}

}  // namespace
}  // namespace vv::test
