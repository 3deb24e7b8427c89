#include "shell/file_io.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <system_error>

namespace vv {
namespace {

// The fault a test installed on this thread, if any.
thread_local const WriteFault* activeFault = nullptr;

// 0 to go ahead with the step, else the errno it fails with (and errno set).
int Refused(WriteStep step, const std::filesystem::path& path, std::size_t& count) {
  if (!activeFault) return 0;
  const int error = (*activeFault)(step, path, count);
  if (error != 0) errno = error;
  return error;
}

int Refused(WriteStep step, const std::filesystem::path& path) {
  std::size_t none = 0;
  return Refused(step, path, none);
}

bool WriteAll(int fd, const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    std::size_t count = bytes.size() - done;
    if (Refused(WriteStep::Write, path, count)) return false;
    const ssize_t n = ::write(fd, bytes.data() + done, count);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Removes what a failed write left and says on stderr which file was not
// written and why; errno still tells the caller.
bool GiveUp(const std::filesystem::path& path, const std::filesystem::path& temp) {
  const int error = errno;
  ::unlink(temp.c_str());
  std::fprintf(stderr, "Vizid of Vorgash: could not write %s: %s\n", path.c_str(), std::strerror(error));
  errno = error;
  return false;
}

}  // namespace

ScopedWriteFault::ScopedWriteFault(WriteFault fault) : fault_(std::move(fault)), previous_(activeFault) {
  activeFault = &fault_;
}

ScopedWriteFault::~ScopedWriteFault() {
  activeFault = previous_;
}

bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out, std::size_t maxBytes) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  const std::uintmax_t size = std::filesystem::file_size(path, ec);
  if (ec || size > maxBytes) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
  in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (in.gcount() != static_cast<std::streamsize>(bytes.size())) return false;
  // Nothing more may follow: a file that grew while we read it is not the
  // file we measured.
  if (in.peek() != std::char_traits<char>::eof()) return false;
  out = std::move(bytes);
  return true;
}

bool WriteFileAtomically(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  std::filesystem::path temp = path;
  temp += ".tmp";
  const int fd = Refused(WriteStep::Open, path)
                     ? -1
                     : ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return GiveUp(path, temp);
  int error = 0;
  if (!WriteAll(fd, path, bytes) || Refused(WriteStep::Sync, path) || ::fsync(fd) != 0) error = errno;
  // The file is let go whatever happened; a close that fails may have lost
  // what the disk had not taken yet.
  const bool closeRefused = Refused(WriteStep::Close, path) != 0;
  if ((::close(fd) != 0 || closeRefused) && error == 0) error = errno;
  if (error != 0) {
    errno = error;
    return GiveUp(path, temp);
  }
  if (Refused(WriteStep::Rename, path) || ::rename(temp.c_str(), path.c_str()) != 0)
    return GiveUp(path, temp);
  // Make the rename itself durable. The new file is already whole in place,
  // so a folder that cannot be synced only leaves the timing to the system.
  if (!Refused(WriteStep::SyncFolder, path)) {
    const int dir =
        ::open(path.parent_path().empty() ? "." : path.parent_path().c_str(), O_RDONLY | O_CLOEXEC);
    if (dir >= 0) {
      ::fsync(dir);
      ::close(dir);
    }
  }
  return true;
}

void ByteWriter::Int(std::int32_t value) {
  const auto u = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) bytes_.push_back(static_cast<std::uint8_t>(u >> shift));
}

void ByteWriter::String(std::string_view latin1) {
  Int(static_cast<std::int32_t>(latin1.size()));
  bytes_.insert(bytes_.end(), latin1.begin(), latin1.end());
}

bool ByteReader::Int(std::int32_t& value) {
  if (Remaining() < 4) return false;
  std::uint32_t u = 0;
  for (int i = 0; i < 4; ++i)
    u |= static_cast<std::uint32_t>(bytes_[pos_ + static_cast<std::size_t>(i)]) << (8 * i);
  pos_ += 4;
  value = static_cast<std::int32_t>(u);
  return true;
}

bool ByteReader::String(std::string& value, std::size_t maxLength) {
  const std::size_t start = pos_;
  std::int32_t length = 0;
  if (!Int(length)) return false;
  if (length < 0 || static_cast<std::size_t>(length) > maxLength ||
      static_cast<std::size_t>(length) > Remaining()) {
    pos_ = start;
    return false;
  }
  value.assign(reinterpret_cast<const char*>(bytes_.data() + pos_), static_cast<std::size_t>(length));
  pos_ += static_cast<std::size_t>(length);
  return true;
}

}  // namespace vv
