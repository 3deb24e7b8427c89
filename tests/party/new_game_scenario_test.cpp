// From the title through options and character creation into a new game
// and a hero's character sheet, on the real loop and platform.

#include <gtest/gtest.h>

#include "party/hero_record.h"
#include "playtest_support.h"
#include "shell/file_io.h"
#include "shell/options.h"
#include "test_game.h"

namespace vv {
namespace {

bool Drawn(const Game& game, std::string_view text) {
  return test::TextDrawn(game.platform, text);
}

TEST(NewGameScenario, TitleOptionsCreationGameAndSheet) {
  PlaytestSession session(PlaytestOptions{});
  ASSERT_TRUE(test::Started(session));
  Game& game = session.game();
  auto run = [&](const std::string& script) { test::RunScript(session, script); };

  // The driver file is written once the game display is open.
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(game.DataDir / "api.kqo", bytes));
  EXPECT_EQ(bytes.size(), 8u);

  run("seed 7\nwait 12\n");
  EXPECT_EQ(game.GameScreen, SCREEN_MAIN_MENU);
  EXPECT_TRUE(Drawn(game, "NEW GAME"));

  // Options: day/night off, then DONE writes the file.
  run("click 512 560\nwait 1\nclick 300 390\nclick 512 720\nwait 1\n");
  EXPECT_EQ(game.GameScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(game.OptionFlags[OPTION_DAY_NIGHT], 0);
  ASSERT_TRUE(ReadWholeFile(game.DataDir / OPTIONS_FILE, bytes));
  EXPECT_EQ(bytes, OptionsFileBytes(game.OptionFlags));

  // Creation: rename hero 1 to ZED (unless the special hero came up) and
  // accept.
  run("click 512 200\nwait 2\n");
  EXPECT_EQ(game.GameScreen, SCREEN_CREATION);
  EXPECT_TRUE(Drawn(game, "CHARACTER CREATION"));
  if (game.CreatedHeroes[1][1] == 7) run("click 360 250\n");
  run("click 300 340\n");
  for (int i = 0; i < 8; ++i) run("key 8\n");
  run("type ZED\nkey 13\nclick 650 720\nwait 25\n");
  EXPECT_EQ(game.GameScreen, SCREEN_WORLD);
  EXPECT_EQ(game.GameInProgress, 1);
  EXPECT_EQ(game.HeroNames[1], "ZED");
  for (int h = 1; h <= 2; ++h) {
    EXPECT_EQ(game.HeroStats[h][hero::Level], 1);
    EXPECT_EQ(game.HeroStats[h][hero::Health], game.HeroStats[h][hero::MaxHealth]);
    EXPECT_GT(game.HeroStats[h][hero::AttackDelay], 0);
  }

  // Past the area introduction, a right click on hero 1's portrait opens
  // his sheet; Escape goes back.
  run("wait 65\nkey 13\nwait 2\nclick 80 690 right\nwait 1\n");
  ASSERT_EQ(game.GameScreen, SCREEN_CHARACTER);
  EXPECT_EQ(game.SelectedHero, 1);
  EXPECT_TRUE(Drawn(game, "ZED"));
  EXPECT_TRUE(Drawn(game, std::string(ClassNames[game.HeroStats[1][hero::Class]])));
  EXPECT_TRUE(Drawn(game, "20"));  // experience needed for level 2
  run("click 290 690 right\nwait 1\n");
  EXPECT_EQ(game.SelectedHero, 2);
  EXPECT_TRUE(Drawn(game, game.HeroNames[2]));
  run("key 27\nwait 1\n");
  EXPECT_EQ(game.GameScreen, SCREEN_WORLD);
}

}  // namespace
}  // namespace vv
