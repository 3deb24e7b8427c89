// The display below the field and what it leads to: the hero buttons and
// the stand-in screens behind them, the menu button and Escape, the quick
// prompt, the health gauges and the help texts.

#include "shell/text.h"
#include "temp_folder.h"
#include "world_test_support.h"

namespace vv::test {
namespace {

class DisplayTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    g().DataDir = folder / "data";
    PlaceParty(3, 1, 256, 256);
    Frames(1);
  }

  const TempFolder folder{"vizid-display"};
};

TEST_F(DisplayTest, HeroButtonsOpenTheHerosScreens) {
  Click(60, 700, MOUSE_RIGHT);  // hero 1's sheet
  EXPECT_EQ(g().GameScreen, SCREEN_CHARACTER);
  EXPECT_EQ(g().SelectedHero, 1);
  EXPECT_EQ(sounds.back(), SOUND_CLICK);
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);

  Click(260, 700);  // hero 2's inventory
  EXPECT_EQ(g().GameScreen, SCREEN_INVENTORY);
  EXPECT_EQ(g().SelectedHero, 2);
  EXPECT_TRUE(TextDrawn("Pick up.........."));
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().ScreenTiles.empty(), false);  // back: the screen was built again

  Click(260, 700, MOUSE_MIDDLE);  // hero 2 is a Rogue
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(g().MessageText, "NOT A SPELLCASTER");
  EXPECT_EQ(g().MessageColour[1], 255);
  EXPECT_EQ(sounds.back(), SOUND_ALARM);

  g().HeroStats[1][hero::Class] = 3;
  platform.ScriptMouse(60, 700);
  Press(162);  // Left Control over a Sorcerer's face
  EXPECT_EQ(g().GameScreen, SCREEN_SPELLS);
  EXPECT_EQ(g().SelectedHero, 1);
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
  EXPECT_TRUE(TextDrawn("Quicksave"));
  EXPECT_TRUE(TextDrawn("Are you sure?"));
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(PartyX), 256);
  platform.ScriptMouse(470, 420);
  Frames(1);
  const auto ys = [&] {
    for (const auto& d : shown) {
      if (d.frame == GlyphIndex('Y') && d.y == 414) return d.state.green;
    }
    return -1;
  };
  EXPECT_EQ(ys(), 255);  // hovered: bright
  Press('N');
  EXPECT_EQ(g().QuickPrompt, 0);
  EXPECT_EQ(sounds.back(), SOUND_CLICK);
  Press(KEY_F5);
  Click(530, 420);  // the N box
  EXPECT_EQ(g().QuickPrompt, 0);
  Press(KEY_F5);
  Press('Y');  // saving comes later: a confirmed prompt just closes
  EXPECT_EQ(g().QuickPrompt, 0);

  Press(KEY_F9);
  EXPECT_EQ(g().QuickPrompt, 0);
  EXPECT_EQ(g().MessageText, "NO QUICKSAVE FOUND");
  EXPECT_EQ(sounds.back(), SOUND_ALARM);
}

TEST_F(DisplayTest, HealthGaugesShrinkAndRedden) {
  g().HeroStats[1][hero::Health] = 20;  // full: d = 0.9
  g().HeroStats[2][hero::Health] = 1;   // a twentieth: d < 0
  Frames(1);
  const auto bars = DrawsOf("hpgauge1.png", g().DisplayImage);
  ASSERT_EQ(bars.size(), 2u);
  EXPECT_EQ(bars[0].state.red, 51);
  EXPECT_EQ(bars[0].state.green, 255);
  EXPECT_FLOAT_EQ(bars[0].state.scaleY, 1.0f);
  EXPECT_EQ(bars[1].state.red, 255);
  EXPECT_EQ(bars[1].state.green, 0);
  EXPECT_FLOAT_EQ(bars[1].state.scaleY, 0.05f);
  EXPECT_TRUE(TextDrawn("1/20"));

  Frames(1);  // unchanged: the display is copied, its texts are still told
  EXPECT_TRUE(DrawsOf("hpgauge1.png", g().DisplayImage).empty());
  EXPECT_TRUE(TextDrawn("1/20"));
  EXPECT_TRUE(TextDrawn("Rest................"));
  EXPECT_TRUE(TextDrawn("Arrow keys"));

  g().HeroTimers[2][2] = 5;
  Frames(1);
  const auto icons = DrawsOf("bonus_2.png", g().DisplayImage);
  ASSERT_EQ(icons.size(), 1u);
  EXPECT_EQ(icons[0].x, 232);
}

TEST_F(DisplayTest, FramesLightUnderThePointerButNotUnderABanner) {
  platform.ScriptMouse(700, 700);
  Frames(1);
  auto frames = DrawsOf("faceborder.png", g().DisplayImage);
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[2].state.green, 255);  // the camp button
  EXPECT_EQ(frames[0].state.green, 50);
  g().AttackBanner = 1;
  Frames(1);
  frames = DrawsOf("faceborder.png", g().DisplayImage);
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[2].state.green, 50);
}

}  // namespace
}  // namespace vv::test
