#include <windows.h>

#include <gtest/gtest.h>

#include "host/services.h"
#include "tests/support/wine_test.h"

namespace {

using host::Bytes;

// nginx serves the document root on 48443, the fault server the same root on 48444 with the
// rules the tests write; 48445 presents a certificate no trusted root signed; 48449 is closed.
const std::string nginx = "https://localhost:48443";
const std::string faults = "https://localhost:48444";
const std::string untrusted = "https://localhost:48445";
const std::string closed = "https://localhost:48449";

std::string text(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

bool contains(const std::string& line, const std::string& part) { return line.find(part) != std::string::npos; }

class Fetch : public testing::Test {
 protected:
  void SetUp() override { wtest::writeFaultRules("{}"); }
};

TEST_F(Fetch, SendsAnHttp10GetWithItsAgentAndAcceptAll) {
  wtest::writeHostFile("svn/wiki/down/ceshi.txt", "网络连接正常");
  EXPECT_EQ(text(host::fetchUrl(faults + "/svn/wiki/down/ceshi.txt")), "网络连接正常");
  const auto lines = wtest::logLines("UPDATEHOST_FAULT_LOG");
  ASSERT_FALSE(lines.empty());
  const std::string& request = lines.back();
  EXPECT_TRUE(contains(request, R"("method": "GET")")) << request;
  EXPECT_TRUE(contains(request, R"("path": "/svn/wiki/down/ceshi.txt")")) << request;
  EXPECT_TRUE(contains(request, R"("protocol": "HTTP/1.0")")) << request;
  EXPECT_TRUE(contains(request, R"x(["User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"])x")) << request;
  EXPECT_TRUE(contains(request, R"(["Accept", "*/*"])")) << request;
}

TEST_F(Fetch, NeverAnswersFromACache) {
  wtest::writeHostFile("svn/wiki/down/banben.txt", "2.0");
  EXPECT_EQ(text(host::fetchUrl(nginx + "/svn/wiki/down/banben.txt")), "2.0");
  wtest::writeHostFile("svn/wiki/down/banben.txt", "2.1");
  EXPECT_EQ(text(host::fetchUrl(nginx + "/svn/wiki/down/banben.txt")), "2.1");
  const auto lines = wtest::logLines("UPDATEHOST_NGINX_LOG");
  ASSERT_GE(lines.size(), 2u);
  EXPECT_TRUE(contains(lines.back(), R"("status": 200)") || contains(lines.back(), R"("status":200)")) << lines.back();
}

TEST_F(Fetch, ReturnsTheBodyWhateverTheStatus) {
  const std::string page = text(host::fetchUrl(nginx + "/svn/wiki/down/no-such-file.txt"));
  EXPECT_TRUE(contains(page, "404")) << page;
  wtest::writeFaultRules(R"({"/error": {"status": 500, "body_hex": "32002e30ff"}})");
  EXPECT_EQ(host::fetchUrl(faults + "/error"), (Bytes{'2', 0, '.', '0', 0xFF}));
}

TEST_F(Fetch, KeepsWhatCameBeforeACutBody) {
  wtest::writeFaultRules(R"({"/cut": {"body": "0123456789abcdefghij", "cut_after": 5}})");
  EXPECT_EQ(text(host::fetchUrl(faults + "/cut")), "01234");
}

TEST_F(Fetch, GivesNothingWhenNoBodyCame) {
  EXPECT_TRUE(host::fetchUrl(closed + "/svn/wiki/down/ceshi.txt").empty());
  EXPECT_TRUE(host::fetchUrl(untrusted + "/svn/wiki/down/ceshi.txt").empty());
  wtest::writeFaultRules(R"({"/drop": {"drop": true}})");
  EXPECT_TRUE(host::fetchUrl(faults + "/drop").empty());
  EXPECT_TRUE(host::fetchUrl("not a url").empty());
  // An unknown host: a label over 63 characters, which the resolver refuses without asking anyone.
  EXPECT_TRUE(host::fetchUrl("https://" + std::string(64, 'a') + ".example/svn/wiki/down/ceshi.txt").empty());
}

}  // namespace
