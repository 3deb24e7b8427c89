// The character sheet: its values, their colours, "N/A" at the top level,
// and the commands of the portrait bar.

#include "party/character_sheet.h"

#include <gtest/gtest.h>

#include <memory>

#include "party/hero_record.h"
#include "party/portrait_bar.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/input.h"

namespace vv {
namespace {

class SheetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    LoadFonts(*game);
    game->GameScreen = SCREEN_CHARACTER;
    const int classes[3] = {0, CLASS_FIGHTER, CLASS_SORCERER};
    for (int h = 1; h <= 2; ++h) {
      int* s = game->HeroStats[h];
      s[hero::Class] = classes[h];
      s[hero::Level] = 2;
      s[hero::Spell] = 1;
      s[hero::Face] = h;
      for (int f = hero::BaseStrength; f <= hero::BaseEndurance; ++f) s[f] = 8;
      s[hero::Health] = 16;
    }
    game->HeroNames[1] = "BRENNA";
    game->HeroNames[2] = "OSRIC";
    UpdateInput(*game);  // buttons count once they have been seen up
  }
  void Frame() {
    platform.Cls();
    platform.ClearTextTrace();
    UpdateInput(*game);
    game->SoundEvent = 0;
    ApplyAttributeBoosts(*game);
    RunCharacterSheet(*game);
    RecalcHeroStats(*game);
  }
  void Click(int button, int x, int y) {
    platform.ScriptMouse(x, y);
    platform.ScriptButton(button, true);
    Frame();
    platform.ScriptButton(button, false);
    UpdateInput(*game);  // the button is seen up again before the next press
  }
  // The text drawn at (x, y), "" if none.
  std::string TextAt(float x, float y) const {
    for (const auto& t : platform.TextTrace()) {
      if (t.x == x && t.y == y) return t.text;
    }
    return "";
  }
  int GreenOfValueAt(float x, float y) const {
    for (const auto& d : platform.DrawsOf("medfont.png")) {
      if (d.y == y && d.x >= x) return d.state.green;
    }
    return -1;
  }

  FakePlatform platform;
  std::unique_ptr<Game> game = std::make_unique<Game>(platform);
};

TEST_F(SheetTest, ShowsTheRecord) {
  game->SelectedHero = 2;
  Frame();
  Frame();  // values are the ones the previous frame's tail figured
  EXPECT_EQ(TextAt(43, 43), "Name");
  EXPECT_EQ(TextAt(275, 43), "OSRIC");
  EXPECT_EQ(TextAt(275, 93), "Sorcerer");
  // The bar's help panel is filled, as on the other screens with the bar.
  EXPECT_EQ(TextAt(536, 630), "Left-click");
  EXPECT_EQ(TextAt(536, 670), "Escape");
  EXPECT_EQ(TextAt(275, 143), "2");
  EXPECT_EQ(TextAt(275, 243), "65");
  EXPECT_EQ(TextAt(275, 318), "16 / 16");
  EXPECT_EQ(TextAt(275, 368), "1 - 2");  // bare hands, f = 1.24
  EXPECT_EQ(TextAt(275, 418), "Fast");   // s = 18: delay 139
  EXPECT_EQ(TextAt(275, 468), "0 %");
  EXPECT_EQ(TextAt(793, 43), "8");
  EXPECT_EQ(TextAt(561, 318), "Hit Ratio");
  EXPECT_EQ(TextAt(793, 318), "0 %");
  EXPECT_EQ(TextAt(793, 468), "0 %");
  EXPECT_EQ(TextAt(182 + 209, 740), "16/16");
  EXPECT_EQ(GreenOfValueAt(275, 43), 150);  // orange values
}

TEST_F(SheetTest, TopLevelBoostsAndRatios) {
  int* s = game->HeroStats[1];
  s[hero::Level] = 30;
  s[hero::Attacks] = 4;
  s[hero::Hits] = 3;
  game->HeroTimers[1][1] = 5;
  Frame();
  Frame();
  EXPECT_EQ(TextAt(275, 243), "N/A");
  EXPECT_EQ(TextAt(793, 318), "75 %");
  EXPECT_EQ(TextAt(793, 43), "18");
  EXPECT_EQ(GreenOfValueAt(793, 43), 255);  // boosted strength in green
  EXPECT_EQ(GreenOfValueAt(793, 93), 150);  // dexterity as usual
  game->HeroTimers[1][1] = 0;
  Frame();
  EXPECT_EQ(TextAt(793, 43), "8");
  EXPECT_EQ(GreenOfValueAt(793, 43), 150);
}

