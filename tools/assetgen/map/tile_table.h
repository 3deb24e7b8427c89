#pragma once
// What each tile picture is: its area, the square it covers in the map and
// the part of that square its picture actually paints. Mirrors
// assets/tiles.txt, which the map test compares against this table.

#include <array>

namespace vv::gen {

inline constexpr int FLOOR = 1;     // kind 1: drawn, walked over
inline constexpr int OBSTACLE = 2;  // kind 2: drawn, blocks movement
inline constexpr int FLOOR_IMAGES = 25;
inline constexpr int OBSTACLE_IMAGES = 40;
inline constexpr int ANY_AREA = 0;

inline constexpr int IMAGE_TELEPORTER = 11;  // kind 1
inline constexpr int IMAGE_CHEST = 12;       // kind 1
inline constexpr int IMAGE_PORTAL = 25;      // kind 1

struct TileInfo {
  int area = -1;      // 1..5, ANY_AREA, or -1 for no such picture
  int size = 32;      // side of the square the map record covers
  int pictureW = 32;  // painted width, from the top-left corner
  int pictureH = 32;  // painted height
};

namespace detail {
inline constexpr std::array<int, FLOOR_IMAGES + 1> FLOOR_AREA = {-1, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 0, 0,
                                                                 3,  3, 4, 4, 4, 4, 5, 5, 5, 5, 5, 0, 5};
inline constexpr std::array<int, OBSTACLE_IMAGES + 1> OBSTACLE_AREA = {
    -1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3,
    3,  3, 4, 4, 4, 4, 4, 4, 4, 5, 4, 5, 4, 5, 5, 5, 5, 5, 5, 5};
}  // namespace detail

inline constexpr TileInfo LookUpTile(int kind, int image) {
  if (kind == FLOOR && image >= 1 && image <= FLOOR_IMAGES) return {detail::FLOOR_AREA[image], 32, 32, 32};
  if (kind != OBSTACLE || image < 1 || image > OBSTACLE_IMAGES) return {};
  const int area = detail::OBSTACLE_AREA[image];
  switch (image) {
    case 6:  // the great ancient tree
      return {area, 128, 128, 128};
    case 7:   // the large old oak
    case 33:  // the giant pumpkin
      return {area, 64, 64, 64};
    case 30:  // the gate of the hideout: a 256-wide record, painted only 200 high
      return {area, 256, 256, 200};
    default:
      return {area, 32, 32, 32};
  }
}

}  // namespace vv::gen
