// Plain screens standing in for the character sheet, combat and spell
// screens until they are built: each names itself and leads
// back to exploration, so the world can be walked end to end.

#include <string>

#include "shell/input.h"
#include "shell/text.h"
#include "world/exploration.h"

namespace vv {
namespace {

void DrawStandin(Game& g, const std::string& title, const char* help) {
  Platform& p = g.platform;
  p.SetColor(255, 0, 255);
  DrawTextLarge(g, 512, 300, title, 1);
  p.SetColor(255, 255, 0);
  DrawTextHalf(g, 512, 400, help, 1);
  p.SetColor(255, 255, 255);
}

std::string ForHero(const Game& g, const char* what) {
  const int h = g.SelectedHero == 2 ? 2 : 1;
  return std::string(what) + " " + g.HeroNames[h];
}

bool AnyKeyOrClick(const Game& g) {
  for (int code = 1; code <= 250; ++code) {
    if (KeyHit(g, code)) return true;
  }
  return MouseHit(g, MOUSE_LEFT) || MouseHit(g, MOUSE_RIGHT);
}

void RunHeroStandin(Game& g, const char* what) {
  DrawStandin(g, ForHero(g, what), "PRESS ESCAPE TO RETURN");
  if (KeyHit(g, KEY_ESCAPE)) {
    g.SoundEvent = SOUND_CLICK;
    SwitchScreen(g, SCREEN_WORLD);
  }
}

void RunCombatStandin(Game& g) {
  DrawStandin(g, "COMBAT", "PRESS ANY KEY TO RETURN");
  if (!AnyKeyOrClick(g)) return;
  // As after a won battle without loot: the encounter is over and the
  // area music takes up where it paused.
  g.AttackBanner = 0;
  g.PortalEventFlag = 0;
  g.ResumeAreaMusic = 1;
  g.SoundEvent = SOUND_BATTLE_WON;
  FlushInput(g);
  SwitchScreen(g, SCREEN_WORLD);
}

}  // namespace

void AddStandinScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_CHARACTER] = [&game] { RunHeroStandin(game, "CHARACTER SHEET OF"); };
  hooks.screens[SCREEN_SPELLS] = [&game] { RunHeroStandin(game, "SPELLS OF"); };
  hooks.screens[SCREEN_COMBAT] = [&game] { RunCombatStandin(game); };
}

}  // namespace vv
