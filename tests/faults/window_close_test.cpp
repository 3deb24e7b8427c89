// The window closed on every screen, through the real loop: the game leaves
// in the frame the close arrives, keeps the options the player switched,
// and leaves the saved games as they were.

#include <gtest/gtest.h>

#include <functional>

#include "ending/ending_module.h"
#include "game/game_setup.h"
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
    std::string error;
    ASSERT_TRUE(first.Start(error)) << error;
    test::MakeMidAdventure(first.game());
    first.game().SlotName[1] = "KEEP";
    ASSERT_TRUE(SaveGame(first.game(), 1));
    ASSERT_TRUE(ReadWholeFile(GameDataPath(options.dataDir, 1), saved));
  }
  for (const Screen& screen : SCREENS) {
    SCOPED_TRACE(testing::Message() << "screen " << screen.number);
    PlaytestSession session{options};
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    Play(session, "wait 12\n");
    screen.reach(session);
    ASSERT_EQ(session.game().GameScreen, screen.number);
    const int music = session.game().OptionFlags[OPTION_MUSIC];
    CloseTheWindow();
    EXPECT_FALSE(session.Frames(1));
    std::vector<std::uint8_t> after;
    ASSERT_TRUE(ReadWholeFile(GameDataPath(options.dataDir, 1), after));
    EXPECT_EQ(after, saved);
    if (screen.number != SCREEN_OPTIONS) continue;
    // The switch the player turned is what the next run starts with.
    ResetOptions(session.game());
    ReadOptionsFile(session.game());
    EXPECT_EQ(session.game().OptionFlags[OPTION_MUSIC], music);
    EXPECT_EQ(music, 0);
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

}  // namespace
}  // namespace vv
