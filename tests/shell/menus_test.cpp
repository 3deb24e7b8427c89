// The title menu, the options screen and the start-up driver menu, one
// frame at a time on the recording platform; and the files behind them: the
// driver file and the options file, what a damaged, short or missing file
// gives (random bytes are the fuzzers' work), and writing through a
// temporary file.

#include "shell/menus.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/file_io.h"
#include "shell/input.h"
#include "shell/options.h"
#include "shell/startup_menu.h"
#include "temp_folder.h"
#include "test_game.h"

namespace vv {
namespace {

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    LoadFonts(shell);
    LoadGameImages(shell);
    UpdateInput(shell);  // buttons count once they have been seen up
  }

  void Frame(const std::function<void(Shell&)>& screen) {
    platform.Cls();
    platform.ClearTextTrace();
    UpdateInput(shell);
    shell.SoundEvent = 0;
    screen(shell);
  }
  // The button or key is seen up again before the next press.
  void Click(const std::function<void(Shell&)>& screen, int x, int y) {
    test::ClickAt(
        platform, x, y, MOUSE_LEFT, [&] { Frame(screen); }, [&] { UpdateInput(shell); });
  }
  void Press(const std::function<void(Shell&)>& screen, int key) {
    test::HoldKey(
        platform, key, [&] { Frame(screen); }, [&] { UpdateInput(shell); });
  }

  FakePlatform platform;
  Shell shell{platform};
  const std::function<void(Shell&)> menu = RunMainMenu;
  const std::function<void(Shell&)> options = RunOptionsScreen;
};

TEST_F(MenuTest, WithoutAGameContinueAndSaveAreDead) {
  shell.ScreenFade[1] = 1;  // nothing reacts while the menu fades in
  Click(menu, 512, 200);
  Press(menu, KEY_ESCAPE);
  EXPECT_EQ(shell.PendingScreen, 0);
  EXPECT_EQ(shell.ConfirmKind, 0);
  shell.ScreenFade[1] = 0;
  for (int row : {2, 3}) {
    Click(menu, 512, MAIN_MENU_ROW_Y[row] + 20);
    EXPECT_EQ(shell.PendingScreen, 0);
  }
  // NEW GAME goes straight to a freshly rolled creation screen.
  shell.CreationReady = 1;
  Click(menu, 512, 200);
  EXPECT_EQ(shell.PendingScreen, SCREEN_CREATION);
}

TEST_F(MenuTest, NewGameDuringAGameAsksFirst) {
  shell.GameInProgress = 1;
  Click(menu, 512, 200);
  EXPECT_EQ(shell.ConfirmKind, 1);
  EXPECT_EQ(shell.PendingScreen, 0);
  // While the dialog is open the rows do not react.
  Click(menu, 512, 560);
  EXPECT_EQ(shell.PendingScreen, 0);
  Press(menu, 'N');
  EXPECT_EQ(shell.ConfirmKind, 0);
  EXPECT_EQ(shell.SoundEvent, 4000);
  EXPECT_EQ(shell.GameInProgress, 1);

  Click(menu, 512, 200);
  Press(menu, 'Y');
  EXPECT_EQ(shell.GameInProgress, 0);
  EXPECT_EQ(shell.PendingScreen, SCREEN_CREATION);
  EXPECT_FALSE(shell.QuitRequested);
}

TEST_F(MenuTest, EscapeOpensAndClosesTheQuitDialog) {
  Press(menu, KEY_ESCAPE);
  EXPECT_EQ(shell.ConfirmKind, 2);
  Press(menu, KEY_ESCAPE);
  EXPECT_EQ(shell.ConfirmKind, 0);
  // QUIT and the N box.
  Click(menu, 512, 650);
  EXPECT_EQ(shell.ConfirmKind, 2);
  Click(menu, 530, 420);
  EXPECT_EQ(shell.ConfirmKind, 0);
  EXPECT_FALSE(shell.QuitRequested);
  // The Y box ends the program and the game with it.
  shell.GameInProgress = 1;
  Click(menu, 512, 650);
  Click(menu, 470, 413);
  EXPECT_TRUE(shell.QuitRequested);
  EXPECT_EQ(shell.GameInProgress, 0);
}

