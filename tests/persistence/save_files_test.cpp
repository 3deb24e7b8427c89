// Saved games: the round trip of every table, files the loader must refuse
// without touching the running game, saves that fail or crash halfway
// (random bytes are the fuzzers' work); and the save/load screen, quicksave
// and quickload on the real loop and platform: a game saved into a slot,
// overwritten through the dialog, loaded back, and loaded again by a new run
// of the program; the quick keys on the exploration screen; damaged files
// met on the screen.

#include <fstream>
#include <functional>

#include "playtest_support.h"
#include "save_test_support.h"
#include "shell/file_io.h"
#include "test_game.h"

namespace vv::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

class SaveFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty());
    game = MakeGame(platform, dir);
    MakeMidAdventure(*game);
  }

  Bytes Read(const std::filesystem::path& path) {
    Bytes bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes)) << path;
    return bytes;
  }
  Bytes SlotData(int slot) { return Read(GameDataPath(dir, slot)); }

  // Saves the mid-adventure game into `slot` under `name`.
  void SaveAs(int slot, const std::string& name) {
    game->SlotName[slot] = name;
    ASSERT_TRUE(SaveGame(*game, slot));
  }

  static void PutInt(Bytes& b, std::size_t offset, std::int32_t value) {
    for (int i = 0; i < 4; ++i)
      b.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
  }

  const TempFolder folder{"vizid-saves"};
  const std::filesystem::path& dir = folder.path();
  FakePlatform platform;
  std::unique_ptr<Game> game;
};

// Where each section of the tables starts, counted from the first table
// number (after the magic and the strings).
constexpr std::size_t PARTY = 0, HEROES = PARTY + 20, TIMERS = HEROES + 64, EQUIPMENT = TIMERS + 6,
                      INVENTORY = EQUIPMENT + 200, KILLS = INVENTORY + 2000, COMMENTS = KILLS + 20,
                      INTROS = COMMENTS + 55, EXPLORED = INTROS + 5;
// The bytes before the first table number: the magic and the three strings.
constexpr std::size_t HEAD = 4 + 4 + 4 + 4 + 4 + 4 + 6;

TEST_F(SaveFilesTest, EveryTableComesBackIntoANewGameAsSaved) {
  SaveAs(3, "CAVERN");
  // As after closing the program and starting it again.
  FakePlatform otherPlatform;
  auto fresh = MakeGame(otherPlatform, dir);
  ASSERT_FALSE(SameSavedTables(*fresh, *game));
  ASSERT_TRUE(LoadGame(*fresh, 3));
  EXPECT_TRUE(SameSavedTables(*fresh, *game));
  EXPECT_EQ(fresh->CurrentLevel, 4);
  EXPECT_EQ(fresh->PendingNotice, "GAME LOADED");
  EXPECT_EQ(fresh->ScreenReady, 0);

  // Saved again, the loaded game gives the same bytes.
  fresh->SlotName[4] = "CAVERN";
  ASSERT_TRUE(SaveGame(*fresh, 4));
  EXPECT_EQ(SlotData(4), SlotData(3));
  std::string name;
  ASSERT_TRUE(ReadSlotName(*fresh, 4, name));
  EXPECT_EQ(name, "CAVERN");

  // The quicksave: "Quicksave" in its slot file, the same tables.
  QuickSave(*game);
  EXPECT_EQ(game->PendingNotice, "GAME SAVED");
  ASSERT_TRUE(ReadSlotName(*fresh, QUICK_SLOT, name));
  EXPECT_EQ(name, "Quicksave");
  ASSERT_TRUE(LoadGame(*fresh, QUICK_SLOT));
  EXPECT_TRUE(SameSavedTables(*fresh, *game));
}

// Every way the loader refuses a file leaves the game exactly as it was.
class RefusedFileTest : public SaveFilesTest {
 protected:
  void SetUp() override {
    SaveFilesTest::SetUp();
    SaveAs(2, "GOOD");
    good = SlotData(2);
    // The running game is another one, which a refused file must not touch.
    SeedRandom(*game, 99);
    MakeMidAdventure(*game);
    game->HeroNames[1] = "OTHER";
    game->PartyState[PartyX] = 0;
    game->ScreenReady = 1;
    before = GameDataBytes(*TakeSavedGame(*game, ""));
  }

