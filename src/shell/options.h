#pragma once
// The six on/off options, their file and their screen.

#include "shell/shell.h"

namespace vv {

void ResetOptions(Shell& shell);
void ReadOptionsFile(Shell& shell);

}  // namespace vv
