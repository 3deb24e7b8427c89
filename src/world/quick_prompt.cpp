// The Y/N prompt of a quicksave (F5) or quickload (F9). The saving and
// loading themselves come with saved games; until then a confirmed prompt
// just closes.

#include <cstdint>
#include <fstream>

#include "shell/input.h"
#include "shell/menus.h"
#include "shell/text.h"
#include "world/exploration.h"

namespace vv {
namespace {

constexpr int GAME_DATA_MAGIC = 313;

// A quickload needs a quicksave whose game data starts with its magic number.
bool QuicksaveExists(const Game& g) {
  std::ifstream in(g.DataDir / "saves" / "quick.kqs", std::ios::binary);
  unsigned char b[4] = {};
  if (!in.read(reinterpret_cast<char*>(b), 4)) return false;
  const std::uint32_t magic = b[0] | b[1] << 8 | b[2] << 16 | static_cast<std::uint32_t>(b[3]) << 24;
  return static_cast<std::int32_t>(magic) == GAME_DATA_MAGIC;
}

}  // namespace

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
  g.QuickPrompt = 0;
  if (yesKey || noKey) FlushInput(g);
}

void DrawQuickPrompt(Game& g) {
  if (g.QuickPrompt == 0) return;
  DrawConfirmDialog(g, g.QuickPrompt == QUICK_SAVE ? "Quicksave" : "Quickload");
  g.platform.SetColor(255, 255, 0);
}

}  // namespace vv
