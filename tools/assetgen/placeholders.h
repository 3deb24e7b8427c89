#pragma once
// Stand-ins for assets whose real generator is not part of this build: a
// grey framed picture naming itself, a short tone, an empty but valid
// module, a world of walled screens. They have the catalogue's exact sizes
// and formats, so the game runs with them.

#include <cstdint>
#include <string>
#include <vector>

#include "../../src/shell/asset_catalogue.h"
#include "common/rgba_image.h"

namespace vv::gen {

RgbaImage PlaceholderPicture(const AssetEntry& entry);
// A font strip drawn from a system font, readable if plain.
RgbaImage PlaceholderFont();
std::vector<std::uint8_t> PlaceholderSound(const AssetEntry& entry);
std::vector<std::uint8_t> PlaceholderModule();
std::vector<std::uint8_t> PlaceholderMap();

// A WAV file from 16-bit samples (interleaved when stereo), converted to
// the given format.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, const SoundFormat& format);

}  // namespace vv::gen
