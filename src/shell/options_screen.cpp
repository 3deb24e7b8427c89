// The options screen (screen 23): six switches and DONE, which writes the
// options file and returns to the main menu.

#include <string>

#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/menus.h"
#include "shell/options.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int DONE_ROW = 20;
constexpr int DONE_X = 407, DONE_Y = 704, DONE_W = 210, DONE_H = 52;

int RowY(int row) {
  return 286 + 52 * (row - 1);
}

void DrawOptions(Shell& shell) {
  Platform& p = shell.platform;
  p.TileImage(shell.MenuBackImage, 0, 0);
  p.SetScale(0.675f, 1);
  p.DrawImage(shell.StatTab[2], 421, 228);
  p.SetScale(1, 1);
  p.SetColor(255, 0, 255);
  DrawTextHalf(shell, 510, 238, "OPTIONS", 1);
  p.SetColor(255, 255, 255);

  for (int row = 1; row <= 6; ++row) {
    const float y = static_cast<float>(RowY(row));
    p.SetScale(1.2f, 1);
    p.DrawImage(shell.StatTab[5], 725, y);
    p.SetScale(1, 1);
    p.DrawImage(shell.StatTab[4], 216, y);
    const bool on = shell.OptionFlags[row] == 1;
    if (on) {
      p.SetColor(0, 255, 0);
    } else {
      p.SetColor(255, 0, 0);
    }
    DrawTextHalf(shell, 762, y + 11, on ? "ON" : "OFF", 1);
    SetGlowColour(p, shell.ButtonState[row][2]);
    DrawTextHalf(shell, 227, y + 11, OptionLabels[row], 0);
    p.SetColor(255, 255, 255);
  }

  p.DrawImage(shell.StatTab[3], DONE_X, DONE_Y);
  SetGlowColour(p, shell.ButtonState[DONE_ROW][2]);
  DrawTextHalf(shell, 512, 715, "DONE", 1);
  p.SetColor(255, 255, 255);

  p.DrawImage(shell.TitleTextImage, 512, 70);
  DrawVersionMark(shell);
  p.ResetDrawState();
}

}  // namespace

void RunOptionsScreen(Shell& shell) {
  for (int row = 1; row <= 6; ++row) {
    const bool hovered = MouseOver(shell, 216, RowY(row), 510, 50);
    if (hovered && MouseHit(shell, MOUSE_LEFT)) {
      shell.SoundEvent = SOUND_CLICK;
      int& flag = shell.OptionFlags[row];
      flag = flag == 1 ? 0 : 1;
      // Music off stops the playing track at once, so it starts from its
      // beginning when music is turned back on.
      if (row == OPTION_MUSIC && flag == 0 && shell.StopMusicNow) shell.StopMusicNow();
    }
    StepGlow(shell.ButtonState[row][2], hovered);
  }

  const bool overDone = MouseOver(shell, DONE_X, DONE_Y, DONE_W, DONE_H);
  StepGlow(shell.ButtonState[DONE_ROW][2], overDone);
  bool save = false;
  if ((overDone && MouseHit(shell, MOUSE_LEFT)) || KeyHit(shell, KEY_ESCAPE)) {
    shell.SoundEvent = SOUND_CLICK;
    save = true;
  }

  DrawOptions(shell);
  if (save) {
    // A disk that refuses the file costs the player nothing but the
    // remembered options; the game goes on.
    WriteOptionsFile(shell);
    SwitchScreen(shell, SCREEN_MAIN_MENU);
  }
}

}  // namespace vv
