#include "shell/text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace vv {
namespace {

// Advance widths of frames 0..63 at full size.
constexpr std::array<int, 64> GLYPH_WIDTHS = {
    25, 42, 36, 37, 41, 33, 33, 40, 43, 16, 31, 42, 31, 55, 46, 44,  // space, A..O
    38, 46, 37, 35, 39, 45, 44, 61, 44, 45, 36, 42, 42, 44,          // P..Z, Å Ä Ö
    39, 21, 33, 35, 40, 34, 38, 33, 38, 37,                          // 0..9
    33, 37, 16, 14, 16, 16, 24, 46, 23, 23, 16, 49, 14, 37,          // ? / : . ; , - _ ( ) ! % ' +
    0,  0,  0,  0,  0,  0,  0,  0,  0,  0};

constexpr std::array<int, 256> BuildGlyphIndex() {
  std::array<int, 256> index{};
  for (int c = 'A'; c <= 'Z'; ++c) index[c] = c - 'A' + 1;
  for (int c = 'a'; c <= 'z'; ++c) index[c] = c - 'a' + 1;
  index[0xC5] = index[0xE5] = 27;  // Å å
  index[0xC4] = index[0xE4] = 28;  // Ä ä
  index[0xD6] = index[0xF6] = 29;  // Ö ö
  for (int c = '0'; c <= '9'; ++c) index[c] = c - '0' + 30;
  const char punctuation[] = "?/:.;,-_()!%'+";
  for (int i = 0; punctuation[i]; ++i) index[static_cast<unsigned char>(punctuation[i])] = 40 + i;
  return index;
}

constexpr std::array<int, 256> GLYPH_INDEX = BuildGlyphIndex();

// Advance of one character at size factor f, before truncation.
float Advance(unsigned char c, float f) {
  return static_cast<float>(GLYPH_WIDTHS[GLYPH_INDEX[c]] + 2) * f;
}

// The width of a text: the running total, truncated after every character.
int TotalWidth(std::string_view text, float f) {
  int total = 0;
  for (unsigned char c : text) total = static_cast<int>(static_cast<float>(total) + Advance(c, f));
  return total;
}

int CentredOffset(std::string_view text, float f) {
  return -(TotalWidth(text, f) / 2);
}

struct TextRun {
  int font;
  float factor;
  bool truncateY;
};

// Draws the glyphs of a text with the current state and returns the final
// offset.
float DrawGlyphs(Shell& shell, const TextRun& run, float x, float y, std::string_view text, float offset) {
  Platform& p = shell.platform;
  const float drawY = run.truncateY ? std::trunc(y) : y;
  for (unsigned char c : text) {
    p.DrawImage(run.font, std::trunc(x + 0.5f + offset), drawY, GLYPH_INDEX[c]);
    offset = std::trunc(offset + Advance(c, run.factor));
  }
  return offset;
}

void DrawSized(Shell& shell, const TextRun& run, float x, float y, std::string_view text, int centre) {
  Platform& p = shell.platform;
  p.TraceText(x, y, text);
  const float offset = centre == 1 ? static_cast<float>(CentredOffset(text, run.factor)) : 0.0f;
  const DrawState saved = p.State();
  p.SetScale(run.factor, run.factor);
  DrawGlyphs(shell, run, x, y, text, offset);
  p.SetScale(saved.scaleX, saved.scaleY);
}

}  // namespace

int GlyphIndex(unsigned char c) {
  return GLYPH_INDEX[c];
}

int GlyphWidth(int frame) {
  return frame >= 0 && frame < 64 ? GLYPH_WIDTHS[frame] : 0;
}

