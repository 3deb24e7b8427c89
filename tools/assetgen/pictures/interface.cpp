// Shell and menus: the pointer, the title, plates and panels of the menus,
// the start-up window and the speech box.

#include <algorithm>
#include <cmath>
#include <string>

#include "game_font.h"
#include "panels.h"
#include "picture_table.h"

namespace vv::gen {
namespace {

// A plate that carries text: a light bevelled metal frame around a dark
// face, so that any tint keeps the frame bright and the text readable.
void TextPlate(Canvas& c, double x, double y, double w, double h, double r, std::uint32_t seed,
               double frame = 5, bool ornate = false) {
  FramedPlate(c, x, y, w, h, r, frame + 1, seed, ornate);
}

// The dark, gold-trimmed panels of the character and spell screens: a
// tooled face, a double gold rule and scrollwork with red gems in the
// corners.
void DarkPanel(Canvas& c, double x, double y, double w, double h, std::uint32_t seed) {
  cairo_t* cr = c.cr();
  Plate(c, x, y, w, h, Hex("#3a3448"),
        {.radius = 12,
         .bevel = 3,
         .rim = 2,
         .rimColour = Hex("#140e1c"),
         .grain = 0.1,
         .grainScale = 9,
         .seed = seed});
  Lattice(cr, x + 14, y + 14, w - 28, h - 28, 22, Hex("#6a5a84"), 0.16);
  Vignette(cr, x + 6, y + 6, w - 12, h - 12, 8, 0.35);
  Trim(cr, x + 7, y + 7, w - 14, h - 14, 9, kGold, 2.5);
  Trim(cr, x + 13, y + 13, w - 26, h - 26, 5, Darker(kGold, 0.15), 1);
  for (int k = 0; k < 4; ++k) {
    int sx = k % 2 ? -1 : 1, sy = k / 2 ? -1 : 1;
    CornerOrnament(cr, sx > 0 ? x + 9 : x + w - 9, sy > 0 ? y + 9 : y + h - 9, sx, sy, 46, kGold,
                   Hex("#c83a3a"));
  }
  // A small gold boss in the middle of each long side.
  for (int side : {0, 1}) {
    double yy = side ? y + h - 7 : y + 7;
    Cel(cr,
        [&](cairo_t* c2) {
          Polygon(c2, {{x + w / 2 - 9, yy}, {x + w / 2, yy - 5}, {x + w / 2 + 9, yy}, {x + w / 2, yy + 5}});
        },
        kGold, {.outline = 1});
  }
}

// A thin engraved rule across a plate with a diamond at its middle.
void Rule(cairo_t* cr, double x1, double x2, double y) {
  Line(cr, x1, y + 1, x2, y + 1, Grey(236), 1, 0.6);
  Line(cr, x1, y, x2, y, Grey(120), 1.2, 0.9);
  double cx = (x1 + x2) / 2;
  Cel(cr,
      [&](cairo_t* c) {
        Polygon(c, {{cx - 8, y}, {cx, y - 5}, {cx + 8, y}, {cx, y + 5}});
      },
      kTintMid, {.outline = 1, .light = 0.4});
}

void TitlePath(cairo_t* cr, double& width, double& top, double& bottom) {
  cairo_set_font_face(cr, GameFontFace(Typeface::kSerifBold));
  struct Word {
    const char* text;
    double size;
    double gapAfter;
  };
  const Word words[] = {{"V", 118, 0}, {"IZID", 96, 26}, {"OF", 62, 26}, {"V", 118, 0}, {"ORGASH", 96, 0}};
  double x = 0;
  top = 1e9;
  bottom = -1e9;
  for (const Word& wd : words) {
    cairo_set_font_size(cr, wd.size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, wd.text, &e);
    cairo_move_to(cr, x - e.x_bearing, 0);
    cairo_text_path(cr, wd.text);
    x += e.width + 3 + wd.gapAfter;
    top = std::min(top, e.y_bearing);
    bottom = std::max(bottom, e.y_bearing + e.height);
  }
  width = x - 3;
}

void DrawTitleText(Canvas& c) {
  cairo_t* cr = c.cr();
  double width, top, bottom;
  cairo_save(cr);
  cairo_new_path(cr);
  TitlePath(cr, width, top, bottom);
  cairo_new_path(cr);
  cairo_restore(cr);
  double margin = 8;
  double s = std::min((c.width() - 2 * margin) / width, (c.height() - 2 * margin) / (bottom - top));
  auto path = [&](cairo_t* cr2, double dx, double dy) {
    cairo_save(cr2);
    cairo_translate(cr2, (c.width() - width * s) / 2 + dx, margin - top * s + dy);
    cairo_scale(cr2, s, s);
    double w, t, b;
    TitlePath(cr2, w, t, b);
    cairo_restore(cr2);
  };
  // Hard drop shadow (the title is drawn masked, so no soft edges).
  cairo_new_path(cr);
  path(cr, 4, 5);
  SetColour(cr, Hex("#1a0c10"));
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  cairo_fill(cr);
  // Outline and gold body.
  cairo_new_path(cr);
  path(cr, 0, 0);
  SetColour(cr, Hex("#3a1a0e"));
  cairo_set_line_width(cr, 8);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 8, 0, c.height() - 10);
  cairo_pattern_add_color_stop_rgb(g, 0.0, 250 / 255.0, 236 / 255.0, 170 / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 0.45, 232 / 255.0, 180 / 255.0, 72 / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 0.55, 176 / 255.0, 110 / 255.0, 36 / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1.0, 226 / 255.0, 160 / 255.0, 60 / 255.0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  // Engraved inner line: a thin dark stroke inside, then a light one offset up-left.
  cairo_save(cr);
  cairo_new_path(cr);
  path(cr, 0, 0);
  cairo_clip(cr);
  cairo_new_path(cr);
  path(cr, 2, 2);
  SetColour(cr, Hex("#6a3a14"), 0.9);
  cairo_set_line_width(cr, 2.5);
  cairo_stroke(cr);
  cairo_new_path(cr);
  path(cr, -1.5, -1.5);
  SetColour(cr, Hex("#fff4c8"), 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
  cairo_restore(cr);
}

void DrawPointer(Canvas& c) {
  cairo_t* cr = c.cr();
  auto shape = [](cairo_t* cr2) {
    Polygon(cr2, {{1.5, 1}, {15, 14}, {9.5, 14.5}, {13, 21.5}, {10, 22.8}, {6.8, 15.8}, {1.5, 20}});
  };
  Fill(
      cr,
      [&](cairo_t* cr2) {
        cairo_save(cr2);
        cairo_translate(cr2, 1, 1);
        shape(cr2);
        cairo_restore(cr2);
      },
      Hex("#140c08"), 0.9);
  Cel(cr, shape, Hex("#e8c060"),
      {.outline = 1.4, .shade = 0.4, .light = 0.5, .offset = 2.2, .outlineDark = 0.85});
}

void DrawMenuBack(Canvas& c) {
  // Dark slate blocks in running bond, 32 high and 64 wide, seamless at 128.
  c.ForEachPixel([](int x, int y, std::uint8_t* p) {
    int row = y / 32;
    int bx = (x + (row % 2) * 32) % 128;
    int cellX = bx % 64, cellY = y % 32;
    int brick = (bx / 64) + row * 2;
    double dEdge = std::min({cellX, 63 - cellX, cellY, 31 - cellY}) + 0.5;
    double n = Fbm(x / 16.0, y / 16.0, 7, 4, 8);
    double fine = Noise(x / 3.0, y / 3.0, 9, 128 / 3 + 0) * 0.0;
    (void)fine;
    double tone = 0.85 + 0.3 * Hash01(brick, row, 11);
    Rgb base = Mix(Hex("#262a40"), Hex("#3a3552"), Hash01(brick, row, 12));
    double v = tone * (0.8 + 0.4 * n);
    Rgb col{base.r * v, base.g * v, base.b * v};
    if (dEdge < 2.0) {
      col = Hex("#12131e");
    } else if (cellY < 4 || cellX < 4) {
      col = Mix(col, Hex("#5a5a7a"), 0.35 * (4 - std::min(cellX, cellY)) / 4.0);
    } else if (31 - cellY < 4 || 63 - cellX < 4) {
      col = Mix(col, Hex("#0c0c16"), 0.3);
    }
    p[0] = std::uint8_t(std::clamp(col.r, 0.0, 250.0));
    p[1] = std::uint8_t(std::clamp(col.g, 0.0, 250.0));
    p[2] = std::uint8_t(std::clamp(col.b, 0.0, 250.0));
    p[3] = 255;
  });
}

void DrawStartupBack(Canvas& c) {
  cairo_t* cr = c.cr();
  int w = c.width(), h = c.height();
  // Night sky.
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, h);
  cairo_pattern_add_color_stop_rgb(sky, 0, 0.06, 0.05, 0.14);
  cairo_pattern_add_color_stop_rgb(sky, 0.6, 0.2, 0.12, 0.28);
  cairo_pattern_add_color_stop_rgb(sky, 1, 0.42, 0.2, 0.22);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
  Rng rng(5);
  for (int i = 0; i < 70; ++i) {
    double x = rng.Uniform(0, w), y = rng.Uniform(0, h * 0.6), r = rng.Uniform(0.5, 1.4);
    Fill(
        cr, [&](cairo_t* c2) { Ellipse(c2, x, y, r, r); }, Grey(235), rng.Uniform(0.4, 0.9));
  }
  Glow(cr, 380, 70, 60, Hex("#f0e0b0"), 0.35);
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 380, 70, 18, 18); }, Hex("#f4ecd0"));
  Fill(
      cr, [](cairo_t* c2) { Ellipse(c2, 388, 66, 15, 15); }, Hex("#2a1c3a"), 0.0);
  // Far mountains and the hideout's crag.
  std::vector<Pt> far = {{0, 300},   {0, 250},   {60, 215},  {110, 240}, {170, 190}, {230, 235},
                         {300, 200}, {350, 230}, {420, 195}, {480, 225}, {480, 300}};
  Fill(
      cr, [&](cairo_t* c2) { Polygon(c2, far); }, Hex("#2c1c3c"));
  std::vector<Pt> near = {{0, 360},   {0, 290},   {80, 270},  {150, 300}, {240, 262},
                          {330, 296}, {400, 272}, {480, 290}, {480, 360}};
  Fill(
      cr, [&](cairo_t* c2) { SmoothClosed(c2, near, 0.6); }, Hex("#160e1e"));
  // A tower with a lit window on the crag.
  Fill(
      cr,
      [](cairo_t* c2) {
        Polygon(c2, {{60, 272}, {64, 226}, {58, 226}, {70, 206}, {82, 226}, {76, 226}, {80, 272}});
      },
      Hex("#120a18"));
  Fill(
      cr, [](cairo_t* c2) { cairo_rectangle(c2, 68, 236, 4, 6); }, Hex("#ffb040"));
  // Frame.
  Trim(cr, 3, 3, w - 6, h - 6, 10, kGold, 3);
  // Title.
  cairo_save(cr);
  cairo_set_font_face(cr, GameFontFace(Typeface::kSerifBold));
  cairo_set_font_size(cr, 40);
  const char* title = "VIZID OF VORGASH";
  cairo_text_extents_t e;
  cairo_text_extents(cr, title, &e);
  double sx = std::min(1.0, 400 / e.width);
  cairo_translate(cr, (w - e.width * sx) / 2 - e.x_bearing * sx, 70);
  cairo_scale(cr, sx, 1);
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 0);
  cairo_text_path(cr, title);
  SetColour(cr, Hex("#2a1208"));
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, -30, 0, 0);
  cairo_pattern_add_color_stop_rgb(g, 0, 250 / 255.0, 236 / 255.0, 170 / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 0.5, 232 / 255.0, 176 / 255.0, 70 / 255.0);
  cairo_pattern_add_color_stop_rgb(g, 1, 190 / 255.0, 120 / 255.0, 40 / 255.0);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_restore(cr);
}

