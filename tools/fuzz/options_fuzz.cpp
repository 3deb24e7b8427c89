// Fuzz target of the options file and the window's settings file beside it:
// a refused file leaves the settings as they were, an accepted one holds
// only values the options screen and the window can take, and writing them
// back gives the same file.

#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "game/window_settings.h"
#include "shell/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  int flags[9] = {0, 1, 0, 1, 0, 1, 0, 77, -5};
  const int defaults[9] = {0, 1, 0, 1, 0, 1, 0, 77, -5};
  if (vv::ParseOptionsFile(bytes, flags)) {
    for (int i = 1; i <= 6; ++i) vv::fuzz::Require(flags[i] == 0 || flags[i] == 1);
    vv::fuzz::Require(vv::fuzz::SameBytes(vv::OptionsFileBytes(flags), bytes));
  } else {
    vv::fuzz::Require(std::equal(flags, flags + 9, defaults));
  }

  vv::WindowPlacement placement;
  placement.x = 12345;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  if (vv::ParseWindowSettings(text, placement)) {
    vv::fuzz::Require(placement.width >= 320 && placement.width <= 16384 && placement.height >= 240 &&
                      placement.height <= 16384);
    // What the game writes for these settings reads back to the same.
    vv::WindowPlacement again;
    vv::fuzz::Require(vv::ParseWindowSettings(vv::WindowSettingsText(placement), again));
    vv::fuzz::Require(vv::WindowSettingsText(again) == vv::WindowSettingsText(placement));
  } else {
    vv::fuzz::Require(placement.x == 12345);
  }
  return 0;
}
