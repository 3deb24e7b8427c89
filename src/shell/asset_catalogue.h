#pragma once
// The list of every file embedded in the game: its name, what kind of file it
// is and the size or format the game relies on. The asset generator makes
// exactly these files and the tests hold the pictures to these sizes.

#include <string>
#include <string_view>
#include <vector>

namespace vv {

enum class AssetKind { Picture, Sound, Module, Map };

// How a WAV file is stored.
struct SoundFormat {
  int rate = 0;
  int bits = 0;
  int channels = 0;
};

struct AssetEntry {
  std::string name;  // "data/gfx/arrow.png"
  AssetKind kind = AssetKind::Picture;
  int width = 0;  // pictures; 0 where the picture's size is free (monsters, spells)
  int height = 0;
  SoundFormat format;  // sounds
};

// All 390 entries, pictures first, then sounds, modules and the map.
const std::vector<AssetEntry>& AssetCatalogue();

// The entry with this name ("data\gfx\x.png" and "data/gfx/x.png" alike), or null.
const AssetEntry* FindCatalogueEntry(std::string_view name);

// Turns the game's backslash names into the slash form the catalogue uses.
std::string NormaliseAssetName(std::string_view name);

// The file name without its folders: "data/gfx/arrow.png" gives "arrow.png".
std::string_view AssetFileName(std::string_view name);

}  // namespace vv
