// The window's settings file: what the game wrote comes back after a
// restart, and a damaged file gives the defaults.

#include "game/window_settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/headless_sdl.h"
#include "temp_folder.h"

namespace vv {
namespace {

namespace fs = std::filesystem;

TEST(WindowSettingsTest, SurvivesARestartAndDamageGivesDefaults) {
  const TempFolder folder("vizid-window");
  const fs::path& dir = folder.path();
  EXPECT_EQ(LoadWindowSettings(dir), WindowPlacement{});  // no file yet

  const WindowPlacement windowed{
      .fullscreen = false, .placed = true, .x = -200, .y = 40, .width = 1280, .height = 960};
  ASSERT_TRUE(SaveWindowSettings(dir, windowed));
  EXPECT_EQ(LoadWindowSettings(dir), windowed);
  const WindowPlacement centred{
      .fullscreen = false, .placed = false, .x = 0, .y = 0, .width = 1024, .height = 768};
  ASSERT_TRUE(SaveWindowSettings(dir, centred));
  EXPECT_EQ(LoadWindowSettings(dir), centred);

  for (const char* damaged :
       {"", "fullscreen 2\nsize 1024 768\n", "fullscreen 0\nsize 1024\n", "fullscreen 0\nsize 99999 768\n",
        "fullscreen 0\nfullscreen 1\nsize 1024 768\n", "fullscreen 0\nsize 1024 768 5\n",
        "fullscreen 0\nposition x 3\nsize 1024 768\n", "\x89PNG\r\n\x1a\n"}) {
    std::ofstream(dir / WINDOW_SETTINGS_FILE, std::ios::binary | std::ios::trunc) << damaged;
    EXPECT_EQ(LoadWindowSettings(dir), WindowPlacement{}) << damaged;
  }
}

// The remembered window opens at its size and reports itself back as it is.
TEST(WindowSettingsTest, GameDisplayOpensAsRemembered) {
  SdlPlatform p(HeadlessSdlOptions("software"));
  std::string error;
  ASSERT_TRUE(p.Init(error)) << error;
  p.SetWindowPlacement({.fullscreen = false, .placed = false, .x = 0, .y = 0, .width = 1280, .height = 960});
  ASSERT_TRUE(p.OpenGameDisplay(RendererChoice::Second, "test", error)) << error;
  const WindowPlacement now = p.CurrentWindowPlacement();
  EXPECT_FALSE(now.fullscreen);
  EXPECT_TRUE(now.placed);
  EXPECT_EQ(now.width, 1280);
  EXPECT_EQ(now.height, 960);
}

}  // namespace
}  // namespace vv
