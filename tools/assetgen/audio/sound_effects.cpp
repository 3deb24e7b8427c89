#include "sound_effects.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

#include "loudness.h"

namespace vv::gen {

namespace {

// -1 dBFS.
constexpr float kPeakLevel = 0.891f;

Ramp ParseRamp(const SourceLine& line, const std::string& word) {
  std::size_t arrow = word.find('>');
  if (arrow == std::string::npos) {
    double v = ParseNumber(line, word);
    return {v, v};
  }
  return {ParseNumber(line, word.substr(0, arrow)), ParseNumber(line, word.substr(arrow + 1))};
}

int ParseVowel(const SourceLine& line, const std::string& word) {
  static const std::string vowels = "aeiou";
  std::size_t at = vowels.find(word);
  if (word.size() != 1 || at == std::string::npos) throw SourceError(line, "unknown vowel '" + word + "'");
  return static_cast<int>(at);
}

void PutLe(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

}  // namespace

const std::vector<std::string>& SoundNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    auto family = [&n](const char* prefix, int first, int last) {
      for (int i = first; i <= last; ++i) n.push_back(prefix + std::to_string(i));
    };
    family("drop_", 1, 25);
    family("use_", 1, 1);
    family("hit_", 0, 12);
    family("mhit_", 1, 16);
    family("death_", 1, 3);
    family("mdeath_", 1, 16);
    family("break_", 1, 4);
    family("spell_", 1, 15);
    family("miss_", 1, 3);
    for (const char* single : {"hop", "deepsink", "tele", "chest", "attack", "block", "defend", "take",
                               "tick", "tick2", "alarm", "dropitem", "rest"}) {
      n.push_back(single);
    }
    return n;
  }();
  return names;
}

WavFormat SoundFormat(std::string_view name) {
  if (name == "alarm" || name == "tick" || name == "tick2") return {22050, 8, 1};
  if (name == "hop") return {48000, 16, 1};
  if (name == "deepsink") return {48000, 16, 2};
  return {11025, 8, 1};
}

VoiceDef ParseVoice(const SourceLine& line, std::uint32_t seed) {
  static const std::map<std::string, Wave> waves = {{"square", Wave::Square}, {"saw", Wave::Saw},
                                                    {"sine", Wave::Sine},     {"tri", Wave::Triangle},
                                                    {"noise", Wave::Noise},   {"metal", Wave::Metal}};
  VoiceDef v;
  v.seed = seed;
  auto wave = waves.find(line.words[0]);
  if (wave == waves.end()) throw SourceError(line, "unknown wave '" + line.words[0] + "'");
  v.wave = wave->second;
  if (v.wave == Wave::Noise) v.freq = {44100, 44100};
  const auto& w = line.words;
  std::size_t i = 1;
  auto next = [&](const std::string& key) -> const std::string& {
    if (i >= w.size()) throw SourceError(line, "'" + key + "' needs a value");
    return w[i++];
  };
  while (i < w.size()) {
    const std::string key = w[i++];
    if (key == "at")
      v.start = ParseNumber(line, next(key));
    else if (key == "a")
      v.attack = std::max(1e-4, ParseNumber(line, next(key)));
    else if (key == "s")
      v.sustain = ParseNumber(line, next(key));
    else if (key == "r")
      v.release = std::max(1e-4, ParseNumber(line, next(key)));
    else if (key == "curve")
      v.curve = ParseNumber(line, next(key));
    else if (key == "punch")
      v.punch = ParseNumber(line, next(key));
    else if (key == "f")
      v.freq = ParseRamp(line, next(key));
    else if (key == "glide")
      v.glide = ParseNumber(line, next(key));
    else if (key == "duty")
      v.duty = ParseRamp(line, next(key));
    else if (key == "vib") {
      v.vibratoDepth = ParseNumber(line, next(key));
      v.vibratoRate = ParseNumber(line, next(key));
    } else if (key == "jump") {
      v.jumpTime = ParseNumber(line, next(key));
      v.jumpRatio = ParseNumber(line, next(key));
    } else if (key == "fm") {
      v.fmRatio = ParseNumber(line, next(key));
      v.fmIndex = ParseRamp(line, next(key));
    } else if (key == "grit")
      v.grit = ParseNumber(line, next(key));
    else if (key == "am") {
      v.amDepth = ParseNumber(line, next(key));
      v.amRate = ParseNumber(line, next(key));
    } else if (key == "lp") {
      v.lowPass = true;
      v.lowCut = ParseRamp(line, next(key));
    } else if (key == "hp") {
      v.highPass = true;
      v.highCut = ParseRamp(line, next(key));
    } else if (key == "bp") {
      v.bandPass = true;
      v.bandCut = ParseRamp(line, next(key));
    } else if (key == "q")
      v.resonance = ParseNumber(line, next(key));
    else if (key == "vowel") {
      const std::string& word = next(key);
      std::size_t arrow = word.find('>');
      v.vowelFrom = ParseVowel(line, word.substr(0, arrow));
      v.vowelTo = arrow == std::string::npos ? v.vowelFrom : ParseVowel(line, word.substr(arrow + 1));
    } else if (key == "size")
      v.vowelSize = ParseNumber(line, next(key));
    else if (key == "vol")
      v.volume = ParseNumber(line, next(key));
    else if (key == "pan")
      v.pan = std::clamp(ParseNumber(line, next(key)), -1.0, 1.0);
    else if (key == "rep") {
      v.repeatCount = ParseInt(line, next(key));
      v.repeatEvery = ParseNumber(line, next(key));
      v.repeatGain = ParseNumber(line, next(key));
      v.repeatPitch = ParseNumber(line, next(key));
    } else if (key == "seed")
      v.seed = seed + static_cast<std::uint32_t>(ParseInt(line, next(key))) * 7919u;
    else
      throw SourceError(line, "unknown voice setting '" + key + "'");
  }
  if (v.freq.from <= 0 || v.freq.to <= 0) throw SourceError(line, "frequency must be above 0");
  if (v.repeatCount < 1 || v.repeatCount > 64) throw SourceError(line, "repeat count must be 1..64");
  return v;
}

