#include "world/world_screen.h"

namespace vv {

int LevelOfScreen(const WorldTables& w, int column, int row) {
  if (column < 1 || column > MAP_SCREENS || row < 1 || row > MAP_SCREENS) return 0;
  return w.LevelGrid[column][row];
}

int* ChestRecord(WorldTables& w, int level) {
  return w.ExploredMap[CHEST_COLUMN][CHEST_ROW][level];
}

const int* ChestRecord(const WorldTables& w, int level) {
  return w.ExploredMap[CHEST_COLUMN][CHEST_ROW][level];
}

bool ChestOpened(const WorldTables& w, int level) {
  if (level < 1 || level > 20) return true;
  return ChestRecord(w, level)[chest::Opened] != 0;
}

bool CellSeen(const WorldTables& w, int x, int y) {
  if (x < 0 || x >= SCREEN_CELLS_X || y < 0 || y >= SCREEN_CELLS_Y) return false;
  const int c = w.PartyState[ScreenColumn], r = w.PartyState[ScreenRow];
  if (c < 1 || c > MAP_SCREENS || r < 1 || r > MAP_SCREENS) return false;
  return w.ExploredMap[c][r][x][y] == 1;
}

void BuildScreen(WorldTables& w, int column, int row) {
  w.CurrentLevel = LevelOfScreen(w, column, row);
  for (int k = 1; k <= 2; ++k) w.TeleporterPos[k][1] = w.TeleporterPos[k][2] = ABSENT;
  w.ChestPos[1] = w.ChestPos[2] = ABSENT;
  w.ScreenTiles.clear();
  if (column < 1 || column > MAP_SCREENS || row < 1 || row > MAP_SCREENS) return;
  const bool chestClosed = !ChestOpened(w, w.CurrentLevel);
  int teleporters = 0;
  for (int t = 1; t <= MAP_SLOTS; ++t) {
    const int* f = w.MapArray[column][row][t];
    if (f[tile::Kind] <= 0) continue;
    T_Tile tl;
    tl.kind = f[tile::Kind];
    tl.image = f[tile::Image];
    tl.x = f[tile::X];
    tl.y = f[tile::Y];
    tl.width = f[tile::Width];
    tl.height = f[tile::Height];
    tl.rotation = f[tile::Rotation];
    tl.index = t;
    if (tl.kind == KIND_FLOOR && tl.image == IMAGE_TELEPORTER) {
      // A third teleporter is only decoration.
      if (++teleporters <= 2) {
        w.TeleporterPos[teleporters][1] = tl.x;
        w.TeleporterPos[teleporters][2] = tl.y;
      }
    }
    if (tl.kind == KIND_FLOOR && tl.image == IMAGE_CHEST && chestClosed) {
      w.ChestPos[1] = tl.x;
      w.ChestPos[2] = tl.y;
    }
    w.ScreenTiles.push_back(tl);
  }
}

namespace {

void DrawGroundCell(Game& g, int groundImage, int x, int y) {
  if (groundImage != 0 && CellSeen(g, x, y)) {
    g.platform.DrawImage(groundImage, static_cast<float>(CELL * x), static_cast<float>(CELL * y));
  }
}

int GroundImage(const Game& g) {
  const int c = g.PartyState[ScreenColumn], r = g.PartyState[ScreenRow];
  if (c < 1 || c > MAP_SCREENS || r < 1 || r > MAP_SCREENS) return 0;
  const int ground = g.MapArray[c][r][1][tile::Ground];
  return ground >= 1 && ground <= 20 ? g.GroundImages[ground] : 0;
}

void DrawTile(Game& g, const T_Tile& t, bool chestOpened) {
  // Small tiles hide in the fog; large ones stand out of it.
  if (t.width == CELL && t.height == CELL && !CellSeen(g, t.x / CELL, t.y / CELL)) return;
  if (t.kind == KIND_FLOOR && t.image == IMAGE_CHEST && chestOpened) return;
  const int image = TileImage(g, t);
  if (image == 0) return;
  // Turned about its top-left corner, then moved back over its rectangle.
  int ox = 0, oy = 0;
  float degrees = 0;
  switch (t.rotation) {
    case 2:
      degrees = 90, ox = t.width;
      break;
    case 3:
      degrees = 180, ox = t.width, oy = t.height;
      break;
    case 4:
      degrees = 270, oy = t.height;
      break;
    default:
      break;
  }
  Platform& p = g.platform;
  p.SetRotation(degrees);
  p.DrawImage(image, static_cast<float>(t.x + ox), static_cast<float>(t.y + oy));
  p.SetRotation(0);
}

}  // namespace

int TileImage(const Game& g, const T_Tile& t) {
  const bool known = t.kind >= 1 && t.kind <= 2 && t.image >= 1 && t.image <= 100;
  return known ? g.TileImages[t.kind][t.image] : 0;
}

void DrawScreen(Game& g) {
  const int groundImage = GroundImage(g);
  for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
    for (int x = 0; x < SCREEN_CELLS_X; ++x) DrawGroundCell(g, groundImage, x, y);
  }
  const bool chestOpened = ChestOpened(g, g.CurrentLevel);
  for (const T_Tile& t : g.ScreenTiles) DrawTile(g, t, chestOpened);
}

void DrawScreenCell(Game& g, int x, int y) {
  DrawGroundCell(g, GroundImage(g), x, y);
  const bool chestOpened = ChestOpened(g, g.CurrentLevel);
  const std::size_t cell = static_cast<std::size_t>(x * SCREEN_CELLS_Y + y);
  if (cell >= g.CellTiles.size()) return;
  for (int i : g.CellTiles[cell]) DrawTile(g, g.ScreenTiles[static_cast<std::size_t>(i)], chestOpened);
}

}  // namespace vv
