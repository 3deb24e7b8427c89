#pragma once
// The world's tables: the map, the current screen, the party's place and the world events.

namespace vv {

struct WorldTables {};

}  // namespace vv
