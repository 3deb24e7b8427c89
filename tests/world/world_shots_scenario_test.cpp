// The exploration screen on the real platform through the playtest
// session: the start of a new game with its introduction, a walk, the
// banners, the quick prompt, and every level by day and by night. With
// VIZID_SHOTS naming a folder, the frames are written there as PNGs to be
// looked at.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "combat/combat.h"
#include "game/game_setup.h"
#include "playtest_support.h"
#include "session.h"
#include "world/exploration.h"
#include "world/world_screen.h"

namespace vv {
namespace {

class WorldShotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    folder = test::ShotsFolder();
  }
  Game& g() { return session.game(); }

  // A new game as character creation leaves it, straight into the world.
  void NewGame() {
    ResetGameTables(g());
    const char* names[3] = {"", "BRUTUS", "SELWYN"};
    const int classes[3] = {0, 1, 3};
    for (int h = 1; h <= 2; ++h) {
      int* s = g().HeroStats[h];
      g().HeroNames[h] = names[h];
      s[hero::Class] = classes[h];
      s[hero::Level] = 1;
      s[hero::Face] = h == 1 ? 7 : 4;
      s[hero::Strength] = s[hero::BaseStrength] = 6;
      s[hero::Dexterity] = s[hero::BaseDexterity] = 5;
      s[hero::Intelligence] = s[hero::BaseIntelligence] = h == 2 ? 9 : 2;
      s[hero::Endurance] = s[hero::BaseEndurance] = 8;
      s[hero::Health] = h == 1 ? 16 : 5;
      s[hero::Spell] = 1;
    }
    g().HeroTimers[1][1] = 12;
    g().HeroTimers[2][3] = 30;
    g().GameInProgress = 1;
    g().MusicLevel = 1000;
    g().GameScreen = SCREEN_WORLD;
  }

  void Shot(const std::string& name) {
    if (folder.empty()) return;
    EXPECT_TRUE(session.platform().SaveScreenshot((folder / (name + ".png")).string())) << name;
  }

  void Key(int code) {
    session.platform().ScriptKey(code, true);
    session.Frames(1);
    session.platform().ScriptKey(code, false);
    session.Frames(1);
  }

  // Stands the party on a free cell near (x, y) of a screen at an hour,
  // everything seen or nothing.
  void Visit(int column, int row, int time, bool seeAll) {
    g().PartyState[ScreenColumn] = column;
    g().PartyState[ScreenRow] = row;
    g().PartyState[TimeOfDay] = time;
    g().ScreenReady = 0;
    g().SpeechKind = SPEECH_NONE;
    session.Frames(1);
    for (int radius = 0; radius < 16; ++radius) {
      bool placed = false;
      for (int y = 9 - radius; y <= 9 + radius && !placed; ++y) {
        for (int x = 16 - radius; x <= 16 + radius && !placed; ++x) {
          if (x < 1 || x > 30 || y < 1 || y > 17 || MoveBlocked(g(), x * 32, y * 32)) continue;
          g().PartyState[PartyX] = x * 32;
          g().PartyState[PartyY] = y * 32;
          placed = true;
        }
      }
      if (placed) break;
    }
    for (auto& cells : g().ExploredMap[column][row]) {
      for (int& cell : cells) cell = seeAll ? 1 : 0;
    }
    session.Frames(2);
  }

  PlaytestSession session{PlaytestOptions{}};
  std::filesystem::path folder;
};

TEST_F(WorldShotsTest, ANewGameAndEveryLevelByDayAndByNight) {
  NewGame();
  g().OptionFlags[OPTION_COMMENTS] = 0;
  SeedRandom(g(), 7);
  session.Frames(2);
  ASSERT_EQ(g().SpeechKind, SPEECH_AREA_INTRO);
  session.Frames(70);
  Shot("01_intro_speech_box");
  Key(KEY_ENTER);
  ASSERT_EQ(g().SpeechKind, SPEECH_NONE);
  for (int& shown : g().AreaIntroShown) shown = 1;  // the other areas are looked at below

  // A short calm walk down the road, then the pointer beside the party.
  for (int key : {KEY_DOWN, KEY_DOWN, KEY_LEFT, KEY_LEFT, KEY_LEFT, KEY_DOWN}) {
    SeedRandom(g(), 7);
    Key(key);
  }
  session.platform().ScriptMouse(g().PartyState[PartyX] + 45, g().PartyState[PartyY] + 14);
  session.Frames(3);
  Shot("02_walk_afternoon_arrows");
  session.platform().ScriptMouse(730, 690);
  session.Frames(2);
  Shot("03_camp_button_lit");

  Key(KEY_F5);
  session.platform().ScriptMouse(485, 430);
  session.Frames(2);
  Shot("04_quick_prompt");
  Key('N');
  Key(KEY_F9);
  Shot("05_no_quicksave");
  session.Frames(100);

  StartAttackBanner(g());
  session.Frames(20);
  Shot("06_attack_banner");
  session.Frames(110);
  EXPECT_EQ(g().GameScreen, SCREEN_COMBAT);
  // The battle is the combat tests' business: straight to its end, won
  // with nothing found.
  g().CombatTurn = TURN_VICTORY;
  g().CombatFrames = END_LEAVE_FRAME - 1;
  g().LootCount = 0;
  session.Frames(2);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  g().ChestBanner = 1;
  g().LootCount = 1;
  g().LootList[1][1] = 6, g().LootList[1][2] = 1;
  session.Frames(10);
  Shot("08_chest_banner");
  session.Frames(150);
  Key(KEY_ESCAPE);  // end the looting
  Key(KEY_Y);

  // Dusk and night with the fog of a walk, and the dark cavern.
  Visit(3, 1, 40, false);
  for (int key : {KEY_RIGHT, KEY_RIGHT, KEY_UP, KEY_UP}) {
    SeedRandom(g(), 7);
    Key(key);
  }
  Shot("09_level01_dusk_fog");
  Visit(3, 1, 2, false);
  for (int key : {KEY_LEFT, KEY_LEFT, KEY_DOWN, KEY_DOWN}) {
    SeedRandom(g(), 7);
    Key(key);
  }
  Shot("10_level01_night_fog");
  Visit(1, 2, 24, false);
  for (int key : {KEY_RIGHT, KEY_RIGHT, KEY_RIGHT}) {
    SeedRandom(g(), 7);
    Key(key);
  }
  Shot("11_level04_dark_fog");
  OpenSpeechBox(g(), SPEECH_HERO, 1, 3);
  session.Frames(61);
  Shot("12_comment_speech_box");

  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 5; ++r) {
      const int level = g().LevelGrid[c][r];
      char name[32];
      Visit(c, r, 24, true);
      EXPECT_EQ(g().CurrentLevel, level);
      std::snprintf(name, sizeof name, "level%02d_day", level);
      Shot(name);
      Visit(c, r, 2, true);
      std::snprintf(name, sizeof name, "level%02d_night", level);
      Shot(name);
    }
  }
}

}  // namespace
}  // namespace vv
