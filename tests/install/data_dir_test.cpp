// Where the player's files go: beside the program when a writable data folder
// stands there, else in the XDG data folder.

#include "game/data_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "temp_folder.h"

namespace vv {
namespace {

namespace fs = std::filesystem;

class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value) {
      setenv(name, value, 1);
    } else {
      unsetenv(name);
    }
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(DataDirTest, BesideTheProgramOnlyWhenTheFolderIsThere) {
  const TempFolder folder("vizid-data-dir");
  const fs::path& dir = folder.path();
  fs::create_directories(dir / "games");
  const fs::path exe = dir / "games" / "vizid";
  ScopedEnv xdg("XDG_DATA_HOME", (dir / "xdg").c_str());

  // An installed program has no data folder beside it; none is made there.
  EXPECT_EQ(DataDirForProgram(exe), dir / "xdg" / "vizid-of-vorgash" / "data");
  EXPECT_FALSE(fs::exists(dir / "games" / "data"));

  fs::create_directories(dir / "games" / "data");
  EXPECT_EQ(DataDirForProgram(exe), dir / "games" / "data");
}

TEST(DataDirTest, RelativeXdgFolderFallsBackToHome) {
  ScopedEnv xdg("XDG_DATA_HOME", "relative/share");
  ScopedEnv home("HOME", "/home/hero");
  EXPECT_EQ(DataDirForProgram("/nonexistent/games/vizid"),
            fs::path("/home/hero/.local/share/vizid-of-vorgash/data"));
}

}  // namespace
}  // namespace vv
