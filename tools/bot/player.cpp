#include "player.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstdio>
#include <cstdlib>

#include "session.h"
#include "shell/screens.h"

namespace vv::bot {
namespace {

// Hero record fields the bot reads off the sheets and bars.
enum HeroField {
  CLASS = 1,
  LEVEL = 2,
  HEALTH = 4,
  STRENGTH = 5,
  DEXTERITY = 6,
  DAMAGE_MIN = 9,
  DAMAGE_MAX = 10,
  ATTACK_DELAY = 11,
  PROTECTION = 12,
  BLOCKING = 13,
  MAX_HEALTH = 14,
  SPELL = 19,
  SPELL_MIN = 26,
  SPELL_MAX = 27
};
constexpr int FIGHTER = 1, ROGUE = 2, SORCERER = 3;
constexpr int WEAPON = 1, SHIELD = 2, AMULET = 5, POTION = 6;
constexpr int RED_POTION = 1;
constexpr double RED_POTION_BELOW = 0.6;  // of full health: resting that far invites a battle half healed
constexpr int ARROWS[4] = {KEY_LEFT, KEY_UP, KEY_RIGHT, KEY_DOWN};

// Where a player clicks: the portrait bar, the dialogs' Y and N boxes, the
// equipment slots' middles, the main menu's rows.
constexpr int PORTRAIT_X[3] = {0, 80, 289}, BAR_Y = 692, EXIT_X = 944, DROP_X = 735;
constexpr int YES_X = 488, NO_X = 536, DIALOG_Y = 431;
constexpr int SLOT_MIDDLE[6][2] = {{0, 0}, {100, 340}, {400, 360}, {420, 130}, {234, 70}, {155, 165}};
constexpr int MENU_X = 512, MENU_SAVE_Y = 393, MENU_LOAD_Y = 483;
constexpr int PORTAL_X = 9, PORTAL_Y = 9, PORTAL_LEVEL = 15, LAST_LEVEL = 15, LAST_MONSTER = 16;

// The cast speed and weapon speed words, as delays a player would guess.
int DelayOfWord(const std::string& w) {
  static const std::pair<const char*, int> words[] = {
      {"Intolerable", 30}, {"Extreme", 50}, {"Incredible", 65}, {"Excellent", 75}, {"Great", 90},
      {"Very Fast", 110},  {"Fast", 130},   {"Average", 150},   {"Slow", 170},     {"Very Slow", 190}};
  for (const auto& [word, delay] : words)
    if (w == word) return delay;
  return 150;
}

int SpeedOfWord(const std::string& w) {
  static const char* words[] = {"", "Very Slow", "Slow", "Average", "Fast", "Very Fast"};
  for (int i = 1; i <= 5; ++i)
    if (w == words[i]) return i;
  return 3;
}

// "a - b" or "a %" as read off a panel.
std::pair<int, int> Range(const std::string& text) {
  const int a = std::atoi(text.c_str());
  const std::size_t dash = text.find(" - ");
  return {a, dash == std::string::npos ? a : std::atoi(text.c_str() + dash + 3)};
}

struct ItemNote {
  bool examined = false;
  int primary = 0, secondary = 0, speed = 0;
  int w = 3, h = 5;  // cells; the largest footprint until the item has been held
  bool sized = false;
};

struct SpellNote {
  int drain = 0, baseMin = 0, baseMax = 0, delay = 150;
};

struct GridItem {
  int column, row, category, number;
};

class Player {
 public:
  Player(unsigned seed, const PlayOptions& options) : seed_(seed), options_(options) {}
  Outcome Play();

 private:
  // ---- input and sight ----
  void Frames(int n) {
    session_->Frames(n);
    out_.frames += n;
  }
  void Key(int code) {
    p().ScriptKey(code, true);
    Frames(1);
    p().ScriptKey(code, false);
    Frames(1);
  }
  void Click(int x, int y, int button = MOUSE_LEFT) {
    p().ScriptMouse(x, y);
    Frames(1);
    p().ScriptButton(button, true);
    Frames(1);
    p().ScriptButton(button, false);
    Frames(1);
  }
  View Look() const { return View(session_->StateJson()); }
  Platform& p() { return session_->platform(); }
  void Trace(const char* fmt, ...) const;

  // ---- screens ----
  void CreateParty();
  void Explore(const View& v);
  void Fight(const View& v);
  void Loot(const View& v);
  void Inventory(const View& v);
  void Spells(const View& v);
  void MainMenu(const View& v);
  void SaveLoad(const View& v);

  // ---- what the bot knows and decides ----
  ItemNote& Note(int category, int number) { return items_[category * 100 + number]; }
  void Examine(const View& v, int category, int number);
  double Score(const View& v, int hero, int category, int number) const;
  double CurrentScore(const View& v, int hero, int slot) const;
  // The hero (1, 2) an item would help most, and by how much.
  std::pair<int, double> BestHero(const View& v, int category, int number) const;
  bool WorthKeeping(const View& v, int category, int number) const;
  std::vector<GridItem> Grid(const View& v) const;
  bool FreeSpot(const View& v, int w, int h, int& column, int& row) const;
  int Owned(const View& v) const;
  int Threat(int monster) const;
  bool BoostHelps(const View& v, int hero, int potion) const;
  // The hero level both heroes reach before the party enters `level` (16:
  // before the portal).
  int ReadyLevel(int level) const { return std::min(30, level + options_.grind - 1 + level * level / 16); }
  void Camp(const View& v, int x, int y);
  bool InventoryWork(const View& v, int hero) const;
  bool Hurt(const View& v, int hero, double share) const {
    return v.Hero(hero, HEALTH) < v.Hero(hero, MAX_HEALTH) * share;
  }
  int KnownSpells(const View& v, int hero) const { return static_cast<int>(v.Hero(hero, LEVEL) / 2.0 + 0.5); }
  int BestSpell(const View& v, int hero, long long budget) const;
  int Command(const View& v, int hero);
  std::string Where(const View& v) const;

