// Light and darkness: the reveal shapes by day, by night and on the dark
// levels, the light colour from the day light table and the sunset tint.

#include <cmath>

#include "world_test_support.h"

namespace vv::test {
namespace {

class DayNightTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    PlaceParty(3, 1, 512, 288);
    Frames(1);
  }
  int SeenCells(int c, int r) {
    int n = 0;
    for (auto& column : g().ExploredMap[c][r]) {
      for (int cell : column) n += cell;
    }
    return n;
  }
  void ForgetScreen(int c, int r) { SeeScreen(c, r, false); }
};

TEST_F(DayNightTest, RevealShrinksAtNightAndOnTheDarkLevels) {
  struct Case {
    int time, column, row, cells;
  };
  const Case cases[] = {
      {7, 3, 1, 21},  {8, 3, 1, 37},  {43, 3, 1, 37}, {44, 3, 1, 21}, {0, 3, 1, 21},  // level 1
      {20, 1, 2, 21}, {20, 2, 2, 21}, {20, 3, 2, 21},                                 // levels 4, 5, 6
      {20, 1, 3, 37},                                                                 // level 9
  };
  for (const Case& k : cases) {
    PlaceParty(k.column, k.row, 512, 288);
    ForgetScreen(k.column, k.row);
    g().PartyState[TimeOfDay] = k.time;
    Frames(1);
    EXPECT_EQ(SeenCells(k.column, k.row), k.cells) << "time " << k.time << ", level " << g().CurrentLevel;
  }
  // The 21 cells are five by five without the corners.
  EXPECT_EQ(g().ExploredMap[1][3][14][7], 1);
  PlaceParty(3, 1, 512, 288);
  ForgetScreen(3, 1);
  g().PartyState[TimeOfDay] = 2;
  Frames(1);
  EXPECT_EQ(g().ExploredMap[3][1][14][7], 0);
  EXPECT_EQ(g().ExploredMap[3][1][14][8], 1);
  EXPECT_EQ(g().ExploredMap[3][1][18][11], 0);

  // The option only changes the light: the night still sees less.
  g().OptionFlags[OPTION_DAY_NIGHT] = 0;
  ForgetScreen(3, 1);
  Frames(1);
  EXPECT_EQ(SeenCells(3, 1), 21);
}

TEST_F(DayNightTest, RevealStopsAtTheScreenBorder) {
  PlaceParty(3, 1, 0, 0);
  ForgetScreen(3, 1);
  g().PartyState[TimeOfDay] = 20;
  Frames(1);
  EXPECT_EQ(SeenCells(3, 1), 4 + 4 + 3 + 2);  // the lower-right quarter of the 37-cell shape
}

TEST_F(DayNightTest, LightIsFullAtNoonDarkestAtNightAndNeverBlueAboveRed) {
  for (int time = 0; time <= 47; ++time) {
    g().PartyState[TimeOfDay] = time;
    const LightColour l = WorldLight(g());
    EXPECT_GE(l.green, 38) << time;
    EXPECT_LE(l.red, 255) << time;
    EXPECT_GE(l.red, l.green) << time;  // evenings redden, nothing turns blue
    EXPECT_EQ(l.green, l.blue) << time;
  }
  g().PartyState[TimeOfDay] = 25;
  EXPECT_EQ(WorldLight(g()).green, 255);
  g().PartyState[TimeOfDay] = 0;
  EXPECT_EQ(WorldLight(g()).red, 38);
  g().OptionFlags[OPTION_DAY_NIGHT] = 0;
  EXPECT_EQ(WorldLight(g()).green, 255);
  g().OptionFlags[OPTION_DAY_NIGHT] = 1;
  PlaceParty(2, 2, 512, 288);  // level 5: half light at any hour
  Frames(1);
  EXPECT_EQ(WorldLight(g()).red, 127);
  EXPECT_EQ(WorldLight(g()).blue, 127);
}

}  // namespace
}  // namespace vv::test
