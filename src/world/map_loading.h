#pragma once
// Reading the map file into MapArray: a magic number (525), then 12,500
// tile records of ten little-endian 32-bit integers, column by column, row
// by row, slot by slot.

#include <cstdint>
#include <span>

#include "world/world_tables.h"

namespace vv {

constexpr int MAP_MAGIC = 525;
constexpr const char* MAP_FILE = "data/map.kqm";

// Fills MapArray from the bytes of the map file. False, with MapArray
// untouched, when the magic number is wrong; integers missing at the end of
// a short file read as 0.
bool ReadMap(WorldTables& world, std::span<const std::uint8_t> bytes);

}  // namespace vv
