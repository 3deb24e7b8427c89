#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vv::gen {

enum class Wave { Square, Saw, Sine, Triangle, Noise, Metal };

// A value that moves from `from` to `to` over a voice's life (or its glide).
struct Ramp {
  double from = 0;
  double to = 0;
  bool Moves() const { return from != to; }
};

// One layer of a sound: an oscillator with its envelope, pitch movement,
// modulation and filters. Times are seconds, frequencies hertz.
struct VoiceDef {
  Wave wave = Wave::Square;
  double start = 0;  // when the voice begins inside the sound
  double attack = 0.002;
  double sustain = 0;
  double release = 0.1;
  double curve = 2;  // release shape: 1 straight, higher falls faster at first
  double punch = 0;  // extra level at the start of the sustain
  Ramp freq{440, 440};
  double glide = 0;  // seconds for the frequency ramp; 0 means the whole voice
  Ramp duty{0.5, 0.5};
  double vibratoDepth = 0;  // semitones
  double vibratoRate = 0;
  double jumpTime = 0;  // at this time the pitch is multiplied by jumpRatio
  double jumpRatio = 1;
  double fmRatio = 0;  // sine modulator at freq * ratio
  Ramp fmIndex{0, 0};
  double grit = 0;  // noise mixed into the oscillator
  double amDepth = 0;
  double amRate = 0;
  bool lowPass = false, highPass = false, bandPass = false;
  Ramp lowCut{0, 0}, highCut{0, 0}, bandCut{0, 0};
  double resonance = 0.7;
  int vowelFrom = -1, vowelTo = -1;  // formant filter, vowels a e i o u as 0..4
  double vowelSize = 1;              // formant scale: below 1 is a bigger throat
  double volume = 1;
  double pan = 0;
  int repeatCount = 1;
  double repeatEvery = 0;
  double repeatGain = 1;
  double repeatPitch = 0;  // random pitch spread of the repeats, semitones
  std::uint32_t seed = 1;

  double Length() const { return attack + sustain + release; }
};

// Stereo sample buffer at one rate.
struct StereoBuffer {
  double rate = 44100;
  std::vector<float> left, right;
  std::size_t Size() const { return left.size(); }
  void Resize(std::size_t n) {
    left.resize(n, 0.f);
    right.resize(n, 0.f);
  }
};

// Adds the voice (with its repeats) into the buffer, growing it as needed.
void RenderVoice(const VoiceDef& voice, StereoBuffer& out);

// Feedback echo; on a stereo result the repeats alternate sides.
void ApplyEcho(StereoBuffer& buffer, double time, double feedback, bool pingPong);

// Removes DC with a gentle high-pass.
void RemoveDc(std::vector<float>& samples, double rate);

// Low-pass filtered integer down-sampling.
std::vector<float> Decimate(const std::vector<float>& in, int factor);

// Short linear fades at both ends against clicks.
void FadeEnds(std::vector<float>& samples, double rate, double fadeIn, double fadeOut);

// Largest absolute sample value.
float Peak(const std::vector<float>& samples);

// Small deterministic random generator (xorshift).
struct Random {
  std::uint32_t state;
  explicit Random(std::uint32_t seed) : state(seed ? seed * 2654435761u + 1 : 0x9e3779b9u) {}
  std::uint32_t Next() {
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
  }
  double Uniform() { return (Next() >> 8) * (1.0 / 16777216.0); }  // 0..1
  double Signed() { return Uniform() * 2 - 1; }                    // -1..1
};

std::uint32_t HashName(const std::string& name);

}  // namespace vv::gen
