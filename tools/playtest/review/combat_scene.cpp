// The combat screen in every state: the menu, the spell list, each action's
// effect, the monster's blows, blocks, spikes and burns, the end-game
// question, a victory and a defeat, each area's battle by day and by night,
// every monster standing, striking and dead, and Vorgash. Then the spell
// screen of a Sorcerer entered from the world's portrait bar.

#include <algorithm>
#include <string>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "game/game_setup.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "party/hero_record.h"
#include "review.h"
#include "world/level_table.h"

namespace vv::review {
namespace {

class Combat : public Scene {
 public:
  using Scene::Scene;

  void Run() {
    // A Fighter in full gear and a Sorcerer who knows every spell.
    Party(6, 29, 14);
    for (int h = 1; h <= 2; ++h) {
      Hero(h)[hero::BaseDexterity] = 9;
      Hero(h)[hero::BaseIntelligence] = h == 1 ? 3 : 16;
      Hero(h)[hero::BaseEndurance] = 30;
      Hero(h)[hero::Health] = 60;
      Hero(h)[hero::Spell] = 5;
    }
    Equip(1, CATEGORY_WEAPON, 7);
    Equip(1, CATEGORY_SHIELD, 9);
    Equip(1, CATEGORY_ARMOUR, 4);
    Equip(1, CATEGORY_HELM, 5);
    Equip(1, CATEGORY_AMULET, EYE_OF_KALTIAS);
    Equip(2, CATEGORY_SHIELD, SPIKE_SHIELD);
    Equip(2, CATEGORY_AMULET, GOLDEN_AMULET);
    g().HeroTimers[1][1] = 12;
    Frames(2);

    Battle(2, 24);
    UntilTurnOf(1);
    Move(520, MENU_Y + MENU_ROW_STEP + 8, 1);
    Shot("01_menu_hover_normal_attack");
    SeedRolls({{1, 100, 40}});
    Key('Q');
    Frames(5);
    Shot("02_light_attack_hit");
    UntilTurnOf(1);
    SeedRolls({{1, 100, 99}});
    Key('Z');
    Shot("03_heavy_attack_missed");
    UntilTurnOf(1);
    Key('S');
    Frames(4);
    Shot("04_block_raised");

    UntilTurnOf(2);
    Key('E');
    Move(290, 160 + 24 * 7 + 5, 1);
    Shot("05_spell_list");
    Key('E');
    for (int spell = 1; spell <= 15; ++spell) {
      UntilTurnOf(2);
      Hero(2)[hero::Spell] = spell;
      Frames(1);
      Key('X');
      Frames(spell == 15 ? 8 : 5);
      Shot("06_spell_" + std::to_string(spell));
    }
    UntilTurnOf(2);
    Hero(2)[hero::Health] = 30;
    Key('W');
    Frames(5);
    Shot("07_rest");

    // The monster's blows: a hit, a block, the spikes and the burn.
    MonsterStrikes({{1, 100, 1}, {1, 2, 1}, {1, 100, 99}}, "08_monster_hits_hero_1");
    MonsterStrikes({{1, 100, 1}, {1, 2, 1}, {1, 100, 1}}, "09_hero_1_blocks");
    MonsterStrikes({{1, 100, 1}, {1, 2, 2}, {1, 100, 1}}, "10_spike_shield");
    MonsterStrikes({{1, 100, 1}, {1, 2, 2}, {1, 100, 99}}, "11_golden_amulet_burn");
    MonsterStrikes({{1, 100, 99}, {1, 2, 2}}, "12_monster_missed");

    UntilTurnOf(1);
    Key(KEY_ESCAPE);
    Move(490, 425, 1);
    Shot("13_end_game_dialog");
    Key(KEY_N);

    // A victory with a level and loot.
    Frames(30);
    Hero(1)[hero::Experience] = ExpNeeded[7] - 1;
    g().CombatTurn = RESOLVE_HERO_1;
    g().CombatFrames = RESOLUTION_FRAMES - 1;
    g().MonsterHealth = 0;
    SeedRolls({{1, 100, 5}, {1, 100, 50}, {1, 100, 6}});
    Frames(40);
    Shot("14_victory_level_and_loot");

    // A defeat.
    Battle(8, 24);
    Frames(30);
    g().CombatTurn = RESOLVE_MONSTER;
    g().CombatFrames = RESOLUTION_FRAMES - 1;
    Hero(2)[hero::Health] = 0;
    Frames(40);
    Shot("15_defeat");
    g().CombatTurn = TURN_TIMERS;
    Hero(2)[hero::Health] = 40;

    // Each area by day and by night, the cavern always dark.
    const int levels[] = {1, 4, 7, 10, 13};
    for (int area = 1; area <= 5; ++area) {
      for (int time : {24, 2}) {
        Battle(levels[area - 1], time);
        UntilTurnOf(1);
        Shot("16_area_" + std::to_string(area) + (time == 24 ? "_day" : "_night"));
      }
    }
    for (int m = 1; m <= MONSTER_COUNT; ++m) EveryPose(m);

    g().OptionFlags[OPTION_TURN_INDICATOR] = 0;
    Battle(15, 2, true);
    UntilTurnOf(1);
    Shot("17_vorgash_at_night_no_indicator");
    g().OptionFlags[OPTION_TURN_INDICATOR] = 1;
    g().CombatTurn = TURN_VICTORY;
    g().MonsterHealth = 0;
    Frames(60);
    Shot("18_vorgash_defeated");
  }

