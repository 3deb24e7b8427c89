// The hero record: the experience and speed tables' rules, the per-frame boosts and
// derived statistics (with their truncations), and levelling up.

#include "party/hero_record.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <string_view>

#include "combat/spell_database.h"
#include "items/item_database.h"
#include "platform/fake_platform.h"
#include "shell/text.h"
#include "test_game.h"

namespace vv {
namespace {

class HeroTest : public ::testing::Test {
 protected:
  // A hero of a class with all four attributes at `value`.
  void MakeHero(int h, int heroClass, int value) {
    int* s = game->HeroStats[h];
    s[hero::Class] = heroClass;
    s[hero::Level] = 1;
    s[hero::Spell] = 1;
    for (int f = hero::BaseStrength; f <= hero::BaseEndurance; ++f) s[f] = value;
    s[hero::Health] = 2 * value;
  }
  void Equip(int h, int slot, int item) { test::EquipItem(*game, h, slot, item); }
  void Frame() {
    ApplyAttributeBoosts(*game);
    RecalcHeroStats(*game);
  }
  int Stat(int h, int field) const { return game->HeroStats[h][field]; }

  FakePlatform platform;
  std::unique_ptr<Game> game = std::make_unique<Game>(platform);
};

TEST(HeroTables, ExperienceRisesToLevelThirtyAndEveryDelayHasAWord) {
  EXPECT_EQ(ExpNeeded[1], 0);
  for (int level = 2; level <= 30; ++level) EXPECT_GT(ExpNeeded[level], ExpNeeded[level - 1]) << level;
  EXPECT_EQ(ExpNeeded[31], 0);  // no level beyond thirty
  // Each word covers one unbroken run of delays, and delays outside 1..200 have none.
  EXPECT_EQ(SpeedWord(0), "");
  EXPECT_EQ(SpeedWord(201), "");
  std::set<std::string_view> finished;
  for (int d = 1; d <= 200; ++d) {
    ASSERT_FALSE(SpeedWords[d].empty()) << d;
    if (d > 1 && SpeedWords[d] != SpeedWords[d - 1]) {
      EXPECT_TRUE(finished.insert(SpeedWords[d - 1]).second) << d;
      EXPECT_FALSE(finished.count(SpeedWords[d])) << d;
    }
  }
}

TEST(SpellTable, DescriptionsFitThePanelInCapitals) {
  FakePlatform platform;
  Shell shell(platform);
  for (int s = 1; s <= SPELL_COUNT; ++s) {
    const std::string text = SpellText(s, spell::Description);
    EXPECT_FALSE(text.empty()) << s;
    WrapText(shell, SPELL_DESCRIPTION_WIDTH, text);
    EXPECT_TRUE(shell.WrapLines[SPELL_DESCRIPTION_LINES + 1].empty()) << text;
    for (char c : text) EXPECT_FALSE(c >= 'a' && c <= 'z') << text;
  }
}

TEST_F(HeroTest, WeaponDamageSpeedAndArmour) {
  MakeHero(1, 1, 10);
  Equip(1, 1, 20);  // Gargantuan Maul 35-50, speed 1
  Equip(1, 2, 8);   // Spike Shield: blocking 24, protection 10
  Equip(1, 3, 5);   // Plate Armor 30
  Equip(1, 4, 10);  // Minotaur Mask 20
  Frame();
  EXPECT_EQ(Stat(1, hero::DamageMin), 53);  // trunc(1.5 x 35 + 0.5)
  EXPECT_EQ(Stat(1, hero::DamageMax), 75);
  EXPECT_EQ(Stat(1, hero::AttackDelay), 156);  // s = 10 + 2: trunc(200 x 0.98^12)
  EXPECT_EQ(Stat(1, hero::Protection), 60);
  EXPECT_EQ(Stat(1, hero::Blocking), 24);
  // Without the shield only the armour and helm protect.
  game->HeroEquipment[1][2][1] = game->HeroEquipment[1][2][3] = game->HeroEquipment[1][2][4] = 0;
  Frame();
  EXPECT_EQ(Stat(1, hero::Protection), 50);
  EXPECT_EQ(Stat(1, hero::Blocking), 0);
}

TEST_F(HeroTest, AttackDelayTruncatesToZeroAtTheEdges) {
  // Rogue without a weapon: s = Dexterity + 10.
  MakeHero(2, 2, 10);
  game->HeroStats[2][hero::BaseDexterity] = 147;  // s = 157
  Frame();
  EXPECT_EQ(Stat(2, hero::AttackDelay), 1);
  EXPECT_EQ(SpeedWord(Stat(2, hero::AttackDelay)), "Intolerable");
  game->HeroStats[2][hero::BaseDexterity] = 148;  // s = 158
  Frame();
  EXPECT_EQ(Stat(2, hero::AttackDelay), 0);
  EXPECT_EQ(SpeedWord(Stat(2, hero::AttackDelay)), "");
  // Fighter and Sorcerer: 0 from s = 263.
  for (int heroClass : {1, 3}) {
    MakeHero(1, heroClass, 10);
    game->HeroStats[1][hero::BaseDexterity] = 252;
    Frame();
    EXPECT_EQ(Stat(1, hero::AttackDelay), 1) << heroClass;
    game->HeroStats[1][hero::BaseDexterity] = 253;
    Frame();
    EXPECT_EQ(Stat(1, hero::AttackDelay), 0) << heroClass;
  }
}

TEST_F(HeroTest, RatiosHealthAndSpellDamage) {
  MakeHero(1, 3, 10);
  game->HeroStats[1][hero::Health] = 99;  // as from a loaded record
  Frame();
  EXPECT_EQ(Stat(1, hero::HitRatio), 0);
  EXPECT_EQ(Stat(1, hero::BlockRatio), 0);
  EXPECT_EQ(Stat(1, hero::Health), 20);
  // Intelligence 10: g = 1.5 on BEESTING's 1-3.
  EXPECT_EQ(Stat(1, hero::SpellDamageMin), 2);
  EXPECT_EQ(Stat(1, hero::SpellDamageMax), 5);
  game->HeroStats[1][hero::Spell] = 15;
  game->HeroStats[1][hero::Attacks] = 3;
  game->HeroStats[1][hero::Hits] = 1;
  game->HeroStats[1][hero::BlockAttempts] = 7;
  game->HeroStats[1][hero::Blocks] = 7;
  Frame();
  EXPECT_EQ(Stat(1, hero::SpellDamageMin), 113);  // trunc(1.5 x 75 + 0.5)
  EXPECT_EQ(Stat(1, hero::SpellDamageMax), 263);
  EXPECT_EQ(Stat(1, hero::HitRatio), 33);
  EXPECT_EQ(Stat(1, hero::BlockRatio), 100);
  // Every class gets spell damage figured.
  MakeHero(2, 1, 1);
  Frame();
  EXPECT_EQ(Stat(2, hero::SpellDamageMax), 3);  // trunc(1.05 x 3 + 0.5)
}

TEST_F(HeroTest, BoostsAddTenWhileTheirTimersRun) {
  MakeHero(1, 1, 7);
  game->HeroTimers[1][1] = 1;
  game->HeroTimers[1][3] = 30;
  Frame();
  EXPECT_EQ(Stat(1, hero::Strength), 17);
  EXPECT_EQ(Stat(1, hero::Dexterity), 7);
  EXPECT_EQ(Stat(1, hero::Intelligence), 17);
  EXPECT_EQ(Stat(1, hero::Endurance), 7);
  EXPECT_EQ(Stat(1, hero::DamageMin), 2);  // trunc(1.85 + 0.5)
  game->HeroTimers[1][1] = 0;
  Frame();
  EXPECT_EQ(Stat(1, hero::Strength), 7);
  EXPECT_EQ(Stat(1, hero::BaseStrength), 7);
}

TEST_F(HeroTest, LevelUpAndTheExtraPointAtThirty) {
  MakeHero(1, 2, 5);
  game->HeroStats[1][hero::Health] = 1;
  game->HeroStats[1][hero::Experience] = 19;
  EXPECT_FALSE(CheckLevelUp(*game, 1));
  game->HeroStats[1][hero::Experience] = 20;
  EXPECT_TRUE(CheckLevelUp(*game, 1));
  EXPECT_EQ(Stat(1, hero::Level), 2);
  EXPECT_EQ(Stat(1, hero::BaseDexterity), 6);
  EXPECT_EQ(Stat(1, hero::BaseStrength), 5);
  EXPECT_EQ(Stat(1, hero::BaseEndurance), 6);
  EXPECT_EQ(Stat(1, hero::MaxHealth), 12);
  EXPECT_EQ(Stat(1, hero::Health), 12);
  // At most one level per check, even with experience for several.
  game->HeroStats[1][hero::Experience] = 1000;
  EXPECT_TRUE(CheckLevelUp(*game, 1));
  EXPECT_EQ(Stat(1, hero::Level), 3);

  MakeHero(2, 3, 10);
  game->HeroStats[2][hero::Level] = 29;
  game->HeroStats[2][hero::Experience] = ExpNeeded[30];
  EXPECT_TRUE(CheckLevelUp(*game, 2));
  EXPECT_EQ(Stat(2, hero::Level), 30);
  EXPECT_EQ(Stat(2, hero::BaseIntelligence), 12);
  EXPECT_EQ(Stat(2, hero::BaseEndurance), 11);
  game->HeroStats[2][hero::Experience] = 1000000;
  EXPECT_FALSE(CheckLevelUp(*game, 2));
  EXPECT_EQ(Stat(2, hero::Level), 30);
}

}  // namespace
}  // namespace vv
