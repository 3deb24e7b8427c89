// vizid-icongen OUTDIR NAME: the game's icon in the hicolor theme's layout,
// OUTDIR/hicolor/SIZExSIZE/apps/NAME.png for every size and
// OUTDIR/hicolor/scalable/apps/NAME.svg.

#include <cstdio>
#include <filesystem>
#include <string>

#include "pictures/icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: vizid-icongen OUTDIR NAME\n");
    return 2;
  }
  const std::filesystem::path root = std::filesystem::path(argv[1]) / "hicolor";
  const std::string name = argv[2];
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    const std::filesystem::path dir = root / folder / "apps";
    std::filesystem::create_directories(dir);
    if (!vv::gen::WriteGameIconPng(size, (dir / (name + ".png")).string())) {
      std::fprintf(stderr, "vizid-icongen: cannot write %s\n", (dir / (name + ".png")).c_str());
      return 1;
    }
  }
  const std::filesystem::path svgDir = root / "scalable" / "apps";
  std::filesystem::create_directories(svgDir);
  if (!vv::gen::WriteGameIconSvg(256, (svgDir / (name + ".svg")).string())) {
    std::fprintf(stderr, "vizid-icongen: cannot write the SVG icon\n");
    return 1;
  }
  return 0;
}
