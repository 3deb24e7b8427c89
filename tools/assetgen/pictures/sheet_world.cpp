// Scene sheets: text at the game's three sizes, world screens under the day,
// night and cavern light, and every monster on its battle background.

#include <cairo.h>

#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "game_font.h"
#include "picture_table.h"
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

// Paints an image at (x, y) multiplied by a light colour, the way the game
// tints the world. Masked pictures lose their mask colour and keep their
// soft edges.
void PaintLit(cairo_t* cr, const RgbaImage& img, double x, double y, Rgb light, bool masked) {
  RgbaImage lit = img;
  for (std::size_t i = 0; i + 3 < lit.pixels.size(); i += 4) {
    std::uint8_t* p = &lit.pixels[i];
    if (masked && p[0] == 255 && p[1] == 255 && p[2] == 255) p[3] = 0;
    for (int k = 0; k < 3; ++k) p[k] = std::uint8_t(p[k] * (&light.r)[k] / 255.0);
  }
  cairo_surface_t* s = SurfaceFromImage(lit);
  cairo_set_source_surface(cr, s, x, y);
  cairo_paint(cr);
  cairo_surface_destroy(s);
}

// One small screen of an area: ground, the area's tiles laid out with space
// around them, a wall of its seamless obstacles, and fog over the right edge.
int WorldSheet(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir, int area) {
  static const char* const kFamilies[6] = {
      "", "tiles_forest", "tiles_cavern", "tiles_desert", "tiles_garden", "tiles_hideout"};
  const int cols = 20, rows = 12;
  std::vector<const PictureDef*> tiles;
  for (const PictureDef& d : AllPictures())
    if (d.family == kFamilies[area] && d.name.rfind("ground_", 0) != 0) tiles.push_back(&d);
  std::string ground = "ground_" + std::to_string(area) + ".png";
  if (tiles.empty() || !images.count(ground)) return 0;
  std::stable_sort(tiles.begin(), tiles.end(), [](const PictureDef* a, const PictureDef* b) {
    return a->width * a->height > b->width * b->height;
  });
  std::vector<char> used(cols * rows, 0);
  struct Placed {
    const PictureDef* def;
    int cx, cy;
  };
  std::vector<Placed> placed;
  auto freeAt = [&](int cx, int cy, int w, int h) {
    if (cx < 0 || cy < 0 || cx + w > cols - 3 || cy + h > rows) return false;
    for (int y = cy; y < cy + h; ++y)
      for (int x = cx; x < cx + w; ++x)
        if (used[y * cols + x]) return false;
    return true;
  };
  for (const PictureDef* d : tiles) {
    int w = (d->width + 31) / 32, h = (d->height + 31) / 32;
    bool strip = (d->flags & kSeamless) != 0;
    int pw = strip ? 3 : w, ph = strip ? 2 : h;
    bool done = false;
    for (int cy = 0; cy < rows && !done; ++cy)
      for (int cx = 0; cx < cols && !done; ++cx)
        if (freeAt(cx - 1 < 0 ? 0 : cx, cy, pw, ph) &&
            freeAt(cx, cy, pw + (cx + pw < cols - 3 ? 1 : 0), ph)) {
          for (int y = cy; y < cy + ph; ++y)
            for (int x = cx; x < cx + pw + 1 && x < cols; ++x) used[y * cols + x] = 1;
          for (int y = cy; y < cy + ph; y += h)
            for (int x = cx; x < cx + pw; x += w) placed.push_back({d, x, y});
          done = true;
        }
  }
  const Rgb lights[4] = {{255, 255, 255}, {163, 102, 102}, {38, 38, 38}, {127, 127, 127}};
  const char* names[4] = {"full light", "dusk (time 40)", "night", "half light (cavern)"};
  const int sw = cols * 32, sh = rows * 32;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, sw, 4 * (sh + 24));
  cairo_t* cr = cairo_create(s);
  cairo_set_source_rgb(cr, 0.1, 0.1, 0.12);
  cairo_paint(cr);
  for (int li = 0; li < 4; ++li) {
    double oy = li * (sh + 24) + 24;
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 14);
    cairo_set_source_rgb(cr, 0.9, 0.9, 0.85);
    cairo_move_to(cr, 6, oy - 7);
    std::string label = std::string(kFamilies[area]) + " - " + names[li];
    cairo_show_text(cr, label.c_str());
    cairo_save(cr);
    cairo_rectangle(cr, 0, oy, sw, sh);
    cairo_clip(cr);
    for (int y = 0; y < rows; ++y)
      for (int x = 0; x < cols - 3; ++x)
        PaintLit(cr, images.at(ground), x * 32, oy + y * 32, lights[li], true);
    for (const Placed& p : placed)
      PaintLit(cr, images.at(p.def->name), p.cx * 32, oy + p.cy * 32, lights[li], true);
    // Fog: the last three columns unseen, edges on the seen side.
    for (int y = 0; y < rows; ++y)
      for (int x = cols - 3; x < cols; ++x)
        PaintLit(cr, images.at("black.png"), x * 32, oy + y * 32, {255, 255, 255}, false);
    for (int y = 0; y < rows; ++y)
      PaintLit(cr, images.at("fadex_3.png"), (cols - 4) * 32, oy + y * 32, {255, 255, 255}, false);
    cairo_restore(cr);
  }
  cairo_destroy(cr);
  Save(s, dir / ("scene_world_" + std::to_string(area) + ".png"));
  cairo_surface_destroy(s);
  return 1;
}

