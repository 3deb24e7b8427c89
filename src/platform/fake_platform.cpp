#include "platform/fake_platform.h"

namespace vv {
namespace {

std::string FileOf(std::string_view name) {
  const auto slash = name.find_last_of("/\\");
  return std::string(slash == std::string_view::npos ? name : name.substr(slash + 1));
}

}  // namespace

FakePlatform::FakePlatform() {
  SetScriptedInput(true);
}

bool FakePlatform::OpenStartupWindow(std::string_view, std::string& error) {
  if (failDisplay) {
    error = "no display";
    return false;
  }
  SetCanvasSize(480, 360);
  return true;
}

bool FakePlatform::OpenGameDisplay(RendererChoice, std::string_view title, std::string& error) {
  if (failDisplay) {
    error = "no display";
    return false;
  }
  windowTitle = title;
  SetCanvasSize(1024, 768);
  return true;
}

void FakePlatform::GetDesktopBounds(int& x, int& y, int& w, int& h) {
  x = 0, y = 0, w = 1920, h = 1080;
}

void FakePlatform::GetGlobalMouse(int& x, int& y) {
  x = windowX + MouseX();
  y = windowY + MouseY();
}

void FakePlatform::ShowMessageBox(std::string_view title, std::string_view text) {
  messageBoxes.push_back(std::string(title) + ": " + std::string(text));
}

void FakePlatform::DrawFrame(int image, int frame, float x, float y) {
  draws.push_back({image, FileOf(images_[image].name), frame, x, y, state_, currentTarget});
}

std::vector<FakePlatform::DrawCall> FakePlatform::DrawsOf(std::string_view file) const {
  std::vector<DrawCall> out;
  for (const DrawCall& d : draws) {
    if (d.name == file) out.push_back(d);
  }
  return out;
}

int FakePlatform::LoadSound(std::string_view name) {
  if (FindAsset(name).empty()) return 0;
  soundNames.push_back(FileOf(name));
  return static_cast<int>(soundNames.size()) - 1;
}

void FakePlatform::PlaySound(int sound) {
  if (sound > 0 && sound < static_cast<int>(soundNames.size())) soundsPlayed.push_back(soundNames[sound]);
}

int FakePlatform::LoadModule(std::string_view name) {
  if (FindAsset(name).empty()) return 0;
  ModuleState m;
  m.name = FileOf(name);
  m.loaded = true;
  modules.push_back(m);
  return static_cast<int>(modules.size()) - 1;
}

void FakePlatform::PlayModule(int module) {
  if (module <= 0 || module >= static_cast<int>(modules.size()) || !modules[module].loaded) return;
  modules[module].playing = true;
  modules[module].paused = false;
  ++modules[module].timesStarted;
}

void FakePlatform::StopModule(int module) {
  if (module <= 0 || module >= static_cast<int>(modules.size())) return;
  modules[module].playing = false;
}

void FakePlatform::FreeModule(int module) {
  if (module <= 0 || module >= static_cast<int>(modules.size())) return;
  modules[module] = ModuleState{};
}

void FakePlatform::SetModulePaused(int module, bool paused) {
  if (module > 0 && module < static_cast<int>(modules.size()) && modules[module].loaded) {
    modules[module].paused = paused;
  }
}

void FakePlatform::SetModuleVolume(int module, int volume) {
  if (module > 0 && module < static_cast<int>(modules.size()) && modules[module].loaded) {
    modules[module].volume = volume < 0 ? 0 : (volume > 256 ? 256 : volume);
  }
}

int FakePlatform::GetModuleVolume(int module) {
  if (module > 0 && module < static_cast<int>(modules.size()) && modules[module].loaded) {
    return modules[module].volume;
  }
  return 0;
}

Platform::ModuleStatus FakePlatform::GetModuleStatus(int module) {
  if (module <= 0 || module >= static_cast<int>(modules.size()) || !modules[module].loaded) return {};
  const ModuleState& m = modules[module];
  return {m.loaded, m.playing, m.paused, m.volume};
}

}  // namespace vv
