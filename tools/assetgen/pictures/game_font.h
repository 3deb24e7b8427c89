#pragma once
// The typeface of the game's lettering (font strips, title, labels on art),
// loaded from a Debian font package by path so every machine draws the same.

#include <cairo.h>

namespace vv::gen {

enum class Typeface { kSerifBold, kSerifCondensedBold, kSansBold };

// Owned by the module; valid for the whole run. Aborts with a message when the
// font file is missing (install fonts-dejavu-core and fonts-dejavu-extra).
cairo_font_face_t* GameFontFace(Typeface face);

// Advance widths of the 64 glyph frames at full size, before the 2-pixel gap.
extern const int kGlyphWidths[64];
// UTF-8 text of each frame (empty for frame 0 and 54..63).
extern const char* const kGlyphChars[64];

}  // namespace vv::gen
