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

// The vowel of a voice: resonances at the recipe's formants (their width
// grows with their height), over a floor, with the formants moved by `shift`.
double FormantGain(const InstrumentRecipe& r, double hz, double shift) {
  if (r.formants.empty()) return 1;
  double g = 0.15;
  for (std::size_t k = 0; k < r.formants.size(); ++k) {
    const double centre = r.formants[k] * shift, width = 0.1 * centre + 40;
    g += (1.0 - 0.25 * static_cast<double>(k)) / (1 + std::pow((hz - centre) / width, 2));
  }
  return g;
}

// A band-pass (two second-order sections) at `centre` Hz over a wave at `rate`.
struct BandPass {
  double b0, b2, a1, a2;
  double x1[2] = {0, 0}, x2[2] = {0, 0}, y1[2] = {0, 0}, y2[2] = {0, 0};
  BandPass(double centre, double rate, double q) {
    const double w = 2 * kPi * centre / rate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    b0 = alpha / a0;
    b2 = -alpha / a0;
    a1 = -2 * std::cos(w) / a0;
    a2 = (1 - alpha) / a0;
  }
  double operator()(double x) {
    for (int s = 0; s < 2; ++s) {
      const double y = b0 * x + b2 * x2[s] - a1 * y1[s] - a2 * y2[s];
      x2[s] = x1[s];
      x1[s] = x;
      y2[s] = y1[s];
      y1[s] = y;
      x = y;
    }
    return x;
  }
};

