// What the heroes say now and then on the way: ten lines for each area,
// each said at most once a game. "@" stands for the other hero's name.

#include "world/exploration.h"

namespace vv {
namespace {

constexpr int COMMENT_SETS = 5;
constexpr int COMMENTS_PER_SET = 10;
constexpr int COMMENT_ROLL = 50;  // of the encounter roll; attacks need 9 or less

// clang-format off
constexpr const char* COMMENT_TEXT[COMMENT_SETS + 1][COMMENTS_PER_SET + 1] = {
    {},
    {  // the forest
        "",
        "I am the mightiest warrior this world has ever seen! Well, at least mightier than this weakling @!",
        "These woods smell of pine needles and wet socks. Mostly wet socks.",
        "Did that bush just move? No? Good. Not that I was scared.",
        "Somewhere behind us the good people of Duduvi are sitting down to a warm supper. I try not to think about it.",
        "If a squirrel attacks us, let it be known that I saw it first.",
        "I tried to count the trees. Then I lost count. There are a lot of trees.",
        "My boots were new when we left town. Look at them now.",
        "The birds have stopped singing. That is either very good or very bad.",
        "I could live out here, you know. Berries, mushrooms, fresh air, the odd monster.",
        "Which way is north? Never mind. Every way looks like more forest.",
    },
    {  // the cavern
        "",
        "It is so dark in here that I can hear my own eyes blinking.",
        "Something just dripped on my neck. I am choosing to believe it was water.",
        "These crystals would fetch a fine price in Duduvi. If we ever see Duduvi again.",
        "Mind your head. And your feet. And anything else you are fond of.",
        "If we find some new equipment, give them to me. Unlike @, I'll put them to good use.",
        "I hate bats. I hate their little faces and their little leathery wings.",
        "Stay close, @. If something grabs you in the dark, I want to be the first to know.",
        "The echo in here repeats everything I say. Everything I say. Very funny.",
        "@, was that your stomach growling, or should we start running?",
        "Sunshine, fresh air, a sky over my head. I will never take them for granted again.",
    },
    {  // the desert
        "",
        "Sand in my boots, sand in my hair, sand in places I would rather not mention.",
        "The goper mountains never seem to get any closer.",
        "I would trade my best boots for a bucket of cold water right now.",
        "Is that a lake over there? Oh. No. It is more sand.",
        "Those bleached skulls are such a comforting sight. Said nobody, ever.",
        "Whoever built these ruins must have been very thirsty too.",
        "Don't touch the cactus. Trust me on this one.",
        "At least in the cavern nothing was trying to bake us alive.",
        "We are a good team, @. I consider myself the leader but together we are unbeatable!",
        "@, you are as red as a boiled crayfish. Stand in my shadow for a while.",
    },
    {  // the vegetable garden
        "",
        "Who carved these pumpkins? vorgash? Perhaps he has a sense of humor.",
        "This cabbage is bigger than my head. And I have a very big head.",
        "A garden this size needs a very big gardener. I hope we never meet him.",
        "@, stop nibbling the carrots. We don't know where they have been.",
        "The scarecrows keep watching us. I am sure that one just blinked.",
        "Finally, a place that smells of something other than hot sand.",
        "Mother always told me to eat my vegetables. She never said they would try to eat me back.",
        "Mind the fences. Somebody went to a lot of trouble to keep something in here.",
        "If we get out of this garden alive, @, I am never eating soup again.",
        "Do you smell that, @? Rotten pumpkins, or something much worse?",
    },
    {  // the villain's hideout
        "",
        "Skulls to the left, bones to the right. Somebody here needs a new decorator.",
        "I've heard a rumor that vorgash resembles a huge, frenzied gorilla. I do hope it's just a rumor.",
        "Whatever waits for us in there, @, it has been an honour to walk beside you.",
        "The air is hot and smells of brimstone. A lovely spot for a holiday.",
        "Those torches are lit. That means somebody lights them. That means somebody is home.",
        "I hear drums. Or is that my heart?",
        "Step carefully. Lava does not forgive clumsy feet.",
        "So this is where all the monsters come from. I expected it to be tidier.",
        "No turning back now. Not that there ever was a way back.",
        "Stay behind me, @. Or in front of me. Whichever turns out to be safer.",
    },
};
// clang-format on

int CurrentSet(const Game& g) {
  return g.CurrentLevel >= 1 && g.CurrentLevel <= LEVELS ? g.LevelArea[g.CurrentLevel] : 0;
}

}  // namespace

void InitCommentTexts(WorldTables& w) {
  for (int s = 1; s <= COMMENT_SETS; ++s) {
    for (int n = 1; n <= COMMENTS_PER_SET; ++n) w.CommentText[s][n] = COMMENT_TEXT[s][n];
  }
}

void RefillCommentPools(WorldTables& w) {
  for (int s = 1; s <= COMMENT_SETS; ++s) {
    w.CommentPool[s][0] = COMMENTS_PER_SET;
    for (int n = 1; n <= COMMENTS_PER_SET; ++n) w.CommentPool[s][n] = n;
  }
}

void RollComment(Game& g, int r) {
  if (g.OptionFlags[OPTION_COMMENTS] != 1 || r != COMMENT_ROLL) return;
  const int s = CurrentSet(g);
  if (s == 0) return;
  int* pool = g.CommentPool[s];
  const int n = pool[0];
  if (n <= 0) return;
  for (int k = 1; k <= 5; ++k) g.ArrowHover[k] = 0;
  const int speaker = Rand(g, 1, 2);
  const int j = Rand(g, 1, n);
  OpenSpeechBox(g, SPEECH_HERO, speaker, pool[j]);
  // Said once a game: the later comments close up over it.
  for (int i = j; i <= n; ++i) pool[i] = i < COMMENTS_PER_SET ? pool[i + 1] : 0;
  pool[0] = n - 1;
}

std::string CommentLine(const Game& g, int hero, int comment) {
  const int s = CurrentSet(g);
  if (s == 0 || comment < 1 || comment > COMMENTS_PER_SET) return {};
  std::string line = g.CommentText[s][comment];
  const std::string& other = g.HeroNames[hero == 1 ? 2 : 1];
  for (std::size_t at = line.find('@'); at != std::string::npos; at = line.find('@', at + other.size())) {
    line.replace(at, 1, other);
  }
  return line;
}

}  // namespace vv
