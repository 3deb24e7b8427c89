// Bitmap text: unknown characters, word wrap and the timed message.

#include "shell/text.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"
#include "shell/assets.h"

namespace vv {
namespace {

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    LoadFonts(shell);
    shell.BlackImage = platform.LoadImage("data\\gfx\\black.png", IMAGE_MASKED);
    ASSERT_NE(shell.FontImage, 0);
    ASSERT_EQ(platform.ImageFrames(shell.FontImage), 63);
  }

  FakePlatform platform;
  Shell shell{platform};
};

TEST_F(TextTest, EmptyTextDrawsNothingAndUnknownCharactersAdvanceLikeASpace) {
  DrawTextLarge(shell, 10, 10, "", 1);
  EXPECT_TRUE(platform.draws.empty());
  DrawTextLarge(shell, 10, 10,
                "\xBD"
                "A",
                0);  // one half, then A
  ASSERT_EQ(platform.draws.size(), 2u);
  EXPECT_EQ(platform.draws[0].frame, 0);
  EXPECT_EQ(platform.draws[1].x, 10 + 27);
  EXPECT_EQ(platform.draws[1].frame, 1);
}

TEST_F(TextTest, WrapBreaksAtSpacesStopsAfterFiveLinesAndNeverCutsAWord) {
  WrapText(shell, 70, "AAA BBB CCC");
  // Quarter widths: A 11, B 9, C 9, space 6: "AAA BBB" is 66 wide.
  EXPECT_EQ(shell.WrapLines[1], "AAA BBB");
  EXPECT_EQ(shell.WrapLines[2], "CCC");
  EXPECT_EQ(shell.WrapLines[3], "");

  std::string longText;
  for (int i = 0; i < 40; ++i) longText += "WORD ";
  WrapText(shell, 100, longText);  // "WORD WORD" is 96 wide
  for (int line = 1; line <= 5; ++line) EXPECT_FALSE(shell.WrapLines[line].empty()) << line;
  EXPECT_EQ(shell.WrapLines[1], "WORD WORD");
  // A word wider than the line leaves every line empty.
  WrapText(shell, 30, "ABCDEFGHIJ");
  for (int line = 1; line <= 5; ++line) EXPECT_EQ(shell.WrapLines[line], "") << line;
}

TEST_F(TextTest, TheLongestAreaIntroductionFitsTheFourLinesOfTheSpeechBox) {
  // Counting the first character after a break would push "now." onto a
  // fifth line, which the speech box does not show.
  WrapText(shell, 402,
           "You cautiously leave the town of Duduvi. After you reach the deeper parts of the forest, you "
           "suddenly notice that the way back has been sealed. You are on your own now.");
  EXPECT_EQ(shell.WrapLines[5], "");
  EXPECT_EQ(shell.WrapLines[4].substr(shell.WrapLines[4].size() - 4), "now.");
}

TEST_F(TextTest, TimedMessageFadesOverAHundredFrames) {
  ShowMessage(shell, "GAME SAVED", 0, 255, 0);
  DrawTimedMessage(shell);
  EXPECT_EQ(shell.MessageTimer, 99);
  const auto glyphs = platform.DrawsOf("medfont.png");
  ASSERT_FALSE(glyphs.empty());
  EXPECT_FLOAT_EQ(glyphs[0].state.alpha, 0.99f);
  EXPECT_EQ(glyphs[0].state.green, 255);
  EXPECT_EQ(platform.State().green, 255);
  EXPECT_EQ(platform.State().red, 255);  // back to white
  for (int i = 0; i < 99; ++i) DrawTimedMessage(shell);
  EXPECT_EQ(shell.MessageTimer, 0);
  platform.draws.clear();
  DrawTimedMessage(shell);
  EXPECT_TRUE(platform.draws.empty());
}

}  // namespace
}  // namespace vv
