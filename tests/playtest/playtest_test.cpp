// The playtest harness: its script language, and a headless run of the real
// start-up and loop that other tools rely on.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "script.h"
#include "session.h"
#include "temp_folder.h"

namespace vv {
namespace {

TEST(ScriptTest, ParsesEveryCommand) {
  std::vector<ScriptCommand> cmds;
  std::string error;
  const std::string source =
      "# a comment\n"
      "seed 42\n"
      "wait 10   # trailing comment\n"
      "\n"
      "key 13\nhold 37\nrelease 37\nmove 100 200\nclick 5 6\nclick 7 8 right\n"
      "type HERO 2\nshot /tmp/a b.png\ndump out.json\n";
  ASSERT_TRUE(ParseScript(source, cmds, error)) << error;
  ASSERT_EQ(cmds.size(), 11u);
  EXPECT_EQ(cmds[0].kind, ScriptCommand::Seed);
  EXPECT_EQ(cmds[0].a, 42);
  EXPECT_EQ(cmds[1].line, 3);
  EXPECT_EQ(cmds[6].c, 1);
  EXPECT_EQ(cmds[7].c, 2);
  EXPECT_EQ(cmds[8].text, "HERO 2");
  EXPECT_EQ(cmds[9].text, "/tmp/a b.png");
}

TEST(ScriptTest, MalformedLinesNameTheirLineNumber) {
  const std::pair<const char*, const char*> bad[] = {
      {"wait 1\nwiat 5\n", "line 2"},
      {"key\n", "line 1"},
      {"key 0\n", "line 1"},
      {"wait -3\n", "line 1"},
      {"click 1 2 sideways\n", "line 1"},
      {"move 1\n", "line 1"},
      {"\n\ntype a{b\n", "line 3"},
      {"shot\n", "line 1"},
      {"wait 12abc\n", "line 1"},
  };
  for (const auto& [source, where] : bad) {
    std::vector<ScriptCommand> cmds;
    std::string error;
    EXPECT_FALSE(ParseScript(source, cmds, error)) << source;
    EXPECT_NE(error.find(where), std::string::npos) << source << " gave " << error;
  }
}

TEST(PlaytestSessionTest, StartsHeadlessIntoTheFadingMainMenuAndWritesShots) {
  const TempFolder folder("vizid-playtest-test");
  const std::filesystem::path& dir = folder.path();
  PlaytestOptions options;
  options.startupShots = dir / "startup";
  PlaytestSession session(options);
  std::string error;
  ASSERT_TRUE(session.Start(error)) << error;
  std::vector<ScriptCommand> cmds;
  ASSERT_TRUE(ParseScript("wait 1\nshot " + (dir / "first.png").string() + "\nwait 9\ndump " +
                              (dir / "state.json").string() + "\n",
                          cmds, error));
  EXPECT_EQ(session.game().ScreenFade[1], 1);
  ASSERT_TRUE(session.Run(cmds, error)) << error;
  EXPECT_EQ(session.game().GameScreen, SCREEN_MAIN_MENU);
  EXPECT_EQ(session.game().ScreenFade[1], 0);  // the fade-in is over after 10 frames
  EXPECT_TRUE(std::filesystem::exists(dir / "first.png"));
  EXPECT_TRUE(std::filesystem::exists(dir / "startup" / "maker-in-39.png"));
  std::ifstream json(dir / "state.json");
  std::string text((std::istreambuf_iterator<char>(json)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("\"GameScreen\":2"), std::string::npos) << text;
  EXPECT_NE(text.find("\"OptionFlags\":[1,1,1,1,1,1,0,0]"), std::string::npos) << text;
  // The data folder is the session's own temporary one, made at start-up.
  EXPECT_TRUE(std::filesystem::is_directory(session.game().DataDir / "saves"));
}

}  // namespace
}  // namespace vv
