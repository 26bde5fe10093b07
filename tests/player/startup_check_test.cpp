#include "player/startup_check.h"

#include <gtest/gtest.h>

#include "host/text.h"

namespace {

host::Text bodyText(std::initializer_list<unsigned char> bytes) { return host::bytesToText(host::Bytes(bytes)); }
host::Text bodyText(const char* text) { return host::bytesToText(host::textToBytes(text)); }

TEST(ProbePassed, OnlyTheExactTestText) {
  EXPECT_TRUE(probePassed(bodyText("网络连接正常")));
  EXPECT_TRUE(probePassed(bodyText({0xCD, 0xF8, 0xC2, 0xE7, 0xC1, 0xAC, 0xBD, 0xD3, 0xD5, 0xFD, 0xB3, 0xA3, 0, 'x'})));
  for (const char* body : {"网络连接正常\n", "网络连接正常\r\n", " 网络连接正常", "网络连接", "", "<html>404</html>"}) {
    EXPECT_FALSE(probePassed(bodyText(body))) << body;
  }
}

TEST(VersionsAgree, ByteForByteUpToTheFirstZero) {
  struct Case {
    host::Text remote;
    bool current;
  };
  const Case cases[] = {
      {bodyText("2.0"), true},
      {bodyText({'2', '.', '0', 0, '9', '9'}), true},
      {bodyText("2.0\n"), false},
      {bodyText("2.0\r\n"), false},
      {bodyText(" 2.0"), false},
      {bodyText("1.9"), false},
      {bodyText("2.1"), false},
      {bodyText("2.00"), false},
      {bodyText(""), false},  // a failed fetch
      {bodyText("<html><body>404 Not Found</body></html>"), false},
  };
  for (const auto& c : cases) EXPECT_EQ(versionsAgree("2.0", c.remote), c.current) << c.remote;
}

}  // namespace
