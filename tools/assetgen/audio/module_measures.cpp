#include "module_measures.h"

#include <xmp.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>
#include <numbers>
#include <stdexcept>

#include "audio_assets.h"
#include "loudness.h"
#include "source_text.h"

namespace vv::gen {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRate = 44100;

double Db(double power) {
  return power > 1e-12 ? 10 * std::log10(power) : -120;
}

void Fft(std::vector<std::complex<double>>& a) {
  const std::size_t n = a.size();
  for (std::size_t i = 1, j = 0; i < n; ++i) {
    std::size_t bit = n >> 1;
    for (; j & bit; bit >>= 1) j ^= bit;
    j ^= bit;
    if (i < j) std::swap(a[i], a[j]);
  }
  for (std::size_t len = 2; len <= n; len <<= 1) {
    const std::complex<double> step = std::polar(1.0, -2 * kPi / static_cast<double>(len));
    for (std::size_t i = 0; i < n; i += len) {
      std::complex<double> w = 1;
      for (std::size_t k = 0; k < len / 2; ++k, w *= step) {
        const std::complex<double> u = a[i + k], v = a[i + k + len / 2] * w;
        a[i + k] = u + v;
        a[i + k + len / 2] = u - v;
      }
    }
  }
}

// Power spectrum (n/2 bins) of a Hann-windowed stretch.
std::vector<double> PowerSpectrum(const std::vector<double>& x) {
  std::vector<std::complex<double>> a(x.size());
  for (std::size_t i = 0; i < x.size(); ++i) {
    a[i] = x[i] * (0.5 - 0.5 * std::cos(2 * kPi * static_cast<double>(i) / static_cast<double>(x.size())));
  }
  Fft(a);
  std::vector<double> p(x.size() / 2);
  for (std::size_t i = 0; i < p.size(); ++i) p[i] = std::norm(a[i]);
  return p;
}

// One pass of the module up to its loop, with the channels in `muted` silent.
std::vector<std::int16_t> RenderPass(const std::vector<std::uint8_t>& xm, const std::vector<bool>& muted) {
  std::vector<std::int16_t> audio;
  xmp_context ctx = xmp_create_context();
  if (xmp_load_module_from_memory(ctx, xm.data(), static_cast<long>(xm.size())) != 0) {
    xmp_free_context(ctx);
    throw std::runtime_error("libxmp refused the module");
  }
  xmp_start_player(ctx, static_cast<int>(kRate), 0);
  for (std::size_t c = 0; c < muted.size(); ++c) {
    if (muted[c]) xmp_channel_mute(ctx, static_cast<int>(c), 1);
  }
  xmp_frame_info fi;
  for (int frame = 0; frame < 200 * 60 * 50; ++frame) {
    if (xmp_play_frame(ctx) != 0) break;
    xmp_get_frame_info(ctx, &fi);
    if (fi.loop_count > 0) break;
    const auto* s = static_cast<const std::int16_t*>(fi.buffer);
    audio.insert(audio.end(), s, s + fi.buffer_size / 2);
  }
  xmp_end_player(ctx);
  xmp_release_module(ctx);
  xmp_free_context(ctx);
  return audio;
}

// One note of one channel on the song's timeline (rows from the start).
struct NoteSpan {
  int start = 0, end = 0, pitch = 0;
};

// Every channel's notes over one pass of the order. A note of a plucked or
// struck instrument (no loop, or a held level below a quarter) has died away
// five rows after it starts; a held one sounds until the next note or key-off.
std::vector<std::vector<NoteSpan>> NoteSpans(const XmModule& m) {
  std::vector<bool> fades(m.instruments.size() + 1, false);
  for (std::size_t i = 0; i < m.instruments.size(); ++i) {
    const XmInstrument& ins = m.instruments[i];
    const bool looped = !ins.samples.empty() && ins.samples[0].loopLength > 0;
    const bool lowHold = ins.sustainPoint >= 0 &&
                         ins.sustainPoint < static_cast<int>(ins.volumeEnvelope.size()) &&
                         ins.volumeEnvelope[ins.sustainPoint].level < 16;
    fades[i + 1] = !looped || lowHold;
  }
  std::vector<std::vector<NoteSpan>> spans(m.channels);
  std::vector<int> instrument(m.channels, 0);
  int row = 0;
  auto close = [&](int c) {
    if (!spans[c].empty() && spans[c].back().end < 0) spans[c].back().end = row;
  };
  for (int index : m.order) {
    if (index < 0 || index >= static_cast<int>(m.patterns.size())) continue;
    const XmPattern& p = m.patterns[index];
    for (int r = 0; r < p.rows; ++r, ++row) {
      for (int c = 0; c < m.channels; ++c) {
        const XmCell& cell = p.cells[static_cast<std::size_t>(r) * m.channels + c];
        if (cell.instrument) instrument[c] = cell.instrument;
        if (cell.note == kXmKeyOff || (cell.note >= 1 && cell.note <= 96)) close(c);
        if (cell.note < 1 || cell.note > 96) continue;
        const bool dies =
            instrument[c] > 0 && instrument[c] < static_cast<int>(fades.size()) && fades[instrument[c]];
        spans[c].push_back({row, dies ? -(row + 5) : -1, cell.note});
      }
    }
  }
  for (auto& list : spans) {
    for (NoteSpan& n : list) {
      if (n.end == -1)
        n.end = row;
      else if (n.end < 0)
        n.end = -n.end;
    }
    for (std::size_t i = 0; i + 1 < list.size(); ++i) list[i].end = std::min(list[i].end, list[i + 1].start);
  }
  return spans;
}

bool Semitone(int a, int b) {
  const int interval = std::abs(a - b) % 12;
  return interval == 1 || interval == 11;
}

// Semitone clashes at the lead's note starts: the lead begins a note a
// semitone (or minor ninth) from a note of another part that either holds
// (or repeats) its pitch for a beat, or is struck together with it, and the
// two sound together for at least an eighth. Melodic colour is not a fault:
// a short note that arrives and leaves by step (a passing or neighbour note),
// a short note that anticipates the next harmony, and a note that falls by
// step, or rises by a semitone, onto a consonance with the held note (an
// appoggiatura, a suspension or a leading note).
void CountClashes(const XmModule& m, const TuneLayout& layout, ModuleMeasures& out) {
  const auto spans = NoteSpans(m);
  auto role = [&](int c, const std::vector<bool>& v) { return c < static_cast<int>(v.size()) && v[c]; };
  auto accompanies = [&](int o) {
    return !role(o, layout.drums) && !role(o, layout.echo) && !role(o, layout.lead);
  };
  const int beat = std::max(1, layout.beatRows);
  // How long each accompanying note's pitch lasts, counting its repeats.
  std::vector<std::vector<int>> held(spans.size());
  for (std::size_t o = 0; o < spans.size(); ++o) {
    held[o].resize(spans[o].size());
    for (std::size_t k = spans[o].size(); k-- > 0;) {
      const bool repeated = k + 1 < spans[o].size() && spans[o][k + 1].pitch == spans[o][k].pitch &&
                            spans[o][k + 1].start == spans[o][k].end;
      held[o][k] = spans[o][k].end - spans[o][k].start + (repeated ? held[o][k + 1] : 0);
    }
  }
  auto anticipates = [&](const NoteSpan& n) {
    for (int o = 0; o < m.channels; ++o) {
      if (!accompanies(o)) continue;
      for (const NoteSpan& h : spans[o]) {
        if (h.start == n.end && (h.pitch - n.pitch) % 12 == 0) return true;
      }
    }
    return false;
  };
  for (int c = 0; c < m.channels; ++c) {
    if (!role(c, layout.lead) || role(c, layout.echo)) continue;
    const std::vector<NoteSpan>& lead = spans[c];
    for (std::size_t i = 0; i < lead.size(); ++i) {
      const NoteSpan& n = lead[i];
      ++out.leadOnsets;
      const NoteSpan* prev = i > 0 && lead[i - 1].end == n.start ? &lead[i - 1] : nullptr;
      const NoteSpan* next = i + 1 < lead.size() && lead[i + 1].start == n.end ? &lead[i + 1] : nullptr;
      auto step = [&](const NoteSpan* o) { return o && std::abs(o->pitch - n.pitch) <= 3; };
      const bool shortNote = n.end - n.start < beat;
      if (shortNote && ((step(prev) && step(next)) || anticipates(n))) continue;
      bool clash = false;
      for (int o = 0; o < m.channels && !clash; ++o) {
        if (o == c || !accompanies(o)) continue;
        for (std::size_t k = 0; k < spans[o].size() && spans[o][k].start <= n.start; ++k) {
          const NoteSpan& h = spans[o][k];
          const bool sustained = held[o][k] >= beat || h.start == n.start;
          if (h.end <= n.start || !sustained || std::min(h.end, n.end) - n.start < beat / 2 ||
              !Semitone(h.pitch, n.pitch))
            continue;
          const int after = next ? std::abs(next->pitch - h.pitch) % 12 : 0;
          const int move = next ? next->pitch - n.pitch : 0;
          const bool resolves = next && n.end - n.start <= 2 * beat &&
                                (move == 1 || (move < 0 && move >= -2)) && after != 1 && after != 11 &&
                                after != 2 && after != 10;
          if (resolves) continue;
          if (std::getenv("VIZID_CLASH_DEBUG"))
            std::fprintf(stderr, "row %d (bar %d): lead %d against %s %d\n", n.start,
                         n.start / (4 * beat) + 1, n.pitch, layout.part[o].c_str(), h.pitch);
          clash = true;
        }
      }
      if (clash) ++out.clashes;
    }
  }
}

// The highest partial and the energy above the output's Nyquist frequency
// of each instrument at the highest note it plays.
void CheckPartials(const XmModule& m, ModuleMeasures& out) {
  std::vector<int> highest(m.instruments.size() + 1, 0);
  for (int index : m.order) {
    const XmPattern& p = m.patterns[index];
    std::vector<int> last(m.channels, 0);
    for (std::size_t k = 0; k < p.cells.size(); ++k) {
      const XmCell& cell = p.cells[k];
      const int c = static_cast<int>(k % m.channels);
      if (cell.instrument) last[c] = cell.instrument;
      if (cell.note >= 1 && cell.note <= 96 && last[c] > 0 && last[c] < static_cast<int>(highest.size()))
        highest[last[c]] = std::max(highest[last[c]], static_cast<int>(cell.note));
    }
  }
  for (std::size_t i = 0; i < m.instruments.size(); ++i) {
    const XmInstrument& ins = m.instruments[i];
    if (!highest[i + 1]) continue;
    // Each sample of the instrument at the highest note mapped to it.
    std::vector<int> top(ins.samples.size(), 0);
    for (int n = 1; n <= highest[i + 1]; ++n) {
      const int s = n - 1 < static_cast<int>(ins.keymap.size()) ? ins.keymap[n - 1] : 0;
      if (s >= 0 && s < static_cast<int>(top.size())) top[s] = n;
    }
    for (std::size_t s = 0; s < ins.samples.size(); ++s) {
      const XmSample& smp = ins.samples[s];
      if (!top[s] || smp.data.empty()) continue;
      const double rate =
          8363.0 * std::pow(2.0, (top[s] - 1 + smp.relativeNote + smp.finetune / 128.0 - 48) / 12.0);
      std::vector<double> x(4096, 0.0);
      for (std::size_t n = 0; n < x.size(); ++n) {
        std::size_t at = n;
        if (smp.loopLength && at >= smp.loopStart + smp.loopLength)
          at = smp.loopStart + (at - smp.loopStart) % smp.loopLength;
        x[n] = at < smp.data.size() ? smp.data[at] / 32768.0 : 0;
      }
      const std::vector<double> p = PowerSpectrum(x);
      const double peak = *std::max_element(p.begin(), p.end());
      double total = 0, above = 0, topHz = 0;
      for (std::size_t b = 1; b < p.size(); ++b) {
        const double hz = static_cast<double>(b) / static_cast<double>(x.size()) * rate;
        total += p[b];
        if (hz > kRate / 2) above += p[b];
        if (p[b] > peak * 1e-5) topHz = hz;  // within 50 dB of the strongest partial
      }
      if (topHz > out.topPartialHz) {
        out.topPartialHz = topHz;
        out.topWhere = ins.name;
      }
      if (total > 0) out.aliasedDb = std::max(out.aliasedDb, Db(above / total));
    }
  }
}

}  // namespace

