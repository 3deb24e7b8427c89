#pragma once
// Items: the database, equipment, inventory and loot.

namespace vv {

struct ItemTables {};

}  // namespace vv
