#include "tune.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <optional>

#include "instruments.h"
#include "source_text.h"

namespace vv::gen {

namespace {

struct Part {
  std::string name;
  int firstChannel = 0;
  int channels = 1;
  int instrument = -1;  // -1: a drum part, its words are drum names
  int base = 36;        // lowest pitch (semitones above C-0) for chord-built notes
  std::vector<std::string> style;
  SourceLine styleLine;
  // A delayed, quieter copy on channels of its own, placed across the
  // stereo field: the echo of a space.
  int echoRows = 0, echoLevel = 0, echoPan = 0;
  // Another instrument playing the same notes on channels of its own (after
  // the echo's), at its own level: a melody doubled in a second colour.
  int doubleInstrument = -1, doubleLevel = 0;
  int Channels() const { return channels * (1 + (echoRows > 0) + (doubleInstrument >= 0)); }
};

struct Drum {
  int instrument = 0;
  int note = 49;
};

struct Chord {
  int row = 0;
  int length = 0;
  bool none = true;
  int root = 0;  // pitch class
  int bass = 0;  // pitch class of the lowest note
  std::vector<int> tones;
};

// A word of a part line after phrases are expanded, with the transposition
// of the phrase it came from.
struct Word {
  std::string text;
  int transpose = 0;
  int steps = 0;  // moves along the key's scale, before the transposition
};

// The scales a `key` line may name, as semitones above the key note.
const std::map<std::string, std::vector<int>>& Scales() {
  static const std::map<std::string, std::vector<int>> s = {
      {"major", {0, 2, 4, 5, 7, 9, 11}},      {"minor", {0, 2, 3, 5, 7, 8, 10}},
      {"harmonic", {0, 2, 3, 5, 7, 8, 11}},   {"dorian", {0, 2, 3, 5, 7, 9, 10}},
      {"phrygian", {0, 1, 3, 5, 7, 8, 10}},   {"hijaz", {0, 1, 4, 5, 7, 8, 10}},
      {"mixolydian", {0, 2, 4, 5, 7, 9, 10}}, {"lydian", {0, 2, 4, 6, 7, 9, 11}}};
  return s;
}

struct Event {
  int row = 0;
  int length = 0;
  enum Kind { Note, Rest, Tie } kind = Rest;
  std::vector<int> notes;  // module note numbers 1..96
  std::vector<int> instruments;
  int volume = -1;
};

const std::map<std::string, std::vector<int>>& ChordQualities() {
  static const std::map<std::string, std::vector<int>> q = {
      {"", {0, 4, 7}},          {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},    {"maj7", {0, 4, 7, 11}},
      {"m7", {0, 3, 7, 10}},    {"dim", {0, 3, 6}},      {"dim7", {0, 3, 6, 9}},  {"m7b5", {0, 3, 6, 10}},
      {"aug", {0, 4, 8}},       {"sus4", {0, 5, 7}},     {"sus2", {0, 2, 7}},     {"5", {0, 7, 12}},
      {"6", {0, 4, 7, 9}},      {"m6", {0, 3, 7, 9}},    {"add9", {0, 4, 7, 14}}, {"madd9", {0, 3, 7, 14}},
      {"9", {0, 4, 7, 10, 14}}, {"7sus4", {0, 5, 7, 10}}};
  return q;
}

std::optional<int> PitchClass(std::string_view s, std::size_t& used) {
  static const int natural[7] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G
  if (s.empty() || s[0] < 'A' || s[0] > 'G') return std::nullopt;
  int pc = natural[s[0] - 'A'];
  used = 1;
  if (s.size() > 1 && s[1] == '#') {
    pc += 1;
    used = 2;
  } else if (s.size() > 1 && s[1] == 'b') {
    pc += 11;
    used = 2;
  }
  return pc % 12;
}

class TuneCompiler {
 public:
  explicit TuneCompiler(std::string fileName) : file_(std::move(fileName)) {}

