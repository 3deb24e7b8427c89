#pragma once
// The input layer: once a frame the held state of every key and mouse
// button becomes hit flags (a key is hit in exactly one frame, the first in
// which it is seen down after having been seen up). Every query answers
// "not pressed" while a screen fade runs.

#include <string>
#include <string_view>

#include "shell/shell.h"

namespace vv {

void UpdateInput(Shell& shell);
bool KeyHit(const Shell& shell, int code);
bool KeyHeldDown(const Shell& shell, int code);
bool MouseHit(const Shell& shell, int button);
// Clears this frame's hits of every key and of mouse buttons 1 and 2 (the
// middle button's hit stays), so nothing later in the frame acts again.
void FlushInput(Shell& shell);
// Edits `text` with this frame's key presses (upper-case letters, digits,
// space, a few punctuation and Nordic letters; backspace deletes) and stores
// the result, cut to maxLength, in shell.TypedText.
void TypeText(Shell& shell, std::string_view text, int maxLength);

// The name of a key code 0..300 ("ARROW LEFT", "A", "F5"); empty if none.
std::string_view KeyName(int code);
// 0 ignored by text entry, 1 letters, space, backspace and the Nordic
// letters, 2 digits and the keys 187..190.
int TypeableKey(int code);

// Buttons: inclusive-edge rectangle test, and the usual "is the mouse in
// this box" made of it.
bool RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);
bool MouseOver(const Shell& shell, int x, int y, int w, int h);

}  // namespace vv
