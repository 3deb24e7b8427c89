#include "persistence/saved_games.h"

#include <fstream>
#include <system_error>
#include <vector>

#include "persistence/save_files.h"
#include "shell/file_io.h"
#include "shell/text.h"
#include "world/world_module.h"

namespace vv {
namespace {

constexpr std::size_t SLOT_INFO_MAX_BYTES = 8 + SAVE_NAME_LENGTH;

bool WriteOne(Game& g, const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
  return g.WriteSaveFile ? g.WriteSaveFile(path, bytes) : WriteFileAtomically(path, bytes);
}

// What belonged to the moment the game was left, not to the game itself:
// the screen as it was built, banners, the speech box, a battle half set
// up, loot on its way. A loaded game starts clear of all of it.
void ForgetTheMoment(Game& g) {
  ForgetExplorationScreen(g);
  g.CellTiles.clear();
  g.PortalEventFlag = 0;
  for (auto& entry : g.LootList) {
    for (int& field : entry) field = 0;
  }
  g.LootCount = 0;
  g.CombatSetUp = 0;
}

}  // namespace

bool SaveGame(Game& g, int slot) {
  const bool quick = slot == QUICK_SLOT;
  const std::string name = quick ? std::string(QUICKSAVE_NAME) : g.SlotName[slot];
  const auto saved = TakeSavedGame(g, quick ? "" : name);
  // A game this game would refuse to load is not written over a good save.
  if (!SavedGameValid(*saved, g)) return false;

  std::error_code ec;
  std::filesystem::create_directories(SaveFolder(g.DataDir), ec);
  if (!std::filesystem::is_directory(SaveFolder(g.DataDir), ec)) return false;

  const std::filesystem::path infoPath = SlotInfoPath(g.DataDir, slot);
  std::vector<std::uint8_t> oldInfo;
  const bool hadInfo = ReadWholeFile(infoPath, oldInfo, SLOT_INFO_MAX_BYTES);
  if (!WriteOne(g, infoPath, SlotInfoBytes(name))) return false;
  if (WriteOne(g, GameDataPath(g.DataDir, slot), GameDataBytes(*saved))) return true;
  // The old game data is still in place: give it back its old name.
  if (hadInfo) {
    WriteOne(g, infoPath, oldInfo);
  } else {
    std::filesystem::remove(infoPath, ec);
  }
  return false;
}

bool LoadGame(Game& g, int slot) {
  std::vector<std::uint8_t> bytes;
  const auto saved = std::make_unique<SavedGame>();
  if (!ReadWholeFile(GameDataPath(g.DataDir, slot), bytes, GAME_DATA_MAX_BYTES)) return false;
  if (!ParseGameData(bytes, g, *saved)) return false;
  PutSavedGame(g, *saved);
  ForgetTheMoment(g);
  g.PendingNotice = "GAME LOADED";
  return true;
}

bool ReadSlotName(const Game& g, int slot, std::string& name) {
  std::vector<std::uint8_t> bytes;
  return ReadWholeFile(SlotInfoPath(g.DataDir, slot), bytes, SLOT_INFO_MAX_BYTES) &&
         ParseSlotInfo(bytes, name);
}

bool QuicksaveExists(const Game& g) {
  // Only the magic number is asked for here; the whole file is checked
  // when the quickload is confirmed.
  const std::filesystem::path path = GameDataPath(g.DataDir, QUICK_SLOT);
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return false;
  std::ifstream in(path, std::ios::binary);
  std::uint8_t head[4] = {};
  if (!in.read(reinterpret_cast<char*>(head), sizeof head)) return false;
  ByteReader reader(head);
  std::int32_t magic = 0;
  return reader.Int(magic) && magic == GAME_DATA_MAGIC;
}

void ReportSaveFailed(Game& g) {
  g.SoundEvent = SOUND_ALARM;
  ShowMessage(g, "SAVE FAILED", 255, 0, 0);
}

void ReportInvalidFile(Game& g) {
  g.SoundEvent = SOUND_ALARM;
  ShowMessage(g, "INVALID FILE", 255, 0, 0);
}

void QuickSave(Game& g) {
  if (SaveGame(g, QUICK_SLOT)) {
    g.PendingNotice = "GAME SAVED";
  } else {
    ReportSaveFailed(g);
  }
}

void QuickLoad(Game& g) {
  // The game is already running: no fade, and it stays in progress.
  if (!LoadGame(g, QUICK_SLOT)) ReportInvalidFile(g);
}

}  // namespace vv
