#include "party/portrait_bar.h"

#include <algorithm>
#include <string>

#include "party/hero_record.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/text.h"

namespace vv {
namespace {

bool OverBox(const Game& game, int x) {
  return MouseOver(game, x, BAR_Y, BAR_BOX_SIZE, BAR_BOX_SIZE);
}

}  // namespace

BarCommand ReadPortraitBar(Game& game, int shownScreen) {
  BarCommand command;
  const int shown = game.SelectedHero;
  for (int k = 1; k <= 2; ++k) {
    if (!OverBox(game, BAR_HERO_X[k])) continue;
    if (MouseHit(game, MOUSE_LEFT)) {
      command = {SCREEN_INVENTORY, k};
    } else if (MouseHit(game, MOUSE_RIGHT) && (k != shown || shownScreen != SCREEN_CHARACTER)) {
      command = {SCREEN_CHARACTER, k};
    } else if (MouseHit(game, MOUSE_MIDDLE) || KeyHit(game, KEY_LEFT_CONTROL)) {
      if (game.HeroStats[k][hero::Class] == CLASS_SORCERER) {
        command = {SCREEN_SPELLS, k};
      } else {
        ShowMessage(game, "NOT A SPELLCASTER", 255, 0, 0);
        game.SoundEvent = SOUND_ALARM;
      }
    }
  }
  if ((MouseHit(game, MOUSE_LEFT) && OverBox(game, BAR_EXIT_X)) || KeyHit(game, KEY_ESCAPE)) {
    // Loot still waiting takes the party back to it.
    command = {game.LootCount > 0 ? SCREEN_LOOT : SCREEN_WORLD, shown};
  }
  return command;
}

void FollowBarCommand(Game& game, const BarCommand& command) {
  if (command.screen == 0) return;
  game.SoundEvent = SOUND_CLICK;
  game.SelectedHero = command.hero;
  SwitchScreen(game, command.screen);
}

void HealthGaugeColour(float ratio, int& red, int& green) {
  const float t = ratio - 0.1f;
  red = std::clamp(static_cast<int>((1.0f - t) * 510.0f), 0, 255);
  green = std::clamp(static_cast<int>(t * 510.0f), 0, 255);
}

void DrawHeroBox(Game& game, int h, int backRed, int backGreen, int backBlue) {
  Platform& p = game.platform;
  const int x = BAR_HERO_X[h] + 7;
  const int* stats = game.HeroStats[h];
  p.SetColor(backRed, backGreen, backBlue);
  p.DrawImage(game.FaceBackImage, static_cast<float>(x), 635);
  p.SetColor(255, 255, 255);
  const int face = stats[hero::Face];
  if (face >= 1 && face <= 10) p.DrawImage(game.FaceImages[face], static_cast<float>(x), 635);
  int icon = 0;
  for (int b = 1; b <= 3; ++b) {
    if (game.HeroTimers[h][b] > 0) p.DrawImage(game.BonusImages[b], static_cast<float>(x + 24 * icon++), 635);
  }

  // The health gauge grows upward from its bottom-left corner.
  const int gaugeX = BAR_HERO_X[h] + 151;
  p.DrawImage(game.HpGauge2Image, static_cast<float>(gaugeX), BAR_Y);
  const float ratio = stats[hero::MaxHealth] > 0 ? static_cast<float>(stats[hero::Health]) /
                                                       static_cast<float>(stats[hero::MaxHealth])
                                                 : 0.0f;
  int red = 0, green = 0;
  HealthGaugeColour(ratio, red, green);
  p.SetColor(red, green, 0);
  p.SetScale(1, ratio);
  p.DrawImage(game.HpGauge1Image, static_cast<float>(gaugeX + 2), 738);
  p.SetScale(1, 1);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(game, static_cast<float>(gaugeX + 15), 740,
                  std::to_string(stats[hero::Health]) + "/" + std::to_string(stats[hero::MaxHealth]), 1);
  p.ResetDrawState();
}

void DrawSpareBox(Game& game) {
  Platform& p = game.platform;
  p.SetColor(100, 50, 0);
  p.DrawImage(game.FaceBorderImage, BAR_SPARE_X, BAR_Y);
  p.DrawImage(game.FaceBackImage, BAR_SPARE_X + 7, BAR_Y + 7);
  p.ResetDrawState();
}

int LootOrExitImage(const Game& game) {
  return game.LootCount > 0 ? game.LootImage : game.ExitBackImage;
}

void DrawPortraitBar(Game& game, int selectedRed, int selectedGreen, int selectedBlue, int exitImage) {
  Platform& p = game.platform;
  p.DrawImage(game.LowBarImage, 0, 614);

  for (int x : {BAR_HERO_X[1], BAR_HERO_X[2], BAR_EXIT_X}) {
    if (OverBox(game, x)) {
      p.SetColor(255, 255, 0);
    } else {
      p.SetColor(100, 50, 0);
    }
    p.DrawImage(game.FaceBorderImage, static_cast<float>(x), BAR_Y);
  }

  for (int h = 1; h <= 2; ++h) {
    if (h == game.SelectedHero) {
      DrawHeroBox(game, h, selectedRed, selectedGreen, selectedBlue);
    } else {
      DrawHeroBox(game, h, 100, 50, 0);
    }
  }

  p.SetColor(255, 255, 255);
  p.DrawImage(exitImage, BAR_EXIT_X + 7, 635);
  p.ResetDrawState();
}

}  // namespace vv