// Breath: band-passed noise under the tone, stronger at the start of a note
// (the chiff of a flute, the air of a voice). The looped part's noise is
// filtered round the loop twice, so that it joins itself without a click.
void AddBreath(const InstrumentRecipe& r, double rate, std::size_t loopStart, std::vector<double>& wave,
               std::uint32_t seed) {
  double power = 0;
  for (std::size_t n = loopStart; n < wave.size(); ++n) power += wave[n] * wave[n];
  const double level =
      r.breath * std::sqrt(power / static_cast<double>(std::max<std::size_t>(1, wave.size() - loopStart)));
  const double centre = std::min(r.formants.size() > 1 ? r.formants[1] : 1500.0, 0.12 * rate);
  Random random(seed);
  std::vector<double> noise(wave.size());
  BandPass lead(centre, rate, 0.8), loop(centre, rate, 0.8);
  for (std::size_t n = 0; n < loopStart; ++n) noise[n] = lead(random.Signed());
  std::vector<double> raw(wave.size() - loopStart);
  for (double& v : raw) v = random.Signed();
  for (int pass = 0; pass < 2; ++pass) {
    for (std::size_t i = 0; i < raw.size(); ++i) noise[loopStart + i] = loop(raw[i]);
  }
  double noisePower = 0;
  for (std::size_t n = loopStart; n < wave.size(); ++n) noisePower += noise[n] * noise[n];
  const double scale = noisePower > 0 ? level / std::sqrt(noisePower / static_cast<double>(raw.size())) : 0;
  for (std::size_t n = 0; n < wave.size(); ++n) {
    const double t = static_cast<double>(std::min(n, loopStart)) / rate;
    wave[n] += noise[n] * scale * (1 + std::exp(-t / 0.06));
  }
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
  const bool swaying = !r.formants.empty() && r.sway > 0;
  // Unison, a swaying vowel and breath noise need a loop of many cycles
  // (about 0.6 s); a steady tone repeats one.
  const int loopCycles = r.unison > 1 || swaying || r.breath > 0
                             ? std::clamp(static_cast<int>(std::lround(f * 0.6)), 24, 160)
                             : 1;
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
    // A swaying vowel moves through the loop, once round, so it joins itself.
    if (n <= loopStart || (swaying && n % 16 == 0)) {
      // The cutoff slides from sweepFrom to rolloff, evenly in pitch.
      double cutoff = r.rolloff;
      if (r.sweepFrom > 0 && r.rolloff > 0 && t < r.sweepTime)
        cutoff = r.sweepFrom * std::pow(r.rolloff / r.sweepFrom, t / r.sweepTime);
      const double turn =
          n > loopStart ? static_cast<double>(n - loopStart) / static_cast<double>(loopLength) : 0;
      const double shift = 1 + r.sway * std::sin(2 * kPi * turn);
      for (std::size_t i = 0; i < parts.size(); ++i) {
        double a = parts[i].amplitude * Filter(r, parts[i].ratio * f, cutoff) *
                   FormantGain(r, parts[i].ratio * f, shift);
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
  if (r.breath > 0) AddBreath(r, rate, loopStart, wave, seed * 7u + 3u);
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

// A room's reverberation: the sound convolved with sparse random impulses
// that die away by 60 dB over `room` seconds, darkened as they go (stone
// swallows the highs), added under the dry sound.
void AddRoom(const InstrumentRecipe& r, std::vector<double>& wave, std::uint32_t seed) {
  const std::size_t tail = static_cast<std::size_t>(r.room * r.rate);
  const double spacing = r.rate / 1200;  // impulses per second
  Random random(seed);
  std::vector<std::pair<std::size_t, double>> taps;
  double energy = 0;
  for (double at = r.rate * 0.012; at < static_cast<double>(tail); at += spacing) {
    const std::size_t n = static_cast<std::size_t>(at + random.Uniform() * spacing);
    const double g = (random.Uniform() < 0.5 ? -1 : 1) *
                     std::exp(-6.9 * static_cast<double>(n) / static_cast<double>(tail));
    taps.push_back({n, g});
    energy += g * g;
  }
  std::vector<double> wet(wave.size() + tail, 0.0);
  for (const auto& [n, g] : taps) {
    for (std::size_t i = 0; i < wave.size(); ++i) wet[i + n] += g * wave[i];
  }
  const double norm = energy > 0 ? r.roomLevel / std::sqrt(energy) : 0;
  const double pole = std::exp(-2 * kPi * 2500 / r.rate);
  double low = 0;
  wave.resize(wet.size(), 0.0);
  for (std::size_t i = 0; i < wet.size(); ++i) {
    low = (1 - pole) * wet[i] * norm + pole * low;
    wave[i] += low;
  }
  for (std::size_t i = 0; i < std::min<std::size_t>(wave.size(), 64); ++i)
    wave[wave.size() - 1 - i] *= static_cast<double>(i) / 64;
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
  std::vector<double> wave(mono.begin(), mono.end());
  if (r.room > 0) AddRoom(r, wave, HashName(r.name));
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
  } else if (key == "formant") {
    if (w.size() < 2 || w.size() > 4) throw SourceError(line, "formant takes one to three frequencies");
    r.formants.clear();
    for (std::size_t i = 1; i < w.size(); ++i) r.formants.push_back(ParseNumber(line, w[i]));
    if (std::any_of(r.formants.begin(), r.formants.end(), [](double hz) { return hz < 100 || hz > 8000; }))
      throw SourceError(line, "formants lie between 100 and 8000 Hz");
  } else if (key == "sway") {
    need(1);
    r.sway = ParseNumber(line, w[1]);
    if (r.sway < 0 || r.sway > 0.5) throw SourceError(line, "sway is a share 0..0.5");
  } else if (key == "breath") {
    need(1);
    r.breath = ParseNumber(line, w[1]);
    if (r.breath < 0 || r.breath > 1) throw SourceError(line, "breath is a level 0..1");
  } else if (key == "room") {
    need(2);
    r.room = ParseNumber(line, w[1]);
    r.roomLevel = ParseNumber(line, w[2]);
    if (r.room <= 0 || r.room > 4 || r.roomLevel < 0 || r.roomLevel > 2)
      throw SourceError(line, "room is 0..4 seconds and a level 0..2");
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
