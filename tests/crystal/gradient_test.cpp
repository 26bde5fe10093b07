#include "crystal/gradient.h"

#include <gtest/gtest.h>

namespace {

using crystal::Colour;
using crystal::fillGradientRect;
using crystal::PixelBuffer;
using crystal::rgb;

constexpr Colour black = rgb(0, 0, 0), white = rgb(255, 255, 255), untouched = rgb(1, 2, 3);

PixelBuffer blank(int width, int height) {
  PixelBuffer buffer(width, height);
  buffer.canvas().fill({0, 0, width, height}, untouched);
  return buffer;
}

TEST(Gradient, VerticesCarryEachChannelInTheHighByte) {
  const crystal::GradientVertex white = crystal::gradientVertex(10, 4, rgb(255, 255, 255));
  EXPECT_EQ(white.x, 10);
  EXPECT_EQ(white.y, 4);
  EXPECT_EQ(white.red, 0xFF00);
  EXPECT_EQ(white.green, 0xFF00);
  EXPECT_EQ(white.blue, 0xFF00);
  EXPECT_EQ(white.alpha, 0);
  const crystal::GradientVertex mixed = crystal::gradientVertex(0, 0, rgb(0x12, 0x34, 0x56));
  EXPECT_EQ(mixed.red, 0x1200);
  EXPECT_EQ(mixed.green, 0x3400);
  EXPECT_EQ(mixed.blue, 0x5600);
  EXPECT_EQ(crystal::gradientVertex(0, 0, black).red, 0x0000);
}

TEST(Gradient, TopToBottomPaintsEachRowOneColourLighteningDownward) {
  PixelBuffer buffer = blank(10, 4);
  auto& canvas = buffer.canvas();
  fillGradientRect(canvas, 0, 0, 10, 4, black, white, crystal::topToBottom);
  // The far edge is approached, never reached: row y of 4 blends 0xFF00 * y / 4.
  const unsigned rows[] = {0x00, 0x3F, 0x7F, 0xBF};
  for (int y = 0; y < 4; ++y) {
    for (int x = 0; x < 10; ++x) EXPECT_EQ(canvas.at(x, y), rgb(rows[y], rows[y], rows[y])) << x << ',' << y;
  }
}

TEST(Gradient, AnyOtherDirectionPaintsEachColumnOneColour) {
  for (const int direction : {crystal::leftToRight, 7, -1}) {
    PixelBuffer buffer = blank(6, 3);
    auto& canvas = buffer.canvas();
    fillGradientRect(canvas, 1, 0, 5, 3, rgb(0, 0, 255), rgb(255, 0, 0), direction);
    const unsigned reds[] = {0x00, 0x3F, 0x7F, 0xBF}, blues[] = {0xFF, 0xBF, 0x7F, 0x3F};
    for (int y = 0; y < 3; ++y) {
      EXPECT_EQ(canvas.at(0, y), untouched);
      EXPECT_EQ(canvas.at(5, y), untouched);
      for (int x = 1; x < 5; ++x) EXPECT_EQ(canvas.at(x, y), rgb(reds[x - 1], 0, blues[x - 1])) << direction;
    }
  }
}

TEST(Gradient, EmptyOrOutsideRectanglesPaintNothing) {
  struct Case {
    int x1, y1, x2, y2;
  };
  const Case cases[] = {{3, 0, 3, 4}, {0, 2, 5, 2}, {5, 0, 2, 4}, {0, 4, 5, 1}, {-5, 0, 0, 4}, {5, 4, 9, 8}};
  for (const Case& c : cases) {
    for (const int direction : {crystal::topToBottom, crystal::leftToRight}) {
      PixelBuffer buffer = blank(5, 4);
      fillGradientRect(buffer.canvas(), c.x1, c.y1, c.x2, c.y2, black, white, direction);
      for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 5; ++x) ASSERT_EQ(buffer.canvas().at(x, y), untouched) << c.x1 << ',' << c.y1;
      }
    }
  }
}

// A rectangle larger than the picture keeps its own blend; only its visible part is painted.
TEST(Gradient, ClippedRectangleKeepsItsBlend) {
  PixelBuffer buffer = blank(3, 2);
  auto& canvas = buffer.canvas();
  fillGradientRect(canvas, -1, -2, 4, 6, black, white, crystal::topToBottom);
  EXPECT_EQ(canvas.at(0, 0), rgb(0x3F, 0x3F, 0x3F));  // row 2 of 8
  EXPECT_EQ(canvas.at(2, 1), rgb(0x5F, 0x5F, 0x5F));  // row 3 of 8
  fillGradientRect(canvas, -2, 0, 6, 2, black, white, crystal::leftToRight);
  EXPECT_EQ(canvas.at(0, 1), rgb(0x3F, 0x3F, 0x3F));
  EXPECT_EQ(canvas.at(2, 0), rgb(0x7F, 0x7F, 0x7F));
}

}  // namespace
