// The save/load screen (screen 22): eight named slots, and in load mode
// the quicksave below them. The main menu opens it in save or load mode.

#include "persistence/save_screen.h"

#include "persistence/save_files.h"
#include "persistence/saved_games.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int ROW_X = 289, ROW_W = 510, ROW_H = 50;
constexpr int FIRST_ROW_Y = 200, ROW_STEP = 52, QUICK_ROW_Y = 632;
constexpr int NUMBER_X = 260, NAME_X = 300, EDIT_X = 268, TEXT_DROP = 11;
constexpr int NUMBER_FRAME_X = 226;  // the small frame behind a row's number
constexpr int CANCEL_X = 270, ACTION_X = 544, BUTTON_Y = 704, BUTTON_W = 210, BUTTON_H = 52;
// Glow rows of ButtonState: the slots use rows 1..8.
constexpr int GLOW_QUICK = QUICK_SLOT, GLOW_CANCEL = 10, GLOW_ACTION = 11;
constexpr int CONFIRM_OVERWRITE = 1;
constexpr int CARET_TOP = 30;
constexpr std::string_view NEW_SLOT_NAME = "UNNAMED";

bool Saving(const Game& g) {
  return g.SaveMode == SAVE_MODE_SAVE;
}

int RowY(int slot) {
  return slot == QUICK_SLOT ? QUICK_ROW_Y : FIRST_ROW_Y + ROW_STEP * (slot - 1);
}

bool OverRow(const Game& g, int slot) {
  return MouseOver(g, ROW_X, RowY(slot), ROW_W, ROW_H);
}

bool OverButton(const Game& g, int x) {
  return MouseOver(g, x, BUTTON_Y, BUTTON_W, BUTTON_H);
}

// The slot list as the files on the disk have it.
void ReadSlotList(Game& g) {
  g.QuickAvailable = 0;
  for (int slot = 1; slot <= SAVE_SLOTS; ++slot) {
    std::string name;
    const bool used = ReadSlotName(g, slot, name);
    g.SlotUsed[slot] = used ? 1 : 0;
    g.SlotName[slot] = used ? name : std::string(EMPTY_SLOT_NAME);
  }
  std::string quickName;
  if (!Saving(g) && ReadSlotName(g, QUICK_SLOT, quickName)) g.QuickAvailable = 1;
}

void Select(Game& g, int slot) {
  g.SelectedSlot = slot;
  g.SoundEvent = SOUND_CLICK;
  if (Saving(g)) g.EditName = g.SlotUsed[slot] == 1 ? g.SlotName[slot] : std::string(NEW_SLOT_NAME);
}

void Leave(Game& g) {
  SwitchScreen(g, SCREEN_MAIN_MENU);
  g.SoundEvent = SOUND_CLICK;
}

// SAVE, LOAD or Enter with a slot selected.
void Act(Game& g) {
  const int slot = g.SelectedSlot;
  g.SoundEvent = SOUND_CLICK;
  if (!Saving(g)) {
    g.LoadRequest = slot;
  } else if (g.SlotUsed[slot] == 1) {
    g.ConfirmKind = CONFIRM_OVERWRITE;
  } else {
    g.SlotName[slot] = g.EditName;
    g.SaveRequest = slot;
  }
}

void SlotListInput(Game& g) {
  if (KeyHit(g, KEY_ESCAPE)) Leave(g);
  const bool click = MouseHit(g, MOUSE_LEFT);
  for (int slot = 1; slot <= SAVE_SLOTS; ++slot) {
    if (click && OverRow(g, slot) && (Saving(g) || g.SlotUsed[slot] == 1)) Select(g, slot);
  }
  if (!Saving(g) && click && OverRow(g, QUICK_SLOT) && g.QuickAvailable == 1) Select(g, QUICK_SLOT);
  if (click && OverButton(g, CANCEL_X)) Leave(g);
  if (g.SelectedSlot > 0 && ((click && OverButton(g, ACTION_X)) || KeyHit(g, KEY_ENTER))) Act(g);

  if (Saving(g) && g.SelectedSlot > 0) {
    TypeText(g, g.EditName, SAVE_NAME_LENGTH);
    g.EditName = g.TypedText;
    if (KeyHit(g, KEY_ESCAPE)) g.EditName = g.SlotName[g.SelectedSlot];
  }
}

void OverwriteDialog(Game& g) {
  const bool click = MouseHit(g, MOUSE_LEFT);
  if (KeyHit(g, KEY_Y) || (click && OverDialogYes(g))) {
    g.SlotName[g.SelectedSlot] = g.EditName;
    g.SaveRequest = g.SelectedSlot;
    g.ConfirmKind = 0;
    g.SoundEvent = SOUND_CLICK;
  } else if (KeyHit(g, KEY_N) || KeyHit(g, KEY_ESCAPE) || (click && OverDialogNo(g))) {
    g.ConfirmKind = 0;
    g.SoundEvent = SOUND_CLICK;
  }
}

void CarryOutRequests(Game& g) {
  if (g.SaveRequest > 0) {
    const int slot = g.SaveRequest;
    g.SaveRequest = 0;
    if (SaveGame(g, slot)) {
      StartFade(g, SCREEN_WORLD);
    } else {
      // The list shows what the disk holds, not the name that failed.
      ReportSaveFailed(g);
      ReadSlotList(g);
    }
  }
  if (g.LoadRequest > 0) {
    const int slot = g.LoadRequest;
    g.LoadRequest = 0;
    if (LoadGame(g, slot)) {
      StartFade(g, SCREEN_WORLD);
      g.GameInProgress = 1;
    } else {
      ReportInvalidFile(g);
    }
  }
}

