// The pictures: the asset catalogue (every name embedded with its size or
// format, the handle tables filled with the right handle points, missing
// names as 0), the mask colour and strips on loading, damaged files refused;
// and both renderers giving the same picture: one composed frame drawn
// through the software and the OpenGL renderer, compared pixel by pixel
// within the small differences of their blending arithmetic.

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
#include "shell/text.h"

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

TEST_F(LoadedAssetsTest, UnlistedNamesLoadAsNothing) {
  // Names the catalogue does not list load as handle 0, which draws nothing.
  EXPECT_EQ(FindCatalogueEntry("data/gfx/tile1_100.png"), nullptr);
  EXPECT_EQ(shell.TileImages[1][100], 0);
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
  // Truncations and garbage (random damage is the fuzzer's work).
  for (std::size_t cut = 0; cut < png.size(); cut += 499) {
    EXPECT_FALSE(DecodePng(png.subspan(0, cut), px)) << cut;
  }
  const std::vector<std::uint8_t> garbage(1000, 0x5A);
  EXPECT_FALSE(DecodePng(garbage, px));
  FakePlatform platform;
  platform.RegisterAsset("data/gfx/broken.png", std::span<const std::uint8_t>(garbage));
  EXPECT_EQ(platform.LoadImage("data/gfx/broken.png", IMAGE_MASKED), 0);
}

// Draws a frame with every kind of drawing the game does and returns it.
bool RenderComposedFrame(const std::string& driver, Pixels& out, std::string& error) {
  SdlPlatform p(HeadlessSdlOptions(driver));
  if (!p.Init(error) || !p.OpenGameDisplay(RendererChoice::OpenGL, "test", error)) return false;
  RegisterAssets(p);
  p.SetMaskColor(255, 255, 255);
  Shell shell(p);
  LoadFonts(shell);
  LoadGameImages(shell);

  p.TileImage(shell.MenuBackImage, 0, 0);
  for (int i = 0; i < 20; ++i) p.DrawImage(shell.TileImages[2][1 + i], 32.0f * i, 64);
  p.SetColor(255, 255, 0);
  p.DrawImage(shell.FaceBorderImage, 600, 100);
  p.SetColor(255, 255, 255);
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(0.5f);
  p.DrawImage(shell.BoardImage, 100, 200);
  p.SetBlend(BLEND_LIGHT);
  p.SetAlpha(1);
  p.DrawImage(shell.LootImage, 800, 300);
  p.SetBlend(BLEND_MASKED);
  p.SetScale(-1, 1);
  p.DrawImage(shell.FaceImages[1], 700, 500);
  p.SetScale(1, 1);
  p.SetRotation(90);
  p.DrawImage(shell.TileImages[2][6], 300, 500);
  p.SetRotation(0);
  p.SetColor(0, 255, 255);
  DrawTextLarge(shell, 512, 20, "SAME PICTURE", 1, 0.66f, -1);
  DrawTextHalf(shell, 40, 700, "HALF SIZE TEXT", 0);
  p.ResetDrawState();
  p.Flip();
  if (ReadBackFrame(p, out)) return true;
  error = "cannot read the frame back";
  return false;
}

TEST(RendererTest, SoftwareAndOpenGLGiveTheSamePicture) {
  VIZID_SKIP_WITHOUT_RENDERER("opengl");
  Pixels soft, gl;
  std::string error;
  ASSERT_TRUE(RenderComposedFrame("software", soft, error)) << error;
  ASSERT_TRUE(RenderComposedFrame("opengl", gl, error)) << error;
  ASSERT_EQ(soft.width, 1024);
  ASSERT_EQ(gl.width, 1024);
  std::size_t differing = 0;
  int worst = 0;
  for (std::size_t i = 0; i < soft.rgba.size(); ++i) {
    const int d = std::abs(soft.rgba[i] - gl.rgba[i]);
    worst = std::max(worst, d);
    if (d > 3) ++differing;
  }
  // Blending and tinting may differ by rounding; rotated and mirrored edges
  // by a pixel here and there.
  EXPECT_LT(differing, soft.rgba.size() / 200) << "worst difference " << worst;
}

TEST(RendererTest, RenderImagesKeepWhatWasDrawnIntoThem) {
  SdlPlatform p(HeadlessSdlOptions("software"));
  std::string error;
  ASSERT_TRUE(p.Init(error) && p.OpenGameDisplay(RendererChoice::OpenGL, "test", error)) << error;
  Pixels red{8, 8, std::vector<std::uint8_t>(8 * 8 * 4, 0)};
  for (std::size_t i = 0; i < red.rgba.size(); i += 4) red.rgba[i] = 200, red.rgba[i + 3] = 255;
  const int square = p.CreateImage(red, 0);
  const int layer = p.CreateRenderImage(64, 64);
  ASSERT_NE(layer, 0);
  p.SetDrawTarget(layer, true);
  p.DrawImage(square, 4, 4);
  p.SetDrawTarget(0);
  // Drawn twice from the cache, the layer's transparent parts stay clear.
  p.DrawImage(layer, 100, 100);
  p.DrawImage(layer, 200, 100);
  p.Flip();
  Pixels shot;
  ASSERT_TRUE(ReadBackFrame(p, shot));
  auto at = [&](int x, int y) { return shot.rgba[(static_cast<std::size_t>(y) * shot.width + x) * 4]; };
  EXPECT_EQ(at(105, 105), 200);
  EXPECT_EQ(at(205, 105), 200);
  EXPECT_EQ(at(102, 102), 0);
  EXPECT_EQ(at(150, 150), 0);
}

}  // namespace
}  // namespace vv
