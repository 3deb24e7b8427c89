// The playtest harness's fast mode, which runs the review scripts side by
// side with and without drawing and must give the same state dump after every
// command; a recorded game that replays frame for frame; and every screen of the menus and the bottom bar
// entered and left again the way a player leaves it (Escape, which every screen answers): a screen without a
// way out would hold the player for good.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>

#include "game/input_recorder.h"
#include "party/party_tables.h"
#include "playtest_support.h"
#include "script.h"
#include "session.h"
#include "shell/input.h"
#include "temp_folder.h"
#include "test_game.h"

namespace vv {
namespace {

std::vector<ScriptCommand> LoadScript(const std::string& name) {
  std::ifstream in(std::string(VIZID_SOURCE_DIR) + "/tools/playtest/" + name, std::ios::binary);
  std::stringstream source;
  source << in.rdbuf();
  std::vector<ScriptCommand> cmds;
  std::string error;
  EXPECT_TRUE(ParseScript(source.str(), cmds, error)) << name << ": " << error;
  // The scripts' own shots and dumps would land in the current folder.
  std::erase_if(cmds, [](const ScriptCommand& c) {
    return c.kind == ScriptCommand::Shot || c.kind == ScriptCommand::Dump;
  });
  return cmds;
}

// The first line where two dumps differ, with a little context.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::size_t i = 0;
  while (i < a.size() && i < b.size() && a[i] == b[i]) ++i;
  const std::size_t from = i < 60 ? 0 : i - 60;
  return "drawn: ..." + a.substr(from, 120) + "\nfast:  ..." + b.substr(from, 120);
}

class FastModeTest : public ::testing::TestWithParam<const char*> {};

TEST_P(FastModeTest, GivesTheSameStateAfterEveryCommand) {
  const std::vector<ScriptCommand> cmds = LoadScript(GetParam());
  ASSERT_FALSE(cmds.empty());
  PlaytestOptions fastOptions;
  fastOptions.fast = true;
  PlaytestSession drawn({}), fast(fastOptions);
  std::string error;
  ASSERT_TRUE(drawn.Start(error)) << error;
  ASSERT_TRUE(fast.Start(error)) << error;
  ASSERT_EQ(drawn.StateJson(), fast.StateJson());
  for (const ScriptCommand& cmd : cmds) {
    ASSERT_TRUE(drawn.Run({cmd}, error)) << error;
    ASSERT_TRUE(fast.Run({cmd}, error)) << error;
    const std::string a = drawn.StateJson(), b = fast.StateJson();
    ASSERT_TRUE(a == b) << GetParam() << " line " << cmd.line << "\n" << FirstDifference(a, b);
  }
}

INSTANTIATE_TEST_SUITE_P(ReviewScripts, FastModeTest,
                         ::testing::Values("first_battle.txt", "chest_loot.txt", "save_screen_review.txt"),
                         [](const auto& info) {
                           std::string name = info.param;
                           name = name.substr(0, name.find('.'));
                           std::erase(name, '_');
                           return name;
                         });

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
    test::ClickAt(session.platform(), x, y, button, [&] { session.Frames(1); });
    Settle();
  }
  void Key(int code) {
    test::HoldKey(session.platform(), code, [&] { session.Frames(1); });
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

// Presses held across frames, a name typed, steps on held arrow keys (one
// step a press), the mouse moved without a click, and quick presses that
// fold into one line.
constexpr const char* kPlayed = R"(
  wait 12
  move 512 200
  wait 2
  mousedown            # NEW GAME, held for a few frames
  wait 5
  mouseup
  wait 20
  click 869 347        # the second hero's name
  wait 3
  type AR
  hold 16
  wait 2
  key 66
  release 16
  key 13
  wait 4
  click 650 720        # start with these heroes
  wait 90
  key 13
  wait 3
  hold 37              # a step left on a key held over frames, and another
  wait 6               # that a lost release would swallow; down is pressed
  release 37           # while left is still held
  wait 4
  hold 37
  wait 5
  hold 40
  wait 3
  release 37
  wait 6
  release 40
  move 700 400
  wait 9
  click 700 400 right
  wait 5
)";

struct Frames {
  std::vector<std::size_t> states;  // a digest of the state after every frame
  std::string finalState;
};

Frames Play(const std::string& script, const std::function<void(PlaytestSession&)>& beforeRun = {}) {
  PlaytestOptions options;
  options.fast = true;
  PlaytestSession session(options);
  Frames run;
  EXPECT_TRUE(test::Started(session));
  if (beforeRun) beforeRun(session);
  auto record = std::move(session.afterFrame);
  session.afterFrame = [&] {
    if (record) record();
    run.states.push_back(std::hash<std::string>{}(session.StateJson()));
  };
  test::RunScript(session, script);
  run.finalState = session.StateJson();
  return run;
}

TEST(ReplayTest, ARecordedGameReplaysTheSameStatesInTheSameFrames) {
  TempFolder folder("vizid-replay");
  const std::filesystem::path file = folder.path() / "game.txt";
  InputRecorder recorder;
  const Frames played = Play(kPlayed, [&](PlaytestSession& session) {
    ASSERT_TRUE(recorder.Start(session.game(), file, 3'000'000'000u));
    session.afterFrame = [&] { recorder.Frame(session.platform()); };
  });
  recorder.Finish("the end");

  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  const Frames replayed = Play(text.str());
  ASSERT_EQ(played.states.size(), replayed.states.size()) << text.str();
  for (std::size_t frame = 0; frame < played.states.size(); ++frame) {
    ASSERT_EQ(played.states[frame], replayed.states[frame]) << "frame " << frame + 1 << "\n" << text.str();
  }
  EXPECT_EQ(played.finalState, replayed.finalState);
  // The typed letters (the last with Shift held) ended the second name.
  EXPECT_NE(played.finalState.find("ARB\""), std::string::npos);
}

}  // namespace
}  // namespace vv
