#include "host/picture_layout.h"

#include <gtest/gtest.h>

namespace {

using host::DisplayMode;
using host::Place;

TEST(PictureLayout, EachDisplayMode) {
  const Place box{0, 0, 20, 20};
  EXPECT_EQ(host::pictureLayout(box, 750, 400, DisplayMode::TopLeft), (Place{0, 0, 750, 400}));
  EXPECT_EQ(host::pictureLayout(box, 50, 27, DisplayMode::Stretched), box);
  // The 48 x 48 logo in its 20 x 20 box: scaled down, centred.
  EXPECT_EQ(host::pictureLayout(box, 48, 48, DisplayMode::Centred), (Place{0, 0, 20, 20}));
  // Smaller than the box: natural size in the middle.
  EXPECT_EQ(host::pictureLayout(box, 10, 6, DisplayMode::Centred), (Place{5, 7, 10, 6}));
  // Wider than high: the width decides, the height keeps the ratio.
  EXPECT_EQ(host::pictureLayout({0, 0, 20, 20}, 40, 10, DisplayMode::Centred), (Place{0, 7, 20, 5}));
}

}  // namespace
