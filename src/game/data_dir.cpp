#include "game/data_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace vv {
namespace {

bool Writable(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  return std::filesystem::is_directory(dir, ec) && access(dir.c_str(), W_OK) == 0;
}

}  // namespace

std::filesystem::path ChooseDataDir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec && argv0) exe = std::filesystem::absolute(argv0, ec);
  const std::filesystem::path beside = exe.parent_path() / "data";
  if (!exe.empty() && Writable(beside)) return beside;
  std::filesystem::path base;
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
    base = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    base = std::filesystem::path(home) / ".local" / "share";
  } else {
    base = std::filesystem::temp_directory_path(ec);
  }
  return base / "vizid-of-vorgash" / "data";
}

}  // namespace vv
