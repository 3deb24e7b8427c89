// The game on a machine that fails it: every file the game writes, on a disk
// that fails at every step of the write (the old files stay whole, nothing
// half-written is left behind, no success is reported, and on the real loop
// the player is told and plays on), and a screenshot on a full disk; the
// window closed on every screen (the game leaves in the frame the close
// arrives, keeps the options the player switched, and leaves the saved games
// as they were); no sound device (it plays silently), no display (it says so
// and exits), and an OpenGL that will not start (SDL's software renderer
// takes over).

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "ending/ending_module.h"
#include "game/game_setup.h"
#include "game/window_settings.h"
#include "persistence/save_test_support.h"
#include "platform/headless_sdl.h"
#include "playtest_support.h"
#include "shell/file_io.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/startup_menu.h"
#include "temp_folder.h"
#include "world/exploration.h"

namespace vv {
namespace {

namespace fs = std::filesystem;

void CloseTheWindow() {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  SDL_PushEvent(&quit);
}

struct Screen {
  int number;
  std::function<void(PlaytestSession&)> reach;
};

// The script of the title's CONTINUE GAME, after a game in the middle of
// its adventure (two heroes, a Sorcerer second) is made.
void Continue(PlaytestSession& s) {
  test::MakeMidAdventure(s.game());
  test::RunScript(s, "click 512 290\nwait 25\n");
}

void Play(PlaytestSession& s, const char* script) {
  test::RunScript(s, script);
}

const Screen SCREENS[] = {
    {SCREEN_MAIN_MENU, [](PlaytestSession&) {}},
    {SCREEN_CREATION, [](PlaytestSession& s) { Play(s, "click 512 200\nwait 25\n"); }},
    {SCREEN_SAVE_LOAD, [](PlaytestSession& s) { Play(s, "click 512 470\nwait 25\n"); }},
    {SCREEN_OPTIONS, [](PlaytestSession& s) { Play(s, "click 512 560\nwait 25\nclick 400 300\n"); }},
    {SCREEN_WORLD, Continue},
    {SCREEN_INVENTORY, [](PlaytestSession& s) { Continue(s), Play(s, "click 80 690\nwait 25\n"); }},
    {SCREEN_CHARACTER, [](PlaytestSession& s) { Continue(s), Play(s, "click 80 690 right\nwait 25\n"); }},
    {SCREEN_SPELLS, [](PlaytestSession& s) { Continue(s), Play(s, "click 290 690 middle\nwait 25\n"); }},
    {SCREEN_COMBAT,
     [](PlaytestSession& s) {
       Continue(s);
       StartAttackBanner(s.game());
       Play(s, "wait 125\n");
     }},
    {SCREEN_LOOT,
     [](PlaytestSession& s) {
       Continue(s);
       s.game().LootCount = 1;
       s.game().LootList[1][1] = CATEGORY_POTION, s.game().LootList[1][2] = 1;
       Play(s, "click 80 690\nwait 25\nkey 27\nwait 25\n");
     }},
    {SCREEN_ENDING,
     [](PlaytestSession& s) {
       Continue(s);
       StartEnding(s.game());
       Play(s, "wait 40\n");
     }},
};

TEST(WindowClose, OnEveryScreenTheGameLeavesAtOnceAndLosesNothing) {
  const TempFolder folder{"vizid-close"};
  PlaytestOptions options;
  options.dataDir = folder / "data";
  // A saved game that must come through every close untouched.
  std::vector<std::uint8_t> saved;
  {
    PlaytestSession first{options};
    ASSERT_TRUE(test::Started(first));
    test::MakeMidAdventure(first.game());
    first.game().SlotName[1] = "KEEP";
    ASSERT_TRUE(SaveGame(first.game(), 1));
    ASSERT_TRUE(ReadWholeFile(GameDataPath(options.dataDir, 1), saved));
  }
  for (const Screen& screen : SCREENS) {
    SCOPED_TRACE(testing::Message() << "screen " << screen.number);
    PlaytestSession session{options};
    ASSERT_TRUE(test::Started(session));
    Play(session, "wait 12\n");
    screen.reach(session);
    ASSERT_EQ(session.game().GameScreen, screen.number);
    CloseTheWindow();
    EXPECT_FALSE(session.Frames(1));
    std::vector<std::uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(GameDataPath(options.dataDir, 1), after));
    EXPECT_EQ(after, saved);
    if (screen.number != SCREEN_OPTIONS) continue;
    // The music the player switched off stays off in the next run.
    ResetOptions(session.game());
    ReadOptionsFile(session.game());
    EXPECT_EQ(session.game().OptionFlags[OPTION_MUSIC], 0);
  }
}

TEST(WindowClose, DuringStartUpTheGameEndsAtOnce) {
  // Closed in the start-up menu, and while the maker line fades in.
  for (bool inMenu : {true, false}) {
    SCOPED_TRACE(inMenu ? "menu" : "maker line");
    const TempFolder folder{"vizid-close"};
    SdlPlatform platform{HeadlessSdlOptions("software")};
    std::string error;
    ASSERT_TRUE(platform.Init(error)) << error;
    // Scripted, the menu runs the preselected renderer at once.
    platform.SetScriptedInput(!inMenu);
    Game game(platform);
    game.DataDir = folder / "data";
    StartupHooks hooks = MakeStartupHooks(game);
    int shown = 0;
    hooks.afterPresent = [&](std::string_view stage, int frame) {
      ++shown;
      if (stage == "maker-in" && frame == 5) CloseTheWindow();
    };
    if (inMenu) CloseTheWindow();
    EXPECT_EQ(RunStartup(game, hooks, error), StartupOutcome::Quit);
    EXPECT_EQ(shown, inMenu ? 0 : 50 + 6);
    // The renderer is remembered once the display has shown its first frames.
    EXPECT_EQ(fs::exists(game.DataDir / DRIVER_FILE), !inMenu);
  }
}

TEST(PlatformFaults, WithoutASoundDeviceTheGamePlaysSilently) {
  ScopedEnv audio("SDL_AUDIODRIVER", "nonexistent");
  PlaytestSession session{PlaytestOptions{}};
  ASSERT_TRUE(test::Started(session));
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

using Files = std::map<fs::path, std::vector<std::uint8_t>>;

// Every file under the folder with its bytes.
Files Snapshot(const fs::path& dir) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_regular_file()) {
      EXPECT_TRUE(ReadWholeFile(entry.path(), files[entry.path()])) << entry.path();
    }
  }
  return files;
}

