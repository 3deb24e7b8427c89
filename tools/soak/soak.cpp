// vizid-soak: a long run of random play through the real start-up and frame
// loop on the platform that draws nothing, checked after every frame.
//
//   vizid-soak [frames [seed]]     (`make soak` runs a million frames in a
//                                  sanitizer build)
//
// The player presses keys and buttons at random, now and then with a
// purpose: a new game from the title, a walk from a random place on a
// random level, a step onto the portal, a chest's worth of loot, a few
// things in the pack and one worn (as a party has later on), a monster
// at its last breath (so battles end both ways and the ending is reached).
// After every frame it checks that
//   - the frame returned (a watchdog stops the run when one does not);
//   - every item the party has is where it was, or went where the game
//     sends items (drunk, thrown away, found, left behind, worn out, or
//     replaced by a new or loaded game);
//   - the heroes are a party the game could save: every table passes the
//     saved-game checks (on the calm screens, every 64 frames);
//   - every saved game written reads back whole, as the game held it;
// and twenty times it samples the resident memory and the heap in use,
// neither of which may grow. Quitting from the main menu ends the game; the
// run then starts it anew. It prints what it saw and exits 1 on any failure.

#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "combat/combat.h"
#include "combat/monster_database.h"
#include "game/game_setup.h"
#include "items/inventory_grid.h"
#include "items/item_database.h"
#include "persistence/save_files.h"
#include "platform/nodraw_platform.h"
#include "shell/file_io.h"
#include "shell/main_loop.h"
#include "shell/screens.h"
#include "shell/startup.h"
#include "world/exploration.h"
#include "world/world_screen.h"

