#include "game/data_dir.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

namespace vv {
namespace {

bool WritableFolder(const std::filesystem::path& dir) {
  std::error_code ec;
  return std::filesystem::is_directory(dir, ec) && access(dir.c_str(), W_OK | X_OK) == 0;
}

// The XDG base folder for user data; a relative XDG_DATA_HOME is ignored as
// the XDG rules ask.
std::filesystem::path UserDataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg == '/') return xdg;
  if (const char* home = std::getenv("HOME"); home && *home) {
    return std::filesystem::path(home) / ".local" / "share";
  }
  std::error_code ec;
  return std::filesystem::temp_directory_path(ec);
}

}  // namespace

std::filesystem::path DataDirForProgram(const std::filesystem::path& exe) {
  if (!exe.empty()) {
    const std::filesystem::path beside = exe.parent_path() / "data";
    if (WritableFolder(beside)) return beside;
  }
  return UserDataHome() / "vizid-of-vorgash" / "data";
}

std::filesystem::path ChooseDataDir(const char* argv0) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) exe = argv0 ? std::filesystem::absolute(argv0, ec) : std::filesystem::path();
  return DataDirForProgram(exe);
}

}  // namespace vv
