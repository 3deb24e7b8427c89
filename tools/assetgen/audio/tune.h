#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "xm_write.h"

namespace vv::gen {

// What each channel of a compiled tune carries, for the review measures.
struct TuneLayout {
  std::vector<std::string> part;  // part name per channel, empty when unused
  std::vector<bool> drums;        // a drum part: its notes are not pitches
  std::vector<bool> lead;         // the melody: a part whose name starts with "lead"
  std::vector<bool> echo;         // a delayed copy of another channel
  int beatRows = 4;               // rows in a quarter note
};

// Compiles a tune written in our text notation (see assets/music/README.md)
// into a module with its synthesized instruments. Mistakes throw
// SourceError naming the file and line.
XmModule CompileTune(std::string_view text, const std::string& fileName, TuneLayout* layout = nullptr);

}  // namespace vv::gen
