// vizid-review-shots: the game's screens in every state worth a look, as
// PNGs for a person to review (make review-shots).
//
//   vizid-review-shots FOLDER [world|items|combat|spells]...
//
// Without scene names every scene runs. Exits non-zero when a scene could
// not reach one of its states.

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "review.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: vizid-review-shots FOLDER [world|items|combat|spells]...\n");
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  struct {
    const char* name;
    int (*run)(const std::filesystem::path&);
  } const scenes[] = {{"world", vv::review::WorldScene},
                      {"items", vv::review::ItemScene},
                      {"combat", vv::review::CombatScene},
                      {"spells", vv::review::SpellScene}};
  int problems = 0;
  for (const auto& scene : scenes) {
    bool wanted = argc == 2;
    for (int i = 2; i < argc; ++i) wanted = wanted || std::strcmp(argv[i], scene.name) == 0;
    if (!wanted) continue;
    std::printf("== %s\n", scene.name);
    std::fflush(stdout);
    problems += scene.run(folder / scene.name);
  }
  std::printf("Review pictures in %s%s\n", folder.string().c_str(),
              problems ? " (some states were not reached: see above)" : "");
  return problems == 0 ? 0 : 1;
}
