#include "shell/input.h"

#include <array>

namespace vv {
namespace {

constexpr int KEY_COUNT = 250;
constexpr int AUTO_REPEAT_FRAMES = 25;

bool FadeLocked(const Shell& shell) {
  return shell.ScreenFade[1] > 0;
}

struct NamedKey {
  int code;
  const char* name;
};

// Latin-1 strings: "\xA8" is the diaeresis, "\xBD" one half, "\xC5" Å and so on.
constexpr NamedKey NAMED_KEYS[] = {
    {8, "BACKSPACE"},
    {9, "TAB"},
    {12, "NUM 5 OFF"},
    {13, "ENTER"},
    {19, "PAUSE"},
    {20, "CAPS LOCK"},
    {27, "ESCAPE"},
    {32, "SPACE"},
    {33, "PAGE UP"},
    {34, "PAGE DOWN"},
    {35, "END"},
    {36, "HOME"},
    {37, "ARROW LEFT"},
    {38, "ARROW UP"},
    {39, "ARROW RIGHT"},
    {40, "ARROW DOWN"},
    {45, "INSERT"},
    {46, "DELETE"},
    {91, "LEFT WIN95"},
    {92, "RIGHT WIN95"},
    {93, "MENU"},
    {106, "NUM *"},
    {107, "NUM +"},
    {109, "NUM -"},
    {110, "NUM ,"},
    {111, "NUM /"},
    {144, "NUM LOCK"},
    {145, "SCROLL LOCK"},
    {160, "LEFT SHIFT"},
    {161, "RIGHT SHIFT"},
    {162, "LEFT CONTROL"},
    {163, "RIGHT CONTROL"},
    {164, "ALT"},
    {165, "ALT GR"},
    {186, "\xA8"},
    {187, "?"},
    {188, ","},
    {189, "-"},
    {190, "."},
    {191, "'"},
    {192, "\xD6"},
    {219, "^"},
    {220, "\xBD"},
    {221, "\xC5"},
    {222, "\xC4"},
    {226, ">"},
};

struct KeyNameTable {
  std::array<std::string, 301> names;
  KeyNameTable() {
    for (int c = 48; c <= 57; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (int c = 65; c <= 90; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (int c = 96; c <= 105; ++c) names[c] = "NUM " + std::to_string(c - 96);
    for (int c = 112; c <= 123; ++c) names[c] = "F" + std::to_string(c - 111);
    for (const NamedKey& k : NAMED_KEYS) names[k.code] = k.name;
  }
};

const KeyNameTable& KeyNames() {
  static const KeyNameTable table;
  return table;
}

}  // namespace

std::string_view KeyName(int code) {
  if (code < 0 || code > 300) return {};
  return KeyNames().names[code];
}

int TypeableKey(int code) {
  if ((code >= 65 && code <= 90) || code == 32 || code == 8 || code == 192 || code == 221 || code == 222)
    return 1;
  if ((code >= 48 && code <= 57) || (code >= 187 && code <= 190)) return 2;
  return 0;
}

void UpdateInput(Shell& shell) {
  const Platform& p = shell.platform;
  for (int k = 1; k <= KEY_COUNT; ++k) {
    const bool held = p.KeyDown(k);
    shell.KeyHeld[k] = held ? 1 : 0;
    shell.KeyHitState[k][1] = 0;
    if (!held) {
      shell.KeyHitState[k][2] = 1;
    } else if (shell.KeyHitState[k][2] == 1) {
      shell.KeyHitState[k][1] = 1;
      shell.KeyHitState[k][2] = 0;
    }
  }
  for (int b = 1; b <= 3; ++b) {
    const bool held = p.MouseDown(b);
    shell.MouseHitState[b][1] = 0;
    if (!held) {
      shell.MouseHitState[b][2] = 1;
    } else if (shell.MouseHitState[b][2] == 1) {
      shell.MouseHitState[b][1] = 1;
      shell.MouseHitState[b][2] = 0;
    }
  }
}

bool KeyHit(const Shell& shell, int code) {
  if (code < 1 || code > KEY_COUNT || FadeLocked(shell)) return false;
  return shell.KeyHitState[code][1] == 1;
}

bool KeyHeldDown(const Shell& shell, int code) {
  if (code < 1 || code > KEY_COUNT || FadeLocked(shell)) return false;
  return shell.KeyHeld[code] == 1;
}

bool MouseHit(const Shell& shell, int button) {
  if (button < 1 || button > 3 || FadeLocked(shell)) return false;
  return shell.MouseHitState[button][1] == 1;
}

void FlushInput(Shell& shell) {
  for (int k = 1; k <= KEY_COUNT; ++k) shell.KeyHitState[k][1] = 0;
  shell.MouseHitState[1][1] = 0;
  shell.MouseHitState[2][1] = 0;
}

void TypeText(Shell& shell, std::string_view input, int maxLength) {
  std::string text(input);
  for (int k = 1; k <= KEY_COUNT; ++k) {
    if (TypeableKey(k) == 0) continue;
    const bool hit = KeyHit(shell, k);
    if (hit) {
      shell.KeyRepeat[1] = k;
      shell.KeyRepeat[2] = 0;
    }
    if (k == shell.KeyRepeat[1]) {
      if (KeyHeldDown(shell, k)) {
        ++shell.KeyRepeat[2];
      } else {
        shell.KeyRepeat[2] = 0;
      }
    }
    const bool typed = shell.KeyRepeat[2] < AUTO_REPEAT_FRAMES ? hit : k == shell.KeyRepeat[1];
    if (!typed) continue;
    if (k == KEY_BACKSPACE) {
      if (!text.empty()) text.pop_back();
    } else if (k == KEY_SPACE) {
      text += ' ';
    } else {
      text += KeyName(k);
    }
  }
  if (maxLength >= 0 && static_cast<int>(text.size()) > maxLength)
    text.resize(static_cast<std::size_t>(maxLength));
  shell.TypedText = text;
}

bool RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
  if (x1 > x2 + w2 || x1 + w1 < x2) return false;
  return y1 <= y2 + h2 && y1 + h1 >= y2;
}

bool MouseOver(const Shell& shell, int x, int y, int w, int h) {
  return RectsOverlap(x, y, w, h, shell.platform.MouseX(), shell.platform.MouseY(), 1, 1);
}

}  // namespace vv
