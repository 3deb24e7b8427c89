// The pictures: the asset catalogue's names, damaged picture files refused;
// and both renderers giving the same picture: one composed frame drawn
// through the software and the OpenGL renderer, compared pixel by pixel
// within the small differences of their blending arithmetic.

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(CatalogueTest, NamesAreUniqueAndFoundInEitherSlashForm) {
  std::set<std::string> names;
  for (const AssetEntry& e : AssetCatalogue()) {
    EXPECT_TRUE(names.insert(e.name).second) << e.name << " is listed twice";
    std::string backslashed = e.name;
    std::replace(backslashed.begin(), backslashed.end(), '/', '\\');
    EXPECT_EQ(FindCatalogueEntry(backslashed), &e) << e.name;
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

}  // namespace
}  // namespace vv
