#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "loudness.h"
#include "tune.h"
#include "xm_write.h"

namespace vv::gen {

// The share of its full volume at which the game plays a module: the title
// at 200/256, the area tracks capped at 150/256 (the desert at 230/256), the
// battles at full volume. Mirrors the caps in the game's music code.
double GameGain(std::string_view moduleName);

// Reads an XM file back into patterns, order and instruments (with their
// samples and keymaps); throws std::runtime_error on a malformed file.
XmModule ReadXm(const std::vector<std::uint8_t>& bytes);

// What a listener would notice in one module, measured the way the game
// plays it (libxmp at 44.1 kHz, one pass, at the game's volume).
struct ModuleMeasures {
  std::size_t bytes = 0;
  double gameRmsDb = -120;  // RMS at the game's volume, dBFS
  double gamePeakDb = -120;
  double below60 = 0;       // share of the energy below 60 Hz, 0..1
  double leadToMixDb = 0;   // the lead alone against the full mix, where the lead plays
  int leadOnsets = 0;       // notes the lead starts
  int clashes = 0;          // ... a semitone from a note held under it (passing notes and
                            // resolved appoggiaturas are colour, not clashes)
  double topPartialHz = 0;  // highest partial any instrument sends out at the highest note it plays
  double aliasedDb = -120;  // energy of the instrument partials above 22.05 kHz against the whole, worst one
  std::string topWhere;     // instrument of the highest partial
  double ClashRate() const { return leadOnsets ? static_cast<double>(clashes) / leadOnsets : 0; }
};

// Measures a built module; the layout says which channels are lead, echo
// and drums (from compiling its tune source).
ModuleMeasures MeasureModule(const std::vector<std::uint8_t>& xm, const TuneLayout& layout, double gain);

// The same for one of the game's modules, built from the assets folder, or
// read from xmDir when that is given (to measure earlier builds).
ModuleMeasures MeasureGameModule(const std::string& name, const std::filesystem::path& assetsDir,
                                 const std::filesystem::path& xmDir = {});

// Reads a PCM WAV (8-bit unsigned or 16-bit) into channels; rate set.
std::vector<std::vector<float>> DecodeWav(const std::vector<std::uint8_t>& wav, int& rate);

// A voice's timbre in a few numbers: the energy in 16 bands spread over
// the spectrum, and the shape of the level over time.
std::vector<double> VoiceProfile(const std::vector<std::vector<float>>& channels, int rate);
double ProfileDistance(const std::vector<double>& a, const std::vector<double>& b);

}  // namespace vv::gen
