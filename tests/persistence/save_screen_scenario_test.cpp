// The save/load screen, quicksave and quickload on the real loop and
// platform: a game saved into a slot, overwritten through the dialog,
// loaded back, and loaded again by a new run of the program; the quick
// keys on the exploration screen; damaged files met on the screen.

#include "playtest_support.h"
#include "save_test_support.h"
#include "shell/file_io.h"
#include "test_game.h"

namespace vv::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Click positions: the middle of slot row N, the quicksave row, the
// buttons, the main menu's rows and the dialog's Y box.
std::string SlotClick(int slot) {
  const int y = (slot == QUICK_SLOT ? 632 : 200 + 52 * (slot - 1)) + 25;
  return "click 500 " + std::to_string(y) + "\n";
}
constexpr const char* CONTINUE_GAME = "click 512 290\nwait 25\n";
constexpr const char* SAVE_GAME = "click 512 380\nwait 1\n";
constexpr const char* LOAD_GAME = "click 512 470\nwait 1\n";
constexpr const char* ACTION_BUTTON = "click 650 725\n";
constexpr const char* TO_MAIN_MENU = "key 27\nwait 25\n";

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

  bool Drawn(std::string_view text) { return TextDrawn(g().platform, text); }
  int DrawnCount(std::string_view text) { return TextCount(g().platform, text); }

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
  Run(TO_MAIN_MENU);
  Run(SAVE_GAME);
  ASSERT_EQ(g().GameScreen, SCREEN_SAVE_LOAD);
  EXPECT_TRUE(Drawn("SAVE GAME"));
  EXPECT_EQ(DrawnCount("( EMPTY SLOT )"), 8);
  EXPECT_FALSE(Drawn("Quicksave"));
  EXPECT_FALSE(Drawn("SAVE"));

  // An empty slot starts as "UNNAMED"; names stop at 15 characters.
  Run(SlotClick(2));
  EXPECT_EQ(g().SelectedSlot, 2);
  EXPECT_EQ(g().EditName, "UNNAMED");
  EXPECT_TRUE(Drawn("SAVE"));
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
  Run(TO_MAIN_MENU);
  Run(SAVE_GAME);
  EXPECT_TRUE(Drawn("DEEP CAVERN ROA"));
  EXPECT_EQ(DrawnCount("( EMPTY SLOT )"), 7);
  Run(SlotClick(2));
  EXPECT_EQ(g().EditName, "DEEP CAVERN ROA");
  Run("key 13\n");
  EXPECT_EQ(g().ConfirmKind, 1);
  EXPECT_TRUE(Drawn("Overwrite"));
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
  Run(TO_MAIN_MENU);
  Run(LOAD_GAME);
  EXPECT_TRUE(Drawn("LOAD GAME"));
  EXPECT_TRUE(Drawn("Quicksave"));
  Run(SlotClick(5) + SlotClick(QUICK_SLOT));
  EXPECT_EQ(g().SelectedSlot, 0);
  EXPECT_FALSE(Drawn("LOAD"));
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
  EXPECT_EQ(g().CurrentLevel, 4);
  EXPECT_EQ(g().HeroNames[2], "BIRGIT");
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
  EXPECT_EQ(g().ScreenFade[1], 0);
  EXPECT_EQ(g().PendingScreen, 0);
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

  Run(TO_MAIN_MENU);
  Run(LOAD_GAME);
  EXPECT_TRUE(Drawn("CUT SHORT"));
  EXPECT_EQ(DrawnCount("( EMPTY SLOT )"), 7);
  Run(SlotClick(4));
  EXPECT_EQ(g().SelectedSlot, 0);
  Run(SlotClick(3) + ACTION_BUTTON);
  EXPECT_EQ(g().GameScreen, SCREEN_SAVE_LOAD);
  EXPECT_EQ(g().MessageText, "INVALID FILE");
  EXPECT_EQ(session->LastSoundPlayed(), SOUND_ALARM);
  EXPECT_EQ(g().ScreenFade[1], 0);
  EXPECT_EQ(Tables(), before);

  // The quickload finds the magic number, asks, and refuses the file.
  Run("key 27\nwait 1\n");
  Run(CONTINUE_GAME);
  Run("key 120\nkey 89\n");
  EXPECT_EQ(g().MessageText, "INVALID FILE");
  EXPECT_EQ(Tables(), before);
}

}  // namespace
}  // namespace vv::test
