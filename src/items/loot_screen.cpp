#include "items/loot_screen.h"

#include <algorithm>

#include "items/inventory_grid.h"
#include "items/item_database.h"
#include "items/item_screen_parts.h"
#include "party/portrait_bar.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int OFF_SCREEN = -1000;

bool MouseOnPanel(const Game& g, int k) {
  return MouseOver(g, g.LootSlotX[k], LOOT_PANEL_Y, LOOT_PANEL_W, LOOT_PANEL_H);
}

void TakeOrPutBack(Game& g) {
  for (int k = 1; k <= g.LootCount; ++k) {
    if (!MouseOnPanel(g, k)) continue;
    int* entry = g.LootList[k];
    T_Item* held = FindHeldItem(g);
    if (entry[1] != 0 && held == nullptr) {
      T_Item item;
      item.Location = LOCATION_HELD;
      item.Category = entry[1];
      item.Number = entry[2];
      item.Condition = entry[3];
      g.ItemList.push_back(item);
      entry[1] = entry[2] = entry[3] = 0;
      g.SoundEvent = SOUND_TAKE;
      FlushInput(g);
    } else if (entry[1] == 0 && held != nullptr) {
      // Back onto an empty panel only: there is no swap here.
      entry[1] = held->Category;
      entry[2] = held->Number;
      entry[3] = held->Condition;
      g.SoundEvent = ItemStats(held->Category, held->Number, item::DropSound);
      std::erase_if(g.ItemList, [](const T_Item& i) { return i.Location == LOCATION_HELD; });
    }
    return;
  }
}

void ExamineUnderMouse(Game& g) {
  for (int k = 1; k <= g.LootCount; ++k) {
    const int* entry = g.LootList[k];
    if (MouseOnPanel(g, k) && entry[1] != 0) {
      OpenExaminePanel(g, entry[1], entry[2], entry[3]);
      return;
    }
  }
}

void ReadBottomBar(Game& g) {
  const BarCommand command = ReadPortraitBar(g, SCREEN_LOOT);
  const bool holding = g.HeldItem[held::Category] != 0;
  const int request = RequestOfBarCommand(command);
  if (request == 0) return;
  if (KeyHit(g, KEY_ESCAPE)) FlushInput(g);
  if (IsHeroSwitch(request)) {
    // The held item goes along to that hero's inventory.
    g.ItemScreenRequest = request;
    g.SoundEvent = SOUND_CLICK;
  } else if (holding) {
    RefuseWhileHolding(g);
  } else if (request == REQUEST_WORLD || request == REQUEST_LOOT) {
    g.InvPopup = POPUP_CONFIRM;
    g.SoundEvent = SOUND_CLICK;
  } else {
    g.ItemScreenRequest = request;
    g.SoundEvent = SOUND_CLICK;
  }
}

void HandleConfirm(Game& g) {
  if (KeyHit(g, KEY_Y) || (MouseHit(g, MOUSE_LEFT) && OverDialogYes(g))) {
    g.InvPopup = POPUP_NONE;
    g.ItemScreenRequest = REQUEST_WORLD;
    g.SoundEvent = SOUND_CLICK;
  } else if (KeyHit(g, KEY_N) || KeyHit(g, KEY_ESCAPE) || (MouseHit(g, MOUSE_LEFT) && OverDialogNo(g))) {
    g.InvPopup = POPUP_NONE;
    g.SoundEvent = SOUND_CLICK;
  }
}

void DrawBackground(Game& g) {
  Platform& p = g.platform;
  p.TileImage(g.InvBackImage, 0, 0);
  p.DrawImage(g.LowBarImage, 0, 614);
  p.DrawImage(g.Trinkle1Image, 0, 29);
  p.DrawImage(g.Trinkle2Image, 512, 0);
  p.SetScale(-1, 1);
  p.DrawImage(g.Trinkle1Image, 1024, 29);
  p.DrawImage(g.Trinkle2Image, 512, 0);
  p.SetScale(1, 1);
  p.DrawImage(g.StatTab[1], 395, 117);
}

