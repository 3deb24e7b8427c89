// Frame pacing: whether the display's presents really wait is measured on
// a clock the test moves, and every frame waits exactly once; and the order
// of the start-up sequence.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_setup.h"
#include "platform/frame_pacer.h"
#include "platform/headless_sdl.h"
#include "shell/startup.h"
#include "temp_folder.h"

namespace vv {
namespace {

constexpr double TICK = 1e6 / 60;

// Time passes only when someone sleeps or a "present" takes its time.
class FakeClock final : public FrameClock {
 public:
  std::uint64_t Micros() override { return now; }
  void Sleep(std::uint64_t micros) override {
    now += micros;
    slept += micros;
  }
  std::uint64_t now = 1000000;
  std::uint64_t slept = 0;
};

class PacerTest : public ::testing::Test {
 protected:
  // One frame of the loop: drawing takes `drawMicros`, the present itself
  // `presentMicros` (a display that waits for the vertical blank returns at
  // the next one).
  void Frame(std::uint64_t drawMicros, std::uint64_t presentMicros) {
    clock.now += drawMicros;
    pacer.BeforePresent();
    clock.now += presentMicros;
    pacer.AfterPresent();
  }
  void VsyncFrame(std::uint64_t drawMicros) {
    const std::uint64_t blank = 16667;
    Frame(drawMicros, blank - (clock.now + drawMicros) % blank);
  }

  FakeClock clock;
  FramePacer pacer{clock};
};

TEST_F(PacerTest, ADisplayThatWaitsIsTrustedUntilTheWindowChangesOrItStopsWaiting) {
  pacer.Restart(true);
  EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Measuring);
  for (int i = 0; i < 120; ++i) VsyncFrame(3000);
  EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Display);
  EXPECT_TRUE(pacer.DisplayWaits());
  EXPECT_EQ(clock.slept, 0u);
  // Frames that take long to draw later on leave it trusted.
  for (int i = 0; i < 30; ++i) VsyncFrame(25000);
  EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Display);
  // The window moves to where presents no longer wait.
  pacer.Restart(true);
  for (int i = 0; i < 20; ++i) Frame(2000, 300);
  EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Timer);
  // Back to a waiting display, then it stops waiting without a window event.
  pacer.Restart(true);
  for (int i = 0; i < 20; ++i) VsyncFrame(3000);
  ASSERT_EQ(pacer.Mode(), FramePacer::Pacing::Display);
  for (int i = 0; i < FramePacer::MEASURED_INTERVALS; ++i) Frame(2000, 300);
  EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Timer);
}

TEST_F(PacerTest, ADisplayThatDoesNotWaitOrRunsBelowFiftyFiveHertzIsPacedByTheTimer) {
  // Presents that return at once, and a 50 Hz display that reports 60.
  for (std::uint64_t present : {500u, 19000u}) {
    SCOPED_TRACE(present);
    pacer.Restart(true);
    int measured = 0;
    for (; pacer.Mode() == FramePacer::Pacing::Measuring; ++measured) Frame(2000, present);
    EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Timer);
    EXPECT_FALSE(pacer.DisplayWaits());
    EXPECT_EQ(measured, FramePacer::MEASURED_INTERVALS + 1);
  }
  // From then on 60 frames take one second, whatever the frames cost.
  const std::uint64_t start = clock.now;
  for (int i = 0; i < 60; ++i) Frame(2000, 500);
  EXPECT_NEAR(static_cast<double>(clock.now - start), 1e6, 2500);
}

TEST_F(PacerTest, WithoutVsyncAFrameThatWaitedOnTheTimerDoesNotWaitAgainToPresent) {
  pacer.Restart(false);
  EXPECT_EQ(pacer.Mode(), FramePacer::Pacing::Timer);
  const std::uint64_t start = clock.now;
  for (int i = 0; i < 50; ++i) {
    pacer.WaitFrameTimer();
    Frame(1000, 200);
  }
  // Fifty ticks and the last frame's own 1.2 ms, not a hundred ticks.
  EXPECT_NEAR(static_cast<double>(clock.now - start), 50 * TICK + 1200, 2);
}

TEST_F(PacerTest, AFrameFarBehindStartsTheTimerAfresh) {
  pacer.Restart(false);
  Frame(0, 0);
  clock.now += 2000000;  // a long load
  const std::uint64_t start = clock.now;
  for (int i = 0; i < 10; ++i) Frame(0, 0);
  EXPECT_NEAR(static_cast<double>(clock.now - start), 10 * TICK, 2);
}

// The real start-up on the real platform: 50 empty frames, 40 frames of the
// maker line in and 40 out, each one frame timer tick long, the pictures and
// the map loaded only after the last fade-in frame was shown.
TEST(StartupPacingTest, EveryStartUpFrameWaitsOneTick) {
  FakeClock clock;
  SdlOptions options = HeadlessSdlOptions("software");
  options.paced = true;
  options.keepLastFrame = false;
  options.clock = &clock;
  SdlPlatform platform(options);
  platform.SetScriptedInput(true);
  std::string error;
  ASSERT_TRUE(platform.Init(error)) << error;
  auto game = std::make_unique<Game>(platform);
  const TempFolder folder("vizid-pacing");
  ASSERT_FALSE(folder.path().empty());
  game->DataDir = folder / "data";
  StartupHooks hooks = MakeStartupHooks(*game);
  std::uint64_t startTime = 0;
  int frames = 0;
  // The last fade-in frame is on the screen before the loading starts.
  std::vector<std::string> order;
  hooks.afterPresent = [&](std::string_view stage, int frame) {
    if (stage == "blank" && frame == 0) startTime = clock.now;
    if (stage == "maker-in" && frame == 39) {
      order.push_back("last fade-in frame shown");
      EXPECT_EQ(game->BlackImage, 0) << "the pictures were loaded before the frame was shown";
    }
    ++frames;
  };
  const auto loadWorld = hooks.loadWorld;
  hooks.loadWorld = [&] {
    order.push_back("map loaded");
    return loadWorld();
  };
  ASSERT_EQ(RunStartup(*game, hooks, error), StartupOutcome::Run) << error;
  EXPECT_EQ(frames, 130);
  EXPECT_EQ(order, (std::vector<std::string>{"last fade-in frame shown", "map loaded"}));
  // From the first empty frame on the screen to the last maker-line frame:
  // 129 ticks (the load in between takes no time on this clock).
  EXPECT_NEAR(static_cast<double>(clock.now - startTime), 129 * TICK, 2);
}

}  // namespace
}  // namespace vv