  XmModule Compile(std::string_view text, TuneLayout* layout) {
    std::vector<SourceLine> lines = SplitSource(text, file_);
    std::size_t i = 0;
    while (i < lines.size()) i = TopLevel(lines, i);
    if (module_.order.empty())
      throw SourceError(file_, lines.empty() ? 1 : lines.back().number, "no order line");
    if (module_.patterns.empty()) throw SourceError(file_, 1, "no patterns");
    module_.channels = std::max(4, (nextChannel_ + 1) / 2 * 2);
    if (module_.channels > 64) throw SourceError(file_, 1, "more than 64 channels");
    for (XmPattern& p : module_.patterns) {
      // Channels were added while parsing; widen every pattern to the final count.
      XmPattern wide;
      wide.rows = p.rows;
      wide.cells.resize(static_cast<std::size_t>(p.rows) * module_.channels);
      for (int r = 0; r < p.rows; ++r) {
        for (int c = 0; c < nextChannel_; ++c)
          wide.cells[r * module_.channels + c] = p.cells[r * nextChannel_ + c];
      }
      p = std::move(wide);
    }
    // Each instrument is built for the range of notes it plays.
    std::vector<int> low(recipes_.size(), 96), high(recipes_.size(), 1);
    for (const XmPattern& p : module_.patterns) {
      for (const XmCell& c : p.cells) {
        if (c.instrument == 0 || c.note < 1 || c.note > 96) continue;
        low[c.instrument - 1] = std::min<int>(low[c.instrument - 1], c.note);
        high[c.instrument - 1] = std::max<int>(high[c.instrument - 1], c.note);
      }
    }
    for (std::size_t i = 0; i < recipes_.size(); ++i) {
      if (low[i] > high[i]) low[i] = high[i] = 49;
      module_.instruments.push_back(SynthesizeInstrument(recipes_[i], low[i], high[i]));
      for (XmSample& smp : module_.instruments.back().samples) smp.volume = Mixed(smp.volume);
    }
    for (XmPattern& p : module_.patterns) {
      for (XmCell& c : p.cells) {
        if (c.volume >= 0x10 && c.volume <= 0x50)
          c.volume = static_cast<std::uint8_t>(0x10 + Mixed(c.volume - 0x10));
      }
    }
    if (layout) {
      const std::size_t n = static_cast<std::size_t>(module_.channels);
      *layout = TuneLayout{std::vector<std::string>(n), std::vector<bool>(n), std::vector<bool>(n),
                           std::vector<bool>(n), beat_};
      for (const Part& part : parts_) {
        const int echoEnd = part.firstChannel + part.channels * (part.echoRows > 0 ? 2 : 1);
        for (int c = part.firstChannel; c < part.firstChannel + part.Channels(); ++c) {
          layout->part[c] = part.name;
          layout->drums[c] = part.instrument < 0;
          layout->lead[c] = part.name.rfind("lead", 0) == 0;
          layout->echo[c] = c >= part.firstChannel + part.channels && c < echoEnd;
        }
      }
    }
    return std::move(module_);
  }

 private:
  std::size_t TopLevel(const std::vector<SourceLine>& lines, std::size_t i) {
    const SourceLine& line = lines[i];
    const auto& w = line.words;
    const std::string& key = w[0];
    if (key == "title") {
      std::string title;
      for (std::size_t k = 1; k < w.size(); ++k) title += (k > 1 ? " " : "") + w[k];
      title.erase(std::remove(title.begin(), title.end(), '"'), title.end());
      module_.name = title;
    } else if (key == "tempo") {
      tempo_ = ParseIntArg(line, 1);
      UpdateBpm(line);
    } else if (key == "speed") {
      module_.speed = ParseIntArg(line, 1);
      if (module_.speed < 1 || module_.speed > 31) throw SourceError(line, "speed must be 1..31");
      UpdateBpm(line);
    } else if (key == "beat") {
      beat_ = ParseIntArg(line, 1);
      if (beat_ < 1 || beat_ > 16) throw SourceError(line, "beat must be 1..16 rows");
      UpdateBpm(line);
    } else if (key == "bar") {
      bar_ = ParseIntArg(line, 1);
    } else if (key == "bars") {
      bars_ = ParseIntArg(line, 1);
    } else if (key == "key") {
      std::size_t used = 0;
      std::optional<int> root = w.size() == 3 ? PitchClass(w[1], used) : std::nullopt;
      auto scale = Scales().find(w.size() == 3 ? w[2] : "");
      if (!root || used != w[1].size() || scale == Scales().end())
        throw SourceError(line,
                          "key NOTE SCALE (major minor harmonic dorian phrygian hijaz mixolydian lydian)");
      keyRoot_ = *root;
      scale_ = scale->second;
    } else if (key == "mix") {
      if (w.size() != 2) throw SourceError(line, "mix takes one value");
      mix_ = ParseNumber(line, w[1]);
      if (mix_ <= 0 || mix_ > 4) throw SourceError(line, "mix must be above 0 and at most 4");
    } else if (key == "instrument") {
      return Instrument(lines, i);
    } else if (key == "part") {
      PartLine(line);
    } else if (key == "drum") {
      DrumLine(line);
    } else if (key == "phrase") {
      if (w.size() < 3) throw SourceError(line, "phrase needs a name and notes");
      std::size_t first = w[2] == "=" ? 3 : 2;
      phrases_[w[1]] = {line, std::vector<std::string>(w.begin() + first, w.end())};
    } else if (key == "pattern") {
      return Pattern(lines, i);
    } else if (key == "order") {
      OrderLine(line);
    } else {
      throw SourceError(line, "unknown keyword '" + key + "'");
    }
    return i + 1;
  }