class OptionsTest : public MenuTest {
 protected:
  void SetUp() override {
    MenuTest::SetUp();
    ASSERT_FALSE(dir.empty());
    shell.DataDir = dir;
    shell.StopMusicNow = [this] { ++musicStops; };
  }
  const TempFolder folder{"vizid-options"};
  const std::filesystem::path& dir = folder.path();
  int musicStops = 0;
};

TEST_F(OptionsTest, SwitchesAreWrittenOnLeavingWithEntriesSevenAndEightKept) {
  shell.OptionFlags[7] = 5;
  shell.OptionFlags[8] = 1;
  Click(options, 300, 300);  // MUSIC PLAYBACK off stops the music at once
  EXPECT_EQ(shell.OptionFlags[1], 0);
  EXPECT_EQ(musicStops, 1);
  Click(options, 300, 300);  // and on again leaves it to start by itself
  EXPECT_EQ(musicStops, 1);
  Click(options, 720, 286 + 52 * 5 + 25);  // MENU FADING, at the right edge of its box
  Click(options, 300, 338);                // SOUND PLAYBACK
  EXPECT_FALSE(std::filesystem::exists(dir / OPTIONS_FILE));
  Click(options, 512, 720);  // DONE
  EXPECT_EQ(shell.PendingScreen, SCREEN_MAIN_MENU);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir / OPTIONS_FILE, bytes));
  const int expected[9] = {0, 1, 0, 1, 1, 1, 0, 5, 1};
  EXPECT_EQ(bytes, OptionsFileBytes(expected));

  shell.PendingScreen = 0;
  Click(options, 300, 338);
  Press(options, KEY_ESCAPE);  // Escape writes too
  EXPECT_EQ(shell.PendingScreen, SCREEN_MAIN_MENU);
  ResetOptions(shell);
  ReadOptionsFile(shell);
  EXPECT_EQ(shell.OptionFlags[2], 1);
  EXPECT_EQ(shell.OptionFlags[7], 5);
}

class StartupMenuTest : public MenuTest {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    std::string error;
    platform.OpenStartupWindow("test", error);
    OpenStartupMenu(shell, sm);
    Step();
  }
  // The menu polls the input itself.
  void Step() {
    platform.Cls();
    platform.ClearTextTrace();
    StartupMenuFrame(shell, sm);
  }
  void ClickAt(int x, int y) {
    test::ClickAt(platform, x, y, MOUSE_LEFT, [&] { Step(); });
  }
  StartupMenu sm;
};

TEST_F(StartupMenuTest, ChangeDriverTogglesAndRunUsesTheChoice) {
  ClickAt(200, 180);
  EXPECT_EQ(shell.DriverChoice, 1);
  ClickAt(200, 180);
  EXPECT_EQ(shell.DriverChoice, 0);
  ClickAt(200, 180);
  EXPECT_EQ(shell.StartupResult, 0);
  ClickAt(100, 101);
  EXPECT_EQ(shell.StartupResult, 2);
}

TEST_F(StartupMenuTest, QuitCloseBoxAndEscapeEndTheProgram) {
  ClickAt(390, 331);
  EXPECT_EQ(shell.StartupResult, 3);
  shell.StartupResult = 0;
  ClickAt(465, 14);
  EXPECT_EQ(shell.StartupResult, 3);
  shell.StartupResult = 0;
  platform.ScriptKey(KEY_ESCAPE, true);
  Step();
  EXPECT_EQ(shell.StartupResult, 3);
}

using Bytes = std::vector<std::uint8_t>;

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty());
    shell.DataDir = dir;
  }

  void Put(std::string_view name, const Bytes& bytes) { WriteBytes(dir / name, bytes); }
  Bytes Get(std::string_view name) {
    Bytes bytes;
    EXPECT_TRUE(ReadWholeFile(dir / name, bytes));
    return bytes;
  }

  const TempFolder folder{"vizid-files"};
  const std::filesystem::path& dir = folder.path();
  FakePlatform platform;
  Shell shell{platform};
};

