#include <gtest/gtest.h>

#include "audio_assets.h"
#include "module_review.h"

namespace vv::gen {
namespace {

const std::filesystem::path kAssets = VIZID_ASSETS_DIR;

TEST(Modules, EveryModulePlaysOneToThreeMinutesCleanly) {
  for (const char* family : {"track", "combat"}) {
    for (int i = 1; i <= 6; ++i) {
      const std::string name = family + std::to_string(i) + ".xm";
      SCOPED_TRACE(name);
      std::vector<std::uint8_t> xm = MakeModule(name, kAssets);
      ASSERT_FALSE(xm.empty());
      EXPECT_LT(xm.size(), 160u * 1024);  // small
      ModuleReview r = ReviewModule(xm, false);
      ASSERT_TRUE(r.loaded);
      EXPECT_GE(r.channels, 4);
      EXPECT_EQ(r.channels % 2, 0);
      EXPECT_GE(r.durationMs, 60000);
      EXPECT_LE(r.durationMs, 180000);
      EXPECT_GT(r.rms, 0.03);  // not silent
      EXPECT_EQ(r.clipped, 0u);
      EXPECT_LT(r.peak, 0.98);
    }
  }
}

TEST(Modules, OnlyTheGamesNamesAreMadeAndAlwaysAlike) {
  EXPECT_TRUE(MakeModule("track7.xm", kAssets).empty());
  EXPECT_TRUE(MakeModule("combat0.xm", kAssets).empty());
  EXPECT_TRUE(MakeModule("hit_1.wav", kAssets).empty());
  EXPECT_EQ(MakeModule("combat6.xm", kAssets), MakeModule("combat6.xm", kAssets));
}

}  // namespace
}  // namespace vv::gen
