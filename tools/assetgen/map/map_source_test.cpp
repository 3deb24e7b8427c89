#include "map_source.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "map_compiler.h"

namespace vv::gen {
namespace {

const char* const FOREST_LEGEND =
    "# a small forest legend\n"
    "key T 2:1        oak\n"
    "key G 2:6        great tree\n"
    "key = 2:8r2      stream, east-west\n"
    "key C 1:12       chest\n"
    "key k 1:24 1:12  chest on a path slab\n"
    "key Y 2:16       a cactus, not forest\n"
    "key W 2:30       hideout gate\n";

std::string ReadLegend(const std::string& name, std::string& fileName) {
  fileName = "legend_" + name + ".txt";
  if (name != "forest") throw std::runtime_error(fileName + ":0: cannot open the file");
  return FOREST_LEGEND;
}

// A level text with the given rows; missing rows are bare ground.
std::string LevelText(std::vector<std::string> rows,
                      const std::string& header = "level 2\nground 1\nlegend forest\n") {
  rows.resize(19, std::string(32, '.'));
  std::string text = header + "map\n";
  for (const auto& row : rows) text += row + "\n";
  return text;
}

std::string Row(const std::string& start) {
  return start + std::string(32 - start.size(), '.');
}

std::string ErrorOf(const std::string& text) {
  try {
    ParseLevel("lvl.txt", text, ReadLegend);
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "no error";
}

TEST(MapSource, SymbolsBecomeTilesFloorFirst) {
  const std::string text = LevelText(
      {Row("T..k"), Row(".=GGGG") + "  # the great tree", Row("..GGGG"), Row("..GGGG"), Row("..GGGG")});
  const ScreenDesign design = ParseLevel("lvl.txt", text, ReadLegend);
  EXPECT_EQ(design.level, 2);
  EXPECT_EQ(design.ground, 1);
  ASSERT_EQ(design.tiles.size(), 5u);
  // Floor objects come first so that they are drawn under everything else.
  EXPECT_EQ(design.tiles[0], (MapTile{1, 24, 96, 0, 32, 32, 1}));
  EXPECT_EQ(design.tiles[1], (MapTile{1, 12, 96, 0, 32, 32, 1}));
  EXPECT_EQ(design.tiles[2], (MapTile{2, 1, 0, 0, 32, 32, 1}));
  EXPECT_EQ(design.tiles[3], (MapTile{2, 8, 32, 32, 32, 32, 2}));
  EXPECT_EQ(design.tiles[4], (MapTile{2, 6, 64, 32, 128, 128, 1}));
}

TEST(MapSource, LargeTilesSideBySideAndCutByTheLowerEdge) {
  std::vector<std::string> rows(19, std::string(32, '.'));
  for (int y = 0; y < 4; ++y) rows[y] = Row("GGGGGGGG");
  // The gate's record is 256 square but its picture only 200 high: its last
  // row of cells may lie below the screen.
  for (int y = 12; y < 19; ++y) rows[y] = Row("WWWWWWWW");
  const std::string text = LevelText(rows, "level 13\nground 5\nlegend forest\nkey G 2:37\nkey G 2:6\n");
  EXPECT_NE(ErrorOf(text).find("forest tile on ground 5"), std::string::npos);
  const ScreenDesign design =
      ParseLevel("lvl.txt", LevelText(rows, "level 13\nground 5\nlegend forest\nkey G 2:34\n"), ReadLegend);
  ASSERT_EQ(design.tiles.size(), 33u);  // 32 skull pillars, then the gate
  EXPECT_EQ(design.tiles.back(), (MapTile{2, 30, 0, 384, 256, 256, 1}));

  std::vector<std::string> low(19, Row(""));
  for (int y = 13; y < 19; ++y) low[y] = Row("WWWWWWWW");
  EXPECT_NE(ErrorOf(LevelText(low, "level 13\nground 5\nlegend forest\n")).find("painted past the edge"),
            std::string::npos);
}

TEST(MapSource, MistakesNameTheirFileAndLine) {
  struct Case {
    std::string text;
    std::string expected;
  };
  const std::string header = "level 2\nground 1\nlegend forest\n";
  const std::vector<Case> cases = {
      {LevelText({Row("T"), Row("..Z")}), "lvl.txt:6: unknown symbol 'Z' in column 2"},
      {LevelText({Row("T"), "TTT"}), "lvl.txt:6: a row must be 32 symbols, this one is 3"},
      {LevelText({Row("T"), Row("T") + " oops"}), "lvl.txt:6: only a comment may follow a row"},
      {header + "map\n" + Row("T") + "\n", "lvl.txt:5: the map has 1 rows, not 19"},
      {LevelText({Row("GGGG"), Row("GGGG"), Row("GGG.")}),
       "lvl.txt:5: the large tile 'G' starting in column 0"},
      {LevelText({Row("..Y")}), "lvl.txt:5: the symbol 'Y' in column 2 is a desert tile on ground 1"},
      {LevelText({}, header + "key q 2:8r5\n"), "lvl.txt:4: the turn of \"2:8r5\" must be r1..r4"},
      {LevelText({}, header + "key q 2:41\n"), "lvl.txt:4: there is no tile picture 2:41"},
      {LevelText({}, header + "key . 2:1\n"), "lvl.txt:4: the symbol '.' cannot be used"},
      {LevelText({}, header + "key q 2:30r2\n"), "lvl.txt:4: a picture that is not square cannot be turned"},
      {LevelText({}, "level 2\nlegend forest\n"), "lvl.txt:3: the ground is not given before the map"},
      {LevelText({}, "level 2\nground 1\nlegend desert\n"), "legend_desert.txt:0: cannot open the file"},
      {LevelText({}, header + "colour 5\n"), "lvl.txt:4: unknown line \"colour\""},
      {LevelText({}) + "T\n", "lvl.txt:24: nothing but comments may follow the 19 rows"},
  };
  for (const Case& c : cases) {
    EXPECT_NE(ErrorOf(c.text).find(c.expected), std::string::npos)
        << "wanted: " << c.expected << "\ngot: " << ErrorOf(c.text);
  }
}

TEST(MapSource, CompilerNamesTheMissingFile) {
  try {
    CompileMap(std::filesystem::path("/nonexistent-assets"));
    FAIL() << "compiled a map from nothing";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("maps/level_01.txt"), std::string::npos) << e.what();
  }
}

}  // namespace
}  // namespace vv::gen
