#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "sound_effects.h"

namespace vv::gen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kMiddleC = 261.6256;
constexpr double kXmBaseRate = 8363.0;  // rate of a sample played at C-4 with no tuning

struct Partial {
  double ratio;  // harmonic number
  double amplitude;
  double phase;
};

// The wave's harmonic amplitudes and phases, before any filter.
std::vector<Partial> Spectrum(const InstrumentRecipe& r, int maxHarmonic) {
  std::vector<Partial> p;
  for (int k = 1; k <= maxHarmonic; ++k) {
    double a = 0, phase = 0;
    if (r.wave == "saw") {
      a = 1.0 / k;
    } else if (r.wave == "square") {
      a = k % 2 ? 1.0 / k : 0;
    } else if (r.wave == "pulse") {
      a = 2.0 / (k * kPi) * std::sin(k * kPi * r.duty);
      phase = kPi / 2 - k * kPi * r.duty;
    } else if (r.wave == "tri") {
      a = k % 2 ? ((k / 2) % 2 ? -1.0 : 1.0) / (k * k) : 0;
    } else if (r.wave == "sine") {
      a = k == 1 ? 1 : 0;
    } else if (r.wave == "organ") {
      static const double bars[9] = {0, 1.0, 0.55, 0.35, 0.25, 0, 0.12, 0, 0.08};
      a = k < 9 ? bars[k] : 0;
    } else if (r.wave == "harmonics") {
      a = k <= static_cast<int>(r.harmonics.size()) ? r.harmonics[k - 1] : 0;
    }
    if (a != 0) p.push_back({static_cast<double>(k), a, phase});
  }
  return p;
}

// A 24 dB per octave low-pass at `cutoff` Hz (none when 0) and the
// recipe's high-pass, both in absolute frequency.
double Filter(const InstrumentRecipe& r, double hz, double cutoff) {
  double g = 1;
  if (cutoff > 0) g /= std::sqrt(1.0 + std::pow(hz / cutoff, 4));
  if (r.highPass > 0) g /= std::sqrt(1.0 + std::pow(r.highPass / hz, 4));
  return g;
}

double NoteHz(int note) {  // module note 1..96, C-4 is 49
  return kMiddleC * std::pow(2.0, (note - 49) / 12.0);
}

// Sets relative note and finetune so that a sample recorded at `rate` with
// middle C at `reference` Hz is heard at concert pitch.
void Tune(XmSample& s, double rate, double reference) {
  double semitones = 12.0 * std::log2(kMiddleC * rate / (reference * kXmBaseRate));
  long whole = std::lround(semitones);
  s.relativeNote = static_cast<int>(whole);
  s.finetune = static_cast<int>(std::lround((semitones - static_cast<double>(whole)) * 128));
}

void Store(XmSample& s, const std::vector<double>& wave, double scale) {
  s.data.resize(wave.size());
  for (std::size_t i = 0; i < wave.size(); ++i) {
    s.data[i] = static_cast<std::int16_t>(std::clamp(std::lround(wave[i] * scale), -32767L, 32767L));
  }
}

double PeakOf(const std::vector<double>& wave) {
  double peak = 0;
  for (double v : wave) peak = std::max(peak, std::abs(v));
  return peak;
}

// Highest partial frequency any sample may send out at the top of its
// range: the output runs at 44.1 kHz and players interpolate linearly.
constexpr double kTopPartialHz = 18000;

