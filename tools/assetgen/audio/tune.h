#pragma once

#include <string>
#include <string_view>

#include "xm_write.h"

namespace vv::gen {

// Compiles a tune written in our text notation (see assets/music/README.md)
// into a module with its synthesized instruments. Mistakes throw
// SourceError naming the file and line.
XmModule CompileTune(std::string_view text, const std::string& fileName);

}  // namespace vv::gen
