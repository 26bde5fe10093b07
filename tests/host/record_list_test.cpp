#include "host/record_list.h"

#include <gtest/gtest.h>

namespace {

TEST(RecordList, PositionsCountFromOne) {
  host::RecordList<int> list;
  EXPECT_EQ(list.size(), 0);
  list.append(10);
  list.append(20);
  EXPECT_EQ(list.size(), 2);
  EXPECT_EQ(list.at(1), 10);
  EXPECT_EQ(list.at(2), 20);
}

TEST(RecordListDeathTest, APositionOutsideTheListEndsTheProgramWithMinusOne) {
  host::RecordList<int> list;
  list.append(10);
  for (const int position : {0, 2, -1}) {
    EXPECT_EXIT(list.at(position), testing::ExitedWithCode(255), "") << position;
  }
}

}  // namespace
