// The item table: counts, empty records, footprints against the pictures,
// the listed oddities, the texts and the rules of the special items.

#include "items/item_database.h"

#include <gtest/gtest.h>

#include <string>

#include "items/item_rules.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int EXPECTED_COUNTS[7] = {0, 20, 10, 5, 10, 5, 4};

TEST(ItemTable, CountsAndEmptyRecords) {
  for (int c = 1; c <= 6; ++c) {
    EXPECT_EQ(ItemStats(c, 0, 0), EXPECTED_COUNTS[c]) << c;
    EXPECT_EQ(ItemCount(c), EXPECTED_COUNTS[c]) << c;
    for (int f = 1; f <= 50; ++f) {
      EXPECT_EQ(ItemStats(c, 0, f), 0) << c << " field " << f;
      EXPECT_EQ(ItemStats(c, ItemCount(c) + 1, f), 0) << c << " field " << f;
    }
    EXPECT_EQ(ItemText(c, 0, item::Name), "");
  }
  EXPECT_EQ(ItemStats(1, 21, item::ImageWidth), 0);
  // An unarmed hero hits with sound 0.
  EXPECT_EQ(ItemStats(CATEGORY_WEAPON, 0, item::HitSound), 0);
}

TEST(ItemTable, FootprintIsThePictureSizeInCells) {
  for (int c = 1; c <= 6; ++c) {
    for (int i = 1; i <= ItemCount(c); ++i) {
      const int w = ItemStats(c, i, item::ImageWidth), h = ItemStats(c, i, item::ImageHeight);
      EXPECT_TRUE(w >= 40 && w <= 200 && w % 40 == 0) << c << "." << i;
      EXPECT_TRUE(h >= 40 && h <= 200 && h % 40 == 0) << c << "." << i;
      EXPECT_EQ(ItemStats(c, i, item::GridWidth), w / 40);
      EXPECT_EQ(ItemStats(c, i, item::GridHeight), h / 40);
    }
  }
  EXPECT_EQ(ItemStats(1, 7, item::GridWidth) * 10 + ItemStats(1, 7, item::GridHeight), 33);  // Bull Whip
  EXPECT_EQ(ItemStats(4, 3, item::GridWidth) * 10 + ItemStats(4, 3, item::GridHeight), 21);  // Crown
  for (int i = 1; i <= 5; ++i)
    EXPECT_EQ(ItemStats(5, i, item::GridWidth) * ItemStats(5, i, item::GridHeight), 1);
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(ItemStats(6, i, item::GridWidth), 1);
    EXPECT_EQ(ItemStats(6, i, item::GridHeight), 2);
  }
}

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
    }
  }
}

TEST(ItemTable, NumbersTheOtherScreensRelyOn) {
  // Wooden Staff hits for exactly 4; the three slowest weapons.
  EXPECT_EQ(ItemStats(1, 4, item::PrimaryStat), 4);
  EXPECT_EQ(ItemStats(1, 4, item::SecondaryStat), 4);
  for (int slow : {13, 16, 20}) EXPECT_EQ(WeaponSpeedWords[ItemStats(1, slow, item::Speed)], "Very Slow");
  EXPECT_EQ(WeaponSpeedWords[5], "Very Fast");
  EXPECT_EQ(ItemStats(1, 20, item::SecondaryStat), 50);
  EXPECT_EQ(ItemStats(2, SPIKE_SHIELD, item::PrimaryStat), 24);
  EXPECT_EQ(ItemText(2, SPIKE_SHIELD, item::Name), "Spike Shield");

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

TEST(ItemText, QuotedDescriptionsAndBonuses) {
  EXPECT_EQ(ItemText(1, 1, item::Description),
            "A Dagger is a very basic weapon. Its lack of power is compensated by light weight and quick "
            "attack speed.");
  EXPECT_EQ(ItemText(2, 1, item::Description),
            "The buckler is a basic shield. Very small in size, it cannot block all the incoming attacks.");
  EXPECT_EQ(ItemText(6, 1, item::Description),
            "Drinking this potion will heal all the wounds of a character. Save it for the tight spots when "
            "you don't have time for resting.");
  EXPECT_EQ(ItemText(5, 3, item::BonusText), "increased chance to hit");
  EXPECT_EQ(ItemText(6, 4, item::Name), "Intelligence Potion");
  EXPECT_EQ(ItemText(6, 4, item::BonusText), "+10 intelligence");
  EXPECT_EQ(ItemText(3, 3, item::Name), "Chain mail");
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

TEST(ItemRules, TheEyeHitsMoreOftenAndRoguesWearTheirWeaponsSlower) {
  EXPECT_EQ(HitChance(ATTACK_HEAVY, false), 50);
  EXPECT_EQ(HitChance(ATTACK_LIGHT, true), 100);
  EXPECT_EQ(WeaponWearOdds(ATTACK_LIGHT, true), 6);
  EXPECT_EQ(WeaponWearOdds(ATTACK_HEAVY, false), 1);
  EXPECT_EQ(SapphireReduced(1), 0);
}

TEST(ItemRules, RestHealingRoundsAndNeverGivesNothing) {
  EXPECT_EQ(RestHealing(3, false), 1);
  EXPECT_EQ(RestHealing(45, false), 5);
  EXPECT_EQ(RestHealing(45, true), 9);
  EXPECT_EQ(RestHealing(2, true), 1);
  EXPECT_EQ(RestHealing(0, false), 1);
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
