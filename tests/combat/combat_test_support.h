#pragma once
// A game for the combat tests: the recording platform with the real
// pictures, every constant table and the real loop hooks, two heroes ready
// to fight, and seeds that make the next rolls come out as wanted.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <random>
#include <vector>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "game/game.h"
#include "game/game_setup.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/main_loop.h"

namespace vv::test {

// One roll the game will make: Rand(low, high) giving `value`.
struct Roll {
  int low, high, value;
};

// A seed whose next rolls come out as listed (rolls with low == high draw
// nothing and are left out by the caller).
inline std::uint32_t SeedForRolls(std::initializer_list<Roll> rolls) {
  for (std::uint32_t seed = 1;; ++seed) {
    std::mt19937 random(seed);
    bool all = true;
    for (const Roll& r : rolls) {
      const auto span = static_cast<std::uint32_t>(r.high - r.low + 1);
      if (r.low + static_cast<int>(random() % span) != r.value) {
        all = false;
        break;
      }
    }
    if (all) return seed;
  }
}

// Puts an item into a hero's slot as the inventory would: its number, its
// condition (full unless given) and the copied item fields.
inline void EquipItem(Game& game, int h, int slot, int item, int condition = -1) {
  int* e = game.HeroEquipment[h][slot];
  e[1] = item;
  e[2] = condition >= 0 ? condition : ItemStats(slot, item, item::MaxCondition);
  for (int f = 5; f <= 8; ++f) e[f - 2] = ItemStats(slot, item, f);
}

class CombatTest : public ::testing::Test {
 protected:
  CombatTest() {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    game_ = std::make_unique<Game>(platform);
    LoadFonts(g());
    LoadGameImages(g());
    const StartupHooks startup = MakeStartupHooks(g());
    startup.initTables();
    EXPECT_TRUE(startup.loadWorld());
    hooks = MakeLoopHooks(g());
    hooks.playSound = [this](int code) { sounds.push_back(code); };
    NewParty();
  }

  Game& g() { return *game_; }
  int* Hero(int h) { return g().HeroStats[h]; }

  // A Fighter and a Sorcerer at level 1 with 20 health, bare-handed.
  void NewParty() {
    ResetGameTables(g());
    for (int h = 1; h <= 2; ++h) {
      int* s = Hero(h);
      g().HeroNames[h] = h == 1 ? "BRUTUS" : "SELWYN";
      s[hero::Class] = h == 1 ? CLASS_FIGHTER : CLASS_SORCERER;
      s[hero::Level] = 1;
      s[hero::Face] = h;
      s[hero::BaseStrength] = s[hero::BaseDexterity] = s[hero::BaseIntelligence] = 5;
      s[hero::BaseEndurance] = 10;
      s[hero::Health] = 20;
      s[hero::Spell] = 1;
    }
    ApplyAttributeBoosts(g());
    RecalcHeroStats(g());
    g().CurrentLevel = 1;
    g().GameInProgress = 1;
  }

  void Equip(int h, int slot, int item, int condition = -1) { EquipItem(g(), h, slot, item, condition); }

  // A battle against monster m, set up but with nobody's turn yet.
  void Fight(int m) {
    g().PortalEventFlag = m == VORGASH ? 1 : 0;
    SetUpBattle(g());
    g().CombatMonster = m;
    g().MonsterHealth = MonsterStats(m, monster::Health);
    g().TurnTimers[MONSTER_SIDE][2] = MonsterStats(m, monster::Delay);
  }

  // Runs frames of the real loop on the combat screen.
  void Frames(int n = 1) {
    for (int i = 0; i < n; ++i) {
      platform.ClearTextTrace();
      RunFrame(g(), hooks);
    }
  }

  // A key down for one frame and up for the next.
  void Press(int code) {
    platform.ScriptKey(code, true);
    Frames(1);
    platform.ScriptKey(code, false);
    Frames(1);
  }

  bool TextDrawn(const std::string& text) const {
    for (const auto& t : platform.TextTrace()) {
      if (t.text == text) return true;
    }
    return false;
  }

  FakePlatform platform;
  std::unique_ptr<Game> game_;
  LoopHooks hooks;
  std::vector<int> sounds;  // every sound code played, in order
};

}  // namespace vv::test
