// Scene sheets: text at the game's three sizes, world screens under the day,
// night and cavern light, and every monster on its battle background.

#include <cairo.h>

#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "game_font.h"
#include "sheet_scenes.h"

namespace vv::gen {
namespace {

int GlyphOf(unsigned char c) {
  if (c >= 'a' && c <= 'z') c = c - 'a' + 'A';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 1;
  if (c >= '0' && c <= '9') return c - '0' + 30;
  if (c == 197 || c == 229) return 27;
  if (c == 196 || c == 228) return 28;
  if (c == 214 || c == 246) return 29;
  static const char kPunct[] = "?/:.;,-_()!%'+";
  for (int i = 0; kPunct[i]; ++i)
    if (kPunct[i] == c) return 40 + i;
  return 0;
}

// Draws text the way the game does: cells of the strip, scaled, tinted.
class TextPainter {
 public:
  TextPainter(const RgbaImage& strip, const RgbaImage& filteredStrip) {
    strip_ = SurfaceFromImage(strip);
    filtered_ = SurfaceFromImage(filteredStrip);
  }
  ~TextPainter() {
    cairo_surface_destroy(strip_);
    cairo_surface_destroy(filtered_);
  }
  void Draw(cairo_t* cr, double x, double y, const std::string& text, double f, Rgb tint) {
    bool quarter = f < 0.3;
    cairo_surface_t* src = quarter ? filtered_ : strip_;
    double offset = 0;
    for (unsigned char c : text) {
      int g = GlyphOf(c);
      int gx = (g % 7) * 60, gy = (g / 7) * 60;
      cairo_save(cr);
      cairo_translate(cr, int(x + 0.5 + offset), int(y));
      cairo_scale(cr, f, f);
      cairo_rectangle(cr, 0, 0, 60, 60);
      cairo_clip(cr);
      // Tint by multiplying: draw the glyph as a mask of the tinted colour.
      cairo_push_group(cr);
      cairo_set_source_surface(cr, src, -gx, -gy);
      cairo_pattern_set_filter(cairo_get_source(cr), quarter ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_set_operator(cr, CAIRO_OPERATOR_MULTIPLY);
      SetColour(cr, tint);
      cairo_rectangle(cr, 0, 0, 60, 60);
      cairo_fill(cr);
      cairo_pattern_t* tinted = cairo_pop_group(cr);
      cairo_set_source(cr, tinted);
      cairo_push_group(cr);
      cairo_set_source_surface(cr, src, -gx, -gy);
      cairo_pattern_set_filter(cairo_get_source(cr), quarter ? CAIRO_FILTER_BILINEAR : CAIRO_FILTER_NEAREST);
      cairo_paint(cr);
      cairo_pattern_t* mask = cairo_pop_group(cr);
      cairo_set_source(cr, tinted);
      cairo_mask(cr, mask);
      cairo_pattern_destroy(mask);
      cairo_pattern_destroy(tinted);
      cairo_restore(cr);
      offset = int(offset + (kGlyphWidths[g] + 2) * f);
    }
  }

 private:
  cairo_surface_t* strip_;
  cairo_surface_t* filtered_;
};

void Save(cairo_surface_t* s, const std::filesystem::path& path) {
  cairo_surface_write_to_png(s, path.c_str());
}

int TextSheet(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir) {
  auto a = images.find("medfont.png"), b = images.find("medfont2.png");
  if (a == images.end() || b == images.end()) return 0;
  TextPainter tp(a->second, b->second);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 768);
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0.08, 0.08, 0.1);
  cairo_paint(cr);
  cairo_set_source_rgb(cr, 0.2, 0.3, 0.2);
  cairo_rectangle(cr, 0, 560, 1024, 208);
  cairo_fill(cr);
  tp.Draw(cr, 20, 10, "YOU ARE VICTORIOUS!", 1, {255, 255, 0});
  tp.Draw(cr, 20, 80, "NEW GAME  LOAD GAME", 1, {0, 200, 200});
  tp.Draw(cr, 20, 150, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0.5, {0, 255, 0});
  tp.Draw(cr, 20, 185, "\xC5\xC4\xD6 0123456789 ?/:.;,-_()!%'+", 0.5, {255, 150, 0});
  tp.Draw(cr, 20, 220, "Character Creation - Strength 10", 0.5, {255, 0, 255});
  const char* lines[] = {"A DAGGER IS A VERY BASIC WEAPON. ITS LACK OF POWER IS",
                         "COMPENSATED BY LIGHT WEIGHT AND QUICK ATTACK SPEED.",
                         "ABCDEFGHIJKLMNOPQRSTUVWXYZ \xC5\xC4\xD6 0123456789 ?/:.;,-_()!%'+",
                         "Movement...  Arrow keys   Rest................ Space",
                         "Damage............... 12 - 18   Attack Speed... Very Fast"};
  for (int i = 0; i < 5; ++i) tp.Draw(cr, 20, 270 + 24 * i, lines[i], 0.25, {0, 255, 0});
  for (int i = 0; i < 5; ++i)
    tp.Draw(cr, 20, 580 + 24 * i, lines[i], 0.25, i % 2 ? Rgb{255, 150, 0} : Rgb{255, 255, 0});
  tp.Draw(cr, 20, 420, "HALF: THE QUICK BROWN FOX JUMPS OVER 42 LAZY DOGS", 0.5, {0, 255, 255});
  tp.Draw(cr, 20, 470, "FULL SIZE 1234", 1, {255, 255, 255});
  cairo_destroy(cr);
  Save(s, dir / "scene_text.png");
  cairo_surface_destroy(s);
  return 1;
}

}  // namespace

int WriteSceneSheets(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir) {
  int n = 0;
  n += TextSheet(images, dir);
  return n;
}

}  // namespace vv::gen
