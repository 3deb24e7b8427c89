#include "items/item_screen_parts.h"

#include <algorithm>
#include <string>

#include "items/item_database.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int LABEL_X = 32, VALUE_X = 144, BONUS_X = 102;
constexpr int VALUES_Y = 240, LINE_STEP = 24;

void Value(Game& game, int line, const char* label, const std::string& value, int valueX = VALUE_X) {
  Platform& p = game.platform;
  const float y = static_cast<float>(game.PanelY + VALUES_Y + LINE_STEP * line);
  p.SetColor(255, 255, 0);
  DrawTextQuarter(game, static_cast<float>(game.PanelX + LABEL_X), y, label, 0);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(game, static_cast<float>(game.PanelX + valueX), y, value, 0);
}

std::string Percent(int value) {
  return std::to_string(value) + " %";
}

void DrawValues(Game& game) {
  const int category = game.ExaminedItem[1], number = game.ExaminedItem[2];
  const int primary = ItemStats(category, number, item::PrimaryStat);
  const int secondary = ItemStats(category, number, item::SecondaryStat);
  const std::string condition = std::to_string(game.ExaminedItem[3]) + " / " +
                                std::to_string(ItemStats(category, number, item::MaxCondition));
  switch (category) {
    case CATEGORY_WEAPON: {
      const int speed = ItemStats(category, number, item::Speed);
      Value(game, 0, "Damage...........", std::to_string(primary) + " - " + std::to_string(secondary));
      Value(game, 1, "Speed...............",
            speed >= 1 && speed <= 5 ? std::string(WeaponSpeedWords[static_cast<std::size_t>(speed)]) : "");
      Value(game, 2, "Condition......", condition);
      break;
    }
    case CATEGORY_SHIELD:
      Value(game, 0, "Blocking........", Percent(primary));
      Value(game, 1, "Protection...", Percent(secondary));
      Value(game, 2, "Condition......", condition);
      break;
    case CATEGORY_ARMOUR:
    case CATEGORY_HELM:
      Value(game, 0, "Protection...", Percent(primary));
      Value(game, 1, "Condition......", condition);
      break;
    default:
      Value(game, 0, "Bonus...", ItemText(category, number, item::BonusText), BONUS_X);
      break;
  }
}

}  // namespace

void OpenExaminePanel(Game& game, int category, int number, int condition) {
  game.InvPopup = POPUP_EXAMINE;
  game.PanelX = game.platform.MouseX() - 280;
  game.PanelY = game.platform.MouseY() - 182;
  game.ExaminedItem[1] = category;
  game.ExaminedItem[2] = number;
  game.ExaminedItem[3] = condition;
  FlushInput(game);
  WrapText(game, DESCRIPTION_WRAP_WIDTH, ItemText(category, number, item::Description));
}

void ClampExaminePanel(Game& game) {
  game.PanelX = std::clamp(game.PanelX, 0, PANEL_MAX_X);
  game.PanelY = std::clamp(game.PanelY, 0, PANEL_MAX_Y);
}

bool ExaminedIsDrinkable(const Game& game) {
  const int category = game.ExaminedItem[1];
  return category > CATEGORY_HELM && ItemStats(category, game.ExaminedItem[2], item::PrimaryStat) == 1;
}

bool OverDrinkButton(const Game& game) {
  return MouseOver(game, game.PanelX + 24, game.PanelY + 332, 125, 34);
}

