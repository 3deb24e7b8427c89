#pragma once
// The spell screen (screen 8): the spells a Sorcerer knows, the one he has
// chosen to cast and its details, and the portrait bar. The list and the
// detail panel are also what the battle shows when its spell list is open.

#include "game/game.h"
#include "shell/main_loop.h"

namespace vv {

// How many spells the hero knows (none for a hero who is not a Sorcerer).
int KnownSpells(const Game& game, int hero);

// The list's rows: names centred on SPELL_ROW_X; row k's mouse box.
constexpr int SPELL_ROW_X = 289;
constexpr int SPELL_ROW_BOX_X = 153, SPELL_ROW_BOX_W = 272, SPELL_ROW_BOX_H = 22;
constexpr int SpellRowTextY(int k) {
  return 160 + 24 * (k - 1);
}
constexpr int SpellRowBoxY(int k) {
  return 156 + 24 * (k - 1);
}

// This frame's selection for the hero: a left click on a known spell's
// row, or the up and down arrows. The tick sounds when the spell changes.
void ReadSpellSelection(Game& game, int hero);
// The two panels with their headings "KNOWN SPELLS" and "DESCRIPTION".
void DrawSpellPanels(Game& game);
// The known spells, the chosen one green, the one under the mouse lit.
void DrawSpellList(Game& game, int hero);
// The chosen spell's name, description, costs and the hero's own damage.
void DrawSpellDetails(Game& game, int hero);

// One frame of the spell screen, for SelectedHero.
void RunSpellScreen(Game& game);
// Puts the spell screen into the loop's table.
void AddSpellScreen(Game& game, LoopHooks& hooks);

}  // namespace vv
