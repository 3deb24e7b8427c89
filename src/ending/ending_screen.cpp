// The ending (screen 24): the story scrolls up from below the screen and
// comes to rest with the congratulation in the middle; Escape fades back to
// the title.

#include <algorithm>

#include "ending/ending_module.h"
#include "ending/ending_story.h"
#include "shell/input.h"
#include "shell/text.h"

namespace vv {
namespace {

constexpr float LEFT_MARGIN = 32.0f;
constexpr float SCREEN_CENTRE = 512.0f;
constexpr float LINE_HEIGHT = 30.0f;  // a half-size line

void SetStoryColour(Platform& p, StoryColour colour) {
  switch (colour) {
    case StoryColour::Green:
      p.SetColor(0, 255, 0);
      break;
    case StoryColour::Magenta:
      p.SetColor(255, 0, 255);
      break;
    case StoryColour::Yellow:
      p.SetColor(255, 255, 0);
      break;
  }
}

void DrawStory(Game& game) {
  Platform& p = game.platform;
  p.SetOrigin(0, game.EndingScroll);
  for (int line = 1; line <= ENDING_LINE_COUNT; ++line) {
    const StoryLine& l = EndingStoryLine(line);
    // Only the lines on the screen cost anything to draw.
    const float screenY = static_cast<float>(l.offset) + game.EndingScroll;
    if (screenY + LINE_HEIGHT < 0.0f || screenY >= static_cast<float>(p.CanvasHeight())) continue;
    SetStoryColour(p, l.colour);
    DrawTextHalf(game, l.centred ? SCREEN_CENTRE : LEFT_MARGIN, static_cast<float>(l.offset),
                 EndingStoryText(game, line), l.centred ? 1 : 0);
  }
  p.SetColor(255, 255, 255);
  p.SetOrigin(0, 0);
}

// The text fades into black towards the top and bottom edges.
void DrawFogEdges(Game& game) {
  Platform& p = game.platform;
  p.SetBlend(BLEND_ALPHA);
  p.SetScale(32, 8);
  p.DrawImage(game.FogEdgeImages[2], 0, 0);
  p.DrawImage(game.FogEdgeImages[4], 0, 512);
  p.ResetDrawState();
}

}  // namespace

void RunEndingScreen(Game& game) {
  if (KeyHit(game, KEY_ESCAPE)) StartFade(game, SCREEN_MAIN_MENU);
  game.EndingScroll = std::max(game.EndingScroll - ENDING_SCROLL_STEP, ENDING_SCROLL_END);
  DrawStory(game);
  DrawFogEdges(game);
}

}  // namespace vv
