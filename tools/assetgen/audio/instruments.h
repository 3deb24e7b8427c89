#pragma once

#include <string>
#include <vector>

#include "source_text.h"
#include "synth.h"
#include "xm_write.h"

namespace vv::gen {

// How a module instrument's sample is made and how it behaves when played.
// Written C-4 always sounds as middle C (261.63 Hz); samples are 16-bit
// unless told otherwise.
struct InstrumentRecipe {
  std::string name;
  // A looped, band-limited wave built from harmonics ...
  std::string wave;  // saw, square, pulse, tri, sine, organ, or empty for voices
  double duty = 0.25;
  std::vector<double> harmonics;  // custom spectrum for "harmonics"
  int unison = 1;                 // detuned copies in the loop
  double detune = 0;              // cents between the outer copies
  double rolloff = 0;             // Hz where a 24 dB/octave low-pass sets in, 0 none
  double highPass = 0;            // Hz under which a 24 dB/octave high-pass cuts, 0 none
  double sweepFrom = 0;           // the low-pass starts here and slides to rolloff ...
  double sweepTime = 0;           // ... over this many seconds, 0 no sweep
  double pluck = 0;               // decay of the upper harmonics per second, 0 none
  double pluckTime = 0.5;         // length of the evolving part before the loop
  std::vector<double> formants;   // Hz of a vowel's resonances (absolute), none when empty
  double sway = 0;                // the formants move up and down by this share, once a loop
  double breath = 0;              // breath noise against the tone's level, 0 none
  // ... or a one-shot made with the sound-effect voices.
  std::vector<VoiceDef> voices;
  double pitch = 261.63;  // frequency in the voices that is heard as C-4
  double rate = 22050;    // sample rate of a voice-made sample
  double room = 0;        // seconds of a reverberant tail added to a voice-made sample, 0 none
  double roomLevel = 0;   // ... and its level against the dry sound
  bool sixteenBit = true;
  // Playback.
  bool envelope = false;
  int attack = 0, decay = 0, sustainLevel = 64, release = 0;  // ticks and level 0..64
  int fadeout = 0;
  int volume = 64;
  int pan = 0;  // -128..127
  int vibratoDepth = 0, vibratoRate = 0, vibratoSweep = 0;
};

// Reads one setting line inside an instrument block; returns false when the
// line's first word is not an instrument setting.
bool ParseInstrumentLine(const SourceLine& line, InstrumentRecipe& recipe);

// Builds the instrument for the notes lowNote..highNote (module notes 1..96,
// C-4 is 49): a wave gets one band-limited sample per two octaves.
XmInstrument SynthesizeInstrument(const InstrumentRecipe& recipe, int lowNote = 49, int highNote = 49);

}  // namespace vv::gen
