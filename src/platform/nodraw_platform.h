#pragma once
// A platform that runs the game as fast as the processor allows: nothing is
// drawn, shown or heard, and no system library is started. Everything the
// game can ask back is still answered as the SDL platform answers it: image
// sizes and frames (the shared bookkeeping), the texts drawn (the shared
// trace), and the state of every sound and music module, with handles given
// out the way the mixer gives them. Used by the playtest harness's fast mode
// and the player bot.

#include <chrono>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace vv {

class NoDrawPlatform final : public Platform {
 public:
  NoDrawPlatform();

  bool OpenStartupWindow(std::string_view title, std::string& error) override;
  void CloseStartupWindow() override {}
  bool OpenGameDisplay(RendererChoice renderer, std::string_view title, std::string& error) override;
  std::string SecondRendererLabel() const override { return "SOFTWARE"; }
  void SetWindowTitle(std::string_view) override {}
  void GetDesktopBounds(int& x, int& y, int& w, int& h) override;
  void MoveWindow(int, int) override {}
  void GetGlobalMouse(int& x, int& y) override;
  void ShowSystemPointer(bool) override {}
  void ShowMessageBox(std::string_view title, std::string_view text) override;

  void PumpEvents() override {}
  bool CloseRequested() const override { return false; }
  void Cls() override {}
  void Flip() override {}
  void WaitFrameTimer() override {}
  std::uint32_t Millisecs() override;
  // There is no picture to save.
  bool SaveScreenshot(const std::string&) override { return false; }

  int LoadSound(std::string_view name) override;
  void PlaySound(int) override {}
  int LoadModule(std::string_view name) override;
  void PlayModule(int module) override;
  void StopModule(int module) override;
  void FreeModule(int module) override;
  void SetModulePaused(int module, bool paused) override;
  void SetModuleVolume(int module, int volume) override;
  int GetModuleVolume(int module) override;
  ModuleStatus GetModuleStatus(int module) override;

 protected:
  void UploadImage(int, const Pixels&) override {}
  void ReleaseImage(int) override {}
  void DrawFrame(int, int, float, float) override {}
  void ApplyViewport() override {}
  void CreateTargetImage(int, int, int) override {}
  void SelectTarget(int, bool) override {}

 private:
  ModuleStatus* FindModule(int module);

  std::chrono::steady_clock::time_point started_ = std::chrono::steady_clock::now();
  int sounds_ = 0;
  std::vector<ModuleStatus> modules_{ModuleStatus{}};  // slot 0 unused; free slots are not loaded
};

}  // namespace vv
