// The player's files: where they go (beside the program when a writable data
// folder stands there, else in the XDG data folder), the window's settings
// file, which comes back after a restart and gives the defaults when damaged;
// and the game installed into a temporary DESTDIR as the package does, then
// started from its read-only folder, headless, with the player's files in the
// XDG data folder and nowhere else.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "game/data_dir.h"
#include "game/window_settings.h"
#include "install/png_size.h"
#include "platform/headless_sdl.h"
#include "temp_folder.h"

extern char** environ;

namespace vv {
namespace {

namespace fs = std::filesystem;
using testing_png::PngSize;

std::string Capture(const std::string& command, int& status) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) {
    status = -1;
    return out;
  }
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
  status = pclose(pipe);
  return out;
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class InstallTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = dir / "root";
    usr = root / "usr";
  }
  void TearDown() override {
    std::error_code ec;
    // The installed files are read-only; the folder goes with the test.
    for (const auto& entry : fs::recursive_directory_iterator(dir, ec)) {
      fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
    }
  }

  void Install() {
    int status = 0;
    const std::string log = Capture("DESTDIR='" + root.string() + "' '" VIZID_CMAKE_COMMAND "' --install '" +
                                        VIZID_BINARY_DIR + "' --component game --prefix /usr 2>&1",
                                    status);
    ASSERT_EQ(status, 0) << log;
  }

  // Starts the installed game with only the XDG folders of our own, waits
  // until it has made the folder for saved games (start-up then waits in its
  // menu), and ends it. Returns false if it exited by itself.
  bool StartAndStop(const fs::path& exe, const fs::path& xdg, const fs::path& home, const fs::path& expect) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
      const std::string var = *e;
      if (var.rfind("XDG_DATA_HOME=", 0) != 0 && var.rfind("HOME=", 0) != 0 && var.rfind("SDL_", 0) != 0) {
        env.push_back(var);
      }
    }
    env.push_back("XDG_DATA_HOME=" + xdg.string());
    env.push_back("HOME=" + home.string());
    env.push_back("SDL_VIDEODRIVER=offscreen");
    env.push_back("SDL_AUDIODRIVER=dummy");
    std::vector<char*> envp;
    for (std::string& var : env) envp.push_back(var.data());
    envp.push_back(nullptr);
    std::string program = exe.string();
    char* argv[] = {program.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, envp.data()) != 0) return false;
    // Bounded only so that a broken build cannot hang the suite.
    bool running = true;
    for (int i = 0; i < 3000 && running && !fs::exists(expect); ++i) {
      int status = 0;
      running = waitpid(pid, &status, WNOHANG) == 0;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (!running) return false;
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    return true;
  }

  const TempFolder folder{"vizid-install"};
  const fs::path& dir = folder.path();
  fs::path root, usr;
};

TEST_F(InstallTest, InstalledGameKeepsPlayerFilesInTheXdgFolder) {
  // Installing needs the whole project built, as `make test` builds it; a
  // build of the tests alone (make coverage) has no game and icons to install.
  const fs::path built = VIZID_BINARY_DIR;
  if (!fs::exists(built / "vizid") || !fs::exists(built / "dist" / "icons")) {
    GTEST_SKIP() << "the game and its icons are not built in " << built;
  }
  ASSERT_NO_FATAL_FAILURE(Install());
  const std::string id = VIZID_APP_ID;
  const fs::path exe = usr / VIZID_GAMESDIR / "vizid";
  ASSERT_TRUE(fs::is_regular_file(exe));

  const std::string desktop = ReadText(usr / "share/applications" / (id + ".desktop"));
  EXPECT_NE(desktop.find("\nExec=vizid\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("\nIcon=" + id + "\n"), std::string::npos) << desktop;
  for (int size : {16, 256}) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_EQ(PngSize(usr / "share/icons/hicolor" / folder / "apps" / (id + ".png")),
              std::make_pair(size, size))
        << folder;
  }

  // The install folder is read-only from here on, as under /usr.
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }

  const fs::path xdg = dir / "xdg", home = dir / "home";
  fs::create_directories(xdg);
  fs::create_directories(home);
  const fs::path data = xdg / "vizid-of-vorgash" / "data";
  ASSERT_TRUE(StartAndStop(exe, xdg, home, data / "saves"));
  EXPECT_TRUE(fs::is_directory(data / "saves"));
  EXPECT_FALSE(fs::exists(exe.parent_path() / "data"));
  EXPECT_TRUE(fs::is_empty(home));
}

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
