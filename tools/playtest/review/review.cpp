#include "review.h"

#include <cstdio>

#include "game/game_setup.h"
#include "items/item_database.h"
#include "party/hero_record.h"

namespace vv::review {

bool Scene::Start() {
  std::error_code ec;
  std::filesystem::create_directories(folder_, ec);
  std::string error;
  if (session_.Start(error)) return true;
  std::fprintf(stderr, "the game did not start: %s\n", error.c_str());
  ++problems_;
  return false;
}

void Scene::Shot(const std::string& name) {
  const std::string path = (folder_ / (name + ".png")).string();
  Expect(session_.platform().SaveScreenshot(path), "a picture written to " + path);
}

void Scene::Key(int code) {
  session_.platform().ScriptKey(code, true);
  Frames(1);
  session_.platform().ScriptKey(code, false);
  Frames(1);
}

void Scene::Move(int x, int y, int frames) {
  session_.platform().ScriptMouse(x, y);
  Frames(frames);
}

void Scene::Click(int x, int y, int button, int frames) {
  session_.platform().ScriptMouse(x, y);
  session_.platform().ScriptButton(button, true);
  Frames(1);
  session_.platform().ScriptButton(button, false);
  Frames(frames);
}

bool Scene::Expect(bool reached, const std::string& what) {
  if (!reached) {
    std::fprintf(stderr, "  not reached: %s\n", what.c_str());
    ++problems_;
  }
  return reached;
}

void Scene::Party(int level1, int level2, int attribute) {
  ResetGameTables(g());
  for (int h = 1; h <= 2; ++h) {
    int* s = Hero(h);
    g().HeroNames[h] = h == 1 ? "BRUTUS" : "SELWYN";
    s[hero::Class] = h == 1 ? CLASS_FIGHTER : CLASS_SORCERER;
    s[hero::Level] = h == 1 ? level1 : level2;
    s[hero::Face] = h == 1 ? 7 : 4;
    for (int f = hero::BaseStrength; f <= hero::BaseEndurance; ++f) s[f] = attribute;
    s[hero::Health] = 2 * attribute;
    s[hero::Spell] = 1;
  }
  for (int& shown : g().AreaIntroShown) shown = 1;
  g().OptionFlags[OPTION_COMMENTS] = 0;
  g().GameInProgress = 1;
  g().GameScreen = SCREEN_WORLD;
  for (int& fade : g().ScreenFade) fade = 0;  // past the title's fade-in
}

void Scene::Equip(int h, int slot, int number, int condition) {
  int* worn = g().HeroEquipment[h][slot];
  worn[1] = number;
  worn[2] = condition >= 0 ? condition : ItemStats(slot, number, item::MaxCondition);
  for (int f = item::PrimaryStat; f <= item::MaxCondition; ++f)
    worn[3 + f - item::PrimaryStat] = ItemStats(slot, number, f);
}

void Scene::Put(int column, int row, int category, int number) {
  int* cell = g().PartyInventory[column][row];
  cell[1] = category, cell[2] = number, cell[3] = ItemStats(category, number, item::MaxCondition);
}

void Scene::SeedRolls(std::initializer_list<Roll> rolls) {
  std::uint32_t seed = 1;
  for (bool all = false; !all; ++seed) {
    SeedRandom(g(), seed);
    all = true;
    for (const Roll& r : rolls) all = all && Rand(g(), r.low, r.high) == r.value;
  }
  SeedRandom(g(), seed - 1);
}

}  // namespace vv::review
