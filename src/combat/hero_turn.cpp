// A hero's turn: the menu by key or mouse, the spell list, and the
// command carried out.

#include "combat/combat.h"
#include "combat/spell_screen.h"
#include "items/item_rules.h"
#include "party/hero_record.h"
#include "shell/input.h"
#include "shell/text.h"

namespace vv {
namespace {

// The key of each menu row.
constexpr int COMMAND_KEYS[MENU_ROWS + 1] = {0, 'Q', 'A', 'Z', 'W', 'S', 'X'};
constexpr int KEY_SPELL_LIST = 'E';

bool Available(const Game& g, int h, int command) {
  switch (command) {
    case COMMAND_BLOCK:
      return g.HeroStats[h][hero::Blocking] > 0;
    case COMMAND_CAST:
      return IsSorcerer(g, h);
    default:
      return command != COMMAND_NONE;
  }
}

int ChosenCommand(const Game& g, int h) {
  int command = COMMAND_NONE;
  for (int k = 1; k <= MENU_ROWS; ++k) {
    if (KeyHit(g, COMMAND_KEYS[k])) command = k;
  }
  if (command == COMMAND_NONE && MouseHit(g, MOUSE_LEFT)) command = MenuRowUnderMouse(g);
  return Available(g, h, command) ? command : COMMAND_NONE;
}

void ToggleSpellList(Game& g, int h) {
  if (!KeyHit(g, KEY_SPELL_LIST) && !MouseHit(g, MOUSE_RIGHT)) return;
  if (IsSorcerer(g, h)) {
    g.SpellListOpen ^= 1;
    g.SoundEvent = SOUND_CLICK;
  } else {
    ShowMessage(g, "NOT A SPELLCASTER", 255, 0, 0);
    g.SoundEvent = SOUND_ALARM;
  }
}

void CarryOut(Game& g, int h, int command) {
  switch (command) {
    case COMMAND_LIGHT:
      HeroAttack(g, h, ATTACK_LIGHT);
      break;
    case COMMAND_NORMAL:
      HeroAttack(g, h, ATTACK_NORMAL);
      break;
    case COMMAND_HEAVY:
      HeroAttack(g, h, ATTACK_HEAVY);
      break;
    case COMMAND_REST:
      HeroRest(g, h);
      break;
    case COMMAND_BLOCK:
      HeroBlock(g, h);
      break;
    case COMMAND_CAST:
      HeroCast(g, h);
      break;
    default:
      break;
  }
}

}  // namespace

int MenuRowUnderMouse(const Game& g) {
  for (int k = 1; k <= MENU_ROWS; ++k) {
    if (MouseOver(g, MENU_X, MENU_Y + MENU_ROW_STEP * (k - 1), MENU_ROW_W, MENU_ROW_H)) return k;
  }
  return COMMAND_NONE;
}

void RunHeroTurn(Game& g) {
  const int h = g.CombatTurn;
  g.SelectedHero = h;
  g.HeroBlocking[h] = 0;  // a block lasts until the blocker's next turn
  int& spell = g.HeroStats[h][hero::Spell];
  if (spell == 0) spell = 1;
  // The list belongs to a Sorcerer's turn; another hero's turn closes it.
  if (!IsSorcerer(g, h)) g.SpellListOpen = 0;

  ToggleSpellList(g, h);
  if (g.SpellListOpen == 1) {
    const int before = spell;
    ReadSpellSelection(g, h);
    // A spell chosen and cast in the same frame does its own damage.
    if (spell != before) RecalcHeroStats(g);
  }
  CarryOut(g, h, ChosenCommand(g, h));
}

}  // namespace vv
