#pragma once
// A game for the combat tests: the recording platform with the real
// pictures, every constant table and the real loop hooks, two heroes ready
// to fight.

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
#include "test_game.h"

namespace vv::test {

class CombatTest : public ::testing::Test {
 protected:
  CombatTest() {
    game_ = MakeLoadedGame(platform);
    EXPECT_TRUE(MakeStartupHooks(g()).loadWorld());
    hooks = MakeLoopHooks(g());
    hooks.playSound = [this](int code) { sounds.push_back(code); };
    NewParty();
  }

  Game& g() { return *game_; }
  int* Hero(int h) { return g().HeroStats[h]; }

  // A Fighter and a Sorcerer at level 1 with 20 health, bare-handed.
  void NewParty() {
    ResetGameTables(g());
    MakeTwoHeroes(g(), 1, 5);
    for (int h = 1; h <= 2; ++h) Hero(h)[hero::BaseEndurance] = 10, Hero(h)[hero::Health] = 20;
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

  // A key or button down for one frame and up for the next.
  void Press(int code) {
    HoldKey(platform, code, [&] { Frames(); });
  }
  void Click(int x, int y) {
    ClickAt(platform, x, y, MOUSE_LEFT, [&] { Frames(); });
  }

  FakePlatform platform;
  std::unique_ptr<Game> game_;
  LoopHooks hooks;
  std::vector<int> sounds;  // every sound code played, in order
};

}  // namespace vv::test
