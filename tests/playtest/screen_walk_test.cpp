// Every screen the title menu and the world's bottom bar lead to, entered
// and left again the way a player leaves it (Escape, which every screen
// answers): a screen without a way out would hold the player for good. Only
// screen numbers are checked, so the walk holds for stand-ins and for the
// real screens that replace them.

#include <gtest/gtest.h>

#include <functional>

#include "party/party_tables.h"
#include "playtest_support.h"
#include "shell/input.h"
#include "test_game.h"

namespace vv {
namespace {

// The title menu's rows, by their place from the top.
constexpr int ROW_NEW_GAME = 1, ROW_CONTINUE = 2, ROW_SAVE = 3, ROW_LOAD = 4, ROW_OPTIONS = 5;

class ScreenWalkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(test::Started(session));
    SeedRandom(g(), 7);
    Settle();
  }

  Game& g() { return session.game(); }

  // Frames until no fade runs and no switch waits (a fade takes 20).
  void Settle() {
    for (int i = 0; i < 60 && (g().ScreenFade[1] != 0 || g().PendingScreen != 0); ++i) session.Frames(1);
    session.Frames(2);
  }

  void Click(int x, int y, int button = MOUSE_LEFT) {
    test::ClickAt(
        session.platform(), x, y, button, [&] { session.Frames(1); }, [&] { session.Frames(1); });
    Settle();
  }
  void Key(int code) {
    test::HoldKey(
        session.platform(), code, [&] { session.Frames(1); }, [&] { session.Frames(1); });
    Settle();
  }

  void ClickMenuRow(int row) { Click(512, 180 + 90 * (row - 1) + 33); }

  // Escape until the screen changes: a screen may first close what is
  // open on it (a name being typed, a speech box).
  void Leave(int to) {
    const int from = g().GameScreen;
    for (int i = 0; i < 3 && g().GameScreen == from; ++i) Key(KEY_ESCAPE);
    EXPECT_EQ(g().GameScreen, to) << "screen " << from << " was not left for " << to;
  }

  void EnterAndLeave(const std::function<void()>& enter, int screen, int back) {
    ASSERT_EQ(g().GameScreen, back);
    enter();
    ASSERT_EQ(g().GameScreen, screen) << "screen " << screen << " was not entered from " << back;
    Leave(back);
  }

  PlaytestSession session{PlaytestOptions{}};
};

TEST_F(ScreenWalkTest, EveryScreenOfTheMenusAndTheBottomBarCanBeLeft) {
  // Before any game.
  ASSERT_EQ(g().GameScreen, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_LOAD); }, SCREEN_SAVE_LOAD, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_OPTIONS); }, SCREEN_OPTIONS, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_NEW_GAME); }, SCREEN_CREATION, SCREEN_MAIN_MENU);

  // A new game with the heroes as rolled, past the first area's introduction.
  ClickMenuRow(ROW_NEW_GAME);
  Click(650, 720);  // ACCEPT
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  session.Frames(70);
  Key(KEY_ENTER);
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);

  // The bottom bar: each hero's inventory and character sheet, and the
  // spells of a Sorcerer (made one when the rolls gave none).
  for (int h = 1; h <= 2; ++h) {
    const int faceX = h == 1 ? 80 : 290;
    EnterAndLeave([&] { Click(faceX, 690); }, SCREEN_INVENTORY, SCREEN_WORLD);
    EnterAndLeave([&] { Click(faceX, 690, MOUSE_RIGHT); }, SCREEN_CHARACTER, SCREEN_WORLD);
  }
  int sorcerer = g().HeroStats[2][hero::Class] == 3 ? 2 : 1;
  g().HeroStats[sorcerer][hero::Class] = 3;
  EnterAndLeave([&] { Click(sorcerer == 1 ? 80 : 290, 690, MOUSE_MIDDLE); }, SCREEN_SPELLS, SCREEN_WORLD);

  // The menu button, then the title's rows during a game.
  Click(944, 690);
  ASSERT_EQ(g().GameScreen, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_SAVE); }, SCREEN_SAVE_LOAD, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_LOAD); }, SCREEN_SAVE_LOAD, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_OPTIONS); }, SCREEN_OPTIONS, SCREEN_MAIN_MENU);
  EnterAndLeave([&] { ClickMenuRow(ROW_CONTINUE); }, SCREEN_WORLD, SCREEN_MAIN_MENU);
}

}  // namespace
}  // namespace vv
