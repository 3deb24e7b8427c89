// Saved games byte for byte: the round trip of every table, the layout
// read back independently of the writer, files the loader must refuse
// without touching the running game, and saves that fail or crash halfway.

#include <fstream>
#include <functional>

#include "save_test_support.h"
#include "shell/file_io.h"

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

  static std::int32_t IntAt(const Bytes& b, std::size_t offset) {
    std::uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
      u |= static_cast<std::uint32_t>(b.at(offset + static_cast<std::size_t>(i))) << (8 * i);
    return static_cast<std::int32_t>(u);
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

// The layout written out by hand: where each section of the tables starts,
// counted from the first table number (after the magic and the strings).
constexpr std::size_t PARTY = 0, HEROES = PARTY + 20, TIMERS = HEROES + 64, EQUIPMENT = TIMERS + 6,
                      INVENTORY = EQUIPMENT + 200, KILLS = INVENTORY + 2000, COMMENTS = KILLS + 20,
                      INTROS = COMMENTS + 55, EXPLORED = INTROS + 5, END = EXPLORED + 15200;

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
}

TEST_F(SaveFilesTest, FilesFollowTheLayoutNumberForNumber) {
  SaveAs(1, "MY SAVE");
  EXPECT_EQ(Read(SlotInfoPath(dir, 1)),
            (Bytes{0x9e, 1, 0, 0, 7, 0, 0, 0, 'M', 'Y', ' ', 'S', 'A', 'V', 'E'}));

  const Bytes b = SlotData(1);
  ASSERT_EQ(b.size(), 70296u + 7 + 4 + 6);
  EXPECT_EQ(IntAt(b, 0), 313);
  EXPECT_EQ(IntAt(b, 4), 7);
  EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 15), "MY SAVE");
  EXPECT_EQ(IntAt(b, 15), 4);
  EXPECT_EQ(std::string(b.begin() + 19, b.begin() + 23), "ARNE");
  EXPECT_EQ(IntAt(b, 23), 6);
  EXPECT_EQ(std::string(b.begin() + 27, b.begin() + 33), "BIRGIT");
  const Game& g = *game;
  auto at = [&](std::size_t section, std::size_t index) { return IntAt(b, 33 + 4 * (section + index)); };
  for (std::size_t i = 1; i <= 20; ++i) EXPECT_EQ(at(PARTY, i - 1), g.PartyState[i]);
  for (std::size_t h = 1; h <= 2; ++h) {
    for (std::size_t f = 1; f <= 32; ++f) EXPECT_EQ(at(HEROES, (h - 1) * 32 + f - 1), g.HeroStats[h][f]);
    for (std::size_t k = 1; k <= 3; ++k) EXPECT_EQ(at(TIMERS, (h - 1) * 3 + k - 1), g.HeroTimers[h][k]);
    for (std::size_t s = 1; s <= 5; ++s) {
      for (std::size_t f = 1; f <= 20; ++f)
        EXPECT_EQ(at(EQUIPMENT, ((h - 1) * 5 + s - 1) * 20 + f - 1), g.HeroEquipment[h][s][f]);
    }
  }
  int itemsSeen = 0;
  for (std::size_t c = 1; c <= 10; ++c) {
    for (std::size_t r = 1; r <= 10; ++r) {
      for (std::size_t f = 1; f <= 20; ++f) {
        const int value = at(INVENTORY, ((c - 1) * 10 + r - 1) * 20 + f - 1);
        EXPECT_EQ(value, g.PartyInventory[c][r][f]);
        itemsSeen += f == 1 && value != 0;
      }
    }
  }
  EXPECT_EQ(itemsSeen, 6);
  for (std::size_t m = 1; m <= 20; ++m) EXPECT_EQ(at(KILLS, m - 1), g.MonsterKills[m]);
  for (std::size_t s = 1; s <= 5; ++s) {
    for (std::size_t i = 0; i <= 10; ++i) EXPECT_EQ(at(COMMENTS, (s - 1) * 11 + i), g.CommentPool[s][i]);
    EXPECT_EQ(at(INTROS, s - 1), g.AreaIntroShown[s]);
  }
  int differences = 0;
  for (std::size_t c = 1; c <= 5; ++c) {
    for (std::size_t r = 1; r <= 5; ++r) {
      for (std::size_t x = 0; x < 32; ++x) {
        for (std::size_t y = 0; y < 19; ++y)
          differences += at(EXPLORED, (((c - 1) * 5 + r - 1) * 32 + x) * 19 + y) != g.ExploredMap[c][r][x][y];
      }
    }
  }
  EXPECT_EQ(differences, 0);
  // The chest record of level 3 (column 5, row 5, x 3) is opened.
  EXPECT_EQ(at(EXPLORED, ((4 * 5 + 4) * 32 + 3) * 19 + 0), 1);
  EXPECT_EQ(33 + 4 * END, b.size());

  // The quicksave: "Quicksave" in its slot file, an empty save name.
  QuickSave(*game);
  EXPECT_EQ(game->PendingNotice, "GAME SAVED");
  EXPECT_EQ(Read(SlotInfoPath(dir, QUICK_SLOT)),
            (Bytes{0x9e, 1, 0, 0, 9, 0, 0, 0, 'Q', 'u', 'i', 'c', 'k', 's', 'a', 'v', 'e'}));
  const Bytes q = Read(GameDataPath(dir, QUICK_SLOT));
  EXPECT_EQ(q.size(), 70296u + 10);
  EXPECT_EQ(IntAt(q, 4), 0);
  EXPECT_TRUE(std::equal(q.begin() + 8, q.end(), b.begin() + 15));
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
  // The good file with one table number (counted from the first) changed.
  bool RefusedWith(std::size_t index, std::int32_t value) {
    Bytes bytes = good;
    PutInt(bytes, 4 + 4 + 4 + 4 + 4 + 4 + 6 + 4 * index, value);
    return Refused(bytes);
  }

  Bytes good, before;
};

