#pragma once
// Games for the saved-game tests: a fresh game with every constant table,
// in its own temporary data folder, and a party in the middle of its
// adventure with something in every table a save holds.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_setup.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "persistence/save_files.h"
#include "persistence/saved_games.h"
#include "platform/fake_platform.h"
#include "temp_folder.h"
#include "test_game.h"
#include "world/world_screen.h"

namespace vv::test {

inline std::unique_ptr<Game> MakeGame(FakePlatform& platform, const std::filesystem::path& dataDir) {
  auto game = std::make_unique<Game>(platform);
  MakeStartupHooks(*game).initTables();
  game->DataDir = dataDir;
  return game;
}

// A party deep in the cavern: a levelled Fighter and Sorcerer with kills,
// boosts, equipment and a full pack, screens explored, comments said and
// chests opened.
inline void MakeMidAdventure(Game& g) {
  ResetGameTables(g);
  g.GameInProgress = 1;
  MakeTwoHeroes(g);
  for (int h = 1; h <= 2; ++h) {
    int* st = g.HeroStats[h];
    st[hero::Level] = h == 1 ? 6 : 9;
    st[hero::Experience] = ExpNeeded[st[hero::Level]] + 17;
    st[hero::BaseStrength] = h == 1 ? 14 : 3;
    st[hero::BaseDexterity] = 4;
    st[hero::BaseIntelligence] = h == 1 ? 2 : 16;
    st[hero::BaseEndurance] = h == 1 ? 15 : 13;
    st[hero::Health] = h == 1 ? 23 : 26;
    st[hero::Kills] = 5 + h;
    st[hero::Attacks] = 40 + h;
    st[hero::Hits] = 30 + h;
    st[hero::Spell] = h == 1 ? 1 : 4;
    st[hero::Face] = h + 2;
    st[hero::DamageDealt] = 321 * h;
    st[hero::DamageTaken] = 123 * h;
    st[hero::BlockAttempts] = 20;
    st[hero::Blocks] = 3 * h;
  }
  g.HeroTimers[1][1] = 12;
  g.HeroTimers[2][3] = 45;
  EquipItem(g, 1, 1, 6, 17);  // Hand Axe, worn
  EquipItem(g, 1, 2, 4, 14);  // Bronze Shield
  EquipItem(g, 1, 5, 2, 0);   // Natural Pendant
  EquipItem(g, 2, 1, 4, 3);   // Wooden Staff
  EquipItem(g, 2, 4, 2, 8);   // Leather Cap
  PutInGrid(g, 1, 1, 1, 7);   // Bull Whip, 3 by 3
  PutInGrid(g, 4, 1, 6, 1);   // Red Potion, 1 by 2
  PutInGrid(g, 5, 3, 3, 2);   // Leather Armor, 4 by 4
  PutInGrid(g, 9, 9, 5, 4);   // Tooth Necklace
  PutInGrid(g, 10, 7, 6, 3);  // Dexterity Potion
  g.PartyInventory[9][1][1] = 1, g.PartyInventory[9][1][2] = 2, g.PartyInventory[9][1][3] = 5;
  for (int m = 1; m <= 6; ++m) g.MonsterKills[m] = 7 - m;
  // Area 1's pool down to three, area 2's down to seven.
  const int pool1[] = {3, 2, 5, 9}, pool2[] = {7, 1, 2, 3, 6, 7, 8, 10};
  std::fill_n(g.CommentPool[1], 11, 0);
  std::copy(std::begin(pool1), std::end(pool1), g.CommentPool[1]);
  std::fill_n(g.CommentPool[2], 11, 0);
  std::copy(std::begin(pool2), std::end(pool2), g.CommentPool[2]);
  g.AreaIntroShown[1] = g.AreaIntroShown[2] = 1;
  for (int x = 0; x < SCREEN_CELLS_X; ++x) {
    for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
      g.ExploredMap[3][1][x][y] = (x + y) % 3 == 0 ? 1 : 0;
      g.ExploredMap[2][1][x][y] = x < 20 ? 1 : 0;
      g.ExploredMap[1][2][x][y] = y > 9 ? 1 : 0;
    }
  }
  ChestRecord(g, 1)[chest::Opened] = 1;
  ChestRecord(g, 3)[chest::Opened] = 1;
  int* ps = g.PartyState;
  ps[PartyX] = 416, ps[PartyY] = 320, ps[Facing] = 4, ps[TimeOfDay] = 45, ps[StepCount] = 4;
  ps[ScreenColumn] = 1, ps[ScreenRow] = 2;
  g.CurrentLevel = g.LevelGrid[1][2];
  // The derived fields as the frame loop leaves them.
  ApplyAttributeBoosts(g);
  RecalcHeroStats(g);
}

// The tables a save holds, and the level, compared whole.
inline bool SameSavedTables(const Game& a, const Game& b) {
  auto same = [](const auto& x, const auto& y) { return std::memcmp(&x, &y, sizeof x) == 0; };
  return a.HeroNames[1] == b.HeroNames[1] && a.HeroNames[2] == b.HeroNames[2] &&
         same(a.PartyState, b.PartyState) && same(a.HeroStats, b.HeroStats) &&
         same(a.HeroTimers, b.HeroTimers) && same(a.HeroEquipment, b.HeroEquipment) &&
         same(a.PartyInventory, b.PartyInventory) && same(a.MonsterKills, b.MonsterKills) &&
         same(a.CommentPool, b.CommentPool) && same(a.AreaIntroShown, b.AreaIntroShown) &&
         same(a.ExploredMap, b.ExploredMap) && a.CurrentLevel == b.CurrentLevel;
}

}  // namespace vv::test
