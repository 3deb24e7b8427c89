#include "items/item_rules.h"

#include <algorithm>

#include "items/item_database.h"

namespace vv {

int HitChance(int attack, bool eyeOfKaltias) {
  const int bonus = eyeOfKaltias ? 10 : 0;
  switch (attack) {
    case ATTACK_LIGHT:
      return 90 + bonus;
    case ATTACK_NORMAL:
      return 75 + bonus;
    case ATTACK_HEAVY:
      return 50 + bonus;
    default:
      return 0;
  }
}

int LootDrawChance(bool toothNecklace) {
  return toothNecklace ? 27 : 18;
}

int WeaponWearOdds(int attack, bool rogue) {
  const int odds = attack == ATTACK_LIGHT ? 3 : attack == ATTACK_NORMAL ? 2 : 1;
  return rogue ? odds * 2 : odds;
}

int RestHealing(int maxHealth, bool naturalPendant) {
  const float share = naturalPendant ? 0.2f : 0.1f;
  return std::max(1, static_cast<int>(static_cast<float>(maxHealth) * share + 0.5f));
}

int SapphireReduced(int damage) {
  return std::max(0, damage - SAPPHIRE_REDUCTION);
}

bool WearsAmulet(const Game& game, int hero, int amulet) {
  return game.HeroEquipment[hero][CATEGORY_AMULET][1] == amulet;
}

void DrinkPotion(Game& game, int hero, int potion) {
  switch (potion) {
    case RED_POTION:
      game.HeroStats[hero][hero::Health] = game.HeroStats[hero][hero::MaxHealth];
      break;
    case STRENGTH_POTION:
    case DEXTERITY_POTION:
    case INTELLIGENCE_POTION:
      game.HeroTimers[hero][potion - 1] += POTION_BOOST_TIME;
      break;
    default:
      break;
  }
}

}  // namespace vv
