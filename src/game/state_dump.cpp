#include "game/state_dump.h"

#include "audio/audio_module.h"
#include "combat/combat_module.h"
#include "ending/ending_module.h"
#include "game/json_writer.h"
#include "items/items_module.h"
#include "party/party_module.h"
#include "persistence/persistence_module.h"
#include "world/world_module.h"

namespace vv {
namespace {

void DumpShell(const Game& g, const DumpExtras& extras, JsonWriter& j) {
  j.Number("GameScreen", g.GameScreen);
  j.Number("PendingScreen", g.PendingScreen);
  j.IntArray("ScreenFade", g.ScreenFade, 1, 3);
  j.Number("GameInProgress", g.GameInProgress);
  j.String("MessageText", g.MessageText);
  j.Number("MessageTimer", g.MessageTimer);
  j.Number("SoundEvent", extras.lastSoundPlayed);
  j.IntArray("OptionFlags", g.OptionFlags, 1, 8);
  j.Number("DriverMode", g.DriverMode);
  j.Number("DriverChoice", g.DriverChoice);
  j.BeginArray("TextsDrawn");
  for (const Platform::TracedText& t : g.platform.TextTrace()) {
    j.BeginObject();
    j.String("text", t.text);
    j.Number("x", static_cast<long long>(t.x));
    j.Number("y", static_cast<long long>(t.y));
    j.EndObject();
  }
  j.EndArray();
}

}  // namespace

std::string DumpGameState(const Game& game, const DumpExtras& extras) {
  JsonWriter j;
  j.BeginObject();
  DumpShell(game, extras, j);
  DumpWorldState(game, j);
  DumpPartyState(game, j);
  DumpItemsState(game, j);
  DumpCombatState(game, j);
  DumpAudioState(game, j);
  DumpEndingState(game, j);
  DumpPersistenceState(game, j);
  j.EndObject();
  return j.Text() + "\n";
}

}  // namespace vv
