// Building a screen from the map and drawing its ground and tiles: empty
// slots, teleporters and the chest, the fog rule for small tiles, turned
// tiles, and the field image that keeps all of it between frames.

#include <algorithm>

#include "world_test_support.h"

namespace vv::test {
namespace {

class ScreenTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    PlaceParty(3, 1, 512, 288);
  }
};

TEST_F(ScreenTest, EmptySlotsAreSkippedAndOnlyTwoTeleportersCount) {
  const int ghost = PutTile(3, 1, KIND_OBSTACLE, 3, 64, 64, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 96, 96, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 800, 96, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 800, 480, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_CHEST, 640, 448, 32, 2);
  g().MapArray[3][1][ghost][tile::Kind] = 0;  // everything else still set
  BuildScreen(g(), 3, 1);
  EXPECT_EQ(g().CurrentLevel, 1);
  ASSERT_EQ(g().ScreenTiles.size(), 5u);  // the flower of slot 1, three teleporters, the chest
  EXPECT_EQ(g().ScreenTiles[1].index, ghost + 1);
  EXPECT_EQ(g().ScreenTiles[4].rotation, 2);
  EXPECT_EQ(g().TeleporterPos[1][1], 96);
  EXPECT_EQ(g().TeleporterPos[2][1], 800);
  EXPECT_EQ(g().TeleporterPos[2][2], 96);
  EXPECT_EQ(g().ChestPos[1], 640);
  EXPECT_EQ(g().ChestPos[2], 448);
  EXPECT_FALSE(MoveBlocked(g(), 64, 64));

  ChestRecord(g(), 1)[chest::Opened] = 1;
  BuildScreen(g(), 3, 1);
  EXPECT_EQ(g().ChestPos[1], ABSENT);
  EXPECT_EQ(g().ChestPos[2], ABSENT);
  EXPECT_EQ(g().ScreenTiles.size(), 5u);
}

TEST_F(ScreenTest, SmallTilesHideInTheFogAndLargeOnesDoNot) {
  PutTile(3, 1, KIND_OBSTACLE, 7, 128, 64, 64, 3);  // a turned tree in unseen cells
  PutTile(3, 1, KIND_OBSTACLE, 1, 256, 64, 32);     // a small one, unseen
  PutTile(3, 1, KIND_OBSTACLE, 2, 288, 64, 32);     // a small one, seen
  PutTile(3, 1, KIND_FLOOR, IMAGE_CHEST, 320, 64, 32);
  BuildScreen(g(), 3, 1);
  SeeScreen(3, 1, false);
  g().ExploredMap[3][1][9][2] = 1;
  g().ExploredMap[3][1][10][2] = 1;
  platform.Cls();
  DrawScreen(g());

  ASSERT_EQ(DrawnSoFar("ground_1.png").size(), 2u);
  EXPECT_EQ(DrawnSoFar("ground_1.png")[0].x, 288);
  const auto tree = DrawnSoFar("tile2_7.png");
  ASSERT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree[0].x, 192);  // turned 180 degrees about its corner, moved back over x 128..191
  EXPECT_EQ(tree[0].y, 128);
  EXPECT_EQ(tree[0].state.rotation, 180);
  EXPECT_TRUE(DrawnSoFar("tile2_1.png").empty());
  EXPECT_EQ(DrawnSoFar("tile2_2.png").size(), 1u);
  EXPECT_EQ(DrawnSoFar("tile1_12.png").size(), 1u);
  EXPECT_EQ(platform.State().rotation, 0);

  ChestRecord(g(), 1)[chest::Opened] = 1;  // an opened chest is gone
  platform.Cls();
  DrawScreen(g());
  EXPECT_TRUE(DrawnSoFar("tile1_12.png").empty());
}

TEST_F(ScreenTest, TheImagesAreRedrawnOnlyWhereCellsAreUncovered) {
  PutTile(3, 1, KIND_OBSTACLE, 6, 640, 256, 128);
  Frames(1);  // builds the screen and draws the base and the field whole
  const int base = g().BaseImage, field = g().FieldImage;
  ASSERT_NE(base, 0);
  ASSERT_NE(field, 0);
  EXPECT_EQ(DrawsOf("tile2_6.png", base).size(), 1u);
  EXPECT_EQ(DrawsOf("(render image)", field).size(), 1u);  // the base in the light
  EXPECT_FALSE(DrawsOf("fadex_1.png", field).empty());
  // On the screen: the field, the base again for the party's cell, the display.
  EXPECT_EQ(DrawsOf("(render image)").size(), 3u);

  Frames(1);  // nothing changed: only the copies
  EXPECT_TRUE(DrawsOf("tile2_6.png", base).empty());
  EXPECT_TRUE(DrawsOf("(render image)", field).empty());

  // A step uncovers a few cells: the base redraws them with their ground
  // and every tile reaching into them; the field takes them and their
  // neighbours (whose fog edges change) from the base.
  int before[32][19];
  std::copy(&g().ExploredMap[3][1][0][0], &g().ExploredMap[3][1][0][0] + 32 * 19, &before[0][0]);
  platform.ScriptKey(KEY_RIGHT, true);
  Frames(1);
  platform.ScriptKey(KEY_RIGHT, false);
  bool dirty[32][19] = {};
  std::size_t uncovered = 0, treeUncovered = 0, dirtyCells = 0;
  for (int x = 0; x < 32; ++x) {
    for (int y = 0; y < 19; ++y) {
      if (g().ExploredMap[3][1][x][y] == before[x][y]) continue;
      ++uncovered;
      treeUncovered += x >= 20 && x < 24 && y >= 8 && y < 12;
      for (int nx = std::max(0, x - 1); nx <= std::min(31, x + 1); ++nx) {
        for (int ny = std::max(0, y - 1); ny <= std::min(18, y + 1); ++ny) dirty[nx][ny] = true;
      }
    }
  }
  for (auto& column : dirty) dirtyCells += static_cast<std::size_t>(std::count(column, column + 19, true));
  EXPECT_GT(treeUncovered, 0u);
  EXPECT_EQ(DrawsOf("ground_1.png", base).size(), uncovered);
  EXPECT_EQ(DrawsOf("tile2_6.png", base).size(), treeUncovered);
  EXPECT_EQ(DrawsOf("(render image)", field).size(), dirtyCells);

  g().PartyState[TimeOfDay] = 40;  // another light: the field again, the base as it is
  Frames(1);
  EXPECT_TRUE(DrawsOf("tile2_6.png", base).empty());
  EXPECT_TRUE(DrawsOf("ground_1.png", base).empty());
  EXPECT_EQ(DrawsOf("(render image)", field).size(), 2u);  // the base and the tint

  ChestRecord(g(), 1)[chest::Opened] = 1;  // an opened chest: the base again
  Frames(1);
  EXPECT_EQ(DrawsOf("tile2_6.png", base).size(), 1u);
}

}  // namespace
}  // namespace vv::test