double GameGain(std::string_view name) {
  if (name == "track1") return 200.0 / 256;
  if (name == "track4") return 230.0 / 256;
  if (name.rfind("track", 0) == 0) return 150.0 / 256;
  return 1.0;
}

XmModule ReadXm(const std::vector<std::uint8_t>& b) {
  auto need = [&](std::size_t end) {
    if (end > b.size()) throw std::runtime_error("XM file cut short");
  };
  auto u16 = [&](std::size_t at) {
    need(at + 2);
    return static_cast<int>(b[at] | b[at + 1] << 8);
  };
  auto u32 = [&](std::size_t at) {
    return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
  };
  need(80);
  XmModule m;
  m.name.assign(reinterpret_cast<const char*>(&b[17]), 20);
  m.name = m.name.c_str();
  const int length = u16(64), patterns = u16(70), instruments = u16(72);
  m.restart = u16(66);
  m.channels = u16(68);
  m.speed = u16(76);
  m.bpm = u16(78);
  need(80 + static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i) m.order.push_back(b[80 + i]);
  std::size_t at = 60 + u32(60);
  for (int p = 0; p < patterns; ++p) {
    XmPattern pat;
    pat.rows = u16(at + 5);
    const int packed = u16(at + 7);
    at += u32(at);
    const std::size_t end = at + packed;
    need(end);
    pat.cells.resize(static_cast<std::size_t>(pat.rows) * m.channels);
    std::size_t k = 0;
    while (at < end && k < pat.cells.size()) {
      XmCell& c = pat.cells[k++];
      const std::uint8_t mask = b[at];
      if (mask & 0x80) {
        ++at;
        if (mask & 1) c.note = b[at++];
        if (mask & 2) c.instrument = b[at++];
        if (mask & 4) c.volume = b[at++];
        if (mask & 8) c.effect = b[at++];
        if (mask & 16) c.param = b[at++];
      } else {
        need(at + 5);
        c = {b[at], b[at + 1], b[at + 2], b[at + 3], b[at + 4]};
        at += 5;
      }
    }
    at = end;
    m.patterns.push_back(std::move(pat));
  }
  for (int i = 0; i < instruments; ++i) {
    XmInstrument ins;
    const std::size_t head = at;
    const std::uint32_t size = u32(head);
    need(head + 29);
    ins.name.assign(reinterpret_cast<const char*>(&b[head + 4]), 22);
    ins.name = ins.name.c_str();
    const int count = u16(head + 27);
    at = head + size;
    if (count == 0) {
      m.instruments.push_back(std::move(ins));
      continue;
    }
    const std::uint32_t sampleHeader = u32(head + 29);
    need(head + 241);
    for (int n = 0; n < 96; ++n) ins.keymap.push_back(b[head + 33 + n]);
    const int points = b[head + 225];
    for (int p = 0; p < points && p < 12; ++p)
      ins.volumeEnvelope.push_back({u16(head + 129 + 4 * p), u16(head + 131 + 4 * p)});
    if (b[head + 233] & 2) ins.sustainPoint = b[head + 227];
    if (!(b[head + 233] & 1)) ins.volumeEnvelope.clear();
    std::vector<std::uint32_t> lengths;
    for (int s = 0; s < count; ++s) {
      const std::size_t h = at + static_cast<std::size_t>(s) * sampleHeader;
      need(h + 40);
      XmSample smp;
      lengths.push_back(u32(h));
      smp.sixteenBit = b[h + 14] & 0x10;
      const int width = smp.sixteenBit ? 2 : 1;
      smp.loopStart = u32(h + 4) / width;
      smp.loopLength = (b[h + 14] & 3) ? u32(h + 8) / width : 0;
      smp.volume = b[h + 12];
      smp.finetune = static_cast<std::int8_t>(b[h + 13]);
      smp.pan = b[h + 15];
      smp.relativeNote = static_cast<std::int8_t>(b[h + 16]);
      ins.samples.push_back(std::move(smp));
    }
    at += static_cast<std::size_t>(count) * sampleHeader;
    for (int s = 0; s < count; ++s) {
      XmSample& smp = ins.samples[s];
      need(at + lengths[s]);
      if (smp.sixteenBit) {
        std::int16_t v = 0;
        for (std::uint32_t k = 0; k + 1 < lengths[s]; k += 2)
          smp.data.push_back(v = static_cast<std::int16_t>(v + u16(at + k)));
      } else {
        std::int8_t v = 0;
        for (std::uint32_t k = 0; k < lengths[s]; ++k)
          smp.data.push_back(static_cast<std::int16_t>((v = static_cast<std::int8_t>(v + b[at + k])) * 256));
      }
      at += lengths[s];
    }
    m.instruments.push_back(std::move(ins));
  }
  return m;
}

