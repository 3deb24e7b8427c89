#include "party/party_module.h"

namespace vv {

void InitPartyTables(Game&) {}
void AddPartyScreens(Game&, LoopHooks&) {}
void ResetPartyForNewGame(Game&) {}
void DumpPartyState(const Game&, JsonWriter&) {}

}  // namespace vv
