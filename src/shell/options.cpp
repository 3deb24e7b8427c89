#include "shell/options.h"

#include "shell/file_io.h"

namespace vv {

void ResetOptions(Shell& shell) {
  const int defaults[9] = {0, 1, 1, 1, 1, 1, 1, 0, 0};
  for (int i = 0; i <= OPTION_ENTRIES; ++i) shell.OptionFlags[i] = defaults[i];
}

std::vector<std::uint8_t> OptionsFileBytes(const int (&flags)[9]) {
  ByteWriter out;
  out.Int(OPTIONS_MAGIC);
  for (int i = 1; i <= OPTION_ENTRIES; ++i) out.Int(flags[i]);
  return out.Bytes();
}

bool ParseOptionsFile(std::span<const std::uint8_t> bytes, int (&flags)[9]) {
  ByteReader in(bytes);
  std::int32_t magic = 0;
  if (!in.Int(magic) || magic != OPTIONS_MAGIC) return false;
  int read[9] = {};
  for (int i = 1; i <= OPTION_ENTRIES; ++i) {
    std::int32_t value = 0;
    if (!in.Int(value)) return false;
    read[i] = value;
  }
  if (!in.AtEnd()) return false;
  // The six switches are on or off; 7 and 8 are kept whatever they hold.
  for (int i = 1; i <= 6; ++i) {
    if (read[i] != 0 && read[i] != 1) return false;
  }
  for (int i = 1; i <= OPTION_ENTRIES; ++i) flags[i] = read[i];
  return true;
}

void ReadOptionsFile(Shell& shell) {
  std::vector<std::uint8_t> bytes;
  if (ReadWholeFile(shell.DataDir / OPTIONS_FILE, bytes, 1024)) ParseOptionsFile(bytes, shell.OptionFlags);
}

bool WriteOptionsFile(const Shell& shell) {
  return WriteFileAtomically(shell.DataDir / OPTIONS_FILE, OptionsFileBytes(shell.OptionFlags));
}

}  // namespace vv
