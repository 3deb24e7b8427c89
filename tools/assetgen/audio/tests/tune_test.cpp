#include "tune.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "module_review.h"
#include "xm_write.h"

namespace vv::gen {
namespace {

const char* kHead =
    "tempo 120\n"
    "instrument tone\nwave sine\nenv 0 2 64 2\n"
    "instrument kick\nvoice sine f 150>40 r 0.1\n"
    "part lead channels 1 instrument tone\n"
    "part pad channels 3 instrument tone base C-4 style [1 3 5]:h\n"
    "part bass channels 1 instrument tone base C-2 style b:q 5:q\n"
    "part drums channels 1\n"
    "drum k kick\n";

std::string Error(const std::string& body) {
  try {
    CompileTune(std::string(kHead) + body, "t.tune");
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "no error";
}

const XmCell& Cell(const XmModule& m, int pattern, int row, int channel) {
  return m.patterns[pattern].cells[row * m.channels + channel];
}

TEST(Tune, NotesChordsAndStylesLandInTheirCells) {
  XmModule m = CompileTune(std::string(kHead) +
                               "phrase up = C-4:e E-4:e\n"
                               "pattern A bars 1\n"
                               "chords C:h G/B:h\n"
                               "lead $up $up+7 r:q C-4:q\n"
                               "drums k:q r:q k:h\n"
                               "end\n"
                               "pattern B bars 1\nchords F:w\nlead A-4:w\npad [A-3 C-4]:w\nend\n"
                               "order A loop B A\n",
                           "t.tune");
  EXPECT_EQ(m.channels, 6);  // 1 + 3 + 1 + 1 channels, already even
  EXPECT_EQ(m.bpm, 120);
  ASSERT_EQ(m.order, (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(m.restart, 1);
  EXPECT_EQ(Cell(m, 0, 0, 0).note, 49);         // C-4
  EXPECT_EQ(Cell(m, 0, 2, 0).note, 53);         // E-4
  EXPECT_EQ(Cell(m, 0, 4, 0).note, 56);         // G-4: the phrase a fifth up
  EXPECT_EQ(Cell(m, 0, 8, 0).note, kXmKeyOff);  // the rest stops the note
  EXPECT_EQ(Cell(m, 0, 12, 0).note, 49);
  EXPECT_EQ(Cell(m, 0, 12, 1).note, 0);  // the pad is its own part
  // Pad: C major close above C-4, then G/B voiced G-4 B-4 D-4.
  EXPECT_EQ(Cell(m, 0, 0, 1).note, 49);
  EXPECT_EQ(Cell(m, 0, 0, 2).note, 53);
  EXPECT_EQ(Cell(m, 0, 0, 3).note, 56);
  EXPECT_EQ(Cell(m, 0, 8, 1).note, 56);
  EXPECT_EQ(Cell(m, 0, 8, 2).note, 60);
  EXPECT_EQ(Cell(m, 0, 8, 3).note, 51);
  // Bass: root then fifth, and B for the slash chord.
  EXPECT_EQ(Cell(m, 0, 0, 4).note, 25);
  EXPECT_EQ(Cell(m, 0, 4, 4).note, 32);
  EXPECT_EQ(Cell(m, 0, 8, 4).note, 36);
  // A written chord fills the pad's channels from the first; the spare one is silenced.
  EXPECT_EQ(Cell(m, 1, 0, 1).note, 46);
  EXPECT_EQ(Cell(m, 1, 0, 2).note, 49);
  EXPECT_EQ(Cell(m, 1, 0, 3).note, kXmKeyOff);
  // Drums: the kick's instrument, no key-off on the rest.
  EXPECT_EQ(Cell(m, 0, 0, 5).instrument, 2);
  EXPECT_EQ(Cell(m, 0, 4, 5).note, 0);
}

TEST(Tune, SharpsAreNotesAndHashWordsAreComments) {
  // A '#' inside a word is a sharp; only a word that starts with it opens a comment.
  XmModule m =
      CompileTune(std::string(kHead) +
                      "pattern A bars 1  # the only pattern\nchords x:w\nlead F#4:h C#5:h # a comment\nend\n"
                      "order A\n",
                  "t.tune");
  EXPECT_EQ(Cell(m, 0, 0, 0).note, 55);
  EXPECT_EQ(Cell(m, 0, 8, 0).note, 62);
}

TEST(Tune, HeldStyleNotesFollowAChordChange) {
  XmModule m = CompileTune(
      std::string(kHead) + "pattern A bars 1\nchords C:h F:h\nlead r:w\npad style [1 3 5]:w\nend\norder A\n",
      "t.tune");
  EXPECT_EQ(Cell(m, 0, 0, 1).note, 49);
  EXPECT_EQ(Cell(m, 0, 8, 1).note, 54);  // F-4 when the chord turns to F
}

TEST(Tune, MistakesNameTheLine) {
  EXPECT_EQ(Error("pattern A bars 1\nlead H-4:w\nend\norder A\n"), "t.tune:13: bad note 'H-4'");
  EXPECT_EQ(Error("pattern A bars 1\nlead C-4:h\nend\norder A\n"),
            "t.tune:13: part 'lead' lasts 8 rows, the pattern has 16");
  EXPECT_EQ(Error("pattern A bars 1\nflute C-4:w\nend\norder A\n"), "t.tune:13: unknown part 'flute'");
  EXPECT_EQ(Error("pattern A bars 1\nlead $tune\nend\norder A\n"), "t.tune:13: unknown phrase 'tune'");
  EXPECT_EQ(Error("pattern A bars 1\nlead C-4:x\nend\norder A\n"), "t.tune:13: bad duration 'x'");
  EXPECT_EQ(Error("pattern A bars 1\nchords Cq:w\nlead r:w\nend\norder A\n"),
            "t.tune:13: unknown chord quality in 'Cq'");
  EXPECT_EQ(Error("pattern A bars 1\nlead [C-4 E-4]:w\nend\norder A\n"),
            "t.tune:13: part 'lead' has only 1 channels");
  EXPECT_EQ(Error("pattern A bars 1\nchords C:w\nlead r:w\nend\norder B\n"),
            "t.tune:16: unknown pattern 'B'");
  EXPECT_EQ(Error("pattern A bars 1\nlead r:w\n"), "t.tune:12: pattern without end");
  EXPECT_EQ(Error("tempo 300\n"), "t.tune:12: tempo gives a tick rate outside 32..255");
  EXPECT_EQ(Error("pattern A bars 1\nchords C:w\nlead r:w\nend\n"), "t.tune:15: no order line");
  EXPECT_EQ(Error("pattern A bars 1\nchords C:h\nlead r:w\nend\norder A\n"),
            "t.tune:13: chords last 8 rows, the pattern has 16");
  EXPECT_EQ(Error("pattern A bars 1\nchords C:w\nlead r:w\nbass style v40\nend\norder A\n"),
            "t.tune:15: style of part 'bass' has no notes or rests");
  EXPECT_EQ(Error("pattern A bars 1\nlead r:w\nend\norder A\n"),
            "t.tune:8: part 'pad' follows chords, but there are none");
}

TEST(Tune, ModuleHeaderIsWhatThePlayerExpects) {
  XmModule m = CompileTune(
      std::string(kHead) + "title Test\npattern A bars 1\nchords C:w\nlead r:w\nend\norder A A\n", "t.tune");
  std::vector<std::uint8_t> xm = EncodeXm(m);
  ASSERT_GT(xm.size(), 336u);
  EXPECT_EQ(0, std::memcmp(xm.data(), "Extended Module: Test", 21));
  EXPECT_EQ(xm[37], 0x1a);
  for (int i = 38; i < 58; ++i) EXPECT_EQ(xm[i], 0) << "tracker name stays empty";
  EXPECT_EQ(xm[58] | xm[59] << 8, 0x0104);
  EXPECT_EQ(xm[60] | xm[61] << 8, 276);
  EXPECT_EQ(xm[64] | xm[65] << 8, 2);  // song length
}

TEST(Tune, WrittenNotesSoundAtConcertPitch) {
  // A-4 on the sine instrument through the game's player: 440 Hz.
  XmModule m = CompileTune(
      std::string(kHead) + "pattern A\nchords x:w+w+w+w\nlead A-4:w+w+w+w\nend\norder A\n", "t.tune");
  ModuleReview r = ReviewModule(EncodeXm(m), true, 0);
  ASSERT_TRUE(r.loaded);
  int crossings = 0;
  const std::size_t from = 44100 * 2, frames = 44100 * 2;  // left channel, 2 s to 4 s
  for (std::size_t i = from + 1; i < from + frames; ++i) {
    crossings += (r.audio[2 * (i - 1)] < 0) != (r.audio[2 * i] < 0);
  }
  EXPECT_NEAR(crossings / 2.0 / 2.0, 440.0, 3.0);
}

// Zero crossings per second / 2 in the left channel over [from, from + 1 s).
double Pitch(const ModuleReview& r, double from) {
  int crossings = 0;
  const std::size_t start = static_cast<std::size_t>(from * 44100);
  for (std::size_t i = start + 1; i < start + 44100; ++i)
    crossings += (r.audio[2 * (i - 1)] < 0) != (r.audio[2 * i] < 0);
  return crossings / 2.0;
}

TEST(Tune, EveryRangeOfAWideInstrumentPlaysInTune) {
  // A-2 .. A-6 spans three sample ranges of the sine.
  XmModule m =
      CompileTune(std::string(kHead) +
                      "tempo 60\npattern A bars 3\nchords x:w+w+w\nlead A-2:w A-4:w A-6:w\nend\norder A\n",
                  "t.tune");
  ASSERT_EQ(m.instruments[0].samples.size(), 3u);
  ModuleReview r = ReviewModule(EncodeXm(m), true, 0);
  ASSERT_TRUE(r.loaded);
  EXPECT_NEAR(Pitch(r, 1.0), 110.0, 2.0);
  EXPECT_NEAR(Pitch(r, 5.0), 440.0, 3.0);
  EXPECT_NEAR(Pitch(r, 9.0), 1760.0, 6.0);
}

TEST(Tune, KeyStepsEchoAndMix) {
  TuneLayout layout;
  XmModule m = CompileTune(std::string(kHead) +
                               "key A minor\nmix 0.5\n"
                               "part lead2 channels 1 instrument tone echo 2 40 -64\n"
                               "part arp channels 1 instrument tone base E-4 style 2:w\n"
                               "phrase riff = A-4:q C-5:q D-5:q G#4:q\n"
                               "pattern A bars 2\nchords E:w F:w\n"
                               "lead2 $riff^-1 $riff^+2\nend\norder A\n",
                           "t.tune", &layout);
  // lead, pad x3, bass, drums, lead2 and its echo, arp: 9, widened to 10.
  ASSERT_EQ(m.channels, 10);
  EXPECT_TRUE(layout.lead[6]);
  EXPECT_TRUE(layout.echo[7]);
  EXPECT_FALSE(layout.echo[6]);
  // One step down the A minor scale: G B C, and G# keeps its sharp (F#).
  EXPECT_EQ(Cell(m, 0, 0, 6).note, 56);
  EXPECT_EQ(Cell(m, 0, 4, 6).note, 60);
  EXPECT_EQ(Cell(m, 0, 8, 6).note, 61);
  EXPECT_EQ(Cell(m, 0, 12, 6).note, 55);
  EXPECT_EQ(Cell(m, 0, 16, 6).note, 61);  // two steps up: C-5
  // The echo: two rows later, quieter (40 at mix 0.5), panned left.
  EXPECT_EQ(Cell(m, 0, 2, 7).note, 56);
  EXPECT_EQ(Cell(m, 0, 2, 7).volume, 0x10 + 20);
  EXPECT_EQ(Cell(m, 0, 2, 7).effect, 8);
  EXPECT_EQ(Cell(m, 0, 2, 7).param, 64);
  // The key's own second: F over E in A minor, G over F.
  EXPECT_EQ(Cell(m, 0, 0, 8).note, 54);
  EXPECT_EQ(Cell(m, 0, 16, 8).note, 56);
  EXPECT_EQ(m.instruments[0].samples[0].volume, 32);
  EXPECT_NE(Error("phrase p = C-4:w\npattern A bars 1\nlead $p^1\nend\n").find("needs a key"),
            std::string::npos);
  // "with" plays one pattern's line on another instrument.
  XmModule with = CompileTune(std::string(kHead) +
                                  "pattern A bars 1\nchords x:w\nlead C-4:w\nend\npattern B bars 1\nchords "
                                  "x:w\nlead with kick C-4:w\nend\n"
                                  "order A B\n",
                              "t.tune");
  EXPECT_EQ(Cell(with, 0, 0, 0).instrument, 1);
  EXPECT_EQ(Cell(with, 1, 0, 0).instrument, 2);
  // ... or changes colour within a line: the second half of an 8-bar phrase.
  XmModule halves =
      CompileTune(std::string(kHead) +
                      "pattern A bars 1\nchords x:w\nlead with kick C-4:h with tone C-4:h\nend\n"
                      "order A\n",
                  "t.tune");
  EXPECT_EQ(Cell(halves, 0, 0, 0).instrument, 2);
  EXPECT_EQ(Cell(halves, 0, 8, 0).instrument, 1);
  EXPECT_NE(Error("pattern A bars 1\nchords x:w\ndrums with tone k:w\nend\n").find("drum part"),
            std::string::npos);
  // A doubled melody: the same notes on another instrument at its own level,
  // measured as melody, not as echo.
  XmModule doubled = CompileTune(
      "tempo 120\ninstrument a\nwave sine\ninstrument b\nwave tri\n"
      "part lead channels 1 instrument a echo 1 20 0 double b 32\n"
      "pattern A bars 1\nlead C-4:h v48 E-4:h\nend\norder A\n",
      "t.tune", &layout);
  EXPECT_TRUE(layout.lead[2] && !layout.echo[2]);
  EXPECT_EQ(Cell(doubled, 0, 0, 2).instrument, 2);
  EXPECT_EQ(Cell(doubled, 0, 8, 2).note, 53);
  EXPECT_EQ(Cell(doubled, 0, 8, 2).volume, 0x10 + 24);
}

TEST(Tune, DetunedPadsHoldAnEvenLevel) {
  XmModule m = CompileTune(
      "tempo 60\ninstrument pad\nwave saw\nunison 3 16\nrolloff 1500\n"
      "part pad channels 1 instrument pad\npattern A bars 2\npad A-3:w+w\nend\norder A\n",
      "t.tune");
  ModuleReview r = ReviewModule(EncodeXm(m), true, 0);
  ASSERT_TRUE(r.loaded);
  // Level in 50 ms steps over the held part of the note (0.5 s .. 7 s).
  double lowest = 1e9, highest = 0;
  for (std::size_t step = 10; step < 140; ++step) {
    double sum = 0;
    for (std::size_t i = step * 2205; i < (step + 1) * 2205; ++i)
      sum += std::pow(r.audio[2 * i] / 32768.0, 2);
    lowest = std::min(lowest, sum);
    highest = std::max(highest, sum);
  }
  EXPECT_LT(10 * std::log10(highest / lowest), 3.0);
}

}  // namespace
}  // namespace vv::gen