ModuleMeasures MeasureModule(const std::vector<std::uint8_t>& xm, const TuneLayout& layout, double gain) {
  ModuleMeasures out;
  out.bytes = xm.size();
  const XmModule m = ReadXm(xm);
  const std::vector<std::int16_t> full = RenderPass(xm, {});
  std::vector<bool> notLead(m.channels, true);
  bool anyLead = false;
  for (std::size_t c = 0; c < layout.lead.size() && c < notLead.size(); ++c) {
    notLead[c] = !layout.lead[c] || layout.echo[c];
    anyLead = anyLead || !notLead[c];
  }
  const std::vector<std::int16_t> lead = anyLead ? RenderPass(xm, notLead) : std::vector<std::int16_t>{};

  // Level and peak of the whole pass; the low end from its spectrum, in
  // 8192-point blocks (5.4 Hz apart).
  double sum = 0, peak = 0;
  for (std::int16_t s : full) {
    const double v = s / 32768.0;
    sum += v * v;
    peak = std::max(peak, std::abs(v));
  }
  const std::size_t fftSize = 8192;
  double lowSum = 0, allSum = 0;
  for (std::size_t start = 0; 2 * (start + fftSize) <= full.size(); start += fftSize / 2) {
    std::vector<double> x(fftSize);
    for (std::size_t i = 0; i < fftSize; ++i)
      x[i] = (full[2 * (start + i)] + full[2 * (start + i) + 1]) / 65536.0;
    const std::vector<double> p = PowerSpectrum(x);
    for (std::size_t b = 1; b < p.size(); ++b) {
      allSum += p[b];
      if (static_cast<double>(b) * kRate / fftSize < 60) lowSum += p[b];
    }
  }
  const double frames = std::max<double>(1, static_cast<double>(full.size()));
  out.gameRmsDb = Db(sum / frames * gain * gain);
  out.gamePeakDb = 20 * std::log10(std::max(peak * gain, 1e-6));
  out.below60 = allSum > 0 ? lowSum / allSum : 0;

  // The lead against the mix in the 50 ms blocks where the lead sounds.
  const std::size_t block = 4410;
  double leadSum = 0, mixSum = 0;
  for (std::size_t start = 0; start + block <= std::min(full.size(), lead.size()); start += block) {
    double l = 0, f = 0;
    for (std::size_t i = start; i < start + block; ++i) {
      l += lead[i] / 32768.0 * (lead[i] / 32768.0);
      f += full[i] / 32768.0 * (full[i] / 32768.0);
    }
    if (l / block < 1e-5) continue;  // the lead rests (below -50 dBFS)
    leadSum += l;
    mixSum += f;
  }
  out.leadToMixDb = mixSum > 0 && leadSum > 0 ? Db(leadSum / mixSum) : -120;
  CountClashes(m, layout, out);
  CheckPartials(m, out);
  return out;
}

