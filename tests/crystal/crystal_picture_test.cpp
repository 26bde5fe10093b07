#include "crystal/crystal_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "crystal/crystal_colors.h"

namespace {

using crystal::Colour;
using crystal::CrystalBarState;
using crystal::PixelBuffer;

constexpr Colour dialog = crystal::rgb(240, 240, 240);
const crystal::CrystalColors& green = crystal::crystalColorsOfStyle(4);

PixelBuffer rendered(int w, int h, CrystalBarState bar) {
  PixelBuffer buffer(w, h);
  bar.colors = green;
  bar.background = dialog;
  crystal::renderCrystalBar(buffer.canvas(), bar);
  return buffer;
}

// Each channel of `colour` lies between those of the two ends of a gradient.
bool between(Colour colour, Colour from, Colour to) {
  const auto within = [](unsigned value, unsigned a, unsigned b) { return value >= std::min(a, b) && value <= std::max(a, b); };
  return within(crystal::redOf(colour), crystal::redOf(from), crystal::redOf(to)) &&
         within(crystal::greenOf(colour), crystal::greenOf(from), crystal::greenOf(to)) &&
         within(crystal::blueOf(colour), crystal::blueOf(from), crystal::blueOf(to));
}

TEST(CrystalPicture, HorizontalBarAtOneHalf) {
  const PixelBuffer buffer = rendered(201, 20, {.low = 0, .high = 2, .position = 1});
  const auto& canvas = buffer.canvas();
  // fillWidth = trunc(201 * 0.5) = 100: columns 0 to 99. Columns 0, 1, 199 and 200 hold frame or
  // corner pixels.
  for (int x = 2; x < 199; ++x) {
    const bool filled = x < 100;
    for (int y = 1; y < 10; ++y) {
      ASSERT_TRUE(filled ? between(canvas.at(x, y), green.fill[0], green.fill[1])
                         : between(canvas.at(x, y), green.track[0], green.track[1]))
          << x << ',' << y;
      ASSERT_EQ(canvas.at(x, y), canvas.at(filled ? 2 : 198, y)) << "one colour a row: " << x << ',' << y;
    }
    // The second halves begin at row 10 with their darkest colour.
    ASSERT_EQ(canvas.at(x, 10), filled ? green.fill[2] : green.track[2]) << x;
    for (int y = 11; y < 19; ++y) {
      ASSERT_TRUE(filled ? between(canvas.at(x, y), green.fill[2], green.fill[3])
                         : between(canvas.at(x, y), green.track[2], green.track[3]))
          << x << ',' << y;
    }
  }
  EXPECT_NE(canvas.at(50, 9), canvas.at(50, 10));
  EXPECT_NE(canvas.at(50, 1), canvas.at(50, 9));  // the rows do blend
}

TEST(CrystalPicture, VerticalBarAtOneHalfFillsUpwardFromTheBottom) {
  const PixelBuffer buffer = rendered(20, 101, {.vertical = true, .low = 0, .high = 2, .position = 1});
  const auto& canvas = buffer.canvas();
  // fillHeight = trunc(101 * 0.5) = 50: rows 51 to 100; the halves meet at column 10. Rows 0, 1,
  // 99 and 100 hold frame or corner pixels.
  for (int y = 2; y < 99; ++y) {
    const bool filled = y >= 51;
    for (int x = 1; x < 10; ++x) {
      ASSERT_TRUE(filled ? between(canvas.at(x, y), green.fill[0], green.fill[1])
                         : between(canvas.at(x, y), green.track[0], green.track[1]))
          << x << ',' << y;
      ASSERT_EQ(canvas.at(x, y), canvas.at(x, filled ? 98 : 2)) << "one colour a column: " << x << ',' << y;
    }
    ASSERT_EQ(canvas.at(10, y), filled ? green.fill[2] : green.track[2]) << y;
  }
  EXPECT_NE(canvas.at(1, 60), canvas.at(9, 60));  // the gradients run left to right
}

TEST(CrystalPicture, FillWidthFollowsTheFraction) {
  struct Case {
    int low, high, position;
    int firstTrackColumn;  // along the middle row; 200 when the fill reaches the right frame
  };
  const Case cases[] = {
      {0, 2, 1, 100},    {0, 100, 0, 1},     {0, 100, 100, 200}, {0, 100, 150, 200}, {0, 100, -5, 1},
      {50, 150, 100, 200}, {7, 7, 3, 200},   {7, 7, 0, 1},       {0, 100, 29, 58},
  };
  for (const Case& c : cases) {
    const PixelBuffer buffer = rendered(201, 20, {.low = c.low, .high = c.high, .position = c.position});
    int column = 1;
    while (column < 200 && buffer.canvas().at(column, 10) == green.fill[2]) ++column;
    EXPECT_EQ(column, c.firstTrackColumn) << c.low << ".." << c.high << " at " << c.position;
    for (int x = column; x < 200; ++x) ASSERT_EQ(buffer.canvas().at(x, 10), green.track[2]) << x;
  }
}

TEST(CrystalPicture, FrameWithRoundedCorners) {
  for (const bool vertical : {false, true}) {
    const int w = vertical ? 20 : 201, h = vertical ? 101 : 20;
    const PixelBuffer buffer = rendered(w, h, {.vertical = vertical, .low = 0, .high = 2, .position = 1});
    const auto& canvas = buffer.canvas();
    for (int x = 2; x < w - 2; ++x) {
      ASSERT_EQ(canvas.at(x, 0), green.frame) << x;
      ASSERT_EQ(canvas.at(x, h - 1), green.frame) << x;
    }
    for (int y = 2; y < h - 2; ++y) {
      ASSERT_EQ(canvas.at(0, y), green.frame) << y;
      ASSERT_EQ(canvas.at(w - 1, y), green.frame) << y;
    }
    for (const auto [x, y, dx, dy] : {std::array{0, 0, 1, 1}, {0, h - 1, 1, -1}, {w - 1, 0, -1, 1}, {w - 1, h - 1, -1, -1}}) {
      EXPECT_EQ(canvas.at(x, y), dialog);
      EXPECT_EQ(canvas.at(x + dx, y), dialog);
      EXPECT_EQ(canvas.at(x, y + dy), dialog);
      EXPECT_EQ(canvas.at(x + dx, y + dy), green.frame);
    }
  }
}

}  // namespace
