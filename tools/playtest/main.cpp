// vizid-playtest: the real game, headless, driven by a script.
//
//   vizid-playtest [--fast] [--renderer software|opengl] [--data DIR] [--startup-shots DIR] SCRIPT
//
// --fast runs the same game without drawing anything: state dumps as usual,
// `shot` lines are skipped.

#include <cstdio>
#include <fstream>
#include <sstream>

#include "script.h"
#include "session.h"

int main(int argc, char** argv) {
  vv::PlaytestOptions options;
  std::string scriptPath;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--fast") {
      options.fast = true;
    } else if (arg == "--renderer" && hasValue) {
      options.renderer = argv[++i];
      if (options.renderer != "software" && options.renderer != "opengl") {
        std::fprintf(stderr, "vizid-playtest: the renderer is software or opengl\n");
        return 2;
      }
    } else if (arg == "--data" && hasValue) {
      options.dataDir = argv[++i];
    } else if (arg == "--startup-shots" && hasValue) {
      options.startupShots = argv[++i];
    } else if (scriptPath.empty() && arg.rfind("--", 0) != 0) {
      scriptPath = arg;
    } else {
      scriptPath.clear();
      break;
    }
  }
  if (scriptPath.empty()) {
    std::fprintf(stderr,
                 "usage: vizid-playtest [--fast] [--renderer software|opengl] [--data DIR] [--startup-shots "
                 "DIR] SCRIPT\n");
    return 2;
  }
  std::ifstream in(scriptPath, std::ios::binary);
  if (!in) {
    std::fprintf(stderr, "vizid-playtest: cannot read %s\n", scriptPath.c_str());
    return 2;
  }
  std::stringstream source;
  source << in.rdbuf();
  std::vector<vv::ScriptCommand> commands;
  std::string error;
  if (!vv::ParseScript(source.str(), commands, error)) {
    std::fprintf(stderr, "vizid-playtest: %s: %s\n", scriptPath.c_str(), error.c_str());
    return 1;
  }
  vv::PlaytestSession session(options);
  if (!session.Start(error) || !session.Run(commands, error)) {
    std::fprintf(stderr, "vizid-playtest: %s\n", error.c_str());
    return 1;
  }
  return 0;
}
