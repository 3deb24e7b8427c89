// The item table's rules: pictures and footprints against the table, the
// ranges of its numbers, its texts, and the potions.

#include "items/item_database.h"

#include <gtest/gtest.h>

#include <string>

#include "items/item_rules.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/text.h"

namespace vv {
namespace {

TEST(ItemTable, EveryPictureHasTheTablesSize) {
  FakePlatform platform;
  RegisterAssets(platform);
  const char letters[] = "abcdef";
  for (int c = 1; c <= 6; ++c) {
    for (int i = 1; i <= ItemCount(c); ++i) {
      const std::string name = "data/gfx/item_" + std::string(1, letters[c - 1]) + std::to_string(i) + ".png";
      const int image = platform.LoadImage(name, IMAGE_MASKED);
      ASSERT_NE(image, 0) << name;
      EXPECT_EQ(platform.ImageWidth(image), ItemStats(c, i, item::ImageWidth)) << name;
      EXPECT_EQ(platform.ImageHeight(image), ItemStats(c, i, item::ImageHeight)) << name;
      // The footprint is the picture in whole cells.
      EXPECT_EQ(ItemStats(c, i, item::GridWidth) * 40, platform.ImageWidth(image)) << name;
      EXPECT_EQ(ItemStats(c, i, item::GridHeight) * 40, platform.ImageHeight(image)) << name;
    }
  }
}

TEST(ItemTable, SoundsWearAndSpeedsStayInTheirRanges) {
  for (int c = 1; c <= 6; ++c) {
    for (int i = 1; i <= ItemCount(c); ++i) {
      // Sounds that have files: hit 0..12, drop 1..25, use 1.
      const int hit = ItemStats(c, i, item::HitSound), drop = ItemStats(c, i, item::DropSound);
      EXPECT_TRUE(c == 1 ? hit >= 1 && hit <= 12 : hit == 0) << c << "." << i;
      EXPECT_TRUE(drop >= 1 && drop <= 25) << c << "." << i;
      EXPECT_EQ(ItemStats(c, i, item::UseSound), c == 6 ? 1 : 0) << c << "." << i;
      // Only worn things wear out; only potions can be drunk.
      EXPECT_EQ(ItemStats(c, i, item::MaxCondition) > 0, c <= 4) << c << "." << i;
      if (c >= 5) {
        EXPECT_EQ(ItemStats(c, i, item::PrimaryStat), c == 6 ? 1 : 0);
      }
      if (c == 1) {
        EXPECT_LE(ItemStats(c, i, item::PrimaryStat), ItemStats(c, i, item::SecondaryStat));
        EXPECT_GE(ItemStats(c, i, item::Speed), 1);
        EXPECT_LE(ItemStats(c, i, item::Speed), 5);
      } else {
        EXPECT_EQ(ItemStats(c, i, item::Speed), 0);
      }
    }
  }
}

TEST(ItemText, EveryDescriptionIsOneToThreeSentencesThatFitThePanel) {
  FakePlatform platform;
  Shell shell(platform);
  for (int c = 1; c <= 6; ++c) {
    for (int i = 1; i <= ItemCount(c); ++i) {
      const std::string& text = ItemText(c, i, item::Description);
      ASSERT_FALSE(ItemText(c, i, item::Name).empty()) << c << "." << i;
      EXPECT_EQ(ItemText(c, i, item::BonusText).empty(), c <= 4) << c << "." << i;
      int sentences = 0;
      for (char ch : text) sentences += ch == '.' || ch == '!' || ch == '?';
      EXPECT_GE(sentences, 1) << text;
      EXPECT_LE(sentences, 3) << text;
      EXPECT_EQ(text.back(), '.') << text;
      // Wrapped as the panels wrap it, nothing is lost and line 5 stays empty.
      WrapText(shell, DESCRIPTION_WRAP_WIDTH, text);
      std::string joined;
      int lines = 0;
      for (int l = 1; l <= 5; ++l) {
        if (shell.WrapLines[l].empty()) continue;
        ++lines;
        joined += (joined.empty() ? "" : " ") + shell.WrapLines[l];
        while (!joined.empty() && joined.back() == ' ') joined.pop_back();
      }
      EXPECT_LE(lines, DESCRIPTION_LINES_SHOWN) << text;
      EXPECT_EQ(joined, text);
      // Only characters the font can draw (apostrophes and hyphens included).
      for (unsigned char ch : text) {
        EXPECT_TRUE(ch == ' ' || GlyphIndex(ch) != 0) << "'" << ch << "' in " << text;
      }
    }
  }
}

TEST(ItemRules, PotionsHealOrAddUpBoosts) {
  FakePlatform platform;
  auto game = std::make_unique<Game>(platform);
  game->HeroStats[2][hero::MaxHealth] = 40;
  game->HeroStats[2][hero::Health] = 3;
  DrinkPotion(*game, 2, RED_POTION);
  EXPECT_EQ(game->HeroStats[2][hero::Health], 40);
  DrinkPotion(*game, 1, STRENGTH_POTION);
  DrinkPotion(*game, 1, STRENGTH_POTION);
  DrinkPotion(*game, 1, INTELLIGENCE_POTION);
  EXPECT_EQ(game->HeroTimers[1][1], 60);
  EXPECT_EQ(game->HeroTimers[1][2], 0);
  EXPECT_EQ(game->HeroTimers[1][3], 30);
  game->HeroEquipment[1][5][1] = NATURAL_PENDANT;
  EXPECT_TRUE(WearsAmulet(*game, 1, NATURAL_PENDANT));
  EXPECT_FALSE(WearsAmulet(*game, 2, NATURAL_PENDANT));
}

}  // namespace
}  // namespace vv
