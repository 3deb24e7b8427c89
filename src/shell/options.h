#pragma once
// The six on/off options and their file (entries 7 and 8 are only stored).

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "shell/shell.h"

namespace vv {

constexpr int OPTIONS_MAGIC = 199;
constexpr int OPTION_ENTRIES = 8;
constexpr std::string_view OPTIONS_FILE = "options.kqo";

// OptionLabels[1..6].
constexpr std::string_view OptionLabels[7] = {"",
                                              "MUSIC PLAYBACK",
                                              "SOUND PLAYBACK",
                                              "DAY/NIGHT CYCLE",
                                              "CHARACTER COMMENTS",
                                              "COMBAT TURN INDICATOR",
                                              "MENU FADING"};

void ResetOptions(Shell& shell);
// Reads the options file over the defaults; a missing, short, long or
// damaged file leaves them as they are.
void ReadOptionsFile(Shell& shell);
// Writes the options file anew. False when it could not be written.
bool WriteOptionsFile(const Shell& shell);

// The file's bytes for these flags, and the flags from a file's bytes
// (false, `flags` untouched, unless the whole file is right).
std::vector<std::uint8_t> OptionsFileBytes(const int (&flags)[9]);
bool ParseOptionsFile(std::span<const std::uint8_t> bytes, int (&flags)[9]);

}  // namespace vv
