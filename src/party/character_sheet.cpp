#include "party/character_sheet.h"

#include <string>

#include "party/hero_record.h"
#include "party/portrait_bar.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int LEFT_LABEL_X = 43, LEFT_VALUE_X = 275;
constexpr int RIGHT_LABEL_X = 561, RIGHT_VALUE_X = 793;

enum class Tone { Normal, Boosted };

void Line(Game& game, int labelX, int valueX, int y, const char* label, const std::string& value,
          Tone tone = Tone::Normal) {
  Platform& p = game.platform;
  p.SetColor(255, 255, 0);
  DrawTextHalf(game, static_cast<float>(labelX), static_cast<float>(y), label, 0);
  if (tone == Tone::Boosted) {
    p.SetColor(0, 255, 0);
  } else {
    p.SetColor(255, 150, 0);
  }
  DrawTextHalf(game, static_cast<float>(valueX), static_cast<float>(y), value, 0);
}

std::string Percent(int value) {
  return std::to_string(value) + " %";
}

// A dark pane behind each column keeps the text readable on the backdrop.
void DrawPane(Game& game, int x, int y, int w, int h) {
  Platform& p = game.platform;
  p.SetColor(0, 0, 0);
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(0.45f);
  p.SetScale(static_cast<float>(w) / 32.0f, static_cast<float>(h) / 32.0f);
  p.DrawImage(game.BlackImage, static_cast<float>(x), static_cast<float>(y));
  p.ResetDrawState();
}

// The bar's help panel tells how to reach the hero's other screens.
void DrawBarHelp(Game& game) {
  constexpr int HELP_X = 434, HELP_VALUE_X = 536, HELP_Y = 630;
  Platform& p = game.platform;
  p.SetColor(255, 255, 0);
  DrawTextQuarter(game, HELP_X, HELP_Y, "Inventory..", 0);
  DrawTextQuarter(game, HELP_X, HELP_Y + 20, "Spells...........", 0);
  DrawTextQuarter(game, HELP_X, HELP_Y + 40, "Back..............", 0);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(game, HELP_VALUE_X, HELP_Y, "Left-click", 0);
  DrawTextQuarter(game, HELP_VALUE_X, HELP_Y + 20, "Middle-click", 0);
  DrawTextQuarter(game, HELP_VALUE_X, HELP_Y + 40, "Escape", 0);
  p.SetColor(255, 255, 255);
}

void DrawSheet(Game& game) {
  Platform& p = game.platform;
  const int h = game.SelectedHero;
  const int* s = game.HeroStats[h];
  const int* timers = game.HeroTimers[h];

  p.TileImage(game.InvBackImage, 0, 0);
  DrawPane(game, 24, 24, 470, 554);
  DrawPane(game, 542, 24, 458, 554);

  const int level = s[hero::Level];
  const std::string next = level < MAX_LEVEL && level >= 0
                               ? std::to_string(ExpNeeded[static_cast<std::size_t>(level + 1)])
                               : "N/A";
  const std::string className = s[hero::Class] >= 1 && s[hero::Class] <= 3
                                    ? std::string(ClassNames[static_cast<std::size_t>(s[hero::Class])])
                                    : std::string();
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 43, "Name", game.HeroNames[h]);
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 93, "Class", className);
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 143, "Level", std::to_string(level));
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 193, "Experience", std::to_string(s[hero::Experience]));
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 243, "Next Level", next);
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 318, "Health",
       std::to_string(s[hero::Health]) + " / " + std::to_string(s[hero::MaxHealth]));
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 368, "Damage",
       std::to_string(s[hero::DamageMin]) + " - " + std::to_string(s[hero::DamageMax]));
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 418, "Att. Speed", std::string(SpeedWord(s[hero::AttackDelay])));
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 468, "Protection", Percent(s[hero::Protection]));
  Line(game, LEFT_LABEL_X, LEFT_VALUE_X, 518, "Blocking", Percent(s[hero::Blocking]));

  auto boosted = [&](int boost) { return timers[boost] > 0 ? Tone::Boosted : Tone::Normal; };
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 43, "Strength", std::to_string(s[hero::Strength]), boosted(1));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 93, "Dexterity", std::to_string(s[hero::Dexterity]), boosted(2));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 143, "Intelligence", std::to_string(s[hero::Intelligence]),
       boosted(3));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 193, "Endurance", std::to_string(s[hero::Endurance]));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 268, "Kills", std::to_string(s[hero::Kills]));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 318, "Hit Ratio",
       Percent(s[hero::Attacks] > 0 ? s[hero::HitRatio] : 0));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 368, "Dmg Dealt", std::to_string(s[hero::DamageDealt]));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 418, "Dmg Taken", std::to_string(s[hero::DamageTaken]));
  Line(game, RIGHT_LABEL_X, RIGHT_VALUE_X, 468, "Block Ratio", Percent(s[hero::BlockRatio]));
  p.SetColor(255, 255, 255);

  DrawPortraitBar(game, 255, 0, 0, LootOrExitImage(game));
  DrawSpareBox(game);
  DrawBarHelp(game);
}

}  // namespace

void RunCharacterSheet(Game& game) {
  if (game.SelectedHero != 2) game.SelectedHero = 1;
  const BarCommand command = ReadPortraitBar(game, SCREEN_CHARACTER);
  DrawSheet(game);
  FollowBarCommand(game, command);
}

}  // namespace vv