  // Loads `bytes` from slot 2: true when refused with nothing changed.
  bool Refused(const Bytes& bytes) {
    WriteBytes(GameDataPath(dir, 2), bytes);
    const bool loaded = LoadGame(*game, 2);
    const bool unchanged = GameDataBytes(*TakeSavedGame(*game, "")) == before && game->ScreenReady == 1 &&
                           game->PendingNotice.empty();
    return !loaded && unchanged;
  }
  // The good file with the number at byte `offset` changed.
  bool RefusedAt(std::size_t offset, std::int32_t value) {
    Bytes bytes = good;
    PutInt(bytes, offset, value);
    return Refused(bytes);
  }
  // The same for a table number, counted from the first.
  bool RefusedWith(std::size_t index, std::int32_t value) { return RefusedAt(HEAD + 4 * index, value); }

  Bytes good, before;
};

TEST_F(RefusedFileTest, WrongMagicTruncatedOrLongFiles) {
  for (std::int32_t magic : {0, 314, -313}) EXPECT_TRUE(RefusedAt(0, magic)) << magic;
  // Cut at every section boundary, one byte short or long, and empty.
  std::vector<std::size_t> cuts = {0, 2, 8, 14, 22, 28, good.size() - 1};
  for (std::size_t section : {PARTY, HEROES, TIMERS, EQUIPMENT, INVENTORY, KILLS, COMMENTS, INTROS, EXPLORED})
    cuts.push_back(HEAD + 4 * section);
  for (std::size_t cut : cuts)
    EXPECT_TRUE(Refused(Bytes(good.begin(), good.begin() + static_cast<long>(cut)))) << cut;
  Bytes longer = good;
  longer.push_back(0);
  EXPECT_TRUE(Refused(longer));
  std::filesystem::remove(GameDataPath(dir, 2));
  EXPECT_FALSE(LoadGame(*game, 2));
  // And the good file still loads.
  WriteBytes(GameDataPath(dir, 2), good);
  ASSERT_TRUE(LoadGame(*game, 2));
  EXPECT_EQ(game->HeroNames[1], "ARNE");
}

TEST_F(RefusedFileTest, AbsurdStringLengths) {
  // Each string's length (at bytes 4, 12 and 20) below zero, above its
  // limit, or far past the end of the file.
  const std::pair<std::size_t, std::int32_t> cases[] = {
      {4, -1},  {4, 16}, {4, 0x7fffffff},   // the save name
      {12, -4}, {12, 9}, {12, 0x40000000},  // hero 1's name
      {20, -4}, {20, 9}, {20, 0x40000000},  // hero 2's name
  };
  for (const auto& [offset, length] : cases)
    EXPECT_TRUE(RefusedAt(offset, length)) << offset << " " << length;
}

