#include "pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

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

// Ink rows of one glyph frame of a strip: top and bottom, -1 when empty.
std::pair<int, int> InkRows(const RgbaImage& img, int n) {
  int cx = (n % 7) * 60, cy = (n / 7) * 60, top = -1, bottom = -1;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 60; ++x)
      if (img.At(cx + x, cy + y)[3] >= 128) {
        if (top < 0) top = y;
        bottom = y;
      }
  return {top, bottom};
}

// Every capital stands as tall as the H (a Q folded small reads as a
// lowercase q) and digits and the slash stay within the capitals' height.
TEST(Pictures, CapitalsShareOneHeight) {
  const RgbaImage& img = Drawn().at("medfont.png");
  auto [capTop, baseline] = InkRows(img, 8);  // H
  for (int n = 1; n <= 41; ++n) {
    if (n == 40 || (n >= 27 && n <= 29)) continue;  // the ? and the marks over Å Ä Ö
    auto [top, bottom] = InkRows(img, n);
    EXPECT_LE(std::abs(top - capTop), 2) << "frame " << n;
    EXPECT_GE(bottom, baseline - 2) << "frame " << n;
    if (n != 17) {  // only the Q's tail dips below the line
      EXPECT_LE(bottom, baseline + 3) << "frame " << n;
    }
  }
}

// A quarter-size "1.1": the full stop stands apart from both ones.
TEST(Pictures, FullStopKeepsAGapToItsNeighbours) {
  const RgbaImage& img = Drawn().at("medfont2.png");
  auto columns = [&](int n) {
    int cx = (n % 7) * 60, cy = (n / 7) * 60, left = 60, right = -1;
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        if (img.At(cx + x, cy + y)[3] >= 128) left = std::min(left, x), right = std::max(right, x);
    return std::pair{left, right};
  };
  auto [oneLeft, oneRight] = columns(31);
  auto [dotLeft, dotRight] = columns(43);
  // Gaps in full-size pixels, including the 2-pixel spacing; 6 is about 1.5 at quarter size.
  EXPECT_GE(kGlyphWidths[31] - oneRight + 2 + dotLeft, 6);
  EXPECT_GE(kGlyphWidths[43] - dotRight + 2 + oneLeft, 6);
  EXPECT_GE(dotRight - dotLeft, 6);
}

