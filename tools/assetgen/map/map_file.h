#pragma once
// The world map as the game reads it: a magic number, then for every screen
// column, row and tile slot one record of ten little-endian int32 fields.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vv::gen {

inline constexpr std::int32_t MAP_MAGIC = 525;
inline constexpr int MAP_SLOTS = 500;  // tile slots per screen
inline constexpr int MAP_FIELDS = 10;
inline constexpr std::size_t MAP_FILE_SIZE = 4 + std::size_t{5} * 5 * MAP_SLOTS * MAP_FIELDS * 4;

// One tile record; the field order is the file's.
struct MapTile {
  std::int32_t kind = 0;
  std::int32_t image = 0;
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t rotation = 0;
  std::int32_t unused8 = 0;
  std::int32_t unused9 = 0;
  std::int32_t ground = 0;  // read from slot 1 only: the ground of the whole screen

  bool Empty() const {
    return kind == 0 && image == 0 && x == 0 && y == 0 && width == 0 && height == 0 && rotation == 0 &&
           unused8 == 0 && unused9 == 0 && ground == 0;
  }
  bool operator==(const MapTile&) const = default;
};

// All 25 screens, each a full row of 500 slots (empty slots are all zero).
struct MapData {
  std::array<std::array<std::vector<MapTile>, 6>, 6> screens;  // [column 1..5][row 1..5]

  MapData();
  std::vector<MapTile>& Screen(int column, int row) { return screens[column][row]; }
  const std::vector<MapTile>& Screen(int column, int row) const { return screens[column][row]; }
};

std::vector<std::uint8_t> EncodeMap(const MapData& map);

// Reads the records of a map file. Returns false when the size or the magic
// number is wrong; `out` is then left untouched.
bool DecodeMap(std::span<const std::uint8_t> bytes, MapData& out);

}  // namespace vv::gen
