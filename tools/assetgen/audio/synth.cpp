#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace vv::gen {

namespace {

constexpr double kPi = std::numbers::pi;

// Zero-delay state-variable filter; stable up to the Nyquist limit, so
// cutoff sweeps can go anywhere.
struct Svf {
  double ic1 = 0, ic2 = 0;
  double a1 = 0, a2 = 0, a3 = 0, k = 1;
  double low = 0, band = 0, high = 0;
  void Tune(double cutoff, double rate, double q) {
    cutoff = std::clamp(cutoff, 10.0, rate * 0.49);
    double g = std::tan(kPi * cutoff / rate);
    k = 1.0 / std::max(q, 0.05);
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
  }
  void Run(double v0) {
    double v3 = v0 - ic2;
    double v1 = a1 * ic1 + a2 * v3;
    double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2 * v1 - ic1;
    ic2 = 2 * v2 - ic2;
    low = v2;
    band = v1;
    high = v0 - k * v1 - v2;
  }
};

// First three formants of the sung vowels a, e, i, o, u.
constexpr double kFormants[5][3] = {
    {800, 1150, 2900}, {400, 1700, 2600}, {300, 2250, 3000}, {450, 800, 2830}, {325, 700, 2530}};
constexpr double kFormantGain[3] = {1.0, 0.55, 0.3};

double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0.0;
}

double RampAt(const Ramp& r, double x, bool exponential) {
  if (!r.Moves()) return r.from;
  x = std::clamp(x, 0.0, 1.0);
  if (exponential && r.from > 0 && r.to > 0) return r.from * std::pow(r.to / r.from, x);
  return r.from + (r.to - r.from) * x;
}

double Envelope(const VoiceDef& v, double t) {
  if (t < v.attack) return t / v.attack;
  t -= v.attack;
  if (t < v.sustain) return 1.0 + v.punch * (1.0 - t / v.sustain);
  t -= v.sustain;
  if (t < v.release) return std::pow(1.0 - t / v.release, v.curve);
  return 0.0;
}

// The six detuned square waves of a metallic clang or cymbal.
constexpr double kMetalRatios[6] = {1.0, 1.342, 1.483, 1.647, 1.887, 2.236};

void RenderOnce(const VoiceDef& v, double pitchScale, double gain, double offset, StereoBuffer& out,
                Random& rng) {
  const double rate = out.rate;
  const double length = v.Length();
  const std::size_t count = static_cast<std::size_t>(length * rate) + 1;
  const std::size_t first = static_cast<std::size_t>(std::max(0.0, offset) * rate);
  if (out.Size() < first + count) out.Resize(first + count);
  const double glide = v.glide > 0 ? v.glide : length;
  const double leftGain = gain * v.volume * std::min(1.0, 1.0 - v.pan);
  const double rightGain = gain * v.volume * std::min(1.0, 1.0 + v.pan);

  double phase = 0, modPhase = 0, noiseValue = rng.Signed(), noiseClock = 0;
  double metal[6] = {0, 0.13, 0.37, 0.51, 0.77, 0.91};
  Svf low, high, band, formant[3];
  const bool useFormant = v.vowelFrom >= 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = i / rate;
    const double life = t / length;
    double f = RampAt(v.freq, t / glide, true) * pitchScale;
    if (v.jumpTime > 0 && t >= v.jumpTime) f *= v.jumpRatio;
    if (v.vibratoDepth > 0) f *= std::pow(2.0, v.vibratoDepth / 12.0 * std::sin(2 * kPi * v.vibratoRate * t));
    const double dt = std::min(f / rate, 0.5);

    double p = phase;
    if (v.fmRatio > 0) {
      double index = RampAt(v.fmIndex, life, false);
      p += index * std::sin(2 * kPi * modPhase) / (2 * kPi);
      p -= std::floor(p);
      modPhase += dt * v.fmRatio;
      modPhase -= std::floor(modPhase);
    }
    double s = 0;
    switch (v.wave) {
      case Wave::Sine:
        s = std::sin(2 * kPi * p);
        break;
      case Wave::Triangle:
        s = p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
        break;
      case Wave::Saw:
        s = 2 * p - 1 - PolyBlep(p, dt);
        break;
      case Wave::Square: {
        double d = std::clamp(RampAt(v.duty, life, false), 0.02, 0.98);
        double q = p + 1.0 - d;
        q -= std::floor(q);
        s = (p < d ? 1.0 : -1.0) + PolyBlep(p, dt) - PolyBlep(q, dt);
        break;
      }
      case Wave::Noise:
        noiseClock += f / rate;
        if (noiseClock >= 1.0 || f >= rate) {
          noiseClock -= std::floor(noiseClock);
          noiseValue = rng.Signed();
        }
        s = noiseValue;
        break;
      case Wave::Metal:
        for (int m = 0; m < 6; ++m) {
          s += metal[m] < 0.5 ? 1.0 : -1.0;
          metal[m] += dt * kMetalRatios[m];
          metal[m] -= std::floor(metal[m]);
        }
        s /= 3.0;
        break;
    }
    phase += dt;
    phase -= std::floor(phase);
    if (v.grit > 0) s = s * (1.0 - v.grit) + rng.Signed() * v.grit;
    if (v.amDepth > 0) s *= 1.0 - v.amDepth * 0.5 * (1.0 + std::sin(2 * kPi * v.amRate * t));

    if ((i & 7) == 0) {
      if (v.lowPass) low.Tune(RampAt(v.lowCut, t / glide, true), rate, v.resonance);
      if (v.highPass) high.Tune(RampAt(v.highCut, t / glide, true), rate, v.resonance);
      if (v.bandPass) band.Tune(RampAt(v.bandCut, t / glide, true), rate, v.resonance);
      if (useFormant) {
        int to = v.vowelTo >= 0 ? v.vowelTo : v.vowelFrom;
        for (int k = 0; k < 3; ++k) {
          double fc = (kFormants[v.vowelFrom][k] + (kFormants[to][k] - kFormants[v.vowelFrom][k]) * life) *
                      v.vowelSize;
          formant[k].Tune(fc, rate, fc / (60.0 + 40.0 * k));
        }
      }
    }
    if (v.lowPass) {
      low.Run(s);
      s = low.low;
    }
    if (v.highPass) {
      high.Run(s);
      s = high.high;
    }
    if (v.bandPass) {
      band.Run(s);
      s = band.band;
    }
    if (useFormant) {
      double sum = 0;
      for (int k = 0; k < 3; ++k) {
        formant[k].Run(s);
        sum += formant[k].band * kFormantGain[k];
      }
      s = sum * 2.0;
    }
    s *= Envelope(v, t);
    out.left[first + i] += static_cast<float>(s * leftGain);
    out.right[first + i] += static_cast<float>(s * rightGain);
  }
}

}  // namespace