void DrawExaminePanel(Game& game, bool drinkButton) {
  Platform& p = game.platform;
  const int x = game.PanelX, y = game.PanelY;
  const int category = game.ExaminedItem[1], number = game.ExaminedItem[2];
  p.DrawImage(game.BoardImage, static_cast<float>(x), static_cast<float>(y));
  DrawItemPicture(game, category, number, x + 410 - ItemStats(category, number, item::ImageWidth) / 2,
                  y + 240 - ItemStats(category, number, item::ImageHeight) / 2);
  p.SetColor(255, 0, 255);
  DrawTextHalf(game, static_cast<float>(x + 280), static_cast<float>(y + 16),
               ItemText(category, number, item::Name), 1);
  p.SetColor(0, 255, 0);
  for (int line = 1; line <= DESCRIPTION_LINES_SHOWN; ++line) {
    DrawTextQuarter(game, static_cast<float>(x + 32), static_cast<float>(y + 40 + 24 * line),
                    game.WrapLines[line], 0);
  }
  DrawValues(game);
  if (drinkButton && ExaminedIsDrinkable(game)) {
    if (OverDrinkButton(game)) {
      p.SetColor(0, 255, 255);
    } else {
      p.SetColor(0, 150, 150);
    }
    DrawTextQuarter(game, static_cast<float>(x + 32), static_cast<float>(y + 340), "Drink Potion", 0);
  }
  p.SetColor(255, 255, 255);
}

void DrawItemHelp(Game& game) {
  Platform& p = game.platform;
  p.SetColor(255, 255, 0);
  DrawTextQuarter(game, 434, 630, "Pick up..........", 0);
  DrawTextQuarter(game, 434, 650, "Examine........", 0);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(game, 536, 630, "Left-click", 0);
  DrawTextQuarter(game, 536, 650, "Right-click", 0);
  p.SetColor(255, 255, 255);
}

void DrawItemPicture(Game& game, int category, int number, int x, int y) {
  if (category < 1 || category > CATEGORY_POTION || number < 1 || number > ItemCount(category)) return;
  game.platform.DrawImage(game.ItemImages[category][number], static_cast<float>(x), static_cast<float>(y));
}

void DrawBackdrop(Game& game, int& image, void (*draw)(Game&)) {
  Platform& p = game.platform;
  if (image == 0 || p.Image(image) == nullptr) {
    image = p.CreateRenderImage(p.CanvasWidth(), p.CanvasHeight());
    if (image == 0) {
      draw(game);
      return;
    }
    p.SetDrawTarget(image, true);
    draw(game);
    p.ResetDrawState();
    p.SetDrawTarget(0);
  }
  p.SetBlend(BLEND_SOLID);
  p.DrawImage(image, 0, 0);
  p.ResetDrawState();
}

void RefuseWhileHolding(Game& game) {
  ShowMessage(game, "DROP ITEM FIRST", 255, 0, 0);
  game.SoundEvent = SOUND_ALARM;
}

int RequestOfBarCommand(const BarCommand& command) {
  switch (command.screen) {
    case SCREEN_INVENTORY:
      return REQUEST_INVENTORY + command.hero;
    case SCREEN_CHARACTER:
      return REQUEST_SHEET + command.hero;
    case SCREEN_SPELLS:
      return REQUEST_SPELLS + command.hero;
    case SCREEN_LOOT:
      return REQUEST_LOOT;
    case SCREEN_WORLD:
      return REQUEST_WORLD;
    default:
      return 0;
  }
}

bool IsHeroSwitch(int request) {
  return request == REQUEST_INVENTORY + 1 || request == REQUEST_INVENTORY + 2;
}

void SwitchForRequest(Game& game, int request) {
  if (IsHeroSwitch(request)) {
    game.SelectedHero = request - REQUEST_INVENTORY;
    SwitchScreen(game, SCREEN_INVENTORY);
  } else if (request == REQUEST_SHEET + 1 || request == REQUEST_SHEET + 2) {
    game.SelectedHero = request - REQUEST_SHEET;
    SwitchScreen(game, SCREEN_CHARACTER);
  } else if (request == REQUEST_SPELLS + 1 || request == REQUEST_SPELLS + 2) {
    game.SelectedHero = request - REQUEST_SPELLS;
    SwitchScreen(game, SCREEN_SPELLS);
  } else if (request == REQUEST_WORLD) {
    SwitchScreen(game, SCREEN_WORLD);
  } else if (request == REQUEST_LOOT) {
    SwitchScreen(game, SCREEN_LOOT);
  }
}

}  // namespace vv
