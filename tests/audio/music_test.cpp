// The music through the frame loop and the recording platform (title, area
// tracks and their fades, the battle tracks, the options' music switch); and
// the sound codes against the loaded sound files at the ends of their ranges.

#include "audio/music.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "audio/audio_module.h"
#include "audio/sound_codes.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"

namespace vv {
namespace {

class MusicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    for (int level = 1; level <= 15; ++level) {
      game.LevelArea[level] = (level + 2) / 3;
      game.LevelTable[level][0][0] = (level + 2) / 3;
    }
    AddAudioScreens(game, hooks);
    // A stand-in for the screens: writes the frame's sound code and runs the
    // exploration screen's encounter banner, which switches to combat at 125.
    for (int screen : SCREEN_RUN_ORDER) {
      hooks.screens[screen] = [this] {
        game.SoundEvent = code;
        if (game.GameScreen == SCREEN_WORLD && game.AttackBanner > 0) {
          ++game.AttackBanner;
          game.MusicLevel = std::max(0, game.MusicLevel - 1);
          if (game.AttackBanner == 125) {
            game.AttackBanner = 0;
            SwitchScreen(game, SCREEN_COMBAT);
          }
        }
      };
    }
  }

  void Frames(int n, int soundCode = 0) {
    code = soundCode;
    for (int i = 0; i < n; ++i) RunFrame(game, hooks);
    code = 0;
  }

  // A new game on the exploration screen of `level`, its first frame run.
  void StartGame(int level) {
    ResetAudioForNewGame(game);
    game.GameInProgress = 1;
    game.CurrentLevel = level;
    game.GameScreen = SCREEN_WORLD;
    Frames(1);
  }

  // The encounter banner runs to the end; the battle's first frame is run.
  void FightMonster(int monster) {
    game.CombatMonster = monster;
    game.AttackBanner = 1;
    Frames(125);
    ASSERT_EQ(game.GameScreen, SCREEN_COMBAT);
  }

  const FakePlatform::ModuleState& Song(int handle) { return platform.modules.at(handle); }
  std::string AreaFile() { return Song(game.AreaSong).name; }
  int ModulesLoaded() {
    int n = 0;
    for (const auto& m : platform.modules) n += m.loaded ? 1 : 0;
    return n;
  }

  FakePlatform platform;
  Game game{platform};
  LoopHooks hooks;
  int code = 0;
};

TEST_F(MusicTest, ScreensAndLevelsWithinAnAreaKeepTheTrackAndTheNextAreaRestartsIt) {
  StartGame(4);
  const int song = game.AreaSong;
  for (int screen : {SCREEN_INVENTORY, SCREEN_CHARACTER, SCREEN_MAIN_MENU, SCREEN_OPTIONS, SCREEN_WORLD}) {
    game.GameScreen = screen;
    game.CurrentLevel = screen == SCREEN_MAIN_MENU ? 5 : 6;
    Frames(3);
  }
  EXPECT_EQ(game.AreaSong, song);
  EXPECT_EQ(Song(song).timesStarted, 1);
  EXPECT_TRUE(Song(song).playing);

  game.CurrentLevel = 10;
  Frames(1);
  EXPECT_FALSE(Song(song).loaded);
  EXPECT_EQ(AreaFile(), "track5.xm");
  EXPECT_EQ(game.AreaTrackPlaying, 4);
  EXPECT_EQ(Song(game.AreaSong).volume, AREA_VOLUME_CAP);
  EXPECT_EQ(ModulesLoaded(), 1);
}

TEST_F(MusicTest, BannerFadesOutPausesAt120AndTheBattleTrackStarts) {
  StartGame(7);
  const int area = game.AreaSong;
  game.AttackBanner = 1;
  Frames(60);
  EXPECT_LT(Song(area).volume, AREA_VOLUME_CAP);
  Frames(58);  // the banner has run 119 frames
  EXPECT_FALSE(Song(area).paused);
  Frames(1);
  EXPECT_EQ(game.AttackBanner, BANNER_PAUSE_FRAME);
  EXPECT_TRUE(Song(area).paused);
  EXPECT_EQ(game.MusicLevel, 0);
  Frames(6);  // 125: the switch; then the battle's first frame
  EXPECT_EQ(game.GameScreen, SCREEN_COMBAT);
  EXPECT_EQ(game.MusicState, MUSIC_BATTLE);
  EXPECT_EQ(Song(game.CombatSong).name, "combat3.xm");
  EXPECT_TRUE(Song(game.CombatSong).playing);
  EXPECT_TRUE(Song(area).loaded && Song(area).paused);
  Frames(20);
  EXPECT_EQ(Song(game.CombatSong).timesStarted, 1);
}

