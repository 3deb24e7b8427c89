// The fast mode runs the same game: the review scripts, run side by side with
// and without drawing, give the same state dump after every command.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "script.h"
#include "session.h"

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

}  // namespace
}  // namespace vv
