#include "shell/startup_menu.h"

#include "shell/file_io.h"
#include "shell/input.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr int WINDOW_W = 480, WINDOW_H = 360;
constexpr int BUTTON_X = 88, BUTTON_W = 303, BUTTON_H = 52;
constexpr int BUTTON_Y[4] = {0, 100, 160, 280};  // RUN THE GAME, CHANGE DRIVER, QUIT
constexpr int CLOSE_X = 457, CLOSE_Y = 6, CLOSE_SIZE = 17;

bool OverButton(const Shell& shell, int button) {
  return MouseOver(shell, BUTTON_X, BUTTON_Y[button], BUTTON_W, BUTTON_H);
}

bool OverCloseBox(const Shell& shell) {
  return MouseOver(shell, CLOSE_X, CLOSE_Y, CLOSE_SIZE, CLOSE_SIZE);
}

void DrawMenu(Shell& shell, const StartupMenu& menu) {
  Platform& p = shell.platform;
  p.DrawImage(menu.BackImage, 0, 0);
  for (int i = 0; i < 4; ++i) {
    if (i == 2) p.SetColor(175, 175, 175);
    p.DrawImage(menu.TabImage, 240, static_cast<float>(126 + 60 * i));
    p.SetColor(255, 255, 255);
  }
  const char* const labels[4] = {"", "RUN THE GAME", "CHANGE DRIVER", "QUIT"};
  const int labelY[4] = {0, 110, 170, 290};
  for (int b = 1; b <= 3; ++b) {
    const int c = menu.StartupHover[b] == 1 ? 255 : 150;
    p.SetColor(0, c, c);
    DrawTextWithFont(shell, menu.FontImage, 240, static_cast<float>(labelY[b]), labels[b], 1);
  }
  p.SetColor(0, 175, 0);
  DrawTextWithFont(shell, menu.FontImage, 240, 230, shell.DriverChoice == 0 ? "OPENGL" : menu.SecondLabel, 1);
  p.SetColor(255, 255, 255);
  p.DrawImage(menu.TickerImage, CLOSE_X, CLOSE_Y, menu.CloseBoxFrame);
}

}  // namespace

std::vector<std::uint8_t> DriverFileBytes(int result) {
  ByteWriter out;
  out.Int(DRIVER_MAGIC);
  out.Int(result);
  return out.Bytes();
}

int DriverChoiceFromFile(std::span<const std::uint8_t> bytes) {
  ByteReader in(bytes);
  std::int32_t magic = 0, choice = 0;
  if (!in.Int(magic) || !in.Int(choice) || !in.AtEnd() || magic != DRIVER_MAGIC) return 0;
  // The game only ever writes 1 or 2; anything else keeps OpenGL.
  return choice == 2 ? 1 : 0;
}

void ReadDriverFile(Shell& shell) {
  std::vector<std::uint8_t> bytes;
  shell.DriverChoice =
      ReadWholeFile(shell.DataDir / DRIVER_FILE, bytes, 64) ? DriverChoiceFromFile(bytes) : 0;
}

bool WriteDriverFile(Shell& shell, int result) {
  return WriteFileAtomically(shell.DataDir / DRIVER_FILE, DriverFileBytes(result));
}

void OpenStartupMenu(Shell& shell, StartupMenu& menu) {
  Platform& p = shell.platform;
  menu.BackImage = p.LoadImage("data/gfx/sm_back.png", IMAGE_MASKED);
  menu.TabImage = p.MidHandle(p.LoadImage("data/gfx/sm_tab.png", IMAGE_MASKED));
  menu.TickerImage = p.LoadAnimImage("data/gfx/sm_ticker.png", 17, 17, 0, 2, IMAGE_MASKED);
  menu.FontImage = p.LoadAnimImage("data/gfx/medfont.png", 60, 60, 0, 63, IMAGE_MASKED);
  menu.SecondLabel = p.SecondRendererLabel();

  int dx = 0, dy = 0, dw = 0, dh = 0;
  p.GetDesktopBounds(dx, dy, dw, dh);
  menu.WindowX = dx + dw / 2 - WINDOW_W / 2;
  menu.WindowY = dy + dh / 2 - WINDOW_H / 2;
  p.MoveWindow(menu.WindowX, menu.WindowY);
}

