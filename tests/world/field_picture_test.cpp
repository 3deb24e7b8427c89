// The base, field and display images must not change the picture: a walk
// drawn with them (whole redraws, cell-by-cell updates, a change of light
// and plain copies) ends on the same picture as the same walk drawn
// straight onto the screen, on both renderers.

#include <gtest/gtest.h>

#include <memory>

#include "game/game.h"
#include "game/game_setup.h"
#include "platform/headless_sdl.h"
#include "platform/sdl_platform.h"
#include "shell/assets.h"
#include "shell/main_loop.h"
#include "world/exploration.h"
#include "world/world_module.h"
#include "world/world_screen.h"

namespace vv {
namespace {

void Put(Game& g, int t, int kind, int image, int x, int y, int size, int rotation) {
  int* f = g.MapArray[3][1][t];
  f[tile::Kind] = kind, f[tile::Image] = image, f[tile::X] = x, f[tile::Y] = y;
  f[tile::Width] = f[tile::Height] = size, f[tile::Rotation] = rotation;
}

// Walks a few steps at dusk on a screen of turned and large tiles, then
// returns the last frame.
bool WalkAndShoot(const std::string& driver, bool caching, Pixels& out, std::string& error) {
  SdlPlatform p(HeadlessSdlOptions(driver));
  if (!p.Init(error) || !p.OpenGameDisplay(RendererChoice::OpenGL, "test", error)) return false;
  p.SetScriptedInput(true);
  RegisterAssets(p);
  p.SetMaskColor(255, 255, 255);
  auto game = std::make_unique<Game>(p);
  Game& g = *game;
  MakeStartupHooks(g).initTables();
  LoadFonts(g);
  LoadGameImages(g);
  LoopHooks hooks;
  AddWorldScreens(g, hooks);
  // The fog's black is opaque black (the stand-in pictures of a build
  // without the real ones are not).
  Pixels black{32, 32, std::vector<std::uint8_t>(32 * 32 * 4, 0)};
  for (std::size_t i = 3; i < black.rgba.size(); i += 4) black.rgba[i] = 255;
  g.BlackImage = p.CreateImage(black, 0);

  ResetGameTables(g);
  std::fill_n(&g.MapArray[3][1][0][0], sizeof g.MapArray[3][1] / sizeof(int), 0);
  Put(g, 1, KIND_FLOOR, 3, 0, 0, 32, 1);
  g.MapArray[3][1][1][tile::Ground] = 2;
  int t = 2;
  for (int i = 0; i < 12; ++i) Put(g, t++, KIND_FLOOR, 1 + i, 32 * (10 + i), 32 * (2 + i % 5), 32, 1 + i % 4);
  Put(g, t++, KIND_OBSTACLE, 6, 640, 320, 128, 2);
  Put(g, t++, KIND_OBSTACLE, 7, 384, 384, 64, 3);
  Put(g, t++, KIND_OBSTACLE, 30, 96, 352, 256, 1);
  Put(g, t++, KIND_FLOOR, IMAGE_CHEST, 512, 160, 32, 1);
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

  const int keys[] = {KEY_RIGHT, KEY_RIGHT, KEY_DOWN, KEY_DOWN, KEY_RIGHT, KEY_UP};
  for (int key : keys) {
    SeedRandom(g, 3);  // a calm walk
    p.ScriptKey(key, true);
    RunFrame(g, hooks);
    p.ScriptKey(key, false);
    RunFrame(g, hooks);
  }
  p.ScriptMouse(g.PartyState[PartyX] + 40, g.PartyState[PartyY] + 10);  // an arrow and a lit frame
  RunFrame(g, hooks);
  RunFrame(g, hooks);
  const std::string path =
      ::testing::TempDir() + "field_" + driver + (caching ? "_cached" : "_direct") + ".png";
  if (!p.SaveScreenshot(path)) {
    error = "no screenshot";
    return false;
  }
  std::FILE* f = std::fopen(path.c_str(), "rb");
  std::vector<std::uint8_t> bytes;
  for (int c; f && (c = std::fgetc(f)) != EOF;) bytes.push_back(static_cast<std::uint8_t>(c));
  if (f) std::fclose(f);
  return DecodePng(bytes, out);
}

class FieldPictureTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FieldPictureTest, CachedFieldLooksLikeTheFieldDrawnStraight) {
  Pixels cached, direct;
  std::string error;
  ASSERT_TRUE(WalkAndShoot(GetParam(), true, cached, error)) << error;
  ASSERT_TRUE(WalkAndShoot(GetParam(), false, direct, error)) << error;
  ASSERT_EQ(cached.rgba.size(), direct.rgba.size());
  int worst = 0, differing = 0;
  for (std::size_t i = 0; i < cached.rgba.size(); ++i) {
    const int d = std::abs(static_cast<int>(cached.rgba[i]) - static_cast<int>(direct.rgba[i]));
    worst = std::max(worst, d);
    differing += d > 0;
  }
  // The light laid on the whole base rather than on each piece rounds a
  // blended pixel by a step or two at most.
  EXPECT_LE(worst, 2) << differing << " channels differ";
  EXPECT_LT(differing, 3000);
}

INSTANTIATE_TEST_SUITE_P(Renderers, FieldPictureTest, ::testing::Values("software", "opengl"));

}  // namespace
}  // namespace vv
