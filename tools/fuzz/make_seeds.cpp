// Writes the fuzzer's seed corpus into a folder: valid saved games, a new
// game on the start screen and a party deep in the cavern with something
// in every table, and their slot files. Each is read back by the loader
// before it is written, so the seeds are always files the game accepts.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "items/item_database.h"
#include "party/hero_record.h"
#include "persistence/save_files.h"
#include "world/level_table.h"

namespace vv {
namespace {

void Hero(SavedGame& s, int h, int heroClass, int level, int str, int dex, int intel, int end) {
  int* st = s.HeroStats[h];
  st[hero::Class] = heroClass;
  st[hero::Level] = level;
  st[hero::Experience] = ExpNeeded[level] + 3;
  st[hero::Strength] = st[hero::BaseStrength] = str;
  st[hero::Dexterity] = st[hero::BaseDexterity] = dex;
  st[hero::Intelligence] = st[hero::BaseIntelligence] = intel;
  st[hero::Endurance] = st[hero::BaseEndurance] = end;
  st[hero::MaxHealth] = 2 * end;
  st[hero::Health] = 2 * end - 1;
  st[hero::DamageMin] = 1, st[hero::DamageMax] = 3, st[hero::AttackDelay] = 128;
  st[hero::Spell] = 1, st[hero::Face] = h;
  st[hero::SpellDamageMin] = 1, st[hero::SpellDamageMax] = 4;
}

std::unique_ptr<SavedGame> NewGame(const WorldTables& world) {
  auto s = std::make_unique<SavedGame>();
  s->SaveName = "UNNAMED";
  s->HeroNames[1] = "ARNE";
  s->HeroNames[2] = "BIRGIT";
  int* ps = s->PartyState;
  ps[1] = 1, ps[PartyX] = 768, ps[PartyY] = 96, ps[Facing] = 3, ps[TimeOfDay] = 32;
  ps[ScreenColumn] = 3, ps[ScreenRow] = 1;
  Hero(*s, 1, 1, 1, 8, 4, 2, 7);
  Hero(*s, 2, 3, 1, 2, 3, 9, 6);
  for (int set = 1; set <= AREAS; ++set) {
    s->CommentPool[set][0] = 10;
    for (int i = 1; i <= 10; ++i) s->CommentPool[set][i] = i;
  }
  s->AreaIntroShown[1] = 1;
  for (int x = 20; x <= 27; ++x) {
    for (int y = 0; y <= 6; ++y) s->ExploredMap[3][1][x][y] = 1;
  }
  for (int n = 1; n <= 20; ++n) {
    const int level = std::min(n + 2, LEVELS);
    int* record = s->ExploredMap[CHEST_COLUMN][CHEST_ROW][n];
    const int count = 2 + n % 2;
    for (int k = 1; k <= count; ++k) {
      const int row = (n * 37 + k * 11) % 100 + 1;
      record[2 * k - 1] = world.LevelTable[level][row][level::ItemCategory];
      record[2 * k] = world.LevelTable[level][row][level::ItemNumber];
    }
    record[chest::Count] = count;
  }
  return s;
}

void Put(SavedGame& s, int column, int row, int category, int number) {
  int* cell = s.PartyInventory[column][row];
  cell[1] = category, cell[2] = number, cell[3] = ItemStats(category, number, item::MaxCondition);
}

void Equip(SavedGame& s, int h, int slot, int number) {
  int* e = s.HeroEquipment[h][slot];
  e[1] = number, e[2] = ItemStats(slot, number, item::MaxCondition);
  for (int f = 3; f <= 6; ++f) e[f] = ItemStats(slot, number, item::PrimaryStat + f - 3);
}

std::unique_ptr<SavedGame> MidGame(const WorldTables& world) {
  auto s = NewGame(world);
  s->SaveName = "DEEP CAVERN";
  int* ps = s->PartyState;
  ps[PartyX] = 416, ps[PartyY] = 320, ps[Facing] = 4, ps[TimeOfDay] = 45, ps[StepCount] = 4;
  ps[ScreenColumn] = 1, ps[ScreenRow] = 2;
  Hero(*s, 1, 1, 6, 14, 4, 2, 15);
  Hero(*s, 2, 3, 9, 3, 4, 16, 13);
  s->HeroStats[2][hero::Spell] = 4;
  for (int h = 1; h <= 2; ++h) {
    int* st = s->HeroStats[h];
    st[hero::Attacks] = 40, st[hero::Hits] = 30, st[hero::Kills] = 6;
    st[hero::DamageDealt] = 300, st[hero::DamageTaken] = 120, st[hero::BlockAttempts] = 20,
    st[hero::Blocks] = 4;
    st[hero::HitRatio] = 75, st[hero::BlockRatio] = 20;
  }
  s->HeroTimers[1][1] = 12;
  s->HeroStats[1][hero::Strength] += 10;
  Equip(*s, 1, 1, 6);
  Equip(*s, 1, 2, 4);
  Equip(*s, 1, 5, 2);
  Equip(*s, 2, 4, 2);
  Put(*s, 1, 1, 1, 7);
  Put(*s, 4, 1, 6, 1);
  Put(*s, 5, 3, 3, 2);
  Put(*s, 9, 9, 5, 4);
  for (int m = 1; m <= 6; ++m) s->MonsterKills[m] = 7 - m;
  s->CommentPool[1][0] = 3, s->CommentPool[1][1] = 2, s->CommentPool[1][2] = 5, s->CommentPool[1][3] = 9;
  for (int i = 4; i <= 10; ++i) s->CommentPool[1][i] = 0;
  s->AreaIntroShown[2] = 1;
  for (int x = 0; x < SCREEN_CELLS_X; ++x) {
    for (int y = 0; y < SCREEN_CELLS_Y; ++y) s->ExploredMap[1][2][x][y] = (x + y) % 3 == 0;
  }
  s->ExploredMap[CHEST_COLUMN][CHEST_ROW][1][chest::Opened] = 1;
  return s;
}

bool Write(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

}  // namespace
}  // namespace vv

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  std::filesystem::create_directories(dir);
  auto world = std::make_unique<vv::WorldTables>();
  vv::InitLevelTables(*world);

  auto fresh = vv::NewGame(*world);
  auto mid = vv::MidGame(*world);
  auto quick = vv::MidGame(*world);
  quick->SaveName.clear();
  const std::pair<const char*, const vv::SavedGame*> games[] = {
      {"new.kqs", fresh.get()}, {"cavern.kqs", mid.get()}, {"quick.kqs", quick.get()}};
  bool ok = true;
  for (const auto& [name, game] : games) {
    const auto bytes = vv::GameDataBytes(*game);
    auto check = std::make_unique<vv::SavedGame>();
    if (!vv::ParseGameData(bytes, *world, *check)) {
      std::fprintf(stderr, "%s: the loader refuses this seed\n", name);
      ok = false;
    }
    ok = vv::Write(dir / name, bytes) && ok;
  }
  ok = vv::Write(dir / "slot.kqi", vv::SlotInfoBytes("DEEP CAVERN")) && ok;
  ok = vv::Write(dir / "quick.kqi", vv::SlotInfoBytes(vv::QUICKSAVE_NAME)) && ok;
  return ok ? 0 : 1;
}
