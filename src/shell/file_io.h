#pragma once
// The game's own files: read whole, checked before anything is taken from
// them, and written through a temporary file that is renamed into place, so
// a crash or a full disk never leaves a broken file behind. Integers are
// 4-byte little-endian signed; a string is its length followed by its bytes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
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
// and renames it over `path`. False (and the old file untouched) on failure,
// with errno telling why and a line on stderr naming the file.
bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);

// The system calls of one atomic write, in the order they are made. Syncing
// the folder comes after the rename: by then the new file is in place, so a
// failure there is no failure of the write.
enum class WriteStep { Open, Write, Sync, Close, Rename, SyncFolder };

// Stands in for a failing disk in tests: asked before each step of every
// write made on this thread (`path` is the file being replaced), it answers
// 0 to let the step go ahead or an errno value to fail it as the system
// would. Before a Write it may lower `count`, as a disk that fills up
// part-way through a write does. While no fault is installed a write costs
// one test of a pointer more.
using WriteFault = std::function<int(WriteStep step, const std::filesystem::path& path, std::size_t& count)>;

class ScopedWriteFault {
 public:
  explicit ScopedWriteFault(WriteFault fault);
  ~ScopedWriteFault();
  ScopedWriteFault(const ScopedWriteFault&) = delete;
  ScopedWriteFault& operator=(const ScopedWriteFault&) = delete;

 private:
  WriteFault fault_;
  const WriteFault* previous_;
};

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
