#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vv::gen {

// Whole WAV file for a sound file name such as "hit_3.wav", "alarm.wav", in its
// catalogue format; empty for a name this module does not make.
std::vector<std::uint8_t> MakeSound(std::string_view fileName, const std::filesystem::path& assetsDir);

// Whole XM file for "track1.xm" .. "track6.xm", "combat1.xm" .. "combat6.xm".
std::vector<std::uint8_t> MakeModule(std::string_view fileName, const std::filesystem::path& assetsDir);

}  // namespace vv::gen