TEST_F(FilesTest, TheDriverFileKeepsTheChoiceAndDamageOrAbsencePreselectsOpenGL) {
  EXPECT_EQ(DriverFileBytes(2), (Bytes{0xE1, 0x10, 0, 0, 2, 0, 0, 0}));
  WriteDriverFile(shell, 2);
  ReadDriverFile(shell);
  EXPECT_EQ(shell.DriverChoice, 1);
  const Bytes cases[] = {
      {0xE2, 0x10, 0, 0, 2, 0, 0, 0},     // wrong magic number
      {0xE1, 0x10, 0, 0, 2, 0},           // cut short
      {0xE1, 0x10, 0, 0, 2, 0, 0, 0, 9},  // something after the choice
      {0xE1, 0x10, 0, 0, 3, 0, 0, 0},     // a choice the game never writes
  };
  for (const Bytes& bytes : cases) {
    Put(DRIVER_FILE, bytes);
    shell.DriverChoice = 1;
    ReadDriverFile(shell);
    EXPECT_EQ(shell.DriverChoice, 0) << bytes.size();
  }
  // A folder where the file should be is no file.
  std::filesystem::remove(dir / DRIVER_FILE);
  std::filesystem::create_directory(dir / DRIVER_FILE);
  shell.DriverChoice = 1;
  ReadDriverFile(shell);
  EXPECT_EQ(shell.DriverChoice, 0);
}

TEST_F(FilesTest, OptionsFileBytesAndRoundTripOfTheStoredEntries) {
  int flags[9] = {0, 1, 0, 1, 1, 0, 1, 0, 0};
  EXPECT_EQ(OptionsFileBytes(flags), (Bytes{199, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0,
                                            0,   0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
  // Entries 7 and 8 come back exactly as they were read.
  Bytes bytes = OptionsFileBytes(flags);
  bytes[28] = 0x2A;
  bytes[32] = 0xFE, bytes[33] = 0xFF, bytes[34] = 0xFF, bytes[35] = 0xFF;
  Put(OPTIONS_FILE, bytes);
  ResetOptions(shell);
  ReadOptionsFile(shell);
  EXPECT_EQ(shell.OptionFlags[2], 0);
  EXPECT_EQ(shell.OptionFlags[5], 0);
  EXPECT_EQ(shell.OptionFlags[7], 42);
  EXPECT_EQ(shell.OptionFlags[8], -2);
  ASSERT_TRUE(WriteOptionsFile(shell));
  EXPECT_EQ(Get(OPTIONS_FILE), bytes);
}

TEST_F(FilesTest, DamagedOrMissingOptionsFileKeepsTheDefaults) {
  int off[9] = {0, 0, 0, 0, 0, 0, 0, 0, 0};
  Bytes wrongMagic = OptionsFileBytes(off);
  wrongMagic[0] = 198;
  Bytes truncated = OptionsFileBytes(off);
  truncated.pop_back();
  Bytes notASwitch = OptionsFileBytes(off);
  notASwitch[8] = 2;
  // The empty case stands for no file at all.
  for (const Bytes& bytes : {wrongMagic, truncated, notASwitch, Bytes{}}) {
    std::filesystem::remove(dir / OPTIONS_FILE);
    if (!bytes.empty()) Put(OPTIONS_FILE, bytes);
    ResetOptions(shell);
    ReadOptionsFile(shell);
    for (int i = 1; i <= 6; ++i) EXPECT_EQ(shell.OptionFlags[i], 1) << bytes.size() << " entry " << i;
    EXPECT_EQ(shell.OptionFlags[7], 0);
  }
}

TEST_F(FilesTest, AWriteThatFailsPartWayKeepsTheOldFileWhole) {
  const Bytes old{7, 7, 7, 7, 7, 7, 7, 7};
  ASSERT_TRUE(WriteFileAtomically(dir / "x.bin", old));
  // Files may grow to 16 bytes only: the write of 4000 stops part-way, as
  // on a full disk.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 16;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool written = WriteFileAtomically(dir / "x.bin", Bytes(4000, 1));
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(Get("x.bin"), old);
  // No temporary file stays behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
}

}  // namespace
}  // namespace vv
