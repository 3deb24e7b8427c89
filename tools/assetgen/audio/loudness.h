#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vv::gen {

// Short-term loudness (the loudest 400 ms window, K-weighted), in LUFS, of
// an effect's channels at their own rate.
double ShortTermLoudness(const std::vector<std::vector<float>>& channels, int rate);

// The family an effect's loudness is matched within: "interface",
// "inventory", "hits" (hits, misses and deaths) or "spells".
std::string EffectFamily(std::string_view name);

// The loudness each family is brought to, LUFS.
double FamilyLoudness(const std::string& family);

// Brings the channels to `target` LUFS with their peak at most `ceiling`:
// a look-ahead limiter takes at most `maxLimitDb` off the peaks, and a sound
// that would need more is left that much quieter.
void MatchLoudness(std::vector<std::vector<float>>& channels, int rate, double target, float ceiling,
                   double maxLimitDb = 9);

}  // namespace vv::gen
