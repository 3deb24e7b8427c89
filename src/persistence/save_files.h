#pragma once
// The two files of a saved game. The slot information (.kqi) holds only
// the name shown in the slot list; the game data (.kqs) holds every table
// of the game in progress, in one fixed order. Both are read whole and
// checked before anything is taken from them.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "game/game.h"
#include "party/creation_rolls.h"

namespace vv {

constexpr int SLOT_INFO_MAGIC = 414;
constexpr int GAME_DATA_MAGIC = 313;
constexpr int SAVE_NAME_LENGTH = 15;           // the longest name the slot screen lets the player type
constexpr int HERO_NAME_LENGTH = NAME_LENGTH;  // the longest hero name character creation takes
// The game data without the characters of its three strings (the save
// name and the two hero names).
constexpr std::size_t GAME_DATA_FIXED_BYTES = 70296;
constexpr std::size_t GAME_DATA_MAX_BYTES = GAME_DATA_FIXED_BYTES + SAVE_NAME_LENGTH + 2 * HERO_NAME_LENGTH;
constexpr std::string_view QUICKSAVE_NAME = "Quicksave";
constexpr std::string_view EMPTY_SLOT_NAME = "( EMPTY SLOT )";

// Everything a saved game holds, under the names of the tables it fills.
struct SavedGame {
  std::string SaveName;
  std::string HeroNames[3];
  decltype(WorldTables::PartyState) PartyState = {};
  decltype(PartyTables::HeroStats) HeroStats = {};
  decltype(PartyTables::HeroTimers) HeroTimers = {};
  decltype(ItemTables::HeroEquipment) HeroEquipment = {};
  decltype(ItemTables::PartyInventory) PartyInventory = {};
  decltype(CombatTables::MonsterKills) MonsterKills = {};
  decltype(WorldTables::CommentPool) CommentPool = {};
  decltype(WorldTables::AreaIntroShown) AreaIntroShown = {};
  decltype(WorldTables::ExploredMap) ExploredMap = {};
};

// The files of slot 1..8, or of the quicksave for QUICK_SLOT.
std::filesystem::path SaveFolder(const std::filesystem::path& dataDir);
std::filesystem::path SlotInfoPath(const std::filesystem::path& dataDir, int slot);
std::filesystem::path GameDataPath(const std::filesystem::path& dataDir, int slot);

// The game's tables as a saved game under this name, and back.
std::unique_ptr<SavedGame> TakeSavedGame(const Game& game, std::string_view saveName);
void PutSavedGame(Game& game, const SavedGame& saved);

std::vector<std::uint8_t> GameDataBytes(const SavedGame& saved);
// Reads a whole game-data file into `out`: false unless every field is
// there, nothing follows, and every value is one the game can make
// (checked against the constant tables in `world`).
bool ParseGameData(std::span<const std::uint8_t> bytes, const WorldTables& world, SavedGame& out);
// Whether every table of a saved game holds what play can produce.
bool SavedGameValid(const SavedGame& saved, const WorldTables& world);

std::vector<std::uint8_t> SlotInfoBytes(std::string_view name);
// The name in a slot-information file; false for a wrong magic number, a
// name length out of bounds or a file of the wrong length.
bool ParseSlotInfo(std::span<const std::uint8_t> bytes, std::string& name);

}  // namespace vv
