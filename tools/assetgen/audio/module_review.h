#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vv::gen {

// What the game's module player makes of a module: played through libxmp at
// 44.1 kHz stereo, one pass up to the loop point.
struct ModuleReview {
  bool loaded = false;
  int channels = 0;
  int durationMs = 0;  // one pass of the order list, up to where it loops
  double peak = 0;     // 0..1 of full scale
  double rms = 0;
  std::size_t clipped = 0;          // samples at full scale
  std::vector<std::int16_t> audio;  // interleaved stereo, the pass plus a short faded tail
};

// Plays the module; keepAudio false skips storing the samples.
ModuleReview ReviewModule(const std::vector<std::uint8_t>& xm, bool keepAudio, double fadeSeconds = 3.0);

// Interleaved stereo 16-bit WAV at 44.1 kHz.
std::vector<std::uint8_t> StereoWav44(const std::vector<std::int16_t>& interleaved);

// Brings an effect's channels (at their own rate) to 44.1 kHz interleaved stereo.
std::vector<std::int16_t> EffectTo44(const std::vector<std::vector<float>>& channels, int rate);

}  // namespace vv::gen
