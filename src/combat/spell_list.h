#pragma once
// The list of a Sorcerer's known spells with the chosen spell's details:
// shown by the spell screen and over the battle when the list is opened.

#include "game/game.h"

namespace vv {

// Spell k is known from level 2k - 1: how many a hero of this level knows.
int KnownSpells(int level);

// Row k of the list (k = 1..15): its centre line and its mouse box.
constexpr int SPELL_LIST_X = 289, SPELL_LIST_Y = 160, SPELL_LIST_STEP = 24;
constexpr int SPELL_ROW_X = 153, SPELL_ROW_Y = 156, SPELL_ROW_W = 272, SPELL_ROW_H = 22;

// Clicks on a known spell and the up and down arrows change the hero's
// Spell, with a tick when it changes.
void SelectSpell(Game& game, int hero);
// The headings, the list, and the chosen spell's name, description and
// figures, on their panels.
void DrawSpellPanels(Game& game, int hero);

}  // namespace vv