// A monster in its three poses on its home area's battle background, drawn
// the way the combat screen does: bottom centre at (512, 591), both at half
// light in the cavern.
int BattleSheet(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir, int n) {
  static const int kHome[17] = {0, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4, 4, 4, 5, 5, 5, 5};
  std::string back = "comback_" + std::to_string(kHome[n]) + ".png";
  if (!images.count(back)) return 0;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 3 * 1024, 614);
  cairo_t* cr = cairo_create(s);
  static const char* const kSuffix[3] = {"", "a", "d"};
  for (int p = 0; p < 3; ++p) {
    std::string name = "monster_" + std::to_string(n) + kSuffix[p] + ".png";
    if (!images.count(name)) continue;
    const RgbaImage& m = images.at(name);
    const Rgb light = kHome[n] == 2 ? Rgb{127, 127, 127} : Rgb{255, 255, 255};
    PaintLit(cr, images.at(back), p * 1024, 0, light, false);
    PaintLit(cr, m, p * 1024 + 512 - m.width / 2, 591 - m.height, light, true);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.5);
    cairo_rectangle(cr, p * 1024 + 320, 0, 384, 80);
    cairo_fill(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 20);
    cairo_set_source_rgb(cr, 1, 1, 0);
    cairo_move_to(cr, p * 1024 + 340, 30);
    cairo_show_text(cr, (name + " " + std::to_string(m.width) + "x" + std::to_string(m.height)).c_str());
  }
  cairo_destroy(cr);
  Save(s, dir / ("scene_battle_" + std::to_string(n) + ".png"));
  cairo_surface_destroy(s);
  return 1;
}

// Pastes a full battle frame at half size at (x, y) with a yellow label.
void PasteHalf(cairo_t* cr, cairo_surface_t* full, double x, double y, const std::string& label) {
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, 0.5, 0.5);
  cairo_set_source_surface(cr, full, 0, 0);
  cairo_paint(cr);
  cairo_restore(cr);
  cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
  cairo_set_font_size(cr, 13);
  cairo_set_source_rgb(cr, 1, 1, 0);
  cairo_move_to(cr, x + 8, y + 16);
  cairo_show_text(cr, label.c_str());
}

