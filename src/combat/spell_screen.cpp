#include "combat/spell_screen.h"

#include <algorithm>
#include <string>

#include "combat/spell_database.h"
#include "party/hero_record.h"
#include "party/portrait_bar.h"
#include "shell/input.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int DETAIL_X = 686;  // the detail panel's centre line
constexpr int LABEL_X = 515, VALUE_X = 662;
constexpr int DESCRIPTION_Y[SPELL_DESCRIPTION_LINES] = {246, 270, 294};

bool OverRow(const Game& game, int k) {
  return MouseOver(game, SPELL_ROW_BOX_X, SpellRowBoxY(k), SPELL_ROW_BOX_W, SPELL_ROW_BOX_H);
}

void SelectSpell(Game& game, int hero, int spell) {
  int& current = game.HeroStats[hero][hero::Spell];
  if (spell == current) return;
  current = spell;
  game.SoundEvent = SOUND_CLICK;
}

void DetailLine(Game& game, int y, const char* label, const std::string& value) {
  Platform& p = game.platform;
  p.SetColor(255, 255, 0);
  DrawTextQuarter(game, LABEL_X, static_cast<float>(y), label, 0);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(game, VALUE_X, static_cast<float>(y), value, 0);
}

void DrawSpellScreen(Game& game) {
  Platform& p = game.platform;
  const int h = game.SelectedHero;
  p.TileImage(game.InvBackImage, 0, 0);
  DrawSpellPanels(game);
  DrawSpellList(game, h);
  DrawSpellDetails(game, h);
  p.SetColor(255, 255, 255);
  DrawPortraitBar(game, 255, 0, 0, LootOrExitImage(game));
}

}  // namespace

void DrawSpellPanels(Game& game) {
  // The list's panel and the details' panel, stretched to hold all fifteen
  // rows and the four value lines under their heading wells.
  Platform& p = game.platform;
  p.SetScale(1.0f, 1.32f);
  p.DrawImage(game.SpellTabImage, SPELL_ROW_X - 143, 70);
  p.SetScale(1.0f, 1.45f);
  p.DrawImage(game.SpellDescTabImage, DETAIL_X - 189, 95);
  p.SetScale(1.0f, 1.0f);
  p.SetColor(255, 0, 255);
  DrawTextHalf(game, SPELL_ROW_X, 103, "KNOWN SPELLS", 1);
  DrawTextHalf(game, DETAIL_X, 135, "DESCRIPTION", 1);
  p.SetColor(255, 255, 255);
}

int KnownSpells(const Game& game, int hero) {
  const int* stats = game.HeroStats[hero];
  return stats[hero::Class] == CLASS_SORCERER ? KnownSpellCount(stats[hero::Level]) : 0;
}

void ReadSpellSelection(Game& game, int hero) {
  const int known = KnownSpells(game, hero);
  if (known == 0) return;
  const int& current = game.HeroStats[hero][hero::Spell];
  if (MouseHit(game, MOUSE_LEFT)) {
    for (int k = 1; k <= known; ++k) {
      if (OverRow(game, k)) SelectSpell(game, hero, k);
    }
  }
  if (KeyHit(game, KEY_DOWN)) SelectSpell(game, hero, std::clamp(current + 1, 1, known));
  if (KeyHit(game, KEY_UP)) SelectSpell(game, hero, std::max(current - 1, 1));
}

void DrawSpellList(Game& game, int hero) {
  Platform& p = game.platform;
  const int known = KnownSpells(game, hero);
  for (int k = 1; k <= known; ++k) {
    if (k == game.HeroStats[hero][hero::Spell]) {
      p.SetColor(0, 255, 0);
    } else if (OverRow(game, k)) {
      p.SetColor(0, 255, 255);
    } else {
      p.SetColor(0, 150, 150);
    }
    DrawTextQuarter(game, SPELL_ROW_X, static_cast<float>(SpellRowTextY(k)), SpellText(k, spell::Name), 1);
  }
  p.SetColor(255, 255, 255);
}

void DrawSpellDetails(Game& game, int hero) {
  const int* stats = game.HeroStats[hero];
  const int s = stats[hero::Spell];
  // A hero without a spell of the table (not a Sorcerer) has nothing to show.
  if (KnownSpells(game, hero) == 0 || s < 1 || s > SPELL_COUNT) return;
  Platform& p = game.platform;
  p.SetColor(255, 0, 255);
  DrawTextHalf(game, DETAIL_X, 198, SpellText(s, spell::Name), 1);
  WrapText(game, SPELL_DESCRIPTION_WIDTH, SpellText(s, spell::Description));
  p.SetColor(0, 255, 0);
  for (int line = 1; line <= SPELL_DESCRIPTION_LINES; ++line) {
    DrawTextQuarter(game, LABEL_X, static_cast<float>(DESCRIPTION_Y[line - 1]), game.WrapLines[line], 0);
  }
  const int damageMax = SpellStats(s, spell::DamageMax);
  const std::string damage =
      damageMax > 0 ? std::to_string(SpellStats(s, spell::DamageMin)) + " - " + std::to_string(damageMax)
                    : "N/A";
  DetailLine(game, 342, "HEALTH DRAIN.......", std::to_string(SpellStats(s, spell::HealthDrain)));
  DetailLine(game, 366, "DAMAGE...................", damage);
  DetailLine(game, 390, "CAST SPEED.............", std::string(SpeedWord(SpellStats(s, spell::CastDelay))));
  DetailLine(
      game, 438, "YOUR DAMAGE.......",
      std::to_string(stats[hero::SpellDamageMin]) + " - " + std::to_string(stats[hero::SpellDamageMax]));
  p.SetColor(255, 255, 255);
}

void RunSpellScreen(Game& game) {
  if (game.SelectedHero != 2) game.SelectedHero = 1;
  ReadSpellSelection(game, game.SelectedHero);
  const BarCommand command = ReadPortraitBar(game, SCREEN_SPELLS);
  DrawSpellScreen(game);
  FollowBarCommand(game, command);
}

void AddSpellScreen(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_SPELLS] = [&game] { RunSpellScreen(game); };
}

}  // namespace vv
