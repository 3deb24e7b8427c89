#include "platform/sdl_platform.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "platform/keymap.h"
#include "platform/letterbox.h"
#include "platform/sdl_audio.h"

namespace vv {
namespace {

class SystemClock final : public FrameClock {
 public:
  std::uint64_t Micros() override {
    const Uint64 count = SDL_GetPerformanceCounter();
    return count / frequency_ * 1000000 + count % frequency_ * 1000000 / frequency_;
  }
  void Sleep(std::uint64_t micros) override {
    // The system's sleep oversleeps by up to a millisecond: the last one is
    // spent looking at the clock.
    if (micros > 1500) SDL_Delay(static_cast<Uint32>(micros / 1000 - 1));
  }

 private:
  Uint64 frequency_ = SDL_GetPerformanceFrequency();
};

}  // namespace

SdlPlatform::SdlPlatform(SdlOptions options)
    : options_(std::move(options)),
      systemClock_(std::make_unique<SystemClock>()),
      pacer_(options_.clock ? *options_.clock : *systemClock_) {}

SdlPlatform::~SdlPlatform() {
  mixer_.reset();
  CloseWindow();
  if (videoStarted_) SDL_Quit();
}

bool SdlPlatform::Init(std::string& error) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // The software renderer shows its frame straight from the window's own
  // memory rather than through an OpenGL texture, which on a machine
  // without a graphics card costs more than drawing the frame itself.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    error = std::string("Could not start the video system: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;
  // Without a display SDL falls back to drawing off screen, where the game
  // would run with nobody able to see or close it: those drivers only when
  // asked for by name (the playtest harness and the tests do).
  const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
  const char* asked = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  if ((driver == "offscreen" || driver == "dummy") && !(asked && std::strstr(asked, driver.c_str()))) {
    error = "Could not start the video system: no display was found (is DISPLAY set?)";
    return false;
  }
  // No sound device is no reason not to play: the game then runs silently.
  mixer_ = AudioMixer::Open();
  if (!mixer_)
    std::fprintf(stderr, "Vizid of Vorgash: no sound device (%s); playing without sound.\n", SDL_GetError());
  return true;
}

bool SdlPlatform::OpenWindow(std::string_view title, int w, int h, Uint32 flags, const char* driver,
                             std::string& error) {
  CloseWindow();
  const std::string name(title);
  window_ = SDL_CreateWindow(name.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h,
                             flags & ~SDL_WINDOW_FULLSCREEN_DESKTOP);
  if (!window_) {
    error = std::string("Could not open a window: ") + SDL_GetError();
    return false;
  }
  int index = -1;
  if (driver && *driver) {
    index = -2;
    for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
      SDL_RendererInfo info;
      if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, driver) == 0) index = i;
    }
    if (index == -2) {
      error = std::string("The renderer \"") + driver + "\" is not available on this system.";
      CloseWindow();
      return false;
    }
  }
  if (flags & SDL_WINDOW_FULLSCREEN_DESKTOP) CoverDisplay();
  // A 60 Hz display is asked to wait for the vertical blank; whether it
  // does is measured by the pacer.
  Uint32 rflags = SDL_RENDERER_TARGETTEXTURE;
  vsync_ = false;
  if (options_.paced) {
    SDL_DisplayMode mode;
    if (SDL_GetCurrentDisplayMode(SDL_GetWindowDisplayIndex(window_), &mode) == 0 &&
        mode.refresh_rate == 60) {
      rflags |= SDL_RENDERER_PRESENTVSYNC;
      vsync_ = true;
    }
  }
  renderer_ = SDL_CreateRenderer(window_, index, rflags);
  if (!renderer_) {
    error = std::string("Could not create the renderer: ") + SDL_GetError();
    CloseWindow();
    return false;
  }
  ReadOutputSize();
  canvas_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
  if (!canvas_) {
    error = std::string("Could not create the drawing canvas: ") + SDL_GetError();
    CloseWindow();
    return false;
  }
  if (options_.keepLastFrame) {
    lastFrame_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, w, h);
    SDL_SetRenderTarget(renderer_, lastFrame_);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
    SDL_RenderClear(renderer_);
  }
  SDL_SetRenderTarget(renderer_, canvas_);
  SetCanvasSize(w, h);
  ApplyViewport();
  Cls();
  displayWaits_ = vsync_;
  pacer_.Restart(vsync_);
  return true;
}

