// One frame of the combat screen: the set-up on the first frame, the
// battle's step (or the end-game question that holds it), the picture, and
// what leaving puts away.

#include "combat/combat.h"
#include "shell/input.h"
#include "shell/main_loop.h"
#include "shell/menus.h"

namespace vv {
namespace {

void AnswerEndGameDialog(Game& g) {
  const bool click = MouseHit(g, MOUSE_LEFT);
  if (KeyHit(g, KEY_Y) || (click && OverDialogYes(g))) {
    // The dialog stays up and the battle frozen while the screen fades.
    g.SoundEvent = SOUND_CLICK;
    g.GameInProgress = 0;
    StartFade(g, SCREEN_MAIN_MENU);
  } else if (KeyHit(g, KEY_N) || KeyHit(g, KEY_ESCAPE) || (click && OverDialogNo(g))) {
    g.SoundEvent = SOUND_CLICK;
    g.EndGameDialogOpen = 0;
  }
}

// Escape closes the spell list, or else asks whether to end the game.
// True when the question was asked: the battle stops at once.
bool AskToEndGame(Game& g) {
  if (g.CombatTurn >= TURN_VICTORY || !KeyHit(g, KEY_ESCAPE)) return false;
  g.SoundEvent = SOUND_CLICK;
  if (g.SpellListOpen == 1) {
    g.SpellListOpen = 0;
    return false;
  }
  g.EndGameDialogOpen = 1;
  return true;
}

void StepBattle(Game& g) {
  // Worn-out equipment from the last blow falls apart now, so that its
  // sound follows the blow's instead of replacing it.
  RemoveBrokenEquipment(g);
  if (AskToEndGame(g)) return;
  if (g.CombatTurn == TURN_TIMERS) RunTurnEngine(g);
  if (g.CombatTurn == TURN_HERO_1 || g.CombatTurn == TURN_HERO_2) RunHeroTurn(g);
  if (g.CombatTurn == TURN_MONSTER) MonsterAttack(g);
  if (g.CombatTurn >= RESOLVE_HERO_1 && g.CombatTurn <= RESOLVE_MONSTER) {
    AdvanceResolution(g);
  } else if (g.CombatTurn == TURN_VICTORY) {
    AdvanceVictory(g);
  } else if (g.CombatTurn == TURN_DEFEAT) {
    AdvanceDefeat(g);
  }
}

}  // namespace

void RunCombat(Game& g) {
  if (g.CombatSetUp == 0) SetUpBattle(g);
  if (g.EndGameDialogOpen == 1) {
    AnswerEndGameDialog(g);
  } else {
    StepBattle(g);
  }
  DrawBattle(g);
  if (g.PendingScreen != 0) LeaveCombat(g);
}

}  // namespace vv
