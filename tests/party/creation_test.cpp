// The heroes: the derived statistics of the hero record (with their
// truncations) and levelling up; character creation: the rolls for a fixed
// seed, the special hero, the controls and name typing, and the new game
// ACCEPT starts.

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/game_setup.h"
#include "items/item_database.h"
#include "party/creation_rolls.h"
#include "party/creation_screen.h"
#include "party/hero_record.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "test_game.h"

namespace vv {
namespace {

class CreationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    game->ArrowImage = platform.LoadImage("data/gfx/arrow.png", IMAGE_MASKED);
    game->GameScreen = SCREEN_CREATION;
  }
  void Frame() {
    platform.Cls();
    platform.ClearTextTrace();
    UpdateInput(*game);
    game->SoundEvent = 0;
    RunCreationScreen(*game);
  }
  void Click(int x, int y) {
    test::ClickAt(platform, x, y, MOUSE_LEFT, [&] { Frame(); });
  }
  void Press(int key) {
    test::HoldKey(platform, key, [&] { Frame(); });
  }
  // The attributes of a created hero, strength to endurance.
  std::array<int, 4> Attributes(int h) const {
    const int* a = game->CreatedHeroes[h];
    return {a[3], a[4], a[5], a[6]};
  }
  // Seeds the game so that the fresh start makes hero 1 the special hero
  // (or, with special false, an ordinary one).
  void SeedFor(bool special) {
    for (std::uint32_t seed = 1;; ++seed) {
      SeedRandom(*game, seed);
      if ((Rand(*game, 1, 15) == 1) == special) {
        SeedRandom(*game, seed);
        return;
      }
    }
  }

  FakePlatform platform;
  std::unique_ptr<Game> game = std::make_unique<Game>(platform);
};

TEST_F(CreationTest, RollsForAFixedSeedComeOutTheSameEveryTime) {
  game->CreatedHeroes[1][created::Portrait] = 2;
  SeedRandom(*game, 2024);
  std::vector<std::array<int, 4>> rolled;
  for (int heroClass = 1; heroClass <= 3; ++heroClass) {
    game->CreatedHeroes[1][created::Class] = heroClass;
    for (int i = 0; i < 3; ++i) {
      RollHero(*game, 1);
      rolled.push_back(Attributes(1));
    }
  }
  // Fighters, rogues and sorcerers, three of each, strength to endurance.
  const std::vector<std::array<int, 4>> expected = {
      {7, 3, 4, 10}, {6, 2, 5, 8}, {7, 2, 4, 3},  {3, 5, 3, 7}, {3, 8, 4, 6},
      {4, 5, 2, 8},  {4, 2, 6, 5}, {4, 1, 5, 10}, {3, 3, 5, 7},
  };
  EXPECT_EQ(rolled, expected);
  // The phase runs on for the whole program: a new game keeps it.
  game->RollPhase = 2;
  StartNewGame(*game);
  EXPECT_EQ(game->RollPhase, 2);
}

TEST_F(CreationTest, TheSpecialHeroIsAFixedFighterWithoutControls) {
  SeedFor(true);
  Frame();
  EXPECT_EQ(game->SoundEvent, 500001);
  EXPECT_EQ(game->DraftNames[1], DefaultNames[1]);
  EXPECT_EQ(game->CreatedHeroes[1][created::Portrait], SPECIAL_PORTRAIT);
  EXPECT_EQ(game->CreatedHeroes[1][created::Class], CLASS_FIGHTER);
  EXPECT_EQ(Attributes(1), (std::array<int, 4>{10, 10, 1, 10}));

  Click(16 + 223 + 50, 340);  // NAME
  EXPECT_EQ(game->TypingHero, 0);
  Click(16 + 136 + 50, 650);  // REROLL
  EXPECT_EQ(Attributes(1), (std::array<int, 4>{10, 10, 1, 10}));
  Frame();
  EXPECT_EQ(test::TextCount(platform, "REROLL"), 1);  // hero 2's only: the special hero has none
  // Hero 2 rerolling leaves the special hero as he is.
  const auto before = Attributes(2);
  for (int i = 0; i < 3 && Attributes(2) == before; ++i) Click(528 + 136 + 50, 650);
  EXPECT_NE(Attributes(2), before);
  // So does hero 2's change of class.
  const int next = game->CreatedHeroes[2][created::Class] % 3 + 1;
  Click(528 + 223 + 10, 400);
  EXPECT_EQ(game->CreatedHeroes[2][created::Class], next);

  // A new portrait makes him an ordinary hero with an ordinary name.
  Click(16 + 314 + 30, 250);
  EXPECT_EQ(game->CreatedHeroes[1][created::Portrait], 1);
  EXPECT_NE(game->DraftNames[1], DefaultNames[1]);
  EXPECT_LE(Attributes(1)[1], 5);  // still a Fighter: dexterity capped at 5
}

