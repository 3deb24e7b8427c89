#include "map_file.h"

namespace vv::gen {
namespace {

void PutInt(std::vector<std::uint8_t>& out, std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(u >> shift));
}

std::int32_t GetInt(std::span<const std::uint8_t> bytes, std::size_t at) {
  std::uint32_t u = 0;
  for (int i = 3; i >= 0; --i) u = (u << 8) | bytes[at + i];
  return static_cast<std::int32_t>(u);
}

}  // namespace

MapData::MapData() {
  for (auto& column : screens) {
    for (auto& screen : column) screen.assign(MAP_SLOTS, MapTile{});
  }
}

std::vector<std::uint8_t> EncodeMap(const MapData& map) {
  std::vector<std::uint8_t> out;
  out.reserve(MAP_FILE_SIZE);
  PutInt(out, MAP_MAGIC);
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      const auto& screen = map.Screen(c, r);
      for (int t = 0; t < MAP_SLOTS; ++t) {
        const MapTile tile = t < static_cast<int>(screen.size()) ? screen[t] : MapTile{};
        for (std::int32_t field : {tile.kind, tile.image, tile.x, tile.y, tile.width, tile.height,
                                   tile.rotation, tile.unused8, tile.unused9, tile.ground}) {
          PutInt(out, field);
        }
      }
    }
  }
  return out;
}

bool DecodeMap(std::span<const std::uint8_t> bytes, MapData& out) {
  if (bytes.size() != MAP_FILE_SIZE || GetInt(bytes, 0) != MAP_MAGIC) return false;
  std::size_t at = 4;
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      auto& screen = out.Screen(c, r);
      screen.assign(MAP_SLOTS, MapTile{});
      for (auto& tile : screen) {
        std::int32_t* fields[] = {&tile.kind,   &tile.image,    &tile.x,       &tile.y,       &tile.width,
                                  &tile.height, &tile.rotation, &tile.unused8, &tile.unused9, &tile.ground};
        for (std::int32_t* field : fields) {
          *field = GetInt(bytes, at);
          at += 4;
        }
      }
    }
  }
  return true;
}

}  // namespace vv::gen
