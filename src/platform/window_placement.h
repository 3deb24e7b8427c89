#pragma once
// How the game window was left: full screen or a window, and the window's
// place and size on the desktop (desktop coordinates).

namespace vv {

struct WindowPlacement {
  bool fullscreen = true;
  bool placed = false;  // false: centre the window on the first display
  int x = 0, y = 0;
  int width = 1024, height = 768;

  bool operator==(const WindowPlacement&) const = default;
};

}  // namespace vv