  unsigned seed_;
  PlayOptions options_;
  Outcome out_;
  std::unique_ptr<PlaytestSession> session_;
  Explorer explorer_;
  std::map<int, ItemNote> items_;
  std::map<int, SpellNote> spells_;  // by spell number, from the spell screen
  std::map<int, int> maxHit_;        // the hardest blow seen from each monster
  std::map<int, std::string> monsterNames_;

  // The plan between screens.
  enum class Menu { NONE, SAVE, LOAD } menu_ = Menu::NONE;
  int lootHero_ = 0;          // the hero whose inventory a taken loot item goes to
  int inventorySteps_ = 0;    // actions on this visit to the inventory
  bool drinkBoosts_ = false;  // before the last battle
  bool camp_ = false;         // the last level is seen: wait beside the portal
  bool portalSaved_ = false;  // the quicksave stands beside the portal, boosts drunk
  bool inBattle_ = false;
  int battlesSinceSave_ = 0;
  int savedLevel_ = 0;  // the deepest level a slot save was made on
  int lastSlot_ = 0;
  bool quickSaved_ = false;
  long long prevHealth_[3] = {0, 0, 0};
  int ledger_ = -1;  // the items the party should own
  int equippedBefore_ = 0;
  int inventoryVisits_ = 0;  // visits since the last move or battle, so a plan that fails is given up
  bool defeated_ = false;
  int lastLevel_ = 0;
};

void Player::Trace(const char* fmt, ...) const {
  if (!options_.trace) return;
  va_list args;
  va_start(args, fmt);
  std::fprintf(stderr, "  [%lld] ", out_.frames);
  std::vfprintf(stderr, fmt, args);
  std::fputc('\n', stderr);
  va_end(args);
}

std::string Player::Where(const View& v) const {
  return "level " + std::to_string(v.Int("CurrentLevel")) + ", screen " + std::to_string(v.Int("GameScreen"));
}

// ---------------------------------------------------------------- creation

void Player::CreateParty() {
  // The heroes' classes as asked (a click on CLASS turns it and rolls
  // again), then each is rolled again until it is sturdy and strong in its
  // class's attribute, as a careful player does, within reason.
  for (int h = 1; h <= 2; ++h) {
    const char want = h - 1 < static_cast<int>(options_.party.size()) ? options_.party[h - 1] : '?';
    const int wanted = want == 'F' ? FIGHTER : want == 'R' ? ROGUE : want == 'S' ? SORCERER : 0;
    const int columnX = h == 1 ? 16 : 528;
    for (int tries = 0; tries < 4 && wanted; ++tries) {
      const View v = Look();
      const auto created = v["CreatedHeroes"][static_cast<std::size_t>(h - 1)].Ints();
      if (created.size() < 6 || created[0] == 7 || created[1] == wanted) break;
      Click(columnX + 357, 399);  // CLASS
    }
    for (int tries = 0; tries < 300; ++tries) {
      const auto c = Look()["CreatedHeroes"][static_cast<std::size_t>(h - 1)].Ints();
      if (c.size() < 6 || c[0] == 7) break;
      const long long main = c[1] == FIGHTER ? c[2] : c[1] == ROGUE ? c[3] : c[4];
      if (c[5] >= 9 && main >= 7) break;
      Click(columnX + 241, 659);  // REROLL
    }
  }
  Click(649, 730);  // ACCEPT
  Frames(90);
}

// ---------------------------------------------------------------- knowledge

void Player::Examine(const View& loot, int category, int number) {
  ItemNote& n = Note(category, number);
  n.examined = true;
  if (category > 4) return;  // amulets and potions are known by their bonus
  // Right-click the item's panel and read the figures, then close it.
  const int k = [&] {
    for (int e = 0; e < 3; ++e)
      if (loot["LootList"][static_cast<std::size_t>(e)][0].Int(0) == category &&
          loot["LootList"][static_cast<std::size_t>(e)][1].Int(0) == number)
        return e;
    return 0;
  }();
  const int x = static_cast<int>(loot["LootSlotX"][static_cast<std::size_t>(k)].Int(0)) + 129;
  Click(x, 307, MOUSE_RIGHT);
  const View v = Look();
  if (category == WEAPON) {
    const auto [lo, hi] = Range(v.ValueAfter("Damage"));
    n.primary = lo, n.secondary = hi;
    n.speed = SpeedOfWord(v.ValueAfter("Speed"));
  } else if (category == SHIELD) {
    n.primary = Range(v.ValueAfter("Blocking")).first;
    n.secondary = Range(v.ValueAfter("Protection")).first;
  } else {
    n.primary = Range(v.ValueAfter("Protection")).first;
  }
  Click(x, 307, MOUSE_RIGHT);
}

double WeaponScore(const View& v, int hero, int lo, int hi, int speed) {
  const long long cls = v.Hero(hero, CLASS);
  const double f = 1 + v.Hero(hero, STRENGTH) * (cls == FIGHTER ? 0.05 : 0.03);
  const double s = static_cast<double>(v.Hero(hero, DEXTERITY)) + 2.0 * speed;
  const double delay = std::max(1.0, 200 * std::pow(cls == ROGUE ? 0.967 : 0.98, s));
  return f * (lo + hi) / 2.0 / delay * 100;
}

double Player::Score(const View& v, int hero, int category, int number) const {
  const auto it = items_.find(category * 100 + number);
  const ItemNote n = it == items_.end() ? ItemNote{} : it->second;
  switch (category) {
    case WEAPON:
      return WeaponScore(v, hero, n.primary, n.secondary, n.speed);
    case SHIELD:
      return n.secondary + 0.5 * n.primary + (number == 8 ? 8 : 0);  // the spiked one hurts back
    case AMULET: {
      // The eye of Kaltias makes every blow of the game count; the last
      // battle is won by blows, not by resting.
      static const double rank[6] = {0, 3, 2.5, 5, 1, 4};
      return number >= 1 && number <= 5 ? rank[number] : 0;
    }
    default:
      return n.primary;
  }
}

double Player::CurrentScore(const View& v, int hero, int slot) const {
  const long long number = v.Equip(hero, slot, 1);
  if (slot == WEAPON) {
    if (number == 0) return WeaponScore(v, hero, 1, 2, 5);  // bare hands
    return WeaponScore(v, hero, static_cast<int>(v.Equip(hero, 1, 3)), static_cast<int>(v.Equip(hero, 1, 4)),
                       static_cast<int>(v.Equip(hero, 1, 5)));
  }
  if (number == 0) return slot == AMULET ? 0 : -1;
  if (slot == SHIELD) return v.Equip(hero, 2, 4) + 0.5 * v.Equip(hero, 2, 3) + (number == 8 ? 8 : 0);
  if (slot == AMULET) return Score(v, hero, AMULET, static_cast<int>(number));
  return static_cast<double>(v.Equip(hero, slot, 3));
}

std::pair<int, double> Player::BestHero(const View& v, int category, int number) const {
  if (category < 1 || category > 5) return {0, 0};
  std::pair<int, double> best{0, 0};
  for (int h = 1; h <= 2; ++h) {
    const double gain = Score(v, h, category, number) - CurrentScore(v, h, category);
    if (gain > best.second + 1e-9) best = {h, gain};
  }
  return best;
}

std::vector<GridItem> Player::Grid(const View& v) const {
  std::vector<GridItem> out;
  for (const Json& cell : v["PartyInventory"].items) {
    const auto f = cell.Ints();
    if (f.size() >= 4)
      out.push_back(
          {static_cast<int>(f[0]), static_cast<int>(f[1]), static_cast<int>(f[2]), static_cast<int>(f[3])});
  }
  return out;
}

bool Player::WorthKeeping(const View& v, int category, int number) const {
  if (category == POTION) return true;
  if (category < 1 || category > 4) return false;
  // A spare for when something breaks: nearly as good as what is worn, and
  // not more of them than the bag holds well.
  int spares = 0;
  for (const GridItem& g : Grid(v)) spares += g.category == category;
  if (spares >= (category == WEAPON ? 2 : 1)) return false;
  double worst = 1e9, best = 0;
  for (int h = 1; h <= 2; ++h) {
    worst = std::min(worst, CurrentScore(v, h, category));
    best = std::max(best, Score(v, h, category, number));
  }
  return best >= 0.8 * worst;
}

bool Player::FreeSpot(const View& v, int w, int h, int& column, int& row) const {
  bool used[12][12] = {};
  for (const GridItem& g : Grid(v)) {
    const auto it = items_.find(g.category * 100 + g.number);
    const ItemNote n = it == items_.end() ? ItemNote{} : it->second;
    for (int c = g.column; c < g.column + n.w && c <= 10; ++c)
      for (int r = g.row; r < g.row + n.h && r <= 10; ++r) used[c][r] = true;
  }
  for (column = 1; column + w - 1 <= 10; ++column) {
    for (row = 1; row + h - 1 <= 10; ++row) {
      bool free = true;
      for (int c = column; c < column + w && free; ++c)
        for (int r = row; r < row + h && free; ++r) free = !used[c][r];
      if (free) return true;
    }
  }
  return false;
}

int Player::Owned(const View& v) const {
  int n = static_cast<int>(Grid(v).size());
  for (int h = 1; h <= 2; ++h)
    for (int s = 1; s <= 5; ++s) n += v.Equip(h, s, 1) > 0;
  return n;
}

int Player::Threat(int monster) const {
  const auto it = maxHit_.find(monster);
  if (it != maxHit_.end()) return it->second;
  // Not met yet: somewhat harder than the last one met before it.
  int guess = 6;
  for (const auto& [m, hit] : maxHit_)
    if (m < monster) guess = std::max(guess, hit * 3 / 2 + 2);
  return guess;
}

// Before the last battle, each hero drinks what his blows are made of: a
// sorcerer intelligence, the others strength and dexterity; one of each is
// enough, and only once both are whole, since resting wears a boost down.
bool Player::BoostHelps(const View& v, int hero, int potion) const {
  if (!drinkBoosts_ || potion <= RED_POTION || potion > 4 || Hurt(v, 1, 1.0) || Hurt(v, 2, 1.0)) return false;
  if (v["HeroTimers"][static_cast<std::size_t>(hero - 1)][static_cast<std::size_t>(potion - 2)].Int(0) > 0)
    return false;
  return (potion == 4) == (v.Hero(hero, CLASS) == SORCERER);
}

// Something to do in the inventory: a better item in the bag for an empty
// or weaker slot, or a red potion for a badly hurt hero, or the boosts
// before the last battle.
bool Player::InventoryWork(const View& v, int hero) const {
  for (const GridItem& g : Grid(v)) {
    if (g.category == POTION) {
      if (g.number == RED_POTION && Hurt(v, hero, RED_POTION_BELOW)) return true;
      if (BoostHelps(v, hero, g.number)) return true;
      continue;
    }
    if (Score(v, hero, g.category, g.number) > CurrentScore(v, hero, g.category) + 1e-9) return true;
  }
  return false;
}

// ---------------------------------------------------------------- exploring

void Player::Explore(const View& v) {
  if (v.Int("AttackBanner") > 0) return Frames(std::max(1, 125 - static_cast<int>(v.Int("AttackBanner"))));
  if (v.Int("ChestBanner") > 0) return Frames(std::max(1, 150 - static_cast<int>(v.Int("ChestBanner"))));
  if (v.Int("SpeechKind") > 0) {
    if (v.Int("SpeechDelay") > 0) return Frames(static_cast<int>(v.Int("SpeechDelay")));
    return Key(KEY_ENTER);
  }
  if (v.Int("QuickPrompt") > 0) return Key(KEY_N);
  const int level = static_cast<int>(v.Int("CurrentLevel"));
  const auto party = v["PartyState"].Ints();
  if (party.size() < 8) return Frames(1);
  const int x = static_cast<int>(party[1] / 32), y = static_cast<int>(party[2] / 32);
  explorer_.Observe(level, x, y);
  if (level != lastLevel_) {
    lastLevel_ = level;
    Trace(
        "level %d: heroes at levels %lld and %lld, weapons %lld and %lld, shields %lld and %lld, "
        "armour %lld and %lld, helms %lld and %lld, amulets %lld and %lld, %zu in the bag",
        level, v.Hero(1, LEVEL), v.Hero(2, LEVEL), v.Equip(1, 1, 1), v.Equip(2, 1, 1), v.Equip(1, 2, 1),
        v.Equip(2, 2, 1), v.Equip(1, 3, 1), v.Equip(2, 3, 1), v.Equip(1, 4, 1), v.Equip(2, 4, 1),
        v.Equip(1, 5, 1), v.Equip(2, 5, 1), Grid(v).size());
  }

  // The ledger of items: only loot adds, and only drops, potions and
  // breaking remove.
  const int owned = Owned(v);
  if (ledger_ >= 0 && owned != ledger_) {
    out_.misbehaved = true;
    std::string bag;
    for (const GridItem& g : Grid(v))
      bag += " " + std::to_string(g.category) + "/" + std::to_string(g.number) + "@" +
             std::to_string(g.column) + "," + std::to_string(g.row);
    Trace("items: own %d, expected %d; bag%s", owned, ledger_, bag.c_str());
  }
  ledger_ = owned;

  // Sorcerers learn their new spells on the spell screen.
  for (int h = 1; h <= 2; ++h) {
    if (v.Hero(h, CLASS) != SORCERER) continue;
    const int known = KnownSpells(v, h);
    if (!spells_.count(known) ||
        v.Hero(h, SPELL) != std::max(1, BestSpell(v, h, v.Hero(h, MAX_HEALTH) / 2))) {
      if (spells_.count(known) && v.Hero(h, HEALTH) < v.Hero(h, MAX_HEALTH)) continue;
      p().ScriptMouse(PORTRAIT_X[h], BAR_Y);
      Frames(1);
      return Key(KEY_LEFT_CONTROL);
    }
  }
  for (int h = 1; h <= 2 && inventoryVisits_ < 3; ++h) {
    if (InventoryWork(v, h)) {
      inventorySteps_ = 0;
      ++inventoryVisits_;
      return Click(PORTRAIT_X[h], BAR_Y);
    }
  }
  const bool tired = Hurt(v, 1, 1.0) || Hurt(v, 2, 1.0);
  if (tired) return Key(KEY_SPACE);

  // Whole again: save now and then, a slot on each new level and the
  // quicksave after a few battles.
  if (level > savedLevel_) {
    savedLevel_ = level;
    menu_ = Menu::SAVE;
    lastSlot_ = (level - 1) % 8 + 1;
    return Key(KEY_ESCAPE);
  }
  if (battlesSinceSave_ >= 1) {
    battlesSinceSave_ = 0;
    Key(KEY_F5);
    Key(KEY_Y);
    quickSaved_ = true;
    portalSaved_ = false;
    ++out_.saves;
    return;
  }
  if (camp_ && level == PORTAL_LEVEL) return Camp(v, x, y);

  // The portal waits until everything else on the last level is seen, the
  // heroes are whole and the boosts are drunk.
  const bool holdPortal = level == PORTAL_LEVEL && !drinkBoosts_;
  // Once the level's chest is found the edges need not wait.
  const bool chestFound = v["ChestRecords"][static_cast<std::size_t>(level - 1)][0].Int(0) == 1;
  const int direction =
      explorer_.NextMove(level, x, y, holdPortal ? PORTAL_X : -1, holdPortal ? PORTAL_Y : -1, !chestFound);
  // Before a way on to a deeper level, grow strong enough for it: rest here
  // and fight what comes.
  const long long weakest = std::min(v.Hero(1, LEVEL), v.Hero(2, LEVEL));
  const bool deeper = explorer_.LeadsTo() > level || explorer_.LeadsTo() < 0;
  const int nx = x + (direction == 0   ? -1
                      : direction == 2 ? 1
                                       : 0),
            ny = y + (direction == 1   ? -1
                      : direction == 3 ? 1
                                       : 0);
  const bool leaving = nx < 0 || ny < 0 || nx > 31 || ny > 18;
  if (direction >= 0 && leaving && deeper && level < LAST_LEVEL && weakest < ReadyLevel(level + 1)) {
    explorer_.Forget();
    return Key(KEY_SPACE);
  }
  if (holdPortal && !explorer_.Exploring()) {
    explorer_.Forget();
    camp_ = true;
    Trace("the last level is seen: to the portal");
    return;
  }
  if (direction < 0) {
    out_.why = "walled in";
    out_.where = "level " + std::to_string(level) + " at " + std::to_string(x) + "," + std::to_string(y);
    return;
  }
  inventoryVisits_ = 0;
  Key(ARROWS[direction]);
}

// Beside the portal: grow to the last level the budget allows, drink the
// boosts, save, and step in. A lost last battle loads that save and steps in
// again at once.
void Player::Camp(const View& v, int x, int y) {
  const int level = PORTAL_LEVEL;
  if (std::abs(x - PORTAL_X) + std::abs(y - PORTAL_Y) != 1) {
    int best = -1;
    for (int d = 0; d < 4 && best < 0; ++d) {
      static constexpr int dx[4] = {-1, 0, 1, 0}, dy[4] = {0, -1, 0, 1};
      best = explorer_.Toward(level, x, y, PORTAL_X + dx[d], PORTAL_Y + dy[d], PORTAL_X, PORTAL_Y);
    }
    if (best < 0) {
      // No known way to the portal's side: explore on toward it.
      camp_ = false, drinkBoosts_ = true;
      return;
    }
    return Key(ARROWS[best]);
  }
  // Vorgash's blow, 85 to 100, must not fell a hero in two: that takes 60
  // percent of protection, found on this level's monsters.
  const long long weakest = std::min(v.Hero(1, LEVEL), v.Hero(2, LEVEL));
  const long long guarded = std::min(v.Hero(1, PROTECTION), v.Hero(2, PROTECTION));
  // Without that protection the last battle is all but lost, so the camp
  // may spend all but the last hundred loads and a sixth of the frames.
  const bool budget =
      out_.reloads < options_.maxReloads - 100 && out_.frames < options_.frameLimit - options_.frameLimit / 6;
  if ((weakest < ReadyLevel(LAST_LEVEL + 1) || guarded < 60) && budget) return Key(KEY_SPACE);
  if (!drinkBoosts_) {
    drinkBoosts_ = true;
    return Frames(1);  // the boosts are drunk from the inventory next
  }
  if (!portalSaved_) {
    Key(KEY_F5);
    Key(KEY_Y);
    quickSaved_ = portalSaved_ = true;
    ++out_.saves;
    Trace("saved beside the portal");
    return;
  }
  const int into = x > PORTAL_X ? 0 : y > PORTAL_Y ? 1 : x < PORTAL_X ? 2 : 3;
  Key(ARROWS[into]);
}

// ---------------------------------------------------------------- combat

int Player::BestSpell(const View& v, int hero, long long budget) const {
  // The most damage per tick among the known spells the hero can pay for.
  const int known = KnownSpells(v, hero);
  int best = 0;
  double bestRate = 0;
  for (int s = 1; s <= known; ++s) {
    const auto it = spells_.find(s);
    if (it == spells_.end() || it->second.drain >= budget) continue;
    const double rate = (it->second.baseMin + it->second.baseMax) / 2.0 / it->second.delay;
    if (rate > bestRate) best = s, bestRate = rate;
  }
  return best;
}

int Player::Command(const View& v, int h) {
  const long long health = v.Hero(h, HEALTH), monster = v.Int("MonsterHealth");
  const int m = static_cast<int>(v.Int("CombatMonster"));
  const int threat = Threat(m);
  const long long lo = v.Hero(h, DAMAGE_MIN), hi = v.Hero(h, DAMAGE_MAX);
  const long long lightMin = static_cast<long long>(lo * 0.5 + 0.5);
  const long long heavyMax = static_cast<long long>(hi * 1.75 + 0.5);
  const auto timers = v["TurnTimers"].Ints();  // timer, delay of each combatant
  const long long monsterIn = timers.size() >= 6 ? timers[5] - timers[4] : 0;
  const long long delay = v.Hero(h, ATTACK_DELAY);
  // A block is worth its turn only behind a shield that stops most blows.
  const bool canBlock = v.Hero(h, BLOCKING) * 3 >= 50;
  const bool sorcerer = v.Hero(h, CLASS) == SORCERER;

  // A sure blow that ends the battle.
  if (monster <= lightMin) return 'Q';
  // The last battle cannot be sat out: Vorgash's blow takes most of a
  // hero's health whatever he does, so both heroes strike as hard as they
  // can for as long as they stand.
  if (m == LAST_MONSTER) {
    if (sorcerer) {
      const int spell = BestSpell(v, h, health);
      if (spell > 0) return 'X' + 256 * spell;
    }
    return 'A';
  }
  if (sorcerer && monster <= v.Hero(h, SPELL_MIN) &&
      health > spells_[static_cast<int>(v.Hero(h, SPELL))].drain && v.Hero(h, SPELL) > 0)
    return 'X';
  // How many blows the monster may land before this hero acts again; a fast
  // one strikes several times, each at one of the two heroes.
  const long long monsterDelay = std::max(1LL, timers.size() >= 6 ? timers[5] : 150);
  const long long blows = monsterIn > delay ? 0 : (delay - monsterIn) / monsterDelay + 1;
  const long long risk = threat * std::max(1LL, (blows * 3 + 3) / 4);
  const bool danger = blows > 0 && health <= risk;  // he may fall before he acts again
  const int o = 3 - h;
  const bool otherFights = v.Hero(o, HEALTH) > threat;
  if (danger) {
    // Shelter behind the shield while the other hero fights on.
    if (canBlock && otherFights) return 'S';
    if (monster <= hi) return 'A';
    const long long heal = std::max(1LL, static_cast<long long>(v.Hero(h, MAX_HEALTH) * 0.1 + 0.5));
    if (health + heal > risk && health < v.Hero(h, MAX_HEALTH)) return 'W';
  }
  if (sorcerer) {
    // A spell never misses; pay for it while the blows can be taken.
    const int spell = BestSpell(v, h, std::max(health - risk, health / 2));
    if (spell > 0) {
      const SpellNote& n = spells_[spell];
      const double scale = v.Hero(h, SPELL_MAX) > 0 && spells_.count(static_cast<int>(v.Hero(h, SPELL)))
                               ? static_cast<double>(v.Hero(h, SPELL_MAX)) /
                                     std::max(1, spells_[static_cast<int>(v.Hero(h, SPELL))].baseMax)
                               : 1.0;
      const double spellRate = scale * (n.baseMin + n.baseMax) / 2.0 / n.delay;
      const double attackRate = 0.75 * (lo + hi) / 2.0 / std::max(1LL, delay);
      if (spellRate > attackRate) return 'X' + 256 * spell;
    }
  }
  // A heavy blow that may end it now where a normal one cannot.
  if (monster > hi && monster <= heavyMax) return 'Z';
  return 'A';
}

void Player::Fight(const View& v) {
  const int turn = static_cast<int>(v.Int("CombatTurn"));
  const int m = static_cast<int>(v.Int("CombatMonster"));
  if (!inBattle_) {
    inBattle_ = true;
    ++out_.battles;
    out_.lastBattles += m == LAST_MONSTER;
    ++battlesSinceSave_;
    for (int h = 1; h <= 2; ++h) prevHealth_[h] = v.Hero(h, HEALTH);
    defeated_ = false;
    // A party that grows by resting in place meets new loot only here.
    inventoryVisits_ = 0;
  }
  for (const DrawnText& t : v.Texts())
    if (t.y == 4 && !t.text.empty()) monsterNames_[m] = t.text;
  // Learn how hard this monster strikes.
  for (int h = 1; h <= 2; ++h) {
    const long long now = v.Hero(h, HEALTH);
    if (turn == 6 && now < prevHealth_[h])
      maxHit_[m] = std::max(maxHit_[m], static_cast<int>(prevHealth_[h] - now));
    prevHealth_[h] = now;
  }
  if (v.Int("EndGameDialogOpen") > 0) return Key(KEY_N);
  if (turn == 8) {
    if (!defeated_) ++out_.defeats, defeated_ = true;
    out_.why =
        "party lost to " + (monsterNames_.count(m) ? monsterNames_[m] : "monster " + std::to_string(m));
    out_.where = Where(v);
    return Frames(130);
  }
  // Nothing to do while a blow is shown or the battle's end plays out.
  if (turn >= 4 && turn <= 6) return Frames(std::max(1, 25 - static_cast<int>(v.Int("CombatFrames"))));
  if (turn != 1 && turn != 2) return Frames(turn == 0 ? 1 : 25);
  const int command = Command(v, turn);
  const int key = command & 255, spell = command >> 8;
  if (key == 'X' && spell > 0 && v.Hero(turn, SPELL) != spell) {
    // Choose the spell in the battle's list, then close it.
    Key('E');
    for (int i = 0; i < 16 && Look().Hero(turn, SPELL) != spell; ++i)
      Key(Look().Hero(turn, SPELL) < spell ? KEY_DOWN : KEY_UP);
    Key('E');
  }
  if (key == 'X') ++out_.spells;
  Trace("turn %d: hero %d health %lld, monster %d health %lld: %c", turn, turn, v.Hero(turn, HEALTH), m,
        v.Int("MonsterHealth"), key);
  Key(key);
  Frames(2);
}

// ---------------------------------------------------------------- loot

void Player::Loot(const View& v) {
  if (v.Int("InvPopup") == 1) return Click(512, 384, MOUSE_RIGHT);
  if (v.Int("InvPopup") == 2) return Key(KEY_Y);
  const auto held = v["HeldItem"].Ints();
  if (!held.empty() && held[0] > 0) {
    // Carry it to the chosen hero's inventory.
    return Click(PORTRAIT_X[lootHero_ ? lootHero_ : 1], BAR_Y);
  }
  const int count = static_cast<int>(v.Int("LootCount"));
  for (int k = 0; k < count; ++k) {
    const auto entry = v["LootList"][static_cast<std::size_t>(k)].Ints();
    if (entry.size() < 2 || entry[0] <= 0) continue;
    const int category = static_cast<int>(entry[0]), number = static_cast<int>(entry[1]);
    if (!Note(category, number).examined) return Examine(v, category, number);
    const auto [hero, gain] = BestHero(v, category, number);
    if (hero == 0 && !WorthKeeping(v, category, number)) continue;
    lootHero_ = hero ? hero : 1;
    inventorySteps_ = 0;
    Click(static_cast<int>(v["LootSlotX"][static_cast<std::size_t>(k)].Int(0)) + 129, 307);
    const auto taken = Look()["HeldItem"].Ints();
    if (!taken.empty() && taken[0] > 0) ++ledger_, ++out_.items;
    Trace("loot: took %d/%d for hero %d", category, number, lootHero_);
    return;
  }
  // Nothing more worth carrying: end the looting.
  Key(KEY_ESCAPE);
  Key(KEY_Y);
}

// ---------------------------------------------------------------- inventory

void Player::Inventory(const View& v) {
  const int hero = static_cast<int>(v.Int("SelectedHero"));
  const int other = 3 - hero;
  if (v.Int("InvPopup") == 2) return Key(KEY_N);
  if (v.Int("InvPopup") == 1) return Key(KEY_ESCAPE);
  const auto held = v["HeldItem"].Ints();
  ++inventorySteps_;
  if (!held.empty() && held[0] > 0) {
    const int category = static_cast<int>(held[0]), number = static_cast<int>(held[1]);
    ItemNote& n = Note(category, number);
    if (held.size() >= 4)
      n.w = static_cast<int>(held[2] / 40), n.h = static_cast<int>(held[3] / 40), n.sized = true;
    if (inventorySteps_ < 12 && category <= 5) {
      const double mine = Score(v, hero, category, number) - CurrentScore(v, hero, category);
      const double theirs = Score(v, other, category, number) - CurrentScore(v, other, category);
      if (mine > 1e-9 && mine >= theirs) {
        Trace("inventory %d: equip %d/%d", hero, category, number);
        return Click(SLOT_MIDDLE[category][0], SLOT_MIDDLE[category][1]);
      }
      if (theirs > 1e-9) return Click(PORTRAIT_X[other], BAR_Y);
    }
    int column = 0, row = 0;
    if (WorthKeeping(v, category, number) && FreeSpot(v, n.w, n.h, column, row)) {
      std::string bag;
      for (const GridItem& g : Grid(v))
        bag += " " + std::to_string(g.category) + "/" + std::to_string(g.number) + "@" +
               std::to_string(g.column) + "," + std::to_string(g.row);
      Trace("inventory %d: %d/%d (%dx%d) into the bag at %d,%d; bag%s", hero, category, number, n.w, n.h,
            column, row, bag.c_str());
      return Click((13 + column) * 40 + n.w * 20, (1 + row) * 40 + n.h * 20);
    }
    Trace("inventory %d: holding %d/%d, owned %d", hero, category, number, Owned(v));
    // No room or no use: throw it away.
    Click(DROP_X, BAR_Y);
    Key(KEY_Y);
    --ledger_;
    return;
  }
  if (inventorySteps_ < 16) {
    for (const GridItem& g : Grid(v)) {
      // The middle of the item's top-left cell lies on the item whatever its size.
      const int mx = 540 + 40 * g.column, my = 60 + 40 * g.row;
      if (g.category == POTION) {
        if ((g.number == RED_POTION && Hurt(v, hero, RED_POTION_BELOW)) || BoostHelps(v, hero, g.number)) {
          // Examine it and drink it from the panel.
          Click(mx, my, MOUSE_RIGHT);
          const int px = std::clamp(mx - 280, 0, 464), py = std::clamp(my - 182, 0, 404);
          Click(px + 84, py + 349);
          if (Look().Int("InvPopup") == 0) --ledger_, ++out_.potions;
          Trace("inventory %d: drank %d", hero, g.number);
          return;
        }
        continue;
      }
      if (Score(v, hero, g.category, g.number) > CurrentScore(v, hero, g.category) + 1e-9) {
        Trace("inventory %d: take %d/%d from the bag", hero, g.category, g.number);
        return Click(mx, my);  // picked up, equipped next
      }
    }
    if (InventoryWork(v, other)) return Click(PORTRAIT_X[other], BAR_Y);
  }
  Key(KEY_ESCAPE);
}

// ---------------------------------------------------------------- spells

void Player::Spells(const View& v) {
  // Read every known spell's figures once, then choose the best to start with.
  const int hero = static_cast<int>(v.Int("SelectedHero"));
  const int known = KnownSpells(v, hero);
  for (int s = 1; s <= known; ++s) {
    if (spells_.count(s)) continue;
    Frames(1);
    View w = Look();
    for (int i = 0; i < 16 && w.Hero(hero, SPELL) != s; ++i) {
      Key(w.Hero(hero, SPELL) < s ? KEY_DOWN : KEY_UP);
      w = Look();
    }
    SpellNote n;
    n.drain = std::atoi(w.ValueAfter("HEALTH DRAIN").c_str());
    const auto [lo, hi] = Range(w.ValueAfter("DAMAGE....."));
    n.baseMin = lo, n.baseMax = hi;
    n.delay = DelayOfWord(w.ValueAfter("CAST SPEED"));
    spells_[s] = n;
    Trace("spell %d: drain %d, damage %d-%d, delay %d", s, n.drain, lo, hi, n.delay);
  }
  const int best = std::max(1, BestSpell(v, hero, v.Hero(hero, MAX_HEALTH) / 2));
  for (int i = 0; i < 16 && Look().Hero(hero, SPELL) != best; ++i)
    Key(Look().Hero(hero, SPELL) < best ? KEY_DOWN : KEY_UP);
  Key(KEY_ESCAPE);
}

// ---------------------------------------------------------------- menus and saves

void Player::MainMenu(const View& v) {
  if (v.Int("ConfirmKind") > 0) return Key(KEY_N);
  if (v.Int("GameInProgress") == 0) {
    // The party has fallen: load the last save, if any is left to try.
    if (out_.reloads >= options_.maxReloads || (!quickSaved_ && lastSlot_ == 0)) {
      if (out_.why.empty()) out_.why = "party lost";
      out_.why += " (no reload left)";
      return;
    }
    menu_ = Menu::LOAD;
  }
  if (menu_ == Menu::SAVE) return Click(MENU_X, MENU_SAVE_Y);
  if (menu_ == Menu::LOAD) return Click(MENU_X, MENU_LOAD_Y);
  Click(MENU_X, 303);  // back to the game
}

void Player::SaveLoad(const View& v) {
  if (v.Int("ConfirmKind") > 0) return Key(KEY_Y);
  if (menu_ == Menu::SAVE && v.Int("SaveMode") == 1) {
    Click(544, 225 + 52 * (lastSlot_ - 1));
    Key(KEY_ENTER);
    if (Look().Int("ConfirmKind") > 0) Key(KEY_Y);
    ++out_.saves;
  } else if (menu_ == Menu::LOAD && v.Int("SaveMode") == 2) {
    if (v.Int("QuickAvailable") == 1) {
      Click(544, 657);
    } else {
      Click(544, 225 + 52 * (lastSlot_ - 1));
    }
    Key(KEY_ENTER);
    ++out_.reloads;
    explorer_.Forget();
    inBattle_ = false;
    ledger_ = -1;
    out_.where.clear();
    battlesSinceSave_ = 0;
    drinkBoosts_ = false;
    Trace("reload %d", out_.reloads);
  } else {
    Key(KEY_ESCAPE);
  }
  menu_ = Menu::NONE;
  Frames(60);
}

// ---------------------------------------------------------------- the game

Outcome Player::Play() {
  PlaytestOptions options;
  options.fast = true;
  session_ = std::make_unique<PlaytestSession>(options);
  std::string error;
  if (!session_->Start(error)) {
    out_.why = "start-up: " + error;
    out_.misbehaved = true;
    return out_;
  }
  SeedRandom(session_->game(), seed_);
  Frames(12);
  Click(512, 200);  // NEW GAME
  Frames(2);
  CreateParty();
  long long stalled = 0, lastFrames = -1;
  while (out_.frames < options_.frameLimit && !session_->Ended()) {
    const View v = Look();
    const long long screen = v.Int("GameScreen");
    if (out_.frames == lastFrames && ++stalled > 1000) {
      out_.why = "stuck";
      out_.misbehaved = true;
      break;
    }
    lastFrames = out_.frames;
    if (screen != SCREEN_COMBAT && inBattle_) {
      inBattle_ = false;
      // Only wear breaks things in battle.
      if (ledger_ >= 0) ledger_ += Owned(v) - static_cast<int>(Grid(v).size()) - equippedBefore_;
      if (screen == SCREEN_WORLD || screen == SCREEN_LOOT) out_.why.clear();
    }
    // What the heroes wear as a battle begins: the monster may strike first,
    // before the bot has looked at the battle.
    if (screen == SCREEN_WORLD) equippedBefore_ = Owned(v) - static_cast<int>(Grid(v).size());
    if (screen == SCREEN_ENDING) {
      out_.ending = true;
      out_.why = "the ending";
      break;
    }
    if (v.Int("PendingScreen") > 0 || v["ScreenFade"][0].Int(0) > 0) {
      Frames(2);
      continue;
    }
    switch (screen) {
      case SCREEN_WORLD:
        Explore(v);
        break;
      case SCREEN_COMBAT:
        Fight(v);
        break;
      case SCREEN_LOOT:
        Loot(v);
        break;
      case SCREEN_INVENTORY:
        Inventory(v);
        break;
      case SCREEN_SPELLS:
        Spells(v);
        break;
      case SCREEN_MAIN_MENU:
        MainMenu(v);
        break;
      case SCREEN_SAVE_LOAD:
        SaveLoad(v);
        break;
      default:
        Key(KEY_ESCAPE);
        Frames(4);
        break;
    }
    if (out_.why == "walled in" || out_.why.find("no reload left") != std::string::npos) break;
  }
  const View v = Look();
  for (int h = 1; h <= 2; ++h) out_.heroLevel[h - 1] = static_cast<int>(v.Hero(h, LEVEL));
  if (!out_.ending && out_.where.empty()) out_.where = Where(v);
  if (!out_.ending && session_->Ended()) out_.why = "the game quit", out_.misbehaved = true;
  if (!out_.ending && out_.frames >= options_.frameLimit) out_.why = "out of frames";
  if (out_.frames <= 0) out_.misbehaved = true;
  return out_;
}

}  // namespace

Outcome PlayOneGame(unsigned seed, const PlayOptions& options) {
  Player player(seed, options);
  return player.Play();
}

}  // namespace vv::bot
