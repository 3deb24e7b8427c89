#pragma once
// The ending story: 59 lines, each at a fixed distance from the top of the
// text, in its colour, some of them naming the heroes.

#include <string>

#include "game/game.h"

namespace vv {

constexpr int ENDING_LINE_COUNT = 59;

enum class StoryColour { Green, Magenta, Yellow };

// What a line says: fixed words, or words made of the heroes' names.
enum class StoryText {
  Words,        // the line's own words
  Hero1Speaks,  // hero 1's name and ":"
  Hero2Speaks,  // hero 2's name and ":"
  BothHeroes,   // hero 1 " and " hero 2 "."
};

struct StoryLine {
  int offset;  // pixels below the top of the text
  StoryColour colour;
  StoryText kind;
  const char* words;  // for StoryText::Words
  bool centred;       // centred on the screen, else from the left margin
};

// Line 1..ENDING_LINE_COUNT of the story.
const StoryLine& EndingStoryLine(int line);
// The text a line shows in this game, with the heroes' names put in.
std::string EndingStoryText(const Game& game, int line);

}  // namespace vv
