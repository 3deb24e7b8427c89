// Fuzz target of the slot files that name a saved game: an accepted file
// holds a name the save screen can show and is the file the game writes
// for that name.

#include <string>

#include "fuzz_support.h"
#include "persistence/save_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  std::string name = "untouched";
  if (vv::ParseSlotInfo(bytes, name)) {
    vv::fuzz::Require(name.size() <= vv::SAVE_NAME_LENGTH &&
                      vv::fuzz::SameBytes(vv::SlotInfoBytes(name), bytes));
  } else {
    vv::fuzz::Require(name == "untouched");
  }
  return 0;
}
