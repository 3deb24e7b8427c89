// The play field of the exploration screen: ground and tiles in the light
// of the hour, the party, the sunset tint and the fog, in that order.
//
// Drawing all of it every frame costs far more than a frame may on a
// software renderer, and almost none of it changes from one frame to the
// next. So it is kept in two render images: the base, ground and tiles in
// full light, redrawn whole on a new screen or an opened chest and cell by
// cell (clipped to the cell) where the party uncovers cells; and the field,
// the base copied in the light of the hour with the tint and the fog over
// it, redrawn whole when the light changes and cell by cell where the fog
// moves. A frame copies the field and draws the party's cell afresh.
// Images copied without blending onto the black canvas give the picture
// the direct drawing gives (the light on the whole rather than on each
// piece may round a value by one).

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

enum Key { COLUMN, ROW, CHEST, RED, GREEN, BLUE, TINT, DAY_NIGHT, KEY_COUNT };
constexpr int BASE_KEYS = 3;  // the screen and its chest; the rest is the light

void MakeKey(const Game& g, const LightColour& light, int (&key)[10]) {
  key[COLUMN] = g.PartyState[ScreenColumn];
  key[ROW] = g.PartyState[ScreenRow];
  key[CHEST] = ChestOpened(g, g.CurrentLevel) ? 1 : 0;
  key[RED] = light.red;
  key[GREEN] = light.green;
  key[BLUE] = light.blue;
  key[TINT] = std::clamp(g.PartyState[TimeOfDay], 0, 47);
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

bool CreateImages(Game& g) {
  Platform& p = g.platform;
  if (g.FieldImage != 0 && p.Image(g.FieldImage) && p.Image(g.BaseImage)) return true;
  g.FieldImage = p.CreateRenderImage(FIELD_WIDTH, FIELD_HEIGHT);
  g.BaseImage = p.CreateRenderImage(FIELD_WIDTH, FIELD_HEIGHT);
  g.FieldKey[COLUMN] = 0;
  // One opaque black cell to wipe a cell of an image with.
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
  return g.FieldImage != 0 && g.BaseImage != 0 && g.FieldWipeImage != 0;
}

void SetCellViewport(Platform& p, int x, int y) {
  p.SetViewport(CELL * x, CELL * y, CELL, CELL);
}

// The base in the light of the hour, over whatever lies under it.
void CopyBaseInLight(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  p.ResetDrawState();
  p.SetBlend(BLEND_SOLID);
  p.SetColor(light.red, light.green, light.blue);
  p.DrawImage(g.BaseImage, 0, 0);
  p.ResetDrawState();
}

void DrawBase(Game& g) {
  Platform& p = g.platform;
  p.SetDrawTarget(g.BaseImage, true);
  p.ResetDrawState();
  DrawScreen(g);
  p.ResetDrawState();
  p.SetDrawTarget(0);
}

void DrawBaseCell(Game& g, int x, int y) {
  Platform& p = g.platform;
  SetCellViewport(p, x, y);
  // Wiped to black first: copied without blending onto the black canvas,
  // black is what an empty cell shows anyway.
  p.ResetDrawState();
  p.SetBlend(BLEND_SOLID);
  p.DrawImage(g.FieldWipeImage, static_cast<float>(CELL * x), static_cast<float>(CELL * y));
  p.ResetDrawState();
  DrawScreenCell(g, x, y);
  p.ResetDrawState();
}

void DrawField(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  p.SetDrawTarget(g.FieldImage, true);
  CopyBaseInLight(g, light);
  DrawSunsetTint(g);
  DrawFog(g);
  p.SetDrawTarget(0);
}

void DrawFieldCell(Game& g, const LightColour& light, int x, int y) {
  SetCellViewport(g.platform, x, y);
  CopyBaseInLight(g, light);
  DrawSunsetTint(g);
  DrawFogCell(g, x, y);
}

void CopySeen(Game& g) {
  for (int x = 0; x < SCREEN_CELLS_X; ++x) {
    for (int y = 0; y < SCREEN_CELLS_Y; ++y) g.FieldSeen[x][y] = CellSeen(g, x, y) ? 1 : 0;
  }
}

// Brings the base and the field up to date; false when there are no
// images to use.
bool UpdateFieldImages(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  if (!CreateImages(g)) return false;
  int key[10] = {};
  MakeKey(g, light, key);
  const DrawState saved = p.State();
  if (!std::equal(key, key + BASE_KEYS, g.FieldKey)) {
    // The tiles of a screen never change: they are indexed once per visit.
    if (key[COLUMN] != g.FieldKey[COLUMN] || key[ROW] != g.FieldKey[ROW] || g.CellTiles.empty()) {
      IndexCellTiles(g);
    }
    DrawBase(g);
    DrawField(g, light);
  } else {
    // A cell uncovered since the last frame changes in the base, and with
    // its neighbours (their fog edges) in the field.
    bool uncovered[SCREEN_CELLS_X][SCREEN_CELLS_Y] = {};
    bool dirty[SCREEN_CELLS_X][SCREEN_CELLS_Y] = {};
    int uncoveredCount = 0, dirtyCount = 0;
    for (int x = 0; x < SCREEN_CELLS_X; ++x) {
      for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
        if ((CellSeen(g, x, y) ? 1 : 0) == g.FieldSeen[x][y]) continue;
        uncovered[x][y] = true;
        ++uncoveredCount;
        for (int nx = std::max(0, x - 1); nx <= std::min(SCREEN_CELLS_X - 1, x + 1); ++nx) {
          for (int ny = std::max(0, y - 1); ny <= std::min(SCREEN_CELLS_Y - 1, y + 1); ++ny) {
            dirtyCount += dirty[nx][ny] ? 0 : 1;
            dirty[nx][ny] = true;
          }
        }
      }
    }
    if (uncoveredCount > MAX_CELL_UPDATES) {
      DrawBase(g);
    } else if (uncoveredCount > 0) {
      p.SetDrawTarget(g.BaseImage);
      for (int x = 0; x < SCREEN_CELLS_X; ++x) {
        for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
          if (uncovered[x][y]) DrawBaseCell(g, x, y);
        }
      }
      p.SetViewport(saved.viewX, saved.viewY, saved.viewW, saved.viewH);
      p.SetDrawTarget(0);
    }
    if (!std::equal(key + BASE_KEYS, key + KEY_COUNT, g.FieldKey + BASE_KEYS) ||
        dirtyCount > MAX_CELL_UPDATES) {
      DrawField(g, light);
    } else if (dirtyCount > 0) {
      p.SetDrawTarget(g.FieldImage);
      for (int x = 0; x < SCREEN_CELLS_X; ++x) {
        for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
          if (dirty[x][y]) DrawFieldCell(g, light, x, y);
        }
      }
      p.SetViewport(saved.viewX, saved.viewY, saved.viewW, saved.viewH);
      p.SetDrawTarget(0);
    }
  }
  std::copy(key, key + KEY_COUNT, g.FieldKey);
  CopySeen(g);
  p.ResetDrawState();
  return true;
}

}  // namespace

void DrawPlayField(Game& g, const LightColour& light) {
  Platform& p = g.platform;
  if (g.FieldCaching == 0 || !UpdateFieldImages(g, light)) {
    // No render images: everything straight onto the screen.
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
  p.ResetDrawState();

  // The party's cell afresh over the copy: its ground and tiles, the
  // marker, the tint over both. The fog never reaches it: its neighbours
  // are always uncovered.
  const int px = g.PartyState[PartyX], py = g.PartyState[PartyY];
  const DrawState saved = p.State();
  p.SetViewport(px, py, CELL, CELL);
  CopyBaseInLight(g, light);
  DrawPartyMarker(g, light);
  p.ResetDrawState();
  DrawSunsetTint(g);
  p.SetViewport(saved.viewX, saved.viewY, saved.viewW, saved.viewH);
  p.ResetDrawState();
}

}  // namespace vv
