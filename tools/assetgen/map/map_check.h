#pragma once
// Proves a compiled world playable: the file's format, what stands on each
// screen, closed edges, and that walking, teleporting and crossing screens
// from the start reach every level, every chest and the portal without ever
// leaving the world or ending inside an obstacle.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vv::gen {

struct LevelReport {
  int tiles = 0;           // used tile slots
  int floorTiles = 0;      // of which floor objects
  int reachableCells = 0;  // cells the party can stand on, coming from the start
  int route = -1;          // fewest steps from where the party enters to the way on (or the portal)
  int chestDetour = -1;    // extra steps the chest costs on that route
  int openingToNext = 0;   // edge cells open towards the next level
};

struct MapCheckReport {
  std::vector<std::string> violations;
  std::array<LevelReport, 16> levels{};  // by level 1..15
  // Cells reached from the start: bit x of reached[level][y].
  std::array<std::array<std::uint32_t, 19>, 16> reached{};

  bool Ok() const { return violations.empty(); }
};

MapCheckReport CheckMap(std::span<const std::uint8_t> bytes);

struct MapData;
// The same check on records already read from a map file.
MapCheckReport CheckMap(const MapData& map);

// A table of the per-level figures followed by the violations, for people.
std::string FormatReport(const MapCheckReport& report);

}  // namespace vv::gen