TEST_F(RefusedFileTest, ValuesPlayCannotGive) {
  struct Case {
    const char* what;
    std::size_t index;
    std::int32_t value;
  };
  auto hero = [](int h, int field) { return HEROES + static_cast<std::size_t>((h - 1) * 32 + field - 1); };
  auto cell = [](int c, int r, int f) {
    return INVENTORY + static_cast<std::size_t>(((c - 1) * 10 + r - 1) * 20 + f - 1);
  };
  auto seen = [](int c, int r, int x, int y) {
    return EXPLORED + static_cast<std::size_t>((((c - 1) * 5 + r - 1) * 32 + x) * 19 + y);
  };
  const Case cases[] = {
      {"party field 1", PARTY + 0, 0},
      {"x off the screen", PARTY + 1, 1024},
      {"facing", PARTY + 3, 5},
      {"time of day", PARTY + 4, 48},
      {"column outside the grid", PARTY + 6, 6},
      {"screen without a level", PARTY + 6, 4},
      {"class", hero(1, hero::Class), 4},
      {"level", hero(2, hero::Level), 31},
      {"level without its experience", hero(2, hero::Level), 12},
      {"health above the maximum", hero(1, hero::Health), 31},
      {"portrait 7 for hero 2", hero(2, hero::Face), 7},
      {"experience", hero(1, hero::Experience), -1},
      {"health 0", hero(1, hero::Health), 0},
      {"strength", hero(1, hero::BaseStrength), 80},
      {"boost of 7", hero(1, hero::Strength), 21},
      {"attack delay", hero(1, hero::AttackDelay), 201},
      {"hits above attacks", hero(1, hero::Hits), 50},
      {"unknown spell", hero(2, hero::Spell), 6},
      {"reserved field", hero(1, hero::Reserved), 3},
      {"negative boost", TIMERS + 0, -1},
      {"weapon 21", EQUIPMENT + 0, 21},
      {"weapon condition above new", EQUIPMENT + 1, 21},
      {"spare equipment field", EQUIPMENT + 19, 1},
      {"amulet with a condition", EQUIPMENT + 4 * 20 + 1, 3},
      {"category 7", cell(9, 9, 1), 7},
      {"potion 5", cell(4, 1, 2), 5},
      {"item overlapping another", cell(4, 1, 1), 3},
      {"item out of the grid", cell(9, 9, 1), 1},
      {"field of an empty cell", cell(3, 8, 15), 1},
      {"negative kills", KILLS + 0, -2},
      {"kills of monster 17", KILLS + 16, 1},
      {"seen cell off the world", seen(4, 4, 0, 0), 1},
      {"chest item count", seen(5, 5, 2, 7), 4},
      {"comment count", COMMENTS + 0, 11},
      {"comments out of order", COMMENTS + 1, 6},
      {"introduction flag", INTROS + 2, 2},
      {"seen cell of 2", seen(3, 1, 0, 0), 2},
      {"chest opened flag", seen(5, 5, 2, 0), 2},
      {"chest item not in its level", seen(5, 5, 2, 2), 50},
  };
  for (const Case& c : cases) EXPECT_TRUE(RefusedWith(c.index, c.value)) << c.what;
}

// Writes through the real writer until the `failAt`-th write; that one and,
// after a crash, every later one fails, leaving half a temporary file.
struct FailingWriter {
  int failAt = 0;
  bool crash = false;
  int writes = 0;
  bool operator()(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    ++writes;
    if (writes < failAt || (!crash && writes > failAt)) return WriteFileAtomically(path, bytes);
    std::filesystem::path temp = path;
    temp += ".tmp";
    // Half of what was asked, as a write cut short would leave (the slot
    // file is shorter than a fixed count would assume).
    std::ofstream(temp, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size() / 2));
    return false;
  }
};

TEST_F(SaveFilesTest, ASaveThatFailsOrCrashesAtAnyStepKeepsTheOldSave) {
  SaveAs(5, "OLD");
  const Bytes oldData = SlotData(5), oldInfo = Read(SlotInfoPath(dir, 5));
  game->PartyState[PartyX] = 32;
  for (bool crash : {false, true}) {
    for (int step = 1; step <= 3; ++step) {
      SCOPED_TRACE(testing::Message() << (crash ? "crash" : "failure") << " at write " << step);
      game->SlotName[5] = "NEW";
      FailingWriter writer{step, crash};
      game->WriteSaveFile = std::ref(writer);
      const bool saved = SaveGame(*game, 5);
      game->WriteSaveFile = nullptr;
      if (step == 3) {
        // Only two writes are made when both succeed.
        EXPECT_TRUE(saved);
        WriteBytes(GameDataPath(dir, 5), oldData);
        WriteBytes(SlotInfoPath(dir, 5), oldInfo);
        continue;
      }
      EXPECT_FALSE(saved);
      EXPECT_EQ(SlotData(5), oldData);
      std::string name;
      ASSERT_TRUE(ReadSlotName(*game, 5, name));
      // A failure puts the old name back; a crash leaves no one to do it.
      EXPECT_EQ(name, crash && step == 2 ? "NEW" : "OLD");
      FakePlatform otherPlatform;
      auto fresh = MakeGame(otherPlatform, dir);
      ASSERT_TRUE(LoadGame(*fresh, 5));
      EXPECT_EQ(fresh->PartyState[PartyX], 416);
    }
  }
  // The next save goes through whatever the crashes left behind.
  game->SlotName[5] = "NEW";
  ASSERT_TRUE(SaveGame(*game, 5));
  EXPECT_NE(SlotData(5), oldData);
}

