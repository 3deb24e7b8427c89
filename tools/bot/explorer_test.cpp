// The bot's memory of the map: what a teleporter or a screen edge teaches it,
// so it does not walk straight back the way it was carried.

#include "explorer.h"

#include <gtest/gtest.h>

namespace vv::bot {
namespace {

constexpr int LEFT = 0, UP = 1, RIGHT = 2, DOWN = 3;

TEST(BotExplorer, RemembersTeleportersAndTheEdgeItCameInBy) {
  Explorer e;
  // Walled in on three sides at (10, 5): the only way is right, onto a
  // teleporter that lands the party at (20, 12), past its twin at (19, 12).
  int move = e.NextMove(3, 10, 5);
  for (; move != RIGHT; move = e.NextMove(3, 10, 5)) e.Observe(3, 10, 5);
  e.Observe(3, 20, 12);
  // Wall the landing cell in except back toward the twin and down.
  for (int tries = 0; tries < 4; ++tries) {
    move = e.NextMove(3, 20, 12);
    if (move == DOWN) break;
    EXPECT_NE(move, LEFT) << "stepped back onto the teleporter it came out of";
    e.Observe(3, 20, 12);
  }
  EXPECT_EQ(move, DOWN);

  // Leaving over the left edge at (0, 9) into level 4 arrives at (31, 9):
  // the cells there are tried before going back over the edge.
  Explorer f;
  for (move = f.NextMove(1, 0, 9); move != LEFT; move = f.NextMove(1, 0, 9)) f.Observe(1, 0, 9);
  f.Observe(4, 31, 9);
  for (int tries = 0; tries < 3; ++tries) {
    EXPECT_NE(f.NextMove(4, 31, 9), RIGHT) << "went straight back over the edge";
    f.Observe(4, 31, 9);
  }
}

TEST(BotExplorer, FindsAWayOnlyOverCellsItStoodOn) {
  Explorer e;
  for (int x = 5; x < 8; ++x) {
    e.Toward(2, x, 5, x + 1, 5, -1, -1);
    e.Observe(2, x + 1, 5);
  }
  EXPECT_EQ(e.Toward(2, 8, 5, 5, 5, -1, -1), LEFT);
  EXPECT_EQ(e.Toward(2, 8, 5, 5, 5, 6, 5), -1) << "walked around through cells never seen";
  EXPECT_EQ(e.Toward(2, 8, 5, 8, 6, -1, -1), DOWN);
}

}  // namespace
}  // namespace vv::bot
