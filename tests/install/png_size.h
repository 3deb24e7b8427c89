#pragma once
// The width and height a PNG file declares; {0, 0} when it is no PNG.

#include <png.h>

#include <cstring>
#include <filesystem>
#include <utility>

namespace vv::testing_png {

inline std::pair<int, int> PngSize(const std::filesystem::path& path) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, path.c_str())) return {0, 0};
  const std::pair<int, int> size{static_cast<int>(image.width), static_cast<int>(image.height)};
  png_image_free(&image);
  return size;
}

}  // namespace vv::testing_png
