#pragma once
// The game's own files: read whole, checked before anything is taken from
// them, and written through a temporary file that is renamed into place, so
// a crash or a full disk never leaves a broken file behind. Integers are
// 4-byte little-endian signed; a string is its length followed by its bytes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vv {

// Reads a regular file of at most maxBytes. False when it is missing, not a
// regular file, too large or unreadable.
bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out,
                   std::size_t maxBytes = 16u << 20);
// Writes the bytes to a temporary file beside `path`, flushes it to the disk
// and renames it over `path`. False (and the old file untouched) on failure.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

class ByteWriter {
 public:
  void Int(std::int32_t value);
  void String(std::string_view latin1);
  const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

 private:
  std::vector<std::uint8_t> bytes_;
};

class ByteReader {
 public:
  explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  // False, leaving `value` alone, when fewer than 4 bytes are left.
  bool Int(std::int32_t& value);
  // False when the length is negative, above maxLength or past the end.
  bool String(std::string& value, std::size_t maxLength);
  bool AtEnd() const { return pos_ == bytes_.size(); }
  std::size_t Remaining() const { return bytes_.size() - pos_; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

}  // namespace vv