  int ParseIntArg(const SourceLine& line, std::size_t index) {
    if (line.words.size() != index + 1) throw SourceError(line, "'" + line.words[0] + "' takes one value");
    return ParseInt(line, line.words[index]);
  }

  void UpdateBpm(const SourceLine& line) {
    // A beat (quarter note) lasts `beat_` rows of `speed` ticks; a tick is 2.5 / bpm seconds.
    int scaled = tempo_ * beat_ * module_.speed;
    if (scaled % 24 != 0)
      throw SourceError(line, "tempo does not give a whole tick rate with this speed and beat");
    module_.bpm = scaled / 24;
    if (module_.bpm < 32 || module_.bpm > 255)
      throw SourceError(line, "tempo gives a tick rate outside 32..255");
  }

  std::size_t Instrument(const std::vector<SourceLine>& lines, std::size_t i) {
    const SourceLine& head = lines[i];
    if (head.words.size() != 2) throw SourceError(head, "instrument needs one name");
    if (instrumentIndex_.count(head.words[1])) throw SourceError(head, "instrument defined twice");
    InstrumentRecipe r;
    r.name = head.words[1];
    ++i;
    while (i < lines.size() && ParseInstrumentLine(lines[i], r)) ++i;
    if (r.wave.empty() && r.voices.empty())
      throw SourceError(head, "instrument has neither a wave nor voices");
    if (!r.wave.empty() && !r.voices.empty())
      throw SourceError(head, "instrument has both a wave and voices");
    instrumentIndex_[r.name] = static_cast<int>(recipes_.size());
    recipes_.push_back(std::move(r));
    if (recipes_.size() > 128) throw SourceError(head, "more than 128 instruments");
    return i;
  }

  int FindInstrument(const SourceLine& line, const std::string& name) {
    auto it = instrumentIndex_.find(name);
    if (it == instrumentIndex_.end()) throw SourceError(line, "unknown instrument '" + name + "'");
    return it->second;
  }

  int ParseNote(const SourceLine& line, const std::string& s, int transpose = 0) {
    std::size_t used = 0;
    std::optional<int> pc = PitchClass(s, used);
    if (!pc || s.size() < 2) throw SourceError(line, "bad note '" + s + "'");
    if (used == 1 && s[1] == '-') used = 2;
    if (used + 1 != s.size() || s[used] < '0' || s[used] > '7')
      throw SourceError(line, "bad note '" + s + "'");
    int pitch = (s[used] - '0') * 12 + *pc + transpose;
    if (s[0] == 'C' && s[1] == 'b') pitch -= 12;  // Cb4 is B-3
    if (s[0] == 'B' && s[1] == '#') pitch += 12;  // B#3 is C-4
    if (pitch < 0 || pitch > 95) throw SourceError(line, "note '" + s + "' is out of range");
    return pitch;
  }

