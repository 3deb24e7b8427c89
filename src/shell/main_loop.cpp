#include "shell/main_loop.h"

#include <string>

#include "shell/input.h"
#include "shell/screenshot_key.h"
#include "shell/text.h"

namespace vv {

void SwitchScreen(Shell& shell, int screen) {
  shell.PendingScreen = screen;
}

void StartFade(Shell& shell, int screen) {
  // The step is already 0 whenever no fade runs.
  shell.ScreenFade[3] = screen;
  shell.ScreenFade[1] = 2;
}

void QuitGame(Shell& shell) {
  shell.QuitRequested = true;
}

void AdvanceFade(Shell& shell) {
  const bool fading = shell.OptionFlags[OPTION_MENU_FADING] == 1;
  int* fade = shell.ScreenFade;
  if (fade[1] == 1) {
    --fade[2];
    if (!fading) fade[2] = 0;
    if (fade[2] <= 0) {
      fade[2] = 0;
      fade[1] = 0;
    }
  } else if (fade[1] == 2) {
    ++fade[2];
    if (!fading) fade[2] = 10;
    if (fade[2] >= 10) {
      fade[2] = 10;
      fade[1] = 1;
      shell.PendingScreen = fade[3];
    }
  }
}

void DrawFadeOverlay(Shell& shell) {
  if (shell.OptionFlags[OPTION_MENU_FADING] != 1 || shell.ScreenFade[1] == 0) return;
  Platform& p = shell.platform;
  p.SetScale(32, 24);
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(static_cast<float>(shell.ScreenFade[2]) / 10.0f);
  p.DrawImage(shell.BlackImage, 0, 0);
  p.SetScale(1, 1);
  p.SetAlpha(1);
  p.SetBlend(BLEND_MASKED);
}

bool RunFrame(Shell& shell, const LoopHooks& hooks) {
  Platform& p = shell.platform;
  if (shell.DriverMode == 2) p.WaitFrameTimer();

  ++shell.FrameCount;
  const std::uint32_t now = p.Millisecs();
  if (now - shell.LastSecondMark > 1000) {
    shell.FramesPerSecond = shell.FrameCount;
    shell.FrameCount = 0;
    shell.LastSecondMark = now;
  }

  p.PumpEvents();
  UpdateInput(shell);
  // Read before the screens run: several of them flush the frame's key hits.
  const bool screenshotWanted = shell.KeyHitState[KEY_SCREENSHOT][1] == 1;
  if (hooks.applyAttributeBoosts) hooks.applyAttributeBoosts();
  if (shell.KeyHeld[KEY_LEFT_SHIFT] == 1 && shell.KeyHitState['F'][1] == 1) shell.ShowFrameRate ^= 1;

  if (shell.PendingScreen > 0) {
    shell.GameScreen = shell.PendingScreen;
    shell.PendingScreen = 0;
    shell.MessageTimer = 0;
  }
  shell.SoundEvent = 0;
  AdvanceFade(shell);

  // Each screen is a separate test of the current number, in this order.
  for (int screen : SCREEN_RUN_ORDER) {
    if (shell.GameScreen == screen && hooks.screens[screen]) hooks.screens[screen]();
  }

  DrawTimedMessage(shell);
  if (shell.OptionFlags[OPTION_SOUND] == 1 && shell.SoundEvent > 0 && hooks.playSound) {
    hooks.playSound(shell.SoundEvent);
  }
  if (shell.OptionFlags[OPTION_MUSIC] == 1 && hooks.updateMusic) hooks.updateMusic();
  if (hooks.recalcHeroStats) hooks.recalcHeroStats();

  DrawFadeOverlay(shell);
  p.DrawImage(shell.PointerImage, static_cast<float>(p.MouseX()), static_cast<float>(p.MouseY()));
  if (shell.ShowFrameRate == 1) {
    DrawTextQuarter(shell, 16, 16, std::to_string(shell.FramesPerSecond), 0);
    DrawTextQuarter(shell, 16, 48, std::to_string(shell.DriverMode), 0);
  }
  if (hooks.drawOverlay) hooks.drawOverlay();

  if (shell.PendingScreen == 0 && shell.SuppressPresent == 0) p.Flip();
  if (screenshotWanted) SaveScreenshot(shell);
  p.Cls();

  if (p.CloseRequested() || shell.QuitRequested) {
    const int screen = shell.GameScreen;
    if (p.CloseRequested() && screen >= 0 && screen < SCREEN_COUNT && hooks.windowClosed[screen])
      hooks.windowClosed[screen]();
    p.ShowSystemPointer(true);
    return false;
  }
  return true;
}

}  // namespace vv
