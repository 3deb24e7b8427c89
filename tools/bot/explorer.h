#pragma once
// What the bot remembers of the map, as a player would: for each level, the
// cells it has stood on, the moves that were blocked, and the edges it left
// the screen by. It picks the next arrow key: toward the nearest cell or
// edge not yet tried, or, when a screen holds nothing new, toward one of its
// known exits in turn.

#include <array>
#include <map>

namespace vv {

class Explorer {
 public:
  // Arrow index 0 left, 1 up, 2 right, 3 down for a party at cell (x, y) of
  // `level`; -1 when nothing is reachable (walled in).
  int NextMove(int level, int x, int y);
  // What happened to the last move: where the party is now.
  void Observe(int level, int x, int y);

 private:
  static constexpr int W = 34, H = 21;  // the 32 x 19 cells and a ring of edges
  enum Cell : char { UNKNOWN = 0, FREE = 1, BLOCKED = 2, EXIT = 3 };
  using Grid = std::array<std::array<char, H>, W>;
  std::map<int, Grid> levels_;
  std::map<int, int> exitTurn_;  // which known exit to take next
  int fromLevel_ = 0, fromX = 0, fromY = 0, toX = 0, toY = 0;
  bool pending_ = false;
};

}  // namespace vv
