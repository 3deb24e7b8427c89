#pragma once
// The drawing-and-sound contract the whole game is written against. Nothing
// above this layer includes SDL. Images, sounds and music modules are integer
// handles; 0 always means "nothing loaded" and every operation on 0 does
// nothing, so a missing asset never stops the game.
//
// The drawing state (colour, alpha, blend, scale, rotation, origin, viewport,
// mask colour) and the image bookkeeping (sizes, frames, handle points) live
// here, shared by every implementation; the implementations only put pixels
// on a screen (or record what would have been drawn).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vv {

enum BlendMode : int {
  BLEND_MASKED = 1,  // cut-out pictures at full opacity
  BLEND_SOLID = 2,   // no blending at all
  BLEND_ALPHA = 3,   // source * alpha + destination * (1 - alpha)
  BLEND_LIGHT = 4,   // additive: source * alpha + destination
  BLEND_SHADE = 5,   // multiplicative: source * destination
};

// Image loading flags.
constexpr int IMAGE_MASKED = 1;    // pixels of the mask colour become transparent
constexpr int IMAGE_FILTERED = 2;  // smooth filtering when scaled
constexpr int IMAGE_DEFAULT = -1;  // masked and filtered

// The two renderers the player can choose between at start-up.
enum class RendererChoice { OpenGL = 0, Second = 1 };

struct DrawState {
  int red = 255, green = 255, blue = 255;
  float alpha = 1.0f;
  int blend = BLEND_MASKED;
  float scaleX = 1.0f, scaleY = 1.0f;
  float rotation = 0.0f;  // degrees, clockwise
  float originX = 0.0f, originY = 0.0f;
  int viewX = 0, viewY = 0, viewW = 1024, viewH = 768;
};

struct ImageInfo {
  bool used = false;
  std::string name;
  int width = 0, height = 0;  // of one frame
  int frames = 1;
  float handleX = 0.0f, handleY = 0.0f;
  bool filtered = false;
};

// Decoded pixels handed to an implementation: straight RGBA, row by row.
struct Pixels {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;
};

// A registered embedded file.
struct AssetBlob {
  std::span<const std::uint8_t> bytes;
};

class Platform {
 public:
  Platform();
  virtual ~Platform();
  Platform(const Platform&) = delete;
  Platform& operator=(const Platform&) = delete;

  // ---- embedded files -------------------------------------------------------
  // Registers a file under its name (either slash form); later loads find it.
  void RegisterAsset(std::string_view name, std::span<const std::uint8_t> bytes);
  // The bytes of a registered file, empty when the name is unknown.
  std::span<const std::uint8_t> FindAsset(std::string_view name) const;

  // ---- displays ---------------------------------------------------------------
  // The small borderless start-up window (canvas 480 x 360), centred.
  virtual bool OpenStartupWindow(std::string_view title, std::string& error) = 0;
  virtual void CloseStartupWindow() = 0;
  // The game display: canvas 1024 x 768, desktop full screen (or a window).
  virtual bool OpenGameDisplay(RendererChoice renderer, std::string_view title, std::string& error) = 0;
  // What the start-up menu shows for the second renderer.
  virtual std::string SecondRendererLabel() const = 0;
  virtual void SetWindowTitle(std::string_view title) = 0;
  virtual void GetDesktopBounds(int& x, int& y, int& w, int& h) = 0;
  virtual void MoveWindow(int x, int y) = 0;
  virtual void GetGlobalMouse(int& x, int& y) = 0;
  virtual void ShowSystemPointer(bool show) = 0;
  virtual void ShowMessageBox(std::string_view title, std::string_view text) = 0;

  // ---- frames -----------------------------------------------------------------
  virtual void PumpEvents() = 0;  // reads the system's events into the input state
  virtual bool CloseRequested() const = 0;
  virtual void Cls() = 0;             // fill the canvas with black
  virtual void Flip() = 0;            // present the canvas and keep 60 frames per second
  virtual void WaitFrameTimer() = 0;  // block until the next tick of a 60 Hz timer
  virtual std::uint32_t Millisecs() = 0;
  // Writes the canvas as it stands to a PNG file.
  virtual bool SaveScreenshot(const std::string& path) = 0;

  // ---- drawing state ------------------------------------------------------------
  void SetColor(int r, int g, int b);
  void SetAlpha(float a) { state_.alpha = a; }
  void SetBlend(int mode) { state_.blend = mode; }
  void SetScale(float sx, float sy) { state_.scaleX = sx, state_.scaleY = sy; }
  void SetRotation(float degrees) { state_.rotation = degrees; }
  void SetOrigin(float x, float y) { state_.originX = x, state_.originY = y; }
  void SetViewport(int x, int y, int w, int h);
  void SetMaskColor(int r, int g, int b) { maskR_ = r, maskG_ = g, maskB_ = b; }
  // Back to white, alpha 1, scale 1, masked blending (what every routine
  // leaves behind after drawing in its own way).
  void ResetDrawState();
  const DrawState& State() const { return state_; }
  int CanvasWidth() const { return canvasW_; }
  int CanvasHeight() const { return canvasH_; }

