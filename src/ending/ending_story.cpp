#include "ending/ending_story.h"

namespace vv {
namespace {

constexpr StoryColour G = StoryColour::Green;
constexpr StoryColour M = StoryColour::Magenta;
constexpr StoryColour Y = StoryColour::Yellow;

// A line of the story's own words, one naming a speaker, and the line of
// both names. Lines of a paragraph are 64 pixels apart, paragraphs 128.
constexpr StoryLine Say(int offset, StoryColour colour, const char* words, bool centred = false) {
  return {offset, colour, StoryText::Words, words, centred};
}
constexpr StoryLine Speaker(int offset, int hero) {
  return {offset, M, hero == 1 ? StoryText::Hero1Speaks : StoryText::Hero2Speaks, "", false};
}

// clang-format off
constexpr StoryLine STORY[ENDING_LINE_COUNT + 1] = {
    {},
    Say(0, G, "After defeating Vorgash, your heroes discuss about"),
    Say(64, G, "the green portal."),

    Speaker(192, 1),
    Say(256, G, "''Are you sure about this?''"),

    Speaker(384, 2),
    Say(448, G, "''Sure? Nothing about this place is sure."),
    Say(512, G, "But this portal was Vorgash's own way"),
    Say(576, G, "out, and it glows as green as the fields"),
    Say(640, G, "of home. If it leads anywhere, it leads"),
    Say(704, G, "back to Duduvi, and I have no wish to"),
    Say(768, G, "walk that long road all over again.''"),

    Speaker(896, 1),
    Say(960, G, "''And if it drops us in a swamp, or in"),
    Say(1024, G, "the lair of something worse than him?''"),

    Speaker(1152, 2),
    Say(1216, G, "''Then we fight it, the way we fought"),
    Say(1280, G, "every beast between here and home. We"),
    Say(1344, G, "are rather good at that by now.''"),

    Speaker(1472, 1),
    Say(1536, G, "''Fair enough. But if I come out of it"),
    Say(1600, G, "as a frog, I am blaming you for the"),
    Say(1664, G, "rest of my very short life.''"),

    Speaker(1792, 2),
    Say(1856, G, "''Deal. Hold your breath and jump!''"),

    Say(1984, G, "The two heroes step into the green light."),
    Say(2048, G, "The world spins, the air smells of pine,"),
    Say(2112, G, "and with a soft pop they land on the road"),
    Say(2176, G, "outside the town gates of Duduvi."),

    Speaker(2304, 1),
    Say(2368, G, "''Home! I never thought I would miss"),
    Say(2432, G, "the smell of the pig market, but here"),
    Say(2496, G, "we are. Let us find a warm meal.''"),

    Speaker(2624, 2),
    Say(2688, G, "''Wait. The gates are shut, in daylight.''"),

    Speaker(2816, 1),
    Say(2880, G, "''Someone is coming. A guard, I think.''"),

    Speaker(3008, 2),
    Say(3072, G, "''Good day to you! Open up, we have"),
    Say(3136, G, "come a long way and we are starving.''"),

    Say(3264, M, "Town guard:"),
    Say(3328, G, "''Halt! Nobody enters while Vorgash lives.''"),

    Speaker(3456, 1),
    Say(3520, G, "''He does not. Here is his staff. Smell it.''"),

    Say(3648, M, "Town guard:"),
    Say(3712, G, "''By the gods, it still smokes! Ring the"),
    Say(3776, G, "bells! Open the gates! They did it!''"),

    Speaker(3904, 2),
    Say(3968, G, "''About that warm meal...''"),

    Say(4096, G, "The gates swing open and the whole town"),
    Say(4160, G, "pours out to meet them. There is music,"),
    Say(4224, G, "dancing, and a feast that lasts a week."),
    Say(4288, G, "The mayor hands them the keys of the town,"),
    Say(4352, G, "the bards make songs about them, and"),
    Say(4416, G, "every child in Duduvi learns the names"),
    Say(4480, G, "of the two heroes who defeated Vorgash:"),
    {4544, G, StoryText::BothHeroes, "", false},

    Say(4992, G, "Congratulations, you have completed vizid of vorgash.", true),
    Say(5056, G, "Thanks for playing.", true),
    Say(5120, Y, "-PRESS ESCAPE TO RETURN TO MAIN MENU-", true),
};
// clang-format on

}  // namespace

const StoryLine& EndingStoryLine(int line) {
  return STORY[line >= 1 && line <= ENDING_LINE_COUNT ? line : 0];
}

std::string EndingStoryText(const Game& game, int line) {
  const StoryLine& l = EndingStoryLine(line);
  switch (l.kind) {
    case StoryText::Hero1Speaks:
      return game.HeroNames[1] + ":";
    case StoryText::Hero2Speaks:
      return game.HeroNames[2] + ":";
    case StoryText::BothHeroes:
      return game.HeroNames[1] + " and " + game.HeroNames[2] + ".";
    case StoryText::Words:
      break;
  }
  return l.words ? l.words : "";
}

}  // namespace vv