void DrawTicker(Canvas& c) {
  cairo_t* cr = c.cr();
  for (int f = 0; f < 2; ++f) {
    double x = f * 17;
    Rgb face = f ? Hex("#e04a30") : Hex("#7a2a2a");
    Cel(cr, [&](cairo_t* c2) { RoundRect(c2, x + 1, 1, 15, 15, 3); }, face, {.outline = 1.2, .offset = 2});
    Rgb cross = f ? Hex("#fff0a0") : Hex("#e8c8b0");
    Line(cr, x + 5, 5, x + 12, 12, cross, 2.2);
    Line(cr, x + 12, 5, x + 5, 12, cross, 2.2);
  }
}

void DrawArrow(Canvas& c) {
  // Left-pointing; the right-hand copy is drawn mirrored.
  cairo_t* cr = c.cr();
  auto shape = [](cairo_t* c2) {
    Polygon(c2, {{4, 32},
                 {30, 5},
                 {34, 5},
                 {34, 19},
                 {55, 19},
                 {57, 21},
                 {57, 43},
                 {55, 45},
                 {34, 45},
                 {34, 59},
                 {30, 59}});
  };
  Cel(cr, shape, kTintLight, {.outline = 2.5, .shade = 0.4, .light = 0.3, .offset = 4, .outlineDark = 0.75});
  Line(cr, 38, 32, 52, 32, kTintMid, 2);
}

