#include "sound_effects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "audio_assets.h"

namespace vv::gen {
namespace {

const std::filesystem::path kAssets = VIZID_ASSETS_DIR;

std::uint32_t Le(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<std::uint32_t>(b[at + i]) << (8 * i);
  return v;
}

struct Wav {
  int channels = 0, rate = 0, bits = 0;
  std::vector<double> samples;  // -1..1, interleaved
};

Wav ReadWav(const std::vector<std::uint8_t>& b) {
  Wav w;
  EXPECT_GE(b.size(), 44u);
  EXPECT_EQ(0, std::memcmp(b.data(), "RIFF", 4));
  EXPECT_EQ(0, std::memcmp(b.data() + 8, "WAVEfmt ", 8));
  EXPECT_EQ(Le(b, 20, 2), 1u);  // PCM
  w.channels = static_cast<int>(Le(b, 22, 2));
  w.rate = static_cast<int>(Le(b, 24, 4));
  w.bits = static_cast<int>(Le(b, 34, 2));
  EXPECT_EQ(0, std::memcmp(b.data() + 36, "data", 4));
  const std::uint32_t size = Le(b, 40, 4);
  EXPECT_LE(44 + size, b.size());
  for (std::size_t i = 44; i + (w.bits / 8) <= 44 + size; i += w.bits / 8) {
    if (w.bits == 8) {
      w.samples.push_back((b[i] - 128) / 128.0);
    } else {
      w.samples.push_back(static_cast<std::int16_t>(Le(b, i, 2)) / 32768.0);
    }
  }
  return w;
}

TEST(SoundEffects, EveryEffectHasItsFormatAndAHealthyLevel) {
  ASSERT_EQ(SoundNames().size(), 109u);
  for (const std::string& name : SoundNames()) {
    SCOPED_TRACE(name);
    Wav w = ReadWav(MakeSound(name + ".wav", kAssets));
    int rate = 11025, bits = 8, channels = 1;
    if (name == "alarm" || name == "tick" || name == "tick2") rate = 22050;
    if (name == "hop" || name == "deepsink") rate = 48000, bits = 16;
    if (name == "deepsink") channels = 2;
    EXPECT_EQ(w.rate, rate);
    EXPECT_EQ(w.bits, bits);
    EXPECT_EQ(w.channels, channels);
    ASSERT_GT(w.samples.size(), static_cast<std::size_t>(rate / 100));
    double peak = 0, mean = 0;
    for (double s : w.samples) {
      peak = std::max(peak, std::abs(s));
      mean += s;
    }
    mean /= static_cast<double>(w.samples.size());
    EXPECT_GT(peak, 0.1);   // loudness, not the peak, sets the level ...
    EXPECT_LT(peak, 0.95);  // ... and the peak stays under -1 dBFS (0.89)
    EXPECT_LT(std::abs(mean), 0.01);
    // Faded ends: no click at the start or the end.
    EXPECT_LT(std::abs(w.samples.front()), 0.02);
    EXPECT_LT(std::abs(w.samples.back()), 0.02);
  }
}

TEST(SoundEffects, AShortClickFadesInAndOutButKeepsItsBody) {
  // Five milliseconds of square wave with no envelope of its own would
  // start and stop at full level: a step at each end.
  const SoundDef click = ParseSounds("[click]\nsquare f 1000 a 0 s 0.005 r 0\n", "click.sfx").at(0);
  for (const WavFormat format : {WavFormat{11025, 8, 1}, WavFormat{48000, 16, 2}}) {
    SCOPED_TRACE(format.rate);
    for (const std::vector<float>& c : RenderSound(click, format)) {
      ASSERT_GT(c.size(), 20u);
      float peak = 0;
      std::size_t loud = 0;
      for (float s : c) peak = std::max(peak, std::abs(s));
      for (float s : c) loud += std::abs(s) >= 0.5f * peak;
      EXPECT_LT(std::abs(c.front()), 0.05f * peak);
      EXPECT_LT(std::abs(c[1]), 0.5f * peak);
      EXPECT_LT(std::abs(c.back()), 0.05f * peak);
      EXPECT_LT(std::abs(c[c.size() - 2]), 0.5f * peak);
      // ... yet the fades leave most of the click at its level.
      EXPECT_GT(loud, c.size() / 2);
    }
  }
}

TEST(SoundEffects, OnlyTheGamesNamesAreMade) {
  EXPECT_TRUE(MakeSound("hit_13.wav", kAssets).empty());
  EXPECT_TRUE(MakeSound("drop_26.wav", kAssets).empty());
  EXPECT_TRUE(MakeSound("track1.xm", kAssets).empty());
  EXPECT_FALSE(MakeSound("hit_0.wav", kAssets).empty());
}

TEST(SoundEffects, GenerationIsDeterministic) {
  for (const char* name : {"spell_12.wav", "deepsink.wav", "drop_18.wav"}) {
    EXPECT_EQ(MakeSound(name, kAssets), MakeSound(name, kAssets)) << name;
  }
}

TEST(SoundEffects, SourceMistakesNameTheLine) {
  auto failure = [](const std::string& text) {
    try {
      ParseSounds(text, "bad.sfx");
    } catch (const std::runtime_error& e) {
      return std::string(e.what());
    }
    return std::string("no error");
  };
  EXPECT_EQ(failure("[a]\nsine f 100 wobble 3\n"), "bad.sfx:2: unknown voice setting 'wobble'");
  EXPECT_EQ(failure("sine f 100\n"), "bad.sfx:1: voice outside a [sound] block");
  EXPECT_EQ(failure("[a]\n\n# empty\nsine f\n"), "bad.sfx:4: 'f' needs a value");
  EXPECT_EQ(failure("[a]\nsine f 1O0\n"), "bad.sfx:2: expected a number, found '1O0'");
  EXPECT_EQ(failure("[a]\nhum f 100\n"), "bad.sfx:2: unknown wave 'hum'");
  EXPECT_EQ(failure("[a]\n[b]\nsine\n"), "bad.sfx:1: sound 'a' has no voices");
}

TEST(SoundEffects, AMissingBlockStopsTheBuild) {
  const auto dir = std::filesystem::temp_directory_path() / "vizid_audiogen_missing";
  std::filesystem::create_directories(dir / "sfx");
  std::ofstream(dir / "sfx" / "some.sfx") << "[tick]\nsquare f 1000 r 0.01\n";
  EXPECT_FALSE(MakeSound("tick.wav", dir).empty());
  EXPECT_THROW(MakeSound("alarm.wav", dir), std::runtime_error);
  std::filesystem::remove_all(dir);
}

TEST(SoundEffects, VoiceSettingsShapeTheSound) {
  // A 1 kHz square at 44.1 kHz: the sign changes twice per cycle.
  VoiceDef v;
  v.freq = {1000, 1000};
  v.attack = 0.001;
  v.sustain = 0.1;
  v.release = 0.001;
  StereoBuffer b;
  RenderVoice(v, b);
  // The voice lasts about 0.1 s: count over its first 0.1 s, not past its end.
  ASSERT_GE(b.Size(), 4411u);
  int crossings = 0;
  for (std::size_t i = 1; i < 4411; ++i) crossings += (b.left[i - 1] < 0) != (b.left[i] < 0);
  EXPECT_NEAR(crossings, 200, 2);
  // Repeats start later and the buffer grows to hold them.
  v.repeatCount = 3;
  v.repeatEvery = 0.5;
  StereoBuffer r;
  RenderVoice(v, r);
  EXPECT_GT(r.Size(), static_cast<std::size_t>(44100 * 1.1));
}

}  // namespace
}  // namespace vv::gen
