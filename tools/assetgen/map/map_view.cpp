// vizid-mapview ASSETS_DIR OUT_DIR: compiles the world map, checks it, and
// draws every screen as coloured cells so a level designer can look at it.
// Writes OUT_DIR/map.kqm, OUT_DIR/level_NN.png and OUT_DIR/world.png, and
// when built with the picture generator also level_NN_art.png and
// world_art.png, the screens as the game paints them.
// Free cells the party can never reach are shaded; the start is ringed red.

#include <cstdio>
#include <fstream>
#include <iostream>
#include <stdexcept>

#include "../common/png_write.h"
#ifdef VIZID_MAPVIEW_PICTURES
#include "pictures.h"
#endif
#include "map_check.h"
#include "map_compiler.h"
#include "map_file.h"
#include "tile_table.h"
#include "world_layout.h"

namespace vv::gen {
namespace {

struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};

constexpr Rgb GROUND[6] = {{0, 0, 0},       {74, 138, 58}, {62, 74, 92},
                           {216, 176, 112}, {106, 70, 48}, {70, 42, 84}};

constexpr Rgb FLOOR_COLOURS[FLOOR_IMAGES + 1] = {{},
                                                 {200, 66, 58},
                                                 {110, 190, 80},
                                                 {236, 226, 190},
                                                 {170, 120, 60},
                                                 {70, 110, 160},
                                                 {210, 210, 200},
                                                 {90, 230, 240},
                                                 {170, 170, 185},
                                                 {236, 208, 150},
                                                 {244, 244, 232},
                                                 {64, 224, 255},
                                                 {230, 180, 40},
                                                 {176, 150, 70},
                                                 {150, 128, 108},
                                                 {122, 190, 74},
                                                 {150, 210, 90},
                                                 {226, 204, 110},
                                                 {156, 156, 146},
                                                 {220, 210, 180},
                                                 {236, 230, 205},
                                                 {255, 120, 40},
                                                 {140, 100, 190},
                                                 {205, 195, 175},
                                                 {170, 160, 150},
                                                 {64, 255, 128}};

constexpr Rgb OBSTACLE_COLOURS[OBSTACLE_IMAGES + 1] = {{},
                                                       {40, 110, 40},
                                                       {24, 78, 48},
                                                       {80, 150, 60},
                                                       {122, 82, 50},
                                                       {146, 98, 56},
                                                       {20, 66, 28},
                                                       {32, 96, 36},
                                                       {58, 106, 200},
                                                       {112, 124, 104},
                                                       {24, 30, 42},
                                                       {120, 132, 152},
                                                       {74, 208, 224},
                                                       {92, 102, 118},
                                                       {6, 8, 14},
                                                       {140, 140, 128},
                                                       {70, 140, 50},
                                                       {150, 100, 70},
                                                       {242, 214, 150},
                                                       {122, 100, 48},
                                                       {206, 176, 126},
                                                       {160, 114, 58},
                                                       {52, 34, 24},
                                                       {230, 122, 32},
                                                       {255, 170, 40},
                                                       {120, 180, 70},
                                                       {150, 114, 66},
                                                       {190, 160, 96},
                                                       {36, 84, 36},
                                                       {240, 130, 40},
                                                       {16, 8, 20},
                                                       {60, 110, 200},
                                                       {96, 56, 116},
                                                       {215, 100, 20},
                                                       {222, 212, 182},
                                                       {255, 210, 110},
                                                       {240, 80, 26},
                                                       {200, 190, 160},
                                                       {160, 160, 172},
                                                       {36, 24, 46},
                                                       {126, 116, 138}};

class Canvas {
 public:
  Canvas(int w, int h) : image_(w, h) {}
  void Fill(int x, int y, int w, int h, Rgb c) {
    for (int py = y; py < y + h; ++py) {
      for (int px = x; px < x + w; ++px) Put(px, py, c);
    }
  }
  void Frame(int x, int y, int w, int h, Rgb c) {
    Fill(x, y, w, 1, c);
    Fill(x, y + h - 1, w, 1, c);
    Fill(x, y, 1, h, c);
    Fill(x + w - 1, y, 1, h, c);
  }
  void Shade(int x, int y, int w, int h) {
    for (int py = y; py < y + h; ++py) {
      for (int px = x; px < x + w; ++px) {
        if (px < 0 || py < 0 || px >= image_.width || py >= image_.height) continue;
        std::uint8_t* p = image_.At(px, py);
        const bool stripe = (px + py) % 6 < 2;
        for (int i = 0; i < 3; ++i) p[i] = static_cast<std::uint8_t>(p[i] * (stripe ? 35 : 60) / 100);
      }
    }
  }
  const RgbaImage& Image() const { return image_; }

