#pragma once
// The real SDL platform without a screen or a sound card: for the playtest
// harness, the benchmarks and the tests that look at what it draws.

#include <cstdlib>
#include <string>

#include "platform/sdl_platform.h"

namespace vv {

// Points SDL at its offscreen video and dummy audio drivers, unless the
// environment already names others.
inline void UseHeadlessSdl() {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
}

// A windowed, unpaced platform that keeps its last frame, drawing through
// the named render driver ("software", "opengl").
inline SdlOptions HeadlessSdlOptions(const std::string& renderDriver) {
  UseHeadlessSdl();
  SdlOptions options;
  options.paced = false;
  options.fullscreen = false;
  options.keepLastFrame = true;
  options.forcedRenderDriver = renderDriver;
  return options;
}

}  // namespace vv
