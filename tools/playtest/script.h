#pragma once
// Playtest scripts: one command a line, '#' starts a comment.
//
//   seed N            reseed the game's random generator now
//   wait N            run N frames
//   key CODE          virtual key CODE down for one frame, then up for one frame
//   hold CODE         key CODE down (until release)
//   release CODE      key CODE up
//   move X Y          mouse to canvas X, Y
//   click X Y [left|right|middle]   move there, button down one frame, up the next
//   mousedown [left|right|middle]   the button down where the mouse is (until mouseup)
//   mouseup [left|right|middle]     the button up
//   option N 0|1      option N (1 music playback .. 6 menu fading) off or on
//   type TEXT         the keys of TEXT one after another, as `key`
//   shot PATH         the last presented frame as a 1024 x 768 PNG
//   dump PATH         the game's state as JSON

#include <string>
#include <vector>

namespace vv {

struct ScriptCommand {
  enum Kind {
    Seed,
    Wait,
    Key,
    Hold,
    Release,
    Move,
    Click,
    Type,
    Shot,
    Dump,
    MouseDown,
    MouseUp,
    Option
  } kind;
  int line = 0;
  int a = 0, b = 0, c = 0;  // numbers (click: x, y, button; mousedown, mouseup: button in c)
  std::string text;         // type, shot, dump
};

// Parses a whole script. On a malformed line returns false with `error`
// naming the line number.
bool ParseScript(const std::string& source, std::vector<ScriptCommand>& out, std::string& error);

// The virtual-key code that types this character, or 0.
int KeyCodeForChar(char c);

}  // namespace vv
