// Fuzz target of the map file: a file with the wrong magic number leaves
// the map as it was; any other file fills every field from its integers
// (zeros past a short end), and every screen then builds a tile list of the
// map's tiles alone.

#include <cstring>
#include <memory>

#include "fuzz_support.h"
#include "world/level_table.h"
#include "world/map_loading.h"
#include "world/world_screen.h"

namespace {

std::int32_t IntAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  std::uint32_t v = 0;
  for (int k = 3; k >= 0; --k) v = v << 8 | bytes[offset + static_cast<std::size_t>(k)];
  return static_cast<std::int32_t>(v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  static vv::WorldTables* world = [] {
    auto* w = new vv::WorldTables;
    vv::InitLevelTables(*w);
    return w;
  }();
  auto& map = world->MapArray;
  // A mark in the first and last field shows whether a refused file left it alone.
  map[1][1][1][1] = -77;
  map[vv::MAP_SCREENS][vv::MAP_SCREENS][vv::MAP_SLOTS][vv::MAP_FIELDS] = -78;
  if (!vv::ReadMap(*world, bytes)) {
    vv::fuzz::Require(IntAt(bytes, 0) != vv::MAP_MAGIC && map[1][1][1][1] == -77 &&
                      map[vv::MAP_SCREENS][vv::MAP_SCREENS][vv::MAP_SLOTS][vv::MAP_FIELDS] == -78);
    return 0;
  }
  std::size_t offset = 4;
  for (int c = 1; c <= vv::MAP_SCREENS; ++c) {
    for (int r = 1; r <= vv::MAP_SCREENS; ++r) {
      for (int t = 1; t <= vv::MAP_SLOTS; ++t) {
        for (int f = 1; f <= vv::MAP_FIELDS; ++f, offset += 4)
          vv::fuzz::Require(map[c][r][t][f] == IntAt(bytes, offset));
      }
      vv::BuildScreen(*world, c, r);
      int used = 0;
      for (int t = 1; t <= vv::MAP_SLOTS; ++t) used += map[c][r][t][1] > 0;
      vv::fuzz::Require(static_cast<int>(world->ScreenTiles.size()) == used);
      for (const vv::T_Tile& tile : world->ScreenTiles) {
        vv::fuzz::Require(tile.index >= 1 && tile.index <= vv::MAP_SLOTS &&
                          tile.kind == map[c][r][tile.index][1]);
      }
    }
  }
  return 0;
}
