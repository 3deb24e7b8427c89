#pragma once
// The ending story's state.

namespace vv {

// Where the ending text starts and where it comes to rest.
constexpr float ENDING_SCROLL_START = 768.0f;  // the first line just below the screen
constexpr float ENDING_SCROLL_END = -4688.0f;  // the last three lines in the middle
constexpr float ENDING_SCROLL_STEP = 0.5f;     // pixels a frame: 30 a second

struct EndingTables {
  // The vertical drawing origin of the ending text, in pixels. The final
  // battle's win sets it to ENDING_SCROLL_START as it fades into the ending.
  float EndingScroll = ENDING_SCROLL_START;
};

}  // namespace vv
