#include "host/message_box_style.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageBoxStyle, TaskModalUnlessSystemModal) {
  EXPECT_EQ(host::messageBoxStyle(0), 0x2000u);
  EXPECT_EQ(host::messageBoxStyle(64), 0x2040u);
  EXPECT_EQ(host::messageBoxStyle(36), 0x2024u);
  EXPECT_EQ(host::messageBoxStyle(0x1000), 0x1000u);
  EXPECT_EQ(host::messageBoxStyle(0x1040), 0x1040u);
  EXPECT_EQ(host::messageBoxStyle(0x2000), 0x2000u);
}

TEST(MessageBoxResult, ButtonsCountFromZero) {
  // IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO
  for (int id = 1; id <= 7; ++id) EXPECT_EQ(host::messageBoxResult(id), id - 1);
}

}  // namespace
