#pragma once
// Contact sheets for review: families at full size, tinted pictures under the
// game's tints, tiles on their grounds under three lights, monsters in battle.

#include <filesystem>
#include <map>
#include <string>

#include "../common/rgba_image.h"

namespace vv::gen {

// Returns the number of sheets written.
int WriteContactSheets(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& outDir);
// The scenes: text samples, world screens under three lights, battles.
int WriteSceneSheets(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& outDir);

}  // namespace vv::gen