void DrawCaret(Canvas& c) {
  Cel(c.cr(), [](cairo_t* c2) { RoundRect(c2, 1, 1, 6, 28, 2.5); }, kTintLight,
      {.outline = 1, .offset = 1.5});
}

// A near-black, quiet face inside a thin framed plate: tinted by the game,
// the frame takes the colour and the inside stays dark behind the text.
void DarkFace(Canvas& c, double f) {
  cairo_t* cr = c.cr();
  const double w = c.width() - 2 * f, h = c.height() - 2 * f;
  cairo_new_path(cr);
  RoundRect(cr, f, f, w, h, 5);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, f, 0, f + h);
  cairo_pattern_add_color_stop_rgb(g, 0, 0.08, 0.08, 0.08);
  cairo_pattern_add_color_stop_rgb(g, 1, 0.03, 0.03, 0.03);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  Trim(cr, f + 0.5, f + 0.5, w - 1, h - 1, 5, Grey(150), 1);
}

// Scrollwork in the two upper corners of a framed plate only, where no text
// runs below it.
void UpperOrnaments(cairo_t* cr, double w, double inset, double size) {
  for (int sx : {1, -1})
    CornerOrnament(cr, sx > 0 ? inset : w - inset, inset, sx, 1, size, Grey(200), Grey(150));
}

