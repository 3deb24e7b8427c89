#pragma once
// Saved games: the slot screen's state.

namespace vv {

struct SaveTables {};

}  // namespace vv
