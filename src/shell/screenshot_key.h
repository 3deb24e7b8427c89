#pragma once
// F12 keeps the frame just shown as a PNG under the data folder's
// screenshots/, named by the local time. Nothing is drawn on the canvas and no
// table of the game changes, so every screen stays as it is.

#include <ctime>
#include <filesystem>

#include "shell/shell.h"

namespace vv {

constexpr int KEY_SCREENSHOT = 123;  // F12

// "vizid-20261207-013005.png"; "-2", "-3" ... follow when that name is taken.
std::filesystem::path ScreenshotPath(const std::filesystem::path& dataDir, std::time_t when);
// Saves the frame just presented; the loop calls it in a frame where F12 was
// hit, whatever the screen did with its key hits.
void SaveScreenshot(Shell& shell);

}  // namespace vv