// One sample of a wave instrument for the notes low..high (module notes),
// pitched at the middle of its range. Only partials that stay under
// kTopPartialHz at `high` are built, the filters act in absolute Hz, and
// the lead-in before the loop carries the brightness sweep and the pluck.
std::vector<double> ZoneWave(const InstrumentRecipe& r, int low, int high, std::uint32_t seed, double& rate,
                             std::size_t& loopStart, std::size_t& loopLength) {
  const int centre = (low + high + 1) / 2;
  const double f = NoteHz(centre);
  const int maxHarmonic = std::max(1, static_cast<int>(kTopPartialHz / NoteHz(high)));
  std::vector<Partial> partials = Spectrum(r, maxHarmonic);
  // Partials the filter has taken 60 dB under the fundamental are left out.
  double strongest = 0;
  for (const Partial& p : partials)
    strongest = std::max(strongest, std::abs(p.amplitude) * Filter(r, p.ratio * f, r.rolloff));
  std::erase_if(partials, [&](const Partial& p) {
    const double open = r.sweepFrom > r.rolloff ? r.sweepFrom : r.rolloff;
    return std::abs(p.amplitude) * Filter(r, p.ratio * f, open) < strongest * 1e-3;
  });
  if (partials.empty()) partials.push_back({1, 1, 0});
  const int top = static_cast<int>(partials.back().ratio);
  // Three samples per cycle of the top partial leave linear interpolation
  // little to smear.
  const int cycle = std::max(16, (3 * top + 7) / 8 * 8);
  rate = f * cycle;

  // Unison: the fundamental stays single and steady; each upper partial has
  // its detuned copies with their own phases, so that they beat at many
  // different rates instead of cancelling together.
  struct Component {
    double cycles;  // per loop
    double amplitude, phase, ratio;
  };
  const int loopCycles = r.unison > 1 ? std::clamp(static_cast<int>(std::lround(f * 0.6)), 24, 160) : 1;
  Random random(seed);
  std::vector<Component> parts;
  for (const Partial& p : partials) {
    const int copies = p.ratio < 1.5 ? 1 : r.unison;
    for (int u = 0; u < copies; ++u) {
      const double cents = copies > 1 ? r.detune * (u / (copies - 1.0) - 0.5) : 0;
      const double cycles = std::max(1.0, std::round(p.ratio * loopCycles * std::pow(2.0, cents / 1200.0)));
      const double phase = copies > 1 ? random.Uniform() * 2 * kPi : p.phase;
      parts.push_back({cycles, p.amplitude / std::sqrt(static_cast<double>(copies)), phase, p.ratio});
    }
  }
  loopLength = static_cast<std::size_t>(cycle) * loopCycles;
  const double evolving = std::max(r.pluck > 0 ? r.pluckTime : 0.0, r.sweepFrom > 0 ? r.sweepTime : 0.0);
  loopStart = static_cast<std::size_t>(evolving * rate) / cycle * cycle;
  std::vector<double> wave(loopStart + loopLength);
  std::vector<double> gains(parts.size());
  for (std::size_t n = 0; n < wave.size(); ++n) {
    const double t = static_cast<double>(std::min(n, loopStart)) / rate;
    if (n <= loopStart) {
      // The cutoff slides from sweepFrom to rolloff, evenly in pitch.
      double cutoff = r.rolloff;
      if (r.sweepFrom > 0 && r.rolloff > 0 && t < r.sweepTime)
        cutoff = r.sweepFrom * std::pow(r.rolloff / r.sweepFrom, t / r.sweepTime);
      for (std::size_t i = 0; i < parts.size(); ++i) {
        double a = parts[i].amplitude * Filter(r, parts[i].ratio * f, cutoff);
        if (r.pluck > 0) a *= std::exp(-r.pluck * (parts[i].ratio - 1) * t);
        gains[i] = a;
      }
    }
    double v = 0;
    const double position = static_cast<double>(n) / static_cast<double>(loopLength);
    for (std::size_t i = 0; i < parts.size(); ++i) {
      v += gains[i] * std::sin(2 * kPi * parts[i].cycles * position + parts[i].phase);
    }
    wave[n] = v;
  }
  return wave;
}