TEST_F(RefusedFileTest, TheGoodFileLoads) {
  ASSERT_TRUE(LoadGame(*game, 2));
  EXPECT_EQ(game->HeroNames[1], "ARNE");
}

TEST_F(RefusedFileTest, WrongMagicTruncatedOrLongFiles) {
  for (std::int32_t magic : {0, 312, 314, 414, -313}) {
    Bytes bytes = good;
    PutInt(bytes, 0, magic);
    EXPECT_TRUE(Refused(bytes)) << magic;
  }
  // Cut at every section boundary, one byte short or long, and empty.
  const std::size_t head = 4 + 4 + 4 + 4 + 4 + 4 + 6;
  std::vector<std::size_t> cuts = {0, 2, 4, 6, 8, 12, 14, 18, 22, 24, 28, good.size() - 1};
  for (std::size_t section : {PARTY, HEROES, TIMERS, EQUIPMENT, INVENTORY, KILLS, COMMENTS, INTROS, EXPLORED})
    cuts.push_back(head + 4 * section);
  for (std::size_t cut : cuts)
    EXPECT_TRUE(Refused(Bytes(good.begin(), good.begin() + static_cast<long>(cut)))) << cut;
  Bytes longer = good;
  longer.push_back(0);
  EXPECT_TRUE(Refused(longer));
  std::filesystem::remove(GameDataPath(dir, 2));
  EXPECT_FALSE(LoadGame(*game, 2));
}

