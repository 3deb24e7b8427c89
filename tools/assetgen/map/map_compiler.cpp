#include "map_compiler.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

#include "map_file.h"
#include "map_source.h"
#include "world_layout.h"

namespace vv::gen {
namespace {

std::string ReadText(const std::filesystem::path& path, const std::string& shownName) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(shownName + ":0: cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

}  // namespace

std::vector<std::uint8_t> CompileMap(const std::filesystem::path& assetsDir) {
  const std::filesystem::path mapsDir = assetsDir / "maps";
  const LegendReader readLegend = [&](const std::string& name, std::string& fileName) {
    fileName = "maps/legend_" + name + ".txt";
    return ReadText(mapsDir / ("legend_" + name + ".txt"), fileName);
  };

  MapData map;
  for (int level = 1; level <= LEVEL_COUNT; ++level) {
    char name[32];
    std::snprintf(name, sizeof name, "level_%02d.txt", level);
    const std::string shownName = std::string("maps/") + name;
    const ScreenDesign design = ParseLevel(shownName, ReadText(mapsDir / name, shownName), readLegend);
    if (design.level != level) {
      throw std::runtime_error(shownName + ":1: the file says level " + std::to_string(design.level) +
                               ", its name level " + std::to_string(level));
    }
    if (design.tiles.empty()) {
      throw std::runtime_error(shownName + ":1: a screen needs at least one tile to carry its ground");
    }
    if (design.tiles.size() > MAP_SLOTS) {
      throw std::runtime_error(shownName + ":1: " + std::to_string(design.tiles.size()) +
                               " tiles, but a screen holds at most " + std::to_string(MAP_SLOTS));
    }
    const ScreenPos pos = ScreenOfLevel(level);
    auto& screen = map.Screen(pos.column, pos.row);
    std::copy(design.tiles.begin(), design.tiles.end(), screen.begin());
    screen[0].ground = design.ground;
  }
  return EncodeMap(map);
}

}  // namespace vv::gen
