#include "placeholders.h"

#include <cairo.h>

#include <cmath>
#include <cstring>

namespace vv::gen {
namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(tag[i]));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// Cairo's premultiplied ARGB surface into straight RGBA.
RgbaImage FromSurface(cairo_surface_t* surface) {
  cairo_surface_flush(surface);
  const int w = cairo_image_surface_get_width(surface);
  const int h = cairo_image_surface_get_height(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  RgbaImage image(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      std::uint32_t argb;
      std::memcpy(&argb, data + y * stride + x * 4, 4);
      const int a = static_cast<int>(argb >> 24);
      std::uint8_t* px = image.At(x, y);
      for (int c = 0; c < 3; ++c) {
        const int v = static_cast<int>((argb >> (16 - 8 * c)) & 0xFF);
        px[c] = static_cast<std::uint8_t>(a ? std::min(250, v * 255 / a) : 0);
      }
      px[3] = static_cast<std::uint8_t>(a);
    }
  }
  return image;
}

}  // namespace

RgbaImage PlaceholderPicture(const AssetEntry& entry) {
  const int w = entry.width > 0 ? entry.width : 128;
  const int h = entry.height > 0 ? entry.height : 128;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(surface);
  cairo_set_source_rgb(cr, 0.45, 0.45, 0.45);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.75, 0.75, 0.75);
  cairo_set_line_width(cr, 2);
  cairo_rectangle(cr, 1, 1, w - 2, h - 2);
  cairo_stroke(cr);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, std::max(6.0, std::min(14.0, w / 8.0)));
  const std::string file = std::string(AssetFileName(entry.name));
  cairo_move_to(cr, 4, std::min(h - 4.0, 16.0));
  cairo_show_text(cr, file.c_str());
  cairo_destroy(cr);
  RgbaImage image = FromSurface(surface);
  cairo_surface_destroy(surface);
  return image;
}

RgbaImage PlaceholderFont() {
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 420, 540);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 50);
  cairo_set_source_rgb(cr, 0.97, 0.97, 0.97);
  // Frames 1..53 in strip order; Latin-1 letters are written as UTF-8 here.
  const char* glyphs[] = {"",       "A",      "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
                          "N",      "O",      "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "\u00C5",
                          "\u00C4", "\u00D6", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "?", "/",
                          ":",      ".",      ";", ",", "-", "_", "(", ")", "!", "%", "'", "+"};
  for (int f = 1; f < static_cast<int>(sizeof glyphs / sizeof glyphs[0]); ++f) {
    const double cx = (f % 7) * 60.0, cy = (f / 7) * 60.0;
    cairo_save(cr);
    cairo_rectangle(cr, cx, cy, 60, 60);
    cairo_clip(cr);
    cairo_move_to(cr, cx + 2, cy + 52);
    cairo_show_text(cr, glyphs[f]);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  RgbaImage image = FromSurface(surface);
  cairo_surface_destroy(surface);
  return image;
}

std::vector<std::uint8_t> EncodeWav(const std::vector<std::int16_t>& samples, const SoundFormat& f) {
  std::vector<std::uint8_t> data;
  for (std::int16_t s : samples) {
    if (f.bits == 8) {
      data.push_back(static_cast<std::uint8_t>((s >> 8) + 128));
    } else {
      Put16(data, static_cast<std::uint16_t>(s));
    }
  }
  std::vector<std::uint8_t> out;
  PutTag(out, "RIFF");
  Put32(out, static_cast<std::uint32_t>(36 + data.size()));
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);
  Put16(out, static_cast<std::uint16_t>(f.channels));
  Put32(out, static_cast<std::uint32_t>(f.rate));
  Put32(out, static_cast<std::uint32_t>(f.rate * f.channels * f.bits / 8));
  Put16(out, static_cast<std::uint16_t>(f.channels * f.bits / 8));
  Put16(out, static_cast<std::uint16_t>(f.bits));
  PutTag(out, "data");
  Put32(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), data.begin(), data.end());
  return out;
}

std::vector<std::uint8_t> PlaceholderSound(const AssetEntry& entry) {
  const SoundFormat& f = entry.format;
  const int frames = f.rate / 10;
  std::vector<std::int16_t> samples;
  for (int i = 0; i < frames; ++i) {
    const double env = 1.0 - static_cast<double>(i) / frames;
    const auto v = static_cast<std::int16_t>(std::sin(i * 2 * M_PI * 440.0 / f.rate) * 12000 * env);
    for (int c = 0; c < f.channels; ++c) samples.push_back(v);
  }
  return EncodeWav(samples, f);
}

std::vector<std::uint8_t> PlaceholderModule() {
  // One empty pattern of 64 rows on four channels, no instruments.
  std::vector<std::uint8_t> out;
  for (const char c : std::string("Extended Module: ")) out.push_back(static_cast<std::uint8_t>(c));
  const std::string title = "placeholder";
  for (int i = 0; i < 20; ++i) out.push_back(i < static_cast<int>(title.size()) ? title[i] : 0);
  out.push_back(0x1A);
  for (int i = 0; i < 20; ++i) out.push_back(0);  // tracker name left empty
  Put16(out, 0x0104);
  Put32(out, 276);                                 // header size
  Put16(out, 1);                                   // song length
  Put16(out, 0);                                   // restart position
  Put16(out, 4);                                   // channels
  Put16(out, 1);                                   // patterns
  Put16(out, 0);                                   // instruments
  Put16(out, 1);                                   // linear frequencies
  Put16(out, 6);                                   // speed
  Put16(out, 125);                                 // tempo
  for (int i = 0; i < 256; ++i) out.push_back(0);  // order table
  Put32(out, 9);                                   // pattern header length
  out.push_back(0);                                // packing type
  Put16(out, 64);                                  // rows
  Put16(out, 64 * 4);
  for (int i = 0; i < 64 * 4; ++i) out.push_back(0x80);  // empty notes
  return out;
}

std::vector<std::uint8_t> PlaceholderMap() {
  // Every used screen walled in by rock, ground 1 on tile 1.
  constexpr int grid[6][6] = {{0}, {0, 3, 4, 9, 10, 11}, {0, 2, 5, 8, 15, 12}, {0, 1, 6, 7, 14, 13}};
  std::vector<std::int32_t> ints(1 + 5 * 5 * 500 * 10, 0);
  ints[0] = 525;
  for (int c = 1; c <= 5; ++c) {
    for (int r = 1; r <= 5; ++r) {
      if (c > 3 || grid[c][r] == 0) continue;
      int slot = 0;
      auto put = [&](int x, int y) {
        std::int32_t* t = &ints[1 + (((c - 1) * 5 + (r - 1)) * 500 + slot) * 10];
        t[0] = 2, t[1] = 10, t[2] = x * 32, t[3] = y * 32, t[4] = 32, t[5] = 32, t[6] = 1;
        if (slot == 0) t[9] = 1;
        ++slot;
      };
      for (int x = 0; x < 32; ++x) put(x, 0), put(x, 18);
      for (int y = 1; y < 18; ++y) put(0, y), put(31, y);
    }
  }
  std::vector<std::uint8_t> out;
  for (std::int32_t v : ints) Put32(out, static_cast<std::uint32_t>(v));
  return out;
}

}  // namespace vv::gen