TEST_F(RefusedFileTest, AbsurdStringLengths) {
  // The save name's length (offset 4), hero 1's (offset 12), hero 2's (20).
  for (std::int32_t length : {-1, -70000, 16, 70000, 0x7fffffff}) {
    Bytes bytes = good;
    PutInt(bytes, 4, length);
    EXPECT_TRUE(Refused(bytes)) << length;
  }
  for (std::size_t offset : {12u, 20u}) {
    for (std::int32_t length : {-4, 9, 5, 0x40000000}) {
      Bytes bytes = good;
      PutInt(bytes, offset, length);
      EXPECT_TRUE(Refused(bytes)) << offset << " " << length;
    }
  }
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
      {"x between cells", PARTY + 1, 417},
      {"y negative", PARTY + 2, -32},
      {"facing", PARTY + 3, 5},
      {"time of day", PARTY + 4, 48},
      {"step count", PARTY + 5, 6},
      {"column outside the grid", PARTY + 6, 6},
      {"row outside the grid", PARTY + 7, 0},
      {"screen without a level", PARTY + 6, 4},
      {"party field 9", PARTY + 8, 1},
      {"class", hero(1, hero::Class), 4},
      {"level", hero(2, hero::Level), 31},
      {"level without its experience", hero(2, hero::Level), 12},
      {"experience", hero(1, hero::Experience), -1},
      {"health 0", hero(1, hero::Health), 0},
      {"health above the maximum", hero(1, hero::Health), 31},
      {"strength", hero(1, hero::BaseStrength), 80},
      {"boost of 7", hero(1, hero::Strength), 21},
      {"endurance", hero(2, hero::Endurance), 12},
      {"attack delay", hero(1, hero::AttackDelay), 201},
      {"hits above attacks", hero(1, hero::Hits), 50},
      {"unknown spell", hero(2, hero::Spell), 6},
      {"portrait 7 for hero 2", hero(2, hero::Face), 7},
      {"reserved field", hero(1, hero::Reserved), 3},
      {"negative damage dealt", hero(2, hero::DamageDealt), -5},
      {"negative boost", TIMERS + 0, -1},
      {"weapon 21", EQUIPMENT + 0, 21},
      {"weapon condition above new", EQUIPMENT + 1, 21},
      {"copied field", EQUIPMENT + 2, 9},
      {"spare equipment field", EQUIPMENT + 19, 1},
      {"amulet with a condition", EQUIPMENT + 4 * 20 + 1, 3},
      {"category 7", cell(9, 9, 1), 7},
      {"potion 5", cell(4, 1, 2), 5},
      {"potion with a condition", cell(4, 1, 3), 2},
      {"item overlapping another", cell(4, 1, 1), 3},
      {"item out of the grid", cell(9, 9, 1), 1},
      {"spare inventory field", cell(9, 9, 4), 1},
      {"field of an empty cell", cell(3, 8, 15), 1},
      {"negative kills", KILLS + 0, -2},
      {"kills of monster 17", KILLS + 16, 1},
      {"comment count", COMMENTS + 0, 11},
      {"comments out of order", COMMENTS + 1, 6},
      {"comment after the count", COMMENTS + 4, 1},
      {"introduction flag", INTROS + 2, 2},
      {"seen cell of 2", seen(3, 1, 0, 0), 2},
      {"seen cell off the world", seen(4, 4, 0, 0), 1},
      {"chest opened flag", seen(5, 5, 2, 0), 2},
      {"chest item count", seen(5, 5, 2, 7), 4},
      {"chest item not in its level", seen(5, 5, 2, 2), 50},
      {"spare chest cell", seen(5, 5, 0, 3), 1},
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
  ReportSaveFailed(*game);
  EXPECT_EQ(game->MessageText, "SAVE FAILED");
  EXPECT_EQ(game->SoundEvent, SOUND_ALARM);
}

TEST_F(SaveFilesTest, SlotFilesWithABadNameLengthAreEmptySlots) {
  std::filesystem::create_directories(dir / "saves");
  std::string name;
  const std::vector<Bytes> bad = {
      {0x9e, 1,   0,   0,   16,  0,   0,   0,   'A', 'B', 'C', 'D',
       'E',  'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 'P'},
      {0x9e, 1, 0, 0, 0xff, 0xff, 0xff, 0xff},
      {0x9e, 1, 0, 0, 5, 0, 0, 0, 'A', 'B'},
      {0x9e, 1, 0, 0, 1, 0, 0, 0, 'A', 'B'},
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

}  // namespace
}  // namespace vv::test
