// Setting a battle up, the turn timers, the 25 frames an action stays on
// screen, and what leaving the combat screen puts away.

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "party/party_tables.h"
#include "world/level_table.h"

namespace vv {
namespace {

constexpr int SPELL_PICTURES = 14;  // ENLIGHTENMENT shades the monster instead
constexpr int ROCK_BLAST = 4;       // drawn at its own size, so not smoothed
constexpr int ZAP = 5;              // the bolt strikes from its tip

int LevelProperty(const Game& g, int field) {
  const int level = g.CurrentLevel;
  return level >= 1 && level <= 20 ? g.LevelTable[level][0][field] : 0;
}

int DrawMonster(Game& g) {
  if (g.PortalEventFlag != 0) {
    g.PortalEventFlag = 0;
    return VORGASH;
  }
  const int r = Rand(g, 1, 100);
  const int level = g.CurrentLevel;
  const int m = level >= 1 && level <= 20 ? g.LevelTable[level][r][level::Monster] : 0;
  // Encounter tables hold 1..15 only; a hole in one still gives a fight.
  return m >= 1 && m < VORGASH ? m : 1;
}

void LoadBattlePictures(Game& g) {
  Platform& p = g.platform;
  const int background = LevelProperty(g, level::Background);
  g.BattleBackImage = p.LoadImage("data/gfx/comback_" + std::to_string(background) + ".png", IMAGE_DEFAULT);
  const char poses[4] = {0, ' ', 'a', 'd'};
  for (int pose = 1; pose <= 3; ++pose) {
    const int image = p.LoadImage(MonsterImageFile(g.CombatMonster, poses[pose]), IMAGE_DEFAULT);
    // Every pose stands on its bottom centre.
    p.SetImageHandle(image, static_cast<float>(p.ImageWidth(image) / 2),
                     static_cast<float>(p.ImageHeight(image)));
    g.MonsterImages[pose] = image;
  }
  for (int s = 1; s <= SPELL_PICTURES; ++s) {
    const int flags = s == ROCK_BLAST ? IMAGE_MASKED : IMAGE_DEFAULT;
    const int image = p.LoadImage("data/gfx/spell_" + std::to_string(s) + ".png", flags);
    if (s == ZAP) {
      p.SetImageHandle(image, 42, 251);
    } else {
      p.MidHandle(image);
    }
    g.SpellImages[s] = image;
  }
}

void FreeBattlePictures(Game& g) {
  Platform& p = g.platform;
  p.FreeImage(g.BattleBackImage);
  g.BattleBackImage = 0;
  for (int& image : g.MonsterImages) {
    p.FreeImage(image);
    image = 0;
  }
  for (int& image : g.SpellImages) {
    p.FreeImage(image);
    image = 0;
  }
}

}  // namespace

void ClearBattle(Game& g) {
  g.CombatTurn = TURN_TIMERS;
  for (auto& row : g.TurnTimers) row[1] = row[2] = 0;
  g.HitMarks[1] = g.HitMarks[2] = 0;
  g.HeroBlocking[1] = g.HeroBlocking[2] = 0;
  g.CombatFrames = 0;
  g.SpellListOpen = 0;
  g.EndGameDialogOpen = 0;
  g.FallenHero = 0;
  g.BattleLevelled = 0;
  g.DamageShown = 0;
  g.HealShown = 0;
  g.BlockingShield = 0;
}

void SetUpBattle(Game& g) {
  ClearBattle(g);
  FreeBattlePictures(g);  // of a battle left without the screen seeing it go
  g.CombatMonster = DrawMonster(g);
  g.MonsterHealth = MonsterStats(g.CombatMonster, monster::Health);
  g.TurnTimers[1][2] = g.HeroStats[1][hero::AttackDelay];
  g.TurnTimers[2][2] = g.HeroStats[2][hero::AttackDelay];
  g.TurnTimers[MONSTER_SIDE][2] = MonsterStats(g.CombatMonster, monster::Delay);
  LoadBattlePictures(g);
  g.CombatSetUp = 1;
}

bool GiveTurnToReady(Game& g) {
  // Ties go to hero 1, then hero 2, then the monster.
  for (int k = 1; k <= MONSTER_SIDE; ++k) {
    if (g.TurnTimers[k][1] >= g.TurnTimers[k][2]) {
      g.CombatTurn = k;
      return true;
    }
  }
  return false;
}

void RunTurnEngine(Game& g) {
  for (int tick = 0; tick < TICKS_PER_FRAME; ++tick) {
    for (int k = 1; k <= MONSTER_SIDE; ++k) ++g.TurnTimers[k][1];
    if (GiveTurnToReady(g)) return;
  }
}

void RemoveBrokenEquipment(Game& g) {
  for (int h = 1; h <= 2; ++h) {
    for (int slot = 1; slot <= 4; ++slot) {
      int* item = g.HeroEquipment[h][slot];
      if (item[1] == 0 || item[2] > 0) continue;
      for (int f = 0; f <= 20; ++f) item[f] = 0;
      g.SoundEvent = SOUND_BREAK + slot;
    }
  }
}

void AdvanceResolution(Game& g) {
  if (++g.CombatFrames < RESOLUTION_FRAMES) return;
  const int actor = g.CombatTurn - 3;
  g.TurnTimers[actor][1] = 0;
  g.CombatFrames = 0;
  g.CombatTurn = TURN_TIMERS;
  g.HitMarks[1] = g.HitMarks[2] = 0;
  g.DamageShown = 0;
  g.HealShown = 0;
  g.BlockingShield = 0;
  GiveTurnToReady(g);
  if (g.MonsterHealth <= 0) g.CombatTurn = TURN_VICTORY;
  // Losing a hero loses the battle, even as the monster falls.
  const bool first = g.HeroStats[1][hero::Health] <= 0, second = g.HeroStats[2][hero::Health] <= 0;
  if (first || second) {
    g.CombatTurn = TURN_DEFEAT;
    g.FallenHero = second ? 2 : 1;
  }
}

void LeaveCombat(Game& g) {
  FreeBattlePictures(g);
  ClearBattle(g);
  g.CombatSetUp = 0;
  g.PortalEventFlag = 0;
  if (g.PendingScreen == SCREEN_MAIN_MENU || g.PendingScreen == SCREEN_ENDING) g.GameInProgress = 0;
}

}  // namespace vv