TEST_F(SaveFilesTest, RealWriteFailuresAndUnloadableGamesAreNotSaved) {
  // A new slot whose game data cannot be written keeps no slot file.
  std::filesystem::create_directories(dir / "saves" / "save6.kqs.tmp");
  game->SlotName[6] = "NEW";
  EXPECT_FALSE(SaveGame(*game, 6));
  EXPECT_FALSE(std::filesystem::exists(SlotInfoPath(dir, 6)));
  EXPECT_FALSE(std::filesystem::exists(GameDataPath(dir, 6)));

  // A game the loader would refuse is not written over a good save.
  SaveAs(7, "GOOD");
  const Bytes goodData = SlotData(7);
  game->HeroStats[1][hero::Health] = 0;
  EXPECT_FALSE(SaveGame(*game, 7));
  EXPECT_EQ(SlotData(7), goodData);

  // No folder can be made where a file stands.
  std::filesystem::remove_all(dir / "saves");
  WriteBytes(dir / "saves", {1, 2, 3});
  game->HeroStats[1][hero::Health] = 5;
  EXPECT_FALSE(SaveGame(*game, 1));
}

TEST_F(SaveFilesTest, SlotFilesWithABadNameLengthAreEmptySlots) {
  std::filesystem::create_directories(dir / "saves");
  std::string name;
  const std::vector<Bytes> bad = {
      {0x9e, 1,   0,   0,   16,  0,   0,   0,   'A', 'B', 'C', 'D',
       'E',  'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'},
      {0x9e, 1, 0, 0, 0xff, 0xff, 0xff, 0xff},
      {0x9d, 1, 0, 0, 1, 0, 0, 0, 'A'},
      {0x9e, 1},
  };
  for (const Bytes& bytes : bad) {
    WriteBytes(SlotInfoPath(dir, 8), bytes);
    EXPECT_FALSE(ReadSlotName(*game, 8, name)) << bytes.size();
  }
  WriteBytes(SlotInfoPath(dir, 8), {0x9e, 1, 0, 0, 0, 0, 0, 0});
  EXPECT_TRUE(ReadSlotName(*game, 8, name));
  EXPECT_EQ(name, "");
}

// Click positions: the middle of slot row N, the quicksave row, the
// buttons, the main menu's rows and the dialog's Y box.
std::string SlotClick(int slot) {
  const int y = (slot == QUICK_SLOT ? 632 : 200 + 52 * (slot - 1)) + 25;
  return "click 500 " + std::to_string(y) + "\n";
}
const std::string CONTINUE_GAME = "click 512 290\nwait 25\n";
const std::string SAVE_GAME = "click 512 380\nwait 1\n";
const std::string LOAD_GAME = "click 512 470\nwait 1\n";
const std::string ACTION_BUTTON = "click 650 725\n";
const std::string TO_MAIN_MENU = "key 27\nwait 25\n";

class SaveScreenScenario : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(dir.empty());
    Restart();
  }

  // A new run of the program on the same data folder.
  void Restart() {
    session.reset();
    PlaytestOptions options;
    options.dataDir = dir / "data";
    session = std::make_unique<PlaytestSession>(options);
    ASSERT_TRUE(Started(*session));
    Run("wait 12\n");
  }

  Game& g() { return session->game(); }

  void Run(const std::string& script) { RunScript(*session, script); }

  // The mid-adventure party, on the exploration screen.
  void PlayMidAdventure() {
    MakeMidAdventure(g());
    Run(CONTINUE_GAME);
    ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  }

  Bytes Tables() { return GameDataBytes(*TakeSavedGame(g(), "")); }

  const TempFolder folder{"vizid-save-scenario"};
  const std::filesystem::path& dir = folder.path();
  std::unique_ptr<PlaytestSession> session;
};

