#include "persistence/save_files.h"

#include <cstring>

#include "shell/file_io.h"

namespace vv {
namespace {

// The numbers of the game data after its three strings, section by section.
constexpr std::size_t PARTY_NUMBERS = 20;
constexpr std::size_t HERO_NUMBERS = 2 * 32;
constexpr std::size_t TIMER_NUMBERS = 2 * 3;
constexpr std::size_t EQUIPMENT_NUMBERS = 2 * 5 * 20;
constexpr std::size_t INVENTORY_NUMBERS = 10 * 10 * 20;
constexpr std::size_t KILL_NUMBERS = 20;
constexpr std::size_t COMMENT_NUMBERS = 5 * 11;
constexpr std::size_t INTRO_NUMBERS = 5;
constexpr std::size_t EXPLORED_NUMBERS = 5 * 5 * 32 * 19;
constexpr std::size_t TABLE_NUMBERS = PARTY_NUMBERS + HERO_NUMBERS + TIMER_NUMBERS + EQUIPMENT_NUMBERS +
                                      INVENTORY_NUMBERS + KILL_NUMBERS + COMMENT_NUMBERS + INTRO_NUMBERS +
                                      EXPLORED_NUMBERS;
// The magic number and the three string lengths are the other four.
static_assert((TABLE_NUMBERS + 4) * 4 == GAME_DATA_FIXED_BYTES);

// Every number of the tables in the order of the file; the one place that
// order is written down, for reading and writing alike.
template <typename Saved, typename Visit>
void ForEachNumber(Saved& s, Visit&& visit) {
  for (int i = 1; i <= 20; ++i) visit(s.PartyState[i]);
  for (int h = 1; h <= 2; ++h) {
    for (int f = 1; f <= 32; ++f) visit(s.HeroStats[h][f]);
  }
  for (int h = 1; h <= 2; ++h) {
    for (int b = 1; b <= 3; ++b) visit(s.HeroTimers[h][b]);
  }
  for (int h = 1; h <= 2; ++h) {
    for (int slot = 1; slot <= 5; ++slot) {
      for (int f = 1; f <= 20; ++f) visit(s.HeroEquipment[h][slot][f]);
    }
  }
  for (int c = 1; c <= 10; ++c) {
    for (int r = 1; r <= 10; ++r) {
      for (int f = 1; f <= 20; ++f) visit(s.PartyInventory[c][r][f]);
    }
  }
  for (int m = 1; m <= 20; ++m) visit(s.MonsterKills[m]);
  for (int set = 1; set <= AREAS; ++set) {
    for (int i = 0; i <= 10; ++i) visit(s.CommentPool[set][i]);
  }
  for (int a = 1; a <= AREAS; ++a) visit(s.AreaIntroShown[a]);
  for (int c = 1; c <= MAP_SCREENS; ++c) {
    for (int r = 1; r <= MAP_SCREENS; ++r) {
      for (int x = 0; x < SCREEN_CELLS_X; ++x) {
        for (int y = 0; y < SCREEN_CELLS_Y; ++y) visit(s.ExploredMap[c][r][x][y]);
      }
    }
  }
}

template <typename Table>
void CopyTable(const Table& from, Table& to) {
  std::memcpy(&to, &from, sizeof(Table));
}

}  // namespace

std::filesystem::path SaveFolder(const std::filesystem::path& dataDir) {
  return dataDir / "saves";
}

std::filesystem::path SlotInfoPath(const std::filesystem::path& dataDir, int slot) {
  return SaveFolder(dataDir) / (slot == QUICK_SLOT ? "quick.kqi" : "save" + std::to_string(slot) + ".kqi");
}

std::filesystem::path GameDataPath(const std::filesystem::path& dataDir, int slot) {
  return SaveFolder(dataDir) / (slot == QUICK_SLOT ? "quick.kqs" : "save" + std::to_string(slot) + ".kqs");
}

std::unique_ptr<SavedGame> TakeSavedGame(const Game& game, std::string_view saveName) {
  auto saved = std::make_unique<SavedGame>();
  saved->SaveName = saveName;
  for (int h = 1; h <= 2; ++h) saved->HeroNames[h] = game.HeroNames[h];
  CopyTable(game.PartyState, saved->PartyState);
  CopyTable(game.HeroStats, saved->HeroStats);
  CopyTable(game.HeroTimers, saved->HeroTimers);
  CopyTable(game.HeroEquipment, saved->HeroEquipment);
  CopyTable(game.PartyInventory, saved->PartyInventory);
  CopyTable(game.MonsterKills, saved->MonsterKills);
  CopyTable(game.CommentPool, saved->CommentPool);
  CopyTable(game.AreaIntroShown, saved->AreaIntroShown);
  CopyTable(game.ExploredMap, saved->ExploredMap);
  return saved;
}

void PutSavedGame(Game& game, const SavedGame& saved) {
  for (int h = 1; h <= 2; ++h) game.HeroNames[h] = saved.HeroNames[h];
  CopyTable(saved.PartyState, game.PartyState);
  CopyTable(saved.HeroStats, game.HeroStats);
  CopyTable(saved.HeroTimers, game.HeroTimers);
  CopyTable(saved.HeroEquipment, game.HeroEquipment);
  CopyTable(saved.PartyInventory, game.PartyInventory);
  CopyTable(saved.MonsterKills, game.MonsterKills);
  CopyTable(saved.CommentPool, game.CommentPool);
  CopyTable(saved.AreaIntroShown, game.AreaIntroShown);
  CopyTable(saved.ExploredMap, game.ExploredMap);
  // The level is not stored: it follows from the screen.
  game.CurrentLevel = game.LevelGrid[saved.PartyState[ScreenColumn]][saved.PartyState[ScreenRow]];
}

std::vector<std::uint8_t> GameDataBytes(const SavedGame& saved) {
  ByteWriter out;
  out.Int(GAME_DATA_MAGIC);
  out.String(saved.SaveName);
  out.String(saved.HeroNames[1]);
  out.String(saved.HeroNames[2]);
  ForEachNumber(saved, [&out](const int& value) { out.Int(value); });
  return out.Bytes();
}

bool ParseGameData(std::span<const std::uint8_t> bytes, const WorldTables& world, SavedGame& out) {
  ByteReader in(bytes);
  std::int32_t magic = 0;
  if (!in.Int(magic) || magic != GAME_DATA_MAGIC) return false;
  if (!in.String(out.SaveName, SAVE_NAME_LENGTH)) return false;
  for (int h = 1; h <= 2; ++h) {
    if (!in.String(out.HeroNames[h], HERO_NAME_LENGTH)) return false;
  }
  // After the strings the length is fixed: a short or a long file is not
  // one the game wrote.
  if (in.Remaining() != TABLE_NUMBERS * 4) return false;
  ForEachNumber(out, [&in](int& value) {
    std::int32_t read = 0;
    in.Int(read);
    value = read;
  });
  return in.AtEnd() && SavedGameValid(out, world);
}

std::vector<std::uint8_t> SlotInfoBytes(std::string_view name) {
  ByteWriter out;
  out.Int(SLOT_INFO_MAGIC);
  out.String(name);
  return out.Bytes();
}

bool ParseSlotInfo(std::span<const std::uint8_t> bytes, std::string& name) {
  ByteReader in(bytes);
  std::int32_t magic = 0;
  std::string read;
  if (!in.Int(magic) || magic != SLOT_INFO_MAGIC) return false;
  if (!in.String(read, SAVE_NAME_LENGTH) || !in.AtEnd()) return false;
  name = std::move(read);
  return true;
}

}  // namespace vv
