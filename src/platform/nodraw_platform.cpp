#include "platform/nodraw_platform.h"

#include <algorithm>
#include <cstdio>

namespace vv {

NoDrawPlatform::NoDrawPlatform() {
  SetScriptedInput(true);
}

bool NoDrawPlatform::OpenStartupWindow(std::string_view, std::string&) {
  SetCanvasSize(480, 360);
  return true;
}

bool NoDrawPlatform::OpenGameDisplay(RendererChoice, std::string_view, std::string&) {
  SetCanvasSize(1024, 768);
  return true;
}

void NoDrawPlatform::GetDesktopBounds(int& x, int& y, int& w, int& h) {
  x = 0, y = 0, w = 1024, h = 768;
}

void NoDrawPlatform::GetGlobalMouse(int& x, int& y) {
  x = MouseX();
  y = MouseY();
}

void NoDrawPlatform::ShowMessageBox(std::string_view title, std::string_view text) {
  std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(title.size()), title.data(),
               static_cast<int>(text.size()), text.data());
}

std::uint32_t NoDrawPlatform::Millisecs() {
  const auto elapsed = std::chrono::steady_clock::now() - started_;
  return static_cast<std::uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

int NoDrawPlatform::LoadSound(std::string_view name) {
  return FindAsset(name).empty() ? 0 : ++sounds_;
}

// Module handles: the first free slot, else a new one, as the mixer does.
int NoDrawPlatform::LoadModule(std::string_view name) {
  if (FindAsset(name).empty()) return 0;
  const ModuleStatus fresh{true, false, false, 256};
  for (std::size_t i = 1; i < modules_.size(); ++i) {
    if (!modules_[i].loaded) {
      modules_[i] = fresh;
      return static_cast<int>(i);
    }
  }
  modules_.push_back(fresh);
  return static_cast<int>(modules_.size()) - 1;
}

NoDrawPlatform::ModuleStatus* NoDrawPlatform::FindModule(int module) {
  if (module <= 0 || module >= static_cast<int>(modules_.size()) || !modules_[module].loaded) return nullptr;
  return &modules_[module];
}

void NoDrawPlatform::PlayModule(int module) {
  if (ModuleStatus* m = FindModule(module)) m->playing = true, m->paused = false;
}

void NoDrawPlatform::StopModule(int module) {
  if (ModuleStatus* m = FindModule(module)) m->playing = false, m->paused = false;
}

void NoDrawPlatform::FreeModule(int module) {
  if (ModuleStatus* m = FindModule(module)) *m = ModuleStatus{};
}

void NoDrawPlatform::SetModulePaused(int module, bool paused) {
  if (ModuleStatus* m = FindModule(module)) m->paused = paused;
}

void NoDrawPlatform::SetModuleVolume(int module, int volume) {
  if (ModuleStatus* m = FindModule(module)) m->volume = std::clamp(volume, 0, 256);
}

int NoDrawPlatform::GetModuleVolume(int module) {
  const ModuleStatus* m = FindModule(module);
  return m ? m->volume : 0;
}

Platform::ModuleStatus NoDrawPlatform::GetModuleStatus(int module) {
  const ModuleStatus* m = FindModule(module);
  return m ? *m : ModuleStatus{};
}

}  // namespace vv
