// The title and main menu (screen 2).

#include <string_view>

#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int CONFIRM_END_GAME = 1, CONFIRM_QUIT = 2;
constexpr std::string_view MainMenuLabels[MAIN_MENU_ROWS + 1] = {
    "", "NEW GAME", "CONTINUE GAME", "SAVE GAME", "LOAD GAME", "OPTIONS", "QUIT"};

bool RowEnabled(const Shell& shell, int row) {
  return (row != 2 && row != 3) || shell.GameInProgress == 1;
}

void StartCreation(Shell& shell) {
  shell.CreationReady = 0;
  SwitchScreen(shell, SCREEN_CREATION);
}

void Act(Shell& shell, int row) {
  switch (row) {
    case 1:
      if (shell.GameInProgress == 1) {
        shell.ConfirmKind = CONFIRM_END_GAME;
      } else {
        StartCreation(shell);
      }
      break;
    case 2:
      StartFade(shell, SCREEN_WORLD);
      break;
    case 3:
    case 4:
      shell.SaveMode = row == 3 ? 1 : 2;
      shell.SaveScreenFresh = 1;
      SwitchScreen(shell, SCREEN_SAVE_LOAD);
      break;
    case 5:
      SwitchScreen(shell, SCREEN_OPTIONS);
      break;
    case 6:
      shell.ConfirmKind = CONFIRM_QUIT;
      break;
    default:
      break;
  }
}

void MenuRows(Shell& shell) {
  for (int row = 1; row <= MAIN_MENU_ROWS; ++row) {
    int& glow = shell.ButtonState[row][2];
    if (!MouseOver(shell, 162, MAIN_MENU_ROW_Y[row], 700, 66)) {
      if (glow > 0) --glow;
      continue;
    }
    if (!RowEnabled(shell, row)) continue;
    if (MouseHit(shell, MOUSE_LEFT)) {
      shell.SoundEvent = SOUND_MENU_CHOICE;
      Act(shell, row);
    }
    if (glow < 10) ++glow;
  }
  if (KeyHit(shell, KEY_ESCAPE)) {
    shell.ConfirmKind = CONFIRM_QUIT;
    shell.SoundEvent = SOUND_CLICK;
  }
}

void Dialog(Shell& shell) {
  const bool click = MouseHit(shell, MOUSE_LEFT);
  if (KeyHit(shell, KEY_Y) || (click && OverDialogYes(shell))) {
    shell.ConfirmedKind = shell.ConfirmKind;
    shell.ConfirmKind = 0;
    shell.SoundEvent = SOUND_CLICK;
  } else if (KeyHit(shell, KEY_N) || KeyHit(shell, KEY_ESCAPE) || (click && OverDialogNo(shell))) {
    shell.ConfirmKind = 0;
    shell.SoundEvent = SOUND_CLICK;
  }
}

void DrawDialog(Shell& shell) {
  DrawConfirmDialog(shell, shell.ConfirmKind == CONFIRM_END_GAME ? "End current game" : "Quit game");
  shell.platform.SetColor(255, 255, 255);
}

void DrawMainMenu(Shell& shell) {
  Platform& p = shell.platform;
  p.TileImage(shell.MenuBackImage, 0, 0);
  for (int row = 1; row <= MAIN_MENU_ROWS; ++row) {
    const int y = shell.ButtonState[row][1];
    p.DrawImage(shell.ButtBackImage, 162, static_cast<float>(y - 12));
    if (RowEnabled(shell, row)) {
      SetGlowColour(p, shell.ButtonState[row][2]);
    } else {
      p.SetColor(100, 100, 100);
    }
    DrawTextLarge(shell, 512, static_cast<float>(y), MainMenuLabels[row], 1, -1, -1);
    p.SetColor(255, 255, 255);
  }
  p.DrawImage(shell.TitleTextImage, 512, 70);
  DrawVersionMark(shell);
  if (shell.ConfirmKind > 0) DrawDialog(shell);
  p.ResetDrawState();
}

}  // namespace

void RunMainMenu(Shell& shell) {
  for (int row = 1; row <= MAIN_MENU_ROWS; ++row) shell.ButtonState[row][1] = MAIN_MENU_ROW_Y[row];

  if (shell.ConfirmKind == 0) {
    MenuRows(shell);
  } else {
    Dialog(shell);
  }

  if (shell.ConfirmedKind > 0) {
    if (shell.ConfirmedKind == CONFIRM_END_GAME) {
      StartCreation(shell);
    } else {
      QuitGame(shell);
    }
    shell.ConfirmedKind = 0;
    shell.GameInProgress = 0;
  }

  DrawMainMenu(shell);
  if (shell.PendingScreen > 0) ResetButtonGlow(shell);
}

}  // namespace vv
