// Every state of the combat screen on the real platform, for looking at:
// the menu, the spell list, each action's effect, blocks, the end of a
// battle, the end-game question, each area's battle by day and by night,
// and Vorgash. Runs only with VIZID_SHOTS naming a folder for the PNGs.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "combat/combat.h"
#include "combat_test_support.h"
#include "game/game_setup.h"
#include "items/item_rules.h"
#include "session.h"
#include "world/level_table.h"

namespace vv {
namespace {

using test::Roll;
using test::SeedForRolls;

class CombatShotsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* dir = std::getenv("VIZID_SHOTS");
    if (!dir) GTEST_SKIP() << "set VIZID_SHOTS to a folder to write the combat screens there";
    folder = dir;
    std::filesystem::create_directories(folder);
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
  }
  Game& g() { return session.game(); }
  int* Hero(int h) { return g().HeroStats[h]; }

  void Shot(const std::string& name) {
    EXPECT_TRUE(session.platform().SaveScreenshot((folder / (name + ".png")).string())) << name;
  }
  void Key(int code) {
    session.platform().ScriptKey(code, true);
    session.Frames(1);
    session.platform().ScriptKey(code, false);
    session.Frames(1);
  }
  void Equip(int h, int slot, int item) { test::EquipItem(g(), h, slot, item); }

  // A Fighter in full gear and a Sorcerer who knows every spell.
  void NewGame() {
    ResetGameTables(g());
    for (int h = 1; h <= 2; ++h) {
      int* s = Hero(h);
      g().HeroNames[h] = h == 1 ? "BRUTUS" : "SELWYN";
      s[hero::Class] = h == 1 ? CLASS_FIGHTER : CLASS_SORCERER;
      s[hero::Level] = h == 1 ? 6 : 29;
      s[hero::Face] = h == 1 ? 7 : 4;
      s[hero::BaseStrength] = 14;
      s[hero::BaseDexterity] = 9;
      s[hero::BaseIntelligence] = h == 1 ? 3 : 16;
      s[hero::BaseEndurance] = 30;
      s[hero::Health] = 60;
      s[hero::Spell] = 5;
    }
    Equip(1, CATEGORY_WEAPON, 7);
    Equip(1, CATEGORY_SHIELD, 9);
    Equip(1, CATEGORY_ARMOUR, 4);
    Equip(1, CATEGORY_HELM, 5);
    Equip(1, CATEGORY_AMULET, EYE_OF_KALTIAS);
    Equip(2, CATEGORY_SHIELD, SPIKE_SHIELD);
    Equip(2, CATEGORY_AMULET, GOLDEN_AMULET);
    g().HeroTimers[1][1] = 12;
    for (int& shown : g().AreaIntroShown) shown = 1;
    g().OptionFlags[OPTION_COMMENTS] = 0;
    g().GameInProgress = 1;
    g().GameScreen = SCREEN_WORLD;
    session.Frames(2);
  }

  // Leaves any battle as a victory without loot would.
  void EndBattle() {
    if (g().GameScreen != SCREEN_COMBAT) return;
    g().CombatMonster = 1;  // Vorgash's fall would end the game
    g().CombatTurn = TURN_VICTORY;
    g().CombatFrames = END_LEAVE_FRAME - 1;
    g().LootCount = 0;
    session.Frames(3);
  }

  // A new battle on `level` at time of day `time`; a seed makes the
  // monster's draw.
  void Battle(int level, int time, bool portal = false, std::uint32_t seed = 0) {
    EndBattle();
    if (seed != 0) SeedRandom(g(), seed);
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r <= 5; ++r) {
        if (g().LevelGrid[c][r] == level) g().PartyState[ScreenColumn] = c, g().PartyState[ScreenRow] = r;
      }
    }
    g().CurrentLevel = level;
    g().PartyState[TimeOfDay] = time;
    g().PortalEventFlag = portal ? 1 : 0;
    g().GameScreen = SCREEN_COMBAT;
    session.Frames(1);
  }

  // Runs the battle, keeping everyone alive, until hero h may act.
  void UntilTurnOf(int h) {
    for (int i = 0; i < 2000 && g().CombatTurn != h; ++i) {
      Heal();
      if (g().CombatTurn == 3 - h) {
        Key('W');
      } else {
        session.Frames(1);
      }
    }
    ASSERT_EQ(g().CombatTurn, h);
  }
  void Heal() {
    const int full = MonsterStats(g().CombatMonster, monster::Health);
    if (g().MonsterHealth < full / 3) g().MonsterHealth = full;
    for (int h = 1; h <= 2; ++h) Hero(h)[hero::Health] = std::max(Hero(h)[hero::Health], 40);
  }
  // The monster strikes now, its rolls coming out as listed.
  void MonsterStrikes(std::initializer_list<Roll> rolls, const std::string& name) {
    session.Frames(30);
    Heal();
    g().CombatTurn = TURN_MONSTER;
    SeedRandom(g(), SeedForRolls(rolls));
    session.Frames(7);
    Shot(name);
  }

  PlaytestSession session{PlaytestOptions{}};
  std::filesystem::path folder;
};

