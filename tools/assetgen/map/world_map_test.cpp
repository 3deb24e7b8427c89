#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "map_check.h"
#include "map_compiler.h"
#include "map_file.h"
#include "tile_table.h"
#include "world_layout.h"

namespace vv::gen {
namespace {

const std::filesystem::path ASSETS = VV_ASSETS_DIR;

const std::vector<std::uint8_t>& ShippedMap() {
  static const std::vector<std::uint8_t> bytes = CompileMap(ASSETS);
  return bytes;
}

TEST(WorldMap, ShippedWorldPassesTheCheck) {
  const auto& bytes = ShippedMap();
  ASSERT_EQ(bytes.size(), 500004u);
  EXPECT_EQ(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24, 525);
  const MapCheckReport report = CheckMap(bytes);
  EXPECT_TRUE(report.Ok()) << FormatReport(report);
  EXPECT_EQ(CompileMap(ASSETS), bytes);  // the same bytes on every build
}

// Every obstacle that closes the shipped world's edges is needed: take any
// one of them away and the check must notice.
TEST(WorldMap, EveryEdgeObstacleIsMissedWhenTaken) {
  MapData shipped;
  ASSERT_TRUE(DecodeMap(ShippedMap(), shipped));
  for (int level = 1; level <= LEVEL_COUNT; ++level) {
    const ScreenPos pos = ScreenOfLevel(level);
    const auto& slots = shipped.Screen(pos.column, pos.row);
    // One small obstacle from each side of the screen, away from the corners.
    for (int side = 0; side < 4; ++side) {
      for (int t = 1; t < MAP_SLOTS; ++t) {
        const MapTile& tile = slots[t];
        const int cx = tile.x / CELL;
        const int cy = tile.y / CELL;
        const bool onSide = side == 0 ? cy == 0 : side == 1 ? cy == 18 : side == 2 ? cx == 0 : cx == 31;
        const int along = side < 2 ? cx : cy;
        const int length = side < 2 ? SCREEN_CELLS_X : SCREEN_CELLS_Y;
        if (tile.kind != OBSTACLE || tile.width != CELL || !onSide || along < 2 || along > length - 3)
          continue;
        MapData broken = shipped;
        auto& brokenSlots = broken.Screen(pos.column, pos.row);
        brokenSlots.erase(brokenSlots.begin() + t);
        brokenSlots.push_back(MapTile{});
        EXPECT_FALSE(CheckMap(broken).Ok()) << "level " << level << " cell " << cx << ", " << cy;
        break;
      }
    }
  }
}

// The tile table the map tools use agrees with assets/tiles.txt.
TEST(WorldMap, TileTableMatchesTheTileList) {
  std::ifstream in(ASSETS / "tiles.txt");
  ASSERT_TRUE(in);
  const char* areas[] = {"any", "forest", "cavern", "desert", "garden", "hideout"};
  int rows = 0;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream words(line);
    int kind = 0;
    int image = 0;
    std::string area;
    std::string size;
    words >> kind >> image >> area >> size;
    const TileInfo info = LookUpTile(kind, image);
    EXPECT_EQ(areas[info.area < 0 ? 0 : info.area], area) << line;
    EXPECT_EQ(std::to_string(info.pictureW) + "x" + std::to_string(info.pictureH), size) << line;
    ++rows;
  }
  EXPECT_EQ(rows, FLOOR_IMAGES + OBSTACLE_IMAGES);
}

}  // namespace
}  // namespace vv::gen