void SdlPlatform::CloseWindow() {
  for (std::size_t i = 1; i < images_.size(); ++i) {
    if (images_[i].used) FreeImage(static_cast<int>(i));
  }
  textures_.clear();
  if (canvas_) SDL_DestroyTexture(canvas_);
  canvas_ = nullptr;
  if (lastFrame_) SDL_DestroyTexture(lastFrame_);
  lastFrame_ = nullptr;
  if (renderer_) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  if (window_) SDL_DestroyWindow(window_);
  window_ = nullptr;
}

bool SdlPlatform::OpenStartupWindow(std::string_view title, std::string& error) {
  return OpenWindow(title, 480, 360, SDL_WINDOW_BORDERLESS, options_.forcedRenderDriver.c_str(), error);
}

void SdlPlatform::CloseStartupWindow() {
  CloseWindow();
}

std::string SdlPlatform::SecondRendererLabel() const {
  for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, "direct3d") == 0) return "DIRECT3D";
  }
  return "SOFTWARE";
}

bool SdlPlatform::OpenGameDisplay(RendererChoice renderer, std::string_view title, std::string& error) {
  std::string driver = options_.forcedRenderDriver;
  if (driver.empty()) driver = renderer == RendererChoice::OpenGL ? "opengl" : "";
  if (driver.empty()) driver = SecondRendererLabel() == "DIRECT3D" ? "direct3d" : "software";
  // On a high-density display the renderer then draws at the real pixel
  // size; the letterbox and the mouse mapping already follow it.
  Uint32 flags = SDL_WINDOW_ALLOW_HIGHDPI;
  const char* video = SDL_GetCurrentVideoDriver();
  const bool headless = video && (std::strcmp(video, "offscreen") == 0 || std::strcmp(video, "dummy") == 0);
  const bool fullscreen = hasPlacement_ ? placement_.fullscreen : options_.fullscreen;
  if (fullscreen && !headless) flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
  const Uint32 openglFlags = driver == "opengl" ? SDL_WINDOW_OPENGL : 0;
  if (!OpenWindow(title, 1024, 768, flags | openglFlags, driver.c_str(), error)) {
    // A chosen renderer the system cannot start is no reason not to play:
    // SDL's software renderer draws the same picture. A renderer a test
    // forced is not swapped for another behind its back.
    if (!options_.forcedRenderDriver.empty() || driver == "software") return false;
    std::fprintf(
        stderr,
        "Vizid of Vorgash: the %s renderer did not start (%s); drawing with the software renderer instead.\n",
        driver.c_str(), error.c_str());
    if (!OpenWindow(title, 1024, 768, flags, "software", error)) return false;
  }
  ApplyWindowPlacement();
  return true;
}

std::string SdlPlatform::RenderDriverName() const {
  SDL_RendererInfo info;
  if (renderer_ && SDL_GetRendererInfo(renderer_, &info) == 0) return info.name;
  return "";
}

void SdlPlatform::SetWindowTitle(std::string_view title) {
  if (window_) SDL_SetWindowTitle(window_, std::string(title).c_str());
}

void SdlPlatform::GetDesktopBounds(int& x, int& y, int& w, int& h) {
  SDL_Rect r{0, 0, 1024, 768};
  SDL_GetDisplayBounds(window_ ? SDL_GetWindowDisplayIndex(window_) : 0, &r);
  x = r.x, y = r.y, w = r.w, h = r.h;
}

void SdlPlatform::MoveWindow(int x, int y) {
  if (window_) SDL_SetWindowPosition(window_, x, y);
}

