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
  void Click(const std::function<void(Shell&)>& screen, int x, int y) {
    platform.ScriptMouse(x, y);
    platform.ScriptButton(MOUSE_LEFT, true);
    Frame(screen);
    platform.ScriptButton(MOUSE_LEFT, false);
    UpdateInput(shell);  // the button is seen up again before the next press
  }
  void Press(const std::function<void(Shell&)>& screen, int key) {
    platform.ScriptKey(key, true);
    Frame(screen);
    platform.ScriptKey(key, false);
    UpdateInput(shell);
  }
  // The tint of the first glyph drawn on the line at y (text drawn at
  // exactly that y).
  std::array<int, 3> TextColour(float y, float maxX = 1024) {
    for (const auto& d : platform.DrawsOf("medfont.png")) {
      if (d.y == y && d.x <= maxX) return {d.state.red, d.state.green, d.state.blue};
    }
    return {-1, -1, -1};
  }
  bool Drew(std::string_view text) {
    for (const auto& t : platform.TextTrace()) {
      if (t.text == text) return true;
    }
    return false;
  }

  FakePlatform platform;
  Shell shell{platform};
  const std::function<void(Shell&)> menu = RunMainMenu;
  const std::function<void(Shell&)> options = RunOptionsScreen;
};

TEST_F(MenuTest, WithoutAGameContinueAndSaveAreGreyAndDead) {
  for (int row : {2, 3}) {
    platform.ScriptMouse(512, MAIN_MENU_ROW_Y[row] + 20);
    for (int i = 0; i < 5; ++i) Frame(menu);
    EXPECT_EQ(shell.ButtonState[row][2], 0);
    EXPECT_EQ(TextColour(static_cast<float>(MAIN_MENU_ROW_Y[row])), (std::array<int, 3>{100, 100, 100}));
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

TEST_F(MenuTest, RowsDuringAGame) {
  shell.GameInProgress = 1;
  Click(menu, 512, 290);
  EXPECT_EQ(shell.ScreenFade[1], 2);
  EXPECT_EQ(shell.ScreenFade[3], SCREEN_WORLD);
  shell.ScreenFade[1] = 0;
  Click(menu, 512, 380);
  EXPECT_EQ(shell.PendingScreen, SCREEN_SAVE_LOAD);
  EXPECT_EQ(shell.SaveMode, 1);
  EXPECT_EQ(shell.SaveScreenFresh, 1);
  shell.PendingScreen = 0;
  shell.SaveScreenFresh = 0;
  Click(menu, 512, 470);
  EXPECT_EQ(shell.PendingScreen, SCREEN_SAVE_LOAD);
  EXPECT_EQ(shell.SaveMode, 2);
  EXPECT_EQ(shell.SaveScreenFresh, 1);
  shell.PendingScreen = 0;
  Click(menu, 512, 560);
  EXPECT_EQ(shell.PendingScreen, SCREEN_OPTIONS);
  // Leaving clears every glow, row positions included.
  for (int row = 1; row <= 20; ++row) EXPECT_EQ(shell.ButtonState[row][2], 0);
  EXPECT_EQ(shell.ButtonState[1][1], 0);
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
  platform.ScriptMouse(530, 420);
  Frame(menu);
  EXPECT_EQ(TextColour(414, 480), (std::array<int, 3>{0, 150, 150}));  // Y
  EXPECT_EQ(TextColour(414), (std::array<int, 3>{0, 255, 0}));         // the "/"
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

TEST_F(MenuTest, GlowRisesAndFallsOneStepAFrame) {
  platform.ScriptMouse(512, MAIN_MENU_ROW_Y[4] + 10);
  for (int i = 1; i <= 12; ++i) {
    Frame(menu);
    EXPECT_EQ(shell.ButtonState[4][2], std::min(i, 10));
  }
  EXPECT_EQ(TextColour(450), (std::array<int, 3>{0, 255, 255}));
  platform.ScriptMouse(5, 5);
  Frame(menu);
  EXPECT_EQ(shell.ButtonState[4][2], 9);
  EXPECT_EQ(TextColour(450), (std::array<int, 3>{0, 244, 244}));  // trunc(9 x 10.5 + 150)
  for (int i = 0; i < 20; ++i) Frame(menu);
  EXPECT_EQ(TextColour(450), (std::array<int, 3>{0, 150, 150}));
}

TEST_F(MenuTest, NothingReactsWhileTheMenuFadesIn) {
  shell.ScreenFade[1] = 1;
  Click(menu, 512, 200);
  Press(menu, KEY_ESCAPE);
  EXPECT_EQ(shell.PendingScreen, 0);
  EXPECT_EQ(shell.ConfirmKind, 0);
}

TEST_F(MenuTest, TitleVersionAndDrawOrder) {
  shell.ConfirmKind = 2;  // with the quit dialog open, so it must come last
  Frame(menu);
  EXPECT_TRUE(Drew("V1.1"));
  // Back to front: the tiled ground, the six buttons, the title, the
  // version, the dialog.
  std::vector<std::string> order;
  for (const auto& d : platform.draws) {
    if (d.name.empty() || d.name == "medfont.png" || d.name == "medfont2.png") continue;
    if (order.empty() || order.back() != d.name) order.push_back(d.name);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"menuback.png", "buttback.png", "titletext.png", "ver.png",
                                             "board2.png"}));
  const auto title = platform.DrawsOf("titletext.png");
  ASSERT_EQ(title.size(), 1u);
  EXPECT_EQ(title[0].x, 512);
  EXPECT_EQ(platform.Image(title[0].image)->handleX, 899 / 2);  // centred
  const auto ver = platform.DrawsOf("ver.png");
  ASSERT_EQ(ver.size(), 1u);
  EXPECT_EQ(ver[0].y, 768);
  EXPECT_EQ(platform.Image(ver[0].image)->handleY, 26);  // in the bottom-left corner
  EXPECT_EQ(ver[0].state.blend, BLEND_ALPHA);
  EXPECT_EQ(platform.DrawsOf("buttback.png").size(), 6u);
  EXPECT_EQ(platform.State().red, 255);
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

TEST_F(OptionsTest, SwitchesToggleAndMusicOffStopsTheMusic) {
  Click(options, 300, 300);  // MUSIC PLAYBACK
  EXPECT_EQ(shell.OptionFlags[1], 0);
  EXPECT_EQ(musicStops, 1);
  EXPECT_EQ(shell.SoundEvent, 4000);
  Click(options, 300, 300);
  EXPECT_EQ(shell.OptionFlags[1], 1);
  EXPECT_EQ(musicStops, 1);                // turning it on leaves the music to start by itself
  Click(options, 720, 286 + 52 * 5 + 25);  // MENU FADING, at the right edge of its box
  EXPECT_EQ(shell.OptionFlags[6], 0);
  Frame(options);
  EXPECT_TRUE(Drew("OFF"));
  EXPECT_TRUE(Drew("MENU FADING"));
  EXPECT_EQ(TextColour(286 + 52 * 5 + 11, 700), (std::array<int, 3>{0, 171, 171}));  // glow 2
  // Not written until the player leaves.
  EXPECT_FALSE(std::filesystem::exists(dir / OPTIONS_FILE));
}

TEST_F(OptionsTest, DoneAndEscapeWriteTheFileAndKeepEntriesSevenAndEight) {
  shell.OptionFlags[7] = 5;
  shell.OptionFlags[8] = 1;
  Click(options, 300, 338);  // SOUND PLAYBACK
  Click(options, 512, 720);
  EXPECT_EQ(shell.PendingScreen, SCREEN_MAIN_MENU);
  std::vector<std::uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(dir / OPTIONS_FILE, bytes));
  const int expected[9] = {0, 1, 0, 1, 1, 1, 1, 5, 1};
  EXPECT_EQ(bytes, OptionsFileBytes(expected));

  shell.PendingScreen = 0;
  Click(options, 300, 338);
  Press(options, KEY_ESCAPE);
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
    platform.ScriptMouse(x, y);
    platform.ScriptButton(MOUSE_LEFT, true);
    Step();
    platform.ScriptButton(MOUSE_LEFT, false);
    Step();
  }
  StartupMenu sm;
};

