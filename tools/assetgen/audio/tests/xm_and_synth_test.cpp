#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "instruments.h"
#include "module_measures.h"
#include "module_review.h"
#include "synth.h"
#include "tune.h"
#include "xm_write.h"

namespace vv::gen {
namespace {

int U16(const std::vector<std::uint8_t>& b, std::size_t at) {
  return b[at] | b[at + 1] << 8;
}
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return static_cast<std::uint32_t>(U16(b, at)) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

// Reads back what the writer produced: the patterns' cells and the first
// instrument's sample, the way a player unpacks them.
struct ReadBack {
  std::vector<std::vector<XmCell>> patterns;
  int instrumentHeader = 0, sampleType = 0, relativeNote = 0, finetune = 0;
  std::uint32_t loopStart = 0, loopLength = 0;
  std::vector<int> sample;
};

ReadBack Read(const std::vector<std::uint8_t>& b) {
  ReadBack r;
  const int channels = U16(b, 68), patterns = U16(b, 70);
  std::size_t at = 60 + U32(b, 60);
  for (int p = 0; p < patterns; ++p) {
    const int rows = U16(b, at + 5);
    const int packed = U16(b, at + 7);
    at += U32(b, at);
    std::vector<XmCell> cells;
    const std::size_t end = at + packed;
    while (at < end) {
      XmCell c;
      std::uint8_t mask = b[at++];
      if (mask & 1) c.note = b[at++];
      if (mask & 2) c.instrument = b[at++];
      if (mask & 4) c.volume = b[at++];
      if (mask & 8) c.effect = b[at++];
      if (mask & 16) c.param = b[at++];
      cells.push_back(c);
    }
    EXPECT_EQ(static_cast<int>(cells.size()), rows * channels);
    r.patterns.push_back(cells);
  }
  r.instrumentHeader = static_cast<int>(U32(b, at));
  const std::size_t sampleHeader = at + r.instrumentHeader;
  const std::uint32_t length = U32(b, sampleHeader);
  r.loopStart = U32(b, sampleHeader + 4);
  r.loopLength = U32(b, sampleHeader + 8);
  r.finetune = static_cast<std::int8_t>(b[sampleHeader + 13]);
  r.sampleType = b[sampleHeader + 14];
  r.relativeNote = static_cast<std::int8_t>(b[sampleHeader + 16]);
  std::size_t data = sampleHeader + 40;
  if (r.sampleType & 0x10) {
    std::int16_t v = 0;
    for (std::uint32_t i = 0; i < length; i += 2)
      r.sample.push_back(v = static_cast<std::int16_t>(v + U16(b, data + i)));
  } else {
    std::int8_t v = 0;
    for (std::uint32_t i = 0; i < length; ++i)
      r.sample.push_back(v = static_cast<std::int8_t>(v + b[data + i]));
  }
  return r;
}

XmModule OneInstrumentModule(bool sixteen) {
  XmModule m;
  m.channels = 2;
  m.order = {0};
  XmPattern p;
  p.rows = 2;
  p.cells.resize(4);
  p.cells[0] = {49, 1, 0x30, 0, 0};
  p.cells[3] = {kXmKeyOff, 0, 0, 0x0f, 3};
  m.patterns.push_back(p);
  XmInstrument ins;
  ins.samples.resize(1);
  ins.samples[0].sixteenBit = sixteen;
  ins.samples[0].data = {0, 12800, -25600, 32000, -32000, 256, 0};
  ins.samples[0].loopStart = 2;
  ins.samples[0].loopLength = 4;
  ins.samples[0].relativeNote = -3;
  ins.samples[0].finetune = -20;
  m.instruments.push_back(ins);
  return m;
}

TEST(XmWriter, PatternsAndSamplesReadBackUnchanged) {
  for (bool sixteen : {false, true}) {
    SCOPED_TRACE(sixteen ? "16-bit" : "8-bit");
    ReadBack r = Read(EncodeXm(OneInstrumentModule(sixteen)));
    ASSERT_EQ(r.patterns.size(), 1u);
    EXPECT_EQ(r.patterns[0][0].note, 49);
    EXPECT_EQ(r.patterns[0][0].instrument, 1);
    EXPECT_EQ(r.patterns[0][0].volume, 0x30);
    EXPECT_EQ(r.patterns[0][1].note, 0);
    EXPECT_EQ(r.patterns[0][3].note, kXmKeyOff);
    EXPECT_EQ(r.patterns[0][3].effect, 0x0f);
    EXPECT_EQ(r.patterns[0][3].param, 3);
    EXPECT_EQ(r.instrumentHeader, 263);
    EXPECT_EQ(r.relativeNote, -3);
    EXPECT_EQ(r.finetune, -20);
    const int width = sixteen ? 2 : 1;
    EXPECT_EQ(r.loopStart, 2u * width);  // loop points are in bytes
    EXPECT_EQ(r.loopLength, 4u * width);
    EXPECT_EQ(r.sampleType, (sixteen ? 0x10 : 0) | 1);
    const std::vector<int> want = sixteen ? std::vector<int>{0, 12800, -25600, 32000, -32000, 256, 0}
                                          : std::vector<int>{0, 50, -100, 125, -125, 1, 0};
    EXPECT_EQ(r.sample, want);
  }
}

TEST(XmWriter, InstrumentsWithSeveralSamplesReadBack) {
  XmModule m = OneInstrumentModule(true);
  XmSample low = m.instruments[0].samples[0];
  low.sixteenBit = false;
  low.data = {0, 256, -512, 0};
  low.loopLength = 0;
  m.instruments[0].samples.insert(m.instruments[0].samples.begin(), low);
  m.instruments[0].keymap.assign(96, 1);
  for (int n = 0; n < 40; ++n) m.instruments[0].keymap[n] = 0;
  const XmModule r = ReadXm(EncodeXm(m));
  ASSERT_EQ(r.instruments.size(), 1u);
  const XmInstrument& ins = r.instruments[0];
  ASSERT_EQ(ins.samples.size(), 2u);
  EXPECT_EQ(ins.keymap[39], 0);
  EXPECT_EQ(ins.keymap[40], 1);
  EXPECT_FALSE(ins.samples[0].sixteenBit);
  EXPECT_EQ(ins.samples[0].data, low.data);
  EXPECT_EQ(ins.samples[0].loopLength, 0u);
  EXPECT_TRUE(ins.samples[1].sixteenBit);
  EXPECT_EQ(ins.samples[1].data, m.instruments[0].samples[1].data);
  EXPECT_EQ(ins.samples[1].loopStart, 2u);
  EXPECT_EQ(ins.samples[1].relativeNote, -3);
  EXPECT_EQ(r.patterns[0].cells[3].note, kXmKeyOff);
  // A keymap naming a missing sample is refused before a player sees it.
  m.instruments[0].keymap[0] = 2;
  EXPECT_THROW(EncodeXm(m), std::logic_error);
}

TEST(Instruments, LoopedWavesJoinWithoutAStep) {
  for (const auto& wave : std::vector<std::vector<std::string>>{{"wave", "saw"},
                                                                {"wave", "pulse", "0.3"},
                                                                {"wave", "tri"},
                                                                {"wave", "harmonics", "1", "0.8", "0.9"}}) {
    SCOPED_TRACE(wave[1]);
    InstrumentRecipe r;
    r.name = "x";
    ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 1, {"unison", "3", "12"}}, r));
    ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 2, wave}, r));
    if (wave[1] == "harmonics") {  // a voice: its vowel sways through the loop over breath noise
      ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 3, {"formant", "600", "1100"}}, r));
      ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 4, {"sway", "0.1"}}, r));
      ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 5, {"breath", "0.2"}}, r));
      ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 6, {"sweep", "500", "0.1"}}, r));
    }
    XmSample s = SynthesizeInstrument(r).samples[0];
    ASSERT_GT(s.loopLength, 0u);
    ASSERT_EQ(s.loopStart + s.loopLength, s.data.size());
    // The step from the loop's last value back to its first is no bigger
    // than the largest step inside the loop.
    int largest = 0;
    for (std::size_t i = s.loopStart + 1; i < s.data.size(); ++i) {
      largest = std::max(largest, std::abs(s.data[i] - s.data[i - 1]));
    }
    EXPECT_LE(std::abs(s.data[s.loopStart] - s.data.back()), largest);
  }
}

