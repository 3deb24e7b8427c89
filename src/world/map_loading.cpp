#include "world/map_loading.h"

#include <cstddef>

namespace vv {
namespace {

// The little-endian integer at byte `offset`, 0 past the end.
std::int32_t IntAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  if (offset + 4 > bytes.size()) return 0;
  const std::uint32_t v = static_cast<std::uint32_t>(bytes[offset]) |
                          static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
                          static_cast<std::uint32_t>(bytes[offset + 2]) << 16 |
                          static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
  return static_cast<std::int32_t>(v);
}

}  // namespace

bool ReadMap(WorldTables& w, std::span<const std::uint8_t> bytes) {
  if (IntAt(bytes, 0) != MAP_MAGIC) return false;
  std::size_t offset = 4;
  for (int c = 1; c <= MAP_SCREENS; ++c) {
    for (int r = 1; r <= MAP_SCREENS; ++r) {
      for (int t = 1; t <= MAP_SLOTS; ++t) {
        for (int f = 1; f <= MAP_FIELDS; ++f, offset += 4) w.MapArray[c][r][t][f] = IntAt(bytes, offset);
      }
    }
  }
  return true;
}

}  // namespace vv
