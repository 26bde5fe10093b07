#include "updater/download_request.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* fixedLines =
    "Accept: */*\r\n"
    "Accept-Language: zh-cn\r\n"
    "Accept-Encoding: gzip, deflate\r\n"
    "User-Agent: Mozilla/4.0(compatible; MSIE 6.0; Windows NT 5.0; MyIE2; .NET CLR 1.1.4322)";

TEST(RequestHeaders, AFreshDownloadSendsTheFixedLinesWithNoLineBreakAfterTheLast) {
  EXPECT_EQ(updater::requestHeaders(false, 0), fixedLines);
  EXPECT_EQ(updater::requestHeaders(false, 12345), fixedLines);
}

TEST(RequestHeaders, AResumeAddsAnOpenRangeFromTheOffset) {
  EXPECT_EQ(updater::requestHeaders(true, 1048576), std::string(fixedLines) + "\r\nRange:bytes=1048576-");
  EXPECT_EQ(updater::requestHeaders(true, 0), std::string(fixedLines) + "\r\nRange:bytes=0-");
  EXPECT_EQ(updater::requestHeaders(true, 2147483647), std::string(fixedLines) + "\r\nRange:bytes=2147483647-");
}

TEST(AgentName, IsAgentAndTheTickInDecimal) {
  EXPECT_EQ(updater::agentName(0), "Agent0");
  EXPECT_EQ(updater::agentName(4294967295u), "Agent4294967295");
}

}  // namespace
