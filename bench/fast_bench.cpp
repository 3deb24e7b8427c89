// Frames per second of the playtest harness with and without drawing: each
// review script (new game, exploration, a battle, loot, saving) run through
// the real loop, then a stretch of frames standing on the screen it ends on.
//
//   vizid-bench-fast [extra-frames]

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "script.h"
#include "session.h"

#ifndef VIZID_BENCH_SCRIPTS
#define VIZID_BENCH_SCRIPTS "tools/playtest"
#endif

namespace {

using Clock = std::chrono::steady_clock;

// The frames a command runs.
long long FramesOf(const vv::ScriptCommand& c) {
  switch (c.kind) {
    case vv::ScriptCommand::Wait:
      return c.a;
    case vv::ScriptCommand::Key:
    case vv::ScriptCommand::Click:
      return 2;
    case vv::ScriptCommand::Type:
      return 2 * static_cast<long long>(c.text.size());
    default:
      return 0;
  }
}

void Measure(const std::string& name, const std::vector<vv::ScriptCommand>& cmds, bool fast, int extra) {
  vv::PlaytestOptions options;
  options.fast = fast;
  vv::PlaytestSession session(options);
  std::string error;
  if (!session.Start(error)) {
    std::printf("%s: start-up failed: %s\n", name.c_str(), error.c_str());
    return;
  }
  long long frames = 0;
  for (const vv::ScriptCommand& c : cmds) frames += FramesOf(c);
  auto start = Clock::now();
  if (!session.Run(cmds, error)) std::printf("%s: %s\n", name.c_str(), error.c_str());
  const double scriptS = std::chrono::duration<double>(Clock::now() - start).count();
  start = Clock::now();
  session.Frames(extra);
  const double extraS = std::chrono::duration<double>(Clock::now() - start).count();
  std::printf("  %-24s %-6s %6lld frames %8.0f frames per second; then %d frames on screen %d: %8.0f\n",
              name.c_str(), fast ? "fast" : "drawn", frames, frames / scriptS, extra,
              session.game().GameScreen, extra / extraS);
}

}  // namespace

int main(int argc, char** argv) {
  const int extra = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
  for (const char* name : {"first_battle.txt", "chest_loot.txt", "save_screen_review.txt"}) {
    std::ifstream in(std::string(VIZID_BENCH_SCRIPTS) + "/" + name, std::ios::binary);
    std::stringstream source;
    source << in.rdbuf();
    std::vector<vv::ScriptCommand> cmds;
    std::string error;
    if (!vv::ParseScript(source.str(), cmds, error)) {
      std::printf("%s: %s\n", name, error.c_str());
      continue;
    }
    std::erase_if(cmds, [](const vv::ScriptCommand& c) {
      return c.kind == vv::ScriptCommand::Shot || c.kind == vv::ScriptCommand::Dump;
    });
    Measure(name, cmds, false, extra);
    Measure(name, cmds, true, extra);
  }
  return 0;
}
