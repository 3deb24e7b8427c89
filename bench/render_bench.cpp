// Measures what the game costs: asset load time, time from start to the
// first main-menu frame, and the cost of a busy frame (about 1,700 small
// pictures plus a few full-screen ones) on each renderer, headless.
//
//   vizid-bench-render [frames]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/headless_sdl.h"
#include "session.h"
#include "shell/assets.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

void BusyFrame(vv::Shell& s) {
  vv::Platform& p = s.platform;
  p.TileImage(s.MenuBackImage, 0, 0);
  p.SetBlend(vv::BLEND_ALPHA);
  p.SetAlpha(0.5f);
  for (int i = 0; i < 4; ++i) p.DrawImage(s.LowBarImage, 0, 150.0f * i);
  p.SetBlend(vv::BLEND_MASKED);
  p.SetAlpha(1);
  // A screen full of cells: ground, tiles and fog pieces.
  for (int i = 0; i < 1700; ++i) {
    const int kind = 1 + i % 2;
    const int image = s.TileImages[kind][1 + i % 25];
    p.SetColor(200 + i % 55, 200, 180);
    p.DrawImage(image, static_cast<float>((i % 32) * 32), static_cast<float>(((i / 32) % 19) * 32));
  }
  p.ResetDrawState();
}

void MeasureRenderer(const std::string& driver, int frames) {
  vv::SdlOptions options = vv::HeadlessSdlOptions(driver);
  options.keepLastFrame = false;  // a player's frames are not copied for screenshots
  vv::SdlPlatform p(options);
  std::string error;
  if (!p.Init(error) || !p.OpenGameDisplay(vv::RendererChoice::OpenGL, "bench", error)) {
    std::printf("%-9s unavailable: %s\n", driver.c_str(), error.c_str());
    return;
  }
  vv::RegisterAssets(p);
  p.SetMaskColor(255, 255, 255);
  vv::Shell shell(p);
  const auto loadStart = Clock::now();
  vv::LoadFonts(shell);
  vv::LoadGameImages(shell);
  vv::LoadGameSounds(shell);
  const double loadMs = Ms(Clock::now() - loadStart);

  std::uint8_t pixel[4];
  const SDL_Rect one{0, 0, 1, 1};
  auto sync = [&] { SDL_RenderReadPixels(SDL_GetRenderer(SDL_GetWindowFromID(1)), &one, 0, pixel, 4); };
  for (int i = 0; i < 5; ++i) {
    BusyFrame(shell);
    p.Flip();
    p.Cls();
  }
  sync();
  const auto start = Clock::now();
  for (int i = 0; i < frames; ++i) {
    BusyFrame(shell);
    p.Flip();
    p.Cls();
  }
  sync();  // the OpenGL queue must drain before the clock stops
  const double perFrame = Ms(Clock::now() - start) / frames;
  std::printf("%-9s images and sounds loaded in %.1f ms; busy frame %.2f ms (%.0f frames per second)\n",
              driver.c_str(), loadMs, perFrame, 1000.0 / perFrame);
}

void MeasureStartup() {
  const auto start = Clock::now();
  vv::PlaytestSession session({});
  std::string error;
  if (!session.Start(error)) {
    std::printf("start-up failed: %s\n", error.c_str());
    return;
  }
  session.Frames(1);
  std::printf("start-up to the first main-menu frame (unpaced, software): %.1f ms\n",
              Ms(Clock::now() - start));
}

}  // namespace

int main(int argc, char** argv) {
  vv::UseHeadlessSdl();
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  MeasureStartup();
  MeasureRenderer("software", frames);
  MeasureRenderer("opengl", frames);
  return 0;
}