TEST_F(SaveScreenScenario, SavedIntoASlotOverwrittenAndLoadedBackAfterARestart) {
  PlayMidAdventure();
  const Bytes saved = Tables();
  Run(TO_MAIN_MENU + SAVE_GAME);
  ASSERT_EQ(g().GameScreen, SCREEN_SAVE_LOAD);

  // An empty slot starts as "UNNAMED"; names stop at 15 characters.
  Run(SlotClick(2));
  EXPECT_EQ(g().SelectedSlot, 2);
  EXPECT_EQ(g().EditName, "UNNAMED");
  Run("key 8\nkey 8\nkey 8\nkey 8\nkey 8\nkey 8\nkey 8\ntype DEEP CAVERN ROAD\n");
  EXPECT_EQ(g().EditName, "DEEP CAVERN ROA");
  Run("key 13\nwait 11\n");
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  Run("wait 1\n");
  EXPECT_EQ(g().MessageText, "GAME SAVED");
  Run("wait 10\n");  // the fade back in
  Bytes info;
  ASSERT_TRUE(ReadWholeFile(SlotInfoPath(g().DataDir, 2), info));
  EXPECT_EQ(info, SlotInfoBytes("DEEP CAVERN ROA"));

  // A used slot preloads its name; SAVE on it asks first. N and Escape
  // close the dialog and stay; another slot takes its own name.
  Run(TO_MAIN_MENU + SAVE_GAME);
  Run(SlotClick(2));
  EXPECT_EQ(g().EditName, "DEEP CAVERN ROA");
  Run("key 13\n");
  EXPECT_EQ(g().ConfirmKind, 1);
  Run("key 78\n");
  EXPECT_EQ(g().ConfirmKind, 0);
  Run(ACTION_BUTTON);
  EXPECT_EQ(g().ConfirmKind, 1);
  Run("key 27\n");
  EXPECT_EQ(g().ConfirmKind, 0);
  EXPECT_EQ(g().GameScreen, SCREEN_SAVE_LOAD);
  Run(SlotClick(5) + "type X\n");
  EXPECT_EQ(g().EditName, "UNNAMEDX");
  Run(SlotClick(2) + "key 8\ntype D\nkey 13\n");
  ASSERT_EQ(g().ConfirmKind, 1);
  Run("click 488 431\nwait 12\n");
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  Run("wait 10\n");
  ASSERT_TRUE(ReadWholeFile(SlotInfoPath(g().DataDir, 2), info));
  EXPECT_EQ(info, SlotInfoBytes("DEEP CAVERN ROD"));
  EXPECT_FALSE(std::filesystem::exists(SlotInfoPath(g().DataDir, 5)));

  // The party moves on; LOAD brings it back. Empty slots and a missing
  // quicksave cannot be chosen.
  g().PartyState[PartyX] = 64;
  g().HeroStats[1][hero::Experience] += 50;
  Run(TO_MAIN_MENU + LOAD_GAME);
  Run(SlotClick(5) + SlotClick(QUICK_SLOT));
  EXPECT_EQ(g().SelectedSlot, 0);
  Run(SlotClick(2) + ACTION_BUTTON + "wait 11\n");
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(Tables(), saved);
  Run("wait 1\n");
  EXPECT_EQ(g().MessageText, "GAME LOADED");

  // Closed and started again: the title, LOAD GAME, slot 2.
  Restart();
  EXPECT_EQ(g().GameInProgress, 0);
  Run(LOAD_GAME + SlotClick(2) + "key 13\nwait 25\n");
  ASSERT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(g().GameInProgress, 1);
  EXPECT_EQ(Tables(), saved);
}

