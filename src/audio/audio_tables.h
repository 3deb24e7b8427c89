#pragma once
// Music and sound: what plays now.

namespace vv {

struct AudioTables {};

}  // namespace vv
