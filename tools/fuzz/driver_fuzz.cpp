// Fuzz target of the driver file: any bytes preselect one of the two
// renderers, and only the file the game writes for the second one
// preselects it.

#include "fuzz_support.h"
#include "shell/startup_menu.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  const int choice = vv::DriverChoiceFromFile(bytes);
  vv::fuzz::Require(choice == 0 || choice == 1);
  if (choice == 1) vv::fuzz::Require(vv::fuzz::SameBytes(vv::DriverFileBytes(2), bytes));
  return 0;
}
