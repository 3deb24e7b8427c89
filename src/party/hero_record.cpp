#include "party/hero_record.h"

#include <cmath>

#include "combat/spell_database.h"

namespace vv {
namespace {

// Conversion to a whole number, toward zero.
int Trunc(float value) {
  return static_cast<int>(value);
}

// Percent of `part` in `whole`, 0 when there is nothing to divide by.
int Ratio(int part, int whole) {
  if (whole <= 0) return 0;
  return Trunc(static_cast<float>(part) / static_cast<float>(whole) * 100.0f);
}

int MainAttribute(int heroClass) {
  switch (heroClass) {
    case CLASS_FIGHTER:
      return hero::BaseStrength;
    case CLASS_ROGUE:
      return hero::BaseDexterity;
    default:
      return hero::BaseIntelligence;
  }
}

void RecalcHero(Game& game, int h) {
  int* stats = game.HeroStats[h];
  const auto& weapon = game.HeroEquipment[h][1];
  const auto& shield = game.HeroEquipment[h][2];
  const auto& armour = game.HeroEquipment[h][3];
  const auto& helm = game.HeroEquipment[h][4];

  float f = static_cast<float>(stats[hero::Strength]) * (stats[hero::Class] == CLASS_FIGHTER ? 0.05f : 0.03f);
  f = f + 1.0f;

  stats[hero::MaxHealth] = 2 * stats[hero::Endurance];
  if (stats[hero::Health] > stats[hero::MaxHealth]) stats[hero::Health] = stats[hero::MaxHealth];

  // Bare hands hit for 1-2 before the strength factor.
  const int low = weapon[3] == 0 ? 1 : weapon[3];
  const int high = weapon[4] == 0 ? 2 : weapon[4];
  stats[hero::DamageMin] = Trunc(f * static_cast<float>(low) + 0.5f);
  stats[hero::DamageMax] = Trunc(f * static_cast<float>(high) + 0.5f);

  const int s = stats[hero::Dexterity] + (weapon[1] == 0 ? 10 : 2 * weapon[5]);
  const float base = stats[hero::Class] == CLASS_ROGUE ? 0.967f : 0.98f;
  stats[hero::AttackDelay] = Trunc(200.0f * std::pow(base, static_cast<float>(s)));

  const float g = static_cast<float>(stats[hero::Intelligence]) * 0.05f + 1.0f;
  const int spell = stats[hero::Spell];
  stats[hero::SpellDamageMin] = Trunc(g * static_cast<float>(SpellStats(spell, spell::DamageMin)) + 0.5f);
  stats[hero::SpellDamageMax] = Trunc(g * static_cast<float>(SpellStats(spell, spell::DamageMax)) + 0.5f);

  stats[hero::Protection] = shield[4] + armour[3] + helm[3];
  stats[hero::Blocking] = shield[3];
  stats[hero::HitRatio] = Ratio(stats[hero::Hits], stats[hero::Attacks]);
  stats[hero::BlockRatio] = Ratio(stats[hero::Blocks], stats[hero::BlockAttempts]);
}

}  // namespace

std::string_view SpeedWord(int delay) {
  return delay >= 1 && delay <= 200 ? SpeedWords[static_cast<std::size_t>(delay)] : std::string_view{};
}

void ApplyAttributeBoosts(Game& game) {
  for (int h = 1; h <= 2; ++h) {
    int* stats = game.HeroStats[h];
    stats[hero::Strength] = stats[hero::BaseStrength];
    stats[hero::Dexterity] = stats[hero::BaseDexterity];
    stats[hero::Intelligence] = stats[hero::BaseIntelligence];
    stats[hero::Endurance] = stats[hero::BaseEndurance];
    if (game.HeroTimers[h][1] > 0) stats[hero::Strength] = stats[hero::BaseStrength] + 10;
    if (game.HeroTimers[h][2] > 0) stats[hero::Dexterity] = stats[hero::BaseDexterity] + 10;
    if (game.HeroTimers[h][3] > 0) stats[hero::Intelligence] = stats[hero::BaseIntelligence] + 10;
  }
}

void RecalcHeroStats(Game& game) {
  for (int h = 1; h <= 2; ++h) RecalcHero(game, h);
}

void LevelUp(Game& game, int h) {
  int* stats = game.HeroStats[h];
  if (stats[hero::Level] >= MAX_LEVEL) return;
  const int main = MainAttribute(stats[hero::Class]);
  ++stats[hero::Level];
  ++stats[main];
  if (stats[hero::Level] == MAX_LEVEL) ++stats[main];
  ++stats[hero::BaseEndurance];
  stats[hero::MaxHealth] = 2 * stats[hero::BaseEndurance];
  stats[hero::Health] = stats[hero::MaxHealth];
}

bool CheckLevelUp(Game& game, int h) {
  const int* stats = game.HeroStats[h];
  if (stats[hero::Level] >= MAX_LEVEL || stats[hero::Experience] < ExpNeeded[stats[hero::Level] + 1]) {
    return false;
  }
  LevelUp(game, h);
  return true;
}

}  // namespace vv