 private:
  void Put(int x, int y, Rgb c) {
    if (x < 0 || y < 0 || x >= image_.width || y >= image_.height) return;
    std::uint8_t* p = image_.At(x, y);
    p[0] = static_cast<std::uint8_t>(c.r);
    p[1] = static_cast<std::uint8_t>(c.g);
    p[2] = static_cast<std::uint8_t>(c.b);
    p[3] = 255;
  }
  RgbaImage image_;
};

Rgb Darker(Rgb c) {
  return {c.r * 55 / 100, c.g * 55 / 100, c.b * 55 / 100};
}

// Draws one screen with its top-left corner at (ox, oy), `cell` pixels a cell.
void DrawScreen(Canvas& canvas, const MapData& map, const MapCheckReport& report, int level, int ox, int oy,
                int cell) {
  const ScreenPos pos = ScreenOfLevel(level);
  const auto& tiles = map.Screen(pos.column, pos.row);
  canvas.Fill(ox, oy, SCREEN_CELLS_X * cell, SCREEN_CELLS_Y * cell, GROUND[LevelArea[level]]);
  std::array<std::array<bool, SCREEN_CELLS_X>, SCREEN_CELLS_Y> covered{};
  for (const MapTile& t : tiles) {
    if (t.kind == 0) continue;
    const int x = ox + t.x / CELL * cell;
    const int y = oy + t.y / CELL * cell;
    const int n = t.width / CELL;
    if (t.kind == OBSTACLE && t.image >= 1 && t.image <= OBSTACLE_IMAGES) {
      const TileInfo info = LookUpTile(t.kind, t.image);
      const Rgb c = OBSTACLE_COLOURS[t.image];
      canvas.Fill(x, y, n * cell, n * cell, c);
      canvas.Frame(x, y, n * cell, n * cell, Darker(c));
      if (info.pictureH < info.size) {
        // The part of the record its picture leaves unpainted still blocks.
        const int painted = info.pictureH * cell / CELL;
        canvas.Shade(x, y + painted, n * cell, n * cell - painted);
      }
      // Logs, fences and running water show which way they lie.
      const bool directed = t.image == 5 || t.image == 8 || t.image == 14 || t.image == 22 || t.image == 26 ||
                            t.image == 31 || t.image == 36;
      // Unturned, logs and fences lie east-west and water runs north-south.
      const bool eastWest = (t.rotation % 2 == 0) != (t.image == 5 || t.image == 26);
      if (directed && eastWest) canvas.Fill(x + cell / 4, y + cell / 2, cell / 2, 1, Darker(c));
      if (directed && !eastWest) canvas.Fill(x + cell / 2, y + cell / 4, 1, cell / 2, Darker(c));
      for (int cy = t.y / CELL; cy < t.y / CELL + n && cy < SCREEN_CELLS_Y; ++cy) {
        for (int cx = t.x / CELL; cx < t.x / CELL + n && cx < SCREEN_CELLS_X; ++cx) covered[cy][cx] = true;
      }
    } else if (t.kind == FLOOR && t.image >= 1 && t.image <= FLOOR_IMAGES) {
      const Rgb c = FLOOR_COLOURS[t.image];
      if (t.image == IMAGE_CHEST) {
        canvas.Fill(x + 2, y + 3, cell - 4, cell - 6, c);
        canvas.Frame(x + 2, y + 3, cell - 4, cell - 6, {90, 50, 10});
        canvas.Fill(x + 2, y + cell / 2 - 1, cell - 4, 2, {90, 50, 10});
      } else if (t.image == IMAGE_TELEPORTER || t.image == IMAGE_PORTAL) {
        // The party never rests on a teleporter, yet it is no dead cell.
        covered[t.y / CELL][t.x / CELL] = true;
        canvas.Frame(x + 2, y + 2, cell - 4, cell - 4, c);
        canvas.Frame(x + 3, y + 3, cell - 6, cell - 6, c);
        canvas.Fill(x + cell / 2 - 2, y + cell / 2 - 2, 4, 4, c);
      } else {
        canvas.Fill(x + cell / 4, y + cell / 4, cell / 2, cell / 2, c);
      }
    }
  }
  for (int cy = 0; cy < SCREEN_CELLS_Y; ++cy) {
    for (int cx = 0; cx < SCREEN_CELLS_X; ++cx) {
      const bool reached = (report.reached[level][cy] >> cx) & 1u;
      if (!covered[cy][cx] && !reached) canvas.Shade(ox + cx * cell, oy + cy * cell, cell, cell);
    }
  }
  if (level == 1) {
    canvas.Frame(ox + START_X / CELL * cell, oy + START_Y / CELL * cell, cell, cell, {255, 0, 0});
    canvas.Frame(ox + START_X / CELL * cell + 1, oy + START_Y / CELL * cell + 1, cell - 2, cell - 2,
                 {255, 0, 0});
  }
}

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

#ifdef VIZID_MAPVIEW_PICTURES
// Paints `picture` over `out` at (ox, oy), turned clockwise by quarter turns
// within its own square as the game draws it, lit by `light` (0..255).
// Pure white is the mask colour; the picture's alpha blends as well.
void Blend(RgbaImage& out, const RgbaImage& picture, int ox, int oy, int turns, int light) {
  const int w = picture.width;
  const int h = picture.height;
  for (int y = 0; y < (turns % 2 ? w : h); ++y) {
    for (int x = 0; x < (turns % 2 ? h : w); ++x) {
      int sx = x;
      int sy = y;
      if (turns == 1) sx = y, sy = h - 1 - x;
      if (turns == 2) sx = w - 1 - x, sy = h - 1 - y;
      if (turns == 3) sx = w - 1 - y, sy = x;
      const std::uint8_t* src = picture.At(sx, sy);
      const int px = ox + x;
      const int py = oy + y;
      if (px < 0 || py < 0 || px >= out.width || py >= out.height) continue;
      if (src[0] == 255 && src[1] == 255 && src[2] == 255) continue;
      std::uint8_t* dst = out.At(px, py);
      const int a = src[3];
      for (int i = 0; i < 3; ++i)
        dst[i] = static_cast<std::uint8_t>((src[i] * light / 255 * a + dst[i] * (255 - a)) / 255);
      dst[3] = 255;
    }
  }
}

// The screen as the game shows it in full daylight with every cell seen
// (the cavern at half light), drawn with the generated pictures.
RgbaImage RenderScreen(const MapData& map, int level) {
  const ScreenPos pos = ScreenOfLevel(level);
  const auto& tiles = map.Screen(pos.column, pos.row);
  const int light = LevelArea[level] == 2 ? 127 : 255;
  RgbaImage out(SCREEN_W, SCREEN_H);
  RgbaImage ground;
  DrawPicture("ground_" + std::to_string(tiles[0].ground) + ".png", ground);
  for (int y = 0; y < SCREEN_H; y += CELL) {
    for (int x = 0; x < SCREEN_W; x += CELL) Blend(out, ground, x, y, 0, light);
  }
  for (const MapTile& t : tiles) {
    if (t.kind == 0) continue;
    RgbaImage picture;
    if (!DrawPicture("tile" + std::to_string(t.kind) + "_" + std::to_string(t.image) + ".png", picture))
      continue;
    Blend(out, picture, t.x, t.y, (t.rotation + 3) % 4, light);
  }
  return out;
}

// A quarter-size copy, each pixel the mean of a 4 by 4 block.
RgbaImage Shrink(const RgbaImage& in) {
  RgbaImage out(in.width / 4, in.height / 4);
  for (int y = 0; y < out.height; ++y) {
    for (int x = 0; x < out.width; ++x) {
      for (int i = 0; i < 4; ++i) {
        int sum = 0;
        for (int dy = 0; dy < 4; ++dy) {
          for (int dx = 0; dx < 4; ++dx) sum += in.At(x * 4 + dx, y * 4 + dy)[i];
        }
        out.At(x, y)[i] = static_cast<std::uint8_t>(sum / 16);
      }
    }
  }
  return out;
}

void WriteArt(const MapData& map, const std::filesystem::path& outDir) {
  RgbaImage world(3 * SCREEN_W / 4, 5 * SCREEN_H / 4);
  for (int level = 1; level <= LEVEL_COUNT; ++level) {
    const RgbaImage screen = RenderScreen(map, level);
    char name[32];
    std::snprintf(name, sizeof name, "level_%02d_art.png", level);
    WriteFile(outDir / name, EncodePng(screen));
    const RgbaImage small = Shrink(screen);
    const ScreenPos pos = ScreenOfLevel(level);
    for (int y = 0; y < small.height; ++y) {
      for (int x = 0; x < small.width; ++x) {
        std::uint8_t* dst = world.At((pos.column - 1) * small.width + x, (5 - pos.row) * small.height + y);
        std::copy(small.At(x, y), small.At(x, y) + 4, dst);
      }
    }
  }
  WriteFile(outDir / "world_art.png", EncodePng(world));
}
#endif

int Run(const std::filesystem::path& assets, const std::filesystem::path& outDir) {
  const std::vector<std::uint8_t> bytes = CompileMap(assets);
  std::filesystem::create_directories(outDir);
  WriteFile(outDir / "map.kqm", bytes);
  MapData map;
  DecodeMap(bytes, map);
  const MapCheckReport report = CheckMap(bytes);
  std::cout << FormatReport(report);

  constexpr int BIG = 24;
  for (int level = 1; level <= LEVEL_COUNT; ++level) {
    Canvas canvas(SCREEN_CELLS_X * BIG, SCREEN_CELLS_Y * BIG);
    DrawScreen(canvas, map, report, level, 0, 0, BIG);
    char name[32];
    std::snprintf(name, sizeof name, "level_%02d.png", level);
    WriteFile(outDir / name, EncodePng(canvas.Image()));
  }
  // The whole world as the screens lie: column 1 on the left, row 5 on top.
  constexpr int SMALL = 8;
  constexpr int GAP = 4;
  const int sw = SCREEN_CELLS_X * SMALL + GAP;
  const int sh = SCREEN_CELLS_Y * SMALL + GAP;
  Canvas world(3 * sw, 5 * sh);
  world.Fill(0, 0, 3 * sw, 5 * sh, {20, 20, 20});
  for (int c = 1; c <= 3; ++c) {
    for (int r = 1; r <= 5; ++r) {
      const int level = LevelGrid[c][r];
      if (level != 0) DrawScreen(world, map, report, level, (c - 1) * sw, (5 - r) * sh, SMALL);
    }
  }
  WriteFile(outDir / "world.png", EncodePng(world.Image()));
#ifdef VIZID_MAPVIEW_PICTURES
  WriteArt(map, outDir);
#endif
  return report.Ok() ? 0 : 1;
}

}  // namespace
}  // namespace vv::gen

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: vizid-mapview ASSETS_DIR OUT_DIR\n";
    return 2;
  }
  try {
    return vv::gen::Run(argv[1], argv[2]);
  } catch (const std::exception& e) {
    std::cerr << e.what() << "\n";
    return 2;
  }
}
