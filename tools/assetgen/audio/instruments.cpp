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
    if (r.rolloff > 0) a /= std::sqrt(1.0 + std::pow(k * kMiddleC / r.rolloff, 4));
    if (a != 0) p.push_back({static_cast<double>(k), a, phase});
  }
  return p;
}

// Sets relative note and finetune so that a sample recorded at `rate` with
// middle C at `reference` Hz is heard at concert pitch.
void Tune(XmSample& s, double rate, double reference) {
  double semitones = 12.0 * std::log2(kMiddleC * rate / (reference * kXmBaseRate));
  long whole = std::lround(semitones);
  s.relativeNote = static_cast<int>(whole);
  s.finetune = static_cast<int>(std::lround((semitones - static_cast<double>(whole)) * 128));
}

void Store(XmSample& s, const std::vector<double>& wave) {
  double peak = 0;
  for (double v : wave) peak = std::max(peak, std::abs(v));
  const double scale = peak > 0 ? 32000.0 / peak : 0;
  s.data.resize(wave.size());
  for (std::size_t i = 0; i < wave.size(); ++i) {
    s.data[i] = static_cast<std::int16_t>(std::lround(wave[i] * scale));
  }
}

void AdditiveSample(const InstrumentRecipe& r, XmSample& s) {
  const int cycle = r.cycle;
  const double rate = kMiddleC * cycle;
  const std::vector<Partial> partials = Spectrum(r, cycle / 2 - 1);
  // Detuned copies need a loop of many cycles so that each copy still ends
  // its loop on a whole cycle.
  const int cycles = r.unison > 1 ? 256 : 1;
  std::vector<double> copies;
  for (int u = 0; u < r.unison; ++u) {
    double cents = r.unison > 1 ? r.detune * (u / (r.unison - 1.0) - 0.5) : 0;
    copies.push_back(std::round(cycles * std::pow(2.0, cents / 1200.0)) / cycles);
  }
  const std::size_t loopLength = static_cast<std::size_t>(cycle) * cycles;
  std::size_t lead = 0;
  if (r.pluck > 0) lead = static_cast<std::size_t>(r.pluckTime * rate) / cycle * cycle;
  std::vector<double> wave(lead + loopLength);
  for (std::size_t n = 0; n < wave.size(); ++n) {
    // Upper harmonics die away during the lead, then the loop holds them.
    const double t = std::min(n, lead) / rate;
    double v = 0;
    for (std::size_t u = 0; u < copies.size(); ++u) {
      for (const Partial& p : partials) {
        double a = p.amplitude;
        if (r.pluck > 0) a *= std::exp(-r.pluck * (p.ratio - 1) * t);
        double phase = p.phase + 1.7 * u * p.ratio;
        v += a * std::sin(2 * kPi * p.ratio * copies[u] * static_cast<double>(n) / cycle + phase);
      }
    }
    wave[n] = v;
  }
  Store(s, wave);
  s.loopStart = lead;
  s.loopLength = loopLength;
  Tune(s, rate, kMiddleC);
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
  Store(s, std::vector<double>(mono.begin(), mono.end()));
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
  } else if (key == "cycle") {
    need(1);
    r.cycle = ParseInt(line, w[1]);
    if (r.cycle < 16 || r.cycle > 512) throw SourceError(line, "cycle must be 16..512 samples");
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

XmInstrument SynthesizeInstrument(const InstrumentRecipe& r) {
  XmInstrument ins;
  ins.name = r.name;
  ins.sample.name = r.name;
  ins.sample.sixteenBit = r.sixteenBit;
  ins.sample.volume = r.volume;
  ins.sample.pan = 128 + r.pan;
  if (!r.wave.empty()) {
    AdditiveSample(r, ins.sample);
  } else {
    VoiceSample(r, ins.sample);
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