void DrawLootScreen(Game& g) {
  Platform& p = g.platform;
  DrawBackdrop(g, g.LootBackdrop, DrawBackground);
  p.SetColor(255, 0, 255);
  DrawTextHalf(g, 512, 128, "LOOT FOUND", 1);

  const bool calm = g.InvPopup != POPUP_NONE || g.ItemScreenRequest != 0;
  for (int k = 1; k <= 3; ++k) {
    const int x = g.LootSlotX[k];
    if (!calm && MouseOnPanel(g, k)) {
      p.SetColor(255, 255, 0);
    } else {
      p.SetColor(150, 75, 0);
    }
    p.DrawImage(g.LootSlotImage, static_cast<float>(x), LOOT_PANEL_Y);
    p.SetColor(0, 0, 0);
    p.SetBlend(BLEND_ALPHA);
    p.SetAlpha(0.25f);
    p.SetScale(7.375f, 7.4375f);
    p.DrawImage(g.BlackImage, static_cast<float>(x + 12), LOOT_PANEL_Y + 12);
    p.ResetDrawState();
    const int* entry = g.LootList[k];
    if (entry[1] != 0) {
      DrawItemPicture(g, entry[1], entry[2], x + 130 - ItemStats(entry[1], entry[2], item::ImageWidth) / 2,
                      307 - ItemStats(entry[1], entry[2], item::ImageHeight) / 2);
    }
  }

  // Leaving here ends the looting, whatever waits on the panels.
  DrawPortraitBar(g, 100, 50, 0, g.ExitBackImage);
  DrawSpareBox(g);
  DrawItemHelp(g);
  if (const T_Item* held = FindHeldItem(g))
    DrawItemPicture(g, held->Category, held->Number, held->x, held->y);
  if (g.InvPopup == POPUP_EXAMINE) {
    DrawExaminePanel(g, false);
  } else if (g.InvPopup == POPUP_CONFIRM) {
    DrawConfirmDialog(g, "End Looting");
  }
  p.ResetDrawState();
}

// An item carried off to an inventory leaves its panel for good: the
// entries after it move up and the find has one item fewer.
void CloseUpLootList(Game& g) {
  int empty = 0;
  for (int k = 1; k <= g.LootCount; ++k) {
    if (g.LootList[k][1] == 0) empty = k;
  }
  if (empty == 0) return;
  for (int k = empty; k < g.LootCount; ++k) std::copy_n(g.LootList[k + 1] + 1, 3, g.LootList[k] + 1);
  std::fill_n(g.LootList[g.LootCount] + 1, 3, 0);
  --g.LootCount;
}

void Leave(Game& g) {
  const int request = g.ItemScreenRequest;
  if (request == 0) return;
  if (IsHeroSwitch(request)) {
    if (FindHeldItem(g) != nullptr) CloseUpLootList(g);
  } else if (request == REQUEST_WORLD) {
    for (auto& entry : g.LootList) std::fill_n(entry, 4, 0);
    g.LootCount = 0;
  }
  SwitchForRequest(g, request);
}

}  // namespace

void PlaceLootPanels(Game& game) {
  constexpr int layouts[4][4] = {
      {0, OFF_SCREEN, OFF_SCREEN, OFF_SCREEN},
      {0, 382, OFF_SCREEN, OFF_SCREEN},
      {0, 252, 512, OFF_SCREEN},
      {0, 122, 382, 642},
  };
  std::copy_n(layouts[std::clamp(game.LootCount, 0, 3)], 4, game.LootSlotX);
}

void RunLootScreen(Game& game) {
  game.ItemScreenRequest = 0;
  if (game.LootCount <= 0 && FindHeldItem(game) == nullptr) {
    // Nothing was found after all: straight back to the world.
    game.LootCount = 0;
    SwitchScreen(game, SCREEN_WORLD);
    return;
  }
  PlaceLootPanels(game);
  switch (game.InvPopup) {
    case POPUP_NONE:
      if (MouseHit(game, MOUSE_LEFT)) TakeOrPutBack(game);
      if (MouseHit(game, MOUSE_RIGHT)) ExamineUnderMouse(game);
      RefreshHeldItem(game);
      ReadBottomBar(game);
      break;
    case POPUP_EXAMINE:
      ClampExaminePanel(game);
      if (MouseHit(game, MOUSE_RIGHT)) {
        game.InvPopup = POPUP_NONE;
        FlushInput(game);
      }
      break;
    default:
      HandleConfirm(game);
      break;
  }
  DrawLootScreen(game);
  Leave(game);
  FlushInput(game);
}

}  // namespace vv
