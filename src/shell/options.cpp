#include "shell/options.h"

namespace vv {

void ResetOptions(Shell& shell) {
  const int defaults[9] = {0, 1, 1, 1, 1, 1, 1, 0, 0};
  for (int i = 0; i <= 8; ++i) shell.OptionFlags[i] = defaults[i];
}

// The options file is not read yet: the defaults stand.
void ReadOptionsFile(Shell&) {}

}  // namespace vv
