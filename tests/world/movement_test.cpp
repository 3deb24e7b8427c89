// Walking: collision with the shrunk target cell, keys and clicks, facing,
// crossing screen edges, the clock and resting; and a new game walked from
// the start to the portal through the real frame loop: every screen crossed,
// every chest on the way opened, every speech box answered, every banner
// waited out and every other screen left.

#include <deque>
#include <map>
#include <optional>

#include "world_test_support.h"

namespace vv::test {
namespace {

class MovementTest : public StandingPartyTest {};

TEST_F(MovementTest, LargeTreeBlocksTheCellsItCoversAndNotTheirNeighbours) {
  PutTile(3, 1, KIND_OBSTACLE, 7, 320, 320, 64);  // covers cells (10..11, 10..11)
  PutTile(3, 1, KIND_FLOOR, 2, 384, 320, 64);     // a floor object is walked over
  g().ScreenReady = 0;
  Frames(1);
  EXPECT_TRUE(MoveBlocked(g(), 320, 320));
  EXPECT_TRUE(MoveBlocked(g(), 352, 352));
  EXPECT_FALSE(MoveBlocked(g(), 288, 320));  // touching edges do not overlap once shrunk
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

TEST_F(MovementTest, ClicksBesideThePartyMoveIt) {
  Click(256 + 40, 256 + 16);  // right of the party
  EXPECT_EQ(Party(PartyX), 288);
  Click(288 - 20, 256 + 16);  // left
  EXPECT_EQ(Party(PartyX), 256);
  Click(256 + 16, 256 + 50);  // below
  EXPECT_EQ(Party(PartyY), 288);
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

TEST_F(MovementTest, SixStepsOrOneRestAdvanceTheClockAndStepsCountTheBoostsDown) {
  g().PartyState[TimeOfDay] = 47;
  g().HeroTimers[1][2] = 2;
  g().HeroTimers[2][1] = 1;
  for (int i = 0; i < 5; ++i) Press(i % 2 ? KEY_LEFT : KEY_RIGHT);
  EXPECT_EQ(Party(TimeOfDay), 47);
  EXPECT_EQ(g().HeroTimers[1][2], 0);
  EXPECT_EQ(g().HeroTimers[2][1], 0);
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

struct Cell {
  int x, y;
  bool operator==(const Cell&) const = default;
};

struct Step {
  int direction;  // 1 up, 2 right, 3 down, 4 left
  Cell after;     // where the party stands after it (off the screen when leaving)
};

class WalkScenarioTest : public WorldTest {
 protected:
  // The shortest walk on the current screen from the party to `goal`, or
  // off the screen into the level after this one when there is no goal.
  std::optional<std::vector<Step>> Plan(std::optional<Cell> goal) {
    const Cell start{Party(PartyX) / 32, Party(PartyY) / 32};
    std::map<std::pair<int, int>, std::pair<Cell, Step>> from;
    std::deque<Cell> open{start};
    from[{start.x, start.y}] = {start, {0, start}};
    const int next = g().CurrentLevel + 1;
    while (!open.empty()) {
      const Cell c = open.front();
      open.pop_front();
      for (int d = 1; d <= 4; ++d) {
        int x = c.x * 32, y = c.y * 32;
        StepFrom(d, x, y);
        if (MoveBlocked(g(), x, y)) continue;
        Cell to{x / 32, y / 32};
        const bool off = x < 0 || y < 0 || x > 992 || y > 576;
        if (off) {
          int column = Party(ScreenColumn), row = Party(ScreenRow);
          column += d == 2 ? 1 : d == 4 ? -1 : 0;
          row += d == 1 ? 1 : d == 3 ? -1 : 0;
          if (goal || LevelOfScreen(g(), column, row) != next) continue;
          return Unwind(from, c, Step{d, Cell{x, y}});
        }
        for (int k = 1; k <= 2; ++k) {
          if (g().TeleporterPos[k][1] != x || g().TeleporterPos[k][2] != y) continue;
          int lx = g().TeleporterPos[3 - k][1], ly = g().TeleporterPos[3 - k][2];
          StepFrom(d, lx, ly);
          to = Cell{lx / 32, ly / 32};
          break;
        }
        if (to.x < 0 || to.x > 31 || to.y < 0 || to.y > 18 || from.count({to.x, to.y})) continue;
        const bool portal = g().CurrentLevel == 15 && to == Cell{9, 9};
        if (portal && !(goal && *goal == to)) continue;  // the portal only at the very end
        from[{to.x, to.y}] = {c, Step{d, Cell{to.x * 32, to.y * 32}}};
        if (goal && *goal == to) return Unwind(from, to, std::nullopt);
        open.push_back(to);
      }
    }
    return std::nullopt;
  }

  std::vector<Step> Unwind(const std::map<std::pair<int, int>, std::pair<Cell, Step>>& from, Cell end,
                           std::optional<Step> last) {
    std::vector<Step> steps;
    if (last) steps.push_back(*last);
    for (Cell c = end; from.at({c.x, c.y}).second.direction != 0; c = from.at({c.x, c.y}).first) {
      steps.push_back(from.at({c.x, c.y}).second);
    }
    return {steps.rbegin(), steps.rend()};
  }

  // Answers whatever holds the walk up until the party can move again.
  void Settle() {
    for (int guard = 0; guard < 2000; ++guard) {
      if (g().GameScreen == SCREEN_COMBAT) {
        ++battles;
        Press(KEY_SPACE);
      } else if (g().GameScreen == SCREEN_LOOT) {
        ++loots;
        Press(KEY_ESCAPE);  // end the looting
        Press(KEY_Y);
      } else if (g().GameScreen != SCREEN_WORLD) {
        Press(KEY_ESCAPE);
      } else if (g().SpeechKind != SPEECH_NONE) {
        if (g().SpeechKind == SPEECH_AREA_INTRO) ++intros;
        Frames(g().SpeechDelay);
        Press(KEY_ENTER);
      } else if (!ExplorationInputFree(g()) || g().ScreenReady == 0 || g().PendingScreen != 0) {
        Frames(1);
      } else {
        return;
      }
    }
    FAIL() << "the walk is stuck";
  }

  void Walk(const std::vector<Step>& steps) {
    for (const Step& s : steps) {
      // A walk that stuck stops here, rather than walking on for ever.
      ASSERT_NO_FATAL_FAILURE(Settle());
      static constexpr int KEYS[5] = {0, KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT};
      const int level = g().CurrentLevel;
      platform.ScriptKey(KEYS[s.direction], true);
      Frames(1);
      platform.ScriptKey(KEYS[s.direction], false);
      const bool leaving = s.after.x < 0 || s.after.y < 0 || s.after.x > 992 || s.after.y > 576;
      if (leaving) {
        Frames(1);
        ASSERT_EQ(g().CurrentLevel, level + 1);
      } else {
        ASSERT_EQ(Party(PartyX), s.after.x) << "level " << level;
        ASSERT_EQ(Party(PartyY), s.after.y) << "level " << level;
        Frames(1);
      }
      ++steps_;
    }
  }

  int steps_ = 0, battles = 0, loots = 0, intros = 0;
};

TEST_F(WalkScenarioTest, ANewGameWalksTheWorldToThePortal) {
  ASSERT_TRUE(LoadWorldMap(g()));  // the game's own map
  ResetGameTables(g());
  MakeTwoHeroes(g());
  g().GameInProgress = 1;
  g().GameScreen = SCREEN_WORLD;
  calm = false;  // the walk meets what chance brings
  SeedRandom(g(), 2024);
  Frames(1);
  ASSERT_EQ(g().CurrentLevel, 1);

  while (g().CurrentLevel < 15) {
    ASSERT_NO_FATAL_FAILURE(Settle());
    if (g().ChestPos[1] != ABSENT) {
      const auto toChest = Plan(Cell{g().ChestPos[1] / 32, g().ChestPos[2] / 32});
      ASSERT_TRUE(toChest) << "no way to the chest of level " << g().CurrentLevel;
      ASSERT_NO_FATAL_FAILURE(Walk(*toChest));
      Settle();
      EXPECT_TRUE(ChestOpened(g(), g().CurrentLevel));
    }
    const auto onward = Plan(std::nullopt);
    ASSERT_TRUE(onward) << "no way on from level " << g().CurrentLevel;
    ASSERT_NO_FATAL_FAILURE(Walk(*onward));
  }
  Settle();
  const auto toPortal = Plan(Cell{9, 9});
  ASSERT_TRUE(toPortal) << "no way to the portal";
  Walk(*toPortal);

  EXPECT_EQ(g().PortalEventFlag, 1);
  ASSERT_EQ(g().SpeechKind, SPEECH_HERO);
  Frames(g().SpeechDelay);
  Press(KEY_ENTER);
  EXPECT_GT(g().AttackBanner, 0);
  Frames(125);
  EXPECT_EQ(g().GameScreen, SCREEN_COMBAT);

  for (int n = 1; n <= 14; ++n) EXPECT_TRUE(ChestOpened(g(), n)) << "chest " << n;
  EXPECT_EQ(loots, 14);
  EXPECT_EQ(intros, 5);
  for (int a = 1; a <= 5; ++a) EXPECT_EQ(g().AreaIntroShown[a], 1);
  // About one step in eleven meets a monster.
  EXPECT_GT(battles, steps_ / 25);
  EXPECT_LT(battles, steps_ / 6);
}

}  // namespace
}  // namespace vv::test
