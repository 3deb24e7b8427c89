#include "shell/screenshot_key.h"

#include <cstdio>
#include <string>
#include <system_error>

namespace vv {

std::filesystem::path ScreenshotPath(const std::filesystem::path& dataDir, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::filesystem::path dir = dataDir / "screenshots";
  std::filesystem::path path = dir / ("vizid-" + std::string(stamp) + ".png");
  std::error_code ec;
  for (int n = 2; std::filesystem::exists(path, ec); ++n) {
    path = dir / ("vizid-" + std::string(stamp) + "-" + std::to_string(n) + ".png");
  }
  return path;
}

void SaveScreenshot(Shell& shell) {
  std::error_code ec;
  std::filesystem::create_directories(shell.DataDir / "screenshots", ec);
  const std::filesystem::path path = ScreenshotPath(shell.DataDir, std::time(nullptr));
  if (!shell.platform.SaveScreenshot(path.string())) {
    std::fprintf(stderr, "Vizid of Vorgash: could not save %s\n", path.c_str());
  }
}

}  // namespace vv
