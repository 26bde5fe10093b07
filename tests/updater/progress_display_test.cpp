#include "updater/progress_display.h"

#include <gtest/gtest.h>

namespace {

using namespace updater;

TEST(ProgressDisplay, KilobytesRoundedToTwoPlaces) {
  struct Case {
    std::int32_t bytes;
    const char* shown;
  };
  const Case cases[] = {{1536, "1.5"}, {1000, "0.98"}, {2048, "2"}, {0, "0"}, {1024 * 1024 * 256, "262144"},
                        {5, "0"}, {1023, "1"}, {10245, "10"}};
  for (const auto& c : cases) {
    EXPECT_EQ(formatNumber(roundTo(c.bytes / 1024.0, 2)), c.shown) << c.bytes;
  }
}

TEST(ProgressDisplay, RoundsHalfAwayFromZero) {
  EXPECT_EQ(roundTo(0.125, 2), 0.13);
  EXPECT_EQ(roundTo(-0.125, 2), -0.13);
  EXPECT_EQ(roundTo(2.5, 0), 3.0);
}

TEST(ProgressDisplay, TheLabelInTwoSteps) {
  EXPECT_EQ(sizeText(1536), "  文件大小:1.5KB  ");
  EXPECT_EQ(sizeText(1536) + doneText(1000), "  文件大小:1.5KB  已下载:0.98KB  ");
  EXPECT_EQ(sizeText(0) + doneText(2048), "  文件大小:0KB  已下载:2KB  ");
}

TEST(ProgressDisplay, PositionOnTheTenThousandScale) {
  EXPECT_EQ(progressPosition(10240, 5120), 5000);
  EXPECT_EQ(progressPosition(3, 1), 3333);  // truncated
  EXPECT_EQ(progressPosition(0, 5000), 0);  // no length: no usable position
  EXPECT_EQ(progressPosition(10240, 10240), 10000);
  // A resume whose length counts only the rest: beyond the range, which the bar clamps.
  EXPECT_EQ(progressPosition(1000, 3000), 30000);
  EXPECT_EQ(progressPosition(1, 2147483647), 2147483647);
}

}  // namespace
