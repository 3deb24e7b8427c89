#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

namespace vv::gen {
// Compiles assets/maps/ into the bytes of the map file (500,004 bytes:
// magic 525, then 12,500 records of ten little-endian int32 in column, row,
// slot order). Throws std::runtime_error naming the file and line of any error.
std::vector<std::uint8_t> CompileMap(const std::filesystem::path& assetsDir);
}  // namespace vv::gen