// Every monster of an area on the area's battle background, half size, under
// the lights the combat screen uses there: day, dusk (time 40) and night
// (time 2), or the half light of the dark cavern levels. Monster 16 is never
// tinted.
int CombatSheet(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir, int area) {
  static const int kFirst[6] = {0, 1, 2, 5, 8, 11}, kLast[6] = {0, 3, 6, 9, 12, 16};
  std::string back = "comback_" + std::to_string(area) + ".png";
  if (!images.count(back)) return 0;
  struct Light {
    const char* name;
    Rgb colour;
  };
  std::vector<Light> lights = {
      {"day", {255, 255, 255}}, {"dusk (40)", {163, 102, 102}}, {"night (2)", {38, 38, 38}}};
  if (area == 2)
    lights = {{"half light (dark level)", {127, 127, 127}}, {"full light (not used)", {255, 255, 255}}};
  const int rows = kLast[area] - kFirst[area] + 1, cw = 512, ch = 307;
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_RGB24, cw * int(lights.size()), ch * rows);
  cairo_t* cr = cairo_create(s);
  cairo_surface_t* full = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 614);
  for (int r = 0; r < rows; ++r) {
    int n = kFirst[area] + r;
    std::string name = "monster_" + std::to_string(n) + ".png";
    if (!images.count(name)) continue;
    const RgbaImage& m = images.at(name);
    for (std::size_t li = 0; li < lights.size(); ++li) {
      cairo_t* fc = cairo_create(full);
      PaintLit(fc, images.at(back), 0, 0, lights[li].colour, false);
      PaintLit(fc, m, 512 - m.width / 2, 591 - m.height, n == 16 ? Rgb{255, 255, 255} : lights[li].colour,
               true);
      cairo_destroy(fc);
      PasteHalf(cr, full, double(li) * cw, r * ch, name + "  " + lights[li].name);
    }
  }
  cairo_surface_destroy(full);
  cairo_destroy(cr);
  Save(s, dir / ("scene_combat_area_" + std::to_string(area) + ".png"));
  cairo_surface_destroy(s);
  return 1;
}

// Every spell as the combat screen shows it: on a monster in its battle,
// anchored at the monster's middle, at double size (the rock blast at its own
// size), added as light except the rock blast. Half size, four to a row.
int SpellSheet(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir) {
  if (!images.count("comback_3.png") || !images.count("monster_7.png")) return 0;
  const int cw = 512, ch = 307, perRow = 4, count = 15;
  cairo_surface_t* s =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, cw * perRow, ch * ((count + perRow - 1) / perRow));
  cairo_t* cr = cairo_create(s);
  cairo_surface_t* full = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 614);
  const RgbaImage& m = images.at("monster_7.png");
  for (int n = 1; n <= count; ++n) {
    std::string name = n == count ? "splat.png" : "spell_" + std::to_string(n) + ".png";
    if (!images.count(name)) continue;
    const RgbaImage& fx = images.at(name);
    cairo_t* fc = cairo_create(full);
    PaintLit(fc, images.at("comback_3.png"), 0, 0, {255, 255, 255}, false);
    PaintLit(fc, m, 512 - m.width / 2, 591 - m.height, {255, 255, 255}, true);
    double scale = (n == 4 || n == count) ? 1 : 2;
    double ax = 512, ay = 591 - m.height / 2.0;
    double hx = n == 5 ? 42 : fx.width / 2, hy = n == 5 ? 251 : fx.height / 2;
    cairo_surface_t* f = SurfaceFromImage(fx);
    cairo_save(fc);
    cairo_translate(fc, ax - hx * scale, ay - hy * scale);
    cairo_scale(fc, scale, scale);
    cairo_set_source_surface(fc, f, 0, 0);
    cairo_pattern_set_filter(cairo_get_source(fc), CAIRO_FILTER_BILINEAR);
    if (n != 4) cairo_set_operator(fc, CAIRO_OPERATOR_ADD);
    cairo_paint(fc);
    cairo_restore(fc);
    cairo_surface_destroy(f);
    cairo_destroy(fc);
    int col = (n - 1) % perRow, row = (n - 1) / perRow;
    PasteHalf(cr, full, col * cw, row * ch, name);
  }
  cairo_surface_destroy(full);
  cairo_destroy(cr);
  Save(s, dir / "scene_spells.png");
  cairo_surface_destroy(s);
  return 1;
}

}  // namespace

int WriteSceneSheets(const std::map<std::string, RgbaImage>& images, const std::filesystem::path& dir) {
  int n = 0;
  n += TextSheet(images, dir);
  for (int area = 1; area <= 5; ++area) n += WorldSheet(images, dir, area);
  for (int m = 1; m <= 16; ++m) n += BattleSheet(images, dir, m);
  for (int area = 1; area <= 5; ++area) n += CombatSheet(images, dir, area);
  n += SpellSheet(images, dir);
  return n;
}

}  // namespace vv::gen
