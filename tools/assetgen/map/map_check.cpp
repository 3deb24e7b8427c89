#include "map_check.h"

#include <algorithm>
#include <deque>
#include <set>
#include <sstream>

#include "map_file.h"
#include "tile_table.h"
#include "world_layout.h"

namespace vv::gen {
namespace {

// Facing 1 up, 2 right, 3 down, 4 left, as the party turns.
constexpr int DX[5] = {0, 0, 1, 0, -1};
constexpr int DY[5] = {0, -1, 0, 1, 0};
constexpr const char* DIR_NAMES[5] = {"", "up", "right", "down", "left"};
constexpr int MIN_TILES = 150;
constexpr int MAX_TILES = 450;
constexpr int MAX_OPENING = 4;
constexpr int UNREACHED = -1;

bool RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2) {
  if (x1 > x2 + w2 || x1 + w1 < x2) return false;
  return y1 <= y2 + h2 && y1 + h1 >= y2;
}

struct Cell {
  int x = -1;
  int y = -1;
  bool operator==(const Cell&) const = default;
};

bool InsideScreen(Cell c) {
  return c.x >= 0 && c.x < SCREEN_CELLS_X && c.y >= 0 && c.y < SCREEN_CELLS_Y;
}

std::string Where(int level, Cell c) {
  return "level " + std::to_string(level) + " cell (" + std::to_string(c.x) + ", " + std::to_string(c.y) +
         ")";
}

struct Screen {
  int level = 0;
  int column = 0;
  int row = 0;
  const std::vector<MapTile>* tiles = nullptr;
  std::vector<Cell> teleporters;  // every teleporter tile, in slot order
  std::vector<Cell> chests;
  std::vector<Cell> portals;

  std::array<std::array<bool, SCREEN_CELLS_X>, SCREEN_CELLS_Y> blocked{};

  std::vector<MapTile> obstacles;

  // The move rule: the target cell, shrunk by one pixel, against every
  // obstacle shrunk by one pixel.
  static bool Overlaps(const MapTile& t, Cell c) {
    return RectsOverlap(t.x + 1, t.y + 1, t.width - 2, t.height - 2, c.x * CELL + 1, c.y * CELL + 1, CELL - 2,
                        CELL - 2);
  }
  bool BlockedByTiles(Cell c) const {
    for (const MapTile& t : obstacles) {
      if (Overlaps(t, c)) return true;
    }
    return false;
  }
  // Only the cells around an obstacle can touch it, so test just those.
  void MarkBlockedCells() {
    for (const MapTile& t : *tiles) {
      if (t.kind != OBSTACLE) continue;
      obstacles.push_back(t);
      const int left = std::max(0, t.x / CELL - 1);
      const int top = std::max(0, t.y / CELL - 1);
      const int right = std::min(SCREEN_CELLS_X - 1, (t.x + t.width) / CELL + 1);
      const int bottom = std::min(SCREEN_CELLS_Y - 1, (t.y + t.height) / CELL + 1);
      for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) blocked[y][x] = blocked[y][x] || Overlaps(t, {x, y});
      }
    }
  }
  bool Blocked(Cell c) const { return InsideScreen(c) ? blocked[c.y][c.x] : BlockedByTiles(c); }
  // Only the first two teleporters of a screen work, and only as a pair.
  int TeleporterAt(Cell c) const {
    if (teleporters.size() < 2) return 0;
    if (c == teleporters[0]) return 1;
    if (c == teleporters[1]) return 2;
    return 0;
  }
};

struct Node {
  int level = 0;
  Cell cell;
};

enum class Outcome { Blocked, Arrived, Broken };

struct Step {
  Outcome outcome = Outcome::Blocked;
  Node to;
  std::string problem;
};

class Checker {
 public:
  Checker(const MapData& map, MapCheckReport& report) : map_(map), report_(report) {}

  void Run() {
    CheckFormat();
    LoadScreens();
    CheckContent();
    CheckEdges();
    CheckTeleporterApproaches();
    WalkFromStart();
    MeasureLevels();
  }

 private:
  void Violation(const std::string& text) {
    if (seen_.insert(text).second) report_.violations.push_back(text);
  }

