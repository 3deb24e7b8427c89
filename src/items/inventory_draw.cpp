// Drawing the equipment and inventory screen, back to front.

#include <algorithm>
#include <string>

#include "items/inventory_grid.h"
#include "items/inventory_screen.h"
#include "items/item_database.h"
#include "items/item_screen_parts.h"
#include "party/hero_record.h"
#include "party/portrait_bar.h"
#include "shell/input.h"
#include "shell/menus.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int DROP_FRAME_X = 671;

struct Tint {
  int red, green, blue;
};
// SLOT_TINTS[target][occupancy].
constexpr Tint SLOT_TINTS[3][3] = {
    {{125, 125, 125}, {90, 90, 90}, {255, 255, 0}},
    {{0, 255, 0}, {175, 255, 0}, {175, 255, 0}},
    {{255, 0, 0}, {175, 0, 0}, {255, 175, 0}},
};

void SetTint(Platform& p, const SlotState& state) {
  const Tint& t = SLOT_TINTS[std::clamp(state.Target, 0, 2)][std::clamp(state.Occupancy, 0, 2)];
  p.SetColor(t.red, t.green, t.blue);
}

void DrawDropButton(Game& g) {
  Platform& p = g.platform;
  const bool lit = g.HeldItem[held::Category] != 0 && g.InvPopup == POPUP_NONE &&
                   MouseOver(g, DROP_FRAME_X, BAR_Y, BAR_BOX_SIZE, BAR_BOX_SIZE);
  if (lit) {
    p.SetColor(255, 255, 0);
  } else {
    p.SetColor(100, 50, 0);
  }
  p.DrawImage(g.FaceBorderImage, DROP_FRAME_X, BAR_Y);
  p.SetColor(255, 255, 255);
  p.DrawImage(g.DropBackImage, DROP_FRAME_X + 7, BAR_Y + 7);
}

void DrawHeroValues(Game& g) {
  Platform& p = g.platform;
  const int* s = g.HeroStats[g.SelectedHero];
  const struct {
    const char* label;
    std::string value;
  } lines[] = {
      {"Damage...............",
       std::to_string(s[hero::DamageMin]) + " - " + std::to_string(s[hero::DamageMax])},
      {"Attack Speed...", std::string(SpeedWord(s[hero::AttackDelay]))},
      {"Protection........", std::to_string(s[hero::Protection]) + " %"},
      {"Blocking.............", std::to_string(s[hero::Blocking]) + " %"},
  };
  float y = 500;
  for (const auto& line : lines) {
    p.SetColor(255, 255, 0);
    DrawTextQuarter(g, 8, y, line.label, 0);
    p.SetColor(255, 150, 0);
    DrawTextQuarter(g, 140, y, line.value, 0);
    y += 24;
  }
  p.SetColor(255, 255, 255);
}

void DrawSlotsAndCells(Game& g) {
  Platform& p = g.platform;
  for (const T_EqSlot& slot : g.EqSlotList) {
    SetTint(p, slot.State);
    const int picture = slot.State.Occupancy > 0 ? 2 : 1;
    p.DrawImage(g.EqSlotImages[slot.Slot][picture], static_cast<float>(slot.x), static_cast<float>(slot.y));
  }
  for (const T_InvSlot& cell : g.InvSlotList) {
    SetTint(p, cell.State);
    p.DrawImage(g.InvSlotImage, static_cast<float>(cell.x), static_cast<float>(cell.y));
  }
  p.SetColor(255, 255, 255);
}

void DrawBackground(Game& g) {
  g.platform.TileImage(g.InvBackImage, 0, 0);
  g.platform.DrawImage(g.LowBarImage, 0, 614);
  g.platform.DrawImage(g.SilhImage, 170, 120);
}

}  // namespace

void DrawInventoryScreen(Game& g) {
  Platform& p = g.platform;
  DrawBackdrop(g, g.InventoryBackdrop, DrawBackground);
  DrawPortraitBar(g, 0, 255, 0, LootOrExitImage(g));
  DrawDropButton(g);
  DrawHeroValues(g);
  DrawSlotsAndCells(g);
  for (const T_Item& item : g.ItemList) {
    if (item.Location >= LOCATION_GRID) DrawItemPicture(g, item.Category, item.Number, item.x, item.y);
  }
  DrawItemHelp(g);
  for (const T_Item& item : g.ItemList) {
    if (item.Location == LOCATION_HELD) DrawItemPicture(g, item.Category, item.Number, item.x, item.y);
  }
  if (g.InvPopup == POPUP_EXAMINE) {
    DrawExaminePanel(g, true);
  } else if (g.InvPopup == POPUP_CONFIRM) {
    DrawConfirmDialog(g, "Drop item");
  }
  p.ResetDrawState();
}

}  // namespace vv
