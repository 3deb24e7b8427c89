// Plain screens standing in for the inventory, character sheet, combat,
// loot, spell and saved-games screens until they are built: each names
// itself and leads back to where it was entered from (exploration, or the
// title for the saved games), so the game can be walked end to end.

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

void RunLootStandin(Game& g) {
  DrawStandin(g, "LOOT FOUND", "PRESS ESCAPE TO RETURN");
  if (!KeyHit(g, KEY_ESCAPE)) return;
  for (auto& entry : g.LootList) {
    for (int& field : entry) field = 0;
  }
  g.LootCount = 0;
  g.SoundEvent = SOUND_CLICK;
  SwitchScreen(g, SCREEN_WORLD);
}

void RunSavedGamesStandin(Game& g) {
  DrawStandin(g, g.SaveMode == 1 ? "SAVE GAME" : "LOAD GAME", "PRESS ESCAPE TO RETURN");
  if (!KeyHit(g, KEY_ESCAPE)) return;
  g.SoundEvent = SOUND_CLICK;
  SwitchScreen(g, SCREEN_MAIN_MENU);
}

}  // namespace

void AddStandinScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_INVENTORY] = [&game] { RunHeroStandin(game, "INVENTORY OF"); };
  hooks.screens[SCREEN_CHARACTER] = [&game] { RunHeroStandin(game, "CHARACTER SHEET OF"); };
  hooks.screens[SCREEN_SPELLS] = [&game] { RunHeroStandin(game, "SPELLS OF"); };
  hooks.screens[SCREEN_COMBAT] = [&game] { RunCombatStandin(game); };
  hooks.screens[SCREEN_LOOT] = [&game] { RunLootStandin(game); };
  hooks.screens[SCREEN_SAVE_LOAD] = [&game] { RunSavedGamesStandin(game); };
}

}  // namespace vv
