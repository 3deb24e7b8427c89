#pragma once
// The start-up driver menu and the driver file that remembers its choice.

#include "shell/shell.h"

namespace vv {

// Reads the driver file into DriverChoice (OpenGL when it is missing or wrong).
void ReadDriverFile(Shell& shell);
// Runs the menu in the start-up window until the player chooses; returns
// StartupResult (1 OpenGL, 2 second renderer, 3 quit).
int RunStartupMenu(Shell& shell);
// Rewrites the driver file with the choice, once the game display is open.
void WriteDriverFile(Shell& shell, int result);

}  // namespace vv