// Weapons and portraits end inside their pictures: nothing opaque touches an edge
// where the game would show it cut off.
TEST(Pictures, WeaponsAndPortraitsAreNotCutOff) {
  for (const auto& [name, img] : Drawn()) {
    bool weapon = name.rfind("item_a", 0) == 0, face = name.rfind("face_", 0) == 0;
    if (!weapon && !face) continue;
    int touching = 0;
    for (int x = 0; x < img.width; ++x) touching += img.At(x, 0)[3] >= 128;
    if (weapon)
      for (int y = 0; y < img.height; ++y)
        touching += (img.At(0, y)[3] >= 128) + (img.At(img.width - 1, y)[3] >= 128);
    EXPECT_EQ(touching, 0) << name;
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

// Mean luminance of the picture laid over a ground cell (or black), counting
// every pixel: what the player sees in that cell.
double CellLuminance(const RgbaImage& img, const RgbaImage* ground) {
  double sum = 0;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const std::uint8_t* p = img.At(x, y);
      const std::uint8_t* g = ground ? ground->At(x % ground->width, y % ground->height) : nullptr;
      double a = p[3] / 255.0, lum = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
      double under = g ? 0.299 * g[0] + 0.587 * g[1] + 0.114 * g[2] : 0;
      sum += lum * a + under * (1 - a);
    }
  return sum / (img.width * img.height);
}

// The unseen fog is black: a chasm as dark as that reads as unexplored land.
// Its lit rims keep it a place in the world even at night.
TEST(Pictures, ChasmsAreFarBrighterThanTheFog) {
  for (const char* name : {"tile2_14.png", "tile2_22.png"}) {
    const RgbaImage& img = Drawn().at(name);
    EXPECT_GT(CellLuminance(img, nullptr), 45) << name;
    int brightest = 0;
    for (std::size_t i = 0; i + 3 < img.pixels.size(); i += 4)
      brightest = std::max<int>(brightest, img.pixels[i + 1]);
    EXPECT_GT(brightest, 110) << name << " has no lit rim";
  }
}

// What a cell shows: its mean colour and how much its brightness varies.
struct CellLook {
  double r = 0, g = 0, b = 0, lum = 0, spread = 0;
};
CellLook LookOf(const RgbaImage& img, const RgbaImage& ground) {
  CellLook look;
  std::vector<double> lums;
  for (int y = 0; y < img.height; ++y)
    for (int x = 0; x < img.width; ++x) {
      const std::uint8_t *p = img.At(x, y), *q = ground.At(x % ground.width, y % ground.height);
      double a = p[3] / 255.0, c[3];
      for (int k = 0; k < 3; ++k) c[k] = p[k] * a + q[k] * (1 - a);
      look.r += c[0];
      look.g += c[1];
      look.b += c[2];
      lums.push_back(0.299 * c[0] + 0.587 * c[1] + 0.114 * c[2]);
    }
  const double n = double(lums.size());
  look.r /= n, look.g /= n, look.b /= n;
  for (double l : lums) look.lum += l / n;
  for (double l : lums) look.spread += (l - look.lum) * (l - look.lum) / n;
  look.spread = std::sqrt(look.spread);
  return look;
}

// Walls stay apart from the ground of their area: by colour, or by a much
// busier texture (boulders against a smooth floor), so they still read at
// dusk and in the half light of the dark levels. The hideout's walls are
// raised blocks, clearly darker than its pale flagstones.
TEST(Pictures, EveryAreasWallsStandApartFromItsGround) {
  const struct {
    const char* ground;
    std::vector<const char*> walls;
  } areas[] = {
      {"ground_1.png", {"tile2_8.png"}},
      {"ground_2.png", {"tile2_10.png", "tile2_14.png"}},
      {"ground_3.png", {"tile2_21.png", "tile2_22.png"}},
      {"ground_4.png", {"tile2_28.png", "tile2_31.png"}},
      {"ground_5.png", {"tile2_32.png", "tile2_39.png", "tile2_36.png"}},
  };
  for (const auto& area : areas) {
    const RgbaImage& ground = Drawn().at(area.ground);
    CellLook floor = LookOf(ground, ground);
    for (const char* wall : area.walls) {
      CellLook look = LookOf(Drawn().at(wall), ground);
      double colour =
          std::sqrt((look.r - floor.r) * (look.r - floor.r) + (look.g - floor.g) * (look.g - floor.g) +
                    (look.b - floor.b) * (look.b - floor.b));
      EXPECT_TRUE(colour > 55 || look.spread - floor.spread > 20)
          << wall << " against " << area.ground << ": colour distance " << colour << ", texture "
          << look.spread << " vs " << floor.spread;
    }
  }
  const RgbaImage& flagstones = Drawn().at("ground_5.png");
  for (const char* wall : {"tile2_32.png", "tile2_39.png"})
    EXPECT_GT(LookOf(flagstones, flagstones).lum - LookOf(Drawn().at(wall), flagstones).lum, 30) << wall;
}

// The road is a path in the ground, not a wall: it changes its cell only a
// little and lets the area's ground show through.
TEST(Pictures, TheRoadIsLowInContrastOnEveryGround) {
  const RgbaImage& road = Drawn().at("tile1_24.png");
  for (int area = 1; area <= 5; ++area) {
    const RgbaImage& ground = Drawn().at("ground_" + std::to_string(area) + ".png");
    double diff = CellLuminance(road, &ground) - CellLuminance(ground, nullptr);
    EXPECT_LT(std::abs(diff), 45) << "ground " << area;
  }
  int opaque = 0;
  for (std::size_t i = 3; i < road.pixels.size(); i += 4) opaque += road.pixels[i] == 255;
  EXPECT_LT(opaque, 32 * 32 / 4);
}

// Spells drawn in additive light need a near-white core and a soft glow:
// plenty of half-transparent pixels around the solid ones.
TEST(Pictures, SpellEffectsHaveABrightCoreAndASoftGlow) {
  for (int n = 1; n <= 14; ++n) {
    if (n == 4) continue;  // the rock blast is drawn plainly
    std::string name = "spell_" + std::to_string(n) + ".png";
    const RgbaImage& img = Drawn().at(name);
    int core = 0, glow = 0;
    for (std::size_t i = 0; i + 3 < img.pixels.size(); i += 4) {
      const std::uint8_t* p = &img.pixels[i];
      if (p[3] > 200 && p[0] > 225 && p[1] > 225 && p[2] > 200) ++core;
      if (p[3] > 10 && p[3] < 200) ++glow;
    }
    EXPECT_GT(core, 20) << name;
    EXPECT_GT(glow, img.width * img.height / 8) << name;
  }
}

// Each battle background frames the place where the monster stands: the
// middle is at least as light as the edges, which a vignette darkens.
TEST(Pictures, BattleBackgroundsLeadTheEyeToTheMonster) {
  for (int area = 1; area <= 5; ++area) {
    const RgbaImage& img = Drawn().at("comback_" + std::to_string(area) + ".png");
    auto mean = [&](int x0, int x1, int y0, int y1) {
      double sum = 0;
      for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
          const std::uint8_t* p = img.At(x, y);
          sum += 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
        }
      return sum / ((x1 - x0) * (y1 - y0));
    };
    double middle = mean(362, 662, 250, 590), edges = (mean(0, 80, 0, 614) + mean(944, 1024, 0, 614)) / 2;
    EXPECT_GT(middle, edges) << "comback_" << area;
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
