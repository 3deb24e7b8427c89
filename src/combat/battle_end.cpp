// The end of a battle: loot, experience and levels for a victory, the
// death cries, and where the game goes next.

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "items/item_database.h"
#include "items/item_rules.h"
#include "party/hero_record.h"
#include "shell/main_loop.h"
#include "world/level_table.h"

namespace vv {
namespace {

void EndVictory(Game& g) {
  g.CombatFrames = 0;
  g.HitMarks[1] = g.HitMarks[2] = 0;
  ++g.MonsterKills[g.CombatMonster];
  g.HeroBlocking[1] = g.HeroBlocking[2] = 0;
  for (auto& row : g.TurnTimers) row[1] = row[2] = 0;
  // The encounter is over: the area music takes up where it paused.
  g.AttackBanner = 0;
  g.ResumeAreaMusic = 1;
  SwitchScreen(g, g.LootCount > 0 ? SCREEN_LOOT : SCREEN_WORLD);
}

}  // namespace

void RollBattleLoot(Game& g) {
  g.LootCount = 0;
  for (auto& entry : g.LootList) {
    for (int& field : entry) field = 0;
  }
  const bool necklace = WearsAmulet(g, 1, TOOTH_NECKLACE) || WearsAmulet(g, 2, TOOTH_NECKLACE);
  const int chance = LootDrawChance(necklace);
  const int level = g.CurrentLevel >= 1 && g.CurrentLevel <= 20 ? g.CurrentLevel : 0;
  for (int draw = 1; draw <= 3; ++draw) {
    if (Rand(g, 1, 100) > chance) continue;
    int* entry = g.LootList[++g.LootCount];
    const int p = Rand(g, 1, 100);
    entry[1] = g.LevelTable[level][p][level::ItemCategory];
    entry[2] = g.LevelTable[level][p][level::ItemNumber];
    entry[3] = ItemStats(entry[1], entry[2], item::MaxCondition);
  }
}

void AwardExperience(Game& g) {
  const int reward = MonsterStats(g.CombatMonster, monster::Experience);
  g.BattleLevelled = 0;
  for (int h = 1; h <= 2; ++h) {
    int* s = g.HeroStats[h];
    if (s[hero::Level] >= MAX_LEVEL) continue;
    s[hero::Experience] += reward;
    // One level a battle; a second threshold waits for the next victory.
    if (CheckLevelUp(g, h)) g.BattleLevelled = 1;
  }
  // The new endurance counts from now on: this frame's statistics would
  // otherwise still see the old one and cut the new full health back.
  if (g.BattleLevelled == 1) ApplyAttributeBoosts(g);
}

void AdvanceVictory(Game& g) {
  const int frame = ++g.CombatFrames;
  const bool final = g.CombatMonster == VORGASH;
  if (frame == 1 && !final) {
    RollBattleLoot(g);
    AwardExperience(g);
  }
  if (frame == END_SOUND_FRAME) g.SoundEvent = SOUND_MONSTER_DEATH + g.CombatMonster;
  if (frame == END_MUSIC_FRAME) g.SoundEvent = SOUND_BATTLE_WON;
  if (!final && frame == END_LEAVE_FRAME) EndVictory(g);
  if (final && frame == FINAL_VICTORY_FRAMES) StartFade(g, SCREEN_ENDING);
}

void AdvanceDefeat(Game& g) {
  const int frame = ++g.CombatFrames;
  if (frame == END_SOUND_FRAME) {
    const bool special = g.FallenHero == 1 && g.HeroStats[1][hero::Face] == SPECIAL_HERO_FACE;
    g.SoundEvent = special ? SOUND_DEEP_SINK : SOUND_HERO_DEATH + Rand(g, 1, 3);
  }
  if (frame == END_MUSIC_FRAME) g.SoundEvent = SOUND_PARTY_DEFEATED;
  if (frame == END_LEAVE_FRAME) StartFade(g, SCREEN_MAIN_MENU);
}

}  // namespace vv