void AdditiveSamples(const InstrumentRecipe& r, int low, int high, XmInstrument& ins) {
  // Ranges of two octaves from the lowest note played.
  std::vector<std::pair<int, int>> zones;
  for (int z = low; z <= high && zones.size() < 16; z += 24) zones.push_back({z, std::min(high, z + 23)});
  std::vector<std::vector<double>> waves;
  double peak = 0;
  ins.samples.assign(zones.size(), ins.samples[0]);
  for (std::size_t z = 0; z < zones.size(); ++z) {
    double rate = 0;
    XmSample& s = ins.samples[z];
    waves.push_back(ZoneWave(r, zones[z].first, zones[z].second,
                             HashName(r.name) + static_cast<std::uint32_t>(z), rate, s.loopStart,
                             s.loopLength));
    peak = std::max(peak, PeakOf(waves.back()));
    Tune(s, rate, NoteHz((zones[z].first + zones[z].second + 1) / 2));  // the zone's pitch
  }
  // One scale for all ranges keeps their levels matched.
  for (std::size_t z = 0; z < zones.size(); ++z)
    Store(ins.samples[z], waves[z], peak > 0 ? 32000.0 / peak : 0);
  ins.keymap.assign(96, 0);
  for (int n = 1; n <= 96; ++n) {
    for (std::size_t z = 0; z < zones.size(); ++z) {
      if (n >= zones[z].first) ins.keymap[n - 1] = static_cast<int>(z);
    }
  }
}

void VoiceSample(const InstrumentRecipe& r, XmSample& s) {
  StereoBuffer mix;
  mix.rate = r.rate * 2;
  for (const VoiceDef& v : r.voices) RenderVoice(v, mix);
  std::vector<float> mono(mix.Size());
  for (std::size_t i = 0; i < mono.size(); ++i) mono[i] = 0.5f * (mix.left[i] + mix.right[i]);
  mono = Decimate(mono, 2);
  RemoveDc(mono, r.rate);
  FadeEnds(mono, r.rate, 0.0005, 0.01);
  const std::vector<double> wave(mono.begin(), mono.end());
  const double peak = PeakOf(wave);
  Store(s, wave, peak > 0 ? 32000.0 / peak : 0);
  Tune(s, r.rate, r.pitch);
}

}  // namespace