TEST_F(SaveScreenScenario, QuicksaveAndQuickloadOnTheExplorationScreenWithoutAFade) {
  PlayMidAdventure();
  Run("key 120\n");
  EXPECT_EQ(g().MessageText, "NO QUICKSAVE FOUND");
  EXPECT_EQ(g().QuickPrompt, 0);

  const Bytes saved = Tables();
  Run("key 116\n");
  EXPECT_EQ(g().QuickPrompt, QUICK_SAVE);
  Run("key 89\n");
  EXPECT_EQ(g().MessageText, "GAME SAVED");
  ASSERT_TRUE(std::filesystem::exists(GameDataPath(g().DataDir, QUICK_SLOT)));

  // Somewhere else, later; then back in the frame the answer is given.
  g().PartyState[PartyX] = 96;
  g().PartyState[ScreenColumn] = 3;
  g().PartyState[ScreenRow] = 1;
  g().ScreenReady = 0;
  g().HeroTimers[2][3] = 0;
  Run("wait 2\nkey 120\n");
  EXPECT_EQ(g().QuickPrompt, QUICK_LOAD);
  EXPECT_EQ(g().CurrentLevel, 1);
  g().platform.ScriptKey(KEY_Y, true);
  session->Frames(1);
  EXPECT_EQ(g().ScreenFade[1], 0);
  EXPECT_EQ(g().GameScreen, SCREEN_WORLD);
  EXPECT_EQ(g().CurrentLevel, 4);
  EXPECT_EQ(Tables(), saved);
  g().platform.ScriptKey(KEY_Y, false);
  session->Frames(1);
  EXPECT_EQ(g().MessageText, "GAME LOADED");
}

TEST_F(SaveScreenScenario, DamagedFilesChangeNothing) {
  PlayMidAdventure();
  const Bytes before = Tables();
  std::filesystem::create_directories(SaveFolder(g().DataDir));
  // Slot 3: a good name over game data cut short. Slot 4: a name too long.
  WriteBytes(SlotInfoPath(g().DataDir, 3), SlotInfoBytes("CUT SHORT"));
  Bytes data = GameDataBytes(*TakeSavedGame(g(), "CUT SHORT"));
  data.resize(data.size() - 4);
  WriteBytes(GameDataPath(g().DataDir, 3), data);
  WriteBytes(SlotInfoPath(g().DataDir, 4), {0x9e, 1, 0, 0, 0, 1, 0, 0, 'A'});
  WriteBytes(GameDataPath(g().DataDir, 4), GameDataBytes(*TakeSavedGame(g(), "")));
  // The quicksave's game data carries a hero of level 99.
  auto wild = TakeSavedGame(g(), "");
  wild->HeroStats[1][hero::Level] = 99;
  WriteBytes(GameDataPath(g().DataDir, QUICK_SLOT), GameDataBytes(*wild));

  Run(TO_MAIN_MENU + LOAD_GAME);
  EXPECT_TRUE(TextDrawn(g().platform, "CUT SHORT"));
  EXPECT_EQ(TextCount(g().platform, "( EMPTY SLOT )"), 7);
  Run(SlotClick(4));
  EXPECT_EQ(g().SelectedSlot, 0);
  Run(SlotClick(3) + ACTION_BUTTON);
  EXPECT_EQ(g().GameScreen, SCREEN_SAVE_LOAD);
  EXPECT_EQ(g().MessageText, "INVALID FILE");
  EXPECT_EQ(session->LastSoundPlayed(), SOUND_ALARM);
  EXPECT_EQ(g().ScreenFade[1], 0);
  EXPECT_EQ(Tables(), before);

  // The quickload finds the magic number, asks, and refuses the file.
  Run("key 27\nwait 1\n" + CONTINUE_GAME);
  Run("key 120\nkey 89\n");
  EXPECT_EQ(g().MessageText, "INVALID FILE");
  EXPECT_EQ(Tables(), before);
}

}  // namespace
}  // namespace vv::test
