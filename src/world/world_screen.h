#pragma once
// The current screen: building its tile list from the map and drawing its
// ground and tiles.

#include "game/game.h"

namespace vv {

// Level of a screen, 0 outside the grid or where there is no screen.
int LevelOfScreen(const WorldTables& world, int column, int row);

// Rebuilds ScreenTiles, CurrentLevel, TeleporterPos and ChestPos for the
// screen at (column, row).
void BuildScreen(WorldTables& world, int column, int row);

// Ground in every seen cell, then the tiles in list order (the caller has
// set the light colour).
void DrawScreen(Game& game);

// The part of the ground and tiles that falls into one cell; the caller
// clips the drawing to the cell. Needs CellTiles of the screen.
void DrawScreenCell(Game& game, int x, int y);

// The picture of a tile, 0 if there is none.
int TileImage(const Game& game, const T_Tile& tile);

// Whether cell (x, y) of the party's screen has been seen; false outside it.
bool CellSeen(const WorldTables& world, int x, int y);

// The chest record of a level (eight integers in ExploredMap's spare slice).
int* ChestRecord(WorldTables& world, int level);
const int* ChestRecord(const WorldTables& world, int level);
bool ChestOpened(const WorldTables& world, int level);

}  // namespace vv
