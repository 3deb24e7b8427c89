// vizid-bot: the player bot over the playtest harness in its fast mode. It
// plays whole games from NEW GAME with real keys and clicks only and reads
// the state dump as a player reads the screen (tools/bot/player.h), over
// many seeds, and reports how many reach the ending, in how many battles
// and frames, and where and why the others ended.
//
//   vizid-bot [seeds [first-seed [frame-limit]]] [--party XY] [--reloads N] [--check] [--trace]
//
// --party: the classes asked for at creation (F fighter, R rogue, S sorcerer,
// ? as rolled; default FS). --check: exit with 1 when a game misbehaved (an
// item vanished, the frames stopped, the game quit by itself), for the test.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "player.h"

namespace {

long long Median(std::vector<long long> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> numbers;
  vv::bot::PlayOptions options;
  bool check = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--check") {
      check = true;
    } else if (a == "--trace") {
      options.trace = true;
    } else if (a == "--party" && i + 1 < argc) {
      options.party = argv[++i];
    } else if (a == "--grind" && i + 1 < argc) {
      options.grind = std::atoi(argv[++i]);
    } else if (a == "--reloads" && i + 1 < argc) {
      options.maxReloads = std::max(0, std::atoi(argv[++i]));
    } else {
      numbers.push_back(a);
    }
  }
  const int seeds = numbers.size() > 0 ? std::max(1, std::atoi(numbers[0].c_str())) : 5;
  const unsigned first = numbers.size() > 1 ? static_cast<unsigned>(std::atoi(numbers[1].c_str())) : 1;
  if (numbers.size() > 2) options.frameLimit = std::max(1000LL, std::atoll(numbers[2].c_str()));

  std::printf("Player bot: %d seeds from %u, party %s, at most %d reloads and %lld frames a game\n", seeds,
              first, options.party.c_str(), options.maxReloads, options.frameLimit);
  const auto started = std::chrono::steady_clock::now();
  int endings = 0, misbehaved = 0;
  std::vector<long long> battles, frames, reloads, lastBattles;
  std::map<std::string, int> causes;
  for (int i = 0; i < seeds; ++i) {
    const unsigned seed = first + static_cast<unsigned>(i);
    const vv::bot::Outcome r = vv::bot::PlayOneGame(seed, options);
    std::printf(
        "seed %u: %s%s%s after %d battles (%d against Vorgash) and %lld frames (%d defeats, %d reloads, %d "
        "saves; %d items taken, %d potions, %d spells; hero levels %d and %d)%s\n",
        seed, r.why.c_str(), r.ending ? "" : " at ", r.ending ? "" : r.where.c_str(), r.battles,
        r.lastBattles, r.frames, r.defeats, r.reloads, r.saves, r.items, r.potions, r.spells, r.heroLevel[0],
        r.heroLevel[1], r.misbehaved ? " MISBEHAVED" : "");
    std::fflush(stdout);
    misbehaved += r.misbehaved;
    if (r.ending) {
      ++endings;
      battles.push_back(r.battles);
      frames.push_back(r.frames);
      reloads.push_back(r.reloads);
      lastBattles.push_back(r.lastBattles);
    } else {
      // The level, without the cell, groups the causes.
      std::string where = r.where.substr(0, r.where.find(" at "));
      ++causes[r.why + " (" + where + ")"];
    }
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("\n%d of %d games reached the ending", endings, seeds);
  if (endings > 0)
    std::printf(", in a median of %lld battles (%lld against Vorgash), %lld frames and %lld reloads",
                Median(battles), Median(lastBattles), Median(frames), Median(reloads));
  std::printf("\n");
  for (const auto& [cause, count] : causes) std::printf("  %d ended: %s\n", count, cause.c_str());
  std::printf("%d games misbehaved; %.0f seconds in all\n", misbehaved, seconds);
  return check && misbehaved > 0 ? 1 : 0;
}
