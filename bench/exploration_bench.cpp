// What one exploration frame costs on each renderer, headless: the real
// frame loop on the busiest screen of the map, explored in several ways,
// by day and at dusk, with the pointer over the party.
//
//   vizid-bench-exploration [frames]

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "game/game.h"
#include "game/game_setup.h"
#include "platform/sdl_platform.h"
#include "shell/assets.h"
#include "world/exploration.h"
#include "world/world_module.h"
#include "world/world_screen.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

// The used screen with the most tiles.
void BusiestScreen(const vv::Game& g, int& column, int& row, int& tiles) {
  tiles = -1;
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      if (g.LevelGrid[c][r] == 0) continue;
      int n = 0;
      for (int t = 1; t <= vv::MAP_SLOTS; ++t) n += g.MapArray[c][r][t][vv::tile::Kind] > 0;
      if (n > tiles) tiles = n, column = c, row = r;
    }
  }
}

// A free cell near the middle of the screen.
void PlaceParty(vv::Game& g) {
  for (int radius = 0; radius < 16; ++radius) {
    for (int y = 9 - radius; y <= 9 + radius; ++y) {
      for (int x = 16 - radius; x <= 16 + radius; ++x) {
        if (x < 1 || x > 30 || y < 1 || y > 17) continue;
        if (!vv::MoveBlocked(g, x * 32, y * 32)) {
          g.PartyState[vv::PartyX] = x * 32, g.PartyState[vv::PartyY] = y * 32;
          return;
        }
      }
    }
  }
}

enum class Fog { All, Half, Path };

void Explore(vv::Game& g, Fog fog) {
  const int c = g.PartyState[vv::ScreenColumn], r = g.PartyState[vv::ScreenRow];
  for (int x = 0; x < 32; ++x) {
    for (int y = 0; y < 19; ++y) {
      int seen = 1;
      if (fog == Fog::Half) seen = x < 16;
      // A walked trail: a winding band three to seven cells wide.
      if (fog == Fog::Path) seen = std::abs(y - 9 - (x % 12 < 6 ? x % 6 : 6 - x % 6) + 3) <= 2 + (x % 5 == 0);
      g.ExploredMap[c][r][x][y] = seen;
    }
  }
}

void Measure(const std::string& driver, int frames) {
  vv::SdlOptions options;
  options.paced = false;
  options.fullscreen = false;
  options.forcedRenderDriver = driver;
  vv::SdlPlatform p(options);
  std::string error;
  if (!p.Init(error) || !p.OpenGameDisplay(vv::RendererChoice::OpenGL, "bench", error)) {
    std::printf("%-9s unavailable: %s\n", driver.c_str(), error.c_str());
    return;
  }
  p.SetScriptedInput(true);
  vv::RegisterAssets(p);
  p.SetMaskColor(255, 255, 255);
  auto game = std::make_unique<vv::Game>(p);
  vv::Game& g = *game;
  vv::MakeStartupHooks(g).initTables();
  vv::LoadFonts(g);
  vv::LoadGameImages(g);
  if (!vv::LoadWorldMap(g)) {
    std::printf("the map is invalid\n");
    return;
  }
  const vv::LoopHooks hooks = vv::MakeLoopHooks(g);

  vv::ResetGameTables(g);
  for (int h = 1; h <= 2; ++h) {
    g.HeroNames[h] = h == 1 ? "ARNE" : "BIRGIT";
    g.HeroStats[h][vv::hero::Face] = h;
    g.HeroStats[h][vv::hero::MaxHealth] = 40;
    g.HeroStats[h][vv::hero::Health] = 25;
    g.HeroTimers[h][1] = g.HeroTimers[h][3] = 10;
  }
  for (int& shown : g.AreaIntroShown) shown = 1;
  g.GameInProgress = 1;
  g.GameScreen = vv::SCREEN_WORLD;
  g.ScreenFade[1] = 0;
  int column = 0, row = 0, tiles = 0;
  BusiestScreen(g, column, row, tiles);
  g.PartyState[vv::ScreenColumn] = column;
  g.PartyState[vv::ScreenRow] = row;
  g.ScreenReady = 0;
  vv::RunFrame(g, hooks);
  PlaceParty(g);
  p.ScriptMouse(g.PartyState[vv::PartyX] + 16, g.PartyState[vv::PartyY] + 16);

  std::uint8_t pixel[4];
  const SDL_Rect one{0, 0, 1, 1};
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(1));
  auto sync = [&] { SDL_RenderReadPixels(renderer, &one, 0, pixel, 4); };

  struct Case {
    const char* name;
    Fog fog;
    int time;
  };
  const Case cases[] = {{"explored, day", Fog::All, 24},
                        {"explored, dusk", Fog::All, 40},
                        {"half explored, dusk", Fog::Half, 40},
                        {"trail explored, dusk", Fog::Path, 40}};
  std::printf("%-9s level %d (screen %d, %d), %d tiles\n", driver.c_str(), g.CurrentLevel, column, row,
              tiles);
  for (const Case& k : cases) {
    g.PartyState[vv::TimeOfDay] = k.time;
    Explore(g, k.fog);
    for (int i = 0; i < 5; ++i) vv::RunFrame(g, hooks);
    sync();
    const auto start = Clock::now();
    for (int i = 0; i < frames; ++i) {
      // Keep the party's surroundings as they are: no new cells each frame.
      vv::RunFrame(g, hooks);
    }
    sync();  // the OpenGL queue must drain before the clock stops
    const double perFrame = Ms(Clock::now() - start) / frames;
    std::printf("  %-22s %6.2f ms a frame (%4.0f frames per second)\n", k.name, perFrame, 1000.0 / perFrame);
  }
}

}  // namespace

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  Measure("software", frames);
  Measure("opengl", frames);
  return 0;
}
