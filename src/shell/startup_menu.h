#pragma once
// The start-up driver menu and the driver file that remembers its choice.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "shell/shell.h"

namespace vv {

constexpr int DRIVER_MAGIC = 4321;
constexpr std::string_view DRIVER_FILE = "api.kqo";

// Reads the driver file into DriverChoice (OpenGL when it is missing or wrong).
void ReadDriverFile(Shell& shell);
// Runs the menu in the start-up window until the player chooses; returns
// StartupResult (1 OpenGL, 2 second renderer, 3 quit).
int RunStartupMenu(Shell& shell);
// Rewrites the driver file with the choice, once the game display is open;
// false when the disk refused it.
bool WriteDriverFile(Shell& shell, int result);

// The file's bytes for a result, and the preselected DriverChoice a file's
// bytes give (0, OpenGL, unless the whole file is right).
std::vector<std::uint8_t> DriverFileBytes(int result);
int DriverChoiceFromFile(std::span<const std::uint8_t> bytes);

// The menu's own state while it runs.
struct StartupMenu {
  int StartupHover[4] = {};  // [1] RUN THE GAME, [2] CHANGE DRIVER, [3] QUIT
  int CloseBoxFrame = 0;     // 1 while the pointer is on the close box
  int WindowX = 0, WindowY = 0;
  bool Dragging = false;
  int DragX = 0, DragY = 0;  // pointer inside the window when the drag began
  int BackImage = 0, TabImage = 0, TickerImage = 0, FontImage = 0;
  std::string SecondLabel;  // what the second renderer is called here
};

// Loads the menu's pictures and centres the window on the desktop.
void OpenStartupMenu(Shell& shell, StartupMenu& menu);
// One frame: input, hover, dragging and drawing (the caller presents).
void StartupMenuFrame(Shell& shell, StartupMenu& menu);
// Releases the menu's pictures.
void CloseStartupMenu(Shell& shell, StartupMenu& menu);

}  // namespace vv
