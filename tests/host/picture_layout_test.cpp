#include "host/picture_layout.h"

#include <gtest/gtest.h>

namespace {

using host::DisplayMode;
using host::Place;

void expectPlace(const Place& actual, const Place& expected) {
  EXPECT_EQ(actual.left, expected.left);
  EXPECT_EQ(actual.top, expected.top);
  EXPECT_EQ(actual.width, expected.width);
  EXPECT_EQ(actual.height, expected.height);
}

TEST(PictureLayout, EachDisplayMode) {
  const Place box{0, 0, 20, 20};
  expectPlace(host::pictureLayout(box, 750, 400, DisplayMode::TopLeft), {0, 0, 750, 400});
  expectPlace(host::pictureLayout(box, 50, 27, DisplayMode::Stretched), box);
  // The 48 x 48 logo in its 20 x 20 box: scaled down, centred.
  expectPlace(host::pictureLayout(box, 48, 48, DisplayMode::Centred), {0, 0, 20, 20});
  // Smaller than the box: natural size in the middle.
  expectPlace(host::pictureLayout(box, 10, 6, DisplayMode::Centred), {5, 7, 10, 6});
  // Wider than high: the width decides, the height keeps the ratio.
  expectPlace(host::pictureLayout({0, 0, 20, 20}, 40, 10, DisplayMode::Centred), {0, 7, 20, 5});
}

}  // namespace
