#pragma once
#include <filesystem>

namespace vv {

// Where the game keeps its driver file, options and saved games. A writable
// "data" folder that already stands beside the program wins (a build folder,
// or a copy of the game unpacked somewhere the player owns); an installed
// game has none, so its player's files go to
// $XDG_DATA_HOME/vizid-of-vorgash/data (~/.local/share/... by default) and
// the install folder may be read-only. Nothing is created here.
std::filesystem::path DataDirForProgram(const std::filesystem::path& exe);
// The same for the running program (its path from /proc, else argv[0]).
std::filesystem::path ChooseDataDir(const char* argv0);

}  // namespace vv
