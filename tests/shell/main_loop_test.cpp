// The frame loop: switching, fades with and without MENU FADING, which
// frames are shown, the input lock and the message reset; F12 on the real
// loop (one 1024 by 768 PNG under screenshots/, the game's state just as
// without the key).

#include "shell/main_loop.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "install/png_size.h"
#include "platform/fake_platform.h"
#include "playtest_support.h"
#include "shell/assets.h"
#include "shell/input.h"
#include "shell/text.h"
#include "temp_folder.h"

namespace vv {
namespace {

class LoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    shell.BlackImage = platform.LoadImage("data/gfx/black.png", IMAGE_MASKED);
    hooks.screens[SCREEN_MAIN_MENU] = [this] { ran.push_back(SCREEN_MAIN_MENU); };
    hooks.screens[SCREEN_OPTIONS] = [this] { ran.push_back(SCREEN_OPTIONS); };
  }

  // Runs one frame and tells whether it was presented, and at which
  // overlay alpha (-1 without overlay).
  std::pair<bool, float> Frame() {
    const int before = platform.presentedFrames;
    float alpha = -1;
    hooks.drawOverlay = [&] {
      for (const auto& d : platform.DrawsOf("black.png")) alpha = d.state.alpha;
    };
    RunFrame(shell, hooks);
    return {platform.presentedFrames > before, alpha};
  }

  FakePlatform platform;
  Shell shell{platform};
  LoopHooks hooks;
  std::vector<int> ran;
};

TEST_F(LoopTest, SwitchedFrameIsDroppedAndTheNewScreenShowsNext) {
  hooks.screens[SCREEN_MAIN_MENU] = [this] { SwitchScreen(shell, SCREEN_OPTIONS); };
  EXPECT_FALSE(Frame().first);
  EXPECT_EQ(shell.GameScreen, SCREEN_MAIN_MENU);
  hooks.screens[SCREEN_MAIN_MENU] = nullptr;
  EXPECT_TRUE(Frame().first);
  EXPECT_EQ(shell.GameScreen, SCREEN_OPTIONS);
  EXPECT_EQ(ran.back(), SCREEN_OPTIONS);
}

TEST_F(LoopTest, FadeWithMenuFadingShowsNineStepsOutAndNineIn) {
  StartFade(shell, SCREEN_OPTIONS);
  std::vector<float> alphas;
  int dropped = 0;
  for (int i = 0; i < 21; ++i) {
    const auto [shown, alpha] = Frame();
    if (!shown) {
      ++dropped;
      continue;
    }
    if (alpha >= 0) alphas.push_back(alpha);
  }
  EXPECT_EQ(dropped, 1);
  // A tenth darker each frame out, a tenth lighter each frame in.
  ASSERT_EQ(alphas.size(), 18u);
  for (int i = 0; i < 18; ++i)
    EXPECT_NEAR(alphas[static_cast<std::size_t>(i)], 0.1f * (i < 9 ? i + 1 : 18 - i), 1e-6) << i;
  EXPECT_EQ(shell.GameScreen, SCREEN_OPTIONS);
  EXPECT_EQ(shell.ScreenFade[1], 0);
}

TEST_F(LoopTest, FadeWithoutMenuFadingCompletesInOneDroppedFrame) {
  shell.OptionFlags[OPTION_MENU_FADING] = 0;
  // Frame F requests the fade.
  hooks.screens[SCREEN_MAIN_MENU] = [this] { StartFade(shell, SCREEN_OPTIONS); };
  EXPECT_EQ(Frame(), std::make_pair(true, -1.0f));
  hooks.screens[SCREEN_MAIN_MENU] = nullptr;
  // F + 1: the fade completes, input is locked, the frame is dropped.
  platform.ScriptKey(KEY_ENTER, false);
  EXPECT_FALSE(Frame().first);
  // F + 2: the new screen runs with input free and no overlay.
  platform.ScriptKey(KEY_ENTER, true);
  bool enterSeen = false;
  hooks.screens[SCREEN_OPTIONS] = [&] { enterSeen = KeyHit(shell, KEY_ENTER); };
  EXPECT_EQ(Frame(), std::make_pair(true, -1.0f));
  EXPECT_EQ(shell.GameScreen, SCREEN_OPTIONS);
  EXPECT_TRUE(enterSeen);
}