  void CheckFormat() {
    for (int c = 1; c <= GRID_SIZE; ++c) {
      for (int r = 1; r <= GRID_SIZE; ++r) {
        const int level = LevelGrid[c][r];
        const auto& slots = map_.Screen(c, r);
        const std::string screen = "screen (" + std::to_string(c) + ", " + std::to_string(r) + ")";
        int used = 0;
        bool gap = false;
        for (int t = 0; t < MAP_SLOTS; ++t) {
          const MapTile& tile = slots[t];
          if (tile.kind == 0) {
            if (!tile.Empty())
              Violation(screen + " slot " + std::to_string(t + 1) + ": empty slot not all zero");
            gap = true;
            continue;
          }
          if (level == 0) {
            Violation(screen + " has no level but holds tiles");
            break;
          }
          if (gap)
            Violation("level " + std::to_string(level) + ": slot " + std::to_string(t + 1) +
                      " is used after an empty slot");
          ++used;
          CheckTile(level, t + 1, tile);
        }
        if (level == 0) continue;
        report_.levels[level].tiles = used;
        if (slots[0].kind == 0) Violation("level " + std::to_string(level) + ": tile 1 is missing");
        if (slots[0].ground != LevelArea[level]) {
          Violation("level " + std::to_string(level) + ": ground " + std::to_string(slots[0].ground) +
                    " in tile 1, its area is " + std::to_string(LevelArea[level]));
        }
        if (used < MIN_TILES || used > MAX_TILES) {
          Violation("level " + std::to_string(level) + ": " + std::to_string(used) + " tiles, wanted " +
                    std::to_string(MIN_TILES) + ".." + std::to_string(MAX_TILES));
        }
      }
    }
  }

  void CheckTile(int level, int slot, const MapTile& t) {
    const auto at = [&] {
      return "level " + std::to_string(level) + " slot " + std::to_string(slot) + " (" +
             std::to_string(t.kind) + ":" + std::to_string(t.image) + " at " + std::to_string(t.x) + ", " +
             std::to_string(t.y) + "): ";
    };
    const TileInfo info = LookUpTile(t.kind, t.image);
    if (t.kind == FLOOR) ++report_.levels[level].floorTiles;
    if (info.area < 0) {
      Violation(at() + "no such tile picture");
      return;
    }
    if (info.area != ANY_AREA && info.area != LevelArea[level]) {
      Violation(at() + "a tile of area " + std::to_string(info.area) + " in area " +
                std::to_string(LevelArea[level]));
    }
    if (t.width != info.size || t.height != info.size) Violation(at() + "wrong size");
    if (t.x % CELL != 0 || t.y % CELL != 0 || t.x < 0 || t.y < 0 || t.x + info.pictureW > SCREEN_W ||
        t.y + info.pictureH > SCREEN_H) {
      Violation(at() + "not on the cells of the screen");
    }
    if (t.rotation < 1 || t.rotation > 4) Violation(at() + "rotation not 1..4");
    if (t.unused8 != 0 || t.unused9 != 0) Violation(at() + "fields 8 and 9 must be 0");
    if (slot != 1 && t.ground != 0) Violation(at() + "only tile 1 carries the ground");
  }