void DrawBoard(Canvas& c) {
  // The lower left corner stays plain: the "Drink Potion" button is there,
  // its lettering reaching down to 355, so the band is thin enough to leave
  // it a few pixels of the face below.
  TextPlate(c, 0, 0, c.width(), c.height(), 14, 21, 3);
  cairo_t* cr = c.cr();
  UpperOrnaments(cr, c.width(), 13.5, 40);
  CornerOrnament(cr, c.width() - 13.5, c.height() - 13.5, -1, -1, 22, Grey(200), Grey(150));
  // Niche where the item's picture stands (the game centres it on x 410),
  // starting just clear of the longest bonus text on its left ("Increased
  // amount of loot" from x 102 ends at 328, its last letter's ink at 325)
  // and wide enough on the right for the 160-pixel armours.
  Well(cr, 330, 150, 176, 200, 8, Grey(48), 4);
  Vignette(cr, 330, 150, 176, 200, 8, 0.3);
  Trim(cr, 330, 150, 176, 200, 8, kTintMid, 2);
  // Rule under the name, with a diamond in the middle.
  Rule(cr, 48, c.width() - 48, 50);
}

void DrawBoard2(Canvas& c) {
  // A thin band and no top scrollwork, so the widest title ("END CURRENT
  // GAME", 323 pixels at half size) has the whole width.
  TextPlate(c, 0, 0, c.width(), c.height(), 10, 22, 4);
  DarkFace(c, 6.5);
  cairo_t* cr = c.cr();
  for (int sx : {1, -1})
    CornerOrnament(cr, sx > 0 ? 9.0 : c.width() - 9.0, c.height() - 9.0, sx, -1, 20, Grey(200), Grey(150));
  // The Y and N keys, centred under the letters (x 157 and 205), with room
  // between them for the slash at x 181.
  for (double kx : {157.0, 205.0}) {
    Cel(cr, [&](cairo_t* c2) { RoundRect(c2, kx - 17, 107, 34, 36, 6); }, kTintMid,
        {.outline = 1.2, .shade = 0.4, .light = 0.4, .offset = 2, .outlineDark = 0.7});
    Well(cr, kx - 15, 109, 30, 32, 5, Grey(40), 2.5);
  }
  Rule(cr, 30, c.width() - 30, 48);
}

void DrawTalkMenu(Canvas& c) {
  // The game tints this box yellow: a bright metal frame around a near-black,
  // quiet inside, so the green text reads on black, not on olive. The frame
  // is thin: the text starts 13 pixels inside the left edge.
  TextPlate(c, 0, 0, c.width(), c.height(), 10, 23, 3);
  DarkFace(c, 6.5);
  Rule(c.cr(), 60, c.width() - 60, 34);
}

