#include "updater/download_progress.h"

#include <gtest/gtest.h>

namespace {

using updater::Progress;
using updater::ProgressCounter;

TEST(ProgressCounter, CountsFromTheOffsetAndTheStartTick) {
  ProgressCounter counter(50000, 20000, 1000);
  EXPECT_EQ(counter.add(10240, 1250), (Progress{50000, 30240, 250, 10240}));
  EXPECT_EQ(counter.add(4000, 1300), (Progress{50000, 34240, 300, 14240}));
  EXPECT_EQ(counter.receivedThisRun(), 14240);
}

TEST(ProgressCounter, ANoughtElapsedTimeIsReportedAsTen) {
  ProgressCounter counter(0, 0, 777);
  EXPECT_EQ(counter.add(10240, 777), (Progress{0, 10240, 10, 10240}));
  EXPECT_EQ(counter.add(10240, 778), (Progress{0, 20480, 1, 20480}));
}

TEST(ProgressCounter, SurvivesTheTickWrapping) {
  ProgressCounter counter(100, 0, 0xFFFFFFF0u);
  EXPECT_EQ(counter.add(1, 0x10u).elapsedMs, 0x20);
}

TEST(ProgressCounter, PassesTheLow32BitsOfLargeCounts) {
  const std::int64_t fourGigabytes = std::int64_t{1} << 32;
  ProgressCounter counter(fourGigabytes + 5, fourGigabytes - 10, 0);
  EXPECT_EQ(counter.add(20, 5), (Progress{5, 10, 5, 20}));
  EXPECT_EQ(counter.receivedThisRun(), 20);
}

}  // namespace
