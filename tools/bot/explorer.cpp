#include "explorer.h"

#include <deque>
#include <vector>

namespace vv {
namespace {

constexpr int DX[4] = {-1, 0, 1, 0};
constexpr int DY[4] = {0, -1, 0, 1};  // the screen's y grows downwards

}  // namespace

int Explorer::NextMove(int level, int x, int y) {
  Grid& g = levels_[level];
  const int sx = x + 1, sy = y + 1;
  g[sx][sy] = FREE;
  // Breadth first over free cells; the first step of the path to the
  // nearest unknown cell, or else to the chosen exit.
  std::vector<int> firstStep(W * H, -1);
  std::deque<int> queue{sx * H + sy};
  firstStep[sx * H + sy] = 4;
  std::vector<int> exits;
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop_front();
    const int cx = at / H, cy = at % H;
    for (int d = 0; d < 4; ++d) {
      const int nx = cx + DX[d], ny = cy + DY[d];
      if (nx < 0 || ny < 0 || nx >= W || ny >= H || firstStep[nx * H + ny] != -1) continue;
      const int step = firstStep[at] == 4 ? d : firstStep[at];
      firstStep[nx * H + ny] = step;
      const char c = g[nx][ny];
      if (c == UNKNOWN) {
        fromLevel_ = level, fromX = x, fromY = y, toX = nx - 1, toY = ny - 1, pending_ = true;
        return step;
      }
      if (c == EXIT) exits.push_back(nx * H + ny);
      if (c == FREE) queue.push_back(nx * H + ny);
    }
  }
  if (exits.empty()) return -1;
  const int target = exits[static_cast<std::size_t>(exitTurn_[level]++) % exits.size()];
  fromLevel_ = level, fromX = x, fromY = y, toX = target / H - 1, toY = target % H - 1, pending_ = true;
  return firstStep[target];
}

void Explorer::Observe(int level, int x, int y) {
  if (!pending_) return;
  pending_ = false;
  Grid& g = levels_[fromLevel_];
  if (level != fromLevel_) {
    // Left the screen (or was carried off): the edge, or the cell stepped on,
    // leads elsewhere.
    g[toX + 1][toY + 1] = EXIT;
    return;
  }
  if (x == fromX && y == fromY) {
    // Only the adjacent target of this move can have blocked it.
    const int dx = toX - fromX, dy = toY - fromY;
    if (dx * dx + dy * dy == 1) g[toX + 1][toY + 1] = BLOCKED;
    return;
  }
  g[x + 1][y + 1] = FREE;
}

}  // namespace vv