ModuleMeasures MeasureGameModule(const std::string& name, const std::filesystem::path& assetsDir,
                                 const std::filesystem::path& xmDir) {
  TuneLayout layout;
  const std::string source = ReadTextFile(assetsDir / "music" / (name + ".tune"));
  CompileTune(source, "music/" + name + ".tune", &layout);
  std::vector<std::uint8_t> xm;
  if (xmDir.empty()) {
    xm = MakeModule(name + ".xm", assetsDir);
  } else {
    const std::string text = ReadTextFile(xmDir / (name + ".xm"));
    xm.assign(text.begin(), text.end());
  }
  return MeasureModule(xm, layout, GameGain(name));
}

std::vector<std::vector<float>> DecodeWav(const std::vector<std::uint8_t>& b, int& rate) {
  if (b.size() < 44) throw std::runtime_error("WAV file cut short");
  auto u16 = [&](std::size_t at) { return static_cast<int>(b[at] | b[at + 1] << 8); };
  const int channels = u16(22), bits = u16(34);
  rate = u16(24) | u16(26) << 16;
  std::vector<std::vector<float>> out(static_cast<std::size_t>(std::max(channels, 1)));
  const std::size_t width = bits / 8 * channels;
  for (std::size_t at = 44; at + width <= b.size(); at += width) {
    for (int c = 0; c < channels; ++c) {
      const std::size_t p = at + static_cast<std::size_t>(c) * (bits / 8);
      out[c].push_back(bits == 8 ? (b[p] - 128) / 128.0f : static_cast<std::int16_t>(u16(p)) / 32768.0f);
    }
  }
  return out;
}

