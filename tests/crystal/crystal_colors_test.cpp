#include "crystal/crystal_colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

namespace {

using crystal::crystalColorsOfStyle;

TEST(CrystalColors, StylesOutsideOneToSevenAreStyleOne) {
  for (const int style : {0, 8, 9, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(&crystalColorsOfStyle(style), &crystalColorsOfStyle(1)) << style;
    EXPECT_EQ(crystal::effectiveColorStyle(style), 1) << style;
  }
  for (int style = 1; style <= 7; ++style) EXPECT_EQ(crystal::effectiveColorStyle(style), style);
}

TEST(CrystalColors, ColoursAreStoredRedInTheLowestByte) {
  const crystal::CrystalColors& green = crystalColorsOfStyle(4);
  EXPECT_EQ(green.frame, 0x004ACC3Eu);     // #3ECC4A
  EXPECT_EQ(green.fill[2], 0x0046CB39u);   // #39CB46
  EXPECT_EQ(green.text, 0x00006600u);      // #006600
  EXPECT_EQ(crystalColorsOfStyle(1).track[0], 0x00FFFAFBu);  // #FBFAFF
  EXPECT_EQ(crystalColorsOfStyle(2).text, 0x000403FBu);      // #FB0304
  EXPECT_EQ(crystalColorsOfStyle(3).text, 0x00FF0066u);      // #6600FF
}

unsigned lightness(crystal::Colour colour) {
  return crystal::redOf(colour) + crystal::greenOf(colour) + crystal::blueOf(colour);
}

// Each half runs light to darker, and the second starts at the darkest colour of the four, so the
// halves meet in a sharp line: a transposed entry in the table breaks this.
TEST(CrystalColors, EveryGroupDarkensToTheMiddleAndBrightensAway) {
  for (int style = 1; style <= 7; ++style) {
    const crystal::CrystalColors& colors = crystalColorsOfStyle(style);
    for (const crystal::Colour* group : {colors.track, colors.fill}) {
      EXPECT_GE(lightness(group[0]), lightness(group[1])) << style;
      EXPECT_EQ(lightness(group[2]), std::min({lightness(group[0]), lightness(group[1]), lightness(group[2]),
                                               lightness(group[3])}))
          << style;
      EXPECT_GT(lightness(group[3]), lightness(group[2])) << style;
    }
  }
}

TEST(CrystalColors, SilverAndBlackShareTheirTrack) {
  EXPECT_TRUE(std::equal(std::begin(crystalColorsOfStyle(6).track), std::end(crystalColorsOfStyle(6).track),
                         std::begin(crystalColorsOfStyle(7).track)));
  EXPECT_NE(crystalColorsOfStyle(6).fill[2], crystalColorsOfStyle(7).fill[2]);
}

}  // namespace
