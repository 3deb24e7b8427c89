// The spell screen: which spells a Sorcerer knows, and choosing one by
// click and by arrows.

#include "combat/spell_screen.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "combat/spell_database.h"
#include "party/hero_record.h"
#include "platform/fake_platform.h"
#include "shell/assets.h"
#include "shell/input.h"
#include "test_game.h"

namespace vv {
namespace {

class SpellScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    LoadFonts(*game);
    game->GameScreen = SCREEN_SPELLS;
    test::MakeTwoHeroes(*game, 5);  // a Sorcerer of level 5 knows three spells
    game->SelectedHero = 2;
    UpdateInput(*game);  // keys and buttons count once they have been seen up
  }
  void Frame() {
    platform.Cls();
    platform.ClearTextTrace();
    UpdateInput(*game);
    game->SoundEvent = 0;
    ApplyAttributeBoosts(*game);
    RunSpellScreen(*game);
    RecalcHeroStats(*game);
  }
  void Click(int x, int y, int button = MOUSE_LEFT) {
    test::ClickAt(
        platform, x, y, button, [&] { Frame(); }, [&] { UpdateInput(*game); });
  }
  void Key(int code) {
    test::HoldKey(
        platform, code, [&] { Frame(); }, [&] { UpdateInput(*game); });
  }
  int Spell() const { return game->HeroStats[2][hero::Spell]; }
  std::string TextAt(float x, float y) const {
    for (const auto& t : platform.TextTrace()) {
      if (t.x == x && t.y == y) return t.text;
    }
    return "";
  }

  FakePlatform platform;
  std::unique_ptr<Game> game = std::make_unique<Game>(platform);
};

TEST_F(SpellScreenTest, SelectionByClickAndArrows) {
  EXPECT_EQ(KnownSpellCount(2), 1);
  EXPECT_EQ(KnownSpellCount(28), 14);
  EXPECT_EQ(KnownSpellCount(29), 15);
  EXPECT_EQ(KnownSpellCount(30), 15);
  Frame();
  EXPECT_EQ(TextAt(289, 208), "LAVA BOLT");
  EXPECT_EQ(TextAt(289, 232), "");  // row 4 is not known yet

  Click(300, 156 + 48 + 21);  // the bottom edge of row 3
  EXPECT_EQ(Spell(), 3);
  EXPECT_EQ(game->SoundEvent, SOUND_CLICK);
  Click(300, 210);  // the chosen row again: nothing
  EXPECT_EQ(game->SoundEvent, 0);
  Click(300, 235);  // where row 4 would be
  EXPECT_EQ(Spell(), 3);
  EXPECT_EQ(game->SoundEvent, 0);

  Key(KEY_DOWN);  // already the last known spell
  EXPECT_EQ(Spell(), 3);
  EXPECT_EQ(game->SoundEvent, 0);
  Key(KEY_UP);
  Key(KEY_UP);
  EXPECT_EQ(Spell(), 1);
  EXPECT_EQ(game->SoundEvent, SOUND_CLICK);
  Key(KEY_UP);
  EXPECT_EQ(Spell(), 1);
  EXPECT_EQ(game->SoundEvent, 0);
  Key(KEY_DOWN);
  EXPECT_EQ(Spell(), 2);
  EXPECT_EQ(game->SoundEvent, SOUND_CLICK);
}

}  // namespace
}  // namespace vv
