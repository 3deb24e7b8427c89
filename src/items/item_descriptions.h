#pragma once
// The flavour text of every item, shown in the detail panels.

namespace vv {

// The description of an item, "" for a number without an item.
const char* ItemDescription(int category, int item);

}  // namespace vv
