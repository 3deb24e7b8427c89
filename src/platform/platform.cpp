#include "platform/platform.h"

#include <png.h>

#include <cmath>
#include <cstring>

namespace vv {
namespace {

std::string SlashName(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    if (c == '\\') c = '/';
  }
  return out;
}

}  // namespace

Platform::Platform() : images_(1) {}
Platform::~Platform() = default;

void Platform::RegisterAsset(std::string_view name, std::span<const std::uint8_t> bytes) {
  std::string key = SlashName(name);
  for (Asset& a : assets_) {
    if (a.name == key) {
      a.bytes = bytes;
      return;
    }
  }
  assets_.push_back({std::move(key), bytes});
}

std::span<const std::uint8_t> Platform::FindAsset(std::string_view name) const {
  const std::string key = SlashName(name);
  for (const Asset& a : assets_) {
    if (a.name == key) return a.bytes;
  }
  return {};
}

void Platform::SetColor(int r, int g, int b) {
  auto clamp = [](int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); };
  state_.red = clamp(r);
  state_.green = clamp(g);
  state_.blue = clamp(b);
}

void Platform::SetViewport(int x, int y, int w, int h) {
  state_.viewX = x;
  state_.viewY = y;
  state_.viewW = w < 0 ? 0 : w;
  state_.viewH = h < 0 ? 0 : h;
  ApplyViewport();
}

void Platform::ResetDrawState() {
  SetColor(255, 255, 255);
  state_.alpha = 1.0f;
  state_.scaleX = state_.scaleY = 1.0f;
  state_.blend = BLEND_MASKED;
}

void Platform::SetCanvasSize(int w, int h) {
  canvasW_ = w;
  canvasH_ = h;
  state_ = DrawState{};
  state_.viewW = w;
  state_.viewH = h;
}

bool DecodePng(std::span<const std::uint8_t> bytes, Pixels& out) {
  if (bytes.empty()) return false;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) return false;
  image.format = PNG_FORMAT_RGBA;
  // Refuse absurd sizes before allocating for them.
  if (image.width == 0 || image.height == 0 || image.width > 8192 || image.height > 8192) {
    png_image_free(&image);
    return false;
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  out.rgba.assign(PNG_IMAGE_SIZE(image), 0);
  if (!png_image_finish_read(&image, nullptr, out.rgba.data(), 0, nullptr)) {
    png_image_free(&image);
    out = {};
    return false;
  }
  return true;
}

int Platform::StoreImage(const std::string& name, Pixels pixels, int cellW, int cellH, int first, int count,
                         int flags) {
  if (flags == IMAGE_DEFAULT) flags = IMAGE_MASKED | IMAGE_FILTERED;
  if (flags & IMAGE_MASKED) {
    for (std::size_t i = 0; i + 3 < pixels.rgba.size(); i += 4) {
      if (pixels.rgba[i] == maskR_ && pixels.rgba[i + 1] == maskG_ && pixels.rgba[i + 2] == maskB_) {
        pixels.rgba[i + 3] = 0;
      }
    }
  }
  ImageInfo info;
  info.used = true;
  info.name = name;
  info.filtered = (flags & IMAGE_FILTERED) != 0;
  if (cellW > 0 && cellH > 0) {
    // A strip: keep only the cells first .. first + count - 1, laid out in
    // one row so that frame f sits at x = f * cellW.
    const int columns = pixels.width / cellW;
    const int rows = pixels.height / cellH;
    if (columns <= 0 || rows <= 0 || count <= 0 || first < 0 || first + count > columns * rows) return 0;
    Pixels strip;
    strip.width = cellW * count;
    strip.height = cellH;
    strip.rgba.assign(static_cast<std::size_t>(strip.width) * cellH * 4, 0);
    for (int f = 0; f < count; ++f) {
      const int cell = first + f;
      const int sx = (cell % columns) * cellW;
      const int sy = (cell / columns) * cellH;
      for (int y = 0; y < cellH; ++y) {
        std::memcpy(&strip.rgba[(static_cast<std::size_t>(y) * strip.width + f * cellW) * 4],
                    &pixels.rgba[(static_cast<std::size_t>(sy + y) * pixels.width + sx) * 4],
                    static_cast<std::size_t>(cellW) * 4);
      }
    }
    pixels = std::move(strip);
    info.width = cellW;
    info.height = cellH;
    info.frames = count;
  } else {
    info.width = pixels.width;
    info.height = pixels.height;
  }
  int slot = 0;
  for (std::size_t i = 1; i < images_.size(); ++i) {
    if (!images_[i].used) {
      slot = static_cast<int>(i);
      break;
    }
  }
  if (slot == 0) {
    slot = static_cast<int>(images_.size());
    images_.emplace_back();
  }
  images_[slot] = info;
  UploadImage(slot, pixels);
  return slot;
}