TEST_F(CreationTest, NameTypingKeepsEightLettersEnterKeepsEscapeRestores) {
  SeedFor(false);
  Frame();
  const std::string old = game->DraftNames[2];
  Click(528 + 223 + 10, 340);
  EXPECT_EQ(game->TypingHero, 2);
  for (int i = 0; i < 12; ++i) Press(KEY_BACKSPACE);
  for (char c : std::string("ABCDEFGHI")) Press(c);
  EXPECT_EQ(game->TypingText, "ABCDEFGH");
  // Nothing else reacts while typing.
  Click(300, 720);
  EXPECT_EQ(game->PendingScreen, 0);
  EXPECT_EQ(game->DraftNames[2], old);
  Press(KEY_ENTER);
  EXPECT_EQ(game->TypingHero, 0);
  EXPECT_EQ(game->DraftNames[2], "ABCDEFGH");

  Click(528 + 223 + 10, 340);
  Press(KEY_BACKSPACE);
  Press('Z');
  EXPECT_EQ(game->TypingText, "ABCDEFGZ");
  test::HoldKey(
      platform, KEY_ESCAPE, [&] { Frame(); }, [] {});
  EXPECT_EQ(game->TypingHero, 0);
  EXPECT_EQ(game->DraftNames[2], "ABCDEFGH");
  EXPECT_EQ(game->PendingScreen, 0);
}

TEST_F(CreationTest, AcceptStartsANewGameOnceTheFadeIsBlack) {
  LoopHooks hooks = MakeLoopHooks(*game);
  auto run = [&] {
    platform.ClearTextTrace();
    RunFrame(*game, hooks);
  };
  // Leftovers of an earlier game that a new game must clear.
  game->HeroTimers[1][2] = 20;
  game->HeroEquipment[2][1][1] = 5;
  game->PartyInventory[3][4][1] = 6;
  game->LootCount = 2;
  game->HeroStats[1][hero::Kills] = 9;
  game->HeroStats[1][hero::Reserved] = 4;

  SeedFor(false);
  run();
  const auto second = Attributes(2);
  platform.ScriptMouse(600, 720);
  platform.ScriptButton(MOUSE_LEFT, true);
  run();
  platform.ScriptButton(MOUSE_LEFT, false);
  EXPECT_EQ(game->ScreenFade[1], 2);
  // The frame in which the fade turns black starts the game (and is not
  // shown); the world follows in the next.
  for (int i = 0; i < 15 && game->PendingScreen != SCREEN_WORLD; ++i) run();
  EXPECT_EQ(game->PendingScreen, SCREEN_WORLD);
  EXPECT_EQ(game->GameScreen, SCREEN_CREATION);
  EXPECT_EQ(game->GameInProgress, 1);
  EXPECT_EQ(game->CurrentLevel, 1);
  EXPECT_EQ(game->CreationReady, 0);
  // Nothing of the earlier game is left.
  EXPECT_EQ(game->HeroTimers[1][2] + game->HeroEquipment[2][1][1] + game->PartyInventory[3][4][1], 0);
  EXPECT_EQ(game->LootCount + game->HeroStats[1][hero::Kills] + game->HeroStats[1][hero::Reserved], 0);
  const int* s = game->HeroStats[2];
  EXPECT_EQ(game->HeroNames[2], game->DraftNames[2]);
  EXPECT_EQ(s[hero::Face], game->CreatedHeroes[2][created::Portrait]);
  EXPECT_EQ((std::array<int, 4>{s[hero::BaseStrength], s[hero::BaseDexterity], s[hero::BaseIntelligence],
                                s[hero::BaseEndurance]}),
            second);
  EXPECT_EQ(s[hero::MaxHealth], 2 * second[3]);  // figured in the same frame's tail
  run();
  EXPECT_EQ(game->GameScreen, SCREEN_WORLD);
}

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
}

TEST_F(HeroTest, RatiosHealthAndSpellDamage) {
  MakeHero(1, 3, 10);
  game->HeroStats[1][hero::Health] = 99;  // as from a loaded record
  Frame();
  EXPECT_EQ(Stat(1, hero::HitRatio), 0);
  EXPECT_EQ(Stat(1, hero::BlockRatio), 0);
  EXPECT_EQ(Stat(1, hero::Health), 20);
  game->HeroStats[1][hero::Spell] = 15;
  game->HeroStats[1][hero::Attacks] = 3;
  game->HeroStats[1][hero::Hits] = 1;
  game->HeroStats[1][hero::BlockAttempts] = 7;
  game->HeroStats[1][hero::Blocks] = 7;
  Frame();
  EXPECT_EQ(Stat(1, hero::SpellDamageMin), 113);  // trunc(1.5 x 75 + 0.5)
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
  EXPECT_EQ(Stat(1, hero::Intelligence), 17);
  EXPECT_EQ(Stat(1, hero::DamageMin), 2);  // trunc(1.85 + 0.5)
  game->HeroTimers[1][1] = 0;
  Frame();
  EXPECT_EQ(Stat(1, hero::Strength), 7);
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
