#pragma once
// What the loaders' fuzz targets share: a file the loader accepted must be
// the very file the game writes for what was read, byte for byte, and a
// broken promise stops the fuzzer with the input that broke it.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vv::fuzz {

inline bool SameBytes(const std::vector<std::uint8_t>& written, std::span<const std::uint8_t> read) {
  return written.size() == read.size() && std::equal(written.begin(), written.end(), read.begin());
}

inline void Require(bool promise) {
  if (!promise) __builtin_trap();
}

}  // namespace vv::fuzz