  void PartLine(const SourceLine& line) {
    const auto& w = line.words;
    if (w.size() < 2) throw SourceError(line, "part needs a name");
    Part p;
    p.name = w[1];
    for (const Part& other : parts_) {
      if (other.name == p.name) throw SourceError(line, "part defined twice");
    }
    if (p.name == "chords" || p.name == "end") throw SourceError(line, "'" + p.name + "' is not a part name");
    std::size_t k = 2;
    while (k < w.size()) {
      const std::string& key = w[k++];
      if (key == "style") {
        p.style.assign(w.begin() + k, w.end());
        p.styleLine = line;
        break;
      }
      if (k >= w.size()) throw SourceError(line, "'" + key + "' needs a value");
      const std::string& value = w[k++];
      if (key == "channels") {
        p.channels = ParseInt(line, value);
        if (p.channels < 1 || p.channels > 8) throw SourceError(line, "a part has 1..8 channels");
      } else if (key == "instrument") {
        p.instrument = FindInstrument(line, value);
      } else if (key == "base") {
        p.base = ParseNote(line, value);
      } else if (key == "echo") {
        if (k + 1 >= w.size()) throw SourceError(line, "echo ROWS LEVEL PAN");
        p.echoRows = ParseInt(line, value);
        p.echoLevel = ParseInt(line, w[k++]);
        p.echoPan = ParseInt(line, w[k++]);
        if (p.echoRows < 1 || p.echoLevel < 1 || p.echoLevel > 64 || p.echoPan < -128 || p.echoPan > 127)
          throw SourceError(line, "echo is 1.. rows, level 1..64 and pan -128..127");
      } else if (key == "double") {
        if (k >= w.size()) throw SourceError(line, "double INSTRUMENT LEVEL");
        p.doubleInstrument = FindInstrument(line, value);
        p.doubleLevel = ParseInt(line, w[k++]);
        if (p.doubleLevel < 1 || p.doubleLevel > 64) throw SourceError(line, "a double's level is 1..64");
      } else {
        throw SourceError(line, "unknown part setting '" + key + "'");
      }
    }
    if (!p.style.empty() && p.instrument < 0) throw SourceError(line, "a styled part needs an instrument");
    if (p.doubleInstrument >= 0 && p.instrument < 0) throw SourceError(line, "drums cannot be doubled");
    p.firstChannel = nextChannel_;
    nextChannel_ += p.Channels();
    if (!module_.patterns.empty()) throw SourceError(line, "parts must come before the first pattern");
    parts_.push_back(std::move(p));
  }

  void DrumLine(const SourceLine& line) {
    const auto& w = line.words;
    if (w.size() != 3 && w.size() != 4) throw SourceError(line, "drum NAME INSTRUMENT [NOTE]");
    Drum d;
    d.instrument = FindInstrument(line, w[2]);
    d.note = w.size() == 4 ? ParseNote(line, w[3]) + 1 : 49;
    drums_[w[1]] = d;
  }

  // Duration words: w h q e s (whole .. sixteenth, a quarter is `beat_` rows),
  // a trailing dot adds half, numbers are rows, '+' joins.
  int ParseDuration(const SourceLine& line, const std::string& s) {
    int total = 0;
    std::size_t pos = 0;
    while (pos <= s.size()) {
      std::size_t plus = s.find('+', pos);
      std::string piece = s.substr(pos, plus == std::string::npos ? std::string::npos : plus - pos);
      bool dotted = !piece.empty() && piece.back() == '.';
      if (dotted) piece.pop_back();
      int rows4 = 0;  // in quarter rows, so that s works for beat 4
      if (piece == "w")
        rows4 = beat_ * 16;
      else if (piece == "h")
        rows4 = beat_ * 8;
      else if (piece == "q")
        rows4 = beat_ * 4;
      else if (piece == "e")
        rows4 = beat_ * 2;
      else if (piece == "s")
        rows4 = beat_;
      else if (!piece.empty() && std::all_of(piece.begin(), piece.end(), ::isdigit))
        rows4 = 4 * ParseInt(line, piece);
      else
        throw SourceError(line, "bad duration '" + s + "'");
      if (dotted) rows4 = rows4 * 3 / 2;
      if (rows4 % 4 != 0) throw SourceError(line, "duration '" + s + "' is not a whole number of rows");
      total += rows4 / 4;
      if (plus == std::string::npos) break;
      pos = plus + 1;
    }
    if (total <= 0) throw SourceError(line, "bad duration '" + s + "'");
    return total;
  }

  // Replaces $phrase references (with +N/-N transposition and *N repeats).
  void Expand(const SourceLine& line, const std::vector<std::string>& in, int transpose, int steps, int depth,
              std::vector<Word>& out) {
    if (depth > 8) throw SourceError(line, "phrases nest too deep");
    for (const std::string& word : in) {
      if (word.empty() || word[0] != '$') {
        out.push_back({word, transpose, steps});
        continue;
      }
      std::string name = word.substr(1);
      int times = 1, shift = 0, move = 0;
      if (std::size_t star = name.find('*'); star != std::string::npos) {
        times = ParseInt(line, name.substr(star + 1));
        name = name.substr(0, star);
      }
      if (std::size_t caret = name.find('^'); caret != std::string::npos) {
        move = ParseInt(line, name.substr(caret + 1));
        name = name.substr(0, caret);
      }
      if (std::size_t sign = name.find_first_of("+-"); sign != std::string::npos) {
        shift = ParseInt(line, name.substr(sign));
        name = name.substr(0, sign);
      }
      auto it = phrases_.find(name);
      if (it == phrases_.end()) throw SourceError(line, "unknown phrase '" + name + "'");
      if (move != 0 && (transpose != 0 || shift != 0))
        throw SourceError(line, "a phrase moved along the scale cannot also be transposed");
      for (int t = 0; t < times; ++t)
        Expand(line, it->second.words, transpose + shift, steps + move, depth + 1, out);
    }
  }

