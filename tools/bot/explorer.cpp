#include "explorer.h"

#include <deque>
#include <vector>

namespace vv::bot {
namespace {

constexpr int DX[4] = {-1, 0, 1, 0};
constexpr int DY[4] = {0, -1, 0, 1};  // the screen's y grows downwards

}  // namespace

int Explorer::NextMove(int level, int x, int y, int avoidX, int avoidY, bool edgesLast) {
  Level& l = levels_[level];
  auto& g = l.cells;
  const int sx = x + 1, sy = y + 1;
  g[sx][sy] = FREE;
  // Breadth first over free cells: the first step of the path to the
  // nearest unknown cell, or else to the best known way on.
  std::vector<int> firstStep(W * H, -1);
  std::deque<int> queue{sx * H + sy};
  firstStep[sx * H + sy] = 4;
  std::vector<int> ways[3];
  int edge = -1;
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop_front();
    const int cx = at / H, cy = at % H;
    for (int d = 0; d < 4; ++d) {
      const int nx = cx + DX[d], ny = cy + DY[d];
      if (nx < 0 || ny < 0 || nx >= W || ny >= H || firstStep[nx * H + ny] != -1) continue;
      if (nx == avoidX + 1 && ny == avoidY + 1) continue;
      const int step = firstStep[at] == 4 ? d : firstStep[at];
      firstStep[nx * H + ny] = step;
      const char c = g[nx][ny];
      if (c == UNKNOWN && edgesLast && (nx == 0 || ny == 0 || nx == W - 1 || ny == H - 1)) {
        // An edge not tried yet: only once the screen itself holds nothing new.
        if (edge < 0) edge = nx * H + ny;
        continue;
      }
      if (c == UNKNOWN) {
        fromLevel_ = level, fromX = x, fromY = y, toX = nx - 1, toY = ny - 1, pending_ = true;
        exploring_ = true;
        leadsTo_ = 0;
        return step;
      }
      if (c == EXIT) ways[l.leadsTo[nx][ny] > level ? 0 : 2].push_back(nx * H + ny);
      if (c == TELEPORT) ways[1].push_back(nx * H + ny);
      if (c == FREE) queue.push_back(nx * H + ny);
    }
  }
  if (edge >= 0) {
    fromLevel_ = level, fromX = x, fromY = y, toX = edge / H - 1, toY = edge % H - 1, pending_ = true;
    exploring_ = true;
    leadsTo_ = -1;
    return firstStep[edge];
  }
  exploring_ = false;
  for (const std::vector<int>& best : ways) {
    if (best.empty()) continue;
    const int target = best[static_cast<std::size_t>(l.turn++) % best.size()];
    fromLevel_ = level, fromX = x, fromY = y, toX = target / H - 1, toY = target % H - 1, pending_ = true;
    leadsTo_ = g[toX + 1][toY + 1] == EXIT ? l.leadsTo[toX + 1][toY + 1] : 0;
    return firstStep[target];
  }
  return -1;
}

void Explorer::Observe(int level, int x, int y) {
  if (!pending_) return;
  pending_ = false;
  Level& from = levels_[fromLevel_];
  const int dx = toX - fromX, dy = toY - fromY;
  const bool adjacent = dx * dx + dy * dy == 1;
  if (level != fromLevel_) {
    // Left the screen: the edge leads to `level`, and the edge just crossed
    // leads back, so the new screen's first step is not back out again.
    from.cells[toX + 1][toY + 1] = EXIT;
    from.leadsTo[toX + 1][toY + 1] = static_cast<signed char>(level);
    Level& to = levels_[level];
    const int bx = x - dx, by = y - dy;
    if (adjacent && bx >= -1 && by >= -1 && bx <= 32 && by <= 19 && to.cells[bx + 1][by + 1] == UNKNOWN) {
      to.cells[bx + 1][by + 1] = EXIT;
      to.leadsTo[bx + 1][by + 1] = static_cast<signed char>(fromLevel_);
    }
    return;
  }
  if (x == fromX && y == fromY) {
    // Only the adjacent target of this move can have blocked it.
    if (adjacent) from.cells[toX + 1][toY + 1] = BLOCKED;
    return;
  }
  if (adjacent && (x != toX || y != toY)) {
    // Carried off by a teleporter: the cell stepped on is one, and so is the
    // cell behind the one the party landed on.
    from.cells[toX + 1][toY + 1] = TELEPORT;
    const int bx = x - dx, by = y - dy;
    if (bx >= 0 && by >= 0 && bx < 32 && by < 19) from.cells[bx + 1][by + 1] = TELEPORT;
  }
  from.cells[x + 1][y + 1] = FREE;
}

}  // namespace vv::bot
