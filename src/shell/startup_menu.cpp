#include "shell/startup_menu.h"

namespace vv {

// The menu itself is not built yet: start with the preselected renderer.
void ReadDriverFile(Shell& shell) {
  shell.DriverChoice = 0;
}

int RunStartupMenu(Shell& shell) {
  return shell.DriverChoice + 1;
}

void WriteDriverFile(Shell&, int) {}

}  // namespace vv
