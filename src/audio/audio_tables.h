#pragma once
// Music and sound: the music state.

namespace vv {

struct AudioTables {};

}  // namespace vv