TEST_F(CombatShotsTest, EveryStateOfTheCombatScreen) {
  NewGame();
  Battle(2, 24);
  UntilTurnOf(1);
  session.platform().ScriptMouse(520, MENU_Y + MENU_ROW_STEP + 8);
  session.Frames(1);
  Shot("01_menu_hover_normal_attack");

  SeedRandom(g(), SeedForRolls({{1, 100, 40}}));
  Key('Q');
  session.Frames(5);
  Shot("02_light_attack_hit");
  UntilTurnOf(1);
  SeedRandom(g(), SeedForRolls({{1, 100, 99}}));
  Key('Z');
  Shot("03_heavy_attack_missed");
  UntilTurnOf(1);
  Key('S');
  session.Frames(4);
  Shot("04_block_raised");

  UntilTurnOf(2);
  Key('E');
  session.platform().ScriptMouse(290, 160 + 24 * 7 + 5);
  session.Frames(1);
  Shot("05_spell_list");
  Key('E');
  for (int spell = 1; spell <= 15; ++spell) {
    UntilTurnOf(2);
    Hero(2)[hero::Spell] = spell;
    session.Frames(1);
    Key('X');
    session.Frames(spell == 15 ? 8 : 5);
    Shot("06_spell_" + std::to_string(spell));
  }
  UntilTurnOf(2);
  Hero(2)[hero::Health] = 30;
  Key('W');
  session.Frames(5);
  Shot("07_rest");

  // The monster's blows: a hit, a block, the spikes and the burn.
  MonsterStrikes({{1, 100, 1}, {1, 2, 1}, {1, 100, 99}}, "08_monster_hits_hero_1");
  MonsterStrikes({{1, 100, 1}, {1, 2, 1}, {1, 100, 1}}, "09_hero_1_blocks");
  MonsterStrikes({{1, 100, 1}, {1, 2, 2}, {1, 100, 1}}, "10_spike_shield");
  MonsterStrikes({{1, 100, 1}, {1, 2, 2}, {1, 100, 99}}, "11_golden_amulet_burn");
  MonsterStrikes({{1, 100, 99}, {1, 2, 2}}, "12_monster_missed");

  UntilTurnOf(1);
  Key(KEY_ESCAPE);
  session.platform().ScriptMouse(490, 425);
  session.Frames(1);
  Shot("13_end_game_dialog");
  Key(KEY_N);

  // A victory with a level and loot.
  session.Frames(30);
  Hero(1)[hero::Experience] = ExpNeeded[7] - 1;
  g().CombatTurn = RESOLVE_HERO_1;
  g().CombatFrames = RESOLUTION_FRAMES - 1;
  g().MonsterHealth = 0;
  SeedRandom(g(), SeedForRolls({{1, 100, 5}, {1, 100, 50}, {1, 100, 6}}));
  session.Frames(40);
  Shot("14_victory_level_and_loot");

  // A defeat.
  Battle(8, 24);
  session.Frames(30);
  g().CombatTurn = RESOLVE_MONSTER;
  g().CombatFrames = RESOLUTION_FRAMES - 1;
  Hero(2)[hero::Health] = 0;
  session.Frames(40);
  Shot("15_defeat");
  g().CombatTurn = TURN_TIMERS;
  Hero(2)[hero::Health] = 40;

  // Each area by day and by night, the cavern always dark.
  const int levels[] = {1, 4, 7, 10, 13};
  for (int area = 1; area <= 5; ++area) {
    for (int time : {24, 2}) {
      Battle(levels[area - 1], time);
      UntilTurnOf(1);
      Shot("16_area_" + std::to_string(area) + (time == 24 ? "_day" : "_night"));
    }
  }
  // Every monster standing, striking and dead.
  for (int m = 1; m <= MONSTER_COUNT; ++m) {
    int level = 0, row = 0;
    for (int l = 1; l <= 15 && level == 0; ++l) {
      for (int r = 1; r <= 100 && level == 0; ++r) {
        if (g().LevelTable[l][r][level::Monster] == m) level = l, row = r;
      }
    }
    if (m == VORGASH) {
      Battle(15, 24, true);
    } else {
      Battle(level, 24, false, SeedForRolls({{1, 100, row}}));
    }
    ASSERT_EQ(g().CombatMonster, m);
    UntilTurnOf(1);
    const std::string name = "19_monster_" + std::string(m < 10 ? "0" : "") + std::to_string(m);
    Shot(name + "_a_standing");
    MonsterStrikes({{1, 100, 99}, {1, 2, 1}}, name + "_b_striking");
    g().CombatTurn = TURN_DEFEAT;
    g().MonsterHealth = 0;
    session.Frames(2);
    Shot(name + "_c_dead");
    g().CombatTurn = TURN_TIMERS;
  }

  g().OptionFlags[OPTION_TURN_INDICATOR] = 0;
  Battle(15, 2, true);
  UntilTurnOf(1);
  Shot("17_vorgash_at_night_no_indicator");
  g().OptionFlags[OPTION_TURN_INDICATOR] = 1;
  g().CombatTurn = TURN_VICTORY;
  g().MonsterHealth = 0;
  session.Frames(60);
  Shot("18_vorgash_defeated");
}

}  // namespace
}  // namespace vv
