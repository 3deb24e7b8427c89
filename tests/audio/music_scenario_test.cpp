// The music on the real mixer and libxmp: the title from the first frames of
// the game, then the area track kept paused beside the battle track. After
// start-up the music update is called by itself, so the screens of the other
// parts of the game play no part here.

#include <gtest/gtest.h>

#include <string>

#include "audio/music.h"
#include "playtest_support.h"

namespace vv {
namespace {

// The real player reuses the numbers of freed modules, so count them.
int ModulesLoaded(Platform& player) {
  int n = 0;
  for (int module = 1; module <= 16; ++module) n += player.GetModuleStatus(module).loaded ? 1 : 0;
  return n;
}

TEST(MusicScenarioTest, TitleAreaAndBattleTracksOnTheRealPlayer) {
  PlaytestSession session(PlaytestOptions{});
  ASSERT_TRUE(test::Started(session));
  Game& game = session.game();
  Platform& player = session.platform();
  ASSERT_TRUE(session.Frames(3));
  Platform::ModuleStatus s = player.GetModuleStatus(game.AreaSong);
  EXPECT_TRUE(s.loaded && s.playing && !s.paused);
  EXPECT_EQ(s.volume, TITLE_VOLUME);

  game.LevelTable[7][0][0] = game.LevelArea[7] = DESERT_MUSIC;
  game.CurrentLevel = 7;
  game.MusicLevel = MUSIC_LEVEL_FULL;
  game.GameInProgress = 1;
  game.GameScreen = SCREEN_WORLD;
  UpdateMusic(game);
  EXPECT_NE(session.StateJson().find("\"file\":\"track4.xm\""), std::string::npos);
  EXPECT_EQ(ModulesLoaded(player), 1);
  const int area = game.AreaSong;
  EXPECT_EQ(player.GetModuleStatus(area).volume, DESERT_VOLUME_CAP);

  game.AttackBanner = BANNER_PAUSE_FRAME;
  UpdateMusic(game);
  game.AttackBanner = 0;
  game.CombatMonster = 7;
  game.GameScreen = SCREEN_COMBAT;
  UpdateMusic(game);
  s = player.GetModuleStatus(area);
  EXPECT_TRUE(s.loaded && s.paused);
  const int battle = game.CombatSong;
  s = player.GetModuleStatus(battle);
  EXPECT_TRUE(s.loaded && s.playing && !s.paused);
  EXPECT_NE(session.StateJson().find("\"file\":\"combat3.xm\""), std::string::npos);
  EXPECT_EQ(ModulesLoaded(player), 2);

  game.GameInProgress = 0;  // defeated
  UpdateMusic(game);
  EXPECT_EQ(game.CombatSong, 0);
  EXPECT_EQ(ModulesLoaded(player), 1);
  s = player.GetModuleStatus(game.AreaSong);
  EXPECT_TRUE(s.loaded && s.playing);
  EXPECT_EQ(s.volume, TITLE_VOLUME);
  EXPECT_NE(session.StateJson().find("\"file\":\"track1.xm\""), std::string::npos);
}

}  // namespace
}  // namespace vv
