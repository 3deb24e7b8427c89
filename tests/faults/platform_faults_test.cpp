// The game on a machine that lacks a part: without a sound device it plays
// silently, without a display it says so and exits, and an OpenGL that will
// not start gives way to SDL's software renderer.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <optional>

#include "playtest_support.h"

namespace vv {
namespace {

// An environment variable set for one test, as it was afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

TEST(PlatformFaults, WithoutASoundDeviceTheGamePlaysSilently) {
  ScopedEnv audio("SDL_AUDIODRIVER", "nonexistent");
  PlaytestSession session{PlaytestOptions{}};
  std::string error;
  ASSERT_TRUE(session.Start(error)) << error;
  EXPECT_EQ(static_cast<SdlPlatform&>(session.platform()).Mixer(), nullptr);
  // The title music, a new game with its clicks, the area's music and a walk.
  test::RunScript(session,
                  "wait 12\nclick 512 200\nwait 25\nclick 650 720\nwait 90\nkey 13\nhold 39\nwait 40\n");
  EXPECT_EQ(session.game().GameScreen, SCREEN_WORLD);
  EXPECT_GT(session.LastSoundPlayed(), 0);  // asked for, heard by no one
}

TEST(PlatformFaults, WithoutADisplayTheGameSaysSoAndExits) {
  const std::string game = VIZID_BINARY_DIR "/vizid";
  if (!std::filesystem::exists(game)) GTEST_SKIP() << "the game is not built";
  for (const char* env : {"SDL_VIDEODRIVER=nonexistent", "SDL_VIDEODRIVER= DISPLAY= WAYLAND_DISPLAY="}) {
    // Bounded only so that a game that somehow found a display cannot hang the suite.
    FILE* pipe = popen((std::string("env ") + env + " timeout 60 '" + game + "' 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[512];
    while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    const int status = pclose(pipe);
    ASSERT_TRUE(WIFEXITED(status)) << env << ": " << out;
    EXPECT_EQ(WEXITSTATUS(status), EXIT_FAILURE) << env;
    EXPECT_NE(out.find("Vizid of Vorgash: Could not start the video system: "), std::string::npos)
        << env << ": " << out;
  }
}

TEST(PlatformFaults, AnOpenGLThatWillNotStartGivesWayToTheSoftwareRenderer) {
  // SDL's dummy video driver has no OpenGL at all.
  ScopedEnv video("SDL_VIDEODRIVER", "dummy");
  PlaytestOptions options;
  options.renderer = "";  // the player's choice: OpenGL on a first run
  std::string error;
  {
    PlaytestSession session{options};
    ASSERT_TRUE(session.Start(error)) << error;
    EXPECT_EQ(static_cast<SdlPlatform&>(session.platform()).RenderDriverName(), "software");
    test::RunScript(session, "wait 12\nclick 512 200\nwait 25\n");
    EXPECT_EQ(session.game().GameScreen, SCREEN_CREATION);
  }
  // A renderer a test asks for by name is never swapped for another.
  options.renderer = "opengl";
  PlaytestSession forced{options};
  EXPECT_FALSE(forced.Start(error));
  EXPECT_EQ(error.rfind("Could not ", 0), 0u) << error;
}

}  // namespace
}  // namespace vv
