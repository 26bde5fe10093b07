#include <gtest/gtest.h>

#include "crystal/crystal_colors.h"
#include "crystal/crystal_picture.h"
#include "crystal/progress_fraction.h"

namespace {

TEST(ProgressFraction, PositionOverTheSpanClampedToZeroAndOne) {
  struct Case {
    int low, high, position;
    double fraction;
    int percent;
  };
  const Case cases[] = {
      {0, 100, 0, 0.0, 0},
      {0, 100, 100, 1.0, 100},
      {0, 100, 150, 1.0, 100},           // above the high limit: full
      {0, 100, -20, 0.0, 0},             // negative: empty
      {50, 150, 100, 1.0, 100},          // the position is not reduced by the low limit
      {0, 100, 29, 0.29, 28},            // 0.29 * 100 lies just below 29
      {0, 200, 100, 0.5, 50},
      {7, 7, 3, 1.0, 100},               // equal limits: a positive position is full
      {7, 7, 0, 0.0, 0},
      {7, 7, -3, 0.0, 0},
      {100, 0, 50, 0.0, 0},              // a reversed span makes the fraction negative
      {0, 100000000, 100000001, 1.00000001, 100},  // within the tolerance: kept as it is
      {0, 100000000, -1, -0.00000001, 0},
  };
  for (const Case& c : cases) {
    const double fraction = crystal::progressFraction(c.low, c.high, c.position);
    EXPECT_DOUBLE_EQ(fraction, c.fraction) << c.low << ".." << c.high << " at " << c.position;
    EXPECT_EQ(crystal::percentOf(fraction), c.percent) << c.low << ".." << c.high << " at " << c.position;
  }
}

TEST(Caption, TextStylesPickTheCaption) {
  struct Case {
    int textStyle;
    int low, high, position;
    const char* expected;
  };
  const Case cases[] = {
      {1, 0, 100, 29, "完成："},
      {2, 0, 100, 29, "29"},
      {2, -100, 100, -50, "-50"},  // the raw position, sign and all, on an empty bar
      {3, 0, 100, 29, "28%"},
      {3, 0, 100, 0, "0%"},
      {3, 0, 100, 100, "100%"},
      {3, 0, 100, 250, "100%"},
      {3, -100, 100, -50, "0%"},
      {4, 50, 150, 60, "完成：60"},
      {5, 0, 100, 29, "完成：28%"},
      {0, 0, 100, 29, ""},
      {-1, 0, 100, 29, ""},
      {6, 0, 100, 29, ""},
      {7, 0, 100, 29, ""},
  };
  for (const Case& c : cases) {
    const crystal::CrystalBarState bar{
        .low = c.low, .high = c.high, .position = c.position, .textStyle = c.textStyle, .caption = "完成："};
    const auto plan = crystal::captionPlan(bar, 100, 20);
    EXPECT_EQ(plan ? plan->text : "", c.expected) << "style " << c.textStyle << " at " << c.position;
  }
}

TEST(Caption, NothingStoredLeavesOnlyTheNumbers) {
  EXPECT_FALSE(crystal::captionPlan({.position = 7, .textStyle = 1}, 100, 20));
  const auto plan = crystal::captionPlan({.position = 7, .textStyle = 4}, 100, 20);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->text, "7");
}

// The rim lies one pixel below and to the right of the text, in the track's lightest colour.
TEST(Caption, RimThenTextInsideTheFrame) {
  const crystal::CrystalColors& gold = crystal::crystalColorsOfStyle(5);
  const auto plan = crystal::captionPlan({.colors = gold, .textStyle = 3}, 380, 40);
  ASSERT_TRUE(plan);
  EXPECT_EQ(plan->rim.left, 3);
  EXPECT_EQ(plan->rim.top, 3);
  EXPECT_EQ(plan->rim.right, 379);
  EXPECT_EQ(plan->rim.bottom, 39);
  EXPECT_EQ(plan->rimColour, gold.track[0]);
  EXPECT_EQ(plan->face.left, 2);
  EXPECT_EQ(plan->face.top, 2);
  EXPECT_EQ(plan->face.right, 378);
  EXPECT_EQ(plan->face.bottom, 38);
  EXPECT_EQ(plan->faceColour, gold.text);
}

}  // namespace
