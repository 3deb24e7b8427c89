// The panels below the battle: the heroes' portraits and health, the menu
// of the hero whose turn it is with his equipment, and the texts that end
// a battle.

#include <string>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "combat/spell_database.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "party/hero_record.h"
#include "party/portrait_bar.h"
#include "shell/input.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int VALUE_X = 605;
constexpr int GEAR_LABEL_X = 768, GEAR_VALUE_X = 883;
constexpr int ROW_Y = 627;  // first text line; the rows are MENU_ROW_STEP apart

std::string Range(int low, int high) {
  return std::to_string(low) + " - " + std::to_string(high);
}

void Row(Game& g, int labelX, int valueX, int row, const char* label, const std::string& value) {
  Platform& p = g.platform;
  const float y = static_cast<float>(ROW_Y + MENU_ROW_STEP * (row - 1));
  DrawTextQuarter(g, static_cast<float>(labelX), y, label, 0);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(g, static_cast<float>(valueX), y, value, 0);
}

std::string AttackValue(const Game& g, int h, int attack) {
  int low = 0, high = 0;
  AttackRange(g, h, attack, low, high);
  return Range(low, high) + " (" + std::to_string(HitChance(attack, WearsAmulet(g, h, EYE_OF_KALTIAS))) +
         "%)";
}

std::string Condition(const Game& g, int h, int slot) {
  const int* item = g.HeroEquipment[h][slot];
  if (item[1] == 0) return "N/A";
  return std::to_string(item[2]) + " / " + std::to_string(ItemStats(slot, item[1], item::MaxCondition));
}

void Band(Game& g, float y, float height) {
  Platform& p = g.platform;
  p.SetColor(0, 0, 0);
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(0.66f);
  p.SetScale(1024.0f / 32.0f, height / 32.0f);
  p.DrawImage(g.BlackImage, 0, y);
  p.ResetDrawState();
}

void DrawVictoryTexts(Game& g) {
  Platform& p = g.platform;
  const int lines = 1 + g.BattleLevelled + (g.LootCount > 0 ? 1 : 0);
  Band(g, 416, static_cast<float>(35 * lines + 8));
  p.SetColor(255, 255, 0);
  DrawTextLarge(g, 512, 354, "YOU ARE VICTORIOUS!", 1, 0.66f);
  DrawTextHalf(g, 512, 424,
               "+" + std::to_string(MonsterStats(g.CombatMonster, monster::Experience)) + " EXPERIENCE!", 1);
  int y = 459;
  if (g.BattleLevelled == 1) {
    p.SetColor(0, 255, 0);
    DrawTextHalf(g, 512, static_cast<float>(y), "LEVEL UP!", 1);
    y += 35;
  }
  if (g.LootCount > 0) {
    p.SetColor(255, 255, 0);
    DrawTextHalf(g, 512, static_cast<float>(y),
                 g.LootCount == 1 ? std::string("YOU HAVE FOUND AN ITEM!")
                                  : "YOU HAVE FOUND " + std::to_string(g.LootCount) + " ITEMS!",
                 1);
  }
  p.SetColor(255, 255, 255);
}

}  // namespace

int ActingHero(const Game& g) {
  switch (g.CombatTurn) {
    case TURN_HERO_1:
    case TURN_HERO_2:
      return g.CombatTurn;
    case RESOLVE_HERO_1:
    case RESOLVE_HERO_2:
      return g.CombatTurn - 3;
    default:
      return 0;
  }
}

