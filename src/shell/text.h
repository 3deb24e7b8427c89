#pragma once
// Bitmap text drawn from the font strip: 63 cells of 60 x 60 pixels, one
// upper-case glyph each, with proportional advance widths. Texts are Latin-1
// bytes; lower case draws as capitals and unknown characters as a space.

#include <string_view>

#include "shell/shell.h"

namespace vv {

constexpr int GLYPH_CELL = 60;

// Frame of the font strip for a character code 0..255 (0 for anything
// without a glyph, space included).
int GlyphIndex(unsigned char c);
// Advance width of a frame at full size, before the 2-pixel gap.
int GlyphWidth(int frame);

// Centre 1 centres the text on x. boxAlpha other than -1 draws a black band
// behind the text at that alpha; textAlpha other than -1 draws the glyphs
// alpha-blended at that alpha. The current colour tints the glyphs.
void DrawTextLarge(Shell& shell, float x, float y, std::string_view text, int centre, float boxAlpha = -1,
                   float textAlpha = -1);
void DrawTextHalf(Shell& shell, float x, float y, std::string_view text, int centre);
void DrawTextQuarter(Shell& shell, float x, float y, std::string_view text, int centre);
// Half size with a given font strip (the start-up window has its own).
void DrawTextWithFont(Shell& shell, int font, float x, float y, std::string_view text, int centre);
int TextWidthHalf(std::string_view text);

// Splits the text into WrapLines 1..5 at quarter-size widths.
void WrapText(Shell& shell, int maxWidth, std::string_view text);

// Starts the 100-frame notice in the middle of the screen.
void ShowMessage(Shell& shell, std::string_view text, int red, int green, int blue);
// Draws the notice and counts it down (once a frame, by the loop).
void DrawTimedMessage(Shell& shell);

}  // namespace vv