TEST(Instruments, SettingsAreCheckedAndEnvelopesBuilt) {
  InstrumentRecipe r;
  r.name = "x";
  EXPECT_THROW(ParseInstrumentLine(SourceLine{"t", 3, {"wave", "pulse", "1.5"}}, r), SourceError);
  EXPECT_THROW(ParseInstrumentLine(SourceLine{"t", 3, {"env", "1", "2", "80", "4"}}, r), SourceError);
  EXPECT_FALSE(ParseInstrumentLine(SourceLine{"t", 3, {"part", "lead"}}, r));
  ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 4, {"wave", "sine"}}, r));
  ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 5, {"env", "2", "6", "40", "10"}}, r));
  XmInstrument ins = SynthesizeInstrument(r);
  ASSERT_EQ(ins.volumeEnvelope.size(), 4u);
  EXPECT_EQ(ins.volumeEnvelope[1].tick, 2);
  EXPECT_EQ(ins.volumeEnvelope[2].level, 40);
  EXPECT_EQ(ins.sustainPoint, 2);
  EXPECT_EQ(ins.volumeEnvelope[3].tick, 18);
  EXPECT_EQ(ins.volumeEnvelope[3].level, 0);
  // Breath is noise, so its loop must be long enough not to buzz at the note's pitch.
  ASSERT_TRUE(ParseInstrumentLine(SourceLine{"t", 6, {"breath", "0.2"}}, r));
  EXPECT_GT(SynthesizeInstrument(r).samples[0].loopLength, 2000u);
}