 private:
  // Leaves any battle as a victory without loot would.
  void EndBattle() {
    if (g().GameScreen != SCREEN_COMBAT) return;
    g().CombatMonster = 1;  // Vorgash's fall would end the game
    g().CombatTurn = TURN_VICTORY;
    g().CombatFrames = END_LEAVE_FRAME - 1;
    g().LootCount = 0;
    Frames(3);
  }

  // A new battle on `level` at time of day `time`; a level table row
  // makes the monster's draw.
  void Battle(int level, int time, bool portal = false, int row = 0) {
    EndBattle();
    if (row != 0) SeedRolls({{1, 100, row}});
    for (int c = 1; c <= 5; ++c) {
      for (int r = 1; r <= 5; ++r) {
        if (g().LevelGrid[c][r] == level) g().PartyState[ScreenColumn] = c, g().PartyState[ScreenRow] = r;
      }
    }
    g().CurrentLevel = level;
    g().PartyState[TimeOfDay] = time;
    g().PortalEventFlag = portal ? 1 : 0;
    g().GameScreen = SCREEN_COMBAT;
    Frames(1);
  }

  // Runs the battle, keeping everyone alive, until hero h may act.
  void UntilTurnOf(int h) {
    for (int i = 0; i < 2000 && g().CombatTurn != h; ++i) {
      Heal();
      if (g().CombatTurn == 3 - h) {
        Key('W');
      } else {
        Frames(1);
      }
    }
    Expect(g().CombatTurn == h, "hero " + std::to_string(h) + "'s turn");
  }
  void Heal() {
    const int full = MonsterStats(g().CombatMonster, monster::Health);
    if (g().MonsterHealth < full / 3) g().MonsterHealth = full;
    for (int h = 1; h <= 2; ++h) Hero(h)[hero::Health] = std::max(Hero(h)[hero::Health], 40);
  }
  // The monster strikes now, its rolls coming out as listed.
  void MonsterStrikes(std::initializer_list<Roll> rolls, const std::string& name) {
    Frames(30);
    Heal();
    g().CombatTurn = TURN_MONSTER;
    SeedRolls(rolls);
    Frames(7);
    Shot(name);
  }
  // Monster m standing, striking and dead, drawn from the first level
  // table row that names it.
  void EveryPose(int m) {
    int level = 0, row = 0;
    for (int l = 1; l <= 15 && level == 0; ++l) {
      for (int r = 1; r <= 100 && level == 0; ++r) {
        if (g().LevelTable[l][r][level::Monster] == m) level = l, row = r;
      }
    }
    if (m == VORGASH) {
      Battle(15, 24, true);
    } else {
      Battle(level, 24, false, row);
    }
    if (!Expect(g().CombatMonster == m, "monster " + std::to_string(m))) return;
    UntilTurnOf(1);
    const std::string name = "19_monster_" + std::string(m < 10 ? "0" : "") + std::to_string(m);
    Shot(name + "_a_standing");
    MonsterStrikes({{1, 100, 99}, {1, 2, 1}}, name + "_b_striking");
    g().CombatTurn = TURN_DEFEAT;
    g().MonsterHealth = 0;
    Frames(2);
    Shot(name + "_c_dead");
    g().CombatTurn = TURN_TIMERS;
  }
};

// A Sorcerer of level 21 opens her spells from the world's portrait bar.
class Spells : public Scene {
 public:
  using Scene::Scene;

  void Run() {
    Party(12, 21, 12);
    Hero(1)[hero::BaseIntelligence] = 5;
    Hero(2)[hero::BaseIntelligence] = 30;
    Hero(1)[hero::Health] = 40;
    Hero(2)[hero::Health] = 19;
    for (int h = 1; h <= 2; ++h) Hero(h)[hero::Spell] = 9;
    g().HeroTimers[2][3] = 30;
    Frames(3);
    Click(290, 690, MOUSE_MIDDLE);
    Move(300, 165);
    Expect(g().GameScreen == SCREEN_SPELLS && g().SelectedHero == 2, "hero 2's spells");
    Shot("01_level21_shockbolt");
    Key(KEY_DOWN);
    Move(600, 560);
    Shot("02_fireworks");
    Click(80, 690, MOUSE_MIDDLE, 30);
    Expect(g().MessageText == "NOT A SPELLCASTER", "the Fighter's refusal");
    Shot("03_not_a_spellcaster");
    Hero(2)[hero::Level] = 30;
    Hero(2)[hero::Spell] = 15;
    Frames(2);
    Shot("04_level30_all_spells");
  }
};

}  // namespace

int CombatScene(const std::filesystem::path& folder) {
  Combat scene(folder);
  if (scene.Start()) scene.Run();
  return scene.problems();
}

int SpellScene(const std::filesystem::path& folder) {
  Spells scene(folder);
  if (scene.Start()) scene.Run();
  return scene.problems();
}

}  // namespace vv::review
