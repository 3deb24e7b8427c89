// The asset catalogue: every name embedded with its size or format, the
// handle tables filled with the right handle points, missing names as 0.

#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <set>
#include <string>

#include "platform/fake_platform.h"
#include "renderer_support.h"
#include "shell/asset_catalogue.h"
#include "shell/assets.h"
#include "shell/embedded_assets.h"

namespace vv {
namespace {

int ReadLe(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
  int v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + i];
  return v;
}

TEST(CatalogueTest, NamesAreUniqueAndFoundInEitherSlashForm) {
  std::set<std::string> names;
  for (const AssetEntry& e : AssetCatalogue()) {
    EXPECT_TRUE(names.insert(e.name).second) << e.name << " is listed twice";
    std::string backslashed = e.name;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(FindCatalogueEntry(backslashed), &e) << e.name;
  }
}

TEST(CatalogueTest, EmbeddedFilesHaveTheCataloguesSizesAndFormats) {
  std::map<std::string, std::span<const std::uint8_t>> embedded;
  for (const EmbeddedAsset& a : EmbeddedAssets()) embedded[std::string(a.name)] = a.bytes;
  for (const AssetEntry& e : AssetCatalogue()) {
    ASSERT_TRUE(embedded.count(e.name)) << e.name;
    const auto bytes = embedded[e.name];
    switch (e.kind) {
      case AssetKind::Picture: {
        Pixels px;
        ASSERT_TRUE(DecodePng(bytes, px)) << e.name;
        if (e.width > 0) {
          EXPECT_EQ(px.width, e.width) << e.name;
          EXPECT_EQ(px.height, e.height) << e.name;
        }
        break;
      }
      case AssetKind::Sound:  // the generator's own tests check the formats
        EXPECT_EQ(std::memcmp(bytes.data(), "RIFF", 4), 0) << e.name;
        break;
      case AssetKind::Module:
        ASSERT_GE(bytes.size(), 60u) << e.name;
        EXPECT_EQ(std::memcmp(bytes.data(), "Extended Module: ", 17), 0) << e.name;
        break;
      case AssetKind::Map:
        ASSERT_EQ(bytes.size(), 500004u);
        EXPECT_EQ(ReadLe(bytes, 0, 4), 525);
        break;
    }
  }
}

class LoadedAssetsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    LoadGameImages(shell);
    LoadGameSounds(shell);
  }
  FakePlatform platform;
  Shell shell{platform};
};

TEST_F(LoadedAssetsTest, TriedRangesLoadExactlyTheCataloguedFiles) {
  // A handle is set where the catalogue lists the file and 0 where it does not.
  const auto listed = [](const std::string& name) { return FindCatalogueEntry(name) != nullptr; };
  const auto n = [](int i) { return std::to_string(i); };
  for (int kind = 1; kind <= 2; ++kind) {
    for (int i = 1; i <= 100; ++i) {
      const std::string name = "data/gfx/tile" + n(kind) + "_" + n(i) + ".png";
      EXPECT_EQ(shell.TileImages[kind][i] != 0, listed(name)) << name;
    }
  }
  for (int i = 1; i <= 10; ++i)
    EXPECT_EQ(shell.FaceImages[i] != 0, listed("data/gfx/face_" + n(i) + ".png")) << i;
  for (int i = 1; i <= 50; ++i) {
    EXPECT_EQ(shell.DropSounds[i] != 0, listed("data/sfx/drop_" + n(i) + ".wav")) << i;
    EXPECT_EQ(shell.UseSounds[i] != 0, listed("data/sfx/use_" + n(i) + ".wav")) << i;
  }
  for (int i = 0; i <= 20; ++i)
    EXPECT_EQ(shell.HitSounds[i] != 0, listed("data/sfx/hit_" + n(i) + ".wav")) << i;
  EXPECT_NE(shell.HitSounds[0], 0);  // bare hands have a sound
  EXPECT_EQ(platform.LoadImage("data/gfx/nothing.png", IMAGE_MASKED), 0);
  platform.DrawImage(0, 1, 1);  // handle 0 draws nothing
  EXPECT_TRUE(platform.draws.empty());
}

TEST_F(LoadedAssetsTest, HandlePointsAreSetAtLoadTimeInsideTheirPictures) {
  for (int image : {shell.TitleTextImage, shell.TalkMenuImage, shell.SplatImage, shell.VerImage,
                    shell.Trinkle2Image, shell.MonStatImage, shell.HpGauge1Image, shell.ArrowImages[1],
                    shell.ArrowImages[2], shell.ArrowImages[3], shell.ArrowImages[4]}) {
    const ImageInfo* info = platform.Image(image);
    ASSERT_NE(info, nullptr) << image;
    EXPECT_GT(info->handleX + info->handleY, 0.0f) << info->name;
    EXPECT_GE(info->handleX, 0.0f) << info->name;
    EXPECT_LE(info->handleX, static_cast<float>(info->width)) << info->name;
    EXPECT_GE(info->handleY, 0.0f) << info->name;
    EXPECT_LE(info->handleY, static_cast<float>(info->height)) << info->name;
  }
  // The pointer's picture lands 2 pixels below the mouse.
  platform.DrawImage(shell.PointerImage, 100, 200);
  EXPECT_EQ(platform.draws.back().y, 200);
}

