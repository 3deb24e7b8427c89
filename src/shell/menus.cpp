#include "shell/menus.h"

#include "shell/text.h"

namespace vv {

void ResetButtonGlow(Shell& shell) {
  for (int row = 1; row <= 20; ++row) {
    for (int col = 1; col <= 6; ++col) shell.ButtonState[row][col] = 0;
  }
}

void StepGlow(int& glow, bool hovered) {
  if (hovered) {
    if (glow < 10) ++glow;
  } else if (glow > 0) {
    --glow;
  }
}

int GlowShade(int glow) {
  return static_cast<int>(static_cast<float>(glow) * 10.5f + 150.0f);
}

void DrawVersionMark(Shell& shell) {
  Platform& p = shell.platform;
  p.SetBlend(BLEND_ALPHA);
  p.DrawImage(shell.VerImage, 0, 768);
  p.SetBlend(BLEND_MASKED);
  p.SetColor(0, 255, 0);
  DrawTextQuarter(shell, 4, 749, "V1.1", 0);
  p.SetColor(255, 255, 255);
}

}  // namespace vv
