// The input layer: hits, arming, flushing and text entry.

#include "shell/input.h"

#include <gtest/gtest.h>

#include "platform/fake_platform.h"

namespace vv {
namespace {

class InputTest : public ::testing::Test {
 protected:
  FakePlatform platform;
  Shell shell{platform};

  // One frame's sample with the key held or not.
  void Frame(int code, bool down) {
    platform.ScriptKey(code, down);
    UpdateInput(shell);
  }
};

TEST_F(InputTest, HeldKeyHitsOnceAndAgainAfterRelease) {
  Frame('A', false);
  Frame('A', true);
  EXPECT_TRUE(KeyHit(shell, 'A'));
  for (int i = 0; i < 5; ++i) {
    Frame('A', true);
    EXPECT_FALSE(KeyHit(shell, 'A'));
    EXPECT_TRUE(KeyHeldDown(shell, 'A'));
  }
  Frame('A', false);
  EXPECT_FALSE(KeyHit(shell, 'A'));
  Frame('A', true);
  EXPECT_TRUE(KeyHit(shell, 'A'));
}

TEST_F(InputTest, KeyDownAtStartIsNotAHitUntilReleased) {
  Frame(KEY_SPACE, true);
  EXPECT_FALSE(KeyHit(shell, KEY_SPACE));
  Frame(KEY_SPACE, true);
  EXPECT_FALSE(KeyHit(shell, KEY_SPACE));
  Frame(KEY_SPACE, false);
  Frame(KEY_SPACE, true);
  EXPECT_TRUE(KeyHit(shell, KEY_SPACE));
}

TEST_F(InputTest, FlushClearsKeysAndTwoButtonsButNotTheMiddleOne) {
  UpdateInput(shell);
  platform.ScriptKey('Q', true);
  for (int b = 1; b <= 3; ++b) platform.ScriptButton(b, true);
  UpdateInput(shell);
  FlushInput(shell);
  EXPECT_FALSE(KeyHit(shell, 'Q'));
  EXPECT_FALSE(MouseHit(shell, MOUSE_LEFT));
  EXPECT_FALSE(MouseHit(shell, MOUSE_RIGHT));
  EXPECT_TRUE(MouseHit(shell, MOUSE_MIDDLE));
}

TEST_F(InputTest, HeldLetterTypesOnceThenRepeatsFromTheTwentyFifthFrame) {
  Frame('K', false);
  std::string text;
  std::vector<int> typedOn;
  for (int frame = 1; frame <= 30; ++frame) {
    Frame('K', true);
    TypeText(shell, text, 100);
    if (shell.TypedText.size() > text.size()) typedOn.push_back(frame);
    text = shell.TypedText;
  }
  std::vector<int> expected = {1, 25, 26, 27, 28, 29, 30};
  EXPECT_EQ(typedOn, expected);
}

TEST_F(InputTest, TypingRulesForNames) {
  auto typeKey = [&](int code, const std::string& before, int maxLength) {
    Frame(code, false);
    Frame(code, true);
    TypeText(shell, before, maxLength);
    return shell.TypedText;
  };
  EXPECT_EQ(typeKey(KEY_BACKSPACE, "", 8), "");
  EXPECT_EQ(typeKey(KEY_BACKSPACE, "AB", 8), "A");
  EXPECT_EQ(typeKey('Z', "ABCDEFGH", 8), "ABCDEFGH");
  EXPECT_EQ(typeKey(KEY_SPACE, "A", 8), "A ");
  EXPECT_EQ(typeKey(222, "", 8), "\xC4");  // Ä
  EXPECT_EQ(typeKey('7', "", 8), "7");
  EXPECT_EQ(typeKey(KEY_F5, "X", 8), "X");  // not a typeable key
  // Shift changes nothing: letters stay upper case.
  platform.ScriptKey(KEY_LEFT_SHIFT, true);
  EXPECT_EQ(typeKey('Q', "", 8), "Q");
}

TEST(KeyNamesTest, NamesByRuleAndByTable) {
  EXPECT_EQ(KeyName('A'), "A");
  EXPECT_EQ(KeyName(KEY_F5), "F5");
  EXPECT_EQ(KeyName(100), "NUM 4");
  EXPECT_EQ(KeyName(KEY_LEFT), "ARROW LEFT");
  EXPECT_EQ(KeyName(192), "\xD6");
  EXPECT_EQ(KeyName(300), "");
  EXPECT_EQ(KeyName(-1), "");
}

TEST(RectsOverlapTest, EdgesAreInclusive) {
  EXPECT_TRUE(RectsOverlap(10, 10, 20, 20, 30, 30, 1, 1));
  EXPECT_TRUE(RectsOverlap(10, 10, 20, 20, 9, 9, 1, 1));
  EXPECT_FALSE(RectsOverlap(10, 10, 20, 20, 31, 15, 1, 1));
  EXPECT_FALSE(RectsOverlap(10, 10, 20, 20, 15, 8, 1, 1));
}

}  // namespace
}  // namespace vv
