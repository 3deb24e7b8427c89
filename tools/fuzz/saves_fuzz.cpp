// Fuzz target of the saved-game loader: whatever the bytes, the game-data
// reader neither crashes nor accepts a file the game could not have
// written. An accepted file, written out again, gives back the very same
// bytes.

#include <memory>

#include "fuzz_support.h"
#include "persistence/save_files.h"
#include "world/level_table.h"

namespace {

const vv::WorldTables& World() {
  static const vv::WorldTables* world = [] {
    auto* w = new vv::WorldTables;
    vv::InitLevelTables(*w);
    return w;
  }();
  return *world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  auto saved = std::make_unique<vv::SavedGame>();
  if (vv::ParseGameData(bytes, World(), *saved)) {
    vv::fuzz::Require(size <= vv::GAME_DATA_MAX_BYTES &&
                      vv::fuzz::SameBytes(vv::GameDataBytes(*saved), bytes));
  }
  return 0;
}