void DrawMonStat(Canvas& c) {
  // Drawn with additive light at half strength: black adds nothing, so the
  // panel is a dim blue glow with a brighter rim that fades at both ends.
  cairo_t* cr = c.cr();
  int w = c.width(), h = c.height();
  cairo_set_source_rgb(cr, 0, 0, 0);
  cairo_paint(cr);
  cairo_pattern_t* g = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgba(g, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(g, 0.18, 0.1, 0.12, 0.3, 1);
  cairo_pattern_add_color_stop_rgba(g, 0.82, 0.1, 0.12, 0.3, 1);
  cairo_pattern_add_color_stop_rgba(g, 1, 0, 0, 0, 1);
  cairo_new_path(cr);
  RoundRect(cr, 4, 2, w - 8, h - 6, 16);
  cairo_set_source(cr, g);
  cairo_fill(cr);
  cairo_pattern_destroy(g);
  cairo_pattern_t* rim = cairo_pattern_create_linear(0, 0, w, 0);
  cairo_pattern_add_color_stop_rgba(rim, 0, 0, 0, 0, 1);
  cairo_pattern_add_color_stop_rgba(rim, 0.25, 0.55, 0.45, 0.2, 1);
  cairo_pattern_add_color_stop_rgba(rim, 0.75, 0.55, 0.45, 0.2, 1);
  cairo_pattern_add_color_stop_rgba(rim, 1, 0, 0, 0, 1);
  cairo_set_source(cr, rim);
  cairo_set_line_width(cr, 2);
  cairo_move_to(cr, 10, h - 5);
  cairo_line_to(cr, w - 10, h - 5);
  cairo_stroke(cr);
  cairo_move_to(cr, 30, 38);
  cairo_line_to(cr, w - 30, 38);
  cairo_set_line_width(cr, 1);
  cairo_stroke(cr);
  cairo_pattern_destroy(rim);
}

void DrawVer(Canvas& c) {
  cairo_t* cr = c.cr();
  cairo_new_path(cr);
  cairo_move_to(cr, 0, 2);
  cairo_line_to(cr, 26, 2);
  cairo_arc(cr, 26, 14, 12, -M_PI / 2, 0);
  cairo_line_to(cr, 38, 26);
  cairo_line_to(cr, 0, 26);
  cairo_close_path(cr);
  SetColour(cr, Hex("#10141c"), 0.75);
  cairo_fill_preserve(cr);
  SetColour(cr, kGold, 0.9);
  cairo_set_line_width(cr, 1.5);
  cairo_stroke(cr);
}

}  // namespace

void AddInterfacePictures(PictureList& l) {
  l.push_back({"pointer.png", 17, 24, "shell", kPlain, DrawPointer});
  l.push_back({"titletext.png", 899, 103, "shell", kPlain, DrawTitleText});
  l.push_back({"ver.png", 38, 26, "shell", kFiltered, DrawVer});
  l.push_back({"menuback.png", 128, 128, "shell", kSeamless, DrawMenuBack});
  l.push_back(
      {"buttback.png", 700, 88, "shell", kTinted, [](Canvas& c) { TextPlate(c, 0, 6, 700, 76, 18, 31, 5); }});
  const int tabWidths[5] = {234, 269, 210, 509, 63};
  for (int i = 0; i < 5; ++i) {
    int w = tabWidths[i];
    l.push_back({"stattab" + std::to_string(i + 1) + ".png", w, 52, "shell", kTinted,
                 [w, i](Canvas& c) { TextPlate(c, 0, 0, w, 52, 12, 40 + i, w < 100 ? 4 : 5); }});
  }
  l.push_back({"board.png", 560, 364, "shell", kTinted, DrawBoard});
  l.push_back({"board2.png", 362, 160, "shell", kTinted, DrawBoard2});
  l.push_back({"talkmenu.png", 442, 171, "shell", kTinted, DrawTalkMenu});
  l.push_back({"sm_back.png", 480, 360, "shell", kPlain, DrawStartupBack});
  l.push_back(
      {"sm_tab.png", 303, 52, "shell", kTinted, [](Canvas& c) { TextPlate(c, 0, 0, 303, 52, 12, 50, 5); }});
  l.push_back({"sm_ticker.png", 34, 17, "shell", kPlain, DrawTicker});
  l.push_back({"arrow.png", 60, 64, "shell", kTinted, DrawArrow});
  l.push_back({"caret.png", 8, 30, "shell", kTinted, DrawCaret});
  l.push_back({"chartab.png", 512, 508, "shell", kPlain, [](Canvas& c) {
                 DarkPanel(c, 0, 0, 512, 508, 60);
                 Well(c.cr(), 195, 11, 122, 122, 6, Hex("#18121e"), 3);
                 Trim(c.cr(), 195, 11, 122, 122, 6, kGold, 2.5);
               }});
  l.push_back({"spelltab.png", 286, 372, "shell", kPlain, [](Canvas& c) {
                 DarkPanel(c, 0, 0, 286, 372, 61);
                 Well(c.cr(), 18, 18, 250, 40, 8, Hex("#241c30"), 2);
               }});
  l.push_back({"spelldesctab.png", 378, 287, "shell", kPlain, [](Canvas& c) {
                 DarkPanel(c, 0, 0, 378, 287, 62);
                 Well(c.cr(), 18, 18, 342, 40, 8, Hex("#241c30"), 2);
               }});
  l.push_back({"monstat.png", 384, 80, "shell", kPlain, DrawMonStat});
}

}  // namespace vv::gen
