#pragma once
// The ending story's state.

namespace vv {

struct EndingTables {};

}  // namespace vv
