#pragma once
// The shell's own screens: the title and main menu, and the options.

#include "shell/shell.h"

namespace vv {

void RunMainMenu(Shell& shell);     // screen 2
void RunOptionsScreen(Shell& shell);  // screen 23
// Sets the glow and position of every menu row to 0.
void ResetButtonGlow(Shell& shell);

}  // namespace vv
