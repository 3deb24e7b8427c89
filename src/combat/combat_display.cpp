// The battle's picture above the hero panels: background, monster, its
// name and health, the effects of the action being resolved, the turn
// indicator, the spell list and the end-game question.

#include <algorithm>
#include <string>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "combat/spell_database.h"
#include "combat/spell_list.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "party/party_tables.h"
#include "shell/menus.h"
#include "shell/text.h"
#include "world/exploration.h"

namespace vv {
namespace {

constexpr int ROCK_BLAST = 4;  // the one effect shown at its own size
constexpr int LAVA_BOLT = 3;   // also the Golden Amulet's burn
constexpr int POSE_STANDING = 1, POSE_ATTACKING = 2, POSE_DEAD = 3;

// A black pane at some alpha over a rectangle.
void Shade(Game& g, float x, float y, float w, float h, float alpha) {
  Platform& p = g.platform;
  p.SetColor(0, 0, 0);
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(alpha);
  p.SetScale(w / 32.0f, h / 32.0f);
  p.DrawImage(g.BlackImage, x, y);
  p.ResetDrawState();
}

int MonsterPose(const Game& g) {
  switch (g.CombatTurn) {
    case RESOLVE_MONSTER:
      return POSE_ATTACKING;
    case TURN_VICTORY:
      return POSE_DEAD;
    case TURN_DEFEAT:
      return g.MonsterHealth <= 0 ? POSE_DEAD : POSE_STANDING;
    default:
      return POSE_STANDING;
  }
}

// Half the monster's height up from its feet: where blows land.
float MonsterMiddle(const Game& g) {
  return static_cast<float>(MONSTER_FEET_Y) -
         static_cast<float>(g.platform.ImageHeight(g.MonsterImages[POSE_STANDING])) / 2.0f;
}

// How far into the resolution we are, 0 at the blow and 1 at its end.
float Progress(const Game& g) {
  return std::clamp(static_cast<float>(g.CombatFrames) / static_cast<float>(RESOLUTION_FRAMES), 0.0f, 1.0f);
}

// The damage number rises and fades above the point struck.
void DamageNumber(Game& g, float x, float y, const std::string& text, int red, int green, int blue) {
  Platform& p = g.platform;
  const float t = Progress(g);
  const float top = y - 15.0f - 20.0f * t;
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(t < 0.7f ? 1.0f : (1.0f - t) / 0.3f);
  // A dark shadow keeps the number readable over splats and glows.
  p.SetColor(40, 20, 0);
  DrawTextHalf(g, x + 2.0f, top + 2.0f, text, 1);
  p.SetColor(red, green, blue);
  DrawTextHalf(g, x, top, text, 1);
  p.ResetDrawState();
}

// The splat bursts open and fades.
void Splat(Game& g, float x, float y, float size) {
  Platform& p = g.platform;
  const float t = Progress(g);
  const float scale = size * (0.6f + 0.6f * std::min(1.0f, t * 3.0f));
  p.SetBlend(BLEND_LIGHT);
  p.SetAlpha(1.0f - 0.8f * t);
  p.SetScale(scale, scale);
  p.DrawImage(g.SplatImage, x, y);
  p.ResetDrawState();
}

void SpellPicture(Game& g, int spell, float x, float y) {
  Platform& p = g.platform;
  const float t = Progress(g);
  const float size = spell == ROCK_BLAST ? 1.0f : 2.0f;
  if (SpellStats(spell, spell::LightBlend) == 1) p.SetBlend(BLEND_LIGHT);
  p.SetAlpha(t < 0.6f ? 1.0f : (1.0f - t) / 0.4f);
  p.SetScale(size * (0.85f + 0.15f * t), size * (0.85f + 0.15f * t));
  p.DrawImage(g.SpellImages[spell], x, y);
  p.ResetDrawState();
}

// ENLIGHTENMENT fills the monster with light that swells and ebbs.
void MonsterGlow(Game& g, int image) {
  Platform& p = g.platform;
  const float t = Progress(g);
  p.SetBlend(BLEND_LIGHT);
  p.SetColor(255, 240, 160);
  p.SetAlpha(t < 0.5f ? t * 2.0f : (1.0f - t) * 2.0f);
  p.DrawImage(image, MONSTER_X, MONSTER_FEET_Y);
  p.ResetDrawState();
}

// What the monster suffers while an action is resolved.
void DrawMonsterEffects(Game& g, int image) {
  const float x = MONSTER_X, y = MonsterMiddle(g);
  const std::string damage = std::to_string(g.DamageShown);
  const bool heroAction = g.CombatTurn == RESOLVE_HERO_1 || g.CombatTurn == RESOLVE_HERO_2;
  if (heroAction && g.HitMarks[1] == HURT_BY_BLOW) {
    Splat(g, x, y, 1.0f);
    DamageNumber(g, x, y, damage, 255, 255, 0);
  } else if (heroAction && g.HitMarks[1] == HURT_BY_SPELL) {
    const int spell = g.HeroStats[g.CombatTurn - 3][hero::Spell];
    if (SpellStats(spell, spell::ShadeMonster) == 1) {
      MonsterGlow(g, image);
    } else {
      SpellPicture(g, spell, x, y);
    }
    DamageNumber(g, x, y, damage, 255, 255, 0);
  } else if (g.CombatTurn == RESOLVE_MONSTER && g.HitMarks[1] == HURT_BY_BLOW) {
    if (g.HitMarks[2] >= 3) {  // the spikes of the shield that blocked
      Splat(g, x, y, 1.0f);
      DamageNumber(g, x, y, std::to_string(SPIKE_SHIELD_DAMAGE), 255, 255, 0);
    } else {  // the Golden Amulet burns the attacker
      SpellPicture(g, LAVA_BOLT, x, y);
      DamageNumber(g, x, y, std::to_string(GOLDEN_AMULET_BURN), 255, 255, 0);
    }
  }
}

void DrawMonster(Game& g) {
  Platform& p = g.platform;
  const int image = g.MonsterImages[MonsterPose(g)];
  if (g.CombatMonster != VORGASH) {
    const LightColour light = WorldLight(g);
    p.SetColor(light.red, light.green, light.blue);
  }
  p.DrawImage(image, MONSTER_X, MONSTER_FEET_Y);
  p.ResetDrawState();
  // Effects stay inside the battle's picture.
  p.SetViewport(0, 0, 1024, BATTLE_VIEW_H);
  DrawMonsterEffects(g, image);
  p.SetViewport(0, 0, 1024, 768);
}

void DrawMonsterName(Game& g) {
  Platform& p = g.platform;
  p.SetBlend(BLEND_LIGHT);
  p.SetAlpha(0.5f);
  p.DrawImage(g.MonStatImage, MONSTER_X, 0);
  p.ResetDrawState();
  p.SetColor(255, 255, 0);
  DrawTextHalf(g, MONSTER_X, 4, MonsterNames(g.CombatMonster), 1);
  p.SetColor(255, 150, 0);
  DrawTextHalf(g, MONSTER_X, 42,
               std::to_string(std::max(0, g.MonsterHealth)) + " / " +
                   std::to_string(MonsterStats(g.CombatMonster, monster::Health)),
               1);
  p.SetColor(255, 255, 255);
}

void DrawTurnIndicator(Game& g) {
  if (g.OptionFlags[OPTION_TURN_INDICATOR] != 1) return;
  std::string text;
  const int turn = g.CombatTurn;
  if (turn == TURN_MONSTER || turn == RESOLVE_MONSTER) {
    text = "Enemy's turn";
  } else if (turn == TURN_HERO_1 || turn == TURN_HERO_2) {
    text = g.HeroNames[turn] + "'s turn";
  } else if (turn == RESOLVE_HERO_1 || turn == RESOLVE_HERO_2) {
    text = g.HeroNames[turn - 3] + "'s turn";
  } else {
    return;
  }
  Shade(g, 0, 591, 1024, static_cast<float>(BATTLE_VIEW_H - 591), 0.66f);
  g.platform.SetColor(255, 0, 255);
  DrawTextHalf(g, MONSTER_X, 596, text, 1);
  g.platform.SetColor(255, 255, 255);
}

void DrawSpellListOverBattle(Game& g) {
  if (g.SpellListOpen != 1 || (g.CombatTurn != TURN_HERO_1 && g.CombatTurn != TURN_HERO_2)) return;
  Shade(g, 120, 70, 784, 472, 0.66f);
  DrawSpellPanels(g, g.CombatTurn);
}

// An item's picture fitted into a square of `size` around a centre.
void ItemPicture(Game& g, int category, int item, float x, float y, float size, float alpha) {
  Platform& p = g.platform;
  const int image = g.ItemImages[category][item];
  const float w = static_cast<float>(p.ImageWidth(image)), h = static_cast<float>(p.ImageHeight(image));
  if (w <= 0 || h <= 0) return;
  const float scale = std::min(1.0f, size / std::max(w, h));
  p.SetBlend(BLEND_ALPHA);
  p.SetAlpha(alpha);
  p.SetScale(scale, scale);
  p.DrawImage(image, x - w * scale / 2.0f, y - h * scale / 2.0f);
  p.ResetDrawState();
}

}  // namespace

void DrawPortraitEffects(Game& g) {
  constexpr float PORTRAIT_HALF = 57.0f;
  const float y = static_cast<float>(PORTRAIT_Y) + PORTRAIT_HALF;
  auto centre = [&](int h) { return static_cast<float>(PORTRAIT_X[h]) + PORTRAIT_HALF; };
  // A raised shield in the portrait's corner while the hero blocks.
  for (int h = 1; h <= 2; ++h) {
    const int shield = g.HeroEquipment[h][CATEGORY_SHIELD][1];
    if (g.HeroBlocking[h] == 1 && shield != 0) {
      ItemPicture(g, CATEGORY_SHIELD, shield, centre(h) + 36.0f, y + 36.0f, 40.0f, 1.0f);
    }
  }
  const int acting = ActingHero(g);
  if (acting != 0 && g.HealShown > 0 && g.CombatTurn >= RESOLVE_HERO_1) {
    DamageNumber(g, centre(acting), y, "+" + std::to_string(g.HealShown), 0, 255, 0);
  }
  if (g.CombatTurn != RESOLVE_MONSTER) return;
  const int struck = g.HitMarks[2];
  if (struck == 1 || struck == 2) {
    Splat(g, centre(struck), y, 0.8f);
    DamageNumber(g, centre(struck), y, std::to_string(g.DamageShown), 255, 255, 0);
  } else if (struck == 3 || struck == 4) {
    const float fade = 1.0f - 0.5f * Progress(g);
    ItemPicture(g, CATEGORY_SHIELD, g.BlockingShield, centre(struck - 2), y, 100.0f, fade);
  }
}

void DrawBattle(Game& g) {
  Platform& p = g.platform;
  const LightColour light = WorldLight(g);
  p.SetColor(light.red, light.green, light.blue);
  p.DrawImage(g.BattleBackImage, 0, 0);
  p.ResetDrawState();
  DrawMonster(g);
  DrawMonsterName(g);
  DrawHeroPanels(g);
  DrawTurnIndicator(g);
  DrawPortraitEffects(g);
  DrawCombatMenu(g);
  DrawEquipmentPanel(g);
  DrawSpellListOverBattle(g);
  DrawBattleEndTexts(g);
  if (g.EndGameDialogOpen == 1) {
    DrawConfirmDialog(g, "End current game");
    p.SetColor(255, 255, 255);
  }
}

}  // namespace vv