bool ParseInstrumentLine(const SourceLine& line, InstrumentRecipe& r) {
  const auto& w = line.words;
  const std::string& key = w[0];
  auto need = [&](std::size_t n) {
    if (w.size() != n + 1) throw SourceError(line, "'" + key + "' takes " + std::to_string(n) + " values");
  };
  static const std::vector<std::string> waves = {"saw",  "square", "pulse",    "tri",
                                                 "sine", "organ",  "harmonics"};
  if (key == "wave") {
    if (w.size() < 2 || std::find(waves.begin(), waves.end(), w[1]) == waves.end()) {
      throw SourceError(line, "wave must be one of saw square pulse tri sine organ harmonics");
    }
    r.wave = w[1];
    if (r.wave == "pulse") {
      need(2);
      r.duty = ParseNumber(line, w[2]);
      if (r.duty <= 0 || r.duty >= 1) throw SourceError(line, "pulse duty must be between 0 and 1");
    } else if (r.wave == "harmonics") {
      for (std::size_t i = 2; i < w.size(); ++i) r.harmonics.push_back(ParseNumber(line, w[i]));
      if (r.harmonics.empty()) throw SourceError(line, "harmonics needs amplitudes");
    } else {
      need(1);
    }
  } else if (key == "voice") {
    SourceLine voiceLine{line.file, line.number, std::vector<std::string>(w.begin() + 1, w.end())};
    if (voiceLine.words.empty()) throw SourceError(line, "voice needs a wave");
    r.voices.push_back(
        ParseVoice(voiceLine, HashName(r.name) + static_cast<std::uint32_t>(r.voices.size()) * 31u));
  } else if (key == "unison") {
    need(2);
    r.unison = std::clamp(ParseInt(line, w[1]), 1, 5);
    r.detune = ParseNumber(line, w[2]);
  } else if (key == "rolloff") {
    need(1);
    r.rolloff = ParseNumber(line, w[1]);
  } else if (key == "pluck") {
    need(2);
    r.pluck = ParseNumber(line, w[1]);
    r.pluckTime = ParseNumber(line, w[2]);
  } else if (key == "highpass") {
    need(1);
    r.highPass = ParseNumber(line, w[1]);
  } else if (key == "sweep") {
    need(2);
    r.sweepFrom = ParseNumber(line, w[1]);
    r.sweepTime = ParseNumber(line, w[2]);
    if (r.sweepFrom <= 0 || r.sweepTime <= 0 || r.sweepTime > 1)
      throw SourceError(line, "sweep is a start frequency and 0..1 seconds");
  } else if (key == "pitch") {
    need(1);
    r.pitch = ParseNumber(line, w[1]);
  } else if (key == "rate") {
    need(1);
    r.rate = ParseNumber(line, w[1]);
    if (r.rate < 4000 || r.rate > 44100) throw SourceError(line, "rate must be 4000..44100");
  } else if (key == "bits") {
    need(1);
    int bits = ParseInt(line, w[1]);
    if (bits != 8 && bits != 16) throw SourceError(line, "bits must be 8 or 16");
    r.sixteenBit = bits == 16;
  } else if (key == "env") {
    need(4);
    r.envelope = true;
    r.attack = ParseInt(line, w[1]);
    r.decay = ParseInt(line, w[2]);
    r.sustainLevel = ParseInt(line, w[3]);
    r.release = ParseInt(line, w[4]);
    if (r.attack < 0 || r.decay < 0 || r.release < 0 || r.sustainLevel < 0 || r.sustainLevel > 64) {
      throw SourceError(line, "env is attack decay sustain(0..64) release, in ticks");
    }
  } else if (key == "fadeout") {
    need(1);
    r.fadeout = std::clamp(ParseInt(line, w[1]), 0, 4095);
  } else if (key == "volume") {
    need(1);
    r.volume = ParseInt(line, w[1]);
    if (r.volume < 0 || r.volume > 64) throw SourceError(line, "volume must be 0..64");
  } else if (key == "pan") {
    need(1);
    r.pan = std::clamp(ParseInt(line, w[1]), -128, 127);
  } else if (key == "vibrato") {
    need(3);
    r.vibratoDepth = std::clamp(ParseInt(line, w[1]), 0, 15);
    r.vibratoRate = std::clamp(ParseInt(line, w[2]), 0, 63);
    r.vibratoSweep = std::clamp(ParseInt(line, w[3]), 0, 255);
  } else {
    return false;
  }
  return true;
}

XmInstrument SynthesizeInstrument(const InstrumentRecipe& r, int lowNote, int highNote) {
  XmInstrument ins;
  ins.name = r.name;
  ins.samples.resize(1);
  XmSample& sample = ins.samples[0];
  sample.name = r.name;
  sample.sixteenBit = r.sixteenBit;
  sample.volume = r.volume;
  sample.pan = 128 + r.pan;
  if (!r.wave.empty()) {
    AdditiveSamples(r, std::min(lowNote, highNote), std::max(lowNote, highNote), ins);
  } else {
    VoiceSample(r, sample);
  }
  if (r.envelope) {
    // Attack to full, decay to the held level, and after key-off release to silence.
    int t = 0;
    if (r.attack > 0) ins.volumeEnvelope.push_back({0, 0});
    t += r.attack;
    ins.volumeEnvelope.push_back({t, 64});
    t += std::max(r.decay, 1);
    ins.volumeEnvelope.push_back({t, r.sustainLevel});
    ins.sustainPoint = static_cast<int>(ins.volumeEnvelope.size()) - 1;
    t += std::max(r.release, 1);
    ins.volumeEnvelope.push_back({t, 0});
  }
  ins.fadeout = r.fadeout;
  ins.vibratoDepth = r.vibratoDepth;
  ins.vibratoRate = r.vibratoRate;
  ins.vibratoSweep = r.vibratoSweep;
  return ins;
}

}  // namespace vv::gen
