// The battle's rules on a set-up battle: the turn engine, every action by
// fixed rolls, blocking, the damage a hero takes, wear and breaking, the
// outcomes, and the loot (experience is paid out in the victory of the
// combat flow test).

#include <string>

#include "combat_test_support.h"
#include "items/item_rules.h"
#include "world/level_table.h"

namespace vv::test {
namespace {

constexpr int MISS_ROLL = 100;

class CombatRulesTest : public CombatTest {
 protected:
  void SetUp() override { Fight(2); }  // Magmor: 5-7 damage, 30 health
  void Seed(std::initializer_list<Roll> rolls) { SeedRandom(g(), SeedForRolls(rolls)); }
  // The monster strikes with its rolls coming out as listed.
  void MonsterAttackWith(std::initializer_list<Roll> rolls) {
    Seed(rolls);
    MonsterAttack(g());
  }
  int Condition(int h, int slot) { return g().HeroEquipment[h][slot][2]; }
};

TEST_F(CombatRulesTest, TiesGoToHeroOneThenHeroTwoThenTheMonsterAndSlowHeroesWait) {
  for (int k = 1; k <= 3; ++k) g().TurnTimers[k][2] = 100;
  RunTurnEngine(g());
  EXPECT_EQ(g().CombatTurn, TURN_HERO_1);
  EXPECT_EQ(g().TurnTimers[1][1], 100);

  // After hero 1's action the others, already ready, follow at once.
  HeroBlock(g(), 1);
  for (int f = 0; f < RESOLUTION_FRAMES; ++f) AdvanceResolution(g());
  EXPECT_EQ(g().CombatTurn, TURN_HERO_2);
  EXPECT_EQ(g().TurnTimers[1][1], 0);
  EXPECT_EQ(g().TurnTimers[2][1], 100);
  HeroBlock(g(), 2);
  for (int f = 0; f < RESOLUTION_FRAMES; ++f) AdvanceResolution(g());
  EXPECT_EQ(g().CombatTurn, TURN_MONSTER);

  // A slow hero waits frames; the slowest monster acts within one.
  for (int k = 1; k <= 3; ++k) g().TurnTimers[k][1] = 0;
  g().CombatTurn = TURN_TIMERS;
  g().TurnTimers[1][2] = g().TurnTimers[2][2] = 450;  // a heavy blow with a slow weapon
  g().TurnTimers[MONSTER_SIDE][2] = 1000;             // (no monster is this slow)
  RunTurnEngine(g());
  EXPECT_EQ(g().CombatTurn, TURN_TIMERS);
  EXPECT_EQ(g().TurnTimers[1][1], 200);
  RunTurnEngine(g());
  RunTurnEngine(g());
  EXPECT_EQ(g().CombatTurn, TURN_HERO_1);
  EXPECT_EQ(g().TurnTimers[1][1], 450);
  for (int k = 1; k <= 3; ++k) g().TurnTimers[k][1] = 0;
  g().CombatTurn = TURN_TIMERS;
  g().TurnTimers[MONSTER_SIDE][2] = MonsterStats(14, monster::Delay);
  RunTurnEngine(g());
  EXPECT_EQ(g().CombatTurn, TURN_MONSTER);
  EXPECT_EQ(g().TurnTimers[MONSTER_SIDE][1], 200);
}

TEST_F(CombatRulesTest, EachAttackHitsUpToItsThresholdWithAndWithoutTheEye) {
  struct Case {
    int attack, eye, threshold;
  };
  const Case cases[] = {{ATTACK_LIGHT, 0, 90},  {ATTACK_NORMAL, 0, 75}, {ATTACK_HEAVY, 0, 50},
                        {ATTACK_LIGHT, 1, 100}, {ATTACK_NORMAL, 1, 85}, {ATTACK_HEAVY, 1, 60}};
  for (const Case& c : cases) {
    Equip(1, CATEGORY_AMULET, c.eye == 1 ? EYE_OF_KALTIAS : 0);
    for (int roll : {c.threshold, c.threshold + 1}) {
      if (roll > 100) continue;
      const bool hit = roll <= c.threshold;
      g().MonsterHealth = 30;
      const int hits = Hero(1)[hero::Hits];
      Seed({{1, 100, roll}});
      HeroAttack(g(), 1, c.attack);
      const std::string what = "attack " + std::to_string(c.attack) + " roll " + std::to_string(roll);
      EXPECT_EQ(Hero(1)[hero::Hits], hits + (hit ? 1 : 0)) << what;
      EXPECT_EQ(g().MonsterHealth < 30, hit) << what;
      // Bare hands hit with sound 8001; a miss whooshes.
      EXPECT_EQ(g().SoundEvent == SOUND_HIT, hit) << what;
      const int delay = Hero(1)[hero::AttackDelay];
      EXPECT_EQ(g().TurnTimers[1][2], c.attack == ATTACK_HEAVY ? 2 * delay : delay) << what;
    }
  }
}

TEST_F(CombatRulesTest, DamageRangesRoundHalfUp) {
  int low = 0, high = 0;
  Hero(1)[hero::DamageMin] = 3;
  Hero(1)[hero::DamageMax] = 5;
  AttackRange(g(), 1, ATTACK_HEAVY, low, high);
  EXPECT_EQ(low, 5);  // 5.25 + 0.5
  EXPECT_EQ(high, 9);

  // The killing blow is the hero's; the monster's health stops at 0.
  Hero(1)[hero::DamageMin] = Hero(1)[hero::DamageMax] = 40;
  Seed({{1, 100, 1}});
  HeroAttack(g(), 1, ATTACK_NORMAL);
  EXPECT_EQ(g().MonsterHealth, 0);
  EXPECT_EQ(Hero(1)[hero::Kills], 1);
  EXPECT_EQ(Hero(1)[hero::DamageDealt], 40);
}

TEST_F(CombatRulesTest, WeaponsWearByAttackAndClass) {
  // With the Eye every light attack hits; count the wear over many.
  Equip(1, CATEGORY_AMULET, EYE_OF_KALTIAS);
  Equip(2, CATEGORY_AMULET, EYE_OF_KALTIAS);
  Equip(1, CATEGORY_WEAPON, 1, 10000);
  Equip(2, CATEGORY_WEAPON, 1, 10000);
  Hero(2)[hero::Class] = CLASS_ROGUE;
  SeedRandom(g(), 11);
  constexpr int N = 3000;
  for (int i = 0; i < N; ++i) {
    g().MonsterHealth = 1000000;
    HeroAttack(g(), 1, ATTACK_LIGHT);
    HeroAttack(g(), 2, ATTACK_LIGHT);
  }
  EXPECT_NEAR(10000 - Condition(1, CATEGORY_WEAPON), N / 3, N / 20);  // one in three
  EXPECT_NEAR(10000 - Condition(2, CATEGORY_WEAPON), N / 6, N / 20);  // a Rogue's one in six

  // A Fighter's heavy blow that hits always wears the weapon.
  const int before = Condition(1, CATEGORY_WEAPON);
  Seed({{1, 100, 1}});
  HeroAttack(g(), 1, ATTACK_HEAVY);
  EXPECT_EQ(Condition(1, CATEGORY_WEAPON), before - 1);
  EXPECT_EQ(g().SoundEvent, SOUND_HIT + ItemStats(CATEGORY_WEAPON, 1, item::HitSound));
}

TEST_F(CombatRulesTest, RestHealsATenthAtLeastOneAndNeverBeyondFull) {
  Hero(1)[hero::MaxHealth] = 4;
  Hero(1)[hero::Health] = 1;
  HeroRest(g(), 1);
  EXPECT_EQ(Hero(1)[hero::Health], 2);

  Equip(1, CATEGORY_AMULET, NATURAL_PENDANT);
  Hero(1)[hero::MaxHealth] = 40;
  Hero(1)[hero::Health] = 35;
  HeroRest(g(), 1);
  EXPECT_EQ(Hero(1)[hero::Health], 40);  // 8 offered, 5 taken
  EXPECT_EQ(g().HealShown, 5);
}

TEST_F(CombatRulesTest, ACastCostsHealthAndIsRefusedAtTheDrain) {
  int* s = Hero(2);
  s[hero::Spell] = 2;  // MIND BLAST drains 2
  s[hero::SpellDamageMin] = 3;
  s[hero::SpellDamageMax] = 4;
  s[hero::Health] = 2;
  g().CombatTurn = TURN_HERO_2;
  EXPECT_FALSE(HeroCast(g(), 2));
  EXPECT_EQ(g().MessageText, "NOT ENOUGH HEALTH");
  EXPECT_EQ(g().SoundEvent, SOUND_ALARM);

  s[hero::Health] = 3;
  g().MonsterHealth = 30;
  EXPECT_TRUE(HeroCast(g(), 2));
  EXPECT_EQ(s[hero::Health], 1);
  EXPECT_EQ(g().SoundEvent, SOUND_SPELL + 2);
  EXPECT_EQ(g().HitMarks[1], HURT_BY_SPELL);
  EXPECT_GE(30 - g().MonsterHealth, 3);
  EXPECT_LE(30 - g().MonsterHealth, 4);
}

TEST_F(CombatRulesTest, BlocksCountAndActiveBlockingTriplesTheChance) {
  Equip(1, CATEGORY_SHIELD, 9);  // the Wall Shield: 32 blocking
  Hero(1)[hero::Blocking] = 32;
  int* s = Hero(1);

  // A miss counts in neither.
  MonsterAttackWith({{1, 100, 86}, {1, 2, 1}});
  EXPECT_EQ(s[hero::BlockAttempts], 0);

  // Blocking: 96 holds, 97 does not.
  g().HeroBlocking[1] = 1;
  const int condition = Condition(1, CATEGORY_SHIELD);
  MonsterAttackWith({{1, 100, 85}, {1, 2, 1}, {1, 100, 96}});
  EXPECT_EQ(s[hero::BlockAttempts], 1);
  EXPECT_EQ(s[hero::Blocks], 1);
  EXPECT_EQ(Condition(1, CATEGORY_SHIELD), condition - 1);
  EXPECT_EQ(s[hero::DamageTaken], 0);

  MonsterAttackWith({{1, 100, 85}, {1, 2, 1}, {1, 100, 97}});
  EXPECT_EQ(s[hero::BlockAttempts], 2);
  EXPECT_EQ(s[hero::Blocks], 1);
  EXPECT_GT(s[hero::DamageTaken], 0);

  // Without raising the shield the chance is the plain 32.
  g().HeroBlocking[1] = 0;
  MonsterAttackWith({{1, 100, 85}, {1, 2, 1}, {1, 100, 33}});
  EXPECT_EQ(s[hero::Blocks], 1);
}

TEST_F(CombatRulesTest, AmuletsProtectionAndArmourSoftenTheBlow) {
  int* s = Hero(1);
  // 50 protection: 7 becomes 7 - trunc(3.5 + 0.5) = 3; each worn piece
  // loses 0 or 1.
  s[hero::Protection] = 50;
  Equip(1, CATEGORY_ARMOUR, 1);
  Equip(1, CATEGORY_HELM, 1);
  const int armour = Condition(1, CATEGORY_ARMOUR), helm = Condition(1, CATEGORY_HELM);
  MonsterAttackWith({{1, 100, 1}, {1, 2, 1}, {5, 7, 7}, {0, 1, 1}, {0, 1, 0}});
  EXPECT_EQ(s[hero::Health], 20 - 3);
  EXPECT_EQ(Condition(1, CATEGORY_ARMOUR), armour - 1);
  EXPECT_EQ(Condition(1, CATEGORY_HELM), helm);

  // The Sapphire Amulet takes 2 off first: Rogga's 3 leaves 1, and with
  // the 50 protection that 1 becomes 0.
  Fight(1);
  Equip(1, CATEGORY_AMULET, SAPPHIRE_AMULET);
  s[hero::Health] = 20;
  s[hero::Protection] = 0;
  MonsterAttackWith({{1, 100, 1}, {1, 2, 1}, {3, 5, 3}});
  EXPECT_EQ(s[hero::Health], 19);
  s[hero::Protection] = 50;
  MonsterAttackWith({{1, 100, 1}, {1, 2, 1}, {3, 5, 3}});
  EXPECT_EQ(s[hero::Health], 19);
  MonsterAttackWith({{1, 100, 1}, {1, 2, 1}, {3, 5, 5}});
  EXPECT_EQ(s[hero::Health], 18);  // 5 - 2 = 3, less trunc(1.5 + 0.5)
}

TEST_F(CombatRulesTest, BurnsAndSpikesHurtTheMonsterWithoutAKill) {
  int* s = Hero(1);
  Equip(1, CATEGORY_AMULET, GOLDEN_AMULET);
  g().MonsterHealth = 40;
  MonsterAttackWith({{1, 100, 1}, {1, 2, 1}, {5, 7, 5}});
  EXPECT_EQ(g().MonsterHealth, 0);
  EXPECT_EQ(s[hero::DamageDealt], 40);

  Fight(2);
  Equip(1, CATEGORY_AMULET, 0);
  Equip(1, CATEGORY_SHIELD, SPIKE_SHIELD);
  s[hero::Blocking] = 24;
  g().MonsterHealth = 30;
  MonsterAttackWith({{1, 100, 1}, {1, 2, 1}, {1, 100, 1}});
  EXPECT_EQ(g().MonsterHealth, -20);
  EXPECT_EQ(s[hero::DamageDealt], 40 + 50);
  EXPECT_EQ(s[hero::Kills], 0);

  // The resolution ends in victory.
  for (int f = 0; f < RESOLUTION_FRAMES; ++f) AdvanceResolution(g());
  EXPECT_EQ(g().CombatTurn, TURN_VICTORY);
}

TEST_F(CombatRulesTest, AMutualDeathIsADefeat) {
  g().CombatTurn = RESOLVE_MONSTER;
  g().MonsterHealth = -5;
  Hero(2)[hero::Health] = 0;
  for (int f = 0; f < RESOLUTION_FRAMES; ++f) AdvanceResolution(g());
  EXPECT_EQ(g().CombatTurn, TURN_DEFEAT);
  EXPECT_EQ(g().FallenHero, 2);
}

TEST_F(CombatRulesTest, WornOutEquipmentBreaksWithItsSlotsSound) {
  Equip(1, CATEGORY_WEAPON, 1, 0);
  RemoveBrokenEquipment(g());
  EXPECT_EQ(g().HeroEquipment[1][CATEGORY_WEAPON][1], 0);
  EXPECT_EQ(g().SoundEvent, SOUND_BREAK + 1);
  g().SoundEvent = 0;
  Equip(2, CATEGORY_HELM, 1, 0);
  Equip(2, CATEGORY_SHIELD, 1, 1);
  RemoveBrokenEquipment(g());
  EXPECT_EQ(g().HeroEquipment[2][CATEGORY_HELM][1], 0);
  EXPECT_EQ(g().HeroEquipment[2][CATEGORY_SHIELD][1], 1);
  EXPECT_EQ(g().SoundEvent, SOUND_BREAK + 4);
}

TEST_F(CombatRulesTest, TheToothNecklaceWidensEveryLootDraw) {
  g().CurrentLevel = 5;
  // 27 fails without the necklace; the second draw's 18 just makes it.
  const std::uint32_t seed = SeedForRolls({{1, 100, 27}, {1, 100, 18}});
  SeedRandom(g(), seed);
  RollBattleLoot(g());
  EXPECT_GE(g().LootCount, 1);

  // With it the first draw succeeds and its item is row 18 of the level.
  Equip(2, CATEGORY_AMULET, TOOTH_NECKLACE);
  SeedRandom(g(), seed);
  RollBattleLoot(g());
  ASSERT_GE(g().LootCount, 1);
  const int* first = g().LootList[1];
  EXPECT_EQ(first[1], g().LevelTable[5][18][level::ItemCategory]);
  EXPECT_EQ(first[2], g().LevelTable[5][18][level::ItemNumber]);
  EXPECT_EQ(first[3], ItemStats(first[1], first[2], item::MaxCondition));
}

}  // namespace
}  // namespace vv::test