void SdlPlatform::GetGlobalMouse(int& x, int& y) {
  if (ScriptedInput() || !window_) {
    // Scripted runs have no desktop: the pointer is wherever the script put it
    // inside the window.
    int wx = 0, wy = 0;
    if (window_) SDL_GetWindowPosition(window_, &wx, &wy);
    x = wx + MouseX();
    y = wy + MouseY();
    return;
  }
  SDL_GetGlobalMouseState(&x, &y);
}

void SdlPlatform::ShowSystemPointer(bool show) {
  SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

void SdlPlatform::ShowMessageBox(std::string_view title, std::string_view text) {
  const std::string t(title), m(text);
  if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, t.c_str(), m.c_str(), window_) != 0) {
    SDL_Log("%s: %s", t.c_str(), m.c_str());
  }
}

void SdlPlatform::CoverDisplay() {
  // Asking for full screen is a request to the window manager, and without
  // one nothing happens: the window is first made as large as the display
  // and put on it, so it covers the display either way.
  SDL_Rect bounds{0, 0, 1024, 768};
  if (SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(window_), &bounds) != 0) return;
  SDL_SetWindowBordered(window_, SDL_FALSE);
  SDL_SetWindowPosition(window_, bounds.x, bounds.y);
  SDL_SetWindowSize(window_, bounds.w, bounds.h);
  SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

void SdlPlatform::ToggleFullscreen() {
  if (!window_) return;
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowBordered(window_, SDL_TRUE);
    SDL_SetWindowSize(window_, CanvasWidth(), CanvasHeight());
    SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
  } else {
    CoverDisplay();
  }
  WindowChanged();
}

void SdlPlatform::WindowChanged() {
  // A new size or place may mean a new display, with its own pace.
  pacer_.Restart(vsync_);
  FollowPacing();
}

void SdlPlatform::FollowPacing() {
  // Once the timer paces, the display must not wait as well.
  const bool wait = vsync_ && pacer_.DisplayWaits();
  if (renderer_ && wait != displayWaits_ && SDL_RenderSetVSync(renderer_, wait ? 1 : 0) == 0)
    displayWaits_ = wait;
}

void SdlPlatform::PumpEvents() {
  constexpr int BUTTON_BASE = 256;
  for (int i = 0; i < 260; ++i) {
    if (releaseNextFrame_[i]) {
      if (i < BUTTON_BASE)
        SetKeyState(i, false);
      else
        SetButtonState(i - BUTTON_BASE, false);
    }
    releaseNextFrame_[i] = false;
    pressedThisFrame_[i] = false;
  }
  // Down marks the press; an up for something pressed in this same frame is
  // held back one frame so the game sees the press at all.
  auto change = [&](int slot, bool down) {
    if (down) {
      pressedThisFrame_[slot] = true;
      releaseNextFrame_[slot] = false;
    } else if (pressedThisFrame_[slot]) {
      releaseNextFrame_[slot] = true;
      return;
    }
    if (slot < BUTTON_BASE)
      SetKeyState(slot, down);
    else
      SetButtonState(slot - BUTTON_BASE, down);
  };
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    switch (e.type) {
      case SDL_QUIT:
        closeRequested_ = true;
        break;
      case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) closeRequested_ = true;
        // Keys released while another window had the focus would stay down.
        if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST) ClearInputState();
        if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_DISPLAY_CHANGED || e.window.event == SDL_WINDOWEVENT_RESTORED) {
          WindowChanged();
        }
        break;
      case SDL_KEYDOWN:
      case SDL_KEYUP: {
        const bool down = e.type == SDL_KEYDOWN;
        if (down && e.key.keysym.scancode == SDL_SCANCODE_RETURN && (e.key.keysym.mod & KMOD_ALT)) {
          if (!e.key.repeat) ToggleFullscreen();
          break;
        }
        const SDL_Scancode sc = e.key.keysym.scancode;
        int code = VirtualKeyForKey(sc, e.key.keysym.sym);
        if (sc >= 0 && sc < SDL_NUM_SCANCODES) {
          if (!down && keyOfScancode_[sc]) code = keyOfScancode_[sc];
          keyOfScancode_[sc] = down ? static_cast<Uint8>(code) : 0;
        }
        if (code) change(code, down);
        break;
      }
      case SDL_MOUSEMOTION: {
        int x = 0, y = 0;
        WindowToCanvas(e.motion.x, e.motion.y, x, y);
        SetMousePosition(x, y);
        break;
      }
      case SDL_MOUSEBUTTONDOWN:
      case SDL_MOUSEBUTTONUP: {
        int button = 0;
        if (e.button.button == SDL_BUTTON_LEFT) button = 1;
        if (e.button.button == SDL_BUTTON_RIGHT) button = 2;
        if (e.button.button == SDL_BUTTON_MIDDLE) button = 3;
        if (button) change(BUTTON_BASE + button, e.type == SDL_MOUSEBUTTONDOWN);
        break;
      }
      default:
        break;
    }
  }
}

