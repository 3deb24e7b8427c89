// The play field of the exploration screen: ground and tiles in the light
// of the hour, the party, the sunset tint and the fog, in that order.
//
// Drawing all of it every frame costs far more than a frame may on a
// software renderer, and almost none of it changes from one frame to the
// next. So the field (everything but the party) is kept in a render image:
// redrawn whole when the screen, the light or the chest changes, redrawn
// cell by cell (clipped to the cell) where the party has uncovered cells,
// and otherwise copied as it is. Copied without blending onto the black
// canvas, the image gives exactly the picture the direct drawing gives.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "world/exploration.h"
#include "world/world_screen.h"

namespace vv {
namespace {

constexpr int FIELD_WIDTH = SCREEN_CELLS_X * CELL;
constexpr int FIELD_HEIGHT = SCREEN_CELLS_Y * CELL;
// Beyond this many changed cells one full redraw is cheaper.
constexpr int MAX_CELL_UPDATES = 160;

enum Key { COLUMN, ROW, RED, GREEN, BLUE, TINT, CHEST, DAY_NIGHT, KEY_COUNT };

void MakeKey(const Game& g, const LightColour& light, int (&key)[10]) {
  key[COLUMN] = g.PartyState[ScreenColumn];
  key[ROW] = g.PartyState[ScreenRow];
  key[RED] = light.red;
  key[GREEN] = light.green;
  key[BLUE] = light.blue;
  key[TINT] = std::clamp(g.PartyState[TimeOfDay], 0, 47);
  key[CHEST] = ChestOpened(g, g.CurrentLevel) ? 1 : 0;
  key[DAY_NIGHT] = g.OptionFlags[OPTION_DAY_NIGHT];
}

// Which tiles reach into each cell, so that one cell can be redrawn alone.
void IndexCellTiles(Game& g) {
  g.CellTiles.assign(static_cast<std::size_t>(SCREEN_CELLS_X * SCREEN_CELLS_Y), {});
  for (std::size_t i = 0; i < g.ScreenTiles.size(); ++i) {
    const T_Tile& t = g.ScreenTiles[i];
    const int image = TileImage(g, t);
    // A turned picture stays within the square of its longest side.
    const int side =
        std::max({t.width, t.height, g.platform.ImageWidth(image), g.platform.ImageHeight(image)});
    if (side <= 0) continue;
    const int x0 = std::max(0, t.x / CELL), y0 = std::max(0, t.y / CELL);
    const int x1 = std::min(SCREEN_CELLS_X - 1, (t.x + side - 1) / CELL);
    const int y1 = std::min(SCREEN_CELLS_Y - 1, (t.y + side - 1) / CELL);
    for (int x = x0; x <= x1; ++x) {
      for (int y = y0; y <= y1; ++y)
        g.CellTiles[static_cast<std::size_t>(x * SCREEN_CELLS_Y + y)].push_back(static_cast<int>(i));
    }
  }
}

void DrawField(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  p.SetColor(light.red, light.green, light.blue);
  DrawScreen(g);
  p.ResetDrawState();
  DrawSunsetTint(g);
  DrawFog(g);
}

void DrawFieldCell(Game& g, const LightColour& light, int x, int y) {
  Platform& p = g.platform;
  p.SetViewport(CELL * x, CELL * y, CELL, CELL);
  // Wipe the cell to black first: the image is copied without blending
  // onto a black canvas, so black is what an empty cell shows anyway.
  p.SetBlend(BLEND_SOLID);
  p.DrawImage(g.FieldWipeImage, static_cast<float>(CELL * x), static_cast<float>(CELL * y));
  p.SetBlend(BLEND_MASKED);
  p.SetColor(light.red, light.green, light.blue);
  DrawScreenCell(g, x, y);
  p.ResetDrawState();
  DrawSunsetTint(g);
  DrawFogCell(g, x, y);
}

void CopySeen(Game& g) {
  for (int x = 0; x < SCREEN_CELLS_X; ++x) {
    for (int y = 0; y < SCREEN_CELLS_Y; ++y) g.FieldSeen[x][y] = CellSeen(g, x, y) ? 1 : 0;
  }
}

// Brings the field image up to date; false when there is none to use.
bool UpdateFieldImage(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  if (g.FieldImage == 0 || !p.Image(g.FieldImage)) {
    g.FieldImage = p.CreateRenderImage(FIELD_WIDTH, FIELD_HEIGHT);
    g.FieldKey[COLUMN] = 0;
    // One opaque black cell to wipe a cell of the image with.
    Pixels black{CELL, CELL, std::vector<std::uint8_t>(CELL * CELL * 4, 0)};
    for (std::size_t i = 3; i < black.rgba.size(); i += 4) black.rgba[i] = 255;
    g.FieldWipeImage = p.CreateImage(black, 0);
    // The sunset tint picture stretched over the field once, drawn as the
    // tint itself is (blended), so that its rows land on the same lines.
    g.TintImage = p.CreateRenderImage(FIELD_WIDTH, FIELD_HEIGHT);
    if (g.TintImage != 0) {
      p.SetDrawTarget(g.TintImage, true);
      p.ResetDrawState();
      p.SetBlend(BLEND_ALPHA);
      p.SetAlpha(1);
      p.SetScale(32, 19);
      p.DrawImage(g.RedneckImage, 0, 0);
      p.ResetDrawState();
      p.SetDrawTarget(0);
    }
  }
  if (g.FieldImage == 0 || g.FieldWipeImage == 0) return false;

  int key[10] = {};
  MakeKey(g, light, key);
  const bool sameKey = std::equal(key, key + KEY_COUNT, g.FieldKey);
  if (sameKey) {
    // Cells uncovered since the last frame change themselves and the fog
    // edges of their neighbours.
    bool dirty[SCREEN_CELLS_X][SCREEN_CELLS_Y] = {};
    int changed = 0;
    for (int x = 0; x < SCREEN_CELLS_X; ++x) {
      for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
        if ((CellSeen(g, x, y) ? 1 : 0) == g.FieldSeen[x][y]) continue;
        for (int nx = std::max(0, x - 1); nx <= std::min(SCREEN_CELLS_X - 1, x + 1); ++nx) {
          for (int ny = std::max(0, y - 1); ny <= std::min(SCREEN_CELLS_Y - 1, y + 1); ++ny) {
            changed += dirty[nx][ny] ? 0 : 1;
            dirty[nx][ny] = true;
          }
        }
      }
    }
    if (changed == 0) return true;
    if (changed <= MAX_CELL_UPDATES) {
      const DrawState saved = p.State();
      p.SetDrawTarget(g.FieldImage);
      for (int x = 0; x < SCREEN_CELLS_X; ++x) {
        for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
          if (dirty[x][y]) DrawFieldCell(g, light, x, y);
        }
      }
      p.SetViewport(saved.viewX, saved.viewY, saved.viewW, saved.viewH);
      p.SetDrawTarget(0);
      CopySeen(g);
      return true;
    }
  }

