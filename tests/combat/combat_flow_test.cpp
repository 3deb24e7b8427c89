// The combat screen through the frame loop on the recording platform: the
// set-up and its music, the menu's keys and refusals, the spell list, the
// end-game question, the end of a battle frame by frame; the spell screen,
// where a Sorcerer chooses his spell by click and by arrows; and whole
// battles on the real platform through the playtest session, one won from an
// encounter of the walk and the last one against Vorgash that ends the game.

#include <string>

#include "audio/sound_codes.h"
#include "combat/spell_screen.h"
#include "combat_test_support.h"
#include "playtest_support.h"
#include "shell/input.h"
#include "world/exploration.h"

namespace vv::test {
namespace {

class CombatFlowTest : public CombatTest {
 protected:
  // The first frame of a battle on `level`.
  void EnterBattle(int level) {
    g().CurrentLevel = level;
    g().GameScreen = SCREEN_COMBAT;
    Frames(1);
  }
  // Lets the battle run, the other hero resting, until hero h may act.
  void UntilTurnOf(int h) {
    for (int i = 0; i < 600 && g().CombatTurn != h; ++i) {
      g().MonsterHealth = 1000;
      Hero(1)[hero::Health] = Hero(2)[hero::Health] = 20;
      if (g().CombatTurn == 3 - h) {
        Press('W');
      } else {
        Frames(1);
      }
    }
    ASSERT_EQ(g().CombatTurn, h);
  }
};

TEST_F(CombatFlowTest, TheFirstFrameSetsTheBattleUpBeforeTheMusicChoosesItsTrack) {
  EnterBattle(4);
  EXPECT_EQ(g().CombatSetUp, 1);
  const int m = g().CombatMonster;
  EXPECT_TRUE(m >= 2 && m <= 6) << m;  // the cavern's monsters
  EXPECT_EQ(g().MonsterHealth, MonsterStats(m, monster::Health));
  EXPECT_EQ(g().TurnTimers[MONSTER_SIDE][2], MonsterStats(m, monster::Delay));
  EXPECT_EQ(g().CombatSongFile, 2);
  EXPECT_EQ(platform.Image(g().BattleBackImage)->name, "data/gfx/comback_2.png");

  // Leaving puts the pictures away.
  g().CombatTurn = TURN_VICTORY;
  g().CombatFrames = END_LEAVE_FRAME - 1;
  Frames(1);
  EXPECT_EQ(g().CombatSetUp, 0);
  EXPECT_EQ(g().BattleBackImage, 0);
  Frames(1);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
}

TEST_F(CombatFlowTest, TheMenuActsOnlyOnWhatTheHeroCanDo) {
  EnterBattle(1);
  UntilTurnOf(1);
  // No shield: Block is refused in silence.
  sounds.clear();
  Press('S');
  EXPECT_EQ(g().CombatTurn, TURN_HERO_1);
  Press('X');  // nor can a Fighter cast
  EXPECT_EQ(g().CombatTurn, TURN_HERO_1);
  Press('E');
  EXPECT_EQ(g().MessageText, "NOT A SPELLCASTER");
  EXPECT_EQ(sounds, std::vector<int>{SOUND_ALARM});
  EXPECT_EQ(g().SpellListOpen, 0);

  // A click on the Rest row rests.
  Click(500, MENU_Y + 3 * MENU_ROW_STEP + 5);
  EXPECT_EQ(g().CombatTurn, RESOLVE_HERO_1);
  EXPECT_EQ(sounds.back(), SOUND_REST);
}

TEST_F(CombatFlowTest, TheSpellListAndTheEndGameQuestion) {
  EnterBattle(1);
  UntilTurnOf(2);  // the Sorcerer
  Press('E');
  EXPECT_EQ(g().SpellListOpen, 1);
  Press(KEY_DOWN);  // level 1 knows one spell
  EXPECT_EQ(Hero(2)[hero::Spell], 1);

  // Escape closes the list only; the next asks, and the battle stands still.
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().SpellListOpen, 0);
  EXPECT_EQ(g().EndGameDialogOpen, 0);
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().EndGameDialogOpen, 1);
  const int timer = g().TurnTimers[MONSTER_SIDE][1];
  Press('Q');
  Frames(30);
  EXPECT_EQ(g().CombatTurn, TURN_HERO_2);
  EXPECT_EQ(g().TurnTimers[MONSTER_SIDE][1], timer);
  Press(KEY_N);
  EXPECT_EQ(g().EndGameDialogOpen, 0);
  EXPECT_EQ(g().GameInProgress, 1);

  // Yes ends the game: a fade to the title with everything put away.
  Press(KEY_ESCAPE);
  Press(KEY_Y);
  EXPECT_EQ(g().GameInProgress, 0);
  Frames(12);
  EXPECT_EQ(g().GameScreen, SCREEN_MAIN_MENU);
}

