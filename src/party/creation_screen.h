#pragma once
// The character creation screen (screen 21): two heroes side by side with
// portrait, name, class and rolled attributes; ACCEPT starts a new game.

#include "game/game.h"

namespace vv {

void RunCreationScreen(Game& game);
// Every table of a new game, with the two heroes as created. Runs once the
// fade after ACCEPT has reached black.
void StartNewGame(Game& game);

// Layout.
constexpr int CREATION_COLUMN_X[3] = {0, 16, 528};
constexpr int CREATION_ROW_Y[8] = {0, 332, 384, 436, 488, 540, 592, 644};
constexpr int CREATION_CANCEL_X = 270, CREATION_ACCEPT_X = 544, CREATION_BUTTON_Y = 704;
constexpr int CREATION_BUTTON_W = 210, CREATION_BUTTON_H = 52;
constexpr int ARROW_PRESS_FRAMES = 6;

// ButtonState rows of the screen's glows.
constexpr int GLOW_NAME[3] = {0, 1, 4};
constexpr int GLOW_CLASS[3] = {0, 2, 5};
constexpr int GLOW_REROLL[3] = {0, 3, 6};
constexpr int GLOW_CANCEL = 8;
constexpr int GLOW_ACCEPT = 9;
constexpr int GLOW_LEFT_ARROW[3] = {0, 10, 12};
constexpr int GLOW_RIGHT_ARROW[3] = {0, 11, 13};

}  // namespace vv