  // Splits "X:d" into X and its duration (or the running duration).
  std::string TakeDuration(const SourceLine& line, const std::string& word, int& duration) {
    std::size_t colon = word.rfind(':');
    if (colon == std::string::npos) return word;
    duration = ParseDuration(line, word.substr(colon + 1));
    return word.substr(0, colon);
  }

  int DegreePitch(const SourceLine& line, std::string token, const Chord& chord, int base, bool window) {
    int octave = 0;
    while (!token.empty() && (token.back() == '\'' || token.back() == ',')) {
      octave += token.back() == '\'' ? 12 : -12;
      token.pop_back();
    }
    auto above = [base](int pc) { return base + ((pc - base) % 12 + 12) % 12; };
    if (token == "b") return above(chord.bass) + octave;
    int degree = token.empty() ? 0 : std::atoi(token.c_str());
    if (std::to_string(degree) != token || degree < 1 || degree > 14) {
      throw SourceError(line, "bad chord degree '" + token + "'");
    }
    static const int toneIndex[8] = {0, 0, 1, 1, 2, 2, 3, 3};  // degree 1..7 -> chord tone
    static const int scaleStep[8] = {0, 0, 2, 0, 5, 0, 9, 0};  // 2nd, 4th, 6th above the root
    int inner = (degree - 1) % 7 + 1;
    int lift = (degree - 1) / 7 * 12;
    int interval;
    if (inner % 2 == 1) {
      std::size_t idx = toneIndex[inner];
      interval = idx < chord.tones.size() ? chord.tones[idx] : chord.tones[idx % chord.tones.size()] + 12;
    } else if (!scale_.empty()) {
      // The key's own second, fourth and sixth above the chord's root.
      const int rootAbove = ((chord.root - keyRoot_) % 12 + 12) % 12;
      interval = 0;
      for (int want = 0; want < inner - 1;) {
        ++interval;
        if (std::find(scale_.begin(), scale_.end(), (rootAbove + interval) % 12) != scale_.end()) ++want;
      }
      if (interval > scaleStep[inner]) interval = scaleStep[inner];  // no augmented steps
    } else {
      interval = scaleStep[inner];
    }
    int root = above(chord.root);
    if (window) return above((chord.root + interval) % 12) + lift + octave;
    return root + interval + lift + octave;
  }

  void ParseChords(const SourceLine& line, int rows, std::vector<Chord>& chords) {
    int row = 0, duration = beat_ * 4;
    for (std::size_t k = 1; k < line.words.size(); ++k) {
      std::string name = TakeDuration(line, line.words[k], duration);
      Chord c;
      c.row = row;
      c.length = duration;
      if (name != "x") {
        std::size_t used = 0;
        std::string quality = name;
        std::string bass;
        if (std::size_t slash = name.find('/'); slash != std::string::npos) {
          bass = name.substr(slash + 1);
          quality = name.substr(0, slash);
        }
        std::optional<int> root = PitchClass(quality, used);
        if (!root) throw SourceError(line, "bad chord '" + name + "'");
        auto q = ChordQualities().find(quality.substr(used));
        if (q == ChordQualities().end()) throw SourceError(line, "unknown chord quality in '" + name + "'");
        c.none = false;
        c.root = *root;
        c.tones = q->second;
        c.bass = c.root;
        if (!bass.empty()) {
          std::optional<int> b = PitchClass(bass, used);
          if (!b || used != bass.size()) throw SourceError(line, "bad bass note in '" + name + "'");
          c.bass = *b;
        }
      }
      chords.push_back(c);
      row += duration;
    }
    if (row != rows) {
      throw SourceError(
          line, "chords last " + std::to_string(row) + " rows, the pattern has " + std::to_string(rows));
    }
  }

  const Chord* ChordAt(const std::vector<Chord>& chords, int row) {
    for (const Chord& c : chords) {
      if (row >= c.row && row < c.row + c.length) return &c;
    }
    return nullptr;
  }

