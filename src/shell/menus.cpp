#include "shell/menus.h"

namespace vv {

// The menus are not built yet: their screens draw nothing.
void RunMainMenu(Shell&) {}
void RunOptionsScreen(Shell&) {}

void ResetButtonGlow(Shell& shell) {
  for (int row = 1; row <= 20; ++row) {
    for (int col = 1; col <= 6; ++col) shell.ButtonState[row][col] = 0;
  }
}

}  // namespace vv
