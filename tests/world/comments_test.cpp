// The heroes' comments: fifty lines, "@" at most once where a line names
// the other hero, each said once a game, and fitting the speech box.

#include "shell/text.h"
#include "world_test_support.h"

namespace vv::test {
namespace {

class CommentsTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    PlaceParty(3, 1, 256, 256);
    Frames(1);
  }
};

TEST_F(CommentsTest, FiftyLinesEachNamingTheOtherHeroAtMostOnceAndFittingTheBox) {
  int count = 0, named = 0;
  for (int s = 1; s <= 7; ++s) {
    for (int n = 1; n <= 10; ++n) {
      const std::string& text = g().CommentText[s][n];
      if (s > 5) {
        EXPECT_TRUE(text.empty());
        continue;
      }
      ASSERT_FALSE(text.empty()) << s << "/" << n;
      ++count;
      const auto marks = std::count(text.begin(), text.end(), '@');
      EXPECT_LE(marks, 1) << s << "/" << n << ": " << text;
      named += marks;
      // Every line fits the four lines of the box, with the longest name.
      std::string said = text;
      if (marks) said.replace(said.find('@'), 1, "WWWWWWWW");
      WrapText(g(), 402, said);
      EXPECT_TRUE(g().WrapLines[5].empty()) << text;
      std::size_t shown = 0;
      for (int line = 1; line <= 4; ++line) shown += g().WrapLines[line].size();
      EXPECT_GE(shown + 3, said.size()) << text;  // nothing lost but the spaces at the breaks
    }
  }
  EXPECT_EQ(count, 50);
  EXPECT_GT(named, 0);
}

TEST_F(CommentsTest, EachCommentIsSaidOnceAndThePoolClosesUp) {
  calm = false;
  std::vector<int> heard;
  for (int i = 0; i < 12; ++i) {
    SeedRandom(g(), SeedForRoll(50));
    RollComment(g(), 50);
    if (g().SpeechKind == SPEECH_NONE) break;
    heard.push_back(g().SpeechComment);
    const int n = g().CommentPool[1][0];
    EXPECT_EQ(n, 9 - i);
    for (int k = n + 1; k <= 10; ++k) EXPECT_EQ(g().CommentPool[1][k], 0);
    g().SpeechKind = SPEECH_NONE;
  }
  ASSERT_EQ(heard.size(), 10u);
  std::sort(heard.begin(), heard.end());
  for (int n = 1; n <= 10; ++n) EXPECT_EQ(heard[static_cast<std::size_t>(n - 1)], n);
  EXPECT_EQ(g().CommentPool[2][0], 10);  // the other areas keep theirs

  RollComment(g(), 49);
  EXPECT_EQ(g().SpeechKind, SPEECH_NONE);
}

TEST_F(CommentsTest, TheMarkNamesTheHeroWhoIsNotSpeaking) {
  EXPECT_NE(CommentLine(g(), 2, 1).find("weakling ARNE!"), std::string::npos);
  EXPECT_NE(CommentLine(g(), 1, 1).find("weakling BIRGIT!"), std::string::npos);
  OpenSpeechBox(g(), SPEECH_HERO, 1, 1);
  Frames(1);
  EXPECT_TRUE(TextDrawn("ARNE speaks"));
  EXPECT_TRUE(TextStartsWith("I am the mightiest warrior"));
}

}  // namespace
}  // namespace vv::test
