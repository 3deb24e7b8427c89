#include "pictures.h"

#include <gtest/gtest.h>

#include "picture_table.h"

namespace vv::gen {
namespace {

TEST(Pictures, UnknownNameIsRefused) {
  RgbaImage img;
  EXPECT_FALSE(DrawPicture("no_such_picture.png", img));
}

}  // namespace
}  // namespace vv::gen