TEST_F(LoopTest, InputIsLockedThroughoutAFade) {
  platform.ScriptKey(KEY_SPACE, false);
  Frame();
  StartFade(shell, SCREEN_OPTIONS);
  int hitsSeen = 0;
  auto probe = [&] {
    hitsSeen += KeyHit(shell, KEY_SPACE) || KeyHeldDown(shell, KEY_SPACE) || MouseHit(shell, MOUSE_LEFT);
  };
  hooks.screens[SCREEN_MAIN_MENU] = probe;
  hooks.screens[SCREEN_OPTIONS] = probe;
  for (int i = 0; i < 20; ++i) {
    platform.ScriptKey(KEY_SPACE, i % 2 == 0);
    platform.ScriptButton(MOUSE_LEFT, i % 2 == 0);
    Frame();
  }
  EXPECT_EQ(hitsSeen, 0);
  EXPECT_EQ(shell.ScreenFade[1], 0);
  // Once the fade is over a press counts again.
  platform.ScriptButton(MOUSE_LEFT, false);
  Frame();
  platform.ScriptButton(MOUSE_LEFT, true);
  Frame();
  EXPECT_EQ(hitsSeen, 1);
}

TEST_F(LoopTest, EverySwitchClearsTheMessage) {
  ShowMessage(shell, "INVALID FILE", 255, 0, 0);
  SwitchScreen(shell, SCREEN_OPTIONS);
  Frame();
  EXPECT_EQ(shell.MessageTimer, 0);
}

TEST_F(LoopTest, CloseEndsTheLoopAndGivesThePointerBack) {
  platform.closeRequested = true;
  EXPECT_FALSE(RunFrame(shell, hooks));
  EXPECT_TRUE(platform.systemPointerShown);
}

TEST_F(LoopTest, SoundIsPlayedOnlyWhenSoundPlaybackIsOn) {
  std::vector<int> played;
  hooks.playSound = [&](int code) { played.push_back(code); };
  hooks.screens[SCREEN_MAIN_MENU] = [this] {
    shell.SoundEvent = 4000;
    shell.SoundEvent = 4001;  // only the last request of a frame plays
  };
  Frame();
  shell.OptionFlags[OPTION_SOUND] = 0;
  Frame();
  EXPECT_EQ(played, std::vector<int>{4001});
}

namespace fs = std::filesystem;

std::string RunAndDump(const fs::path& dataDir, const std::string& script) {
  PlaytestOptions options;
  options.dataDir = dataDir;
  PlaytestSession session(options);
  EXPECT_TRUE(test::Started(session));
  test::RunScript(session, script);
  return session.StateJson();
}

TEST(ScreenshotKeyTest, F12SavesTheFrameAndChangesNothingElse) {
  const TempFolder folder("vizid-f12");
  const fs::path& dir = folder.path();
  // One shot on the creation screen, one on exploration, which flushes its
  // key hits while it runs.
  const std::string start = "seed 7\nwait 12\nclick 512 200\n";
  const std::string withKey =
      RunAndDump(dir / "with", start + "key 123\nwait 3\nclick 650 720\nwait 90\nkey 123\nwait 3\n");
  const std::string without = RunAndDump(dir / "without", start + "wait 5\nclick 650 720\nwait 95\n");
  EXPECT_EQ(withKey, without);

  std::vector<fs::path> shots;
  for (const auto& entry : fs::directory_iterator(dir / "with" / "screenshots"))
    shots.push_back(entry.path());
  ASSERT_EQ(shots.size(), 2u);  // the second one named apart when both fall in one second
  for (const fs::path& shot : shots) {
    EXPECT_EQ(shot.extension(), ".png");
    EXPECT_EQ(testing_png::PngSize(shot), std::make_pair(1024, 768));
  }
  EXPECT_FALSE(fs::exists(dir / "without" / "screenshots"));
}

}  // namespace
}  // namespace vv
