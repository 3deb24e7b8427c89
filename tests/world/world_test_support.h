#pragma once
// A game for the world's tests: the recording platform with the real
// pictures, every constant table, the real loop hooks, and a small world
// whose screens hold nothing but their ground until a test puts tiles in.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "combat/spell_screen.h"
#include "game/game.h"
#include "game/game_setup.h"
#include "items/items_module.h"
#include "party/character_sheet.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "test_game.h"
#include "world/exploration.h"
#include "world/world_module.h"
#include "world/world_screen.h"

namespace vv::test {

// A seed whose first Rand(low, high) gives `value`.
inline std::uint32_t SeedForRoll(int value, int low = 1, int high = 100) {
  return SeedForRolls({{low, high, value}});
}

class WorldTest : public ::testing::Test {
 protected:
  WorldTest() {
    game_ = MakeLoadedGame(platform);
    // The world's screens and the hero screens it leads to: the other
    // subsystems' per-frame work (derived statistics, music) plays no part
    // in these tests.
    AddWorldScreens(g(), hooks);
    AddItemsScreens(g(), hooks);
    AddSpellScreen(g(), hooks);
    hooks.screens[SCREEN_CHARACTER] = [this] { RunCharacterSheet(g()); };
    // Nor do battles: any key or click ends one as a battle won without
    // loot ends, so that a walk can go on.
    hooks.screens[SCREEN_COMBAT] = [this] { EndBattleAtOnce(); };
    // What a frame drew, kept before the loop clears the canvas.
    hooks.drawOverlay = [this] { shown = platform.draws; };
    hooks.playSound = [this](int code) { sounds.push_back(code); };
  }

  Game& g() { return *game_; }

  void EndBattleAtOnce() {
    bool pressed = MouseHit(g(), MOUSE_LEFT) || MouseHit(g(), MOUSE_RIGHT);
    for (int code = 1; code <= 250; ++code) pressed = pressed || KeyHit(g(), code);
    if (!pressed) return;
    g().AttackBanner = 0;
    g().PortalEventFlag = 0;
    g().ResumeAreaMusic = 1;
    g().SoundEvent = SOUND_BATTLE_WON;
    FlushInput(g());
    SwitchScreen(g(), SCREEN_WORLD);
  }

  // A new game standing on the start screen, area introductions already
  // seen, on a map of bare screens.
  void NewGame() {
    ClearMap();
    ResetGameTables(g());
    MakeTwoHeroes(g());
    for (int& shown : g().AreaIntroShown) shown = 1;
    g().GameInProgress = 1;
    g().GameScreen = SCREEN_WORLD;
    g().ScreenFade[1] = g().ScreenFade[2] = 0;
  }

  // Every screen of the grid with ground `ground` on tile 1 (a flower in
  // the corner) and nothing else.
  void ClearMap() {
    std::fill_n(&g().MapArray[0][0][0][0], sizeof g().MapArray / sizeof(int), 0);
    for (int c = 1; c <= MAP_SCREENS; ++c) {
      for (int r = 1; r <= MAP_SCREENS; ++r) {
        if (g().LevelGrid[c][r] == 0) continue;
        PutTile(c, r, KIND_FLOOR, 1, 0, 0, 32);
        g().MapArray[c][r][1][tile::Ground] = 1;
      }
    }
  }

  // Appends a tile to a screen's record; returns its slot.
  int PutTile(int c, int r, int kind, int image, int x, int y, int size, int rotation = 1) {
    int t = 1;
    while (g().MapArray[c][r][t][tile::Kind] != 0) ++t;
    int* f = g().MapArray[c][r][t];
    f[tile::Kind] = kind, f[tile::Image] = image, f[tile::X] = x, f[tile::Y] = y;
    f[tile::Width] = f[tile::Height] = size, f[tile::Rotation] = rotation;
    return t;
  }

  // Puts the party somewhere; the next frame builds that screen.
  void PlaceParty(int column, int row, int x, int y) {
    g().PartyState[ScreenColumn] = column;
    g().PartyState[ScreenRow] = row;
    g().PartyState[PartyX] = x;
    g().PartyState[PartyY] = y;
    g().ScreenReady = 0;
  }

  // Marks every cell of a screen seen or unseen.
  void SeeScreen(int column, int row, bool seen) {
    for (auto& cells : g().ExploredMap[column][row])
      std::fill(std::begin(cells), std::end(cells), seen ? 1 : 0);
  }

  void Frames(int n = 1) {
    for (int i = 0; i < n; ++i) {
      platform.ClearTextTrace();
      // A calm walk: every frame's encounter roll comes out 77, no attack
      // and no comment.
      if (calm) SeedRandom(g(), calmSeed);
      RunFrame(g(), hooks);
    }
  }

  // A key or button down for one frame and up for the next.
  void Press(int code) {
    HoldKey(platform, code, [&] { Frames(); });
  }
  void Click(int x, int y, int button = MOUSE_LEFT) {
    ClickAt(platform, x, y, button, [&] { Frames(); });
  }

  // The last frame's draws of one picture, on the screen or into a render
  // image.
  std::vector<FakePlatform::DrawCall> DrawsOf(std::string_view file, int target = 0) const {
    std::vector<FakePlatform::DrawCall> out;
    for (const auto& d : shown) {
      if (d.name.ends_with(file) && d.target == target) out.push_back(d);
    }
    return out;
  }

  bool TextDrawn(const std::string& text) const { return test::TextDrawn(platform, text); }

  int Party(int field) { return g().PartyState[field]; }

  FakePlatform platform;
  std::unique_ptr<Game> game_;
  LoopHooks hooks;
  std::vector<FakePlatform::DrawCall> shown;
  std::vector<int> sounds;  // every sound code played, in order
  bool calm = true;
  std::uint32_t calmSeed = SeedForRoll(77);
};

// A new game standing at (256, 256) on level 1's screen, its first frame run.
class StandingPartyTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    PlaceParty(3, 1, 256, 256);
    Frames(1);
  }
};

}  // namespace vv::test
