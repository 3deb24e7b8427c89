// World events: filling and opening chests, random attacks and their
// banner, comments, teleporters and the speech box (the area introductions
// and the portal are met by the walk scenario).

#include <algorithm>

#include "items/item_database.h"
#include "shell/text.h"
#include "world/level_table.h"
#include "world_test_support.h"

namespace vv::test {
namespace {

class EventsTest : public StandingPartyTest {
 protected:
  void SetUp() override {
    StandingPartyTest::SetUp();
    sounds.clear();
  }
  // Steps with the next encounter roll coming out as `roll`.
  void StepWithRoll(int key, int roll) {
    calm = false;
    SeedRandom(g(), SeedForRoll(roll));
    platform.ScriptKey(key, true);
    Frames(1);
    platform.ScriptKey(key, false);
    calm = true;
    Frames(1);
  }
  int Item(int level, int row, int field) { return g().LevelTable[level][row][field]; }
};

TEST_F(EventsTest, ChestsHoldTwoOrThreeItemsOfTwoLevelsFurtherOn) {
  int chests = 0, threes = 0;
  for (std::uint32_t seed = 1; seed <= 100; ++seed) {
    SeedRandom(g(), seed);
    FillChests(g());
    for (int n = 1; n <= 20; ++n) {
      const int* record = ChestRecord(g(), n);
      const int level = std::min(n + 2, 15);
      ASSERT_TRUE(record[chest::Count] == 2 || record[chest::Count] == 3);
      EXPECT_EQ(record[chest::Opened], 0);
      for (int k = 1; k <= 3; ++k) {
        const int c = record[2 * k - 1], number = record[2 * k];
        if (k > record[chest::Count]) {
          EXPECT_EQ(c, 0);
          continue;
        }
        bool found = false;
        for (int row = 1; row <= 100 && !found; ++row) {
          found = Item(level, row, level::ItemCategory) == c && Item(level, row, level::ItemNumber) == number;
        }
        EXPECT_TRUE(found) << "chest " << n << " item " << k;
      }
      ++chests;
      threes += record[chest::Count] == 3;
    }
  }
  EXPECT_GT(threes, chests * 45 / 100);
  EXPECT_LT(threes, chests * 55 / 100);
}

TEST_F(EventsTest, OpeningAChestFillsTheLootAndShowsItsBanner) {
  PutTile(3, 1, KIND_FLOOR, IMAGE_CHEST, 288, 256, 32);
  int* record = ChestRecord(g(), 1);
  record[1] = 1, record[2] = 4, record[3] = 6, record[4] = 2, record[5] = 0, record[6] = 0, record[7] = 2;
  g().ScreenReady = 0;
  Frames(1);
  StepWithRoll(KEY_RIGHT, 5);  // a roll that would attack: a chest banner allows none
  EXPECT_EQ(g().LootCount, 2);
  EXPECT_EQ(g().LootList[1][1], 1);
  EXPECT_EQ(g().LootList[1][3], ItemStats(1, 4, item::MaxCondition));
  EXPECT_EQ(g().LootList[3][1], 0);
  EXPECT_EQ(record[chest::Opened], 1);
  EXPECT_EQ(g().AttackBanner, 0);
  EXPECT_EQ(sounds, std::vector<int>{SOUND_CHEST});
  EXPECT_TRUE(TextDrawn("YOU FOUND A CHEST!"));
  EXPECT_TRUE(DrawsOf("tile1_12.png").empty());

  Press(KEY_RIGHT);  // no walking while the banner runs
  EXPECT_EQ(Party(PartyX), 288);
  Frames(150 - g().ChestBanner);  // the banner's last frame asks for the loot screen
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  Frames(1);
  EXPECT_EQ(g().GameScreen, SCREEN_LOOT);
  Press(KEY_ESCAPE);  // end the looting and let it all go
  Press(KEY_Y);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(g().LootCount, 0);

  Press(KEY_LEFT);
  Press(KEY_RIGHT);  // an opened chest is only a place to stand
  EXPECT_EQ(g().ChestBanner, 0);
  EXPECT_EQ(g().ChestPos[1], ABSENT);
}

TEST_F(EventsTest, ANineAttacksWalkingOrRestingATenDoesNot) {
  StepWithRoll(KEY_RIGHT, 10);
  EXPECT_EQ(g().AttackBanner, 0);
  StepWithRoll(KEY_RIGHT, 9);
  EXPECT_GT(g().AttackBanner, 0);
  EXPECT_EQ(sounds.back(), SOUND_ATTACK);
  EXPECT_TRUE(TextDrawn("YOU ARE ATTACKED!"));
  g().MusicLevel = 1000;
  Press(KEY_RIGHT);  // the banner holds the party
  EXPECT_EQ(Party(PartyX), 320);
  EXPECT_EQ(g().MusicLevel, 998);  // and fades the music, a step a frame
  Frames(125 - g().AttackBanner);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  Frames(1);
  EXPECT_EQ(g().GameScreen, SCREEN_COMBAT);
  Press(KEY_SPACE);  // the stand-in battle ends on any key
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(g().AttackBanner, 0);
  StepWithRoll(KEY_SPACE, 3);  // resting can be interrupted too
  EXPECT_GT(g().AttackBanner, 0);
}

TEST_F(EventsTest, TurningRollsNothing) {
  PutTile(3, 1, KIND_OBSTACLE, 1, 288, 256, 32);
  g().ScreenReady = 0;
  Frames(1);
  calm = false;
  SeedRandom(g(), 77);
  const std::mt19937 before = g().Random;
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(Facing), 2);
  EXPECT_TRUE(g().Random == before);
}

TEST_F(EventsTest, AFiftyMakesAHeroSpeakWhenCommentsAreOn) {
  g().OptionFlags[OPTION_COMMENTS] = 0;
  StepWithRoll(KEY_RIGHT, 50);
  EXPECT_EQ(g().SpeechKind, SPEECH_NONE);
  EXPECT_EQ(g().CommentPool[1][0], 10);

  g().OptionFlags[OPTION_COMMENTS] = 1;
  StepWithRoll(KEY_RIGHT, 50);
  EXPECT_EQ(g().SpeechKind, SPEECH_HERO);
  EXPECT_EQ(g().AttackBanner, 0);
  EXPECT_EQ(g().CommentPool[1][0], 9);
  EXPECT_TRUE(TextDrawn(g().HeroNames[g().SpeechHero] + " speaks"));
}

TEST_F(EventsTest, TeleportersLandOneStepBeyondTheOtherOne) {
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 288, 256, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 800, 96, 32);
  PutTile(3, 1, KIND_OBSTACLE, 1, 832, 96, 32);  // the landing is not tested for obstacles
  g().ScreenReady = 0;
  Frames(1);
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(PartyX), 832);
  EXPECT_EQ(Party(PartyY), 96);
  EXPECT_EQ(sounds.back(), SOUND_TELEPORT);

  PlaceParty(3, 1, 800, 64);
  Frames(1);
  Press(KEY_DOWN);  // into teleporter 2 going down: out below teleporter 1
  EXPECT_EQ(Party(PartyX), 288);
  EXPECT_EQ(Party(PartyY), 288);
}