// Each of the game's writers, writing its files in one of two versions.
struct Writer {
  const char* what;
  std::function<bool(Game&, int version)> write;
};

const Writer WRITERS[] = {
    {"options",
     [](Game& g, int v) {
       g.OptionFlags[OPTION_MUSIC] = v;
       return WriteOptionsFile(g);
     }},
    {"driver file", [](Game& g, int v) { return WriteDriverFile(g, 1 + v); }},
    {"window settings",
     [](Game& g, int v) {
       WindowPlacement placement;
       placement.fullscreen = v == 0;
       return SaveWindowSettings(g.DataDir, placement);
     }},
    {"saved game",
     [](Game& g, int v) {
       g.SlotName[3] = v == 0 ? "OLD" : "NEW";
       g.PartyState[PartyX] = 32 + 64 * v;
       return SaveGame(g, 3);
     }},
    {"quicksave",
     [](Game& g, int v) {
       g.PartyState[PartyX] = 32 + 64 * v;
       return SaveGame(g, QUICK_SLOT);
     }},
};

constexpr WriteStep STEPS[] = {WriteStep::Open,  WriteStep::Write,  WriteStep::Sync,
                               WriteStep::Close, WriteStep::Rename, WriteStep::SyncFolder};

class FileWriteFaults : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::Started(session));
    test::MakeMidAdventure(g());
    dir = g().DataDir;
  }
  Game& g() { return session.game(); }

  PlaytestSession session{PlaytestOptions{}};
  fs::path dir;
};

