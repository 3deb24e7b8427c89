#pragma once
// The level designer's text: legends that give each symbol its tiles, and
// one screen per level file drawn as 32 by 19 symbols.
//
// Level file:
//   level 3              which level this screen is
//   ground 1             ground picture of the whole screen (1..5)
//   legend forest        use the shared symbols of maps/legend_forest.txt
//   key ! 2:9            a symbol of this screen only (overrides the legend)
//   map                  followed by exactly 19 rows of 32 symbols
// Legend file: `key` lines only. A key names one or more tiles "kind:image",
// optionally turned with "r2".."r4" (quarter turns clockwise), e.g. "2:8r2";
// words after the tiles describe the symbol.
// '.' is bare ground. A large tile's symbol fills its whole footprint.
// Lines starting with '#' are comments, and so is anything after " #" on a
// row of the map.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "map_file.h"

namespace vv::gen {

struct ScreenDesign {
  int level = 0;
  int ground = 0;
  std::vector<MapTile> tiles;  // in drawing order; ground not yet stored
};

// Supplies the text of a shared legend by its name ("forest"); sets
// `fileName` for error messages. Throws when there is no such legend.
using LegendReader = std::function<std::string(const std::string& name, std::string& fileName)>;

// Parses one level file. Throws std::runtime_error("file:line: what") on
// any mistake in it or in a legend it uses.
ScreenDesign ParseLevel(const std::string& fileName, std::string_view text, const LegendReader& readLegend);

}  // namespace vv::gen