void DrawTextLarge(Shell& shell, float x, float y, std::string_view text, int centre, float boxAlpha,
                   float textAlpha) {
  Platform& p = shell.platform;
  p.TraceText(x, y, text);
  const float start = centre == 1 ? static_cast<float>(CentredOffset(text, 1.0f)) : 0.0f;
  const DrawState saved = p.State();
  if (boxAlpha != -1) {
    // A black band from the 32 x 32 black picture: a left cap, one piece per
    // character, a right cap, all 72 pixels high.
    p.SetColor(0, 0, 0);
    p.SetBlend(BLEND_ALPHA);
    p.SetAlpha(boxAlpha);
    p.SetScale(0.3125f, 2.25f);
    p.DrawImage(shell.BlackImage, x + start - 10 + 0.5f, y - 4);
    float offset = start;
    for (unsigned char c : text) {
      p.SetScale(Advance(c, 1.0f) / 32.0f, 2.25f);
      p.DrawImage(shell.BlackImage, x + 0.5f + offset, y - 4);
      offset = std::trunc(offset + Advance(c, 1.0f));
    }
    p.SetScale(0.25f, 2.25f);
    p.DrawImage(shell.BlackImage, x + 0.5f + offset, y - 4);
    p.SetColor(saved.red, saved.green, saved.blue);
  }
  p.SetScale(1, 1);
  if (textAlpha != -1) {
    p.SetBlend(BLEND_ALPHA);
    p.SetAlpha(textAlpha);
  } else {
    p.SetBlend(BLEND_MASKED);
    p.SetAlpha(1);
  }
  DrawGlyphs(shell, {shell.FontImage, 1.0f, false}, x, y, text, start);
  p.SetScale(1, 1);
  p.SetAlpha(1);
  p.SetBlend(BLEND_MASKED);
}

void DrawTextHalf(Shell& shell, float x, float y, std::string_view text, int centre) {
  DrawSized(shell, {shell.FontImage, 0.5f, false}, x, y, text, centre);
}

void DrawTextQuarter(Shell& shell, float x, float y, std::string_view text, int centre) {
  DrawSized(shell, {shell.FontImage2, 0.25f, true}, x, y, text, centre);
}

void DrawTextWithFont(Shell& shell, int font, float x, float y, std::string_view text, int centre) {
  DrawSized(shell, {font, 0.5f, false}, x, y, text, centre);
}

int TextWidthHalf(std::string_view text) {
  return TotalWidth(text, 0.5f);
}

void WrapText(Shell& shell, int maxWidth, std::string_view text) {
  for (std::string& line : shell.WrapLines) line.clear();
  int line = 1;
  int width = 0;
  // The last space seen and how many characters its line had before it.
  // They carry over to the next line, so a word wider than a whole line is
  // never split: the scan goes back to the old space on every line, and each
  // following line holds only the word's first characters, as many as the
  // line before the space had (none when the text has no space at all). The
  // game's own texts have no such word.
  std::ptrdiff_t spaceAt = -1;
  std::size_t charsToSpace = 0;
  std::size_t i = 0;
  bool lineStart = false;  // the character right after a break does not count toward the width
  while (i < text.size()) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (!lineStart) width += static_cast<int>(Advance(c, 0.25f));
    lineStart = false;
    if (c == ' ') {
      spaceAt = static_cast<std::ptrdiff_t>(i);
      charsToSpace = shell.WrapLines[line].size();
    }
    if (width > maxWidth) {
      shell.WrapLines[line].resize(std::min(charsToSpace, shell.WrapLines[line].size()));
      if (++line > 5) return;
      width = 0;
      i = static_cast<std::size_t>(spaceAt + 1);
      lineStart = true;
      continue;
    }
    shell.WrapLines[line] += static_cast<char>(c);
    ++i;
  }
}

void ShowMessage(Shell& shell, std::string_view text, int red, int green, int blue) {
  shell.MessageText = text;
  shell.MessageColour[1] = red;
  shell.MessageColour[2] = green;
  shell.MessageColour[3] = blue;
  shell.MessageTimer = 100;
}

void DrawTimedMessage(Shell& shell) {
  if (shell.MessageTimer < 1) return;
  --shell.MessageTimer;
  const float a = static_cast<float>(shell.MessageTimer) / 100.0f;
  Platform& p = shell.platform;
  p.SetColor(shell.MessageColour[1], shell.MessageColour[2], shell.MessageColour[3]);
  DrawTextLarge(shell, 512, 354, shell.MessageText, 1, a * 0.66f, a);
  p.SetColor(255, 255, 255);
}

}  // namespace vv
