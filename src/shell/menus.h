#pragma once
// The shell's own screens: the title and main menu, and the options; and
// the glow every menu-type screen gives its rows.

#include <string_view>

#include "shell/shell.h"

namespace vv {

void RunMainMenu(Shell& shell);       // screen 2
void RunOptionsScreen(Shell& shell);  // screen 23
// Sets the glow and position of every menu row to 0.
void ResetButtonGlow(Shell& shell);

// One frame of a row's glow 0..10: up by 1 while hovered, down by 1 when not.
void StepGlow(int& glow, bool hovered);
// The cyan of a row at this glow: (0, b, b), b from 150 idle to 255 lit.
int GlowShade(int glow);
// Sets the drawing colour to that cyan.
void SetGlowColour(Platform& p, int glow);

// The main menu's rows.
constexpr int MAIN_MENU_ROWS = 6;
constexpr int MAIN_MENU_ROW_Y[MAIN_MENU_ROWS + 1] = {0, 180, 270, 360, 450, 540, 630};
// The Y and N boxes of every confirmation dialog.
constexpr int DIALOG_YES_X = 468, DIALOG_NO_X = 516, DIALOG_BOX_Y = 411, DIALOG_BOX_SIZE = 40;
bool OverDialogYes(const Shell& shell);
bool OverDialogNo(const Shell& shell);
// Draws a confirmation dialog: the board, its title, "Are you sure?" and
// the Y and N answers, each lit while the mouse is over its box. Leaves
// the drawing colour changed.
void DrawConfirmDialog(Shell& shell, std::string_view title);

// Draws the version mark in the bottom-left corner.
void DrawVersionMark(Shell& shell);

}  // namespace vv
