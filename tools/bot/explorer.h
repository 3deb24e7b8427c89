#pragma once
// What the bot remembers of the map, as a player would: for each level, the
// cells it has stood on, the moves that were blocked, the edges it left the
// screen by (and where they led) and the teleporters it stepped on. It picks
// the next arrow key: toward the nearest cell or edge not yet tried, or, when
// a screen holds nothing new, toward a known way on: an edge to a level not
// seen yet first, then a teleporter, then the other ways in turn.

#include <array>
#include <map>

namespace vv::bot {

class Explorer {
 public:
  // Arrow index 0 left, 1 up, 2 right, 3 down for a party at cell (x, y) of
  // `level`; -1 when nothing is reachable (walled in). The cell `avoid`
  // (x, y; -1 for none) is never stepped on.
  // Edges not tried yet wait until the screen holds nothing else new when
  // `edgesLast`.
  int NextMove(int level, int x, int y, int avoidX = -1, int avoidY = -1, bool edgesLast = true);
  // The first arrow of the shortest way over cells stood on from (x, y) to
  // (tx, ty), never through (avoidX, avoidY); -1 when none is known.
  int Toward(int level, int x, int y, int tx, int ty, int avoidX, int avoidY);
  // Where the party stands after the last move.
  void Observe(int level, int x, int y);
  // The party was carried off by something else than a move (a loaded game).
  void Forget() { pending_ = false; }
  // Whether the last move chosen heads for something not yet seen.
  bool Exploring() const { return exploring_; }
  // The level the last way on chosen leads to: -1 for an edge not tried yet,
  // 0 for a teleporter or a cell on the screen.
  int LeadsTo() const { return leadsTo_; }

 private:
  static constexpr int W = 34, H = 21;  // the 32 x 19 cells and a ring of edges
  enum Cell : char { UNKNOWN = 0, FREE = 1, BLOCKED = 2, EXIT = 3, TELEPORT = 4 };
  struct Level {
    std::array<std::array<char, H>, W> cells{};
    std::array<std::array<signed char, H>, W> leadsTo{};  // an exit's level
    int turn = 0;                                         // which known way on to take next
  };
  std::map<int, Level> levels_;
  int fromLevel_ = 0, fromX = 0, fromY = 0, toX = 0, toY = 0;
  bool pending_ = false;
  bool exploring_ = false;
  int leadsTo_ = 0;
};

}  // namespace vv::bot
