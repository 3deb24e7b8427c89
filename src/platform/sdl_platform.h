#pragma once
// The real platform on SDL2: one window at a time with an SDL renderer that
// draws into a canvas texture (1024 x 768 for the game, 480 x 360 for the
// start-up window), letterboxed onto the window when presented. Sound effects
// and music modules are mixed in the SDL audio callback (sdl_audio.cpp).

#include <SDL.h>

#include <memory>

#include "platform/frame_pacer.h"
#include "platform/platform.h"
#include "platform/window_placement.h"

namespace vv {

class AudioMixer;

struct SdlOptions {
  bool paced = true;               // keep 60 frames per second; the playtest harness runs flat out
  bool fullscreen = true;          // desktop full screen for the game display
  std::string forcedRenderDriver;  // empty: follow the player's choice
  bool keepLastFrame = false;      // keep a copy of the last presented frame for screenshots
  FrameClock* clock = nullptr;     // what paces the frames; null: the system's clock
};

class SdlPlatform final : public Platform {
 public:
  explicit SdlPlatform(SdlOptions options);
  ~SdlPlatform() override;

  // Starts SDL's video and, if it can, audio. False with a message when even
  // video cannot start.
  bool Init(std::string& error);

  bool OpenStartupWindow(std::string_view title, std::string& error) override;
  void CloseStartupWindow() override;
  bool OpenGameDisplay(RendererChoice renderer, std::string_view title, std::string& error) override;
  std::string SecondRendererLabel() const override;
  void SetWindowTitle(std::string_view title) override;
  void GetDesktopBounds(int& x, int& y, int& w, int& h) override;
  void MoveWindow(int x, int y) override;
  void GetGlobalMouse(int& x, int& y) override;
  void ShowSystemPointer(bool show) override;
  void ShowMessageBox(std::string_view title, std::string_view text) override;

  void PumpEvents() override;
  bool CloseRequested() const override { return closeRequested_; }
  void Cls() override;
  void Flip() override;
  void WaitFrameTimer() override;
  std::uint32_t Millisecs() override { return SDL_GetTicks(); }
  bool SaveScreenshot(const std::string& path) override;

  int LoadSound(std::string_view name) override;
  void PlaySound(int sound) override;
  int LoadModule(std::string_view name) override;
  void PlayModule(int module) override;
  void StopModule(int module) override;
  void FreeModule(int module) override;
  void SetModulePaused(int module, bool paused) override;
  void SetModuleVolume(int module, int volume) override;
  int GetModuleVolume(int module) override;
  ModuleStatus GetModuleStatus(int module) override;

  // The SDL render driver in use ("opengl", "software", ...).
  std::string RenderDriverName() const;
  AudioMixer* Mixer() { return mixer_.get(); }
  // Where the next game display opens (remembered from the last run), and
  // how the open one stands now.
  void SetWindowPlacement(const WindowPlacement& placement) { placement_ = placement, hasPlacement_ = true; }
  WindowPlacement CurrentWindowPlacement() const;

 protected:
  void UploadImage(int image, const Pixels& pixels) override;
  void ReleaseImage(int image) override;
  void DrawFrame(int image, int frame, float x, float y) override;
  void ApplyViewport() override;
  void CreateTargetImage(int image, int width, int height) override;
  void SelectTarget(int image, bool clear) override;

 private:
  bool OpenWindow(std::string_view title, int w, int h, Uint32 flags, const char* driver, std::string& error);
  void CloseWindow();
  void ToggleFullscreen();
  void CoverDisplay();
  void WindowChanged();
  void FollowPacing();
  void ApplyWindowPlacement();
  SDL_Rect PresentRect() const;  // where the canvas lands in the renderer's output
  void ReadOutputSize();
  void WindowToCanvas(int wx, int wy, int& cx, int& cy) const;

  SdlOptions options_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* canvas_ = nullptr;
  SDL_Texture* lastFrame_ = nullptr;    // the last presented frame, when kept
  std::vector<SDL_Texture*> textures_;  // by image slot
  std::unique_ptr<AudioMixer> mixer_;
  bool closeRequested_ = false;
  // A press and release that arrive within one frame must still be seen as
  // a press: the release waits for the next frame. Keys 0..255, then buttons.
  bool pressedThisFrame_[260] = {};
  bool releaseNextFrame_[260] = {};
  // The game's virtual-key number each key went down as, so its release
  // matches even if the layout changed in between.
  Uint8 keyOfScancode_[SDL_NUM_SCANCODES] = {};
  // The renderer's real output size, read while no render target is set:
  // with the canvas as the target, SDL answers with the canvas's size.
  int outputW_ = 1024, outputH_ = 768;
  bool vsync_ = false;         // the display was opened waiting for the vertical blank
  bool displayWaits_ = false;  // and still does (the pacer may have turned that off)
  std::unique_ptr<FrameClock> systemClock_;
  FramePacer pacer_;
  bool videoStarted_ = false;
  WindowPlacement placement_;
  bool hasPlacement_ = false;
};

}  // namespace vv
