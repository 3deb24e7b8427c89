#pragma once
// A platform for unit tests: nothing is shown or heard; every draw call,
// sound and module request is kept as data so a test can ask what a frame
// drew or played. Images keep their real sizes (decoded from the registered
// files) so layouts can be checked.

#include <string>
#include <vector>

#include "platform/platform.h"

namespace vv {

class FakePlatform final : public Platform {
 public:
  struct DrawCall {
    int image = 0;
    std::string name;  // the image's file name
    int frame = 0;
    float x = 0, y = 0;  // where the handle point landed
    DrawState state;
    int target = 0;  // the render image drawn into, 0 the screen
  };
  struct ModuleState {
    std::string name;
    bool loaded = false, playing = false, paused = false;
    int volume = 256;
    int timesStarted = 0;
  };

  FakePlatform();

  bool OpenStartupWindow(std::string_view title, std::string& error) override;
  void CloseStartupWindow() override {}
  bool OpenGameDisplay(RendererChoice renderer, std::string_view title, std::string& error) override;
  std::string SecondRendererLabel() const override { return "SOFTWARE"; }
  void SetWindowTitle(std::string_view title) override { windowTitle = title; }
  void GetDesktopBounds(int& x, int& y, int& w, int& h) override;
  void MoveWindow(int x, int y) override { windowX = x, windowY = y; }
  void GetGlobalMouse(int& x, int& y) override;
  void ShowSystemPointer(bool show) override { systemPointerShown = show; }
  void ShowMessageBox(std::string_view title, std::string_view text) override;

  void PumpEvents() override {}
  bool CloseRequested() const override { return closeRequested; }
  void Cls() override { draws.clear(); }
  void Flip() override { ++presentedFrames; }
  void WaitFrameTimer() override { clock += 16; }
  std::uint32_t Millisecs() override { return clock; }
  bool SaveScreenshot(const std::string&) override { return false; }

  int LoadSound(std::string_view name) override;
  void PlaySound(int sound) override;
  int LoadModule(std::string_view name) override;
  void PlayModule(int module) override;
  void StopModule(int module) override;
  void FreeModule(int module) override;
  void SetModulePaused(int module, bool paused) override;
  void SetModuleVolume(int module, int volume) override;
  int GetModuleVolume(int module) override;
  Platform::ModuleStatus GetModuleStatus(int module) override;

  // Draw calls of images whose file name is `file` ("arrow.png").
  std::vector<DrawCall> DrawsOf(std::string_view file) const;

  // What happened, for tests to read and clear.
  std::vector<DrawCall> draws;            // since the last Cls
  std::vector<std::string> soundsPlayed;  // file names, in order
  std::vector<std::string> soundNames{""};
  std::vector<ModuleState> modules{ModuleState{}};
  std::vector<std::string> messageBoxes;
  std::string windowTitle;
  int windowX = 0, windowY = 0;
  int presentedFrames = 0;
  std::uint32_t clock = 0;
  bool closeRequested = false;
  bool systemPointerShown = true;
  bool failDisplay = false;  // make opening a display fail

 protected:
  void UploadImage(int, const Pixels&) override {}
  void ReleaseImage(int) override {}
  void DrawFrame(int image, int frame, float x, float y) override;
  void ApplyViewport() override {}
  void CreateTargetImage(int, int, int) override {}
  void SelectTarget(int image, bool) override { currentTarget = image; }

 public:
  int currentTarget = 0;  // where draws go (0 the screen)
};

}  // namespace vv
