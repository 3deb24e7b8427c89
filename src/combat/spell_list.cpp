#include "combat/spell_list.h"

#include <algorithm>
#include <string>

#include "combat/spell_database.h"
#include "party/hero_record.h"
#include "shell/input.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int DETAIL_X = 686;
constexpr int DETAIL_LABEL_X = 515, DETAIL_VALUE_X = 662;
constexpr int DESCRIPTION_Y[SPELL_DESCRIPTION_LINES] = {246, 270, 294};

bool OverRow(const Game& g, int k) {
  return MouseOver(g, SPELL_ROW_X, SPELL_ROW_Y + SPELL_LIST_STEP * (k - 1), SPELL_ROW_W, SPELL_ROW_H);
}

void SetSpell(Game& g, int h, int spell) {
  int& current = g.HeroStats[h][hero::Spell];
  if (spell == current) return;
  current = spell;
  g.SoundEvent = SOUND_CLICK;
}

void Figure(Game& g, int y, const char* label, const std::string& value) {
  Platform& p = g.platform;
  p.SetColor(255, 255, 0);
  DrawTextQuarter(g, DETAIL_LABEL_X, static_cast<float>(y), label, 0);
  p.SetColor(255, 150, 0);
  DrawTextQuarter(g, DETAIL_VALUE_X, static_cast<float>(y), value, 0);
}

void DrawDetails(Game& g, int h) {
  Platform& p = g.platform;
  const int* s = g.HeroStats[h];
  const int spell = s[hero::Spell];
  p.SetColor(255, 0, 255);
  DrawTextHalf(g, DETAIL_X, 135, "DESCRIPTION", 1);
  DrawTextHalf(g, DETAIL_X, 198, SpellText(spell, spell::Name), 1);
  WrapText(g, SPELL_DESCRIPTION_WIDTH, SpellText(spell, spell::Description));
  p.SetColor(0, 255, 0);
  for (int line = 0; line < SPELL_DESCRIPTION_LINES; ++line) {
    DrawTextQuarter(g, DETAIL_LABEL_X, static_cast<float>(DESCRIPTION_Y[line]), g.WrapLines[line + 1], 0);
  }
  const int high = SpellStats(spell, spell::DamageMax);
  Figure(g, 342, "HEALTH DRAIN.......", std::to_string(SpellStats(spell, spell::HealthDrain)));
  Figure(
      g, 366, "DAMAGE...................",
      high > 0 ? std::to_string(SpellStats(spell, spell::DamageMin)) + " - " + std::to_string(high) : "N/A");
  Figure(g, 390, "CAST SPEED.............", std::string(SpeedWord(SpellStats(spell, spell::CastDelay))));
  Figure(g, 438, "YOUR DAMAGE.......",
         std::to_string(s[hero::SpellDamageMin]) + " - " + std::to_string(s[hero::SpellDamageMax]));
}

}  // namespace

int KnownSpells(int level) {
  const int known = static_cast<int>(static_cast<float>(level) / 2.0f + 0.5f);
  return std::clamp(known, 0, SPELL_COUNT);
}

void SelectSpell(Game& g, int h) {
  const int known = KnownSpells(g.HeroStats[h][hero::Level]);
  if (MouseHit(g, MOUSE_LEFT)) {
    for (int k = 1; k <= known; ++k) {
      if (OverRow(g, k)) SetSpell(g, h, k);
    }
  }
  const int spell = g.HeroStats[h][hero::Spell];
  if (KeyHit(g, KEY_DOWN)) SetSpell(g, h, std::max(1, std::min({spell + 1, known, SPELL_COUNT})));
  if (KeyHit(g, KEY_UP)) SetSpell(g, h, std::max(1, spell - 1));
}

void DrawSpellPanels(Game& g, int h) {
  Platform& p = g.platform;
  // The list's panel, stretched to hold all fifteen rows, carries the
  // heading in its title bar; the details' panel carries the spell's name.
  p.SetScale(1.0f, 1.2f);
  p.DrawImage(g.SpellTabImage, 146, 81);
  p.SetScale(1.0f, 1.0f);
  p.DrawImage(g.SpellDescTabImage, 497, 180);
  p.SetColor(255, 0, 255);
  DrawTextHalf(g, SPELL_LIST_X, 103, "KNOWN SPELLS", 1);
  const int known = KnownSpells(g.HeroStats[h][hero::Level]);
  for (int k = 1; k <= known; ++k) {
    if (k == g.HeroStats[h][hero::Spell]) {
      p.SetColor(0, 255, 0);
    } else if (OverRow(g, k)) {
      p.SetColor(0, 255, 255);
    } else {
      p.SetColor(0, 150, 150);
    }
    DrawTextQuarter(g, SPELL_LIST_X, static_cast<float>(SPELL_LIST_Y + SPELL_LIST_STEP * (k - 1)),
                    SpellText(k, spell::Name), 1);
  }
  DrawDetails(g, h);
  p.SetColor(255, 255, 255);
}

}  // namespace vv
