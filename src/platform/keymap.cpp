#include "platform/keymap.h"

namespace vv {

int VirtualKeyForKey(SDL_Scancode sc, SDL_Keycode sym) {
  // Letters by the letter on the key in the player's layout: the "Y" of a
  // yes/no question is the key labelled Y on a German keyboard too.
  if (sym >= SDLK_a && sym <= SDLK_z) return 65 + (sym - SDLK_a);
  const bool letterPlace = sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z;
  // A key in a letter's place that types a sign (the "," where a US
  // keyboard has M) is not that letter. Layouts without Latin letters keep
  // the letters where a US keyboard has them.
  if (letterPlace && sym > 0 && sym < 128) return 0;
  if (letterPlace) return 65 + (sc - SDL_SCANCODE_A);
  if (sc >= SDL_SCANCODE_1 && sc <= SDL_SCANCODE_9) return 49 + (sc - SDL_SCANCODE_1);
  if (sc >= SDL_SCANCODE_F1 && sc <= SDL_SCANCODE_F12) return 112 + (sc - SDL_SCANCODE_F1);
  if (sc >= SDL_SCANCODE_KP_1 && sc <= SDL_SCANCODE_KP_9) return 97 + (sc - SDL_SCANCODE_KP_1);
  switch (sc) {
    case SDL_SCANCODE_0:
      return 48;
    case SDL_SCANCODE_KP_0:
      return 96;
    case SDL_SCANCODE_BACKSPACE:
      return 8;
    case SDL_SCANCODE_TAB:
      return 9;
    case SDL_SCANCODE_RETURN:
      return 13;
    case SDL_SCANCODE_KP_ENTER:
      return 13;
    case SDL_SCANCODE_PAUSE:
      return 19;
    case SDL_SCANCODE_CAPSLOCK:
      return 20;
    case SDL_SCANCODE_ESCAPE:
      return 27;
    case SDL_SCANCODE_SPACE:
      return 32;
    case SDL_SCANCODE_PAGEUP:
      return 33;
    case SDL_SCANCODE_PAGEDOWN:
      return 34;
    case SDL_SCANCODE_END:
      return 35;
    case SDL_SCANCODE_HOME:
      return 36;
    case SDL_SCANCODE_LEFT:
      return 37;
    case SDL_SCANCODE_UP:
      return 38;
    case SDL_SCANCODE_RIGHT:
      return 39;
    case SDL_SCANCODE_DOWN:
      return 40;
    case SDL_SCANCODE_INSERT:
      return 45;
    case SDL_SCANCODE_DELETE:
      return 46;
    case SDL_SCANCODE_LGUI:
      return 91;
    case SDL_SCANCODE_RGUI:
      return 92;
    case SDL_SCANCODE_APPLICATION:
      return 93;
    case SDL_SCANCODE_KP_MULTIPLY:
      return 106;
    case SDL_SCANCODE_KP_PLUS:
      return 107;
    case SDL_SCANCODE_KP_MINUS:
      return 109;
    case SDL_SCANCODE_KP_PERIOD:
      return 110;
    case SDL_SCANCODE_KP_DIVIDE:
      return 111;
    case SDL_SCANCODE_NUMLOCKCLEAR:
      return 144;
    case SDL_SCANCODE_SCROLLLOCK:
      return 145;
    case SDL_SCANCODE_LSHIFT:
      return 160;
    case SDL_SCANCODE_RSHIFT:
      return 161;
    case SDL_SCANCODE_LCTRL:
      return 162;
    case SDL_SCANCODE_RCTRL:
      return 163;
    case SDL_SCANCODE_LALT:
      return 164;
    case SDL_SCANCODE_RALT:
      return 165;
    // Positions of a Nordic keyboard: the key right of 0, right of P,
    // right of L, and so on.
    case SDL_SCANCODE_RIGHTBRACKET:
      return 186;  // "¨" right of Å
    case SDL_SCANCODE_MINUS:
      return 187;  // "+ ?" right of 0
    case SDL_SCANCODE_COMMA:
      return 188;
    case SDL_SCANCODE_SLASH:
      return 189;  // "-" left of right shift
    case SDL_SCANCODE_PERIOD:
      return 190;
    case SDL_SCANCODE_BACKSLASH:
      return 191;  // "'" left of enter
    case SDL_SCANCODE_SEMICOLON:
      return 192;  // "Ö" right of L
    case SDL_SCANCODE_EQUALS:
      return 219;  // "´ `" right of the + key
    case SDL_SCANCODE_GRAVE:
      return 220;  // "½ §" left of 1
    case SDL_SCANCODE_LEFTBRACKET:
      return 221;  // "Å" right of P
    case SDL_SCANCODE_APOSTROPHE:
      return 222;  // "Ä" right of Ö
    case SDL_SCANCODE_NONUSBACKSLASH:
      return 226;  // "< >" left of Z
    default:
      return 0;
  }
}

}  // namespace vv