TEST_F(SheetTest, BarCommands) {
  game->SelectedHero = 1;
  Click(MOUSE_RIGHT, 80, 690);  // own box
  EXPECT_EQ(game->PendingScreen, 0);
  EXPECT_EQ(game->SoundEvent, 0);
  Click(MOUSE_RIGHT, 290, 690);
  EXPECT_EQ(game->PendingScreen, SCREEN_CHARACTER);
  EXPECT_EQ(game->SelectedHero, 2);
  EXPECT_EQ(game->SoundEvent, 4000);
  game->PendingScreen = 0;
  Click(MOUSE_LEFT, 290, 690);  // the shown hero's own box too
  EXPECT_EQ(game->PendingScreen, SCREEN_INVENTORY);
  EXPECT_EQ(game->SelectedHero, 2);
  game->PendingScreen = 0;

  Click(MOUSE_MIDDLE, 80, 690);  // hero 1 is a Fighter
  EXPECT_EQ(game->PendingScreen, 0);
  EXPECT_EQ(game->MessageText, "NOT A SPELLCASTER");
  EXPECT_EQ(game->MessageColour[1], 255);
  EXPECT_EQ(game->SoundEvent, 5000);
  platform.ScriptMouse(290, 700);
  platform.ScriptKey(162, true);
  Frame();
  platform.ScriptKey(162, false);
  EXPECT_EQ(game->PendingScreen, SCREEN_SPELLS);
  game->PendingScreen = 0;

  Click(MOUSE_LEFT, 900, 700);
  EXPECT_EQ(game->PendingScreen, SCREEN_WORLD);
  game->PendingScreen = 0;
  game->LootCount = 1;
  platform.ScriptKey(KEY_ESCAPE, true);
  Frame();
  EXPECT_EQ(game->PendingScreen, SCREEN_LOOT);
}

TEST_F(SheetTest, BarHighlightsAndHealthGauge) {
  LoadGameImages(*game);
  game->SelectedHero = 2;
  game->HeroStats[1][hero::Health] = 4;  // a quarter of 16
  game->HeroTimers[1][3] = 2;
  platform.ScriptMouse(900, 700);
  Frame();
  Frame();
  const auto icons = platform.DrawsOf("bonus_3.png");
  ASSERT_EQ(icons.size(), 1u);  // the intelligence boost, first in line
  EXPECT_EQ(icons[0].x, 23);
  EXPECT_EQ(platform.DrawsOf("bonus_1.png").size(), 0u);
  const auto frames = platform.DrawsOf("faceborder.png");
  ASSERT_EQ(frames.size(), 4u);
  EXPECT_EQ(frames[0].state.green, 50);   // brown
  EXPECT_EQ(frames[2].state.green, 255);  // yellow: the exit box is hovered
  EXPECT_EQ(frames[3].x, 671);            // the spare box in the camp button's place, idle
  EXPECT_EQ(frames[3].state.green, 50);
  const auto backs = platform.DrawsOf("faceback.png");
  ASSERT_EQ(backs.size(), 3u);         // both heroes and the spare box
  EXPECT_EQ(backs[1].state.red, 255);  // the shown hero's backing is red
  EXPECT_EQ(backs[1].state.green, 0);
  const auto gauges = platform.DrawsOf("hpgauge1.png");
  ASSERT_EQ(gauges.size(), 2u);
  EXPECT_FLOAT_EQ(gauges[0].state.scaleY, 0.25f);
  EXPECT_EQ(gauges[0].state.red, 255);
  EXPECT_EQ(gauges[0].state.green, 76);  // trunc(0.15 x 510)

  int red = 0, green = 0;
  HealthGaugeColour(1.0f, red, green);
  EXPECT_EQ(red, 51);
  EXPECT_EQ(green, 255);
  HealthGaugeColour(0.05f, red, green);
  EXPECT_EQ(red, 255);
  EXPECT_EQ(green, 0);
}

}  // namespace
}  // namespace vv