void SdlPlatform::Cls() {
  if (!renderer_) return;
  SDL_SetRenderTarget(renderer_, canvas_);
  SDL_RenderSetClipRect(renderer_, nullptr);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SelectTarget(DrawTarget(), false);
}

void SdlPlatform::WaitFrameTimer() {
  if (options_.paced) pacer_.WaitFrameTimer();
}

SDL_Rect SdlPlatform::PresentRect() const {
  const Letterbox shown = FitCanvas(CanvasWidth(), CanvasHeight(), outputW_, outputH_);
  return SDL_Rect{shown.x, shown.y, shown.w, shown.h};
}

void SdlPlatform::ReadOutputSize() {
  // Called with no render target set, at every present: the output's real
  // size is what the picture lands in, whatever size the window was asked
  // to have, and the pointer is mapped through the same letterbox.
  if (renderer_) SDL_GetRendererOutputSize(renderer_, &outputW_, &outputH_);
}

void SdlPlatform::WindowToCanvas(int wx, int wy, int& cx, int& cy) const {
  int ww = 1, wh = 1;
  if (window_) SDL_GetWindowSize(window_, &ww, &wh);
  WindowPointToCanvas(wx, wy, ww, wh, outputW_, outputH_, CanvasWidth(), CanvasHeight(), cx, cy);
}

void SdlPlatform::Flip() {
  if (!renderer_) return;
  if (lastFrame_) {
    SDL_SetRenderTarget(renderer_, lastFrame_);
    SDL_RenderSetClipRect(renderer_, nullptr);
    SDL_SetTextureBlendMode(canvas_, SDL_BLENDMODE_NONE);
    SDL_RenderCopy(renderer_, canvas_, nullptr, nullptr);
  }
  SDL_SetRenderTarget(renderer_, nullptr);
  SDL_RenderSetClipRect(renderer_, nullptr);
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  SDL_SetTextureBlendMode(canvas_, SDL_BLENDMODE_NONE);
  ReadOutputSize();
  const SDL_Rect shown = PresentRect();
  const bool scaled = shown.w != CanvasWidth() || shown.h != CanvasHeight();
  SDL_SetTextureScaleMode(canvas_, scaled ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  SDL_RenderCopy(renderer_, canvas_, nullptr, &shown);
  if (options_.paced) pacer_.BeforePresent();
  SDL_RenderPresent(renderer_);
  if (options_.paced) {
    pacer_.AfterPresent();
    FollowPacing();
  }
  SelectTarget(DrawTarget(), false);
}

bool SdlPlatform::SaveScreenshot(const std::string& path) {
  if (!renderer_) return false;
  const int w = CanvasWidth(), h = CanvasHeight();
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
  // The last presented frame when it is kept, else the canvas as it stands.
  SDL_SetRenderTarget(renderer_, lastFrame_ ? lastFrame_ : canvas_);
  SDL_RenderSetClipRect(renderer_, nullptr);
  const int ok = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, rgba.data(), w * 4);
  SelectTarget(DrawTarget(), false);
  if (ok != 0) return false;
  for (std::size_t i = 3; i < rgba.size(); i += 4) rgba[i] = 255;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = PNG_FORMAT_RGBA;
  const int written = png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), w * 4, nullptr);
  png_image_free(&image);
  return written != 0;
}