  // Turns a part's words into timed events.
  std::vector<Event> Events(const SourceLine& line, const Part& part, const std::vector<Word>& words,
                            int rows, bool cycle, const std::vector<Chord>* chords) {
    std::vector<Event> events;
    int row = 0, duration = beat_, volume = -1, instrument = part.instrument;
    std::size_t k = 0;
    while (k < words.size()) {
      if (cycle && row >= rows) break;
      std::vector<std::string> items;
      std::string text = words[k].text;
      const int transpose = words[k].transpose;
      const int steps = words[k].steps;
      ++k;
      if (text == "with" && part.instrument >= 0 && k < words.size()) {
        instrument = FindInstrument(line, words[k++].text);  // the notes that follow change colour
        continue;
      }
      if (text[0] == 'v' && text.size() > 1 && std::isdigit(static_cast<unsigned char>(text[1]))) {
        volume = ParseInt(line, text.substr(1));
        if (volume < 0 || volume > 64) throw SourceError(line, "volume must be 0..64");
        if (cycle && k == words.size()) {
          // A style of nothing but volume words would never fill the pattern.
          if (events.empty())
            throw SourceError(line, "style of part '" + part.name + "' has no notes or rests");
          k = 0;
        }
        continue;
      }
      if (text[0] == '[') {
        text = text.substr(1);
        while (text.find(']') == std::string::npos) {
          if (!text.empty()) items.push_back(text);
          if (k >= words.size()) throw SourceError(line, "unclosed [");
          text = words[k++].text;
        }
        std::size_t close = text.find(']');
        if (close > 0) items.push_back(text.substr(0, close));
        std::string rest = text.substr(close + 1);
        if (!rest.empty()) {
          if (rest[0] != ':') throw SourceError(line, "expected :duration after ]");
          duration = ParseDuration(line, rest.substr(1));
        }
        if (items.empty()) throw SourceError(line, "empty chord");
      } else {
        items.push_back(TakeDuration(line, text, duration));
      }
      Event e;
      e.row = row;
      e.length = duration;
      e.volume = volume;
      if (items.size() == 1 && items[0] == "r") {
        e.kind = Event::Rest;
      } else if (items.size() == 1 && items[0] == "~") {
        e.kind = Event::Tie;
      } else {
        e.kind = Event::Note;
        const Chord* chord = chords ? ChordAt(*chords, row) : nullptr;
        if (chords && (!chord || chord->none)) {
          e.kind = Event::Rest;  // no chord: a styled part stays silent
        }
        for (const std::string& item : items) {
          if (e.kind != Event::Note) break;
          if (part.instrument < 0) {
            auto d = drums_.find(item);
            if (d == drums_.end()) throw SourceError(line, "unknown drum '" + item + "'");
            e.notes.push_back(d->second.note);
            e.instruments.push_back(d->second.instrument);
          } else if (chords) {
            e.notes.push_back(DegreePitch(line, item, *chord, part.base, items.size() > 1) + 1);
            e.instruments.push_back(instrument);
          } else {
            const int pitch = ShiftInKey(line, ParseNote(line, item), steps) + transpose;
            if (pitch < 0 || pitch > 95) throw SourceError(line, "note '" + item + "' moves out of range");
            e.notes.push_back(pitch + 1);
            e.instruments.push_back(instrument);
          }
        }
        for (int n : e.notes) {
          if (n < 1 || n > 96) throw SourceError(line, "a chord note falls out of range");
        }
        if (static_cast<int>(e.notes.size()) > part.channels) {
          throw SourceError(
              line, "part '" + part.name + "' has only " + std::to_string(part.channels) + " channels");
        }
      }
      events.push_back(e);
      row += duration;
      if (cycle && k == words.size()) k = 0;
      if (chords && e.kind == Event::Note) {
        // A held chord-built note follows a chord change under it.
        const Chord* chord = ChordAt(*chords, e.row);
        int change = chord->row + chord->length;
        while (change < row && change < rows) {
          events.back().length = change - events.back().row;
          const Chord* next = ChordAt(*chords, change);
          Event again = e;
          again.row = change;
          again.length = row - change;
          again.notes.clear();
          if (!next || next->none) {
            again.kind = Event::Rest;
          } else {
            for (const std::string& item : items) {
              again.notes.push_back(DegreePitch(line, item, *next, part.base, items.size() > 1) + 1);
            }
          }
          events.push_back(again);
          if (!next) break;
          change = next->row + next->length;
        }
      }
    }
    if (cycle && !events.empty()) events.back().length -= row - rows;
    if (!cycle && row != rows) {
      throw SourceError(line, "part '" + part.name + "' lasts " + std::to_string(row) +
                                  " rows, the pattern has " + std::to_string(rows));
    }
    return events;
  }

