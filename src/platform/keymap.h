#pragma once
#include <SDL.h>

namespace vv {

// The game's virtual-key number for a key at this position on the keyboard,
// or 0 for keys the game does not know. Punctuation and the Nordic letter
// keys are mapped by where they sit, so "the key right of L" is the same
// code on every layout.
int VirtualKeyForScancode(SDL_Scancode scancode);

}  // namespace vv
