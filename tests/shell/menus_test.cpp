// The title menu, the options screen and the start-up driver menu, one
// frame at a time on the recording platform.

#include "shell/menus.h"

#include <gtest/gtest.h>

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
  bool Drew(std::string_view text) { return test::TextDrawn(platform, text); }

  FakePlatform platform;
  Shell shell{platform};
  const std::function<void(Shell&)> menu = RunMainMenu;
  const std::function<void(Shell&)> options = RunOptionsScreen;
};

TEST_F(MenuTest, WithoutAGameContinueAndSaveAreGreyAndDead) {
  shell.ScreenFade[1] = 1;  // nothing reacts while the menu fades in
  Click(menu, 512, 200);
  Press(menu, KEY_ESCAPE);
  EXPECT_EQ(shell.PendingScreen, 0);
  EXPECT_EQ(shell.ConfirmKind, 0);
  shell.ScreenFade[1] = 0;
  for (int row : {2, 3}) {
    platform.ScriptMouse(512, MAIN_MENU_ROW_Y[row] + 20);
    for (int i = 0; i < 5; ++i) Frame(menu);
    EXPECT_EQ(shell.ButtonState[row][2], 0);
    Click(menu, 512, MAIN_MENU_ROW_Y[row] + 20);
    EXPECT_EQ(shell.PendingScreen, 0);
    EXPECT_EQ(shell.ScreenFade[1], 0);
    EXPECT_EQ(shell.SoundEvent, 0);
  }
  // NEW GAME goes straight to a freshly rolled creation screen.
  shell.CreationReady = 1;
  Click(menu, 512, 200);
  EXPECT_EQ(shell.PendingScreen, SCREEN_CREATION);
  EXPECT_EQ(shell.SoundEvent, 4001);
  EXPECT_EQ(shell.CreationReady, 0);
  EXPECT_EQ(shell.ConfirmKind, 0);
}

TEST_F(MenuTest, NewGameDuringAGameAsksFirst) {
  shell.GameInProgress = 1;
  Click(menu, 512, 200);
  EXPECT_EQ(shell.ConfirmKind, 1);
  EXPECT_EQ(shell.PendingScreen, 0);
  Frame(menu);
  EXPECT_TRUE(Drew("End current game"));
  EXPECT_TRUE(Drew("Are you sure?"));
  // While the dialog is open the rows do not react.
  Click(menu, 512, 560);
  EXPECT_EQ(shell.PendingScreen, 0);
  Press(menu, 'N');
  EXPECT_EQ(shell.ConfirmKind, 0);
  EXPECT_EQ(shell.SoundEvent, 4000);
  EXPECT_EQ(shell.GameInProgress, 1);

  Click(menu, 512, 200);
  Press(menu, 'Y');
  EXPECT_EQ(shell.ConfirmKind, 0);
  EXPECT_EQ(shell.ConfirmedKind, 0);
  EXPECT_EQ(shell.GameInProgress, 0);
  EXPECT_EQ(shell.PendingScreen, SCREEN_CREATION);
  EXPECT_FALSE(shell.QuitRequested);
}

TEST_F(MenuTest, EscapeOpensAndClosesTheQuitDialog) {
  Press(menu, KEY_ESCAPE);
  EXPECT_EQ(shell.ConfirmKind, 2);
  EXPECT_EQ(shell.SoundEvent, 4000);
  Frame(menu);
  EXPECT_TRUE(Drew("Quit game"));
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
    test::ClickAt(
        platform, x, y, MOUSE_LEFT, [&] { Step(); }, [&] { Step(); });
  }
  StartupMenu sm;
};

TEST_F(StartupMenuTest, ChangeDriverTogglesAndRunUsesTheChoice) {
  ClickAt(200, 180);
  EXPECT_EQ(shell.DriverChoice, 1);
  EXPECT_TRUE(Drew("SOFTWARE"));
  ClickAt(200, 180);
  EXPECT_EQ(shell.DriverChoice, 0);
  ClickAt(200, 180);
  EXPECT_EQ(shell.StartupResult, 0);
  ClickAt(100, 101);
  EXPECT_EQ(shell.StartupResult, 2);
}

TEST_F(StartupMenuTest, QuitCloseBoxAndEscape) {
  ClickAt(390, 331);
  EXPECT_EQ(shell.StartupResult, 3);
  shell.StartupResult = 0;
  platform.ScriptMouse(465, 14);
  Step();
  EXPECT_EQ(sm.CloseBoxFrame, 1);
  ClickAt(465, 14);
  EXPECT_EQ(shell.StartupResult, 3);
  shell.StartupResult = 0;
  platform.ScriptKey(KEY_ESCAPE, true);
  Step();
  EXPECT_EQ(shell.StartupResult, 3);
}

TEST_F(StartupMenuTest, HighlightsVanishOutsideTheWindow) {
  platform.ScriptMouse(200, 120);
  Step();
  EXPECT_EQ(sm.StartupHover[1], 1);
  // The window still reports the last position inside it; the desktop
  // pointer is elsewhere.
  sm.WindowX += 1000;
  Step();
  EXPECT_EQ(sm.StartupHover[1], 0);
}

TEST_F(StartupMenuTest, DraggingStartsOnlyOnFreeSpace) {
  const int x0 = sm.WindowX, y0 = sm.WindowY;
  // Pressing on a button never moves the window.
  platform.ScriptMouse(200, 180);
  platform.ScriptButton(MOUSE_LEFT, true);
  Step();
  Step();
  platform.ScriptButton(MOUSE_LEFT, false);
  Step();
  EXPECT_FALSE(sm.Dragging);
  EXPECT_EQ(sm.WindowX, x0);
  shell.DriverChoice = 0;

  // From free space the window follows the pointer.
  platform.ScriptMouse(20, 30);
  platform.ScriptButton(MOUSE_LEFT, true);
  Step();
  EXPECT_TRUE(sm.Dragging);
  platform.ScriptMouse(60, 20);  // the pointer moved 40 right, 10 up
  Step();
  EXPECT_EQ(sm.WindowX, x0 + 40);
  EXPECT_EQ(sm.WindowY, y0 - 10);
  EXPECT_EQ(platform.windowX, x0 + 40);
  // The window has caught up: the pointer sits at the drag point again.
  platform.ScriptMouse(20, 30);
  Step();
  EXPECT_EQ(sm.WindowX, x0 + 40);
  platform.ScriptButton(MOUSE_LEFT, false);
  Step();
  EXPECT_FALSE(sm.Dragging);
  EXPECT_EQ(shell.StartupResult, 0);
}

}  // namespace
}  // namespace vv
