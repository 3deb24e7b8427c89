#pragma once

#include <string_view>

#include "../common/rgba_image.h"

namespace vv::gen {

// Draws the picture with this file name (as in the catalogue, without folder:
// "arrow.png", "tile2_6.png", "monster_3a.png", "medfont.png"). Returns false
// for a name this module does not draw.
bool DrawPicture(std::string_view fileName, RgbaImage& out);

}  // namespace vv::gen