std::vector<double> VoiceProfile(const std::vector<std::vector<float>>& channels, int rate) {
  std::vector<double> mono(channels.empty() ? 0 : channels[0].size(), 0.0);
  for (const auto& ch : channels) {
    for (std::size_t i = 0; i < ch.size(); ++i) mono[i] += ch[i];
  }
  // Spectrum: 16 bands, spaced evenly in pitch from 60 Hz to 5 kHz, over
  // the whole sound, in dB against their mean.
  const std::size_t frame = 512;
  std::vector<double> spectrum(frame / 2, 0.0);
  for (std::size_t start = 0; start + frame <= mono.size() + frame / 2; start += frame / 2) {
    std::vector<double> x(frame, 0.0);
    for (std::size_t i = 0; i < frame && start + i < mono.size(); ++i) x[i] = mono[start + i];
    const std::vector<double> p = PowerSpectrum(x);
    for (std::size_t b = 0; b < p.size(); ++b) spectrum[b] += p[b];
  }
  std::vector<double> profile;
  for (int band = 0; band < 16; ++band) {
    const double lo = 60 * std::pow(5000.0 / 60, band / 16.0),
                 hi = 60 * std::pow(5000.0 / 60, (band + 1) / 16.0);
    double e = 1e-9;
    for (std::size_t b = 0; b < spectrum.size(); ++b) {
      const double hz = static_cast<double>(b) * rate / frame;
      if (hz >= lo && hz < hi) e += spectrum[b];
    }
    profile.push_back(Db(e));
  }
  double mean = 0;
  for (double v : profile) mean += v / 16;
  for (double& v : profile) v = std::max(v - mean, -40.0);
  // Level over time: ten 50 ms steps, in dB under the loudest.
  const std::size_t step = static_cast<std::size_t>(0.05 * rate);
  std::vector<double> level;
  for (int k = 0; k < 10; ++k) {
    double e = 1e-9;
    for (std::size_t i = k * step; i < (k + 1) * step && i < mono.size(); ++i) e += mono[i] * mono[i];
    level.push_back(Db(e));
  }
  const double loudest = *std::max_element(level.begin(), level.end());
  for (double v : level) profile.push_back(std::max(v - loudest, -40.0));
  return profile;
}

double ProfileDistance(const std::vector<double>& a, const std::vector<double>& b) {
  double sum = 0;
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) sum += (a[i] - b[i]) * (a[i] - b[i]);
  return n ? std::sqrt(sum / static_cast<double>(n)) : 0;
}

}  // namespace vv::gen
