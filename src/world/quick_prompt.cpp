// The Y/N prompt of a quicksave (F5) or quickload (F9), and the quicksave
// or quickload itself once the player says yes.

#include "persistence/saved_games.h"
#include "shell/input.h"
#include "shell/menus.h"
#include "shell/text.h"
#include "world/exploration.h"

namespace vv {

void OpenQuickPrompt(Game& g) {
  if (KeyHit(g, KEY_F5)) g.QuickPrompt = QUICK_SAVE;
  if (KeyHit(g, KEY_F9)) {
    if (QuicksaveExists(g)) {
      g.QuickPrompt = QUICK_LOAD;
    } else {
      g.SoundEvent = SOUND_ALARM;
      ShowMessage(g, "NO QUICKSAVE FOUND", 255, 0, 0);
    }
  }
}

void AnswerQuickPrompt(Game& g) {
  if (g.QuickPrompt == 0) return;
  const bool yesKey = KeyHit(g, KEY_Y);
  const bool noKey = KeyHit(g, KEY_N) || KeyHit(g, KEY_ESCAPE);
  const bool click = MouseHit(g, MOUSE_LEFT);
  const bool yes = yesKey || (click && OverDialogYes(g));
  const bool no = noKey || (click && OverDialogNo(g));
  if (!yes && !no) return;
  g.SoundEvent = SOUND_CLICK;
  const int kind = g.QuickPrompt;
  g.QuickPrompt = 0;
  if (yesKey || noKey) FlushInput(g);
  if (!yes) return;
  // A failure brings its own message and the alarm in place of the click.
  if (kind == QUICK_SAVE) {
    QuickSave(g);
  } else {
    QuickLoad(g);
  }
}

void DrawQuickPrompt(Game& g) {
  if (g.QuickPrompt == 0) return;
  DrawConfirmDialog(g, g.QuickPrompt == QUICK_SAVE ? "Quicksave" : "Quickload");
  g.platform.SetColor(255, 255, 0);
}

}  // namespace vv
