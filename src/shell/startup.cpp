#include "shell/startup.h"

#include <system_error>

#include "shell/assets.h"
#include "shell/options.h"
#include "shell/startup_menu.h"
#include "shell/text.h"

namespace vv {
namespace {

void CreateDataFolders(Shell& shell) {
  std::error_code ec;
  std::filesystem::create_directories(shell.DataDir / "saves", ec);
}

// Shows a start-up frame; true when the player has closed the window, which
// ends the game there rather than after the whole maker line.
bool Present(Shell& shell, const StartupHooks& hooks, std::string_view stage, int frame) {
  shell.platform.Flip();
  if (hooks.afterPresent) hooks.afterPresent(stage, frame);
  shell.platform.Cls();
  shell.platform.PumpEvents();
  return shell.platform.CloseRequested();
}

}  // namespace

void DrawMakerLine(Shell& shell, float alpha) {
  Platform& p = shell.platform;
  p.SetColor(255, 175, 0);
  DrawTextLarge(shell, 512, 344, "A GAME BY ORVANDEL", 1, -1, alpha);
  p.SetColor(150, 100, 0);
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(alpha);
  DrawTextHalf(shell, 512, 424, "PLEASE STAND BY", 1);
  p.ResetDrawState();
}

StartupOutcome RunStartup(Shell& shell, const StartupHooks& hooks, std::string& error) {
  Platform& p = shell.platform;
  RegisterAssets(p);
  if (hooks.initTables) hooks.initTables();
  SeedRandom(shell, p.Millisecs());

  CreateDataFolders(shell);
  ReadDriverFile(shell);

  p.SetMaskColor(255, 255, 255);
  if (!p.OpenStartupWindow("Vizid of Vorgash - Startup Menu", error)) return StartupOutcome::Failed;
  shell.StartupResult = RunStartupMenu(shell);
  p.CloseStartupWindow();
  if (shell.StartupResult == 3 || p.CloseRequested()) return StartupOutcome::Quit;

  const RendererChoice renderer = shell.StartupResult == 2 ? RendererChoice::Second : RendererChoice::OpenGL;
  if (!p.OpenGameDisplay(renderer, "Vizid of Vorgash", error)) return StartupOutcome::Failed;
  // Our platform paces every present itself (on the display's vertical
  // blank when it measurably waits for it, else on the frame timer), so the
  // loop never waits on the frame timer on top of it.
  shell.DriverMode = renderer == RendererChoice::OpenGL ? 0 : 1;

  p.SetMaskColor(255, 255, 255);
  LoadFonts(shell);
  p.ShowSystemPointer(false);

  for (int i = 0; i < 50; ++i) {
    p.WaitFrameTimer();
    if (Present(shell, hooks, "blank", i)) return StartupOutcome::Quit;
  }

  WriteDriverFile(shell, shell.StartupResult);
  ResetOptions(shell);
  ReadOptionsFile(shell);

  // The maker line needs only the fonts: it is drawn without a band.
  for (int i = 39; i >= 0; --i) {
    p.WaitFrameTimer();
    DrawMakerLine(shell, static_cast<float>(40 - i) / 40.0f);
    if (Present(shell, hooks, "maker-in", 39 - i)) return StartupOutcome::Quit;
  }
  // With the last of those frames on screen, load everything else.
  LoadGameImages(shell);
  LoadGameSounds(shell);
  if (hooks.initAudio) hooks.initAudio();
  if (hooks.loadWorld && !hooks.loadWorld()) {
    p.ShowMessageBox("Vizid of Vorgash", "Map file invalid!");
    error = "Map file invalid!";
    return StartupOutcome::Failed;
  }
  for (int i = 1; i <= 40; ++i) {
    p.WaitFrameTimer();
    DrawMakerLine(shell, static_cast<float>(40 - i) / 40.0f);
    if (Present(shell, hooks, "maker-out", i - 1)) return StartupOutcome::Quit;
  }

  shell.ScreenFade[1] = 1;
  shell.ScreenFade[2] = 10;
  shell.ScreenFade[3] = SCREEN_MAIN_MENU;
  return StartupOutcome::Run;
}

}  // namespace vv
