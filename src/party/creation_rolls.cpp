#include "party/creation_rolls.h"

#include "party/hero_record.h"

namespace vv {

void RollHero(Game& game, int h) {
  int* hero = game.CreatedHeroes[h];
  const int* caps = ClassCaps[hero[created::Class]];
  const int points = Rand(game, 12, 20);
  for (int f = created::Strength; f <= created::Endurance; ++f) hero[f] = 1;
  int* candidates = game.RollCandidates;
  int& n = game.RollCandidateCount;
  n = 4;
  for (int i = 1; i <= 4; ++i) candidates[i] = created::Strength + i - 1;

  for (int p = 0; p < points && n > 0; ++p) {
    game.RollPhase = (game.RollPhase + 1) % 3;
    int pick = Rand(game, 1, n);
    // Two points out of three get a second pick when the first one landed
    // on a cap-5 attribute.
    if (game.RollPhase != 0 && caps[candidates[pick]] == 5) pick = Rand(game, 1, n);
    const int field = candidates[pick];
    if (++hero[field] == caps[field]) {
      for (int i = pick; i < n; ++i) candidates[i] = candidates[i + 1];
      candidates[n] = 0;
      --n;
    }
  }

  if (game.CreatedHeroes[1][created::Portrait] == SPECIAL_PORTRAIT) {
    for (int f = created::Strength; f <= created::Endurance; ++f)
      game.CreatedHeroes[1][f] = SPECIAL_ATTRIBUTES[f];
  }
}

void FreshStart(Game& game) {
  const int r = Rand(game, 1, 15);
  game.DraftNames[1] = DefaultNames[static_cast<std::size_t>(r)];
  game.DraftNames[2] = DefaultNames[static_cast<std::size_t>(Rand(game, 16, 30))];

  int(&heroes)[3][7] = game.CreatedHeroes;
  if (r == 1) {
    heroes[1][created::Portrait] = SPECIAL_PORTRAIT;
    game.SoundEvent = SOUND_HOP;
  } else {
    heroes[1][created::Portrait] = Rand(game, 1, ORDINARY_PORTRAITS);
  }
  heroes[2][created::Portrait] = Rand(game, 1, ORDINARY_PORTRAITS);
  heroes[1][created::Class] = r == 1 ? CLASS_FIGHTER : Rand(game, 1, 3);
  heroes[2][created::Class] = Rand(game, 1, 3);
  for (int h = 1; h <= 2; ++h) {
    for (int f = created::Strength; f <= created::Endurance; ++f) heroes[h][f] = 1;
  }
  game.RerollRequest = 1;
}

}  // namespace vv
