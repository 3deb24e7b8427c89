#include "map_file.h"

namespace vv::gen {
namespace {

std::int32_t GetInt(std::span<const std::uint8_t> bytes, std::size_t at) {
  const std::uint32_t u =
      bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
  return static_cast<std::int32_t>(u);
}

}  // namespace

MapData::MapData() {
  for (auto& column : screens) {
    for (auto& screen : column) screen.assign(MAP_SLOTS, MapTile{});
  }
}

std::vector<std::uint8_t> EncodeMap(const MapData& map) {
  std::vector<std::uint8_t> out(MAP_FILE_SIZE);
  std::uint8_t* at = out.data();
  const auto put = [&at](std::int32_t value) {
    const auto u = static_cast<std::uint32_t>(value);
    at[0] = static_cast<std::uint8_t>(u);
    at[1] = static_cast<std::uint8_t>(u >> 8);
    at[2] = static_cast<std::uint8_t>(u >> 16);
    at[3] = static_cast<std::uint8_t>(u >> 24);
    at += 4;
  };
  put(MAP_MAGIC);
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      const auto& screen = map.Screen(c, r);
      for (int t = 0; t < MAP_SLOTS; ++t) {
        const MapTile tile = t < static_cast<int>(screen.size()) ? screen[t] : MapTile{};
        put(tile.kind);
        put(tile.image);
        put(tile.x);
        put(tile.y);
        put(tile.width);
        put(tile.height);
        put(tile.rotation);
        put(tile.unused8);
        put(tile.unused9);
        put(tile.ground);
      }
    }
  }
  return out;
}

bool DecodeMap(std::span<const std::uint8_t> bytes, MapData& out) {
  if (bytes.size() != MAP_FILE_SIZE || GetInt(bytes, 0) != MAP_MAGIC) return false;
  std::size_t at = 4;
  const auto get = [&]() {
    const std::int32_t value = GetInt(bytes, at);
    at += 4;
    return value;
  };
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      auto& screen = out.Screen(c, r);
      screen.resize(MAP_SLOTS);
      for (MapTile& tile : screen) {
        tile.kind = get();
        tile.image = get();
        tile.x = get();
        tile.y = get();
        tile.width = get();
        tile.height = get();
        tile.rotation = get();
        tile.unused8 = get();
        tile.unused9 = get();
        tile.ground = get();
      }
    }
  }
  return true;
}

}  // namespace vv::gen
