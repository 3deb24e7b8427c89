// Installs the game into a temporary DESTDIR as the package does, then starts
// the installed program from its read-only folder, headless, and checks that
// the player's files went to the XDG data folder and nowhere else.

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

#include "install/png_size.h"
#include "temp_folder.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using vv::testing_png::PngSize;

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

  const vv::TempFolder folder{"vizid-install"};
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

  // Only the game itself is installed: no tests, tools or benchmarks.
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (!entry.is_regular_file()) continue;
    const bool executable = (entry.status().permissions() & fs::perms::owner_exec) != fs::perms::none;
    if (executable) {
      EXPECT_EQ(entry.path(), exe);
    }
  }

  const std::string desktop = ReadText(usr / "share/applications" / (id + ".desktop"));
  EXPECT_NE(desktop.find("\nExec=vizid\n"), std::string::npos) << desktop;
  EXPECT_NE(desktop.find("\nIcon=" + id + "\n"), std::string::npos) << desktop;
  EXPECT_TRUE(fs::is_regular_file(usr / "share/metainfo" / (id + ".metainfo.xml")));
  EXPECT_TRUE(fs::is_regular_file(usr / "share/man/man6/vizid.6.gz"));
  EXPECT_TRUE(fs::is_regular_file(usr / "share/doc/vizid-of-vorgash/copyright"));
  if (fs::exists(fs::path(VIZID_BINARY_DIR) / "dist/icons")) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
      const std::string folder = std::to_string(size) + "x" + std::to_string(size);
      EXPECT_EQ(PngSize(usr / "share/icons/hicolor" / folder / "apps" / (id + ".png")),
                std::make_pair(size, size))
          << folder;
    }
    EXPECT_NE(ReadText(usr / "share/icons/hicolor/scalable/apps" / (id + ".svg")).find("<svg"),
              std::string::npos);
  }

  // The install folder is read-only from here on, as under /usr.
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    fs::permissions(entry.path(), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
  }

  int status = 0;
  const std::string version = Capture("'" + exe.string() + "' --version", status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(version.rfind("Vizid of Vorgash ", 0), 0u) << version;

  const fs::path xdg = dir / "xdg", home = dir / "home";
  fs::create_directories(xdg);
  fs::create_directories(home);
  const fs::path data = xdg / "vizid-of-vorgash" / "data";
  ASSERT_TRUE(StartAndStop(exe, xdg, home, data / "saves"));
  EXPECT_TRUE(fs::is_directory(data / "saves"));
  EXPECT_FALSE(fs::exists(exe.parent_path() / "data"));
  EXPECT_TRUE(fs::is_empty(home));
}

}  // namespace