void DrawHeroPanels(Game& g) {
  Platform& p = g.platform;
  p.DrawImage(g.LowBarImage, 0, 614);
  const int acting = ActingHero(g);
  for (int h = 1; h <= 2; ++h) {
    if (h == acting) {
      p.SetColor(255, 255, 0);
    } else {
      p.SetColor(100, 50, 0);
    }
    p.DrawImage(g.FaceBorderImage, static_cast<float>(BAR_HERO_X[h]), BAR_Y);
    DrawHeroBox(g, h, 100, 50, 0);
    if (g.CombatTurn == TURN_DEFEAT && g.HeroStats[h][hero::Health] <= 0) {
      p.SetColor(0, 0, 0);
      p.SetBlend(BLEND_ALPHA);
      p.SetAlpha(0.6f);
      p.SetScale(114.0f / 32.0f, 114.0f / 32.0f);
      p.DrawImage(g.BlackImage, static_cast<float>(PORTRAIT_X[h]), PORTRAIT_Y);
      p.ResetDrawState();
      p.SetColor(255, 0, 0);
      DrawTextHalf(g, static_cast<float>(PORTRAIT_X[h] + 56), 676, "DEAD", 1);
      p.SetColor(255, 255, 255);
    }
  }
}

void DrawCombatMenu(Game& g) {
  const int h = ActingHero(g);
  if (h == 0) return;
  Platform& p = g.platform;
  int* s = g.HeroStats[h];
  if (s[hero::Spell] == 0) s[hero::Spell] = 1;
  const bool sorcerer = IsSorcerer(g, h);
  const int spell = s[hero::Spell];
  const std::string values[MENU_ROWS + 1] = {
      "",
      AttackValue(g, h, ATTACK_LIGHT),
      AttackValue(g, h, ATTACK_NORMAL),
      AttackValue(g, h, ATTACK_HEAVY),
      "+" + std::to_string(RestHealing(s[hero::MaxHealth], WearsAmulet(g, h, NATURAL_PENDANT))) + " HEALTH",
      s[hero::Blocking] > 0 ? std::to_string(3 * s[hero::Blocking]) + "% chance" : "N/A",
      sorcerer ? Range(s[hero::SpellDamageMin], s[hero::SpellDamageMax]) + " (-" +
                     std::to_string(SpellStats(spell, spell::HealthDrain)) + ")"
               : "N/A",
  };
  static constexpr const char* LABELS[MENU_ROWS + 1] = {
      "",
      "Light Attack........",
      "Normal Attack...",
      "Heavy Attack......",
      "Rest...........................",
      "Block........................",
      "Cast Spell..............",
  };
  const bool covered = g.SpellListOpen == 1 || g.EndGameDialogOpen == 1;
  const int hovered = covered ? 0 : MenuRowUnderMouse(g);
  for (int k = 1; k <= MENU_ROWS; ++k) {
    SetGlowColour(p, k == hovered ? 10 : 0);
    Row(g, MENU_X, VALUE_X, k, LABELS[k], values[k]);
  }
  p.SetColor(255, 255, 255);
}

void DrawEquipmentPanel(Game& g) {
  const int h = ActingHero(g);
  if (h == 0) return;
  Platform& p = g.platform;
  const int* s = g.HeroStats[h];
  const std::string values[MENU_ROWS + 1] = {
      "",
      std::to_string(s[hero::Protection]) + "%",
      std::to_string(s[hero::Blocking]) + "% chance",
      Condition(g, h, CATEGORY_WEAPON),
      Condition(g, h, CATEGORY_SHIELD),
      Condition(g, h, CATEGORY_ARMOUR),
      Condition(g, h, CATEGORY_HELM),
  };
  static constexpr const char* LABELS[MENU_ROWS + 1] = {
      "",
      "Protection...",
      "Blocking........",
      "Weapon..........",
      "Shield..............",
      "Armor.............",
      "Helm................",
  };
  for (int k = 1; k <= MENU_ROWS; ++k) {
    p.SetColor(255, 255, 0);
    Row(g, GEAR_LABEL_X, GEAR_VALUE_X, k, LABELS[k], values[k]);
  }
  p.SetColor(255, 255, 255);
}

void DrawBattleEndTexts(Game& g) {
  if (g.CombatTurn == TURN_VICTORY && g.CombatMonster != VORGASH) DrawVictoryTexts(g);
  if (g.CombatTurn == TURN_DEFEAT) {
    g.platform.SetColor(255, 255, 0);
    DrawTextLarge(g, 512, 354, "YOU HAVE BEEN DEFEATED!", 1, 0.66f);
    g.platform.SetColor(255, 255, 255);
  }
}

}  // namespace vv
