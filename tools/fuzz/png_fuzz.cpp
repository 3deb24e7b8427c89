// Fuzz target of the picture loader: any bytes named as a picture decode to
// a whole picture or to nothing, and cutting one into the strips of frames
// the game asks for (the fonts, the tickers, the portraits) stays inside it.

#include "fuzz_support.h"
#include "platform/nodraw_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  vv::Pixels pixels;
  if (vv::DecodePng(bytes, pixels)) {
    vv::fuzz::Require(pixels.width > 0 && pixels.height > 0 && pixels.width <= 8192 &&
                      pixels.height <= 8192 &&
                      pixels.rgba.size() == static_cast<std::size_t>(pixels.width) * pixels.height * 4);
  } else {
    vv::fuzz::Require(pixels.rgba.empty());
  }

  static vv::NoDrawPlatform* platform = new vv::NoDrawPlatform;
  platform->RegisterAsset("data/gfx/fuzz.png", bytes);
  const int image = platform->LoadImage("data/gfx/fuzz.png", vv::IMAGE_MASKED);
  vv::fuzz::Require((image != 0) == (pixels.width > 0));
  if (image != 0) {
    vv::fuzz::Require(platform->ImageWidth(image) == pixels.width &&
                      platform->ImageHeight(image) == pixels.height);
    platform->FreeImage(image);
  }
  struct Strip {
    int cellW, cellH, first, count;
  };
  for (const Strip s : {Strip{60, 60, 0, 63}, Strip{17, 17, 0, 2}, Strip{1, 1, 3, 5}, Strip{3, 2, 1, 4}}) {
    const int strip = platform->LoadAnimImage("data/gfx/fuzz.png", s.cellW, s.cellH, s.first, s.count, 0);
    if (strip == 0) continue;
    vv::fuzz::Require(platform->ImageWidth(strip) == s.cellW && platform->ImageFrames(strip) == s.count &&
                      (pixels.width / s.cellW) * (pixels.height / s.cellH) >= s.first + s.count);
    platform->FreeImage(strip);
  }
  return 0;
}