TEST(Tune, DurationsTempoAndChordDegrees) {
  XmModule m = CompileTune(
      "tempo 90\nspeed 4\nbeat 6\n"
      "instrument t\nwave sine\n"
      "part lead channels 1 instrument t\n"
      "part bass channels 1 instrument t base E-2 style 1:q 3:q 5:e 7:e 8:e 5,:e\n"
      "pattern A bars 2\nchords Am7:w+w\nlead C-5:q. D-5:e E-5:w+q F-5:1 G-5:2 r:3\nend\norder A\n",
      "d.tune");
  EXPECT_EQ(m.bpm, 90);  // 90 beats of 6 rows at 4 ticks: 90 * 6 * 4 / 24
  EXPECT_EQ(m.patterns[0].rows, 48);
  auto note = [&](int row, int ch) { return m.patterns[0].cells[row * m.channels + ch].note; };
  EXPECT_EQ(note(0, 0), 61);  // C-5
  EXPECT_EQ(note(9, 0), 63);  // after a dotted quarter of 9 rows
  EXPECT_EQ(note(12, 0), 65);
  EXPECT_EQ(note(42, 0), 66);  // after w+q, 30 rows
  EXPECT_EQ(note(43, 0), 68);
  EXPECT_EQ(note(45, 0), kXmKeyOff);
  // Bass over Am7 from E-2: A-2, C-3, E-3, G-3, A-3, then E-2, and again.
  const int want[] = {34, 37, 41, 44, 46, 29};
  const int rows[] = {0, 6, 12, 15, 18, 21};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(note(rows[i], 1), want[i]);
    EXPECT_EQ(note(rows[i] + 24, 1), want[i]);
  }
}

TEST(Modules, PlayerLoopsToTheRestartPosition) {
  const std::string tune =
      "tempo 120\ninstrument t\nwave sine\nenv 0 2 64 2\npart lead channels 1 instrument t\n"
      "pattern A bars 1\nlead C-5:w\nend\npattern B bars 1\nlead E-5:w\nend\norder A loop B B\n";
  ModuleReview r = ReviewModule(EncodeXm(CompileTune(tune, "l.tune")), false);
  ASSERT_TRUE(r.loaded);
  EXPECT_NEAR(r.durationMs, 6000, 50);                      // three bars of two seconds
  EXPECT_EQ(EncodeXm(CompileTune(tune, "l.tune"))[66], 1);  // restart position
}

TEST(Synth, FiltersKeepTheBandAndRemoveTheRest) {
  std::vector<float> low(44100), high(44100);
  for (std::size_t i = 0; i < low.size(); ++i) {
    low[i] = static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * 1000 * i / 44100.0) + 0.25);
    high[i] = static_cast<float>(0.5 * std::sin(2 * std::numbers::pi * 9000 * i / 44100.0));
  }
  // Down to 11,025 Hz: 1 kHz passes, 9 kHz (above the new Nyquist) is gone.
  std::vector<float> kept = Decimate(low, 4), folded = Decimate(high, 4);
  ASSERT_EQ(kept.size(), 11025u);
  EXPECT_NEAR(Peak(std::vector<float>(kept.begin() + 100, kept.end() - 100)), 0.75, 0.02);
  EXPECT_LT(Peak(std::vector<float>(folded.begin() + 100, folded.end() - 100)), 0.01);
  RemoveDc(kept, 11025);
  double mean = 0;
  for (float s : kept) mean += s;
  EXPECT_NEAR(mean / kept.size(), 0.0, 1e-4);
  FadeEnds(kept, 11025, 0.01, 0.01);
  EXPECT_EQ(kept.front(), 0.0f);
  EXPECT_EQ(kept.back(), 0.0f);
}

TEST(Synth, EchoRepeatsTheSoundAndPingPongsInStereo) {
  StereoBuffer b;
  b.rate = 1000;
  b.Resize(10);
  b.left[0] = 1.0f;
  ApplyEcho(b, 0.01, 0.5, true);
  ASSERT_GT(b.Size(), 30u);
  EXPECT_FLOAT_EQ(b.right[10], 0.5f);  // first repeat on the other side
  EXPECT_FLOAT_EQ(b.left[20], 0.25f);
  EXPECT_FLOAT_EQ(b.left[10], 0.0f);
}

}  // namespace
}  // namespace vv::gen
