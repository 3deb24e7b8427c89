// The ending: the story's lines, and the way from the won final battle
// through the scroll coming to rest to the title on the real platform.

#include <gtest/gtest.h>

#include <string>

#include "ending/ending_module.h"
#include "ending/ending_story.h"
#include "game/game_setup.h"
#include "platform/fake_platform.h"
#include "playtest_support.h"
#include "session.h"
#include "shell/text.h"
#include "test_game.h"

namespace vv {
namespace {

// The lines fit the screen with the longest names a player can type.
TEST(EndingStory, FitsTheScreen) {
  FakePlatform platform;
  Game game{platform};
  game.HeroNames[1] = game.HeroNames[2] = "WWWWWWWW";
  for (int line = 2; line <= ENDING_LINE_COUNT; ++line) {
    const std::string text = EndingStoryText(game, line);
    // Left-aligned lines keep the margin on the right too (the congratulation
    // is quoted as it stands).
    EXPECT_TRUE(line == 57 || TextWidthHalf(text) <= 1024 - 2 * 32) << text;
    EXPECT_GE(EndingStoryLine(line).offset - EndingStoryLine(line - 1).offset, 64) << text;
  }
  EXPECT_EQ(EndingStoryText(game, 56), "WWWWWWWW and WWWWWWWW.");
}

// From the won final battle's fade to the title, on the real loop and
// platform: the title music comes back, and Escape takes the player home.
TEST(EndingScenario, FromTheFinalBattleBackToTheTitle) {
  PlaytestSession session{PlaytestOptions{}};
  ASSERT_TRUE(test::Started(session));
  Game& g = session.game();
  auto run = [&](const std::string& script) { test::RunScript(session, script); };

  // A party as the final battle leaves it: the game over, the battle music
  // stopped, the screen fading into the ending.
  ResetGameTables(g);
  test::MakeTwoHeroes(g);
  g.CurrentLevel = 15;
  g.GameInProgress = 0;
  g.GameScreen = SCREEN_COMBAT;
  g.ScreenFade[1] = g.ScreenFade[2] = 0;  // long past the title's fade-in
  g.EndingScroll = -100.0f;               // what a previous ending left behind
  StartEnding(g);
  run("wait 30\n");
  ASSERT_EQ(g.GameScreen, SCREEN_ENDING);
  EXPECT_EQ(g.EndingScroll, ENDING_SCROLL_START - 0.5f * 20);  // ten frames to black, twenty of the ending
  EXPECT_EQ(g.MusicState, 1);                                  // the title track
  g.EndingScroll = -4680.0f;
  run("wait 20\n");
  EXPECT_EQ(g.EndingScroll, ENDING_SCROLL_END);
  EXPECT_NE(session.StateJson().find("\"EndingScroll\":\"-4688.0\""), std::string::npos);

  run("key 27\nwait 5\n");
  EXPECT_EQ(g.ScreenFade[1], 2);
  run("wait 20\n");
  EXPECT_EQ(g.GameScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(g.ScreenFade[1], 0);
  EXPECT_EQ(g.platform.State().originY, 0.0f);
}

}  // namespace
}  // namespace vv
