// Reading the map file: the magic number, the column-row-slot order of the
// records, a short file, and the map the game carries.

#include "world/map_loading.h"

#include <cstdint>
#include <filesystem>
#include <vector>

#include "shell/startup.h"
#include "temp_folder.h"
#include "world_test_support.h"

namespace vv::test {
namespace {

std::vector<std::uint8_t> MapBytes(int magic, std::size_t ints) {
  std::vector<std::uint8_t> bytes(4 * ints, 0);
  for (int i = 0; i < 4; ++i)
    bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(magic >> (8 * i));
  return bytes;
}

void PutInt(std::vector<std::uint8_t>& bytes, std::size_t index, std::int32_t v) {
  for (int i = 0; i < 4; ++i)
    bytes[4 * index + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The integer index of field f of slot t on screen (c, r).
std::size_t Index(int c, int r, int t, int f) {
  return 1 + static_cast<std::size_t>((((c - 1) * 5 + (r - 1)) * 500 + (t - 1)) * 10 + (f - 1));
}

class MapLoadingTest : public WorldTest {};

TEST_F(MapLoadingTest, WrongMagicIsRefusedAndChangesNothing) {
  g().MapArray[3][1][1][1] = 77;
  for (int magic : {524, 526, 0, -525}) {
    auto bytes = MapBytes(magic, 125001);
    EXPECT_FALSE(ReadMap(g(), bytes)) << magic;
  }
  EXPECT_FALSE(ReadMap(g(), {}));  // an empty stream reads a zero
  EXPECT_EQ(g().MapArray[3][1][1][1], 77);
}

TEST_F(MapLoadingTest, RecordsComeColumnByColumnRowByRowSlotBySlot) {
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
}

TEST_F(MapLoadingTest, AShortFileReadsZerosForWhatIsMissing) {
  g().MapArray[1][1][2][1] = 5;
  auto bytes = MapBytes(MAP_MAGIC, 1 + 13);  // magic, slot 1 and part of slot 2
  PutInt(bytes, Index(1, 1, 1, 3), 64);
  PutInt(bytes, Index(1, 1, 2, 3), 96);
  ASSERT_TRUE(ReadMap(g(), bytes));
  EXPECT_EQ(g().MapArray[1][1][1][tile::X], 64);
  EXPECT_EQ(g().MapArray[1][1][2][tile::X], 96);
  EXPECT_EQ(g().MapArray[1][1][2][1], 0);
  EXPECT_EQ(g().MapArray[1][1][2][tile::Y], 0);
  EXPECT_EQ(g().MapArray[3][1][1][tile::Kind], 0);
}

TEST_F(MapLoadingTest, TheGamesMapLoadsWithAGroundOnEveryScreen) {
  ASSERT_EQ(platform.FindAsset(MAP_FILE).size(), 500004u);
  ASSERT_TRUE(LoadWorldMap(g()));
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      const int ground = g().MapArray[c][r][1][tile::Ground];
      if (g().LevelGrid[c][r] == 0) {
        EXPECT_EQ(g().MapArray[c][r][1][tile::Kind], 0) << c << "," << r;
        continue;
      }
      EXPECT_GE(ground, 1) << c << "," << r;
      EXPECT_LE(ground, 5) << c << "," << r;
    }
  }
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
