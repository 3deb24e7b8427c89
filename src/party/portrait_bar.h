#pragma once
// The bar along the bottom of the hero screens (character sheet, inventory,
// spell list): both heroes' portraits with their boosts and health, and the
// exit box. A command on it leaves the screen.

#include "game/game.h"

namespace vv {

constexpr int BAR_HERO_X[3] = {0, 16, 225};
constexpr int BAR_EXIT_X = 880;
constexpr int BAR_SPARE_X = 671;  // the camp button's place on the world's bar
constexpr int BAR_Y = 628;
constexpr int BAR_BOX_SIZE = 128;

// What the player asked for on the bar this frame.
struct BarCommand {
  int screen = 0;  // 0 none, else the screen to go to
  int hero = 0;    // the hero that screen shows
};

// Reads the bar's commands for the screen showing `shownScreen` (the
// character sheet, inventory or spell list) of SelectedHero. Refusals
// ("NOT A SPELLCASTER") are handled here.
BarCommand ReadPortraitBar(Game& game, int shownScreen);
// Carries a command out: the click, SelectedHero and the switch.
void FollowBarCommand(Game& game, const BarCommand& command);

// Draws the bar: the shown hero's portrait backing in the selected tint and
// `exitImage` in the exit box.
void DrawPortraitBar(Game& game, int selectedRed, int selectedGreen, int selectedBlue, int exitImage);
// The exit box of the screens that lead back to a battle's waiting loot:
// the loot picture while there is loot, else the plain exit.
int LootOrExitImage(const Game& game);
// The box in the camp button's place, on screens that have no button for
// it: an idle frame round an empty backing, so the bar shows no dark hole.
void DrawSpareBox(Game& game);
// One hero's box on the bar: the backing in the given colour, the
// portrait, the boost icons, the health gauge and its text.
void DrawHeroBox(Game& game, int hero, int backRed, int backGreen, int backBlue);
// The health gauge colour of a hero at health ratio r (green at full
// health, red near none).
void HealthGaugeColour(float ratio, int& red, int& green);

}  // namespace vv
