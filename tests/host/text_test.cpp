#include "host/text.h"

#include <gtest/gtest.h>

namespace {

using host::Bytes;

TEST(BytesToText, EndsAtTheFirstZeroByte) {
  struct Case {
    Bytes bytes;
    std::string text;
  };
  const Case cases[] = {
      {{}, ""},
      {{'2', '.', '0'}, "2.0"},
      {{'2', '.', '0', 0, 'x', 'y'}, "2.0"},
      {{0, '2'}, ""},
      {{'2', '.', '0', '\r', '\n'}, "2.0\r\n"},
      {{0xCD, 0xF8, 0xC2, 0xE7}, "\xCD\xF8\xC2\xE7"},
  };
  for (const auto& c : cases) EXPECT_EQ(host::bytesToText(c.bytes), c.text);
}

TEST(Texts, LiteralsAreGbkBytes) {
  // The build turns every literal into code page 936: "网络连接正常" is 12 bytes.
  EXPECT_EQ(std::string("网络连接正常"), "\xCD\xF8\xC2\xE7\xC1\xAC\xBD\xD3\xD5\xFD\xB3\xA3");
}

}  // namespace
