// The base, field and display images must not change the picture: a walk
// drawn with them (whole redraws, cell-by-cell updates, a new screen, a
// chest, a change of light, plain copies) looks at every step like the same
// walk drawn straight onto the screen, on both renderers.

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "game/game.h"
#include "game/game_setup.h"
#include "renderer_support.h"
#include "shell/assets.h"
#include "shell/main_loop.h"
#include "test_game.h"
#include "world/exploration.h"
#include "world/world_module.h"
#include "world/world_screen.h"

namespace vv {
namespace {

void Put(Game& g, int column, int t, int kind, int image, int x, int y, int size, int rotation) {
  int* f = g.MapArray[column][1][t];
  f[tile::Kind] = kind, f[tile::Image] = image, f[tile::X] = x, f[tile::Y] = y;
  f[tile::Width] = f[tile::Height] = size, f[tile::Rotation] = rotation;
}

// A walk at dusk on level 1's screen of turned and large tiles, on into
// level 2's screen of other tiles, onto its chest and back from the loot,
// then a change of light and a large uncovering at once. The picture of
// each of those moments, in order.
bool WalkAndShoot(const std::string& driver, bool caching, std::vector<Pixels>& shots, std::string& error) {
  SdlPlatform p(HeadlessSdlOptions(driver));
  if (!p.Init(error) || !p.OpenGameDisplay(RendererChoice::OpenGL, "test", error)) return false;
  p.SetScriptedInput(true);
  auto game = test::MakeLoadedGame(p);
  Game& g = *game;
  LoopHooks hooks;
  AddWorldScreens(g, hooks);
  // The fog's black is opaque black (the stand-in pictures of a build
  // without the real ones are not).
  Pixels black{32, 32, std::vector<std::uint8_t>(32 * 32 * 4, 0)};
  for (std::size_t i = 3; i < black.rgba.size(); i += 4) black.rgba[i] = 255;
  g.BlackImage = p.CreateImage(black, 0);

  ResetGameTables(g);
  for (int column : {2, 3}) {
    std::fill_n(&g.MapArray[column][1][0][0], sizeof g.MapArray[column][1] / sizeof(int), 0);
  }
  Put(g, 3, 1, KIND_FLOOR, 3, 0, 0, 32, 1);
  g.MapArray[3][1][1][tile::Ground] = 2;
  int t = 2;
  for (int i = 0; i < 12; ++i)
    Put(g, 3, t++, KIND_FLOOR, 1 + i, 32 * (10 + i), 32 * (2 + i % 5), 32, 1 + i % 4);
  Put(g, 3, t++, KIND_OBSTACLE, 6, 640, 320, 128, 2);
  Put(g, 3, t++, KIND_OBSTACLE, 7, 384, 384, 64, 3);
  Put(g, 3, t++, KIND_OBSTACLE, 30, 96, 352, 256, 1);
  Put(g, 3, t++, KIND_FLOOR, IMAGE_CHEST, 512, 160, 32, 1);
  // Level 2: other tiles, in other slots, where the party comes in.
  Put(g, 2, 1, KIND_FLOOR, 5, 0, 0, 32, 1);
  g.MapArray[2][1][1][tile::Ground] = 4;
  t = 2;
  for (int i = 0; i < 16; ++i)
    Put(g, 2, t++, KIND_FLOOR, 13 + i % 8, 32 * (24 + i % 8), 32 * (5 + i / 8 * 3), 32, 1 + i % 4);
  Put(g, 2, t++, KIND_OBSTACLE, 8, 704, 96, 64, 1);
  Put(g, 2, t++, KIND_FLOOR, IMAGE_CHEST, 896, 256, 32, 1);
  for (int h = 1; h <= 2; ++h) {
    g.HeroNames[h] = "HERO";
    g.HeroStats[h][hero::Face] = h;
    g.HeroStats[h][hero::MaxHealth] = 30;
    g.HeroStats[h][hero::Health] = 10 * h;
  }
  for (int& shown : g.AreaIntroShown) shown = 1;
  g.OptionFlags[OPTION_COMMENTS] = 0;
  g.PartyState[TimeOfDay] = 40;  // dusk: light, sunset tint and the small reveal at once
  g.PartyState[PartyX] = 416;
  g.PartyState[PartyY] = 224;
  g.GameInProgress = 1;
  g.GameScreen = SCREEN_WORLD;
  g.FieldCaching = caching ? 1 : 0;

  auto frames = [&](int n) {
    for (int i = 0; i < n; ++i) RunFrame(g, hooks);
  };
  auto press = [&](int key) {
    SeedRandom(g, 3);  // a calm walk
    p.ScriptKey(key, true);
    frames(1);
    p.ScriptKey(key, false);
    frames(1);
  };
  auto shoot = [&] {
    frames(1);
    shots.emplace_back();
    return ReadBackFrame(p, shots.back());
  };

  for (int key : {KEY_RIGHT, KEY_RIGHT, KEY_DOWN, KEY_DOWN, KEY_RIGHT, KEY_UP}) press(key);
  p.ScriptMouse(g.PartyState[PartyX] + 40, g.PartyState[PartyY] + 10);  // an arrow and a lit frame
  frames(1);
  if (!shoot()) return false;
  // To the west edge, and over it into level 2, two steps further.
  g.PartyState[PartyX] = 0;
  frames(1);
  press(KEY_LEFT);
  if (g.PartyState[ScreenColumn] != 2) error = "the party did not reach level 2";
  if (!shoot()) return false;
  press(KEY_LEFT);
  press(KEY_LEFT);
  if (!shoot()) return false;
  // Onto the chest, through its banner to the loot, and back.
  press(KEY_LEFT);
  for (int i = 0; i < 300 && g.GameScreen != SCREEN_LOOT; ++i) frames(1);
  if (g.GameScreen != SCREEN_LOOT) error = "the chest did not open";
  // Back as the loot screen leaves when the looting ends (only the world's
  // screens run here: the loot screen itself would draw nothing).
  g.LootCount = 0;
  SwitchScreen(g, SCREEN_WORLD);
  frames(2);
  if (g.GameScreen != SCREEN_WORLD) error = "the world did not come back";
  if (!shoot()) return false;
  // Morning light, then a large part of the screen seen at once.
  g.PartyState[TimeOfDay] = 12;
  if (!shoot()) return false;
  for (int x = 0; x < 20; ++x) {
    for (int y = 0; y < 10; ++y) g.ExploredMap[2][1][x][y] = 1;
  }
  return shoot() && error.empty();
}

class FieldPictureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FieldPictureTest, CachedFieldLooksLikeTheFieldDrawnStraight) {
  VIZID_SKIP_WITHOUT_RENDERER(GetParam());
  std::vector<Pixels> cached, direct;
  std::string error;
  ASSERT_TRUE(WalkAndShoot(GetParam(), true, cached, error)) << error;
  ASSERT_TRUE(WalkAndShoot(GetParam(), false, direct, error)) << error;
  ASSERT_EQ(cached.size(), direct.size());
  const char* moments[] = {"after the walk",      "entering level 2", "two steps on",
                           "back from the chest", "morning light",    "much seen at once"};
  for (std::size_t shot = 0; shot < cached.size(); ++shot) {
    ASSERT_EQ(cached[shot].rgba.size(), direct[shot].rgba.size());
    int worst = 0, differing = 0;
    for (std::size_t i = 0; i < cached[shot].rgba.size(); ++i) {
      const int d = std::abs(static_cast<int>(cached[shot].rgba[i]) - static_cast<int>(direct[shot].rgba[i]));
      worst = std::max(worst, d);
      differing += d > 0;
    }
    // The light laid on the whole base rather than on each piece rounds a
    // blended pixel by a few steps at most.
    EXPECT_LE(worst, 3) << moments[shot] << ": " << differing << " channels differ";
    EXPECT_LT(differing, 3000) << moments[shot];
  }
}

INSTANTIATE_TEST_SUITE_P(Renderers, FieldPictureTest, ::testing::Values("software", "opengl"));

}  // namespace
}  // namespace vv