void StepGlows(Game& g) {
  for (int slot = 1; slot <= QUICK_SLOT; ++slot) StepGlow(g.ButtonState[slot][2], OverRow(g, slot));
  StepGlow(g.ButtonState[GLOW_CANCEL][2], OverButton(g, CANCEL_X));
  StepGlow(g.ButtonState[GLOW_ACTION][2], g.SelectedSlot > 0 && OverButton(g, ACTION_X));
}

void StepCaret(Game& g) {
  if (g.SaveCaretBlink >= CARET_TOP) g.SaveCaretStep = -1;
  if (g.SaveCaretBlink <= 1) g.SaveCaretStep = 1;
  g.SaveCaretBlink += g.SaveCaretStep;
}

// A row's frames: a small one for the number, a long one for the name.
void DrawRowFrames(Game& g, int y) {
  Platform& p = g.platform;
  p.SetColor(255, 255, 255);
  p.DrawImage(g.StatTab[5], NUMBER_FRAME_X, static_cast<float>(y));
  p.DrawImage(g.StatTab[4], ROW_X, static_cast<float>(y));
}

void DrawRowText(Game& g, int y, std::string_view number, std::string_view name, int glow, bool selected,
                 bool inert) {
  Platform& p = g.platform;
  const float textY = static_cast<float>(y + TEXT_DROP);
  p.SetColor(255, 255, 0);
  DrawTextHalf(g, NUMBER_X, textY, number, 0);
  if (selected) {
    p.SetColor(0, 255, 0);
  } else if (inert) {
    p.SetColor(100, 100, 100);
  } else {
    SetGlowColour(p, glow);
  }
  DrawTextHalf(g, NAME_X, textY, name, 0);
}

// The name being typed, with its caret, on the row below the slots.
void DrawEditRow(Game& g) {
  Platform& p = g.platform;
  p.SetColor(255, 255, 255);
  p.DrawImage(g.StatTab[4], EDIT_X - TEXT_DROP, QUICK_ROW_Y);
  p.SetColor(0, 255, 0);
  const float textY = QUICK_ROW_Y + TEXT_DROP;
  DrawTextHalf(g, EDIT_X, textY, g.EditName, 0);
  const int v = 105 + 5 * g.SaveCaretBlink;
  p.SetColor(v, v, v);
  p.DrawImage(g.CaretImage, static_cast<float>(EDIT_X + TextWidthHalf(g.EditName)), textY);
}

void DrawButton(Game& g, int x, int glow, std::string_view label) {
  Platform& p = g.platform;
  p.SetColor(255, 255, 255);
  p.DrawImage(g.StatTab[3], static_cast<float>(x), BUTTON_Y);
  SetGlowColour(p, glow);
  DrawTextHalf(g, static_cast<float>(x + BUTTON_W / 2), BUTTON_Y + TEXT_DROP, label, 1);
}

void DrawSaveScreen(Game& g) {
  Platform& p = g.platform;
  const bool saving = Saving(g);
  p.TileImage(g.MenuBackImage, 0, 0);
  p.SetColor(255, 0, 255);
  DrawTextHalf(g, 509, 152, saving ? "SAVE GAME" : "LOAD GAME", 1);

  for (int slot = 1; slot <= SAVE_SLOTS; ++slot) {
    const int y = RowY(slot);
    DrawRowFrames(g, y);
    DrawRowText(g, y, std::to_string(slot) + ".", g.SlotName[slot], g.ButtonState[slot][2],
                g.SelectedSlot == slot, !saving && g.SlotUsed[slot] == 0);
  }
  if (!saving) {
    DrawRowFrames(g, QUICK_ROW_Y);
    DrawRowText(g, QUICK_ROW_Y, "X.", QUICKSAVE_NAME, g.ButtonState[GLOW_QUICK][2],
                g.SelectedSlot == QUICK_SLOT, g.QuickAvailable == 0);
  } else if (g.SelectedSlot > 0) {
    DrawEditRow(g);
  }

  DrawButton(g, CANCEL_X, g.ButtonState[GLOW_CANCEL][2], "CANCEL");
  if (g.SelectedSlot > 0) DrawButton(g, ACTION_X, g.ButtonState[GLOW_ACTION][2], saving ? "SAVE" : "LOAD");
  p.SetColor(255, 255, 255);
  DrawVersionMark(g);
  if (g.ConfirmKind == CONFIRM_OVERWRITE) DrawConfirmDialog(g, "Overwrite");
  p.ResetDrawState();
}

}  // namespace

void RunSaveScreen(Game& g) {
  if (g.SaveScreenFresh == 1) {
    g.SaveScreenFresh = 0;
    ReadSlotList(g);
    // Each visit starts with nothing chosen, whatever the last one left.
    g.SelectedSlot = 0;
    g.EditName.clear();
    g.SaveRequest = g.LoadRequest = 0;
  }

  if (g.ConfirmKind == 0) {
    SlotListInput(g);
  } else {
    OverwriteDialog(g);
  }
  CarryOutRequests(g);
  // The fade after a save has reached black: exploration takes over.
  if (g.PendingScreen == SCREEN_WORLD) {
    if (Saving(g)) g.PendingNotice = "GAME SAVED";
    g.EditName.clear();
    g.SelectedSlot = 0;
  }
  StepGlows(g);
  StepCaret(g);

  DrawSaveScreen(g);
  if (g.PendingScreen > 0) {
    ResetButtonGlow(g);
    g.EditName.clear();
  }
}

}  // namespace vv