TEST_F(MusicTest, BattleEndCodesStopTheBattleMusicEvenWithSoundOff) {
  game.OptionFlags[OPTION_SOUND] = 0;
  for (int end : {SOUND_BATTLE_WON, SOUND_PARTY_DEFEATED}) {
    StartGame(1);
    FightMonster(3);
    const int battle = game.CombatSong;
    ASSERT_TRUE(Song(battle).playing);
    Frames(1, end);
    EXPECT_EQ(game.CombatSong, 0);
    EXPECT_FALSE(Song(battle).loaded);
    EXPECT_EQ(game.MusicState, MUSIC_BATTLE);
    game.GameScreen = SCREEN_WORLD;
  }
}

TEST_F(MusicTest, WonBattleResumesTheAreaTrackWhereItStoppedOthersRestartIt) {
  StartGame(10);
  const int area = game.AreaSong;
  FightMonster(5);
  Frames(30);
  Frames(1, SOUND_BATTLE_WON);
  game.ResumeAreaMusic = 1;
  SwitchScreen(game, SCREEN_LOOT);
  Frames(1);
  EXPECT_EQ(game.AreaSong, area);
  EXPECT_FALSE(Song(area).paused);
  EXPECT_EQ(Song(area).timesStarted, 1);
  EXPECT_EQ(ModulesLoaded(), 1);
  Frames(125);  // and fades back in
  EXPECT_EQ(Song(area).volume, AREA_VOLUME_CAP);

  // Other battles restart it.
  game.GameScreen = SCREEN_WORLD;
  FightMonster(FINAL_MONSTER);
  Frames(1, SOUND_BATTLE_WON);
  SwitchScreen(game, SCREEN_WORLD);
  Frames(1);
  EXPECT_FALSE(Song(area).loaded);
  EXPECT_EQ(AreaFile(), "track5.xm");
  EXPECT_TRUE(Song(game.AreaSong).playing);
}

TEST_F(MusicTest, MusicOffStopsAtOnceAndOnStartsAgainFromTheBeginning) {
  Frames(10);
  const int title = game.AreaSong;
  game.OptionFlags[OPTION_MUSIC] = 0;
  game.StopMusicNow();
  Frames(10);
  EXPECT_EQ(game.MusicState, MUSIC_NONE);
  EXPECT_EQ(game.AreaSong, 0);
  EXPECT_EQ(ModulesLoaded(), 0);
  game.OptionFlags[OPTION_MUSIC] = 1;
  Frames(1);
  EXPECT_EQ(AreaFile(), "track1.xm");
  EXPECT_NE(game.AreaSong, title);
  EXPECT_EQ(Song(game.AreaSong).timesStarted, 1);
}

class SoundCodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    LoadGameSounds(game);
  }

  // The file a code plays, "" for none.
  std::string Plays(int code) {
    platform.soundsPlayed.clear();
    PlaySoundCode(game, code);
    return platform.soundsPlayed.empty() ? "" : platform.soundsPlayed.back();
  }

  FakePlatform platform;
  Game game{platform};
};

// A family's numbers play its files up to the last one there is; what lies
// past a family, between the ranges or outside them plays nothing.
TEST_F(SoundCodeTest, AFamilyPlaysItsOwnFilesAndNothingPastThem) {
  const std::pair<int, std::string> cases[] = {
      {25, "drop_25.wav"},  {203, "miss_3.wav"},     {4001, "tick2.wav"}, {8001, "hit_0.wav"},
      {8013, "hit_12.wav"}, {20015, "spell_15.wav"}, {500001, "hop.wav"},
  };
  for (const auto& [code, file] : cases) EXPECT_EQ(Plays(code), file) << "code " << code;
  for (int code : {0, 26, 204, 8014, 10001, 20016, 500002}) EXPECT_EQ(Plays(code), "") << "code " << code;
  // Every other family plays something.
  for (int code :
       {51, 100, 2001, 3001, 4000, 5000, 6000, 7000, 7001, 7002, 9001, 11000, 12001, 13000, 13001, 500000})
    EXPECT_NE(Plays(code), "") << "code " << code;
}

}  // namespace
}  // namespace vv
