// Every file the game writes, on a disk that fails at every step of the
// write and on a disk that is full: the old files stay whole, nothing
// half-written is left behind, no success is reported, and on the real loop
// the player is told and plays on.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <functional>
#include <map>
#include <set>

#include "game/window_settings.h"
#include "persistence/save_test_support.h"
#include "playtest_support.h"
#include "shell/file_io.h"
#include "shell/options.h"
#include "shell/startup_menu.h"

namespace vv {
namespace {

namespace fs = std::filesystem;
using Files = std::map<fs::path, std::vector<std::uint8_t>>;

// Every file under the folder with its bytes (a link as its target's name).
Files Snapshot(const fs::path& dir) {
  Files files;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.is_symlink()) {
      const std::string target = fs::read_symlink(entry.path()).string();
      files[entry.path()].assign(target.begin(), target.end());
    } else if (entry.is_regular_file()) {
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

TEST_F(FileWriteFaults, AFullDiskLosesNothing) {
  // /dev/full answers every write with "no space left on device": a
  // temporary file linked to it is a full disk for just that file.
  for (const Writer& writer : WRITERS) {
    std::set<fs::path> written;
    {
      ScopedWriteFault record([&](WriteStep, const fs::path& path, std::size_t&) {
        written.insert(path);
        return 0;
      });
      ASSERT_TRUE(writer.write(g(), 0));
    }
    const Files old = Snapshot(dir);
    for (const fs::path& path : written) {
      SCOPED_TRACE(testing::Message() << writer.what << ": " << path);
      fs::path temp = path;
      temp += ".tmp";
      ASSERT_EQ(symlink("/dev/full", temp.c_str()), 0);
      EXPECT_FALSE(writer.write(g(), 1));
      EXPECT_EQ(Snapshot(dir), old);
    }
  }
  // A screenshot is a new file: a full disk leaves none, half or whole.
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
