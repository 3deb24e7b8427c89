// The start-up sequence's order on the recording platform.

#include "shell/startup.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/game_setup.h"
#include "platform/fake_platform.h"
#include "temp_folder.h"

namespace vv {
namespace {

TEST(StartupTest, TheLastFadeInFrameIsOnTheScreenBeforeTheLoadingStarts) {
  FakePlatform platform;
  platform.SetScriptedInput(true);
  auto game = std::make_unique<Game>(platform);
  const TempFolder folder("vizid-startup");
  ASSERT_FALSE(folder.path().empty());
  game->DataDir = folder / "data";
  StartupHooks hooks = MakeStartupHooks(*game);
  std::vector<std::string> order;
  hooks.afterPresent = [&](std::string_view stage, int frame) {
    if (stage == "maker-in" && frame == 39) {
      order.push_back("last fade-in frame shown");
      EXPECT_EQ(game->BlackImage, 0) << "the pictures were loaded before the frame was shown";
    }
  };
  const auto loadWorld = hooks.loadWorld;
  hooks.loadWorld = [&] {
    order.push_back("map loaded");
    return loadWorld();
  };
  std::string error;
  ASSERT_EQ(RunStartup(*game, hooks, error), StartupOutcome::Run) << error;
  EXPECT_EQ(order, (std::vector<std::string>{"last fade-in frame shown", "map loaded"}));
  EXPECT_NE(game->BlackImage, 0);
}

}  // namespace
}  // namespace vv
