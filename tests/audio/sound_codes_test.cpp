// The sound-code table: every range against the loaded sound files, and
// the numbers past a table's end.

#include "audio/sound_codes.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "platform/fake_platform.h"
#include "shell/assets.h"

namespace vv {
namespace {

class SoundCodeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterAssets(platform);
    LoadGameSounds(game);
  }

  // The file a code plays, "" for none.
  std::string Plays(int code) {
    platform.soundsPlayed.clear();
    PlaySoundCode(game, code);
    return platform.soundsPlayed.empty() ? "" : platform.soundsPlayed.back();
  }

  FakePlatform platform;
  Game game{platform};
};

TEST_F(SoundCodeTest, EveryRangePlaysItsFamily) {
  const std::pair<int, std::string> cases[] = {
      {1, "drop_1.wav"},        {25, "drop_25.wav"},     {51, "use_1.wav"},      {100, "take.wav"},
      {201, "miss_1.wav"},      {203, "miss_3.wav"},     {2001, "death_1.wav"},  {2003, "death_3.wav"},
      {3001, "mdeath_1.wav"},   {3016, "mdeath_16.wav"}, {4000, "tick.wav"},     {4001, "tick2.wav"},
      {5000, "alarm.wav"},      {6000, "dropitem.wav"},  {7000, "attack.wav"},   {7001, "tele.wav"},
      {7002, "chest.wav"},      {8001, "hit_0.wav"},     {8013, "hit_12.wav"},   {9001, "mhit_1.wav"},
      {9016, "mhit_16.wav"},    {11000, "rest.wav"},     {12001, "break_1.wav"}, {12004, "break_4.wav"},
      {13000, "block.wav"},     {13001, "defend.wav"},   {20001, "spell_1.wav"}, {20015, "spell_15.wav"},
      {500000, "deepsink.wav"}, {500001, "hop.wav"},
  };
  for (const auto& [code, file] : cases) EXPECT_EQ(Plays(code), file) << "code " << code;
}

TEST_F(SoundCodeTest, NumbersWithoutASamplePlayNothing) {
  // Past the files of a family, past the end of a table, between and
  // outside the ranges, the battle-end codes, and 0.
  for (int code : {0,     -1,    26,    50,    52,    99,    101,   200,   204,   205,   2000,   2004,  2999,
                   3000,  3017,  3999,  4002,  7003,  8000,  8014,  8021,  8999,  9000,  9017,   9999,  10000,
                   10001, 12000, 12005, 12999, 13002, 20000, 20016, 50000, 50001, 99999, 499999, 500002}) {
    EXPECT_EQ(Plays(code), "") << "code " << code;
  }
}

}  // namespace
}  // namespace vv
