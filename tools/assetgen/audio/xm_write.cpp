#include "xm_write.h"

#include <algorithm>
#include <stdexcept>

namespace vv::gen {

namespace {

class Writer {
 public:
  void U8(int v) { out_.push_back(static_cast<std::uint8_t>(v)); }
  void U16(int v) {
    U8(v & 0xff);
    U8((v >> 8) & 0xff);
  }
  void U32(std::uint32_t v) {
    U16(static_cast<int>(v & 0xffff));
    U16(static_cast<int>(v >> 16));
  }
  void Text(const std::string& s, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i) U8(i < s.size() ? static_cast<unsigned char>(s[i]) : 0);
  }
  void Bytes(const std::vector<std::uint8_t>& b) { out_.insert(out_.end(), b.begin(), b.end()); }
  std::vector<std::uint8_t> Take() { return std::move(out_); }

 private:
  std::vector<std::uint8_t> out_;
};

std::vector<std::uint8_t> PackPattern(const XmPattern& p, int channels) {
  std::vector<std::uint8_t> packed;
  for (const XmCell& c : p.cells) {
    // Each cell starts with a mask byte naming the fields that follow.
    std::uint8_t mask = 0x80;
    if (c.note) mask |= 1;
    if (c.instrument) mask |= 2;
    if (c.volume) mask |= 4;
    if (c.effect) mask |= 8;
    if (c.param) mask |= 16;
    packed.push_back(mask);
    if (c.note) packed.push_back(c.note);
    if (c.instrument) packed.push_back(c.instrument);
    if (c.volume) packed.push_back(c.volume);
    if (c.effect) packed.push_back(c.effect);
    if (c.param) packed.push_back(c.param);
  }
  if (p.cells.size() != static_cast<std::size_t>(p.rows * channels)) {
    throw std::logic_error("pattern cell count does not match rows and channels");
  }
  return packed;
}

// Sample data is stored as differences between neighbouring values.
std::vector<std::uint8_t> DeltaSamples(const XmSample& s) {
  std::vector<std::uint8_t> out;
  if (s.sixteenBit) {
    std::int16_t last = 0;
    for (std::int16_t v : s.data) {
      auto d = static_cast<std::uint16_t>(static_cast<std::uint16_t>(v) - static_cast<std::uint16_t>(last));
      out.push_back(static_cast<std::uint8_t>(d & 0xff));
      out.push_back(static_cast<std::uint8_t>(d >> 8));
      last = v;
    }
  } else {
    std::int8_t last = 0;
    for (std::int16_t v : s.data) {
      auto b = static_cast<std::int8_t>(std::clamp(v / 256, -128, 127));
      out.push_back(
          static_cast<std::uint8_t>(static_cast<std::uint8_t>(b) - static_cast<std::uint8_t>(last)));
      last = b;
    }
  }
  return out;
}

}  // namespace

std::vector<std::uint8_t> EncodeXm(const XmModule& m) {
  if (m.order.empty() || m.order.size() > 256) throw std::logic_error("order list must hold 1..256 entries");
  if (m.channels < 2 || m.channels > 64 || m.channels % 2)
    throw std::logic_error("channel count must be even");
  Writer w;
  w.Text("Extended Module: ", 17);
  w.Text(m.name, 20);
  w.U8(0x1a);
  w.Text("", 20);  // no tracker name: no FastTracker 2 quirks
  w.U16(0x0104);
  w.U32(276);
  w.U16(static_cast<int>(m.order.size()));
  w.U16(m.restart);
  w.U16(m.channels);
  w.U16(static_cast<int>(m.patterns.size()));
  w.U16(static_cast<int>(m.instruments.size()));
  w.U16(1);  // linear frequency table
  w.U16(m.speed);
  w.U16(m.bpm);
  for (int i = 0; i < 256; ++i) w.U8(i < static_cast<int>(m.order.size()) ? m.order[i] : 0);

  for (const XmPattern& p : m.patterns) {
    std::vector<std::uint8_t> packed = PackPattern(p, m.channels);
    w.U32(9);
    w.U8(0);
    w.U16(p.rows);
    w.U16(static_cast<int>(packed.size()));
    w.Bytes(packed);
  }

  for (const XmInstrument& ins : m.instruments) {
    if (ins.samples.empty() || ins.samples.size() > 16)
      throw std::logic_error("an instrument has 1..16 samples");
    w.U32(263);
    w.Text(ins.name, 22);
    w.U8(0);
    w.U16(static_cast<int>(ins.samples.size()));
    w.U32(40);
    for (int i = 0; i < 96; ++i) {
      const int sample = i < static_cast<int>(ins.keymap.size()) ? ins.keymap[i] : 0;
      if (sample < 0 || sample >= static_cast<int>(ins.samples.size()))
        throw std::logic_error("keymap names a missing sample");
      w.U8(sample);
    }
    for (int i = 0; i < 12; ++i) {
      bool used = i < static_cast<int>(ins.volumeEnvelope.size());
      w.U16(used ? ins.volumeEnvelope[i].tick : 0);
      w.U16(used ? ins.volumeEnvelope[i].level : 0);
    }
    for (int i = 0; i < 12; ++i) w.U32(i == 0 ? 0x00200000u : 0);  // flat panning envelope, unused
    w.U8(static_cast<int>(ins.volumeEnvelope.size()));
    w.U8(1);
    w.U8(std::max(ins.sustainPoint, 0));
    w.U8(0);
    w.U8(0);
    w.U8(0);
    w.U8(0);
    w.U8(0);
    int type = 0;
    if (!ins.volumeEnvelope.empty()) type |= 1;
    if (ins.sustainPoint >= 0) type |= 2;
    w.U8(type);
    w.U8(0);
    w.U8(ins.vibratoType);
    w.U8(ins.vibratoSweep);
    w.U8(ins.vibratoDepth);
    w.U8(ins.vibratoRate);
    w.U16(ins.fadeout);
    w.Text("", 22);

    // All sample headers come first, then the data of each in turn.
    for (const XmSample& s : ins.samples) {
      const int width = s.sixteenBit ? 2 : 1;
      w.U32(static_cast<std::uint32_t>(s.data.size() * width));
      w.U32(static_cast<std::uint32_t>(s.loopStart * width));
      w.U32(static_cast<std::uint32_t>(s.loopLength * width));
      w.U8(s.volume);
      w.U8(s.finetune & 0xff);
      w.U8((s.loopLength ? 1 : 0) | (s.sixteenBit ? 0x10 : 0));
      w.U8(s.pan);
      w.U8(s.relativeNote & 0xff);
      w.U8(0);
      w.Text(s.name, 22);
    }
    for (const XmSample& s : ins.samples) w.Bytes(DeltaSamples(s));
  }
  return w.Take();
}

}  // namespace vv::gen
