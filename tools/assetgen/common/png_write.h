#pragma once

#include <cstdint>
#include <vector>

#include "rgba_image.h"

namespace vv::gen {

// Encodes a picture as an 8-bit RGBA PNG. The output depends only on the
// pixels (no time stamps), so repeated runs give identical bytes.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image);

}  // namespace vv::gen
