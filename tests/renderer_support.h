#pragma once
// What the renderer tests share: a machine without OpenGL (no graphics
// stack, or SDL built without it) skips the OpenGL cases the same way in
// every test, and a frame is read back through a PNG in the test's own
// temporary folder.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/headless_sdl.h"
#include "platform/sdl_platform.h"
#include "shell/file_io.h"
#include "temp_folder.h"

namespace vv {

// Why SDL cannot draw through `driver` here, or empty when it can.
inline std::string RendererMissing(const std::string& driver) {
  SdlPlatform probe(HeadlessSdlOptions(driver));
  std::string error;
  if (probe.Init(error) && probe.OpenGameDisplay(RendererChoice::OpenGL, "probe", error)) return "";
  return error.empty() ? "the renderer cannot be opened" : error;
}

// Skips the running test when `driver` is missing.
#define VIZID_SKIP_WITHOUT_RENDERER(driver)                                    \
  do {                                                                         \
    if (const std::string why = ::vv::RendererMissing(driver); !why.empty()) { \
      GTEST_SKIP() << "no " << (driver) << " renderer here: " << why;          \
    }                                                                          \
  } while (false)

// The platform's last presented frame, through a PNG file.
inline bool ReadBackFrame(SdlPlatform& p, Pixels& out) {
  const TempFolder folder("vizid-frame");
  const std::string path = (folder / "frame.png").string();
  if (folder.path().empty() || !p.SaveScreenshot(path)) return false;
  std::vector<std::uint8_t> bytes;
  return ReadWholeFile(path, bytes) && DecodePng(bytes, out);
}

}  // namespace vv
