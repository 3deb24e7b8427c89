// What each command does: the three attacks, rest, block and the spell of
// a hero, and the monster's blow with everything that softens or answers it.

#include <algorithm>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "combat/spell_database.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "party/hero_record.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int REST_DELAY = 150;
constexpr int BLOCK_DELAY = 150;
constexpr int ACTIVE_BLOCK_FACTOR = 3;

int Trunc(float value) {
  return static_cast<int>(value);
}

// A hit wears the weapon when one draw of 1..n comes up (the middle face);
// with n = 1 every hit wears it.
bool WeaponWears(Game& g, int attack, bool rogue) {
  const int n = WeaponWearOdds(attack, rogue);
  return n <= 1 || Rand(g, 1, n) == (n + 1) / 2;
}

// The monster takes a blow; the hero who dealt it by his own hand gets the kill.
void HurtMonster(Game& g, int h, int damage, int how) {
  g.HeroStats[h][hero::DamageDealt] += damage;
  g.MonsterHealth -= damage;
  g.HitMarks[1] = how;
}

void CreditKill(Game& g, int h) {
  if (g.MonsterHealth > 0) return;
  ++g.HeroStats[h][hero::Kills];
  g.MonsterHealth = 0;
}

void MissSound(Game& g) {
  g.SoundEvent = SOUND_MISS + Rand(g, 1, 3);
}

// The monster's blow lands on hero t: amulet, protection, wear, burn.
void TakeBlow(Game& g, int t) {
  int* s = g.HeroStats[t];
  const int m = g.CombatMonster;
  g.SoundEvent = SOUND_MONSTER_HIT + m;
  int damage = Rand(g, MonsterStats(m, monster::DamageMin), MonsterStats(m, monster::DamageMax));
  if (WearsAmulet(g, t, SAPPHIRE_AMULET)) damage = SapphireReduced(damage);
  if (damage > 0) {
    // The product stays whole; only the share is rounded.
    damage -= Trunc(static_cast<float>(damage * s[hero::Protection]) / 100.0f + 0.5f);
    damage = std::max(0, damage);
  }
  s[hero::DamageTaken] += damage;
  s[hero::Health] -= damage;
  for (int slot = CATEGORY_SHIELD; slot <= CATEGORY_HELM; ++slot) {
    int* item = g.HeroEquipment[t][slot];
    if (item[1] != 0) item[2] -= Rand(g, 0, 1);
  }
  if (WearsAmulet(g, t, GOLDEN_AMULET)) HurtMonster(g, t, GOLDEN_AMULET_BURN, HURT_BY_BLOW);
  g.HitMarks[2] = t;
  g.DamageShown = damage;
}

// Hero t catches the blow on his shield.
void BlockBlow(Game& g, int t) {
  ++g.HeroStats[t][hero::Blocks];
  g.HitMarks[2] = t + 2;
  g.SoundEvent = SOUND_BLOCK;
  int* shield = g.HeroEquipment[t][CATEGORY_SHIELD];
  g.BlockingShield = shield[1];
  if (shield[1] != 0) --shield[2];
  if (shield[1] == SPIKE_SHIELD) HurtMonster(g, t, SPIKE_SHIELD_DAMAGE, HURT_BY_BLOW);
}

}  // namespace

bool IsSorcerer(const Game& g, int h) {
  return g.HeroStats[h][hero::Class] == CLASS_SORCERER;
}

void AttackRange(const Game& g, int h, int attack, int& low, int& high) {
  const int* s = g.HeroStats[h];
  low = s[hero::DamageMin];
  high = s[hero::DamageMax];
  if (attack == ATTACK_NORMAL) return;
  const float factor = attack == ATTACK_LIGHT ? 0.5f : 1.75f;
  low = Trunc(static_cast<float>(low) * factor + 0.5f);
  high = Trunc(static_cast<float>(high) * factor + 0.5f);
}