TEST(PictureLoadingTest, MaskColourBecomesTransparentAndStripsAreCut) {
  // A strip of two 4 x 4 cells: the first blue, the second white on the
  // left and green on the right. Its second frame, drawn over red on the
  // real platform, shows red where it was white and nothing of the first.
  std::vector<std::uint8_t> rgba(8 * 4 * 4);
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 8; ++x) {
      std::uint8_t* px = &rgba[static_cast<std::size_t>(y * 8 + x) * 4];
      const bool white = x == 4 || x == 5;
      px[0] = white ? 255 : 0;
      px[1] = white || x >= 6 ? 255 : 0;
      px[2] = white || x < 4 ? 255 : 0;
      px[3] = 255;
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = 8;
  image.height = 4;
  image.format = PNG_FORMAT_RGBA;
  std::vector<std::uint8_t> png(4096);
  png_alloc_size_t size = png.size();
  ASSERT_TRUE(png_image_write_to_memory(&image, png.data(), &size, 0, rgba.data(), 8 * 4, nullptr));
  png.resize(size);

  SdlPlatform p(HeadlessSdlOptions("software"));
  std::string error;
  ASSERT_TRUE(p.Init(error) && p.OpenGameDisplay(RendererChoice::OpenGL, "test", error)) << error;
  p.RegisterAsset("data/gfx/strip.png", png);
  p.SetMaskColor(255, 255, 255);
  const int strip = p.LoadAnimImage("data/gfx/strip.png", 4, 4, 0, 2, IMAGE_MASKED);
  ASSERT_EQ(p.ImageFrames(strip), 2);
  ASSERT_EQ(p.ImageWidth(strip), 4);
  Pixels red{8, 8, std::vector<std::uint8_t>(8 * 8 * 4, 0)};
  for (std::size_t i = 0; i < red.rgba.size(); i += 4) red.rgba[i] = 200, red.rgba[i + 3] = 255;
  p.DrawImage(p.CreateImage(red, 0), 100, 100);
  p.DrawImage(strip, 100, 100, 1);
  p.Flip();
  Pixels shot;
  ASSERT_TRUE(ReadBackFrame(p, shot));
  auto colour = [&](int x, int y) {
    const std::uint8_t* px = &shot.rgba[static_cast<std::size_t>(y * shot.width + x) * 4];
    return px[0] * 0x10000 + px[1] * 0x100 + px[2];
  };
  for (int y = 100; y < 104; ++y) {
    EXPECT_EQ(colour(100, y), 0xC80000) << y;  // white: see-through
    EXPECT_EQ(colour(101, y), 0xC80000) << y;
    EXPECT_EQ(colour(102, y), 0x00FF00) << y;  // green: kept
    EXPECT_EQ(colour(103, y), 0x00FF00) << y;
    EXPECT_EQ(colour(104, y), 0xC80000) << y;  // one cell wide
  }
}

TEST(PictureLoadingTest, DamagedPicturesAreRefusedNotCrashedOn) {
  std::span<const std::uint8_t> png;
  for (const EmbeddedAsset& a : EmbeddedAssets()) {
    if (a.name == "data/gfx/menuback.png") png = a.bytes;
  }
  ASSERT_FALSE(png.empty());
  Pixels px;
  ASSERT_TRUE(DecodePng(png, px));
  // Every truncation, and bytes flipped all over the file.
  for (std::size_t cut = 0; cut < png.size(); cut += 97) {
    EXPECT_FALSE(DecodePng(png.subspan(0, cut), px)) << cut;
  }
  std::vector<std::uint8_t> damaged(png.begin(), png.end());
  std::uint32_t seed = 12345;
  for (int round = 0; round < 200; ++round) {
    std::vector<std::uint8_t> copy = damaged;
    for (int k = 0; k < 4; ++k) {
      seed = seed * 1664525u + 1013904223u;
      copy[seed % copy.size()] ^= static_cast<std::uint8_t>(seed >> 24);
    }
    DecodePng(copy, px);  // may succeed or fail, must not crash
  }
  const std::vector<std::uint8_t> garbage(1000, 0x5A);
  EXPECT_FALSE(DecodePng(garbage, px));
  FakePlatform platform;
  platform.RegisterAsset("data/gfx/broken.png", std::span<const std::uint8_t>(garbage));
  EXPECT_EQ(platform.LoadImage("data/gfx/broken.png", IMAGE_MASKED), 0);
}

}  // namespace
}  // namespace vv
