// F12 on the real loop: one 1024 by 768 PNG under screenshots/, and the
// game's state just as without the key.

#include "shell/screenshot_key.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "install/png_size.h"
#include "playtest_support.h"
#include "temp_folder.h"

namespace vv {
namespace {

namespace fs = std::filesystem;

std::string RunAndDump(const fs::path& dataDir, const std::string& script) {
  PlaytestOptions options;
  options.dataDir = dataDir;
  PlaytestSession session(options);
  std::string error;
  EXPECT_TRUE(session.Start(error)) << error;
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
  ASSERT_EQ(shots.size(), 2u);
  for (const fs::path& shot : shots) {
    EXPECT_EQ(shot.extension(), ".png");
    EXPECT_EQ(testing_png::PngSize(shot), std::make_pair(1024, 768));
  }
  EXPECT_FALSE(fs::exists(dir / "without" / "screenshots"));
}

TEST(ScreenshotKeyTest, ShotsInTheSameSecondGetTheirOwnNames) {
  const TempFolder folder("vizid-shot-names");
  const fs::path& dir = folder.path();
  fs::create_directories(dir / "screenshots");
  const std::time_t when = 1796601600;
  const fs::path first = ScreenshotPath(dir, when);
  EXPECT_EQ(first.parent_path(), dir / "screenshots");
  std::ofstream(first).put('x');
  const fs::path second = ScreenshotPath(dir, when);
  EXPECT_NE(second, first);
  EXPECT_EQ(second.stem().string(), first.stem().string() + "-2");
}

}  // namespace
}  // namespace vv