TEST_F(EventsTest, ATeleportOutOfTheWorldStaysAtItsEdge) {
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 288, 256, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 992, 96, 32);  // east of level 1 there is nothing
  g().ScreenReady = 0;
  Frames(1);
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(ScreenColumn), 3);
  EXPECT_EQ(g().CurrentLevel, 1);
  // Back at the edge it stands on teleporter 2 again, which sends it on:
  // one step beyond teleporter 1, where it stays.
  EXPECT_EQ(Party(PartyX), 320);
  EXPECT_EQ(Party(PartyY), 256);
  Frames(30);
  EXPECT_EQ(Party(PartyX), 320);
  EXPECT_EQ(Party(PartyY), 256);
}

TEST_F(EventsTest, TheSpeechBoxWaitsSixtyFramesBeforeItCanBeClosed) {
  OpenSpeechBox(g(), SPEECH_AREA_INTRO, 0, 0);
  for (int i = 0; i < 30; ++i) {
    Press(i % 2 ? KEY_ESCAPE : KEY_ENTER);
    EXPECT_EQ(g().SpeechKind, SPEECH_AREA_INTRO) << "frame " << 2 * i + 1;
    // Frame 60 shows that the box can be closed now.
    EXPECT_EQ(TextDrawn("Click to continue"), i == 29);
  }
  Click(100, 100, MOUSE_RIGHT);
  EXPECT_EQ(g().SpeechKind, SPEECH_NONE);
  EXPECT_EQ(Party(PartyX), 256);  // the click closed the box and did nothing else
}

// Every comment fits the four lines of the speech box with the longest name
// for its mark (which stands at most once), and so does the longest area
// introduction; more than five lines or a word wider than a line are cut.
TEST_F(EventsTest, SpeechWrapsIntoTheBox) {
  for (int s = 1; s <= 5; ++s) {
    for (int n = 1; n <= 10; ++n) {
      std::string said = g().CommentText[s][n];
      ASSERT_FALSE(said.empty()) << s << "/" << n;
      EXPECT_LE(std::count(said.begin(), said.end(), '@'), 1) << said;
      if (said.find('@') != std::string::npos) said.replace(said.find('@'), 1, "WWWWWWWW");
      WrapText(g(), 402, said);
      EXPECT_TRUE(g().WrapLines[5].empty()) << said;
    }
  }
  // Counting the first character after a break would push "now." onto a
  // fifth line.
  WrapText(g(), 402,
           "You cautiously leave the town of Duduvi. After you reach the deeper parts of the forest, you "
           "suddenly notice that the way back has been sealed. You are on your own now.");
  EXPECT_EQ(g().WrapLines[5], "");
  EXPECT_EQ(g().WrapLines[4].substr(g().WrapLines[4].size() - 4), "now.");

  std::string longText;
  for (int i = 0; i < 40; ++i) longText += "WORD ";
  WrapText(g(), 100, longText);  // "WORD WORD" is 96 wide
  for (int line = 1; line <= 5; ++line) EXPECT_EQ(g().WrapLines[line], "WORD WORD") << line;
  WrapText(g(), 30, "ABCDEFGHIJ");
  for (int line = 1; line <= 5; ++line) EXPECT_EQ(g().WrapLines[line], "") << line;
}

TEST_F(EventsTest, EachCommentIsSaidOnceAndThePoolClosesUp) {
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

}  // namespace
}  // namespace vv::test
