#pragma once
// The files the build embeds in the program (generated table).

#include <cstdint>
#include <span>
#include <string_view>

namespace vv {

struct EmbeddedAsset {
  std::string_view name;  // "data/gfx/arrow.png"
  std::span<const std::uint8_t> bytes;
};

// Every embedded file; empty in programs built without the assets.
std::span<const EmbeddedAsset> EmbeddedAssets();

}  // namespace vv