  void LoadScreens() {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
      const ScreenPos pos = ScreenOfLevel(level);
      Screen& s = screens_[level];
      s.level = level;
      s.column = pos.column;
      s.row = pos.row;
      s.tiles = &map_.Screen(pos.column, pos.row);
      for (const MapTile& t : *s.tiles) {
        if (t.kind != FLOOR) continue;
        const Cell cell{t.x / CELL, t.y / CELL};
        if (t.image == IMAGE_TELEPORTER) s.teleporters.push_back(cell);
        if (t.image == IMAGE_CHEST) s.chests.push_back(cell);
        if (t.image == IMAGE_PORTAL) s.portals.push_back(cell);
      }
      s.MarkBlockedCells();
    }
  }

  void CheckContent() {
    const Cell start{START_X / CELL, START_Y / CELL};
    if (screens_[1].Blocked(start)) Violation("the start " + Where(1, start) + " is inside an obstacle");
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
      const Screen& s = screens_[level];
      const std::string name = "level " + std::to_string(level);
      const std::size_t chests = level == PORTAL_LEVEL ? 0 : 1;
      if (s.chests.size() != chests) {
        Violation(name + ": " + std::to_string(s.chests.size()) + " chests, wanted " +
                  std::to_string(chests));
      }
      const std::size_t teleporters = HasTeleporters(level) ? 2 : 0;
      if (s.teleporters.size() != teleporters) {
        Violation(name + ": " + std::to_string(s.teleporters.size()) + " teleporters, wanted " +
                  std::to_string(teleporters));
      }
      const Cell portal{PORTAL_X / CELL, PORTAL_Y / CELL};
      const bool portalHere = level == PORTAL_LEVEL;
      if (s.portals.size() != (portalHere ? 1u : 0u) || (portalHere && !(s.portals[0] == portal))) {
        Violation(name + ": the portal must stand on level 15 at (288, 288) and nowhere else");
      }
    }
  }

  // One step of the party, as the game takes it: the collision test, then a
  // teleporter under the target, then crossing a screen edge.
  Step Move(Node from, int dir, bool useTeleporters, bool allowCrossing) const {
    const Screen& s = screens_[from.level];
    const Cell target{from.cell.x + DX[dir], from.cell.y + DY[dir]};
    Step step;
    if (s.Blocked(target)) return step;
    if (InsideScreen(target)) {
      const int k = s.TeleporterAt(target);
      if (k == 0) {
        step.outcome = Outcome::Arrived;
        step.to = {from.level, target};
        return step;
      }
      if (!useTeleporters) return step;
      const Cell other = s.teleporters[2 - k];
      const Cell land{other.x + DX[dir], other.y + DY[dir]};
      const auto what = [&] {
        return "the teleporter at " + Where(from.level, target) + " entered going " + DIR_NAMES[dir] +
               " lands ";
      };
      step.outcome = Outcome::Broken;
      if (!InsideScreen(land)) {
        step.problem = what() + "outside the screen";
      } else if (s.Blocked(land)) {
        step.problem = what() + "inside an obstacle";
      } else if (s.TeleporterAt(land) != 0) {
        step.problem = what() + "on a teleporter";
      } else {
        step.outcome = Outcome::Arrived;
        step.to = {from.level, land};
      }
      return step;
    }
    if (!allowCrossing) return step;
    int column = s.column + DX[dir];
    int row = s.row - DY[dir];  // rows grow northwards
    Cell land = target;
    if (target.x < 0) land.x = SCREEN_CELLS_X - 1;
    if (target.x >= SCREEN_CELLS_X) land.x = 0;
    if (target.y < 0) land.y = SCREEN_CELLS_Y - 1;
    if (target.y >= SCREEN_CELLS_Y) land.y = 0;
    const auto what = [&] {
      return "going " + std::string(DIR_NAMES[dir]) + " from " + Where(from.level, from.cell);
    };
    step.outcome = Outcome::Broken;
    const int next =
        column >= 1 && column <= GRID_SIZE && row >= 1 && row <= GRID_SIZE ? LevelGrid[column][row] : 0;
    if (next == 0) {
      step.problem = what() + " leaves the world";
    } else if (screens_[next].Blocked(land)) {
      step.problem = what() + " lands inside an obstacle on " + Where(next, land);
    } else if (screens_[next].TeleporterAt(land) != 0) {
      step.problem = what() + " lands on a teleporter";
    } else {
      step.outcome = Outcome::Arrived;
      step.to = {next, land};
    }
    return step;
  }

  // Every free edge cell leads only to the previous or next level, onto a free cell.
  void CheckEdges() {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
      const Screen& s = screens_[level];
      for (int y = 0; y < SCREEN_CELLS_Y; ++y) {
        for (int x = 0; x < SCREEN_CELLS_X; ++x) {
          const Cell cell{x, y};
          if (s.Blocked(cell)) continue;
          for (int dir = 1; dir <= 4; ++dir) {
            if (InsideScreen({x + DX[dir], y + DY[dir]})) continue;
            const Step step = Move({level, cell}, dir, false, true);
            if (step.outcome == Outcome::Broken) Violation(step.problem);
            if (step.outcome != Outcome::Arrived) continue;
            const int other = step.to.level;
            if (other != level - 1 && other != level + 1) {
              Violation("the edge of " + Where(level, cell) + " is open towards level " +
                        std::to_string(other));
            }
            if (other == level + 1) {
              ++report_.levels[level].openingToNext;
              entries_[other].push_back(step.to.cell);
              exits_[level].push_back(cell);
            }
          }
        }
      }
      const int open = report_.levels[level].openingToNext;
      if (level < LEVEL_COUNT && open == 0) {
        Violation("no opening leads from level " + std::to_string(level) + " to level " +
                  std::to_string(level + 1));
      }
      if (open > MAX_OPENING) {
        Violation("the opening from level " + std::to_string(level) + " is " + std::to_string(open) +
                  " cells wide, at most " + std::to_string(MAX_OPENING));
      }
    }
    entries_[1].push_back({START_X / CELL, START_Y / CELL});
    const Cell portal{PORTAL_X / CELL, PORTAL_Y / CELL};
    exits_[PORTAL_LEVEL].push_back(portal);
  }

  // Whatever side the party steps onto a teleporter from, it must land well.
  void CheckTeleporterApproaches() {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
      const Screen& s = screens_[level];
      for (std::size_t k = 0; k < s.teleporters.size() && k < 2 && s.teleporters.size() >= 2; ++k) {
        const Cell t = s.teleporters[k];
        if (s.Blocked(t)) Violation("the teleporter at " + Where(level, t) + " is under an obstacle");
        for (int dir = 1; dir <= 4; ++dir) {
          const Cell from{t.x - DX[dir], t.y - DY[dir]};
          if (!InsideScreen(from)) {
            Violation("the teleporter at " + Where(level, t) + " stands on the edge of the screen");
            continue;
          }
          if (s.Blocked(from)) continue;
          const Step step = Move({level, from}, dir, true, false);
          if (step.outcome == Outcome::Broken) Violation(step.problem);
        }
      }
    }
  }

  void WalkFromStart() {
    const Node start{1, {START_X / CELL, START_Y / CELL}};
    std::deque<Node> queue{start};
    Visit(start);
    while (!queue.empty()) {
      const Node node = queue.front();
      queue.pop_front();
      if (node.level == PORTAL_LEVEL && node.cell == Cell{PORTAL_X / CELL, PORTAL_Y / CELL}) continue;
      for (int dir = 1; dir <= 4; ++dir) {
        const Step step = Move(node, dir, true, true);
        if (step.outcome == Outcome::Broken) Violation(step.problem);
        if (step.outcome == Outcome::Arrived && Visit(step.to)) queue.push_back(step.to);
      }
    }
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
      const Screen& s = screens_[level];
      if (report_.levels[level].reachableCells == 0) {
        Violation("level " + std::to_string(level) + " cannot be reached from the start");
        continue;
      }
      for (const Cell chest : s.chests) {
        if (!visited_[level][chest.y][chest.x])
          Violation("the chest at " + Where(level, chest) + " cannot be reached");
      }
      for (const Cell portal : s.portals) {
        if (!visited_[level][portal.y][portal.x]) {
          Violation("the portal at " + Where(level, portal) + " cannot be reached");
        }
      }
    }
  }

  bool Visit(Node n) {
    bool& seen = visited_[n.level][n.cell.y][n.cell.x];
    if (seen) return false;
    seen = true;
    ++report_.levels[n.level].reachableCells;
    report_.reached[n.level][n.cell.y] |= std::uint32_t{1} << n.cell.x;
    return true;
  }

  using Distances = std::array<std::array<int, SCREEN_CELLS_X>, SCREEN_CELLS_Y>;

  Distances DistancesWithin(int level, const std::vector<Cell>& sources, bool useTeleporters) const {
    Distances dist;
    for (auto& row : dist) row.fill(UNREACHED);
    std::deque<Cell> queue;
    for (const Cell c : sources) {
      if (InsideScreen(c) && dist[c.y][c.x] == UNREACHED) {
        dist[c.y][c.x] = 0;
        queue.push_back(c);
      }
    }
    while (!queue.empty()) {
      const Cell c = queue.front();
      queue.pop_front();
      for (int dir = 1; dir <= 4; ++dir) {
        const Step step = Move({level, c}, dir, useTeleporters, false);
        if (step.outcome != Outcome::Arrived) continue;
        int& d = dist[step.to.cell.y][step.to.cell.x];
        if (d == UNREACHED) {
          d = dist[c.y][c.x] + 1;
          queue.push_back(step.to.cell);
        }
      }
    }
    return dist;
  }

  static int Nearest(const Distances& dist, const std::vector<Cell>& targets) {
    int best = UNREACHED;
    for (const Cell c : targets) {
      const int d = dist[c.y][c.x];
      if (d != UNREACHED && (best == UNREACHED || d < best)) best = d;
    }
    return best;
  }

  // The route through each level, what its chest costs, and whether its
  // teleporters are truly needed.
  void MeasureLevels() {
    for (int level = 1; level <= LEVEL_COUNT; ++level) {
      const Screen& s = screens_[level];
      LevelReport& figures = report_.levels[level];
      const auto& entries = entries_[level];
      const auto& exits = exits_[level];
      if (entries.empty() || exits.empty()) continue;
      const Distances fromEntry = DistancesWithin(level, entries, true);
      figures.route = Nearest(fromEntry, exits);
      if (figures.route == UNREACHED) {
        Violation("level " + std::to_string(level) +
                  ": the way on cannot be reached from where the party enters");
      }
      if (s.chests.size() == 1 && figures.route != UNREACHED) {
        const Cell chest = s.chests[0];
        const int toChest = fromEntry[chest.y][chest.x];
        const int chestToExit = Nearest(DistancesWithin(level, {chest}, true), exits);
        if (toChest != UNREACHED && chestToExit != UNREACHED) {
          figures.chestDetour = toChest + chestToExit - figures.route;
          if (figures.chestDetour < 2) {
            Violation("the chest of level " + std::to_string(level) + " lies on the shortest way through");
          }
        }
      }
      if (HasTeleporters(level) && Nearest(DistancesWithin(level, entries, false), exits) != UNREACHED) {
        Violation("level " + std::to_string(level) + " can be crossed without its teleporters");
      }
    }
  }

  const MapData& map_;
  MapCheckReport& report_;
  std::set<std::string> seen_;
  std::array<Screen, LEVEL_COUNT + 1> screens_;
  std::array<std::vector<Cell>, LEVEL_COUNT + 1> entries_;
  std::array<std::vector<Cell>, LEVEL_COUNT + 1> exits_;
  std::array<std::array<std::array<bool, SCREEN_CELLS_X>, SCREEN_CELLS_Y>, LEVEL_COUNT + 1> visited_{};
};

}  // namespace