std::vector<SoundDef> ParseSounds(std::string_view text, const std::string& fileName) {
  std::vector<SoundDef> sounds;
  for (const SourceLine& line : SplitSource(text, fileName)) {
    const std::string& first = line.words[0];
    if (first.front() == '[') {
      if (first.size() < 3 || first.back() != ']') throw SourceError(line, "expected [name]");
      SoundDef sound;
      sound.name = first.substr(1, first.size() - 2);
      sound.file = fileName;
      sound.line = line.number;
      for (std::size_t i = 1; i < line.words.size(); ++i) {
        if (line.words[i] == "echo" && i + 2 < line.words.size()) {
          sound.echoTime = ParseNumber(line, line.words[i + 1]);
          sound.echoFeedback = ParseNumber(line, line.words[i + 2]);
          i += 2;
        } else {
          throw SourceError(line, "unknown sound setting '" + line.words[i] + "'");
        }
      }
      sounds.push_back(std::move(sound));
      continue;
    }
    if (sounds.empty()) throw SourceError(line, "voice outside a [sound] block");
    SoundDef& sound = sounds.back();
    sound.voices.push_back(
        ParseVoice(line, HashName(sound.name) + static_cast<std::uint32_t>(sound.voices.size()) * 101u));
  }
  for (const SoundDef& s : sounds) {
    if (s.voices.empty()) throw SourceError(s.file, s.line, "sound '" + s.name + "' has no voices");
  }
  return sounds;
}

std::vector<SoundDef> LoadSounds(const std::filesystem::path& sfxDir) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(sfxDir)) {
    if (entry.path().extension() == ".sfx") files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  std::vector<SoundDef> all;
  std::map<std::string, std::string> seen;
  for (const auto& path : files) {
    for (SoundDef& s : ParseSounds(ReadTextFile(path), path.filename().string())) {
      if (auto [it, fresh] = seen.emplace(s.name, s.file); !fresh) {
        throw SourceError(s.file, s.line, "sound '" + s.name + "' is already defined in " + it->second);
      }
      all.push_back(std::move(s));
    }
  }
  return all;
}

std::vector<std::vector<float>> RenderSound(const SoundDef& sound, const WavFormat& format) {
  // Oscillators run at four times the low rates so that the bright waves do
  // not fold back into the audible band when the result is brought down.
  const int factor = format.rate < 40000 ? 44100 / format.rate : 1;
  StereoBuffer mix;
  mix.rate = static_cast<double>(format.rate) * factor;
  for (const VoiceDef& v : sound.voices) RenderVoice(v, mix);
  if (sound.echoTime > 0) ApplyEcho(mix, sound.echoTime, sound.echoFeedback, format.channels == 2);

  std::vector<std::vector<float>> channels;
  if (format.channels == 2) {
    channels = {mix.left, mix.right};
  } else {
    std::vector<float> mono(mix.Size());
    for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (mix.left[i] + mix.right[i]);
    channels = {std::move(mono)};
  }
  float peak = 0;
  for (auto& c : channels) {
    c = Decimate(c, factor);
    RemoveDc(c, format.rate);
    // Short clicks keep most of their body: the fade takes at most a fifth.
    const double seconds = static_cast<double>(c.size()) / format.rate;
    FadeEnds(c, format.rate, std::min(0.002, seconds * 0.1), std::min(0.012, seconds * 0.2));
    peak = std::max(peak, Peak(c));
  }
  if (peak > 0) {
    for (auto& c : channels) {
      for (float& s : c) s *= kPeakLevel / peak;
    }
  }
  // Effects of one family play at one loudness; the peak stays at -1 dBFS.
  MatchLoudness(channels, format.rate, FamilyLoudness(EffectFamily(sound.name)), kPeakLevel);
  return channels;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::vector<float>>& channels, int rate, int bits) {
  const std::uint32_t frames = channels.empty() ? 0 : static_cast<std::uint32_t>(channels[0].size());
  const std::uint32_t count = static_cast<std::uint32_t>(channels.size());
  const std::uint32_t bytesPerSample = bits / 8;
  const std::uint32_t dataSize = frames * count * bytesPerSample;
  std::vector<std::uint8_t> out;
  out.reserve(44 + dataSize + 1);
  auto tag = [&out](const char* t) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(t[i]));
  };
  tag("RIFF");
  PutLe(out, 36 + dataSize + (dataSize & 1), 4);
  tag("WAVE");
  tag("fmt ");
  PutLe(out, 16, 4);
  PutLe(out, 1, 2);  // PCM
  PutLe(out, count, 2);
  PutLe(out, rate, 4);
  PutLe(out, rate * count * bytesPerSample, 4);
  PutLe(out, count * bytesPerSample, 2);
  PutLe(out, bits, 2);
  tag("data");
  PutLe(out, dataSize, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    for (const auto& c : channels) {
      double s = std::clamp(static_cast<double>(c[i]), -1.0, 1.0);
      if (bits == 8) {
        out.push_back(static_cast<std::uint8_t>(std::lround(s * 127.0) + 128));
      } else {
        PutLe(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(s * 32767.0))), 2);
      }
    }
  }
  if (dataSize & 1) out.push_back(0);  // chunks are padded to an even size
  return out;
}

}  // namespace vv::gen
