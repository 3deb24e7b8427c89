#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>

#include "game_font.h"
#include "picture_table.h"
#include "shell/asset_catalogue.h"

namespace vv::gen {
namespace {

// Every picture drawn once for the whole suite.
const std::map<std::string, RgbaImage>& Drawn() {
  static const std::map<std::string, RgbaImage> images = [] {
    std::map<std::string, RgbaImage> m;
    for (const PictureDef& d : AllPictures()) DrawPicture(d.name, m[d.name]);
    return m;
  }();
  return images;
}

TEST(Pictures, EveryCatalogueNameIsDrawnAtItsSize) {
  int pictures = 0;
  for (const AssetEntry& e : AssetCatalogue()) {
    if (e.kind != AssetKind::Picture) continue;
    ++pictures;
    std::string file(AssetFileName(e.name));
    auto it = Drawn().find(file);
    ASSERT_NE(it, Drawn().end()) << file;
    if (e.width > 0) {
      EXPECT_EQ(it->second.width, e.width) << file;
      EXPECT_EQ(it->second.height, e.height) << file;
    }
    EXPECT_GT(it->second.width, 0) << file;
  }
  EXPECT_EQ(pictures, 268);
  EXPECT_EQ(AllPictures().size(), 268u);
  RgbaImage img;
  EXPECT_FALSE(DrawPicture("no_such_picture.png", img));
}

TEST(Pictures, NoPixelIsTheMaskColour) {
  for (const auto& [name, img] : Drawn())
    for (std::size_t i = 0; i + 3 < img.pixels.size(); i += 4)
      ASSERT_FALSE(img.pixels[i] == 255 && img.pixels[i + 1] == 255 && img.pixels[i + 2] == 255)
          << name << " pixel " << i / 4;
}

// The mean colour step across the wrap line must be no larger than the
// strongest line inside the picture (mortar and plank joints included), so
// a tiled field shows no edge that the texture does not already have.
TEST(Pictures, SeamlessTexturesWrapWithoutSeams) {
  for (const PictureDef& d : AllPictures()) {
    if (!(d.flags & kSeamless)) continue;
    const RgbaImage& img = Drawn().at(d.name);
    const int w = img.width, h = img.height;
    auto diff = [&](int x1, int y1, int x2, int y2) {
      const std::uint8_t *a = img.At(x1, y1), *b = img.At(x2, y2);
      return std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
    };
    auto column = [&](int x1, int x2) {
      double sum = 0;
      for (int y = 0; y < h; ++y) sum += diff(x1, y, x2, y);
      return sum / h;
    };
    auto row = [&](int y1, int y2) {
      double sum = 0;
      for (int x = 0; x < w; ++x) sum += diff(x, y1, x, y2);
      return sum / w;
    };
    double strongestColumn = 0, strongestRow = 0;
    for (int x = 0; x + 1 < w; ++x) strongestColumn = std::max(strongestColumn, column(x, x + 1));
    for (int y = 0; y + 1 < h; ++y) strongestRow = std::max(strongestRow, row(y, y + 1));
    EXPECT_LE(column(w - 1, 0), strongestColumn * 1.05 + 2) << d.name;
    EXPECT_LE(row(h - 1, 0), strongestRow * 1.05 + 2) << d.name;
    for (std::size_t i = 3; i < img.pixels.size(); i += 4)
      ASSERT_EQ(img.pixels[i], 255) << d.name << " has holes";
  }
}

TEST(Pictures, ItemsFillAFairPartOfTheirFootprint) {
  for (const auto& [name, img] : Drawn()) {
    if (name.rfind("item_", 0) != 0) continue;
    int covered = 0;
    for (std::size_t i = 3; i < img.pixels.size(); i += 4) covered += img.pixels[i] >= 128;
    double share = double(covered) / (img.width * img.height);
    EXPECT_GT(share, 0.15) << name;
  }
}

TEST(Pictures, GlyphsStayInsideTheirAdvanceWidth) {
  for (const char* strip : {"medfont.png", "medfont2.png"}) {
    const RgbaImage& img = Drawn().at(strip);
    for (int n = 0; n < 63; ++n) {
      int cx = (n % 7) * 60, cy = (n / 7) * 60;
      int right = -1;
      bool any = false;
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x)
          if (img.At(cx + x, cy + y)[3] > 0) {
            right = std::max(right, x);
            any = true;
          }
      EXPECT_EQ(any, kGlyphChars[n][0] != 0) << strip << " frame " << n;
      EXPECT_LT(right, std::max(kGlyphWidths[n], 1)) << strip << " frame " << n;
      // Tinted by the game: glyph pixels stay near-white at most.
      for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 60; ++x) EXPECT_LE(img.At(cx + x, cy + y)[0], 250);
    }
  }
}

TEST(Pictures, DrawingTwiceGivesIdenticalPixels) {
  for (const char* name : {"medfont2.png", "comback_3.png", "monster_16a.png", "tile2_30.png", "spell_5.png",
                           "face_7.png", "menuback.png", "item_a20.png"}) {
    RgbaImage again;
    ASSERT_TRUE(DrawPicture(name, again));
    EXPECT_EQ(again.pixels, Drawn().at(name).pixels) << name;
  }
}

TEST(Pictures, NoPictureIsAFlatPlaceholder) {
  for (const auto& [name, img] : Drawn()) {
    if (name == "black.png") continue;
    std::set<std::uint32_t> colours;
    for (std::size_t i = 0; i + 3 < img.pixels.size() && colours.size() < 64; i += 4)
      colours.insert(std::uint32_t(img.pixels[i]) << 24 | img.pixels[i + 1] << 16 | img.pixels[i + 2] << 8 |
                     img.pixels[i + 3]);
    std::size_t wanted = img.width * img.height <= 32 * 32 ? 8 : 16;
    EXPECT_GE(colours.size(), wanted) << name;
  }
}

TEST(Pictures, MonstersFitUnderTheNamePanel) {
  for (const auto& [name, img] : Drawn())
    if (name.rfind("monster_", 0) == 0) {
      EXPECT_LE(img.height, 511) << name;
      EXPECT_LE(img.width, 1024) << name;
    }
  EXPECT_GE(Drawn().at("spell_5.png").height, 252);
  EXPECT_GE(Drawn().at("spell_5.png").width, 43);
}

}  // namespace
}  // namespace vv::gen