#ifdef __SANITIZE_ADDRESS__
// A small quarantine, so the resident memory shows what the game holds.
extern "C" const char* __asan_default_options() {
  return "quarantine_size_mb=16";
}
// The sanitizer's own count of the bytes allocated and not yet freed.
extern "C" std::size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vv {
namespace {

using Clock = std::chrono::steady_clock;
constexpr int QUIT_DIALOG = 2;           // ConfirmKind of the main menu's "Quit game"
using Item = std::tuple<int, int, int>;  // category, number, condition
using Items = std::vector<Item>;
using ItemKeyPair = std::pair<int, int>;  // category, number

// What the program has allocated and not freed, where the sanitizer's
// allocator can tell (its pools and quarantine do not count); else 0.
long HeapKb() {
#ifdef __SANITIZE_ADDRESS__
  return static_cast<long>(__sanitizer_get_current_allocated_bytes() / 1024);
#else
  return 0;
#endif
}

long ResidentKb() {
  long pages = 0, resident = 0;
  std::ifstream statm("/proc/self/statm");
  statm >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void AddTables(Items& items, const decltype(ItemTables::PartyInventory)& grid,
               const decltype(ItemTables::HeroEquipment)& worn) {
  for (int c = 1; c <= 10; ++c) {
    for (int r = 1; r <= 10; ++r) {
      if (grid[c][r][1] != 0) items.emplace_back(grid[c][r][1], grid[c][r][2], grid[c][r][3]);
    }
  }
  for (int h = 1; h <= 2; ++h) {
    for (int s = 1; s <= 5; ++s) {
      if (worn[h][s][1] != 0) items.emplace_back(s, worn[h][s][1], worn[h][s][2]);
    }
  }
}

// Everything the party has or has found: grid, slots, cursor, loot.
Items PartyItems(const Game& g) {
  Items items;
  AddTables(items, g.PartyInventory, g.HeroEquipment);
  for (const T_Item& item : g.ItemList) {
    if (item.Location == LOCATION_HELD) items.emplace_back(item.Category, item.Number, item.Condition);
  }
  for (int k = 1; k <= 3; ++k) {
    if (g.LootList[k][1] != 0) items.emplace_back(g.LootList[k][1], g.LootList[k][2], g.LootList[k][3]);
  }
  std::sort(items.begin(), items.end());
  return items;
}

Items SavedItems(const SavedGame& s) {
  Items items;
  AddTables(items, s.PartyInventory, s.HeroEquipment);
  std::sort(items.begin(), items.end());
  return items;
}

Items LootItems(const Game& g) {
  Items items;
  for (int k = 1; k <= 3; ++k) {
    if (g.LootList[k][1] != 0) items.emplace_back(g.LootList[k][1], g.LootList[k][2], g.LootList[k][3]);
  }
  std::sort(items.begin(), items.end());
  return items;
}

// `from` without `gone` when all of `gone` was in it; else empty with ok false.
Items Without(const Items& from, const Items& gone, bool& ok) {
  Items rest;
  ok = std::includes(from.begin(), from.end(), gone.begin(), gone.end());
  if (ok) std::set_difference(from.begin(), from.end(), gone.begin(), gone.end(), std::back_inserter(rest));
  return rest;
}

Items Keys(Items items) {
  for (Item& item : items) std::get<2>(item) = 0;
  std::sort(items.begin(), items.end());
  return items;
}

// One running game: the real start-up, hooks and loop on a platform that
// draws nothing, in a data folder of its own.
class Run {
 public:
  explicit Run(std::uint32_t seed) {
    platform_.SetScriptedInput(true);
    char pattern[] = "/tmp/vizid-soak-XXXXXX";
    if (mkdtemp(pattern)) dir_ = pattern;
    game_ = std::make_unique<Game>(platform_);
    game_->DataDir = dir_ / "data";
    std::string error;
    started_ = !dir_.empty() && RunStartup(*game_, MakeStartupHooks(*game_), error) == StartupOutcome::Run;
    if (!started_) std::fprintf(stderr, "start-up failed: %s\n", error.c_str());
    hooks_ = MakeLoopHooks(*game_);
    SeedRandom(*game_, seed);
  }
  ~Run() {
    game_.reset();
    std::error_code ec;
    if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
  }
  bool Started() const { return started_; }
  bool Frame() {
    platform_.ClearTextTrace();
    return RunFrame(*game_, hooks_);
  }
  // The frame's sound request, heard or not (the sound may be switched off).
  bool Heard(int low, int high) const { return game_->SoundEvent >= low && game_->SoundEvent <= high; }
  Game& game() { return *game_; }
  NoDrawPlatform& platform() { return platform_; }

 private:
  NoDrawPlatform platform_;
  std::unique_ptr<Game> game_;
  LoopHooks hooks_;
  std::filesystem::path dir_;
  bool started_ = false;
};

// One frame's input: keys held down, the pointer and its buttons.
struct Input {
  std::vector<int> keys;
  int x = -1, y = -1;
  bool left = false, right = false;
};

class Soak {
 public:
  Soak(long long frames, std::uint32_t seed) : frames_(frames), random_(seed) {}

  int Go() {
    std::atomic<long long> done{0};
    std::atomic<bool> over{false};
    // The watchdog: a frame that has not returned in a minute is a hang.
    std::thread watchdog([&] {
      long long seen = -1;
      int still = 0;
      while (!over) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        const long long now = done;
        still = now == seen ? still + 1 : 0;
        seen = now;
        if (still >= 60) {
          std::fprintf(stderr, "frame %lld has not returned in 60 s: the loop hangs\n", now);
          std::abort();
        }
      }
    });
    const auto start = Clock::now();
    for (long long frame = 0; frame < frames_; ++frame) {
      if (!run_ || ended_) NewRun();
      if (ended_) continue;  // it did not start; counted as a failure
      if (frame % 500 == 0) Direct();
      Step(frame);
      if (frame == 0) startKb_ = ResidentKb();
      done = frame + 1;
      if ((frame + 1) % (frames_ / 20 > 0 ? frames_ / 20 : 1) == 0) {
        samplesKb_.push_back(ResidentKb());
        heapKb_.push_back(HeapKb());
      }
      if (failures_ >= 20) break;
    }
    over = true;
    watchdog.join();
    run_.reset();
    Report(std::chrono::duration<double>(Clock::now() - start).count());
    return failures_ == 0 && MemoryHeld() ? 0 : 1;
  }

 private:
  int Roll(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Chance(int percent) { return Roll(1, 100) <= percent; }
  Game& g() { return run_->game(); }

  void Fail(long long frame, const std::string& what) {
    ++failures_;
    std::fprintf(stderr, "frame %lld (run %d, screen %d): %s\n", frame, runs_, g().GameScreen, what.c_str());
  }

  void NewRun() {
    run_.reset();
    run_ = std::make_unique<Run>(static_cast<std::uint32_t>(random_()));
    ++runs_;
    ended_ = false;
    if (!run_->Started()) {
      ++failures_;
      ended_ = true;
      return;
    }
    savedFiles_.clear();
    stamps_.clear();
  }

  // ---- input ----------------------------------------------------------------

  void Queue(int frames, Input input = {}) {
    for (int i = 0; i < frames; ++i) queued_.push_back(input);
  }
  void QueueKey(int key) {
    Queue(1, Input{{key}});
    Queue(1);
  }
  void QueueClick(int x, int y) {
    Input down;
    down.x = x, down.y = y, down.left = true;
    Queue(1, down);
    Queue(1);
  }

  Input RandomInput() {
    // Arrows and Enter twice as often as the rest.
    // clang-format off
    static const int keys[] = {KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN, KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN,
                               KEY_ENTER, KEY_ENTER, KEY_SPACE, KEY_Y, KEY_N, KEY_BACKSPACE, KEY_F5, KEY_F9,
                               'A', 'Z', 'Q', 'W', 'S', 'I', 'C', '1', '2', KEY_LEFT_SHIFT, KEY_LEFT_CONTROL};
    // clang-format on
    Input in;
    // The player means to play on: asked whether to quit, he mostly says no.
    if (g().GameScreen == SCREEN_MAIN_MENU && g().ConfirmKind == QUIT_DIALOG && !Chance(2)) {
      in.keys.push_back(KEY_N);
      return in;
    }
    for (int key : held_) {
      if (Chance(60)) in.keys.push_back(key);
    }
    if (Chance(20)) in.keys.push_back(keys[Roll(0, static_cast<int>(std::size(keys)) - 1)]);
    if (Chance(3)) in.keys.push_back(Roll('A', 'Z'));
    if (Chance(1)) in.keys.push_back(KEY_ESCAPE);
    if (Chance(30)) {
      in.x = Roll(0, 1023), in.y = Roll(0, 767);
      // On the item screens, mostly over the grid and the loot.
      if ((g().GameScreen == SCREEN_INVENTORY || g().GameScreen == SCREEN_LOOT) && Chance(60)) {
        in.x = Roll(180, 959), in.y = Roll(80, 479);
        // An item looked at: its drink button.
        if (g().InvPopup != POPUP_NONE && Chance(50))
          in.x = g().PanelX + Roll(24, 149), in.y = g().PanelY + Roll(332, 366);
      }
    }
    in.left = (leftDown_ && Chance(50)) || Chance(8);
    const bool items = g().GameScreen == SCREEN_INVENTORY || g().GameScreen == SCREEN_LOOT;
    in.right = Chance(items ? 8 : 2);
    return in;
  }

  void Apply(const Input& in) {
    NoDrawPlatform& p = run_->platform();
    for (int key : held_) {
      if (std::find(in.keys.begin(), in.keys.end(), key) == in.keys.end()) p.ScriptKey(key, false);
    }
    for (int key : in.keys) p.ScriptKey(key, true);
    held_ = in.keys;
    if (in.x >= 0) p.ScriptMouse(in.x, in.y);
    p.ScriptButton(MOUSE_LEFT, in.left);
    p.ScriptButton(MOUSE_RIGHT, in.right);
    leftDown_ = in.left;
  }

  // ---- purposeful moves, at the start of every 500 frames --------------------

  void Direct() {
    queued_.clear();
    if (!g().GameInProgress) {
      // From the title: NEW GAME, keep the rolled heroes, into the world.
      if (g().GameScreen == SCREEN_MAIN_MENU && Chance(70)) {
        Queue(12);
        QueueClick(512, 200);
        Queue(4);
        QueueClick(650, 720);
        Queue(90);
        QueueKey(KEY_ENTER);
      }
      return;
    }
    if (g().GameScreen == SCREEN_COMBAT && g().CombatSetUp && g().MonsterHealth > 1 && Chance(50)) {
      g().MonsterHealth = 1;  // the next blow wins the battle
      ++cheats_;
      return;
    }
    if (g().GameScreen != SCREEN_WORLD || g().PendingScreen != 0 || g().ScreenReady == 0) return;
    const int choice = Roll(1, 100);
    if (choice <= 30) {
      // Somewhere free on a random screen.
      for (int tries = 0; tries < 50; ++tries) {
        const int c = Roll(1, MAP_SCREENS), r = Roll(1, MAP_SCREENS);
        if (LevelOfScreen(g(), c, r) == 0) continue;
        if (MoveTo(c, r, CELL * Roll(0, SCREEN_CELLS_X - 1), CELL * Roll(0, SCREEN_CELLS_Y - 1))) break;
      }
    } else if (choice <= 45) {
      // Below the portal, and one step up.
      if (MoveTo(2, 4, 288, 320)) {
        Queue(6);
        QueueKey(KEY_UP);
        for (int k = 0; k < 3; ++k) {
          Queue(10);
          QueueKey(KEY_ENTER);  // past what the heroes say
        }
      }
    } else if (choice <= 75) {
      Stock();
    } else if (choice <= 90 && g().LootCount == 0) {
      // A chest's worth of loot.
      g().LootCount = Roll(1, 3);
      for (int k = 1; k <= g().LootCount; ++k) {
        const auto [category, number] = RandomItem();
        g().LootList[k][1] = category;
        g().LootList[k][2] = number;
        g().LootList[k][3] = ItemStats(category, number, item::MaxCondition);
      }
      SwitchScreen(g(), SCREEN_LOOT);
      ++cheats_;
    }
  }

  ItemKeyPair RandomItem() {
    const int category = Chance(40) ? CATEGORY_POTION : Roll(1, 6);
    return {category, Roll(1, ItemCount(category))};
  }

  // A few things in the pack and something worn, as a party has later on,
  // so that potions are drunk, things thrown away and armour worn out.
  void Stock() {
    const int h = Roll(1, 2), slot = Roll(1, 5);
    int* worn = g().HeroEquipment[h][slot];
    if (worn[1] == 0) {
      const int number = Roll(1, ItemCount(slot));
      worn[1] = number, worn[2] = ItemStats(slot, number, item::MaxCondition);
      for (int f = item::PrimaryStat; f <= item::MaxCondition; ++f)
        worn[3 + f - item::PrimaryStat] = ItemStats(slot, number, f);
    }
    bool covered[11][11] = {};
    for (int c = 1; c <= 10; ++c) {
      for (int r = 1; r <= 10; ++r) {
        const int* cell = g().PartyInventory[c][r];
        if (cell[1] == 0) continue;
        for (int x = c; x < c + ItemStats(cell[1], cell[2], item::GridWidth) && x <= 10; ++x) {
          for (int y = r; y < r + ItemStats(cell[1], cell[2], item::GridHeight) && y <= 10; ++y)
            covered[x][y] = true;
        }
      }
    }
    for (int k = Roll(1, 3); k > 0; --k) {
      const auto [category, number] = RandomItem();
      const int w = ItemStats(category, number, item::GridWidth),
                ht = ItemStats(category, number, item::GridHeight);
      const int c = Roll(1, 10), r = Roll(1, 10);
      bool free = c + w - 1 <= 10 && r + ht - 1 <= 10;
      for (int x = c; free && x < c + w; ++x) {
        for (int y = r; free && y < r + ht; ++y) free = !covered[x][y];
      }
      if (!free) continue;
      for (int x = c; x < c + w; ++x) {
        for (int y = r; y < r + ht; ++y) covered[x][y] = true;
      }
      int* cell = g().PartyInventory[c][r];
      cell[1] = category, cell[2] = number, cell[3] = ItemStats(category, number, item::MaxCondition);
    }
    g().SelectedHero = h;
    SwitchScreen(g(), SCREEN_INVENTORY);
    ++cheats_;
  }

  bool MoveTo(int column, int row, int x, int y) {
    int* ps = g().PartyState;
    const int old[4] = {ps[ScreenColumn], ps[ScreenRow], ps[PartyX], ps[PartyY]};
    ps[ScreenColumn] = column, ps[ScreenRow] = row;
    BuildScreen(g(), column, row);
    if (MoveBlocked(g(), x, y)) {
      ps[ScreenColumn] = old[0], ps[ScreenRow] = old[1];
      BuildScreen(g(), old[0], old[1]);
      return false;
    }
    ps[PartyX] = x, ps[PartyY] = y;
    g().ScreenTiles.clear();
    g().ScreenReady = 0;  // entered anew on the next frame
    ++cheats_;
    return true;
  }

  // ---- one frame and its checks -------------------------------------------------

  void Step(long long frame) {
    Input in;
    if (!queued_.empty()) {
      in = queued_.front();
      queued_.pop_front();
    } else {
      in = RandomInput();
    }
    Apply(in);
    // Vorgash falls to the next blow, so that the ending comes too.
    Game& now = g();
    if (now.GameScreen == SCREEN_COMBAT && now.CombatSetUp && now.CombatMonster == VORGASH &&
        now.MonsterHealth > 1) {
      now.MonsterHealth = 1;
      ++cheats_;
    }

    Game& game = g();
    const Items before = PartyItems(game);
    const Items loot = LootItems(game);
    const int lootCount = game.LootCount;
    const int screen = game.GameScreen;
    const bool saving = screen == SCREEN_SAVE_LOAD || game.QuickPrompt != 0;
    const T_Item* held = nullptr;
    for (const T_Item& item : game.ItemList) {
      if (item.Location == LOCATION_HELD) held = &item;
    }
    const Item heldItem = held ? Item{held->Category, held->Number, held->Condition} : Item{0, 0, 0};

    const auto started = Clock::now();
    const bool going = run_->Frame();
    longest_ = std::max(longest_, std::chrono::duration<double>(Clock::now() - started).count());
    if (!going) {
      ended_ = true;
      ++quits_;
      return;
    }
    ++onScreen_[game.GameScreen];
    if (game.GameScreen == SCREEN_ENDING && screen != SCREEN_ENDING) ++endings_;
    if (game.GameScreen == SCREEN_COMBAT && screen != SCREEN_COMBAT) ++battles_;

    CheckItems(frame, before, loot, lootCount, screen, heldItem);
    if (saving || game.GameScreen == SCREEN_SAVE_LOAD || frame % 500 == 0) CheckSavedGames(frame, saving);
    if ((frame % 64 == 0 || screen != game.GameScreen) && game.GameInProgress && game.PendingScreen == 0 &&
        game.GameScreen != SCREEN_COMBAT) {
      CheckParty(frame);
    }
  }

  void CheckItems(long long frame, const Items& before, const Items& loot, int lootCount, int screen,
                  const Item& held) {
    Game& game = g();
    const Items after = PartyItems(game);
    if (after == before) return;
    bool ok = false;
    Items rest;
    if (screen == SCREEN_COMBAT || game.GameScreen == SCREEN_COMBAT) {
      // Blows wear the equipment down and a worn-out piece breaks.
      if (Keys(after) == Keys(before)) {
        ++worn_;
        return;
      }
      rest = Without(Keys(before), Keys(after), ok);
      if (ok && run_->Heard(SOUND_BREAK + 1, SOUND_BREAK + 4) && Keys(rest) == Keys(after)) {
        ++broken_;
        return;
      }
    }
    rest = Without(before, {held}, ok);
    if (ok && run_->Heard(SOUND_DROP_ITEM, SOUND_DROP_ITEM) && rest == after) {
      ++dropped_;
      return;
    }
    if (after.size() + 1 == before.size() && run_->Heard(SOUND_USE_BASE + 1, SOUND_TAKE - 1)) {
      rest = Without(before, after, ok);
      if (ok && rest.size() == 1 && std::get<0>(rest[0]) == CATEGORY_POTION) {
        ++drunk_;
        return;
      }
    }
    if (lootCount == 0 && game.LootCount > 0) {
      Items more = before;
      for (const Item& item : LootItems(game)) more.push_back(item);
      std::sort(more.begin(), more.end());
      if (more == after) {
        ++found_;
        return;
      }
    }
    if (lootCount > 0 && game.LootCount == 0) {
      rest = Without(before, loot, ok);
      if (ok && rest == after) {
        ++leftBehind_;
        return;
      }
    }
    if (after.empty() && screen == SCREEN_CREATION) {
      ++newGames_;
      return;
    }
    for (const auto& [path, items] : savedFiles_) {
      if (items == after) {
        ++loads_;
        return;
      }
    }
    auto list = [](const Items& items) {
      std::string text;
      for (const auto& [category, number, condition] : items)
        text +=
            " " + std::to_string(category) + "/" + std::to_string(number) + "/" + std::to_string(condition);
      return text;
    };
    Fail(frame, "items changed without a cause on screen " + std::to_string(screen) + ": before" +
                    list(before) + "; after" + list(after) + "; sound " + std::to_string(game.SoundEvent));
  }

  // Every table of the game in progress is one a saved game may hold.
  void CheckParty(long long frame) {
    ++partyChecks_;
    const auto taken = TakeSavedGame(g(), "SOAK");
    auto back = std::make_unique<SavedGame>();
    if (!ParseGameData(GameDataBytes(*taken), g(), *back)) {
      std::string stats;
      for (int h = 1; h <= 2; ++h) {
        for (int f = 1; f <= 32; ++f) stats += std::to_string(g().HeroStats[h][f]) + (f < 32 ? "," : "; ");
      }
      Fail(frame, "the party is not one the game could save: " + stats);
    }
  }

  // New or changed saved games read back whole; one written this frame
  // holds what the game holds.
  void CheckSavedGames(long long frame, bool justSaved) {
    for (int slot = 1; slot <= QUICK_SLOT; ++slot) {
      const auto path = GameDataPath(g().DataDir, slot);
      std::error_code ec;
      const auto size = std::filesystem::file_size(path, ec);
      if (ec) continue;
      const auto when = std::filesystem::last_write_time(path, ec);
      auto& known = stamps_[path.string()];
      if (known.first == when && known.second == size) continue;
      known = {when, size};
      ++savesChecked_;
      std::vector<std::uint8_t> bytes, info;
      auto saved = std::make_unique<SavedGame>();
      std::string name;
      if (!ReadWholeFile(path, bytes) || !ParseGameData(bytes, g(), *saved) ||
          GameDataBytes(*saved) != bytes) {
        Fail(frame, "saved game " + path.filename().string() + " does not read back whole");
        continue;
      }
      if (!ReadWholeFile(SlotInfoPath(g().DataDir, slot), info) || !ParseSlotInfo(info, name)) {
        Fail(frame, "the slot file of " + path.filename().string() + " does not read back");
      }
      savedFiles_[path.string()] = SavedItems(*saved);
      if (justSaved) {
        Items worn;
        AddTables(worn, g().PartyInventory, g().HeroEquipment);
        std::sort(worn.begin(), worn.end());
        if (worn != savedFiles_[path.string()] ||
            !std::equal(&saved->HeroStats[0][0],
                        &saved->HeroStats[0][0] + sizeof saved->HeroStats / sizeof(int),
                        &g().HeroStats[0][0])) {
          Fail(frame, "saved game " + path.filename().string() + " differs from the game it saved");
        }
      }
    }
  }

  // ---- the figures ------------------------------------------------------------

  // The second half of the run never holds more than `slackKb` above the
  // first half's peak (by then every picture is loaded and every screen seen).
  static bool Held(const std::vector<long>& samplesKb, long slackKb) {
    const auto half = samplesKb.begin() + static_cast<std::ptrdiff_t>(samplesKb.size() / 2);
    if (half == samplesKb.begin()) return true;
    return *std::max_element(half, samplesKb.end()) <= *std::max_element(samplesKb.begin(), half) + slackKb;
  }
  // Resident memory within 16 MB (the sanitizer's pools come and go), the
  // heap in use within 1 MB.
  bool MemoryHeld() const { return Held(samplesKb_, 16 * 1024) && Held(heapKb_, 1024); }

  void Report(double seconds) const {
    static const std::pair<int, const char*> screens[] = {
        {SCREEN_MAIN_MENU, "title"},     {SCREEN_OPTIONS, "options"},     {SCREEN_CREATION, "creation"},
        {SCREEN_WORLD, "world"},         {SCREEN_INVENTORY, "inventory"}, {SCREEN_CHARACTER, "character"},
        {SCREEN_SPELLS, "spells"},       {SCREEN_LOOT, "loot"},           {SCREEN_COMBAT, "combat"},
        {SCREEN_SAVE_LOAD, "save/load"}, {SCREEN_ENDING, "ending"}};
    long long total = 0;
    for (const auto& [screen, name] : screens) total += onScreen_[screen];
    std::printf("soak: %lld frames in %.1f s (%.0f a second), %d runs (%d ended by quitting)\n", total,
                seconds, total / seconds, runs_, quits_);
    std::printf("frames per screen:");
    for (const auto& [screen, name] : screens) std::printf(" %s %lld", name, onScreen_[screen]);
    std::printf("\n%d battles, %d endings, %d purposeful moves; the longest frame took %.1f ms\n", battles_,
                endings_, cheats_, longest_ * 1000);
    std::printf(
        "items: %d found, %d left behind, %d drunk, %d thrown away, %d worn, %d broken; %d new games, %d "
        "loads\n",
        found_, leftBehind_, drunk_, dropped_, worn_, broken_, newGames_, loads_);
    std::printf("%d party checks, %d saved games read back\n", partyChecks_, savesChecked_);
    std::printf("resident memory: %ld kB after the first frame, %ld kB at the end, %ld kB at most (samples:",
                startKb_, samplesKb_.empty() ? 0 : samplesKb_.back(),
                samplesKb_.empty() ? 0 : *std::max_element(samplesKb_.begin(), samplesKb_.end()));
    for (long kb : samplesKb_) std::printf(" %ld", kb / 1024);
    std::printf(" MB)%s\n", MemoryHeld() ? "" : ": GROWING");
    std::printf("heap in use (MB):");
    for (long kb : heapKb_) std::printf(" %.1f", kb / 1024.0);
    std::printf("\n");
    std::printf("%d failures\n", failures_);
  }

  long long frames_;
  std::mt19937 random_;
  std::unique_ptr<Run> run_;
  bool ended_ = false;
  std::deque<Input> queued_;
  std::vector<int> held_;
  bool leftDown_ = false;
  std::map<std::string, std::pair<std::filesystem::file_time_type, std::uintmax_t>> stamps_;
  std::map<std::string, Items> savedFiles_;
  long long onScreen_[SCREEN_COUNT] = {};
  int runs_ = 0, quits_ = 0, failures_ = 0, battles_ = 0, endings_ = 0, cheats_ = 0;
  int found_ = 0, leftBehind_ = 0, drunk_ = 0, dropped_ = 0, worn_ = 0, broken_ = 0, newGames_ = 0,
      loads_ = 0;
  int partyChecks_ = 0, savesChecked_ = 0;
  long startKb_ = 0;
  double longest_ = 0;  // seconds
  std::vector<long> samplesKb_, heapKb_;
};

}  // namespace
}  // namespace vv

int main(int argc, char** argv) {
  const long long frames = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : 1000000;
  const auto seed = static_cast<std::uint32_t>(argc > 2 ? std::atoll(argv[2]) : 20261207);
  vv::Soak soak(frames, seed);
  return soak.Go();
}
