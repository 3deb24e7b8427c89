// The two font strips: 7 by 9 cells of 60 x 60, one bold capital per cell,
// each inside its advance width, in near-white for the game to tint.

#include <ft2build.h>
#include FT_FREETYPE_H
#include <cairo-ft.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "game_font.h"
#include "picture_table.h"

namespace vv::gen {

const int kGlyphWidths[64] = {25, 42, 36, 37, 41, 33, 33, 40, 43, 16, 31, 42, 31, 55, 46, 44,
                              38, 46, 37, 35, 39, 45, 44, 61, 44, 45, 36, 42, 42, 44, 39, 21,
                              33, 35, 40, 34, 38, 33, 38, 37, 33, 37, 16, 14, 16, 16, 24, 46,
                              23, 23, 16, 49, 14, 37, 0,  0,  0,  0,  0,  0,  0,  0,  0,  0};

const char* const kGlyphChars[64] = {
    "",  "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K",        "L",        "M",        "N", "O",
    "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z", "\xC3\x85", "\xC3\x84", "\xC3\x96", "0", "1",
    "2", "3", "4", "5", "6", "7", "8", "9", "?", "/", ":", ".",        ";",        ",",        "-", "_",
    "(", ")", "!", "%", "'", "+", "",  "",  "",  "",  "",  "",         "",         "",         "",  ""};

cairo_font_face_t* GameFontFace(Typeface face) {
  static FT_Library library = nullptr;
  static cairo_font_face_t* faces[3] = {nullptr, nullptr, nullptr};
  int i = int(face);
  if (faces[i]) return faces[i];
  static const char* const kPaths[3] = {
      "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSerifCondensed-Bold.ttf",
      "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
  };
  if (!library && FT_Init_FreeType(&library) != 0) {
    std::fprintf(stderr, "vizid pictures: FreeType failed to start\n");
    std::abort();
  }
  FT_Face ft = nullptr;
  if (FT_New_Face(library, kPaths[i], 0, &ft) != 0) {
    std::fprintf(stderr, "vizid pictures: font %s missing (install fonts-dejavu-core fonts-dejavu-extra)\n",
                 kPaths[i]);
    std::abort();
  }
  faces[i] = cairo_ft_font_face_create_for_ft_face(ft, 0);
  return faces[i];
}

namespace {

constexpr int kCell = 60;
constexpr double kBaseline = 49.0;
constexpr double kCapHeight = 40.0;

// Font size that gives the wanted height of a capital H.
double FontSizeFor(cairo_t* cr) {
  cairo_save(cr);
  cairo_set_font_size(cr, 100);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_text_path(cr, "H");
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  cairo_new_path(cr);
  cairo_restore(cr);
  return 100.0 * kCapHeight / (y2 - y1);
}

// Scales the parts of a glyph's path below the baseline (y > 0) by k.
void SqueezeBelowBaseline(cairo_path_t* path, double k) {
  for (int i = 0; i < path->num_data; i += path->data[i].header.length)
    for (int j = 1; j < path->data[i].header.length; ++j) {
      double& y = path->data[i + j].point.y;
      if (y > 0) y *= k;
    }
}

// Builds the path of frame n inside its cell at (cx, cy), fitted to its width.
void GlyphPath(cairo_t* cr, int n, double cx, double cy, double pad, double size) {
  const char* text = kGlyphChars[n];
  if (!*text) return;
  double limit = std::min(kGlyphWidths[n], kCell);
  cairo_save(cr);
  cairo_set_font_size(cr, size);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_text_path(cr, text);
  double x1, y1, x2, y2;
  cairo_fill_extents(cr, &x1, &y1, &x2, &y2);
  cairo_path_t* path = cairo_copy_path(cr);
  cairo_new_path(cr);
  double avail = limit - 2 * pad - 1;
  double sx = std::min(1.0, avail / (x2 - x1));
  double sy = 1.0, shiftY = 0;
  double top = kBaseline + y1;
  if (top < pad + 1) sy = (kBaseline - pad - 1) / (-y1);
  double bottom = kBaseline + y2;
  if (bottom > kCell - pad - 1 && n != 10) {
    // A tail below the line (the Q's) is folded up under the baseline
    // alone, so the letter keeps the full height of the other capitals.
    SqueezeBelowBaseline(path, (kCell - pad - 1 - kBaseline) / y2);
    y2 = kCell - pad - 1 - kBaseline;
  }
  if (n == 31 || n == 43) {
    // The 1 keeps a narrower foot and the full stop a clear margin, so a
    // quarter-size "V1.1" shows its point between the two ones.
    double ink = n == 31 ? 14.0 : 9.0;
    sx = ink / (x2 - x1);
    if (n == 43) sy = sx;
  }
  if (n == 41) {
    // The slash stands on the line at the capitals' height, narrow enough to
    // leave the same gap to the characters on either side.
    sy = kCapHeight / (y2 - y1);
    sx = std::min(sx, 18.0 / (x2 - x1));
    shiftY = -kCapHeight - y1 * sy;
  }
  if (n == 10) {
    // The J of this face hangs below the line; squeeze it to sit with the other capitals.
    sy = (kCapHeight + 2) / (y2 - y1);
    shiftY = -kCapHeight - y1 * sy;
  }
  double inkW = (x2 - x1) * sx;
  double left = cx + (limit - 1 - inkW) / 2.0;
  cairo_translate(cr, left - x1 * sx, cy + kBaseline + shiftY);
  cairo_scale(cr, sx, sy);
  cairo_append_path(cr, path);
  cairo_path_destroy(path);
  cairo_restore(cr);
}

void DrawStrip(Canvas& c, bool forFiltering) {
  cairo_t* cr = c.cr();
  cairo_set_font_face(cr, GameFontFace(Typeface::kSerifBold));
  double size = FontSizeFor(cr);
  for (int n = 1; n < 54; ++n) {
    double cx = (n % 7) * kCell, cy = (n / 7) * kCell;
    cairo_save(cr);
    cairo_rectangle(cr, cx, cy, std::min(kGlyphWidths[n], kCell), kCell);
    cairo_clip(cr);
    // Light from above: near-white at the top of the capitals, a soft grey at the baseline.
    cairo_pattern_t* g = cairo_pattern_create_linear(0, cy + kBaseline - kCapHeight, 0, cy + kBaseline);
    cairo_pattern_add_color_stop_rgb(g, 0, 250 / 255.0, 250 / 255.0, 250 / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 0.55, 236 / 255.0, 236 / 255.0, 236 / 255.0);
    cairo_pattern_add_color_stop_rgb(g, 1, 196 / 255.0, 196 / 255.0, 196 / 255.0);
    if (forFiltering) {
      // Thicker strokes survive the quarter-size reduction; no dark rim to muddy them.
      GlyphPath(cr, n, cx, cy, 1.5, size);
      cairo_set_source(cr, g);
      cairo_set_line_width(cr, 2.6);
      cairo_stroke_preserve(cr);
      cairo_fill(cr);
    } else {
      GlyphPath(cr, n, cx, cy, 1.5, size);
      cairo_set_source_rgb(cr, 70 / 255.0, 70 / 255.0, 74 / 255.0);
      cairo_set_line_width(cr, 3.0);
      cairo_stroke_preserve(cr);
      cairo_set_source(cr, g);
      cairo_fill(cr);
    }
    cairo_pattern_destroy(g);
    cairo_restore(cr);
  }
}

}  // namespace

void AddFontPictures(PictureList& list) {
  list.push_back({"medfont.png", 420, 540, "fonts", kTinted, [](Canvas& c) { DrawStrip(c, false); }});
  list.push_back(
      {"medfont2.png", 420, 540, "fonts", kTinted | kFiltered, [](Canvas& c) { DrawStrip(c, true); }});
}

}  // namespace vv::gen
