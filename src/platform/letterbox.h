#pragma once
// Where the canvas lands in what the renderer presents into, and where a
// point of the window lands on the canvas. Both follow the renderer's real
// output size, whatever size the window was asked to have.

namespace vv {

struct Letterbox {
  int x = 0, y = 0, w = 0, h = 0;
};

// The canvas as large as the output allows, keeping its shape, centred
// between black bars.
Letterbox FitCanvas(int canvasW, int canvasH, int outputW, int outputH);

// A point in window coordinates (which differ from output pixels on
// high-density displays) to canvas pixels. Points on the bars land on the
// nearest edge of the canvas.
void WindowPointToCanvas(int wx, int wy, int windowW, int windowH, int outputW, int outputH, int canvasW,
                         int canvasH, int& cx, int& cy);

}  // namespace vv
