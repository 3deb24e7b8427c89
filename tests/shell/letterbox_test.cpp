// The canvas letterboxed into whatever the renderer really presents into,
// and the mouse mapped back onto it.

#include "platform/letterbox.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vv {
namespace {

TEST(LetterboxTest, TheWholeCanvasShowsCentredInEveryOutput) {
  struct Case {
    int ow, oh;
    Letterbox want;
  };
  const Case cases[] = {
      {1024, 768, {0, 0, 1024, 768}},    // exactly the canvas
      {1280, 1024, {0, 32, 1280, 960}},  // taller: bars above and below
      {1366, 768, {171, 0, 1024, 768}},  // wider: bars left and right (odd margin)
      {1920, 1080, {240, 0, 1440, 1080}}, {1023, 767, {0, 0, 1023, 767}},  // a pixel short both ways
      {801, 601, {0, 0, 801, 601}},  // odd and smaller: rounded, never past the edge
      {3, 1000, {0, 499, 3, 2}},     // absurdly narrow
  };
  for (const Case& c : cases) {
    const Letterbox got = FitCanvas(1024, 768, c.ow, c.oh);
    EXPECT_EQ(std::tie(got.x, got.y, got.w, got.h), std::tie(c.want.x, c.want.y, c.want.w, c.want.h))
        << c.ow << "x" << c.oh;
    EXPECT_LE(got.x + got.w, c.ow);
    EXPECT_LE(got.y + got.h, c.oh);
  }
  // A minimised window has nothing to show into.
  const Letterbox none = FitCanvas(1024, 768, 0, 0);
  EXPECT_EQ(none.w * none.h, 0);
}

TEST(LetterboxTest, TheMouseLandsOnTheCanvasPixelUnderItOrTheNearestEdge) {
  struct Case {
    const char* where;
    int wx, wy, windowW, windowH, outputW, outputH;
    int cx, cy;
  };
  const Case cases[] = {
      // 1280 x 1024 without a window manager: scale 1.25, bars 32 high.
      {"top left", 0, 32, 1280, 1024, 1280, 1024, 0, 0},
      {"bottom right", 1279, 991, 1280, 1024, 1280, 1024, 1023, 767},
      {"centre", 640, 512, 1280, 1024, 1280, 1024, 512, 384},
      {"top bar", 100, 5, 1280, 1024, 1280, 1024, 80, 0},
      {"bottom bar", 100, 1020, 1280, 1024, 1280, 1024, 80, 767},
      // Wider: the left bar is 171 wide, then one pixel per pixel.
      {"left edge", 171, 0, 1366, 768, 1366, 768, 0, 0},
      {"right edge", 1194, 767, 1366, 768, 1366, 768, 1023, 767},
      {"left bar", 10, 300, 1366, 768, 1366, 768, 0, 300},
      {"right bar", 1360, 300, 1366, 768, 1366, 768, 1023, 300},
      // High density: the window has half as many points as output pixels.
      {"high density", 256, 192, 512, 384, 1024, 768, 512, 384},
      // Outside the window altogether (a drag past its edge).
      {"outside", -50, 5000, 1024, 768, 1024, 768, 0, 767},
  };
  for (const Case& c : cases) {
    int cx = -1, cy = -1;
    WindowPointToCanvas(c.wx, c.wy, c.windowW, c.windowH, c.outputW, c.outputH, 1024, 768, cx, cy);
    EXPECT_EQ(std::tie(cx, cy), std::tie(c.cx, c.cy)) << c.where;
  }
}

}  // namespace
}  // namespace vv
