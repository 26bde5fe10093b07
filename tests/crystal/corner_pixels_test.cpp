#include "crystal/corner_pixels.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using crystal::rgb;

constexpr crystal::Colour outer = rgb(200, 200, 200), inner = rgb(0, 0, 255), background = rgb(9, 9, 9);

// The picture as one letter a pixel: o outer, i inner, . untouched.
std::string letters(const crystal::PixelCanvas& canvas) {
  std::string rows;
  for (int y = 0; y < canvas.height(); ++y) {
    for (int x = 0; x < canvas.width(); ++x) {
      const crystal::Colour colour = canvas.at(x, y);
      rows += colour == outer ? 'o' : colour == inner ? 'i' : colour == background ? '.' : '?';
    }
    rows += '\n';
  }
  return rows;
}

std::string paintedCorners(int w, int h) {
  crystal::PixelBuffer buffer(w, h);
  buffer.canvas().fill({0, 0, w, h}, background);
  crystal::paintCornerPixels(buffer.canvas(), w, h, outer, inner);
  return letters(buffer.canvas());
}

TEST(CornerPixels, RoundAOnePixelFrame) {
  EXPECT_EQ(paintedCorners(6, 5),
            "oo..oo\n"
            "oi..io\n"
            "......\n"
            "oi..io\n"
            "oo..oo\n");
}

// Top-left, bottom-left, top-right, bottom-right: the last corner's inner pixel lands on (0, 0).
TEST(CornerPixels, LaterCornersOverwriteEarlierOnesOnATinyPicture) {
  EXPECT_EQ(paintedCorners(2, 2),
            "io\n"
            "oo\n");
  EXPECT_EQ(paintedCorners(1, 1), "o\n");  // everything else falls outside
}

}  // namespace