MapCheckReport CheckMap(std::span<const std::uint8_t> bytes) {
  MapCheckReport report;
  MapData map;
  if (!DecodeMap(bytes, map)) {
    report.violations.push_back("not a map file: " + std::to_string(bytes.size()) + " bytes, wanted " +
                                std::to_string(MAP_FILE_SIZE) + " beginning with 525");
    return report;
  }
  Checker(map, report).Run();
  return report;
}

MapCheckReport CheckMap(const MapData& map) {
  MapCheckReport report;
  Checker(map, report).Run();
  return report;
}

std::string FormatReport(const MapCheckReport& report) {
  std::ostringstream out;
  out << "level  tiles  floor  reachable  route  chest detour  opening on\n";
  for (int level = 1; level <= LEVEL_COUNT; ++level) {
    const LevelReport& l = report.levels[level];
    char line[96];
    std::snprintf(line, sizeof line, "%5d  %5d  %5d  %9d  %5d  %12d  %10d\n", level, l.tiles, l.floorTiles,
                  l.reachableCells, l.route, l.chestDetour, l.openingToNext);
    out << line;
  }
  if (report.Ok()) {
    out << "no violations\n";
  } else {
    out << report.violations.size() << " violations:\n";
    for (const std::string& v : report.violations) out << "  " << v << "\n";
  }
  return out.str();
}

}  // namespace vv::gen
