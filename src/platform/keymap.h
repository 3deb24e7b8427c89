#pragma once
#include <SDL.h>

namespace vv {

// The game's virtual-key number for a key, given where it sits (`scancode`)
// and what it types in the player's layout (`symbol`), or 0 for keys the
// game does not know. The letters A-Z go by the letter on the key; the
// punctuation and the Nordic letter keys go by where they sit, so "the key
// right of L" is the same code on every layout.
int VirtualKeyForKey(SDL_Scancode scancode, SDL_Keycode symbol);

}  // namespace vv
