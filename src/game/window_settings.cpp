#include "game/window_settings.h"

#include <sstream>
#include <vector>

#include "shell/file_io.h"

namespace vv {

std::string WindowSettingsText(const WindowPlacement& placement) {
  std::string text = "fullscreen " + std::to_string(placement.fullscreen ? 1 : 0) + "\n";
  if (placement.placed)
    text += "position " + std::to_string(placement.x) + " " + std::to_string(placement.y) + "\n";
  text += "size " + std::to_string(placement.width) + " " + std::to_string(placement.height) + "\n";
  return text;
}

bool ParseWindowSettings(std::string_view text, WindowPlacement& out) {
  WindowPlacement read;
  bool haveFull = false, havePosition = false, haveSize = false;
  std::istringstream lines{std::string(text)};
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty()) continue;
    std::istringstream words(line);
    std::string key, rest;
    words >> key;
    if (key == "fullscreen" && !haveFull) {
      int flag = -1;
      if (!(words >> flag) || (flag != 0 && flag != 1)) return false;
      read.fullscreen = flag == 1;
      haveFull = true;
    } else if (key == "position" && !havePosition) {
      if (!(words >> read.x >> read.y) || read.x < -32768 || read.x > 32767 || read.y < -32768 ||
          read.y > 32767) {
        return false;
      }
      read.placed = havePosition = true;
    } else if (key == "size" && !haveSize) {
      if (!(words >> read.width >> read.height) || read.width < 320 || read.width > 16384 ||
          read.height < 240 || read.height > 16384) {
        return false;
      }
      haveSize = true;
    } else {
      return false;
    }
    if (words >> rest) return false;
  }
  if (!haveFull || !haveSize) return false;
  out = read;
  return true;
}

WindowPlacement LoadWindowSettings(const std::filesystem::path& dataDir) {
  WindowPlacement placement;
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(dataDir / WINDOW_SETTINGS_FILE, bytes, 1024)) {
    ParseWindowSettings(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                        placement);
  }
  return placement;
}

bool SaveWindowSettings(const std::filesystem::path& dataDir, const WindowPlacement& placement) {
  const std::string text = WindowSettingsText(placement);
  return WriteFileAtomically(dataDir / WINDOW_SETTINGS_FILE,
                             std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

}  // namespace vv
