#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vv::gen {

// One sample of an instrument, already in the module's pitch terms.
struct XmSample {
  std::string name;
  std::vector<std::int16_t> data;  // 16-bit values; stored as 8-bit when sixteenBit is false
  bool sixteenBit = false;
  std::size_t loopStart = 0;
  std::size_t loopLength = 0;  // 0: plays once
  int volume = 64;             // 0..64
  int finetune = 0;            // -128..127, 1/128 semitone
  int relativeNote = 0;        // semitones
  int pan = 128;               // 0..255
};

struct XmEnvelopePoint {
  int tick = 0;
  int level = 0;  // 0..64
};

struct XmInstrument {
  std::string name;
  // Up to 16 samples, each made for its own range of notes; keymap gives
  // the sample of each note C-0..B-7 (empty: every note plays sample 0).
  std::vector<XmSample> samples;
  std::vector<int> keymap;
  std::vector<XmEnvelopePoint> volumeEnvelope;  // empty: no envelope
  int sustainPoint = -1;                        // index of the held point, -1 none
  int fadeout = 0;
  int vibratoType = 0, vibratoSweep = 0, vibratoDepth = 0, vibratoRate = 0;
};

// A cell of a pattern. note: 0 nothing, 1..96 C-0..B-7, 97 key off.
// volume: 0 nothing, else 0x10 + level 0..64.
struct XmCell {
  std::uint8_t note = 0, instrument = 0, volume = 0, effect = 0, param = 0;
};

constexpr std::uint8_t kXmKeyOff = 97;

struct XmPattern {
  int rows = 64;
  std::vector<XmCell> cells;  // rows * channels, row by row
};

struct XmModule {
  std::string name;
  int channels = 8;
  int speed = 6;
  int bpm = 125;
  int restart = 0;
  std::vector<int> order;
  std::vector<XmPattern> patterns;
  std::vector<XmInstrument> instruments;
};

// Writes an Extended Module (version 1.04, linear frequencies). Names are cut
// to their field sizes; the tracker name stays empty.
std::vector<std::uint8_t> EncodeXm(const XmModule& module);

}  // namespace vv::gen