  void Place(XmPattern& p, const Part& part, const std::vector<Event>& events) {
    bool drums = part.instrument < 0;
    std::vector<bool> sounding(part.channels, true);  // unknown at the start: treat as sounding
    for (const Event& e : events) {
      if (e.row >= p.rows) break;
      for (int c = 0; c < part.channels; ++c) {
        XmCell& cell = p.cells[e.row * nextChannel_ + part.firstChannel + c];
        if (e.kind == Event::Tie) continue;
        if (e.kind == Event::Note && c < static_cast<int>(e.notes.size())) {
          cell.note = static_cast<std::uint8_t>(e.notes[c]);
          cell.instrument = static_cast<std::uint8_t>(e.instruments[c] + 1);
          if (e.volume >= 0) cell.volume = static_cast<std::uint8_t>(0x10 + e.volume);
          sounding[c] = true;
        } else if (!drums && sounding[c]) {
          cell.note = kXmKeyOff;
          sounding[c] = false;
        }
      }
    }
    if (part.doubleInstrument >= 0) {
      const int first = part.firstChannel + part.channels * (part.echoRows > 0 ? 2 : 1);
      for (int r = 0; r < p.rows; ++r) {
        for (int c = 0; c < part.channels; ++c) {
          const XmCell& from = p.cells[r * nextChannel_ + part.firstChannel + c];
          XmCell& to = p.cells[r * nextChannel_ + first + c];
          to.note = from.note;
          if (from.note && from.note != kXmKeyOff) {
            const int level =
                from.volume >= 0x10 ? (from.volume - 0x10) * part.doubleLevel / 64 : part.doubleLevel;
            to.instrument = static_cast<std::uint8_t>(part.doubleInstrument + 1);
            to.volume = static_cast<std::uint8_t>(0x10 + level);
          }
        }
      }
    }
    if (part.echoRows == 0) return;
    for (int r = p.rows - 1 - part.echoRows; r >= 0; --r) {
      for (int c = 0; c < part.channels; ++c) {
        const XmCell& from = p.cells[r * nextChannel_ + part.firstChannel + c];
        if (!from.note) continue;
        XmCell& to = p.cells[(r + part.echoRows) * nextChannel_ + part.firstChannel + part.channels + c];
        to = from;
        if (from.note != kXmKeyOff) {
          to.volume = static_cast<std::uint8_t>(0x10 + part.echoLevel);
          to.effect = 8;  // set panning
          to.param = static_cast<std::uint8_t>(128 + part.echoPan);
        }
      }
    }
  }

