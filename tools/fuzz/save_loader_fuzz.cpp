// Fuzz target of the saved-game loaders: whatever the bytes, the game-data
// and slot-information readers neither crash nor accept a file the game
// could not have written. An accepted file, written out again, gives back
// the very same bytes.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

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
  auto same = [&](const std::vector<std::uint8_t>& written) {
    return written.size() == size && std::equal(written.begin(), written.end(), data);
  };

  std::string name;
  if (vv::ParseSlotInfo(bytes, name)) {
    if (name.size() > vv::SAVE_NAME_LENGTH || !same(vv::SlotInfoBytes(name))) __builtin_trap();
  }

  auto saved = std::make_unique<vv::SavedGame>();
  if (vv::ParseGameData(bytes, World(), *saved)) {
    if (size > vv::GAME_DATA_MAX_BYTES || !same(vv::GameDataBytes(*saved))) __builtin_trap();
  }
  return 0;
}
