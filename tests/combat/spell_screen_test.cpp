// The spell screen: which spells a Sorcerer knows, choosing one by click
// and by arrows, what the detail panel shows, and the screen on the real
// platform (with VIZID_SHOTS naming a folder, its frames are written there
// as PNGs to be looked at).

#include "combat/spell_screen.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "combat/spell_database.h"
#include "game/game_setup.h"
#include "party/hero_record.h"
#include "platform/fake_platform.h"
#include "playtest_support.h"
#include "session.h"
#include "shell/assets.h"
#include "shell/input.h"
#include "shell/text.h"

namespace vv {
namespace {

class SpellScreenTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    platform.SetMaskColor(255, 255, 255);
    LoadFonts(*game);
    game->GameScreen = SCREEN_SPELLS;
    const int classes[3] = {0, CLASS_FIGHTER, CLASS_SORCERER};
    for (int h = 1; h <= 2; ++h) {
      int* s = game->HeroStats[h];
      s[hero::Class] = classes[h];
      s[hero::Level] = 5;  // a Sorcerer of level 5 knows three spells
      s[hero::Spell] = 1;
      s[hero::Face] = h;
      for (int f = hero::BaseStrength; f <= hero::BaseEndurance; ++f) s[f] = 10;
      s[hero::Health] = 20;
    }
    game->HeroNames[1] = "BRENNA";
    game->HeroNames[2] = "OSRIC";
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
    platform.ScriptMouse(x, y);
    platform.ScriptButton(button, true);
    Frame();
    platform.ScriptButton(button, false);
    UpdateInput(*game);
  }
  void Key(int code) {
    platform.ScriptKey(code, true);
    Frame();
    platform.ScriptKey(code, false);
    UpdateInput(*game);
  }
  int Spell() const { return game->HeroStats[2][hero::Spell]; }
  std::string TextAt(float x, float y) const {
    for (const auto& t : platform.TextTrace()) {
      if (t.x == x && t.y == y) return t.text;
    }
    return "";
  }
  // The tint of the first glyph drawn on row y from x on, as 0xRRGGBB.
  int TintAt(float x, float y) const {
    for (const auto& d : platform.draws) {
      if (d.y == y && d.x >= x && d.name.find("medfont") != std::string::npos)
        return d.state.red << 16 | d.state.green << 8 | d.state.blue;
    }
    return -1;
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
  EXPECT_EQ(TextAt(289, 232), "");        // row 4 is not known yet
  EXPECT_EQ(TintAt(150, 160), 0x00FF00);  // the chosen spell in green
  EXPECT_EQ(TintAt(150, 184), 0x009696);  // the others dark cyan

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

  platform.ScriptMouse(300, 165);  // over row 1: lit cyan
  Frame();
  EXPECT_EQ(TintAt(150, 160), 0x00FFFF);
  EXPECT_EQ(TintAt(150, 184), 0x00FF00);
  EXPECT_EQ(TintAt(150, 208), 0x009696);
}

TEST_F(SpellScreenTest, DetailPanelOfTheChosenSpell) {
  game->HeroStats[2][hero::Spell] = 2;
  Frame();
  Frame();  // the hero's own damage is figured at the end of a frame
  EXPECT_EQ(TextAt(686, 198), "MIND BLAST");
  EXPECT_EQ(TextAt(515, 246).rfind("CREATES A PSYCHIC", 0), 0u);
  EXPECT_FALSE(TextAt(515, 270).empty());
  EXPECT_EQ(TextAt(515, 342), "HEALTH DRAIN.......");
  EXPECT_EQ(TextAt(662, 342), "2");
  EXPECT_EQ(TextAt(662, 366), "3 - 4");
  EXPECT_EQ(TextAt(662, 390), "Very Slow");
  EXPECT_EQ(TextAt(662, 438), "5 - 6");   // intelligence 10: x 1.5, rounded
  EXPECT_EQ(TintAt(662, 342), 0xFF9600);  // values in orange

  // A spell beyond what the hero knows (an old saved game): the panel
  // still shows it, the list does not, and the down arrow brings the
  // choice back to the last known spell.
  game->HeroStats[2][hero::Spell] = 7;
  Frame();
  EXPECT_EQ(TextAt(686, 198), "SNOWBREEZE");
  EXPECT_EQ(TextAt(289, 304), "");
  Key(KEY_DOWN);
  EXPECT_EQ(Spell(), 3);
  EXPECT_EQ(game->SoundEvent, SOUND_CLICK);

  // A hero who is not a Sorcerer has no list and no panel.
  game->SelectedHero = 1;
  Frame();
  EXPECT_EQ(TextAt(289, 160), "");
  EXPECT_EQ(TextAt(686, 198), "");
  EXPECT_EQ(TextAt(289, 103), "KNOWN SPELLS");
}

// The screen on the real platform, entered from the world's portrait bar.
TEST(SpellScreenShots, ASorcererOfLevelTwentyOne) {
  PlaytestSession session{PlaytestOptions{}};
  std::string error;
  ASSERT_TRUE(session.Start(error)) << error;
  const std::filesystem::path folder = test::ShotsFolder();
  auto run = [&](const std::string& script) { test::RunScript(session, script); };
  auto shot = [&](const char* name) {
    if (!folder.empty()) run("shot " + (folder / name).string() + "\n");
  };
  Game& g = session.game();
  ResetGameTables(g);
  const char* names[3] = {"", "BRUTUS", "SELWYN"};
  for (int h = 1; h <= 2; ++h) {
    int* s = g.HeroStats[h];
    g.HeroNames[h] = names[h];
    s[hero::Class] = h == 1 ? CLASS_FIGHTER : CLASS_SORCERER;
    s[hero::Level] = h == 1 ? 12 : 21;
    s[hero::Face] = h == 1 ? 7 : 4;
    s[hero::BaseStrength] = s[hero::BaseDexterity] = s[hero::BaseEndurance] = 12;
    s[hero::BaseIntelligence] = h == 2 ? 30 : 5;
    s[hero::Health] = h == 1 ? 40 : 19;
    s[hero::Spell] = 9;
  }
  g.HeroTimers[2][3] = 30;
  g.GameInProgress = 1;
  g.GameScreen = SCREEN_WORLD;
  g.ScreenFade[1] = g.ScreenFade[2] = 0;  // past the title's fade-in
  g.OptionFlags[OPTION_COMMENTS] = 0;
  for (int& shown : g.AreaIntroShown) shown = 1;
  // Hero 2's spells from the world's portrait bar.
  run("wait 3\nclick 290 690 middle\nwait 2\nmove 300 165\nwait 2\n");
  ASSERT_EQ(g.GameScreen, SCREEN_SPELLS);
  EXPECT_EQ(g.SelectedHero, 2);
  shot("spells_01_level21_shockbolt.png");
  run("key 40\nmove 600 560\nwait 2\n");
  EXPECT_EQ(g.HeroStats[2][hero::Spell], 10);
  shot("spells_02_fireworks.png");
  run("click 80 690 middle\nwait 30\n");
  EXPECT_EQ(g.GameScreen, SCREEN_SPELLS);
  EXPECT_EQ(g.MessageText, "NOT A SPELLCASTER");
  shot("spells_03_not_a_spellcaster.png");
  g.HeroStats[2][hero::Level] = 30;
  g.HeroStats[2][hero::Spell] = 15;
  run("wait 2\n");
  shot("spells_04_level30_all_spells.png");
}

}  // namespace
}  // namespace vv
