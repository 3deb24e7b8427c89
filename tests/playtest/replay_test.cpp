// A game recorded as it is played replays frame for frame: the recorder runs
// beside a scripted game, and the file it writes, run in a fresh session,
// goes through the same states in the same frames.

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

#include "game/input_recorder.h"
#include "playtest_support.h"
#include "temp_folder.h"

namespace vv {
namespace {

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
  std::string error;
  Frames run;
  EXPECT_TRUE(session.Start(error)) << error;
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