void CloseStartupMenu(Shell& shell, StartupMenu& menu) {
  Platform& p = shell.platform;
  for (int* image : {&menu.BackImage, &menu.TabImage, &menu.TickerImage, &menu.FontImage}) {
    p.FreeImage(*image);
    *image = 0;
  }
}

void StartupMenuFrame(Shell& shell, StartupMenu& menu) {
  Platform& p = shell.platform;
  UpdateInput(shell);
  if (KeyHit(shell, KEY_ESCAPE)) shell.StartupResult = 3;

  const bool hit = MouseHit(shell, MOUSE_LEFT);
  for (int b = 1; b <= 3; ++b) menu.StartupHover[b] = OverButton(shell, b) ? 1 : 0;
  menu.CloseBoxFrame = OverCloseBox(shell) ? 1 : 0;
  if (hit) {
    if (menu.StartupHover[1]) shell.StartupResult = shell.DriverChoice + 1;
    if (menu.StartupHover[2]) shell.DriverChoice = shell.DriverChoice == 0 ? 1 : 0;
    if (menu.StartupHover[3] || menu.CloseBoxFrame) shell.StartupResult = 3;
  }

  // The window keeps the pointer while a button is held, so the highlights
  // follow the desktop pointer instead.
  int gx = 0, gy = 0;
  p.GetGlobalMouse(gx, gy);
  const bool outside = gx < menu.WindowX || gx > menu.WindowX + WINDOW_W - 1 || gy < menu.WindowY ||
                       gy > menu.WindowY + WINDOW_H - 1;
  auto clearHighlights = [&menu] {
    for (int b = 1; b <= 3; ++b) menu.StartupHover[b] = 0;
    menu.CloseBoxFrame = 0;
  };
  if (outside) clearHighlights();

  // Dragging by the artwork: only from free space.
  const bool onControl =
      OverButton(shell, 1) || OverButton(shell, 2) || OverButton(shell, 3) || OverCloseBox(shell);
  if (!onControl && hit && !menu.Dragging) {
    menu.Dragging = true;
    menu.DragX = p.MouseX();
    menu.DragY = p.MouseY();
  }
  if (menu.Dragging) {
    if (p.MouseDown(MOUSE_LEFT)) {
      clearHighlights();
      // The pointer's place in the window, from the desktop pointer: the
      // window's own mouse position lags behind a window that moves.
      menu.WindowX += (gx - menu.WindowX) - menu.DragX;
      menu.WindowY += (gy - menu.WindowY) - menu.DragY;
      p.MoveWindow(menu.WindowX, menu.WindowY);
    } else {
      menu.Dragging = false;
    }
  }

  DrawMenu(shell, menu);
}

int RunStartupMenu(Shell& shell) {
  Platform& p = shell.platform;
  StartupMenu menu;
  OpenStartupMenu(shell, menu);
  shell.StartupResult = 0;
  if (p.ScriptedInput()) {
    // Scripts (the playtest harness, tests) begin after start-up: show the
    // menu once and run with the preselected renderer.
    p.PumpEvents();
    StartupMenuFrame(shell, menu);
    p.Flip();
    p.Cls();
    shell.StartupResult = shell.DriverChoice + 1;
  }
  while (shell.StartupResult == 0) {
    p.PumpEvents();
    StartupMenuFrame(shell, menu);
    p.Flip();
    p.Cls();
    if (p.CloseRequested()) shell.StartupResult = 3;
  }
  CloseStartupMenu(shell, menu);
  return shell.StartupResult;
}

}  // namespace vv
