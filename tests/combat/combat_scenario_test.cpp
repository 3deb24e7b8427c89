// Whole battles on the real platform through the playtest session, with
// scripted keys: one won from an encounter of the walk, and the
// last one against Vorgash that ends the game.

#include <gtest/gtest.h>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "game/game_setup.h"
#include "party/hero_record.h"
#include "playtest_support.h"
#include "test_game.h"
#include "world/exploration.h"

namespace vv {
namespace {

class CombatScenarioTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(test::Started(session)); }
  Game& g() { return session.game(); }

  // A new game on the first screen: a Fighter and a Sorcerer of the given
  // strength and endurance, the introductions already seen.
  void NewGame(int strength, int endurance) {
    ResetGameTables(g());
    test::MakeTwoHeroes(g(), 1, 5);
    for (int h = 1; h <= 2; ++h) {
      int* s = g().HeroStats[h];
      s[hero::BaseStrength] = strength;
      s[hero::BaseEndurance] = endurance;
      s[hero::Health] = 2 * endurance;
    }
    for (int& shown : g().AreaIntroShown) shown = 1;
    g().OptionFlags[OPTION_COMMENTS] = 0;
    g().GameInProgress = 1;
    g().MusicLevel = 1000;
    g().GameScreen = SCREEN_WORLD;
    session.Frames(3);
  }

  void Key(int code) {
    test::HoldKey(
        session.platform(), code, [&] { session.Frames(1); }, [&] { session.Frames(1); });
  }

  // The encounter banner runs out and the battle begins.
  void Encounter() {
    StartAttackBanner(g());
    session.Frames(125);
    ASSERT_EQ(g().GameScreen, SCREEN_COMBAT);
  }

  // Each hero answers his turn with `key` until the battle is left.
  void FightWith(int key) {
    for (int frame = 0; frame < 20000 && g().GameScreen == SCREEN_COMBAT; ++frame) {
      if (g().CombatTurn == TURN_HERO_1 || g().CombatTurn == TURN_HERO_2) {
        Key(key);
      } else {
        session.Frames(1);
      }
    }
  }

  PlaytestSession session{PlaytestOptions{}};
};

TEST_F(CombatScenarioTest, AnOrdinaryBattleIsWonAndTheWalkGoesOn) {
  NewGame(60, 10);
  SeedRandom(g(), 3);
  Encounter();
  const int m = g().CombatMonster;
  EXPECT_EQ(g().CombatSongFile, 1);
  FightWith('A');
  EXPECT_EQ(g().MonsterKills[m], 1);
  EXPECT_EQ(g().HeroStats[1][hero::Experience], MonsterStats(m, monster::Experience));
  EXPECT_GT(g().HeroStats[1][hero::Kills] + g().HeroStats[2][hero::Kills], 0);
  EXPECT_EQ(g().GameInProgress, 1);
  if (g().LootCount > 0) {
    // The loot screen takes over; leaving it returns to the walk.
    EXPECT_EQ(g().GameScreen, SCREEN_LOOT);
    Key(KEY_ESCAPE);
    session.Frames(2);
  }
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  // The area music goes on where the battle paused it.
  EXPECT_EQ(g().MusicState, 2);
  EXPECT_EQ(g().CombatSong, 0);
  EXPECT_FALSE(session.platform().GetModuleStatus(g().AreaSong).paused);
  EXPECT_EQ(g().CombatSetUp, 0);

  // The next encounter is a new battle.
  Encounter();
  EXPECT_EQ(g().CombatSetUp, 1);
  EXPECT_NE(g().CombatTurn, TURN_VICTORY);
}

TEST_F(CombatScenarioTest, TheWinOverVorgashFadesIntoTheEnding) {
  NewGame(10000, 500);
  SeedRandom(g(), 9);
  g().PortalEventFlag = 1;
  Encounter();
  EXPECT_EQ(g().CombatMonster, VORGASH);
  EXPECT_EQ(g().CombatSongFile, 6);
  for (int i = 0; i < 20000 && g().CombatTurn != TURN_VICTORY; ++i) {
    if (g().CombatTurn == TURN_HERO_1 || g().CombatTurn == TURN_HERO_2) {
      Key('A');
    } else {
      session.Frames(1);
    }
  }
  ASSERT_EQ(g().CombatTurn, TURN_VICTORY);
  const int experience = g().HeroStats[1][hero::Experience];
  session.Frames(FINAL_VICTORY_FRAMES - 1);
  EXPECT_EQ(g().GameScreen, SCREEN_COMBAT);  // the dead Vorgash lies there
  EXPECT_EQ(g().ScreenFade[1], 0);
  EXPECT_EQ(g().LootCount, 0);
  EXPECT_EQ(g().HeroStats[1][hero::Experience], experience);
  session.Frames(1);
  EXPECT_EQ(g().ScreenFade[1], 2);
  session.Frames(11);
  EXPECT_EQ(g().GameScreen, SCREEN_ENDING);
  EXPECT_EQ(g().GameInProgress, 0);
  EXPECT_EQ(g().CombatSetUp, 0);
}

}  // namespace
}  // namespace vv
