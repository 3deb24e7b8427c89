// The exploration screen: a new game's introduction, a calm walk with the
// pointer's arrows, the camp button, the quick prompt, the attack and chest
// banners, fog at dusk, at night and in the dark cavern, a remark, and
// every level by day and by night.

#include <cstdio>
#include <initializer_list>

#include "combat/combat.h"
#include "game/game_setup.h"
#include "party/hero_record.h"
#include "review.h"
#include "world/exploration.h"
#include "world/world_screen.h"

namespace vv::review {
namespace {

class World : public Scene {
 public:
  using Scene::Scene;

  void Run() {
    Party(1, 1, 8);
    Hero(1)[hero::Health] = 16;
    Hero(2)[hero::Health] = 5;  // a short red gauge
    g().HeroTimers[1][1] = 12;
    g().HeroTimers[2][3] = 30;
    g().AreaIntroShown[1] = 0;
    g().MusicLevel = 1000;
    SeedRandom(g(), 7);
    Frames(2);
    Expect(g().SpeechKind == SPEECH_AREA_INTRO, "the area's introduction");
    Frames(70);
    Shot("01_intro_speech_box");
    Key(KEY_ENTER);
    for (int& shown : g().AreaIntroShown) shown = 1;  // the other areas are looked at below

    Walk({KEY_DOWN, KEY_DOWN, KEY_LEFT, KEY_LEFT, KEY_LEFT, KEY_DOWN});
    Move(g().PartyState[PartyX] + 45, g().PartyState[PartyY] + 14, 3);
    Shot("02_walk_afternoon_arrows");
    Move(730, 690);
    Shot("03_camp_button_lit");

    Key(KEY_F5);
    Move(485, 430);
    Shot("04_quick_prompt");
    Key('N');
    Key(KEY_F9);
    Shot("05_no_quicksave");
    Frames(100);

    StartAttackBanner(g());
    Frames(20);
    Shot("06_attack_banner");
    Frames(110);
    Expect(g().GameScreen == SCREEN_COMBAT, "the battle after the banner");
    // Straight to the battle's end, won with nothing found.
    g().CombatTurn = TURN_VICTORY;
    g().CombatFrames = END_LEAVE_FRAME - 1;
    g().LootCount = 0;
    Frames(2);
    g().ChestBanner = 1;
    g().LootCount = 1;
    g().LootList[1][1] = 6, g().LootList[1][2] = 1;
    Frames(10);
    Shot("08_chest_banner");
    Frames(150);
    Key(KEY_ESCAPE);  // end the looting
    Key(KEY_Y);

    // Dusk and night with the fog of a walk, and the dark cavern.
    Visit(3, 1, 40, false);
    Walk({KEY_RIGHT, KEY_RIGHT, KEY_UP, KEY_UP});
    Shot("09_level01_dusk_fog");
    Visit(3, 1, 2, false);
    Walk({KEY_LEFT, KEY_LEFT, KEY_DOWN, KEY_DOWN});
    Shot("10_level01_night_fog");
    Visit(1, 2, 24, false);
    Walk({KEY_RIGHT, KEY_RIGHT, KEY_RIGHT});
    Shot("11_level04_dark_fog");
    OpenSpeechBox(g(), SPEECH_HERO, 1, 3);
    Frames(61);
    Shot("12_comment_speech_box");

    for (int c = 1; c <= 3; ++c) {
      for (int r = 1; r <= 5; ++r) {
        const int level = g().LevelGrid[c][r];
        char name[32];
        Visit(c, r, 24, true);
        std::snprintf(name, sizeof name, "level%02d_day", level);
        Shot(name);
        Visit(c, r, 2, true);
        std::snprintf(name, sizeof name, "level%02d_night", level);
        Shot(name);
      }
    }
  }

 private:
  // Steps without an encounter or a remark.
  void Walk(std::initializer_list<int> keys) {
    for (int key : keys) {
      SeedRandom(g(), 7);
      Key(key);
    }
  }

  // Stands the party on a free cell near the middle of a screen at an
  // hour, everything seen or nothing.
  void Visit(int column, int row, int time, bool seeAll) {
    g().PartyState[ScreenColumn] = column;
    g().PartyState[ScreenRow] = row;
    g().PartyState[TimeOfDay] = time;
    g().ScreenReady = 0;
    g().SpeechKind = SPEECH_NONE;
    Frames(1);
    bool placed = false;
    for (int radius = 0; radius < 16 && !placed; ++radius) {
      for (int y = 9 - radius; y <= 9 + radius && !placed; ++y) {
        for (int x = 16 - radius; x <= 16 + radius && !placed; ++x) {
          if (x < 1 || x > 30 || y < 1 || y > 17 || MoveBlocked(g(), x * 32, y * 32)) continue;
          g().PartyState[PartyX] = x * 32;
          g().PartyState[PartyY] = y * 32;
          placed = true;
        }
      }
    }
    for (auto& cells : g().ExploredMap[column][row]) {
      for (int& cell : cells) cell = seeAll ? 1 : 0;
    }
    Frames(2);
    Expect(g().CurrentLevel == g().LevelGrid[column][row],
           "the level of screen " + std::to_string(column) + "," + std::to_string(row));
  }
};

}  // namespace

int WorldScene(const std::filesystem::path& folder) {
  World scene(folder);
  if (scene.Start()) scene.Run();
  return scene.problems();
}

}  // namespace vv::review