TEST_F(FileWriteFaults, AWriteThatFailsAtAnyStepLeavesTheOldFilesWhole) {
  for (const Writer& writer : WRITERS) {
    // How often each step comes in one whole write of this writer's files.
    std::map<WriteStep, int> calls;
    {
      ScopedWriteFault count([&](WriteStep step, const fs::path&, std::size_t&) { return ++calls[step], 0; });
      ASSERT_TRUE(writer.write(g(), 0)) << writer.what;
    }
    const Files old = Snapshot(dir);
    for (WriteStep failing : STEPS) {
      for (int at = 1; at <= calls[failing]; ++at) {
        // A write cut short first, as a disk filling up does, then refused.
        for (bool cutShort : {false, true}) {
          if (cutShort && failing != WriteStep::Write) continue;
          SCOPED_TRACE(testing::Message() << writer.what << ", step " << static_cast<int>(failing) << " call "
                                          << at << (cutShort ? " after a short write" : ""));
          int seen = 0;
          bool refuseNext = false;
          bool saved = false;
          {
            ScopedWriteFault fault([&](WriteStep step, const fs::path&, std::size_t& count) {
              if (step != failing) return 0;
              if (refuseNext || (++seen == at && !cutShort)) return refuseNext = false, ENOSPC;
              if (seen == at) count /= 2, refuseNext = true;
              return 0;
            });
            saved = writer.write(g(), 1);
          }
          if (failing != WriteStep::SyncFolder) {
            EXPECT_FALSE(saved);
            EXPECT_EQ(Snapshot(dir), old);
            continue;
          }
          // Past the rename the new files are whole in place.
          EXPECT_TRUE(saved);
          const Files written = Snapshot(dir);
          ASSERT_TRUE(writer.write(g(), 1));
          EXPECT_EQ(Snapshot(dir), written);
          ASSERT_TRUE(writer.write(g(), 0));
        }
      }
    }
  }
}

TEST_F(FileWriteFaults, AScreenshotOnAFullDiskLeavesNoFile) {
  // /dev/full answers every write with "no space left on device": a
  // file linked to it is a full disk for just that file.
  const fs::path shot = dir / "shot.png";
  ASSERT_EQ(symlink("/dev/full", shot.c_str()), 0);
  EXPECT_FALSE(session.platform().SaveScreenshot(shot.string()));
  EXPECT_FALSE(fs::exists(fs::symlink_status(shot)));
  EXPECT_FALSE(session.platform().SaveScreenshot((dir / "no folder" / "shot.png").string()));
}

TEST_F(FileWriteFaults, OnTheLoopAFailedSaveIsReportedAndPlayGoesOn) {
  // A seed under which the short walk below meets no monster.
  test::RunScript(session, "seed 1\nwait 12\nclick 512 290\nwait 25\n");  // CONTINUE GAME
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  {
    ScopedWriteFault full(
        [](WriteStep step, const fs::path&, std::size_t&) { return step == WriteStep::Write ? ENOSPC : 0; });
    test::RunScript(session, "key 116\nkey 89\n");  // F5, Y
    EXPECT_EQ(g().MessageText, "SAVE FAILED");
    EXPECT_EQ(session.LastSoundPlayed(), SOUND_ALARM);
    EXPECT_FALSE(fs::exists(GameDataPath(dir, QUICK_SLOT)));
    EXPECT_FALSE(fs::exists(SlotInfoPath(dir, QUICK_SLOT)));
    // The walk goes on.
    const int x = g().PartyState[PartyX];
    test::RunScript(session, "hold 39\nwait 10\nrelease 39\nwait 2\n");
    EXPECT_NE(g().PartyState[PartyX], x);
    EXPECT_EQ(g().GameScreen, SCREEN_WORLD);

    // The options screen is left for the title all the same.
    test::RunScript(session,
                    "click 944 690\nwait 25\nclick 512 560\nwait 25\nclick 400 300\nkey 27\nwait 25\n");
    EXPECT_EQ(g().GameScreen, SCREEN_MAIN_MENU);
    EXPECT_FALSE(fs::exists(dir / OPTIONS_FILE));
  }
  test::RunScript(session, "click 512 290\nwait 25\nkey 116\nkey 89\n");
  EXPECT_EQ(g().MessageText, "GAME SAVED");
  EXPECT_TRUE(fs::exists(GameDataPath(dir, QUICK_SLOT)));
}

}  // namespace
}  // namespace vv