  // The tiles of a screen never change: they are indexed once per visit.
  if (key[COLUMN] != g.FieldKey[COLUMN] || key[ROW] != g.FieldKey[ROW] || g.CellTiles.empty()) {
    IndexCellTiles(g);
  }
  p.SetDrawTarget(g.FieldImage, true);
  DrawField(g, light);
  p.SetDrawTarget(0);
  std::copy(key, key + KEY_COUNT, g.FieldKey);
  CopySeen(g);
  return true;
}

}  // namespace

void DrawPlayField(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  if (g.FieldCaching == 0 || !UpdateFieldImage(g, light)) {
    // No render image: everything straight onto the screen.
    p.SetColor(light.red, light.green, light.blue);
    DrawScreen(g);
    DrawPartyMarker(g, light);
    p.ResetDrawState();
    DrawSunsetTint(g);
    DrawFog(g);
    return;
  }
  p.ResetDrawState();
  p.SetBlend(BLEND_SOLID);
  p.DrawImage(g.FieldImage, 0, 0);
  p.SetBlend(BLEND_MASKED);

  // The party's cell is drawn afresh over the copy, marker and all. The fog
  // never reaches it: its neighbours are always uncovered.
  const int px = g.PartyState[PartyX], py = g.PartyState[PartyY];
  const DrawState saved = p.State();
  p.SetViewport(px, py, CELL, CELL);
  const int cx = px / CELL, cy = py / CELL;
  if (cx >= 0 && cx < SCREEN_CELLS_X && cy >= 0 && cy < SCREEN_CELLS_Y) {
    p.SetBlend(BLEND_SOLID);
    p.DrawImage(g.FieldWipeImage, static_cast<float>(px), static_cast<float>(py));
    p.SetBlend(BLEND_MASKED);
    p.SetColor(light.red, light.green, light.blue);
    DrawScreenCell(g, cx, cy);
  }
  DrawPartyMarker(g, light);
  p.ResetDrawState();
  DrawSunsetTint(g);
  p.SetViewport(saved.viewX, saved.viewY, saved.viewW, saved.viewH);
  p.ResetDrawState();
}

}  // namespace vv
