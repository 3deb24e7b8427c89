#pragma once
// Loading the catalogue's pictures and sounds into the handle tables.
// Numbered families are loaded by trying every number of their range: a
// number with no file simply keeps handle 0.

#include "shell/shell.h"

namespace vv {

// Registers every embedded file with the platform (from the table the build
// links into the program).
void RegisterAssets(Platform& platform);

// The two font strips of the game display.
void LoadFonts(Shell& shell);
// Every other picture and every sound, with the handle points the screens
// rely on.
void LoadGameImages(Shell& shell);
void LoadGameSounds(Shell& shell);

}  // namespace vv
