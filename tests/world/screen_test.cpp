// Reading the map file (the column-row-slot order of the records, a short
// file, a bad one at start-up); building a screen from the map and drawing
// its ground and tiles: empty slots, teleporters and the chest, the fog rule
// for small tiles, turned tiles; and light and darkness: the reveal by day,
// by night and on the dark levels, and the light colour.

#include <cstdint>
#include <filesystem>
#include <vector>

#include "shell/startup.h"
#include "temp_folder.h"
#include "world/map_loading.h"
#include "world_test_support.h"

namespace vv::test {
namespace {

class ScreenTest : public WorldTest {
 protected:
  void SetUp() override {
    NewGame();
    PlaceParty(3, 1, 512, 288);
  }
};

TEST_F(ScreenTest, EmptySlotsAreSkippedAndOnlyTwoTeleportersCount) {
  const int ghost = PutTile(3, 1, KIND_OBSTACLE, 3, 64, 64, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 96, 96, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 800, 96, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_TELEPORTER, 800, 480, 32);
  PutTile(3, 1, KIND_FLOOR, IMAGE_CHEST, 640, 448, 32, 2);
  g().MapArray[3][1][ghost][tile::Kind] = 0;  // everything else still set
  BuildScreen(g(), 3, 1);
  EXPECT_EQ(g().CurrentLevel, 1);
  ASSERT_EQ(g().ScreenTiles.size(), 5u);  // the flower of slot 1, three teleporters, the chest
  EXPECT_EQ(g().ScreenTiles[1].index, ghost + 1);
  EXPECT_EQ(g().ScreenTiles[4].rotation, 2);
  EXPECT_EQ(g().TeleporterPos[1][1], 96);
  EXPECT_EQ(g().TeleporterPos[2][1], 800);
  EXPECT_EQ(g().ChestPos[1], 640);
  EXPECT_FALSE(MoveBlocked(g(), 64, 64));

  ChestRecord(g(), 1)[chest::Opened] = 1;
  BuildScreen(g(), 3, 1);
  EXPECT_EQ(g().ChestPos[1], ABSENT);
  EXPECT_EQ(g().ScreenTiles.size(), 5u);
}

TEST_F(ScreenTest, SmallTilesHideInTheFogAndLargeOnesDoNot) {
  PutTile(3, 1, KIND_OBSTACLE, 7, 128, 64, 64, 3);  // a turned tree in unseen cells
  PutTile(3, 1, KIND_OBSTACLE, 1, 256, 64, 32);     // a small one, unseen
  PutTile(3, 1, KIND_OBSTACLE, 2, 288, 64, 32);     // a small one, seen
  PutTile(3, 1, KIND_FLOOR, IMAGE_CHEST, 320, 64, 32);
  BuildScreen(g(), 3, 1);
  SeeScreen(3, 1, false);
  g().ExploredMap[3][1][9][2] = 1;
  g().ExploredMap[3][1][10][2] = 1;
  platform.Cls();
  DrawScreen(g());
  shown = platform.draws;

  ASSERT_EQ(DrawsOf("ground_1.png").size(), 2u);
  EXPECT_EQ(DrawsOf("ground_1.png")[0].x, 288);
  const auto tree = DrawsOf("tile2_7.png");
  ASSERT_EQ(tree.size(), 1u);
  EXPECT_EQ(tree[0].x, 192);  // turned 180 degrees about its corner, moved back over x 128..191
  EXPECT_EQ(tree[0].y, 128);
  EXPECT_EQ(tree[0].state.rotation, 180);
  EXPECT_TRUE(DrawsOf("tile2_1.png").empty());
  EXPECT_EQ(DrawsOf("tile2_2.png").size(), 1u);
  EXPECT_EQ(DrawsOf("tile1_12.png").size(), 1u);
}

class DayNightTest : public ScreenTest {
 protected:
  void SetUp() override {
    ScreenTest::SetUp();
    Frames(1);
  }
  int SeenCells(int c, int r) {
    int n = 0;
    for (auto& column : g().ExploredMap[c][r]) {
      for (int cell : column) n += cell;
    }
    return n;
  }
};

TEST_F(DayNightTest, RevealShrinksAtNightAndOnTheDarkLevelsAndStopsAtTheBorder) {
  struct Case {
    int time, column, row, cells;
  };
  const Case cases[] = {
      {7, 3, 1, 21},  {8, 3, 1, 37},  {43, 3, 1, 37}, {44, 3, 1, 21},  // level 1
      {20, 1, 2, 21}, {20, 3, 2, 21}, {20, 1, 3, 37},                  // levels 4, 6 and 9
  };
  for (const Case& k : cases) {
    PlaceParty(k.column, k.row, 512, 288);
    SeeScreen(k.column, k.row, false);
    g().PartyState[TimeOfDay] = k.time;
    Frames(1);
    EXPECT_EQ(SeenCells(k.column, k.row), k.cells) << "time " << k.time << ", level " << g().CurrentLevel;
  }
  // The 21 cells are five by five without the corners.
  EXPECT_EQ(g().ExploredMap[1][3][14][7], 1);
  PlaceParty(3, 1, 512, 288);
  SeeScreen(3, 1, false);
  g().PartyState[TimeOfDay] = 2;
  Frames(1);
  EXPECT_EQ(g().ExploredMap[3][1][14][7], 0);
  EXPECT_EQ(g().ExploredMap[3][1][14][8], 1);

  // The option only changes the light: the night still sees less.
  g().OptionFlags[OPTION_DAY_NIGHT] = 0;
  SeeScreen(3, 1, false);
  Frames(1);
  EXPECT_EQ(SeenCells(3, 1), 21);

  PlaceParty(3, 1, 0, 0);  // in the corner: the lower-right quarter of the 37-cell shape
  SeeScreen(3, 1, false);
  g().PartyState[TimeOfDay] = 20;
  Frames(1);
  EXPECT_EQ(SeenCells(3, 1), 4 + 4 + 3 + 2);
}

TEST_F(DayNightTest, LightIsFullAtNoonDarkestAtNightAndNeverBlueAboveRed) {
  for (int time = 0; time <= 47; ++time) {
    g().PartyState[TimeOfDay] = time;
    const LightColour l = WorldLight(g());
    EXPECT_GE(l.green, 38) << time;
    EXPECT_GE(l.red, l.green) << time;  // evenings redden, nothing turns blue
    EXPECT_EQ(l.green, l.blue) << time;
  }
  g().PartyState[TimeOfDay] = 25;
  EXPECT_EQ(WorldLight(g()).green, 255);
  g().PartyState[TimeOfDay] = 0;
  EXPECT_EQ(WorldLight(g()).red, 38);
  g().OptionFlags[OPTION_DAY_NIGHT] = 0;
  EXPECT_EQ(WorldLight(g()).green, 255);
  g().OptionFlags[OPTION_DAY_NIGHT] = 1;
  PlaceParty(2, 2, 512, 288);  // level 5: half light at any hour
  Frames(1);
  EXPECT_EQ(WorldLight(g()).red, 127);
  EXPECT_EQ(WorldLight(g()).blue, 127);
}

void PutInt(std::vector<std::uint8_t>& bytes, std::size_t index, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes[4 * index + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::vector<std::uint8_t> MapBytes(int magic, std::size_t ints) {
  std::vector<std::uint8_t> bytes(4 * ints, 0);
  PutInt(bytes, 0, magic);
  return bytes;
}

// The integer index of field f of slot t on screen (c, r).
std::size_t Index(int c, int r, int t, int f) {
  return 1 + static_cast<std::size_t>((((c - 1) * 5 + (r - 1)) * 500 + (t - 1)) * 10 + (f - 1));
}

class MapLoadingTest : public WorldTest {};

TEST_F(MapLoadingTest, RecordsComeColumnByColumnRowByRowSlotBySlotAndMissingOnesAreZero) {
  auto bytes = MapBytes(MAP_MAGIC, 125001);
  PutInt(bytes, Index(1, 1, 1, 1), 2);
  PutInt(bytes, Index(2, 3, 7, 5), 128);
  PutInt(bytes, Index(2, 3, 7, 10), -9);
  PutInt(bytes, Index(3, 1, 500, 7), 4);
  PutInt(bytes, Index(5, 5, 500, 10), 12345);
  ASSERT_TRUE(ReadMap(g(), bytes));
  EXPECT_EQ(g().MapArray[1][1][1][tile::Kind], 2);
  EXPECT_EQ(g().MapArray[2][3][7][tile::Width], 128);
  EXPECT_EQ(g().MapArray[2][3][7][tile::Ground], -9);
  EXPECT_EQ(g().MapArray[3][1][500][tile::Rotation], 4);
  EXPECT_EQ(g().MapArray[5][5][500][10], 12345);
  EXPECT_EQ(g().MapArray[3][2][7][tile::Width], 0);

  // A short file reads zeros for what is missing; an empty one is refused.
  g().MapArray[1][1][2][1] = 5;
  bytes = MapBytes(MAP_MAGIC, 1 + 13);  // magic, slot 1 and part of slot 2
  PutInt(bytes, Index(1, 1, 1, 3), 64);
  PutInt(bytes, Index(1, 1, 2, 3), 96);
  ASSERT_TRUE(ReadMap(g(), bytes));
  EXPECT_EQ(g().MapArray[1][1][1][tile::X], 64);
  EXPECT_EQ(g().MapArray[1][1][2][tile::X], 96);
  EXPECT_EQ(g().MapArray[1][1][2][1], 0);
  EXPECT_EQ(g().MapArray[3][1][1][tile::Kind], 0);
  EXPECT_FALSE(ReadMap(g(), {}));
}

TEST(MapStartupTest, ABadMapEndsTheProgramWithAMessageBox) {
  for (int magic : {524, 526}) {
    FakePlatform platform;
    platform.SetScriptedInput(true);
    auto game = std::make_unique<Game>(platform);
    const TempFolder folder("vizid-map-startup");
    game->DataDir = folder / "data";
    StartupHooks hooks = MakeStartupHooks(*game);
    const std::vector<std::uint8_t> bad = MapBytes(magic, 125001);
    const auto tables = hooks.initTables;
    hooks.initTables = [&] {
      tables();
      platform.RegisterAsset(MAP_FILE, bad);  // after the game's own files
    };
    std::string error;
    EXPECT_EQ(RunStartup(*game, hooks, error), StartupOutcome::Failed);
    EXPECT_EQ(error, "Map file invalid!");
    ASSERT_EQ(platform.messageBoxes.size(), 1u);
    EXPECT_NE(platform.messageBoxes[0].find("Map file invalid!"), std::string::npos);
  }
}

}  // namespace
}  // namespace vv::test