void SdlPlatform::UploadImage(int image, const Pixels& pixels) {
  if (static_cast<int>(textures_.size()) <= image) textures_.resize(image + 1, nullptr);
  if (!renderer_) return;
  SDL_Texture* tex = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                       pixels.width, pixels.height);
  if (!tex) return;
  SDL_UpdateTexture(tex, nullptr, pixels.rgba.data(), pixels.width * 4);
  SDL_SetTextureScaleMode(tex, images_[image].filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
  textures_[image] = tex;
}

void SdlPlatform::ReleaseImage(int image) {
  if (image < static_cast<int>(textures_.size()) && textures_[image]) {
    SDL_DestroyTexture(textures_[image]);
    textures_[image] = nullptr;
  }
}

void SdlPlatform::CreateTargetImage(int image, int width, int height) {
  if (!renderer_ || image >= static_cast<int>(textures_.size())) return;
  if (textures_[image]) SDL_DestroyTexture(textures_[image]);
  textures_[image] =
      SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
  SelectTarget(image, true);
  SelectTarget(DrawTarget(), false);
}

void SdlPlatform::SelectTarget(int image, bool clear) {
  if (!renderer_) return;
  SDL_Texture* target = canvas_;
  if (image > 0 && image < static_cast<int>(textures_.size()) && textures_[image]) target = textures_[image];
  SDL_SetRenderTarget(renderer_, target);
  if (clear) {
    SDL_RenderSetClipRect(renderer_, nullptr);
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0);
    SDL_RenderClear(renderer_);
  }
  ApplyViewport();
}

void SdlPlatform::ApplyViewport() {
  if (!renderer_) return;
  const DrawState& s = state_;
  if (s.viewX <= 0 && s.viewY <= 0 && s.viewX + s.viewW >= CanvasWidth() &&
      s.viewY + s.viewH >= CanvasHeight()) {
    SDL_RenderSetClipRect(renderer_, nullptr);
  } else {
    const SDL_Rect clip{s.viewX, s.viewY, s.viewW, s.viewH};
    SDL_RenderSetClipRect(renderer_, &clip);
  }
}

void SdlPlatform::DrawFrame(int image, int frame, float x, float y) {
  if (image >= static_cast<int>(textures_.size()) || !textures_[image]) return;
  SDL_Texture* tex = textures_[image];
  const ImageInfo& info = images_[image];
  const DrawState& s = state_;
  if (s.scaleX == 0.0f || s.scaleY == 0.0f) return;

  SDL_SetTextureColorMod(tex, static_cast<Uint8>(s.red), static_cast<Uint8>(s.green),
                         static_cast<Uint8>(s.blue));
  Uint8 alpha = 255;
  SDL_BlendMode mode = SDL_BLENDMODE_BLEND;
  switch (s.blend) {
    case BLEND_SOLID:
      mode = SDL_BLENDMODE_NONE;
      break;
    case BLEND_ALPHA:
      alpha = static_cast<Uint8>(std::lround(std::clamp(s.alpha, 0.0f, 1.0f) * 255.0f));
      break;
    case BLEND_LIGHT:
      mode = SDL_BLENDMODE_ADD;
      alpha = static_cast<Uint8>(std::lround(std::clamp(s.alpha, 0.0f, 1.0f) * 255.0f));
      break;
    case BLEND_SHADE:
      mode = SDL_BLENDMODE_MOD;
      break;
    default:  // masked: cut-out pictures at full opacity; soft edges stay soft
      break;
  }
  SDL_SetTextureAlphaMod(tex, alpha);
  SDL_SetTextureBlendMode(tex, mode);

  const SDL_Rect src{frame * info.width, 0, info.width, info.height};
  const float sx = std::fabs(s.scaleX), sy = std::fabs(s.scaleY);
  // The picture point u maps to x + (u - handle) * scale; with a negative
  // scale the picture is mirrored and its left edge is at the far end.
  const float left = s.scaleX > 0 ? x - info.handleX * sx : x - (info.width - info.handleX) * sx;
  const float top = s.scaleY > 0 ? y - info.handleY * sy : y - (info.height - info.handleY) * sy;
  const SDL_FRect dst{left, top, info.width * sx, info.height * sy};
  int flip = SDL_FLIP_NONE;
  if (s.scaleX < 0) flip |= SDL_FLIP_HORIZONTAL;
  if (s.scaleY < 0) flip |= SDL_FLIP_VERTICAL;
  if (s.rotation == 0.0f && flip == SDL_FLIP_NONE) {
    SDL_RenderCopyF(renderer_, tex, &src, &dst);
  } else {
    const SDL_FPoint centre{x - left, y - top};
    SDL_RenderCopyExF(renderer_, tex, &src, &dst, s.rotation, &centre, static_cast<SDL_RendererFlip>(flip));
  }
}

