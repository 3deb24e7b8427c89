#include "shell/menus.h"

#include "shell/input.h"
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

void SetGlowColour(Platform& p, int glow) {
  const int b = GlowShade(glow);
  p.SetColor(0, b, b);
}

bool OverDialogYes(const Shell& shell) {
  return MouseOver(shell, DIALOG_YES_X, DIALOG_BOX_Y, DIALOG_BOX_SIZE, DIALOG_BOX_SIZE);
}

bool OverDialogNo(const Shell& shell) {
  return MouseOver(shell, DIALOG_NO_X, DIALOG_BOX_Y, DIALOG_BOX_SIZE, DIALOG_BOX_SIZE);
}

void DrawConfirmDialog(Shell& shell, std::string_view title) {
  Platform& p = shell.platform;
  p.DrawImage(shell.Board2Image, 331, 304);
  p.SetColor(0, 255, 0);
  DrawTextHalf(shell, 512, 318, title, 1);
  DrawTextHalf(shell, 512, 366, "Are you sure?", 1);
  DrawTextHalf(shell, 512, 414, "/", 1);
  const int yes = OverDialogYes(shell) ? 255 : 150;
  p.SetColor(0, yes, yes);
  DrawTextHalf(shell, 488, 414, "Y", 1);
  const int no = OverDialogNo(shell) ? 255 : 150;
  p.SetColor(0, no, no);
  DrawTextHalf(shell, 536, 414, "N", 1);
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
