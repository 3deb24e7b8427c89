#pragma once
// The window's own small settings file beside the options file: full screen
// or a window (Alt+Enter), and the window's place and size. Text, so a player
// can read it:
//   fullscreen 0
//   position 120 80
//   size 1024 768
// A missing or damaged file gives the defaults (full screen).

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/window_placement.h"

namespace vv {

inline constexpr const char* WINDOW_SETTINGS_FILE = "window.cfg";

std::string WindowSettingsText(const WindowPlacement& placement);
// False, leaving `out` alone, unless the text holds each line once with
// values in range.
bool ParseWindowSettings(std::string_view text, WindowPlacement& out);
WindowPlacement LoadWindowSettings(const std::filesystem::path& dataDir);
bool SaveWindowSettings(const std::filesystem::path& dataDir, const WindowPlacement& placement);

}  // namespace vv
