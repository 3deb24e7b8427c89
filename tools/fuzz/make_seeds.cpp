// Writes the fuzzers' seed corpora, a folder for each loader, of files the
// game accepts: saved games (a new game on the start screen, a party deep in
// the cavern with something in every table) and their slot files, options
// and window settings, driver files, and maps and pictures. Each is read
// back by its loader before it is written. The maps and pictures are small
// ones made here, and, given the build's data folder, the real map and the
// smallest of the real pictures.
//
//   vizid-fuzz-seeds FOLDER [DATA_FOLDER]

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "game/window_settings.h"
#include "items/item_database.h"
#include "party/hero_record.h"
#include "persistence/save_files.h"
#include "platform/platform.h"
#include "shell/file_io.h"
#include "shell/options.h"
#include "shell/startup_menu.h"
#include "world/level_table.h"
#include "world/map_loading.h"

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

std::vector<std::uint8_t> Bytes(std::string_view text) {
  return {text.begin(), text.end()};
}

// A small map: the magic number and a few tiles on the first screens, cut
// short (the loader reads the missing end as zeros).
std::vector<std::uint8_t> SmallMap() {
  std::vector<std::int32_t> ints{MAP_MAGIC};
  for (int t = 1; t <= 6; ++t) {
    const int kind = 1 + t % 2, image = t == 3 ? 11 : (t == 4 ? 12 : t);
    ints.insert(ints.end(), {kind, image, 32 * t, 64, t == 5 ? 64 : 32, t == 5 ? 64 : 32, 1 + t % 4, 0, 0,
                             t == 1 ? 2 : 0});
  }
  ByteWriter out;
  for (std::int32_t v : ints) out.Int(v);
  return out.Bytes();
}

// A picture of w by h pixels with the mask colour in one corner.
std::vector<std::uint8_t> SmallPng(int w, int h, bool colour) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(w) * h * 4);
  for (std::size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<std::uint8_t>(i * 37 % 251);
  rgba[0] = 255, rgba[1] = 0, rgba[2] = 255;
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(w);
  image.height = static_cast<png_uint_32>(h);
  image.format = colour ? PNG_FORMAT_RGBA : PNG_FORMAT_GRAY;
  std::vector<std::uint8_t> source = rgba;
  if (!colour) source.resize(static_cast<std::size_t>(w) * h);
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, source.data(), 0, nullptr)) return {};
  std::vector<std::uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, source.data(), 0, nullptr)) return {};
  bytes.resize(size);
  return bytes;
}

}  // namespace
}  // namespace vv

int main(int argc, char** argv) {
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: %s FOLDER [DATA_FOLDER]\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  for (const char* loader : {"saves", "slots", "options", "driver", "map", "png"}) {
    std::filesystem::create_directories(dir / loader);
  }
  auto world = std::make_unique<vv::WorldTables>();
  vv::InitLevelTables(*world);
  bool ok = true;
  // Every seed is checked by its own loader first.
  auto put = [&](const char* loader, const std::string& name, const std::vector<std::uint8_t>& bytes,
                 bool accepted) {
    if (!accepted) {
      std::fprintf(stderr, "%s/%s: the loader refuses this seed\n", loader, name.c_str());
      ok = false;
    }
    ok = vv::Write(dir / loader / name, bytes) && ok;
  };

  auto fresh = vv::NewGame(*world);
  auto mid = vv::MidGame(*world);
  auto quick = vv::MidGame(*world);
  quick->SaveName.clear();
  const std::pair<const char*, const vv::SavedGame*> games[] = {
      {"new.kqs", fresh.get()}, {"cavern.kqs", mid.get()}, {"quick.kqs", quick.get()}};
  for (const auto& [name, game] : games) {
    const auto bytes = vv::GameDataBytes(*game);
    auto check = std::make_unique<vv::SavedGame>();
    put("saves", name, bytes, vv::ParseGameData(bytes, *world, *check));
  }
  for (const auto& [file, name] : {std::pair<const char*, std::string_view>{"slot.kqi", "DEEP CAVERN"},
                                   {"quick.kqi", vv::QUICKSAVE_NAME},
                                   {"empty.kqi", ""}}) {
    const auto bytes = vv::SlotInfoBytes(name);
    std::string read;
    put("slots", file, bytes, vv::ParseSlotInfo(bytes, read));
  }

  int flags[9] = {0, 1, 1, 1, 1, 1, 1, 0, 0};
  put("options", "all-on.kqo", vv::OptionsFileBytes(flags),
      vv::ParseOptionsFile(vv::OptionsFileBytes(flags), flags));
  const int mixed[9] = {0, 0, 1, 0, 1, 1, 0, 3, 7};
  std::copy(std::begin(mixed), std::end(mixed), flags);
  put("options", "mixed.kqo", vv::OptionsFileBytes(mixed),
      vv::ParseOptionsFile(vv::OptionsFileBytes(mixed), flags));
  vv::WindowPlacement placement;
  const std::string fullscreen = vv::WindowSettingsText(placement);
  placement = {false, true, -120, 80, 1280, 800};
  const std::string windowed = vv::WindowSettingsText(placement);
  put("options", "fullscreen.cfg", vv::Bytes(fullscreen), vv::ParseWindowSettings(fullscreen, placement));
  put("options", "window.cfg", vv::Bytes(windowed), vv::ParseWindowSettings(windowed, placement));

  for (int result : {1, 2}) {
    const auto bytes = vv::DriverFileBytes(result);
    put("driver", "driver" + std::to_string(result) + ".kqo", bytes,
        vv::DriverChoiceFromFile(bytes) == result - 1);
  }

  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> maps{{"small.kqm", vv::SmallMap()}};
  std::vector<std::pair<std::string, std::vector<std::uint8_t>>> pictures{
      {"rgba-5x3.png", vv::SmallPng(5, 3, true)}, {"grey-34x17.png", vv::SmallPng(34, 17, false)}};
  if (argc == 3) {
    const std::filesystem::path data = argv[2];
    std::vector<std::uint8_t> bytes;
    if (vv::ReadWholeFile(data / "map.kqm", bytes)) maps.emplace_back("real.kqm", bytes);
    // The smallest real pictures: quick to fuzz, and every kind the generator writes.
    std::vector<std::pair<std::uintmax_t, std::filesystem::path>> found;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(data / "gfx", ec)) {
      if (entry.path().extension() == ".png") found.emplace_back(entry.file_size(ec), entry.path());
    }
    std::sort(found.begin(), found.end());
    if (found.size() > 16) found.resize(16);
    for (const auto& [size, path] : found) {
      if (vv::ReadWholeFile(path, bytes)) pictures.emplace_back(path.filename().string(), bytes);
    }
  }
  for (const auto& [name, bytes] : maps) {
    auto check = std::make_unique<vv::WorldTables>();
    put("map", name, bytes, vv::ReadMap(*check, bytes));
  }
  for (const auto& [name, bytes] : pictures) {
    vv::Pixels pixels;
    put("png", name, bytes, vv::DecodePng(bytes, pixels));
  }
  return ok ? 0 : 1;
}
