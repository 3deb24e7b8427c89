#include "party/party_module.h"

#include "party/character_sheet.h"
#include "party/creation_screen.h"
#include "party/hero_record.h"

namespace vv {

// The hero record's tables are constant and need no filling.
void InitPartyTables(Game&) {}

void AddPartyScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_CREATION] = [&game] { RunCreationScreen(game); };
  hooks.screens[SCREEN_CHARACTER] = [&game] { RunCharacterSheet(game); };
  hooks.applyAttributeBoosts = [&game] { ApplyAttributeBoosts(game); };
  hooks.recalcHeroStats = [&game] { RecalcHeroStats(game); };
}

void ResetPartyForNewGame(Game& game) {
  for (int h = 1; h <= 2; ++h) {
    for (int& field : game.HeroStats[h]) field = 0;
    for (int& timer : game.HeroTimers[h]) timer = 0;
    game.HeroNames[h].clear();
  }
  game.SelectedHero = 1;
}

void DumpPartyState(const Game& game, JsonWriter& json) {
  json.BeginArray("HeroStats");
  for (int h = 1; h <= 2; ++h) json.IntArray({}, game.HeroStats[h], 1, 32);
  json.EndArray();
  json.BeginArray("HeroNames");
  for (int h = 1; h <= 2; ++h) json.String(game.HeroNames[h]);
  json.EndArray();
  json.BeginArray("HeroTimers");
  for (int h = 1; h <= 2; ++h) json.IntArray({}, game.HeroTimers[h], 1, 3);
  json.EndArray();
  json.Number("SelectedHero", game.SelectedHero);
  json.BeginArray("CreatedHeroes");
  for (int h = 1; h <= 2; ++h) json.IntArray({}, game.CreatedHeroes[h], 1, 6);
  json.EndArray();
  json.BeginArray("DraftNames");
  for (int h = 1; h <= 2; ++h) json.String(game.DraftNames[h]);
  json.EndArray();
  json.Number("RollPhase", game.RollPhase);
}

}  // namespace vv
