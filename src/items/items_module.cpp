#include "items/items_module.h"

namespace vv {

void InitItemsTables(Game&) {}
void AddItemsScreens(Game&, LoopHooks&) {}
void ResetItemsForNewGame(Game&) {}
void DumpItemsState(const Game&, JsonWriter&) {}

}  // namespace vv
