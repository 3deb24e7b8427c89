#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "source_text.h"
#include "synth.h"

namespace vv::gen {

// One sound as written in assets/sfx: its voices and the echo laid over them.
struct SoundDef {
  std::string name;
  std::string file;
  int line = 0;
  std::vector<VoiceDef> voices;
  double echoTime = 0;
  double echoFeedback = 0;
};

struct WavFormat {
  int rate = 11025;
  int bits = 8;
  int channels = 1;
};

// The game's 109 effect names (without ".wav"), in catalogue order.
const std::vector<std::string>& SoundNames();

// The file format the game expects for an effect name.
WavFormat SoundFormat(std::string_view name);

// Reads the voice description that follows the wave name on a line:
// "square f 440>220 a 0.01 s 0.1 r 0.3 lp 3000 ...".
VoiceDef ParseVoice(const SourceLine& line, std::uint32_t seed);

// Reads every [name] block of one effects file.
std::vector<SoundDef> ParseSounds(std::string_view text, const std::string& fileName);

// All blocks of all *.sfx files in the folder; a name given twice is an error.
std::vector<SoundDef> LoadSounds(const std::filesystem::path& sfxDir);

// Mixes the voices at a high rate, brings the result down to the format's
// rate, takes out DC, fades the ends and scales the peak to -1 dBFS.
std::vector<std::vector<float>> RenderSound(const SoundDef& sound, const WavFormat& format);

// PCM WAV: 8-bit unsigned or 16-bit signed, one vector per channel.
std::vector<std::uint8_t> EncodeWav(const std::vector<std::vector<float>>& channels, int rate, int bits);

}  // namespace vv::gen
