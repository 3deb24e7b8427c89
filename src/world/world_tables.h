#pragma once
// The world's tables: the map, the current screen, the party's place and the
// world events.

#include <string>
#include <vector>

namespace vv {

// One tile of the current screen, in the order the map record gives it.
struct T_Tile {
  int x = 0, y = 0;  // top-left corner, pixels
  int width = 0, height = 0;
  int kind = 0;      // 1 floor object (passable), 2 obstacle
  int image = 0;     // within the kind's image set
  int rotation = 1;  // 1 none, 2 90, 3 180, 4 270 degrees clockwise
  int index = 0;     // slot 1..500 in the map record
};

// Fields of a tile record in MapArray[column][row][tile][field].
namespace tile {
enum Field : int { Kind = 1, Image = 2, X = 3, Y = 4, Width = 5, Height = 6, Rotation = 7, Ground = 10 };
}  // namespace tile

// Tile kinds and the floor objects that are more than decoration.
constexpr int KIND_FLOOR = 1;
constexpr int KIND_OBSTACLE = 2;
constexpr int IMAGE_TELEPORTER = 11;
constexpr int IMAGE_CHEST = 12;
constexpr int IMAGE_PORTAL = 25;

// Fields of PartyState[1..20].
enum PartyStateField : int {
  PartyX = 2,
  PartyY = 3,
  Facing = 4,  // 1 up (north), 2 right, 3 down, 4 left
  TimeOfDay = 5,
  StepCount = 6,
  ScreenColumn = 7,
  ScreenRow = 8,  // grows northwards
};

constexpr int CELL = 32;
constexpr int SCREEN_CELLS_X = 32;
constexpr int SCREEN_CELLS_Y = 19;
constexpr int MAP_SCREENS = 5;  // columns and rows of the screen grid
constexpr int MAP_SLOTS = 500;  // tile slots per screen
constexpr int MAP_FIELDS = 10;
constexpr int LEVELS = 15;
constexpr int AREAS = 5;
constexpr int ABSENT = -200;  // x and y of a teleporter or chest that is not there

// The chest records live in the spare screen slice of ExploredMap: the
// record of level n at cells x = n, y = 0..7.
constexpr int CHEST_COLUMN = 5;
constexpr int CHEST_ROW = 5;
namespace chest {
enum Field : int { Opened = 0, Count = 7 };  // items k = 1..3 at 2k - 1 (category) and 2k (number)
}  // namespace chest

// Speech box kinds.
constexpr int SPEECH_NONE = 0;
constexpr int SPEECH_AREA_INTRO = 1;
constexpr int SPEECH_HERO = 2;

// Quick prompt kinds.
constexpr int QUICK_SAVE = 1;
constexpr int QUICK_LOAD = 2;

// A text drawn into a cached picture, told to the platform again whenever
// the picture is shown.
struct DisplayText {
  float x = 0, y = 0;
  std::string text;
};

constexpr int DISPLAY_KEY_SIZE = 16;

struct WorldTables {
  // ---- the map and the world's shape (constant after start-up)
  // [column 1..5][row 1..5][tile 1..500][field 1..10]
  int MapArray[MAP_SCREENS + 1][MAP_SCREENS + 1][MAP_SLOTS + 1][MAP_FIELDS + 1] = {};
  int LevelGrid[MAP_SCREENS + 1][MAP_SCREENS + 1] = {};  // [column][row] level, 0 no screen
  int LevelArea[16] = {};                                // [level 1..15] area 1..5
  int LevelTable[21][101][4] = {};                       // [level][row 0..100][field 0..3]
  int WeaponTier[16] = {};                               // [level 1..15]
  int GuardTier[16] = {};                                // [level 1..15]
  int DayLight[48][3] = {};                              // [time 0..47][1 red, 2 green and blue] percent
  int RevealMasks[3][7][7] = {};                         // [mask 1..2][dy][dx], 1 = excluded
  std::string AreaIntroText[AREAS + 1];
  std::string CommentText[8][11];  // [set 1..7][comment 1..10]

  // ---- the game in progress (new game, saved with the game)
  int CurrentLevel = 0;     // level of the screen the party stands on
  int PartyState[21] = {};  // [1..20], see PartyStateField
  // [column][row][cell x 0..31][cell y 0..18]: 1 seen; column 5, row 5 holds
  // the chest records.
  int ExploredMap[MAP_SCREENS + 1][MAP_SCREENS + 1][SCREEN_CELLS_X][SCREEN_CELLS_Y] = {};
  int AreaIntroShown[AREAS + 1] = {};   // [area 1..5]
  int CommentPool[AREAS + 1][11] = {};  // [set 1..5][0 count, 1..count comment numbers]
  int PortalEventFlag = 0;              // 1 from the portal until the next battle is set up
  int LootList[4][4] = {};              // [entry 1..3][1 category, 2 item, 3 condition]
  int LootCount = 0;

  // ---- the current screen (rebuilt on every entry)
  std::vector<T_Tile> ScreenTiles;
  int TeleporterPos[3][3] = {};  // [teleporter 1..2][1 x, 2 y]
  int ChestPos[3] = {};          // [1 x, 2 y] of the unopened chest

  // ---- the exploration screen while it runs (not saved)
  int ScreenReady = 0;     // 0: the next frame builds the screen
  int ExitDirection = 0;   // 0 none, 1 left, 2 top, 3 right, 4 bottom
  int MovedThisFrame = 0;  // moved or rested
  int AttackBanner = 0;    // frames the encounter banner has run, 0 = none
  int ChestBanner = 0;     // frames the chest banner has run, 0 = none
  int SpeechKind = SPEECH_NONE;
  int SpeechDelay = 0;    // frames before the box can be dismissed
  int SpeechHero = 0;     // who speaks (hero comments and the portal)
  int SpeechComment = 0;  // comment number; 0 is the portal's line
  int QuickPrompt = 0;    // 0 none, QUICK_SAVE, QUICK_LOAD
  int ScreenRequest = 0;  // carried out at the end of the frame
  std::string PendingNotice;
  int ArrowHover[6] = {};  // [1] party cell, [2..5] up, right, down, left arrow
  int PulseLevel = 0;      // 0..255, the party frame's glow
  int PulseDirection = 1;

  // ---- the play field as last drawn (ground, tiles, sunset tint and fog),
  // kept in a render image so that a frame redraws only what changed
  int FieldCaching = 1;    // 0: draw field and display straight onto the screen every frame
  int FieldImage = 0;      // render image of 1024 x 608, 0 until first needed
  int BaseImage = 0;       // ground and tiles in full light, 1024 x 608
  int FieldWipeImage = 0;  // one opaque black cell
  int TintImage = 0;       // the sunset tint picture stretched over the field
  int FieldKey[10] = {};   // what the field image was drawn for
  int FieldSeen[SCREEN_CELLS_X][SCREEN_CELLS_Y] = {};  // the seen cells it shows
  std::vector<std::vector<int>> CellTiles;  // [x * 19 + y]: ScreenTiles entries over the cell, in order
  // The display below the field, kept the same way.
  int DisplayImage = 0;
  int DisplayKey[DISPLAY_KEY_SIZE] = {};
  std::vector<DisplayText> DisplayTexts;
};

}  // namespace vv
