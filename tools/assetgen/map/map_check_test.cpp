#include "map_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "map_file.h"
#include "world_layout.h"

namespace vv::gen {
namespace {

// Tiny worlds drawn with a few symbols: '#' a wall of the screen's area,
// 'C' a chest, 'O' a teleporter.
using Rows = std::vector<std::string>;

Rows Walled() {
  Rows rows(19, "#" + std::string(30, '.') + "#");
  rows[0] = rows[18] = std::string(32, '#');
  return rows;
}

void Draw(MapData& map, int level, const Rows& rows) {
  constexpr int WALL[6] = {0, 1, 10, 21, 28, 32};
  const ScreenPos pos = ScreenOfLevel(level);
  auto& slots = map.Screen(pos.column, pos.row);
  slots.assign(MAP_SLOTS, MapTile{});
  std::size_t used = 0;
  for (int y = 0; y < static_cast<int>(rows.size()); ++y) {
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      const char c = rows[y][x];
      if (c == '.') continue;
      const int kind = c == '#' ? 2 : 1;
      const int image = c == '#' ? WALL[LevelArea[level]] : c == 'C' ? 12 : 11;
      slots.at(used++) = MapTile{kind, image, x * 32, y * 32, 32, 32, 1};
    }
  }
  slots[0].ground = LevelArea[level];
}

bool Has(const MapCheckReport& report, const std::string& part) {
  for (const auto& v : report.violations) {
    if (v.find(part) != std::string::npos) return true;
  }
  return false;
}

MapCheckReport Check(const MapData& map) {
  return CheckMap(EncodeMap(map));
}

TEST(MapCheck, RefusesWhatIsNoMapFile) {
  MapData map;
  auto bytes = EncodeMap(map);
  bytes[0] = 12;  // magic 524 + ... no longer 525
  EXPECT_TRUE(Has(CheckMap(bytes), "not a map file"));
  bytes = EncodeMap(map);
  bytes.pop_back();
  EXPECT_TRUE(Has(CheckMap(bytes), "not a map file"));
}

TEST(MapCheck, CatchesRecordsOutsideTheFormat) {
  MapData map;
  Draw(map, 1, Walled());
  auto& slots = map.Screen(3, 1);
  const MapCheckReport clean = Check(map);
  EXPECT_FALSE(Has(clean, "slot"));
  EXPECT_FALSE(Has(clean, "level 1: ground"));

  slots[1].ground = 1;
  slots[2].width = 64;
  slots[3].rotation = 0;
  slots[4].x = 40;
  slots[5].image = 16;  // a cactus in the forest
  slots[6].unused9 = 3;
  slots[0].ground = 2;
  slots[8] = MapTile{};
  map.Screen(4, 1)[0] = MapTile{2, 1, 0, 0, 32, 32, 1};
  const MapCheckReport broken = Check(map);
  for (const char* part :
       {"slot 2 (2:1 at 32, 0): only tile 1 carries the ground", "slot 3 (2:1 at 64, 0): wrong size",
        "slot 4 (2:1 at 96, 0): rotation not 1..4", "slot 5 (2:1 at 40, 0): not on the cells",
        "slot 6 (2:16 at 160, 0): a tile of area 3 in area 1", "fields 8 and 9 must be 0",
        "level 1: ground 2 in tile 1, its area is 1", "slot 10 is used after an empty slot",
        "screen (4, 1) has no level but holds tiles"}) {
    EXPECT_TRUE(Has(broken, part)) << part;
  }
}

TEST(MapCheck, EdgesStayClosedExceptBetweenNeighbours) {
  MapData map;
  Rows one = Walled();
  one[3][24] = '.';
  one[9][0] = '.';  // towards level 2
  Draw(map, 1, one);
  Rows two = Walled();
  Draw(map, 2, two);
  MapCheckReport report = Check(map);
  EXPECT_TRUE(
      Has(report, "going left from level 1 cell (0, 9) lands inside an obstacle on level 2 cell (31, 9)"));
  EXPECT_FALSE(Has(report, "from level 1 cell (5, 18) leaves the world"));

  two[9][31] = '.';
  two[0][10] = '.';  // up from level 2 is level 5, not a neighbour on the path
  one[18][5] = '.';  // down from level 1 is outside the world
  Draw(map, 1, one);
  Draw(map, 2, two);
  report = Check(map);
  EXPECT_FALSE(Has(report, "from level 1 cell (0, 9) lands inside an obstacle"));
  EXPECT_TRUE(Has(report, "the edge of level 2 cell (10, 0) is open towards level 5"));
  EXPECT_TRUE(Has(report, "going down from level 1 cell (5, 18) leaves the world"));
  EXPECT_EQ(report.levels[1].openingToNext, 1);
  EXPECT_GT(report.levels[2].reachableCells, 0);
}

TEST(MapCheck, TeleportersLandOnFreeCellsOnly) {
  MapData map;
  Rows three = Walled();
  three[5][5] = 'O';
  three[5][10] = 'O';
  Draw(map, 3, three);
  EXPECT_FALSE(Has(Check(map), "the teleporter at level 3"));

  three[5][11] = '#';   // right of teleporter 2
  three[17][25] = 'O';  // a third teleporter never works
  Draw(map, 3, three);
  MapCheckReport report = Check(map);
  EXPECT_TRUE(
      Has(report, "the teleporter at level 3 cell (5, 5) entered going right lands inside an obstacle"));
  EXPECT_FALSE(Has(report, "cell (25, 17)"));

  three[5][11] = '.';
  three[5][10] = '.';
  three[16][10] = 'O';  // entered going down from above teleporter 1, lands on a wall
  three[17][10] = '#';
  Draw(map, 3, three);
  report = Check(map);
  EXPECT_TRUE(
      Has(report, "the teleporter at level 3 cell (5, 5) entered going down lands inside an obstacle"));
  three[16][10] = three[17][10] = three[17][25] = '.';
  three[18][10] = 'O';
  Draw(map, 3, three);
  report = Check(map);
  EXPECT_TRUE(
      Has(report, "the teleporter at level 3 cell (5, 5) entered going down lands outside the screen"));
  EXPECT_TRUE(Has(report, "the teleporter at level 3 cell (10, 18) stands on the edge of the screen"));
}

TEST(MapCheck, ChestsAndLevelsMustBeReached) {
  MapData map;
  Rows one = Walled();
  one[10][10] = 'C';
  Draw(map, 1, one);
  MapCheckReport report = Check(map);
  EXPECT_FALSE(Has(report, "the chest at level 1"));
  EXPECT_TRUE(Has(report, "level 2 cannot be reached from the start"));
  EXPECT_TRUE(Has(report, "no opening leads from level 1 to level 2"));

  for (int x = 9; x <= 11; ++x) one[9][x] = one[11][x] = '#';
  one[10][9] = one[10][11] = '#';
  Draw(map, 1, one);
  report = Check(map);
  EXPECT_TRUE(Has(report, "the chest at level 1 cell (10, 10) cannot be reached"));
  EXPECT_EQ(report.levels[1].reachableCells, 30 * 17 - 9);
}

TEST(MapCheck, SplitLevelsNeedTheirTeleporters) {
  // Level 3 is entered from level 2 on its right edge and left through its
  // top edge; a wall keeps the two apart but for the teleporters.
  MapData map;
  Draw(map, 2, Rows{});
  Draw(map, 4, Rows{});
  Rows three(19, std::string(32, '.'));
  for (int y = 0; y < 19; ++y) three[y][20] = '#';
  for (int x = 21; x < 32; ++x) three[0][x] = '#';
  three[9][18] = 'O';
  three[9][22] = 'O';
  Draw(map, 3, three);
  MapCheckReport report = Check(map);
  EXPECT_FALSE(Has(report, "level 3 can be crossed without its teleporters"));
  EXPECT_FALSE(Has(report, "the teleporter at level 3"));
  EXPECT_GT(report.levels[3].route, 0);

  three[5][20] = '.';
  Draw(map, 3, three);
  EXPECT_TRUE(Has(Check(map), "level 3 can be crossed without its teleporters"));
}

}  // namespace
}  // namespace vv::gen