  // ---- images -------------------------------------------------------------------
  int LoadImage(std::string_view name, int flags);
  int LoadAnimImage(std::string_view name, int cellW, int cellH, int first, int count, int flags);
  // An image made from pixels in memory (tests, generated overlays).
  int CreateImage(const Pixels& pixels, int flags);
  void FreeImage(int image);
  void SetImageHandle(int image, float x, float y);
  int MidHandle(int image);
  int ImageWidth(int image) const;
  int ImageHeight(int image) const;
  int ImageFrames(int image) const;
  const ImageInfo* Image(int image) const;
  void DrawImage(int image, float x, float y, int frame = 0);
  // An image the game can draw into, transparent to begin with: a cache for
  // what did not change since the last frame (a screen's static layer).
  int CreateRenderImage(int width, int height);
  // Draws go into this render image from now on; 0 draws to the screen
  // again. Clears the image first when `clear` is set.
  void SetDrawTarget(int image, bool clear = false);
  int DrawTarget() const { return drawTarget_; }
  void TileImage(int image, float x, float y, int frame = 0);

  // ---- input --------------------------------------------------------------------
  // Key codes are the game's virtual-key numbers 1..250; buttons 1 left,
  // 2 right, 3 middle; the mouse in canvas pixels.
  bool KeyDown(int code) const { return code > 0 && code < 256 && keys_[code]; }
  bool MouseDown(int button) const { return button >= 1 && button <= 3 && buttons_[button]; }
  int MouseX() const { return mouseX_; }
  int MouseY() const { return mouseY_; }
  // Scripted input (the playtest harness): while on, the system's keys and
  // mouse are ignored and these calls set the state.
  void SetScriptedInput(bool on) { scripted_ = on; }
  bool ScriptedInput() const { return scripted_; }
  void ScriptKey(int code, bool down);
  void ScriptButton(int button, bool down);
  void ScriptMouse(int x, int y);

  // ---- sound --------------------------------------------------------------------
  virtual int LoadSound(std::string_view name) = 0;
  virtual void PlaySound(int sound) = 0;

  // ---- music modules ------------------------------------------------------------
  virtual int LoadModule(std::string_view name) = 0;
  virtual void PlayModule(int module) = 0;
  virtual void StopModule(int module) = 0;
  virtual void FreeModule(int module) = 0;
  virtual void SetModulePaused(int module, bool paused) = 0;
  virtual void SetModuleVolume(int module, int volume) = 0;  // 0..256
  virtual int GetModuleVolume(int module) = 0;
  struct ModuleStatus {
    bool loaded = false, playing = false, paused = false;
    int volume = 0;
  };
  virtual ModuleStatus GetModuleStatus(int module) = 0;

  // ---- diagnostics ----------------------------------------------------------------
  // Told about every text the game draws, so tests and the playtest harness
  // can see texts without reading pixels.
  virtual void TraceText(float x, float y, std::string_view text);
  struct TracedText {
    float x, y;
    std::string text;
  };
  // Texts traced since the last call to ClearTextTrace.
  const std::vector<TracedText>& TextTrace() const { return textTrace_; }
  void ClearTextTrace() { textTrace_.clear(); }

 protected:
  // Implementations: keep pixels for image slot `image` (already masked).
  virtual void UploadImage(int image, const Pixels& pixels) = 0;
  virtual void ReleaseImage(int image) = 0;
  // Draw one frame of an image. `x`, `y` is where the handle point lands
  // (origin already added); scale, rotation, colour and blending come from
  // the state.
  virtual void DrawFrame(int image, int frame, float x, float y) = 0;
  virtual void ApplyViewport() = 0;
  virtual void CreateTargetImage(int image, int width, int height) = 0;
  virtual void SelectTarget(int image, bool clear) = 0;  // 0 = the canvas

  void SetCanvasSize(int w, int h);
  void SetKeyState(int code, bool down);
  void SetButtonState(int button, bool down);
  void SetMousePosition(int x, int y);
  void ClearInputState();

  DrawState state_;
  std::vector<ImageInfo> images_;  // slot 0 unused

 private:
  int StoreImage(const std::string& name, Pixels pixels, int cellW, int cellH, int first, int count,
                 int flags);

  struct Asset {
    std::string name;
    std::span<const std::uint8_t> bytes;
  };
  std::vector<Asset> assets_;
  int drawTarget_ = 0;
  int maskR_ = 0, maskG_ = 0, maskB_ = 0;
  int canvasW_ = 1024, canvasH_ = 768;
  bool keys_[256] = {};
  bool buttons_[4] = {};
  int mouseX_ = 0, mouseY_ = 0;
  bool scripted_ = false;
  std::vector<TracedText> textTrace_;
};

// Decodes a PNG into straight RGBA; false on any error.
bool DecodePng(std::span<const std::uint8_t> bytes, Pixels& out);

}  // namespace vv
