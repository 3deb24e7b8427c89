#include "explorer.h"

#include <deque>
#include <vector>

namespace vv::bot {
namespace {

constexpr int DX[4] = {-1, 0, 1, 0};
constexpr int DY[4] = {0, -1, 0, 1};  // the screen's y grows downwards

// Breadth first from `start` over the cells of a w x h grid (x * h + y),
// never onto `avoid`. `visit(cell, arrow)` is called for each cell reached,
// with the first arrow of the way to it, and says whether the search goes on
// through the cell, passes it by, or ends there. Returns that first arrow of
// the cell it ended at, or -1.
enum class Visit { PASS, ENTER, STOP };
template <class F>
int Search(int w, int h, int start, int avoid, F visit) {
  std::vector<int> firstStep(static_cast<std::size_t>(w * h), -1);
  std::deque<int> queue{start};
  firstStep[static_cast<std::size_t>(start)] = 4;
  while (!queue.empty()) {
    const int at = queue.front();
    queue.pop_front();
    for (int d = 0; d < 4; ++d) {
      const int nx = at / h + DX[d], ny = at % h + DY[d], next = nx * h + ny;
      if (nx < 0 || ny < 0 || nx >= w || ny >= h || next == avoid) continue;
      int& first = firstStep[static_cast<std::size_t>(next)];
      if (first != -1) continue;
      first = firstStep[static_cast<std::size_t>(at)] == 4 ? d : firstStep[static_cast<std::size_t>(at)];
      const Visit v = visit(next, first);
      if (v == Visit::STOP) return first;
      if (v == Visit::ENTER) queue.push_back(next);
    }
  }
  return -1;
}

}  // namespace

int Explorer::NextMove(int level, int x, int y, int avoidX, int avoidY, bool edgesLast) {
  Level& l = levels_[level];
  auto& g = l.cells;
  g[x + 1][y + 1] = FREE;
  // The first step of the path to the nearest unknown cell, or else to the
  // best known way on.
  std::vector<std::pair<int, int>> ways[3];  // cell and first arrow
  std::pair<int, int> edge{-1, -1};
  int unknown = -1;
  const int avoid = avoidX < 0 ? -1 : (avoidX + 1) * H + avoidY + 1;
  const int step = Search(W, H, (x + 1) * H + y + 1, avoid, [&](int cell, int first) {
    const int nx = cell / H, ny = cell % H;
    const char c = g[nx][ny];
    if (c == UNKNOWN && edgesLast && (nx == 0 || ny == 0 || nx == W - 1 || ny == H - 1)) {
      // An edge not tried yet: only once the screen itself holds nothing new.
      if (edge.first < 0) edge = {cell, first};
      return Visit::PASS;
    }
    if (c == UNKNOWN) {
      unknown = cell;
      return Visit::STOP;
    }
    if (c == EXIT) ways[l.leadsTo[nx][ny] > level ? 0 : 2].emplace_back(cell, first);
    if (c == TELEPORT) ways[1].emplace_back(cell, first);
    return c == FREE ? Visit::ENTER : Visit::PASS;
  });
  const auto head = [&](int cell) {
    fromLevel_ = level, fromX = x, fromY = y, toX = cell / H - 1, toY = cell % H - 1, pending_ = true;
  };
  if (unknown >= 0 || edge.first >= 0) {
    head(unknown >= 0 ? unknown : edge.first);
    exploring_ = true;
    leadsTo_ = unknown >= 0 ? 0 : -1;
    return unknown >= 0 ? step : edge.second;
  }
  exploring_ = false;
  for (const auto& best : ways) {
    if (best.empty()) continue;
    const auto [target, first] = best[static_cast<std::size_t>(l.turn++) % best.size()];
    head(target);
    leadsTo_ = g[toX + 1][toY + 1] == EXIT ? l.leadsTo[toX + 1][toY + 1] : 0;
    return first;
  }
  return -1;
}

int Explorer::Toward(int level, int x, int y, int tx, int ty, int avoidX, int avoidY) {
  const auto& g = levels_[level].cells;
  const int target = (tx + 1) * H + ty + 1;
  const int step = Search(W, H, (x + 1) * H + y + 1, (avoidX + 1) * H + avoidY + 1, [&](int cell, int) {
    const int nx = cell / H, ny = cell % H;
    if (cell == target) return Visit::STOP;
    const bool inside = nx > 0 && ny > 0 && nx < W - 1 && ny < H - 1;
    return inside && g[nx][ny] == FREE ? Visit::ENTER : Visit::PASS;
  });
  if (step >= 0) fromLevel_ = level, fromX = x, fromY = y, toX = tx, toY = ty, pending_ = true;
  return step;
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
