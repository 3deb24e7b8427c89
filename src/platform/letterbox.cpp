#include "platform/letterbox.h"

#include <algorithm>
#include <cmath>

namespace vv {

Letterbox FitCanvas(int canvasW, int canvasH, int outputW, int outputH) {
  if (canvasW <= 0 || canvasH <= 0 || outputW <= 0 || outputH <= 0) return {};
  const double scale =
      std::min(static_cast<double>(outputW) / canvasW, static_cast<double>(outputH) / canvasH);
  const int w = std::min(outputW, static_cast<int>(canvasW * scale + 0.5));
  const int h = std::min(outputH, static_cast<int>(canvasH * scale + 0.5));
  return {(outputW - w) / 2, (outputH - h) / 2, w, h};
}

void WindowPointToCanvas(int wx, int wy, int windowW, int windowH, int outputW, int outputH, int canvasW,
                         int canvasH, int& cx, int& cy) {
  const Letterbox shown = FitCanvas(canvasW, canvasH, outputW, outputH);
  const double px = static_cast<double>(wx) * outputW / std::max(1, windowW);
  const double py = static_cast<double>(wy) * outputH / std::max(1, windowH);
  const auto toCanvas = [](double p, int start, int size, int canvas) {
    const double at = std::floor((p - start) * canvas / std::max(1, size));
    return std::clamp(static_cast<int>(std::clamp(at, -1.0, static_cast<double>(canvas))), 0, canvas - 1);
  };
  cx = toCanvas(px, shown.x, shown.w, canvasW);
  cy = toCanvas(py, shown.y, shown.h, canvasH);
}

}  // namespace vv
