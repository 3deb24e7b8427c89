// Walking: collision with the shrunk target cell, keys and clicks, facing,
// crossing screen edges, the clock and resting.

#include "world_test_support.h"

namespace vv::test {
namespace {

class MovementTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    PlaceParty(3, 1, 256, 256);
    Frames(1);
  }
};

TEST_F(MovementTest, LargeTreeBlocksTheCellsItCoversAndNotTheirNeighbours) {
  PutTile(3, 1, KIND_OBSTACLE, 7, 320, 320, 64);  // covers cells (10..11, 10..11)
  PutTile(3, 1, KIND_FLOOR, 2, 384, 320, 64);     // a floor object is walked over
  g().ScreenReady = 0;
  Frames(1);
  EXPECT_TRUE(MoveBlocked(g(), 320, 320));
  EXPECT_TRUE(MoveBlocked(g(), 352, 352));
  EXPECT_FALSE(MoveBlocked(g(), 288, 320));  // touching edges do not overlap once shrunk
  EXPECT_FALSE(MoveBlocked(g(), 320, 288));
  EXPECT_FALSE(MoveBlocked(g(), 320, 384));
  EXPECT_FALSE(MoveBlocked(g(), 384, 320));

  PlaceParty(3, 1, 288, 320);
  Frames(1);
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(PartyX), 288);
  EXPECT_EQ(Party(Facing), 2);  // a refused move still turns the party
  EXPECT_EQ(Party(StepCount), 0);
  PlaceParty(3, 1, 352, 384);
  Frames(1);
  Press(KEY_RIGHT);
  Press(KEY_UP);  // onto the floor object at (384, 352)
  EXPECT_EQ(Party(PartyX), 384);
  EXPECT_EQ(Party(PartyY), 352);
}

TEST_F(MovementTest, HeldKeyMovesOneCellAndTheLaterDirectionWins) {
  platform.ScriptKey(KEY_DOWN, true);
  Frames(30);
  platform.ScriptKey(KEY_DOWN, false);
  Frames(1);
  EXPECT_EQ(Party(PartyY), 288);
  EXPECT_EQ(Party(StepCount), 1);

  platform.ScriptKey(KEY_UP, true);
  platform.ScriptKey(KEY_RIGHT, true);
  Frames(1);
  platform.ScriptKey(KEY_UP, false);
  platform.ScriptKey(KEY_RIGHT, false);
  Frames(1);
  EXPECT_EQ(Party(PartyX), 288);
  EXPECT_EQ(Party(PartyY), 288);
  EXPECT_EQ(Party(Facing), 2);
}

TEST_F(MovementTest, ClicksBesideThePartyMoveItAndHoveringLightsTheArrows) {
  platform.ScriptMouse(256 + 16, 256 - 16);  // above the party
  Frames(1);
  EXPECT_EQ(g().ArrowHover[1], 1);
  EXPECT_EQ(g().ArrowHover[2], 1);
  EXPECT_EQ(g().ArrowHover[3], 0);
  EXPECT_FALSE(DrawsOf("lilarrow_1.png").empty());

  Click(256 + 40, 256 + 16);  // right of the party
  EXPECT_EQ(Party(PartyX), 288);
  Click(288 - 20, 256 + 16);  // left
  EXPECT_EQ(Party(PartyX), 256);
  Click(256 + 16, 256 + 50);  // below
  EXPECT_EQ(Party(PartyY), 288);

  platform.ScriptMouse(900, 100);  // far away: the arrows are not drawn at all
  Frames(1);
  EXPECT_TRUE(DrawsOf("lilarrow_1.png").empty());
}

TEST_F(MovementTest, CrossingAnEdgeEntersTheNeighbourAtTheOppositeEdgeWhereThereIsOne) {
  // Level 1 is column 3, row 1; level 2 lies west of it and level 6 north;
  // east and south of it there is nothing.
  struct Place {
    int column, row, x, y;
  };
  const struct {
    Place from;
    int key;
    Place to;
    int level;
  } cases[] = {
      {{3, 1, 0, 160}, KEY_LEFT, {2, 1, 992, 160}, 2},    {{2, 1, 992, 160}, KEY_RIGHT, {3, 1, 0, 160}, 1},
      {{3, 1, 416, 0}, KEY_UP, {3, 2, 416, 576}, 6},      {{3, 2, 416, 576}, KEY_DOWN, {3, 1, 416, 0}, 1},
      {{3, 1, 992, 160}, KEY_RIGHT, {3, 1, 992, 160}, 1}, {{3, 1, 160, 576}, KEY_DOWN, {3, 1, 160, 576}, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "from " << c.from.column << "," << c.from.row << " key " << c.key);
    PlaceParty(c.from.column, c.from.row, c.from.x, c.from.y);
    Frames(1);
    const int steps = Party(StepCount);
    Press(c.key);
    EXPECT_EQ(Party(ScreenColumn), c.to.column);
    EXPECT_EQ(Party(ScreenRow), c.to.row);
    EXPECT_EQ(Party(PartyX), c.to.x);
    EXPECT_EQ(Party(PartyY), c.to.y);
    EXPECT_EQ(g().CurrentLevel, c.level);
    // A refused step is no step.
    EXPECT_EQ(Party(StepCount) == steps, c.to.column == c.from.column && c.to.row == c.from.row);
  }
}

TEST_F(MovementTest, SixStepsOrOneRestAdvanceTheClock) {
  g().PartyState[TimeOfDay] = 47;
  for (int i = 0; i < 5; ++i) Press(i % 2 ? KEY_LEFT : KEY_RIGHT);
  EXPECT_EQ(Party(TimeOfDay), 47);
  Press(KEY_RIGHT);
  EXPECT_EQ(Party(TimeOfDay), 0);
  EXPECT_EQ(Party(StepCount), 0);
  Press(KEY_SPACE);
  EXPECT_EQ(Party(TimeOfDay), 1);
}

TEST_F(MovementTest, RestingHealsATenthOrAFifthWithTheSecondAmulet) {
  g().HeroStats[1][hero::MaxHealth] = 3;
  g().HeroStats[1][hero::Health] = 1;
  g().HeroStats[2][hero::MaxHealth] = 45;
  g().HeroStats[2][hero::Health] = 10;
  g().HeroTimers[1][1] = 4;
  g().HeroTimers[2][3] = 30;
  Press(KEY_SPACE);
  EXPECT_EQ(g().HeroStats[1][hero::Health], 2);  // trunc(0.3 + 0.5) = 0, raised to 1
  EXPECT_EQ(g().HeroStats[2][hero::Health], 15);
  EXPECT_EQ(g().HeroTimers[1][1], 0);
  EXPECT_EQ(g().HeroTimers[2][3], 24);

  g().HeroEquipment[2][5][1] = 2;
  Click(700, 700);  // the camp button
  EXPECT_EQ(g().HeroStats[2][hero::Health], 24);
  EXPECT_EQ(g().HeroStats[1][hero::Health], 3);
  Press(KEY_SPACE);
  EXPECT_EQ(g().HeroStats[1][hero::Health], 3);  // never above the maximum
}

TEST_F(MovementTest, StepsCountTheBoostsDown) {
  g().HeroTimers[1][2] = 2;
  g().HeroTimers[2][1] = 1;
  Press(KEY_RIGHT);
  Press(KEY_RIGHT);
  EXPECT_EQ(g().HeroTimers[1][2], 0);
  EXPECT_EQ(g().HeroTimers[2][1], 0);
}

}  // namespace
}  // namespace vv::test