  std::size_t Pattern(const std::vector<SourceLine>& lines, std::size_t i) {
    const SourceLine& head = lines[i];
    if (head.words.size() != 2 && !(head.words.size() == 4 && head.words[2] == "bars")) {
      throw SourceError(head, "pattern NAME [bars N]");
    }
    const std::string name = head.words[1];
    if (patternIndex_.count(name)) throw SourceError(head, "pattern defined twice");
    int bars = head.words.size() == 4 ? ParseInt(head, head.words[3]) : bars_;
    const int barRows = bar_ > 0 ? bar_ : beat_ * 4;
    const int rows = bars * barRows;
    if (rows < 1 || rows > 256) throw SourceError(head, "a pattern has 1..256 rows");
    std::map<std::string, std::pair<SourceLine, std::vector<std::string>>> partWords;
    std::vector<Chord> chords;
    std::optional<SourceLine> chordLine;
    std::vector<std::string> chordWords{"chords"};
    for (++i;; ++i) {
      if (i >= lines.size()) throw SourceError(head, "pattern without end");
      const SourceLine& line = lines[i];
      const std::string& key = line.words[0];
      if (key == "end") break;
      if (key == "chords") {
        if (!chordLine) chordLine = line;
        chordWords.insert(chordWords.end(), line.words.begin() + 1, line.words.end());
        continue;
      }
      auto part = std::find_if(parts_.begin(), parts_.end(), [&](const Part& p) { return p.name == key; });
      if (part == parts_.end()) throw SourceError(line, "unknown part '" + key + "'");
      auto& entry = partWords.try_emplace(key, line, std::vector<std::string>{}).first->second;
      entry.second.insert(entry.second.end(), line.words.begin() + 1, line.words.end());
    }
    if (chordLine) {
      SourceLine all = *chordLine;
      all.words = chordWords;
      ParseChords(all, rows, chords);
    }
    XmPattern p;
    p.rows = rows;
    p.cells.resize(static_cast<std::size_t>(rows) * nextChannel_);
    for (const Part& part : parts_) {
      auto found = partWords.find(part.name);
      std::vector<std::string> words;
      SourceLine line = head;
      bool styled = false;
      Part played = part;
      if (found != partWords.end()) {
        line = found->second.first;
        words = found->second.second;
        if (words.size() >= 2 && words[0] == "with") {
          // A restatement on another instrument: "lead with flute ...".
          if (part.instrument < 0) throw SourceError(line, "a drum part has no instrument to change");
          played.instrument = FindInstrument(line, words[1]);
          words.erase(words.begin(), words.begin() + 2);
        }
        if (!words.empty() && words[0] == "style") {
          words.erase(words.begin());
          styled = true;
        }
      } else if (!part.style.empty()) {
        line = part.styleLine;
        words = part.style;
        styled = true;
      } else {
        words = {"r:" + std::to_string(rows)};
      }
      if (styled && chords.empty())
        throw SourceError(line, "part '" + part.name + "' follows chords, but there are none");
      std::vector<Word> expanded;
      Expand(line, words, 0, 0, 0, expanded);
      if (expanded.empty()) throw SourceError(line, "part '" + part.name + "' is empty");
      Place(p, played, Events(line, played, expanded, rows, styled, styled ? &chords : nullptr));
    }
    patternIndex_[name] = static_cast<int>(module_.patterns.size());
    module_.patterns.push_back(std::move(p));
    return i + 1;
  }

  void OrderLine(const SourceLine& line) {
    if (!module_.order.empty()) throw SourceError(line, "only one order line");
    bool loopSeen = false;
    for (std::size_t k = 1; k < line.words.size(); ++k) {
      if (line.words[k] == "loop") {
        if (loopSeen) throw SourceError(line, "two loop marks");
        loopSeen = true;
        module_.restart = static_cast<int>(module_.order.size());
        continue;
      }
      auto it = patternIndex_.find(line.words[k]);
      if (it == patternIndex_.end()) throw SourceError(line, "unknown pattern '" + line.words[k] + "'");
      module_.order.push_back(it->second);
    }
    if (module_.order.empty() || module_.order.size() > 256)
      throw SourceError(line, "order needs 1..256 patterns");
    if (module_.restart >= static_cast<int>(module_.order.size()))
      throw SourceError(line, "loop mark at the end");
  }

  // A volume 0..64 scaled by the tune's mix level.
  int Mixed(int volume) const { return std::clamp(static_cast<int>(std::lround(volume * mix_)), 0, 64); }

  // Moves a pitch `steps` notes along the key's scale; a note outside the
  // scale keeps its distance from the scale note under it.
  int ShiftInKey(const SourceLine& line, int pitch, int steps) {
    if (steps == 0) return pitch;
    if (scale_.empty()) throw SourceError(line, "a move along the scale (^) needs a key line");
    const int above = ((pitch - keyRoot_) % 12 + 12) % 12;
    int degree = 0;
    for (int d = 0; d < 7; ++d) {
      if (scale_[d] <= above) degree = d;
    }
    const int off = above - scale_[degree];
    const int target = degree + steps;
    const int octave = (target >= 0 ? target / 7 : (target - 6) / 7);
    const int moved = scale_[((target % 7) + 7) % 7] + 12 * octave;
    return pitch - scale_[degree] - off + moved + off;
  }

  std::string file_;
  XmModule module_;
  int keyRoot_ = 0;
  std::vector<int> scale_;
  double mix_ = 1;
  int tempo_ = 125, beat_ = 4, bar_ = 0, bars_ = 4;
  int nextChannel_ = 0;
  std::vector<InstrumentRecipe> recipes_;
  std::map<std::string, int> instrumentIndex_;
  std::vector<Part> parts_;
  std::map<std::string, Drum> drums_;
  struct Phrase {
    SourceLine line;
    std::vector<std::string> words;
  };
  std::map<std::string, Phrase> phrases_;
  std::map<std::string, int> patternIndex_;
};

}  // namespace

XmModule CompileTune(std::string_view text, const std::string& fileName, TuneLayout* layout) {
  return TuneCompiler(fileName).Compile(text, layout);
}

}  // namespace vv::gen
