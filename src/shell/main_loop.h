#pragma once
// The frame loop: one pass per displayed frame, in a fixed order. The loop
// knows screens only by number; the program's top level fills the table of
// screen entries and the per-frame calls into the other subsystems.

#include <array>
#include <functional>

#include "shell/shell.h"

namespace vv {

struct LoopHooks {
  std::array<std::function<void()>, SCREEN_COUNT> screens;  // by screen number
  std::function<void()> applyAttributeBoosts;               // heroes' potion boosts, before the screen runs
  std::function<void()> recalcHeroStats;                    // derived statistics, after it
  std::function<void(int code)> playSound;                  // the frame's sound request
  std::function<void()> updateMusic;
  std::function<void()> drawOverlay;  // after the pointer (debug overlays); may be empty
  // What a screen keeps when the window is closed on it, by screen number.
  std::array<std::function<void()>, SCREEN_COUNT> windowClosed;
};

// Switch at the next loop head, without a fade; this frame is not shown.
void SwitchScreen(Shell& shell, int screen);
// Fade to black over 10 frames, switch, and fade back in.
void StartFade(Shell& shell, int screen);
// Ends the program at the end of this frame.
void QuitGame(Shell& shell);

// Runs one frame. Returns false when the program should end (window closed
// or quit confirmed).
bool RunFrame(Shell& shell, const LoopHooks& hooks);

// Steps of RunFrame, public for the tests that check their order.
void AdvanceFade(Shell& shell);
void DrawFadeOverlay(Shell& shell);

}  // namespace vv