int SdlPlatform::LoadSound(std::string_view name) {
  return mixer_ ? mixer_->LoadSound(FindAsset(name)) : 0;
}
void SdlPlatform::PlaySound(int sound) {
  if (mixer_) mixer_->PlaySound(sound);
}
int SdlPlatform::LoadModule(std::string_view name) {
  return mixer_ ? mixer_->LoadModule(FindAsset(name)) : 0;
}
void SdlPlatform::PlayModule(int module) {
  if (mixer_) mixer_->PlayModule(module);
}
void SdlPlatform::StopModule(int module) {
  if (mixer_) mixer_->StopModule(module);
}
void SdlPlatform::FreeModule(int module) {
  if (mixer_) mixer_->FreeModule(module);
}
void SdlPlatform::SetModulePaused(int module, bool paused) {
  if (mixer_) mixer_->SetModulePaused(module, paused);
}
void SdlPlatform::SetModuleVolume(int module, int volume) {
  if (mixer_) mixer_->SetModuleVolume(module, volume);
}
int SdlPlatform::GetModuleVolume(int module) {
  return mixer_ ? mixer_->GetModuleVolume(module) : 0;
}

Platform::ModuleStatus SdlPlatform::GetModuleStatus(int module) {
  if (!mixer_) return {};
  const AudioMixer::ModuleStatus m = mixer_->Status(module);
  return {m.loaded, m.playing, m.paused, m.volume};
}

void SdlPlatform::ApplyWindowPlacement() {
  if (!hasPlacement_ || placement_.fullscreen || !window_) return;
  const int w = std::clamp(placement_.width, 320, 16384), h = std::clamp(placement_.height, 240, 16384);
  SDL_SetWindowSize(window_, w, h);
  if (!placement_.placed) return;
  // Only where a display still shows the window's top edge; else it stays centred.
  const SDL_Rect top{placement_.x, placement_.y, w, 32};
  for (int i = 0; i < SDL_GetNumVideoDisplays(); ++i) {
    SDL_Rect bounds;
    if (SDL_GetDisplayBounds(i, &bounds) == 0 && SDL_HasIntersection(&top, &bounds)) {
      SDL_SetWindowPosition(window_, placement_.x, placement_.y);
      return;
    }
  }
}

WindowPlacement SdlPlatform::CurrentWindowPlacement() const {
  WindowPlacement now = placement_;
  if (!hasPlacement_) now.fullscreen = options_.fullscreen;
  if (!window_) return now;
  now.fullscreen = (SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
  if (!now.fullscreen) {
    SDL_GetWindowPosition(window_, &now.x, &now.y);
    SDL_GetWindowSize(window_, &now.width, &now.height);
    now.placed = true;
  }
  return now;
}

}  // namespace vv
