#pragma once
#include <filesystem>

namespace vv {

// Where the game keeps its driver file, options and saved games: the "data"
// folder beside the program when it can write there, otherwise
// $XDG_DATA_HOME/vizid-of-vorgash/data (~/.local/share/... by default).
std::filesystem::path ChooseDataDir(const char* argv0);

}  // namespace vv
