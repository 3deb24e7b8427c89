// The combat screen through the frame loop on the recording platform: the
// set-up and its music, the menu's keys and refusals, the spell list, the
// end-game question, and the end of a battle frame by frame.

#include "audio/sound_codes.h"
#include "combat_test_support.h"
#include "items/item_rules.h"

namespace vv::test {
namespace {

class CombatFlowTest : public CombatTest {
 protected:
  // The first frame of a battle on `level`.
  void EnterBattle(int level, bool portal = false) {
    g().CurrentLevel = level;
    g().PortalEventFlag = portal ? 1 : 0;
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
  int Count(int code) const {
    int n = 0;
    for (int s : sounds) n += s == code;
    return n;
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
  EXPECT_NE(g().BattleBackImage, 0);
  EXPECT_EQ(platform.Image(g().BattleBackImage)->name, "data/gfx/comback_2.png");
  for (int pose = 1; pose <= 3; ++pose) {
    const ImageInfo* image = platform.Image(g().MonsterImages[pose]);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->handleY, static_cast<float>(image->height));  // standing on its feet
  }
  EXPECT_TRUE(TextDrawn(MonsterNames(m)));

  // Leaving puts the pictures away; the portal's battle is Vorgash's, to
  // his own music in any area.
  g().CombatTurn = TURN_VICTORY;
  g().CombatFrames = END_LEAVE_FRAME - 1;
  Frames(1);
  EXPECT_EQ(g().CombatSetUp, 0);
  EXPECT_EQ(g().BattleBackImage, 0);
  Frames(1);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  Frames(1);
  EnterBattle(2, true);
  EXPECT_EQ(g().CombatMonster, VORGASH);
  EXPECT_EQ(g().PortalEventFlag, 0);
  EXPECT_EQ(g().CombatSongFile, 6);
}

TEST_F(CombatFlowTest, TheMenuActsOnlyOnWhatTheHeroCanDo) {
  EnterBattle(1);
  UntilTurnOf(1);
  // No shield: Block is refused in silence and the row says so.
  EXPECT_TRUE(TextDrawn("N/A"));
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
  platform.ScriptMouse(500, MENU_Y + 3 * MENU_ROW_STEP + 5);
  platform.ScriptButton(MOUSE_LEFT, true);
  Frames(1);
  platform.ScriptButton(MOUSE_LEFT, false);
  EXPECT_EQ(g().CombatTurn, RESOLVE_HERO_1);
  EXPECT_EQ(g().TurnTimers[1][2], 150);
  EXPECT_EQ(sounds.back(), SOUND_REST);
}

TEST_F(CombatFlowTest, TheSpellListAndTheEndGameQuestion) {
  EnterBattle(1);
  UntilTurnOf(2);  // the Sorcerer
  Press('E');
  EXPECT_EQ(g().SpellListOpen, 1);
  EXPECT_TRUE(TextDrawn("KNOWN SPELLS"));
  EXPECT_TRUE(TextDrawn("BEESTING"));
  EXPECT_FALSE(TextDrawn("MIND BLAST"));  // level 1 knows one spell
  Press(KEY_DOWN);
  EXPECT_EQ(Hero(2)[hero::Spell], 1);

  // Escape closes the list only; the next asks, and the battle stands still.
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().SpellListOpen, 0);
  EXPECT_EQ(g().EndGameDialogOpen, 0);
  Press(KEY_ESCAPE);
  EXPECT_EQ(g().EndGameDialogOpen, 1);
  EXPECT_TRUE(TextDrawn("End current game"));
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
  EXPECT_EQ(g().CombatSetUp, 0);
  EXPECT_EQ(g().CombatTurn, TURN_TIMERS);
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
  EXPECT_EQ(Hero(2)[hero::Experience], MonsterStats(m, monster::Experience));
  EXPECT_TRUE(TextDrawn("YOU ARE VICTORIOUS!"));
  EXPECT_TRUE(TextDrawn("LEVEL UP!"));
  Frames(2);
  EXPECT_EQ(Hero(1)[hero::MaxHealth], 22);  // one more endurance
  EXPECT_EQ(Hero(1)[hero::Health], 22);     // and all of it
  EXPECT_TRUE(sounds.empty());
  Frames(1);
  EXPECT_EQ(sounds, std::vector<int>{SOUND_MONSTER_DEATH + m});
  Frames(1);
  EXPECT_EQ(sounds.back(), SOUND_BATTLE_WON);
  EXPECT_EQ(g().CombatSong, 0);
  Frames(END_LEAVE_FRAME - 6);
  EXPECT_EQ(g().MonsterKills[m], 0);
  EXPECT_EQ(g().PendingScreen, 0);
  Frames(1);  // frame 125
  EXPECT_EQ(g().MonsterKills[m], 1);
  EXPECT_EQ(g().PendingScreen, g().LootCount > 0 ? SCREEN_LOOT : SCREEN_WORLD);
  EXPECT_EQ(g().ResumeAreaMusic, 1);
  EXPECT_EQ(g().CombatSetUp, 0);
  EXPECT_EQ(g().GameInProgress, 1);
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
  Frames(1);
  EXPECT_TRUE(TextDrawn("YOU HAVE BEEN DEFEATED!"));
  EXPECT_TRUE(TextDrawn("DEAD"));
  Frames(3);
  EXPECT_EQ(sounds, std::vector<int>{SOUND_DEEP_SINK});
  Frames(1);
  EXPECT_EQ(sounds.back(), SOUND_PARTY_DEFEATED);
  Frames(END_LEAVE_FRAME - 5);
  EXPECT_EQ(g().ScreenFade[1], 2);  // fading out at frame 125
  EXPECT_EQ(g().GameInProgress, 1);
  Frames(10);
  EXPECT_EQ(g().GameInProgress, 0);
  EXPECT_EQ(g().CombatSetUp, 0);
  Frames(1);
  EXPECT_EQ(g().GameScreen, SCREEN_MAIN_MENU);

  // Another hero's fall draws one of the three death cries.
  NewParty();
  EnterBattle(1);
  g().CombatTurn = RESOLVE_MONSTER;
  g().CombatFrames = RESOLUTION_FRAMES - 1;
  Hero(2)[hero::Health] = 0;
  sounds.clear();
  Frames(5);
  ASSERT_FALSE(sounds.empty());
  EXPECT_GE(sounds.front(), SOUND_HERO_DEATH + 1);
  EXPECT_LE(sounds.front(), SOUND_HERO_DEATH + 3);
}

}  // namespace
}  // namespace vv::test