int Platform::LoadImage(std::string_view name, int flags) {
  return LoadAnimImage(name, 0, 0, 0, 1, flags);
}

int Platform::LoadAnimImage(std::string_view name, int cellW, int cellH, int first, int count, int flags) {
  Pixels pixels;
  if (!DecodePng(FindAsset(name), pixels)) return 0;
  return StoreImage(SlashName(name), std::move(pixels), cellW, cellH, first, count, flags);
}

int Platform::CreateImage(const Pixels& pixels, int flags) {
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.rgba.size() != static_cast<std::size_t>(pixels.width) * pixels.height * 4) {
    return 0;
  }
  return StoreImage("(memory)", pixels, 0, 0, 0, 1, flags);
}

int Platform::CreateRenderImage(int width, int height) {
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096) return 0;
  Pixels blank{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height * 4, 0)};
  const int image = StoreImage("(render image)", std::move(blank), 0, 0, 0, 1, 0);
  if (image) CreateTargetImage(image, width, height);
  return image;
}

void Platform::SetDrawTarget(int image, bool clear) {
  if (image != 0 && !Image(image)) return;
  drawTarget_ = image;
  SelectTarget(image, clear);
}

void Platform::FreeImage(int image) {
  if (!Image(image)) return;
  if (drawTarget_ == image) SetDrawTarget(0);
  ReleaseImage(image);
  images_[image] = ImageInfo{};
}

const ImageInfo* Platform::Image(int image) const {
  if (image <= 0 || image >= static_cast<int>(images_.size()) || !images_[image].used) return nullptr;
  return &images_[image];
}

void Platform::SetImageHandle(int image, float x, float y) {
  if (!Image(image)) return;
  images_[image].handleX = x;
  images_[image].handleY = y;
}

int Platform::MidHandle(int image) {
  if (const ImageInfo* info = Image(image)) SetImageHandle(image, info->width / 2, info->height / 2);
  return image;
}

int Platform::ImageWidth(int image) const {
  const ImageInfo* info = Image(image);
  return info ? info->width : 0;
}

int Platform::ImageHeight(int image) const {
  const ImageInfo* info = Image(image);
  return info ? info->height : 0;
}

int Platform::ImageFrames(int image) const {
  const ImageInfo* info = Image(image);
  return info ? info->frames : 0;
}

void Platform::DrawImage(int image, float x, float y, int frame) {
  const ImageInfo* info = Image(image);
  if (!info || frame < 0 || frame >= info->frames) return;
  DrawFrame(image, frame, x + state_.originX, y + state_.originY);
}

void Platform::TileImage(int image, float x, float y, int frame) {
  const ImageInfo* info = Image(image);
  if (!info || frame < 0 || frame >= info->frames || info->width <= 0 || info->height <= 0) return;
  const float w = static_cast<float>(info->width);
  const float h = static_cast<float>(info->height);
  // Copies at (x + i w, y + j h) covering the viewport; the handle point is
  // ignored so that one copy's top-left lies exactly at (x, y).
  const float ax = x + state_.originX;
  const float ay = y + state_.originY;
  const float left = ax - std::ceil((ax - state_.viewX) / w) * w;
  const float top = ay - std::ceil((ay - state_.viewY) / h) * h;
  const float savedScaleX = state_.scaleX, savedScaleY = state_.scaleY, savedRotation = state_.rotation;
  state_.scaleX = state_.scaleY = 1.0f;
  state_.rotation = 0.0f;
  for (float ty = top; ty < state_.viewY + state_.viewH; ty += h) {
    for (float tx = left; tx < state_.viewX + state_.viewW; tx += w) {
      DrawFrame(image, frame, tx + info->handleX, ty + info->handleY);
    }
  }
  state_.scaleX = savedScaleX;
  state_.scaleY = savedScaleY;
  state_.rotation = savedRotation;
}

void Platform::ScriptKey(int code, bool down) {
  if (code > 0 && code < 256) keys_[code] = down;
}

void Platform::ScriptButton(int button, bool down) {
  if (button >= 1 && button <= 3) buttons_[button] = down;
}

void Platform::ScriptMouse(int x, int y) {
  mouseX_ = x;
  mouseY_ = y;
}

void Platform::SetKeyState(int code, bool down) {
  if (!scripted_) ScriptKey(code, down);
}

void Platform::SetButtonState(int button, bool down) {
  if (!scripted_) ScriptButton(button, down);
}

void Platform::SetMousePosition(int x, int y) {
  if (!scripted_) ScriptMouse(x, y);
}

void Platform::ClearInputState() {
  if (scripted_) return;
  std::memset(keys_, 0, sizeof keys_);
  std::memset(buttons_, 0, sizeof buttons_);
}

void Platform::TraceText(float x, float y, std::string_view text) {
  // Kept bounded: a screen draws a few dozen texts a frame.
  if (textTrace_.size() < 4096) textTrace_.push_back({x, y, std::string(text)});
}

}  // namespace vv
