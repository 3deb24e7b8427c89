#include "ending/ending_module.h"

#include <cstdio>

namespace vv {

void AddEndingScreens(Game& game, LoopHooks& hooks) {
  hooks.screens[SCREEN_ENDING] = [&game] { RunEndingScreen(game); };
}

void ResetEndingForNewGame(Game& game) {
  game.EndingScroll = ENDING_SCROLL_START;
}

void DumpEndingState(const Game& game, JsonWriter& json) {
  // The dump writes whole numbers only; the scroll moves in half pixels,
  // so it goes out as its exact decimal text.
  char text[32];
  std::snprintf(text, sizeof text, "%.1f", static_cast<double>(game.EndingScroll));
  json.String("EndingScroll", text);
}

void StartEnding(Game& game) {
  game.EndingScroll = ENDING_SCROLL_START;
  StartFade(game, SCREEN_ENDING);
}

}  // namespace vv
