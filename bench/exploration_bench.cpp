// What one exploration frame costs on each renderer, headless: the real
// frame loop on the busiest screens of the map (the busiest of all and the
// busiest lit one, which gets the sunset tint), explored in several ways,
// with the pointer over the party: standing still, stepping into the fog,
// under a new light every frame (as every sixth step at dawn and dusk) and
// entering the screen anew every frame (everything redrawn).
//
//   vizid-bench-exploration [frames [renderer]]

#include <SDL.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

#include "game/game.h"
#include "game/game_setup.h"
#include "platform/headless_sdl.h"
#include "shell/assets.h"
#include "world/exploration.h"
#include "world/level_table.h"
#include "world/world_module.h"
#include "world/world_screen.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

int TileCount(const vv::Game& g, int c, int r) {
  int n = 0;
  for (int t = 1; t <= vv::MAP_SLOTS; ++t) n += g.MapArray[c][r][t][vv::tile::Kind] > 0;
  return n;
}

// The used screen with the most tiles, among the lit ones if asked.
void BusiestScreen(const vv::Game& g, bool litOnly, int& column, int& row) {
  int most = -1;
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      const int level = g.LevelGrid[c][r];
      if (level == 0 || (litOnly && vv::IsDarkLevel(g, level))) continue;
      const int n = TileCount(g, c, r);
      if (n > most) most = n, column = c, row = r;
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

enum class Fog { All, Half, Trail };

void Explore(vv::Game& g, Fog fog) {
  const int c = g.PartyState[vv::ScreenColumn], r = g.PartyState[vv::ScreenRow];
  const int px = g.PartyState[vv::PartyX] / 32, py = g.PartyState[vv::PartyY] / 32;
  for (int x = 0; x < 32; ++x) {
    for (int y = 0; y < 19; ++y) {
      int seen = 1;
      if (fog == Fog::Half) seen = x < 16;
      // A walked trail: a winding band about five cells wide.
      if (fog == Fog::Trail) seen = std::abs(y - 6 - (x % 12 < 6 ? x % 6 : 6 - x % 6)) <= 2 + (x % 5 == 0);
      g.ExploredMap[c][r][x][y] = seen;
    }
  }
  // Around the party everything is always seen.
  for (int x = px - 2; x <= px + 2; ++x) {
    for (int y = py - 2; y <= py + 2; ++y) {
      if (x >= 0 && x < 32 && y >= 0 && y < 19) g.ExploredMap[c][r][x][y] = 1;
    }
  }
}

enum class Change { None, NewCells, Light, Everything };

struct Case {
  const char* name;
  Fog fog;
  int time;
  Change change;
};

constexpr Case CASES[] = {
    {"explored, day", Fog::All, 24, Change::None},
    {"explored, dusk", Fog::All, 40, Change::None},
    {"half explored, dusk", Fog::Half, 40, Change::None},
    {"trail explored, dusk", Fog::Trail, 40, Change::None},
    {"a step into the fog", Fog::Half, 40, Change::NewCells},
    {"a new light every frame", Fog::Half, 40, Change::Light},
    {"a new screen every frame", Fog::Half, 40, Change::Everything},
};

void MeasureScreen(vv::Game& g, const vv::LoopHooks& hooks, int column, int row, int frames) {
  vv::Platform& p = g.platform;
  g.PartyState[vv::ScreenColumn] = column;
  g.PartyState[vv::ScreenRow] = row;
  g.ScreenReady = 0;
  g.GameScreen = vv::SCREEN_WORLD;
  vv::RunFrame(g, hooks);
  PlaceParty(g);
  p.ScriptMouse(g.PartyState[vv::PartyX] + 16, g.PartyState[vv::PartyY] + 16);
  std::printf("  level %d, %d tiles\n", g.CurrentLevel, TileCount(g, column, row));

  std::uint8_t pixel[4];
  const SDL_Rect one{0, 0, 1, 1};
  SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(1));
  auto sync = [&] { SDL_RenderReadPixels(renderer, &one, 0, pixel, 4); };

  for (const Case& k : CASES) {
    g.PartyState[vv::TimeOfDay] = k.time;
    Explore(g, k.fog);
    for (int i = 0; i < 5; ++i) vv::RunFrame(g, hooks);
    sync();
    const auto start = Clock::now();
    const std::clock_t cpuStart = std::clock();
    for (int i = 0; i < frames; ++i) {
      if (k.change == Change::NewCells) {
        // Every frame uncovers a column of seven cells at the fog's edge,
        // as a step does, and covers the one before again.
        int* column7 = g.ExploredMap[column][row][16 + i % 2];
        for (int y = 2; y < 9; ++y) column7[y] = 1 - column7[y];
      }
      if (k.change == Change::Light) g.PartyState[vv::TimeOfDay] = 39 + i % 2;  // dusk deepens
      if (k.change == Change::Everything) g.FieldKey[0] = 0;                    // as on entering a screen
      vv::RunFrame(g, hooks);
    }
    sync();  // the OpenGL queue must drain before the clock stops
    const double perFrame = Ms(Clock::now() - start) / frames;
    const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / frames;
    std::printf("    %-24s %6.2f ms a frame (%4.0f frames per second), %6.2f ms of processor time\n", k.name,
                perFrame, 1000.0 / perFrame, cpu);
  }
}

void Measure(const std::string& driver, int frames) {
  vv::SdlOptions options = vv::HeadlessSdlOptions(driver);
  options.keepLastFrame = false;  // a player's frames are not copied for screenshots
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
  g.OptionFlags[vv::OPTION_COMMENTS] = 0;

  std::printf("%s\n", driver.c_str());
  int column = 0, row = 0;
  BusiestScreen(g, false, column, row);
  MeasureScreen(g, hooks, column, row, frames);
  BusiestScreen(g, true, column, row);
  MeasureScreen(g, hooks, column, row, frames);

  // The floor: a frame that draws nothing but is presented.
  g.GameScreen = vv::SCREEN_ENDING;
  for (int i = 0; i < 5; ++i) vv::RunFrame(g, hooks);
  const auto start = Clock::now();
  const std::clock_t cpuStart = std::clock();
  for (int i = 0; i < frames; ++i) vv::RunFrame(g, hooks);
  const double cpu = 1000.0 * static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC / frames;
  std::printf("  %-26s %6.2f ms a frame, %6.2f ms of processor time\n", "an empty frame",
              Ms(Clock::now() - start) / frames, cpu);
}

}  // namespace

int main(int argc, char** argv) {
  vv::UseHeadlessSdl();
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  const std::string only = argc > 2 ? argv[2] : "";
  if (only.empty() || only == "software") {
    Measure("software", frames);
  }
  if (only.empty() || only == "opengl") Measure("opengl", frames);
  return 0;
}