std::uint32_t HashName(const std::string& name) {
  std::uint32_t h = 2166136261u;
  for (unsigned char c : name) h = (h ^ c) * 16777619u;
  return h;
}

void RenderVoice(const VoiceDef& voice, StereoBuffer& out) {
  Random rng(voice.seed);
  double gain = 1.0;
  for (int r = 0; r < std::max(1, voice.repeatCount); ++r) {
    double pitch = r == 0 ? 1.0 : std::pow(2.0, voice.repeatPitch * rng.Signed() / 12.0);
    RenderOnce(voice, pitch, gain, voice.start + r * voice.repeatEvery, out, rng);
    gain *= voice.repeatGain;
  }
}

void ApplyEcho(StereoBuffer& buffer, double time, double feedback, bool pingPong) {
  const std::size_t delay = static_cast<std::size_t>(time * buffer.rate);
  if (delay == 0 || feedback <= 0) return;
  // Enough room for the echoes to fall below -60 dB.
  int repeats = static_cast<int>(std::ceil(std::log(0.001) / std::log(std::min(feedback, 0.95))));
  const std::size_t dry = buffer.Size();
  buffer.Resize(dry + delay * repeats);
  for (std::size_t i = delay; i < buffer.Size(); ++i) {
    if (pingPong) {
      buffer.left[i] += static_cast<float>(feedback * buffer.right[i - delay]);
      buffer.right[i] += static_cast<float>(feedback * buffer.left[i - delay]);
    } else {
      buffer.left[i] += static_cast<float>(feedback * buffer.left[i - delay]);
      buffer.right[i] += static_cast<float>(feedback * buffer.right[i - delay]);
    }
  }
}

void RemoveDc(std::vector<float>& samples, double rate) {
  Svf hp;
  hp.Tune(25.0, rate, 0.7071);
  for (float& s : samples) {
    hp.Run(s);
    s = static_cast<float>(hp.high);
  }
  double mean = 0;
  for (float s : samples) mean += s;
  if (!samples.empty()) mean /= static_cast<double>(samples.size());
  for (float& s : samples) s -= static_cast<float>(mean);
}

std::vector<float> Decimate(const std::vector<float>& in, int factor) {
  if (factor <= 1) return in;
  const int half = 12 * factor;
  std::vector<double> taps(2 * half + 1);
  const double cutoff = 0.46 / factor;  // in cycles per input sample
  double sum = 0;
  for (int n = -half; n <= half; ++n) {
    double x = 2 * cutoff * n;
    double sinc = n == 0 ? 1.0 : std::sin(kPi * x) / (kPi * x);
    double w = 0.42 + 0.5 * std::cos(kPi * n / half) + 0.08 * std::cos(2 * kPi * n / half);
    taps[n + half] = 2 * cutoff * sinc * w;
    sum += taps[n + half];
  }
  for (double& t : taps) t /= sum;
  std::vector<float> out((in.size() + factor - 1) / factor);
  for (std::size_t o = 0; o < out.size(); ++o) {
    const long centre = static_cast<long>(o) * factor;
    double acc = 0;
    for (int n = -half; n <= half; ++n) {
      long idx = centre + n;
      if (idx >= 0 && idx < static_cast<long>(in.size())) acc += taps[n + half] * in[idx];
    }
    out[o] = static_cast<float>(acc);
  }
  return out;
}

void FadeEnds(std::vector<float>& samples, double rate, double fadeIn, double fadeOut) {
  const std::size_t n = samples.size();
  const std::size_t in = std::min(n, static_cast<std::size_t>(fadeIn * rate));
  const std::size_t out = std::min(n, static_cast<std::size_t>(fadeOut * rate));
  for (std::size_t i = 0; i < in; ++i) samples[i] *= static_cast<float>(i) / in;
  for (std::size_t i = 0; i < out; ++i) samples[n - 1 - i] *= static_cast<float>(i) / out;
}

float Peak(const std::vector<float>& samples) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::abs(s));
  return peak;
}

}  // namespace vv::gen