TEST_F(CombatFlowTest, ASpellChosenAndCastInOneFrameDoesItsOwnDamage) {
  Hero(2)[hero::Level] = 3;  // BEESTING and MIND BLAST
  Hero(2)[hero::BaseIntelligence] = 40;
  EnterBattle(1);
  UntilTurnOf(2);
  Press('E');
  ASSERT_EQ(Hero(2)[hero::SpellDamageMin], 3);  // BEESTING: 3 - 9
  g().MonsterHealth = 100;
  // A roll that would give BEESTING's 3 gives MIND BLAST at least 9.
  SeedRandom(g(), test::SeedForRolls({{3, 9, 3}}));
  platform.ScriptKey(KEY_DOWN, true);
  platform.ScriptKey('X', true);
  Frames(1);
  EXPECT_EQ(Hero(2)[hero::Spell], 2);
  EXPECT_EQ(g().CombatTurn, RESOLVE_HERO_2);
  EXPECT_GE(100 - g().MonsterHealth, 9);
  EXPECT_EQ(Hero(2)[hero::Health], 20 - 2);
}

TEST_F(CombatFlowTest, AVictoryFrameByFrame) {
  EnterBattle(1);
  const int m = g().CombatMonster;
  Hero(1)[hero::Experience] = 19;  // one short of level 2
  g().CombatTurn = RESOLVE_HERO_1;
  g().CombatFrames = RESOLUTION_FRAMES - 1;
  g().MonsterHealth = 0;
  Frames(1);
  EXPECT_EQ(g().CombatTurn, TURN_VICTORY);
  sounds.clear();
  Frames(1);  // the first frame of the victory pays out
  EXPECT_EQ(Hero(1)[hero::Level], 2);
  Frames(2);
  EXPECT_EQ(Hero(1)[hero::MaxHealth], 22);  // one more endurance
  EXPECT_EQ(Hero(1)[hero::Health], 22);     // and all of it
  EXPECT_TRUE(sounds.empty());
  Frames(1);
  EXPECT_EQ(sounds, std::vector<int>{SOUND_MONSTER_DEATH + m});
  Frames(1);
  EXPECT_EQ(sounds.back(), SOUND_BATTLE_WON);
  Frames(END_LEAVE_FRAME - 6);
  EXPECT_EQ(g().MonsterKills[m], 0);
  EXPECT_EQ(g().PendingScreen, 0);
  Frames(1);  // frame 125
  EXPECT_EQ(g().MonsterKills[m], 1);
  EXPECT_EQ(g().PendingScreen, g().LootCount > 0 ? SCREEN_LOOT : SCREEN_WORLD);
}

TEST_F(CombatFlowTest, ADefeatFrameByFrameWithTheSpecialHerosOwnCry) {
  Hero(1)[hero::Face] = SPECIAL_HERO_FACE;
  EnterBattle(1);
  g().CombatTurn = RESOLVE_MONSTER;
  g().CombatFrames = RESOLUTION_FRAMES - 1;
  Hero(1)[hero::Health] = 0;
  Frames(1);
  EXPECT_EQ(g().CombatTurn, TURN_DEFEAT);
  EXPECT_EQ(g().FallenHero, 1);
  sounds.clear();
  Frames(4);
  EXPECT_EQ(sounds, std::vector<int>{SOUND_DEEP_SINK});
  Frames(1);
  EXPECT_EQ(sounds.back(), SOUND_PARTY_DEFEATED);
  Frames(END_LEAVE_FRAME - 5);
  EXPECT_EQ(g().ScreenFade[1], 2);  // fading out at frame 125
  EXPECT_EQ(g().GameInProgress, 1);
  Frames(10);
  EXPECT_EQ(g().GameInProgress, 0);
  Frames(1);
  EXPECT_EQ(g().GameScreen, SCREEN_MAIN_MENU);
}

// The spell screen: a Sorcerer of level 5 knows three spells and chooses one
// by click and by arrows; a click where no known spell stands, or an arrow
// past the ends, does nothing and says nothing.
TEST_F(CombatFlowTest, TheSpellScreenChoosesByClickAndArrows) {
  Hero(2)[hero::Level] = 5;
  g().SelectedHero = 2;
  g().GameScreen = SCREEN_SPELLS;
  Frames(1);
  sounds.clear();
  Click(300, 156 + 48 + 21);  // the bottom edge of row 3
  EXPECT_EQ(Hero(2)[hero::Spell], 3);
  Click(300, 235);  // where row 4 would be
  Press(KEY_DOWN);  // already the last known spell
  EXPECT_EQ(Hero(2)[hero::Spell], 3);
  EXPECT_EQ(sounds, std::vector<int>{SOUND_CLICK});
  Press(KEY_UP);
  Press(KEY_UP);
  EXPECT_EQ(Hero(2)[hero::Spell], 1);
  Press(KEY_DOWN);
  EXPECT_EQ(Hero(2)[hero::Spell], 2);
  EXPECT_EQ(sounds.size(), 4u);
}

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
    test::HoldKey(session.platform(), code, [&] { session.Frames(1); });
  }

  // The encounter banner runs out and the battle begins.
  void Encounter() {
    StartAttackBanner(g());
    session.Frames(125);
    ASSERT_EQ(g().GameScreen, SCREEN_COMBAT);
  }

  // Each hero answers his turn with `key` until the battle is left or its
  // turn becomes `until`.
  void FightWith(int key, int until = -1) {
    for (int i = 0; i < 20000 && g().GameScreen == SCREEN_COMBAT && g().CombatTurn != until; ++i) {
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
  FightWith('A', TURN_VICTORY);
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
}  // namespace vv::test