TEST_F(StartupMenuTest, CentredWithTheChoiceShown) {
  EXPECT_EQ(sm.WindowX, 1920 / 2 - 240);
  EXPECT_EQ(sm.WindowY, 1080 / 2 - 180);
  EXPECT_EQ(platform.windowX, sm.WindowX);
  Step();
  EXPECT_TRUE(Drew("OPENGL"));
  EXPECT_TRUE(Drew("RUN THE GAME"));
  const auto tabs = platform.DrawsOf("sm_tab.png");
  ASSERT_EQ(tabs.size(), 4u);
  EXPECT_EQ(tabs[0].x, 240);
  EXPECT_EQ(platform.Image(tabs[0].image)->handleX, 303 / 2);  // centred
  EXPECT_EQ(tabs[2].state.red, 175);
  EXPECT_EQ(tabs[3].state.red, 255);
}

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
  EXPECT_EQ(platform.DrawsOf("sm_ticker.png")[0].frame, 1);
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
  EXPECT_EQ(TextColour(110), (std::array<int, 3>{0, 255, 255}));
  // The window still reports the last position inside it; the desktop
  // pointer is elsewhere.
  sm.WindowX += 1000;
  Step();
  EXPECT_EQ(sm.StartupHover[1], 0);
  EXPECT_EQ(TextColour(110), (std::array<int, 3>{0, 150, 150}));
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