void HeroAttack(Game& g, int h, int attack) {
  int* s = g.HeroStats[h];
  const int roll = Rand(g, 1, 100);
  ++s[hero::Attacks];
  g.TurnTimers[h][2] = attack == ATTACK_HEAVY ? 2 * s[hero::AttackDelay] : s[hero::AttackDelay];
  if (roll > HitChance(attack, WearsAmulet(g, h, EYE_OF_KALTIAS))) {
    MissSound(g);
  } else {
    int* weapon = g.HeroEquipment[h][CATEGORY_WEAPON];
    g.SoundEvent = SOUND_HIT + ItemStats(CATEGORY_WEAPON, weapon[1], item::HitSound);
    ++s[hero::Hits];
    int low = 0, high = 0;
    AttackRange(g, h, attack, low, high);
    const int damage = Rand(g, low, high);
    HurtMonster(g, h, damage, HURT_BY_BLOW);
    g.DamageShown = damage;
    if (weapon[1] != 0 && WeaponWears(g, attack, s[hero::Class] == CLASS_ROGUE)) --weapon[2];
  }
  g.CombatTurn = h + 3;
  CreditKill(g, h);
}

void HeroRest(Game& g, int h) {
  int* s = g.HeroStats[h];
  const int heal = RestHealing(s[hero::MaxHealth], WearsAmulet(g, h, NATURAL_PENDANT));
  const int before = s[hero::Health];
  s[hero::Health] = std::min(s[hero::MaxHealth], s[hero::Health] + heal);
  g.SoundEvent = SOUND_REST;
  g.TurnTimers[h][2] = REST_DELAY;
  g.HealShown = std::min(heal, s[hero::MaxHealth] - before);
  g.CombatTurn = h + 3;
}

void HeroBlock(Game& g, int h) {
  g.HeroBlocking[h] = 1;
  g.SoundEvent = SOUND_DEFEND;
  g.TurnTimers[h][2] = BLOCK_DELAY;
  g.CombatTurn = h + 3;
}

bool HeroCast(Game& g, int h) {
  int* s = g.HeroStats[h];
  const int spell = s[hero::Spell];
  if (s[hero::Health] <= SpellStats(spell, spell::HealthDrain)) {
    g.SoundEvent = SOUND_ALARM;
    ShowMessage(g, "NOT ENOUGH HEALTH", 255, 0, 0);
    return false;
  }
  ++s[hero::Attacks];
  ++s[hero::Hits];  // a spell never misses
  g.SoundEvent = SOUND_SPELL + spell;
  const int damage = Rand(g, s[hero::SpellDamageMin], s[hero::SpellDamageMax]);
  HurtMonster(g, h, damage, HURT_BY_SPELL);
  g.DamageShown = damage;
  s[hero::Health] -= SpellStats(spell, spell::HealthDrain);
  g.TurnTimers[h][2] = SpellStats(spell, spell::CastDelay);
  g.CombatTurn = h + 3;
  CreditKill(g, h);
  return true;
}

void MonsterAttack(Game& g) {
  const int roll = Rand(g, 1, 100);
  const int t = Rand(g, 1, 2);
  int* s = g.HeroStats[t];
  g.DamageShown = 0;
  g.BlockingShield = 0;
  if (roll > MonsterStats(g.CombatMonster, monster::HitChance)) {
    MissSound(g);
  } else {
    bool blocked = false;
    if (s[hero::Blocking] > 0) {
      const int chance = g.HeroBlocking[t] == 1 ? ACTIVE_BLOCK_FACTOR * s[hero::Blocking] : s[hero::Blocking];
      blocked = Rand(g, 1, 100) <= chance;
    }
    ++s[hero::BlockAttempts];
    if (blocked) {
      BlockBlow(g, t);
    } else {
      TakeBlow(g, t);
    }
  }
  g.CombatTurn = RESOLVE_MONSTER;
  if (s[hero::Health] < 0) s[hero::Health] = 0;
}

}  // namespace vv
