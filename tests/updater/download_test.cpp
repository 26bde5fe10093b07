#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <thread>

#include "host/wide_win32.h"
#include "tests/support/wine_test.h"
#include "tests/updater/message_boxes_win32.h"
#include "tests/updater/scratch_win32.h"
#include "updater/download_win32.h"

namespace {

using updater_test::MessageBoxRecorder;
using updater_test::readAll;
using updater_test::ShownBox;
using updater_test::writeAll;

// nginx serves the document root on 48450, the fault server the same root on 48451 with the rules the
// tests write; 48452 presents a certificate no trusted root signed; nothing listens on 48459.
const std::string nginx = "https://localhost:48450";
const std::string faults = "https://localhost:48451";
const std::string untrusted = "https://localhost:48452";
const std::string closed = "https://localhost:48459";
const std::string packageUrlPath = "/svn/wiki/down/lumox.zip";

constexpr std::int32_t blockSize = 10240;

const ShownBox cannotOpenUrl{L"信息：", L"不能打开该URL!"};
const ShownBox readFailed{L"信息：", L"读文件出错!"};
const ShownBox cannotOpenLocalFile{L"信息：", L"不能打开本地的文件!"};

struct Call {
  std::int32_t total, done, elapsedMs, doneThisRun;
};

struct Outcome {
  int result = 0;
  std::vector<Call> calls;
  std::vector<ShownBox> boxes;
};

// A few megabytes whose size is no multiple of the block size.
const std::string& package() {
  static const std::string bytes = [] {
    std::mt19937 random(7);
    std::string made(5 * 1024 * 1024 + 1234, '\0');
    for (char& byte : made) byte = static_cast<char>(random());
    return made;
  }();
  return bytes;
}

std::int32_t packageSize() { return static_cast<std::int32_t>(package().size()); }

bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string lastLine(const char* logVariable) {
  const auto lines = wtest::logLines(logVariable);
  return lines.empty() ? std::string() : lines.back();
}

// Every block is reported once, in order, and each report agrees with the one before it.
void expectConsistentCalls(const std::vector<Call>& calls, std::int32_t total, std::int32_t firstDone,
                           std::int32_t base) {
  ASSERT_FALSE(calls.empty());
  std::int32_t done = firstDone;
  for (const Call& call : calls) {
    EXPECT_EQ(call.total, total);
    EXPECT_GT(call.done, done);
    EXPECT_LE(call.done - done, blockSize);
    EXPECT_EQ(call.doneThisRun, call.done - base);
    EXPECT_GT(call.elapsedMs, 0);
    done = call.done;
  }
}

class Download : public testing::Test {
 protected:
  static void SetUpTestSuite() { wtest::writeHostFile("svn/wiki/down/lumox.zip", package()); }

  void SetUp() override {
    folder_ = updater_test::freshFolder(L"updater_download");
    local_ = folder_ + L"\\lumox.zip.tmp";
    wtest::writeFaultRules("{}");
  }

  Outcome download(const std::string& url, std::int32_t offset, bool resume, updater::DownloadStop* stop = nullptr,
                   const std::function<void(const Call&)>& onBlock = {}) {
    Outcome outcome;
    MessageBoxRecorder boxes;
    outcome.result = updater::downloadFile(
        url, host::narrow(local_),
        [&](std::int32_t total, std::int32_t done, std::int32_t elapsedMs, std::int32_t doneThisRun) {
          outcome.calls.push_back({total, done, elapsedMs, doneThisRun});
          if (onBlock) onBlock(outcome.calls.back());
        },
        offset, resume ? 1 : 0, stop);
    outcome.boxes = boxes.shown();
    return outcome;
  }

  std::string local() const { return readAll(local_); }
  void writeLocal(const std::string& bytes) const { writeAll(local_, bytes); }

  std::wstring folder_;
  std::wstring local_;
};

TEST_F(Download, AFreshDownloadEmptiesAnExistingFileAndEndsByteIdentical) {
  writeLocal(std::string(6 * 1024 * 1024, 'x'));
  const Outcome outcome = download(nginx + packageUrlPath, 0, false);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(outcome.boxes.empty());
  EXPECT_TRUE(local() == package()) << "the local file differs: " << local().size() << " bytes";
  expectConsistentCalls(outcome.calls, packageSize(), 0, 0);
  EXPECT_EQ(outcome.calls.back().done, packageSize());
  const std::string request = lastLine("UPDATEHOST_NGINX_LOG");
  EXPECT_TRUE(contains(request, R"("range":"")")) << request;
  EXPECT_TRUE(contains(request, R"("status":200)")) << request;
}

// The header block's lines reach the server in order, as one run; WinINet adds its own around them.
TEST_F(Download, SendsTheHeaderBlockAndARangeOnlyWhenResuming) {
  const std::string block =
      R"(["Accept", "*/*"], ["Accept-Language", "zh-cn"], ["Accept-Encoding", "gzip, deflate"], )"
      R"x(["User-Agent", "Mozilla/4.0(compatible; MSIE 6.0; Windows NT 5.0; MyIE2; .NET CLR 1.1.4322)"])x";
  download(faults + packageUrlPath, 0, false);
  const std::string fresh = lastLine("UPDATEHOST_FAULT_LOG");
  EXPECT_TRUE(contains(fresh, block + "]") || contains(fresh, block + R"(, ["Host")")) << fresh;
  EXPECT_FALSE(contains(fresh, R"(["Range")")) << fresh;
  EXPECT_TRUE(contains(fresh, R"(["Pragma", "no-cache"])")) << fresh;

  writeLocal(package().substr(0, 4321));
  download(faults + packageUrlPath, 4321, true);
  const std::string resumed = lastLine("UPDATEHOST_FAULT_LOG");
  EXPECT_TRUE(contains(resumed, block + R"(, ["Range", "bytes=4321-"])")) << resumed;
  EXPECT_TRUE(contains(resumed, R"("method": "GET", "path": "/svn/wiki/down/lumox.zip")")) << resumed;
}

TEST_F(Download, AResumeAsksForTheRestAndAppendsIt) {
  const std::int32_t offset = 1000003;
  writeLocal(package().substr(0, offset));
  const Outcome outcome = download(nginx + packageUrlPath, offset, true);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(outcome.boxes.empty());
  EXPECT_TRUE(local() == package()) << "the local file differs: " << local().size() << " bytes";
  expectConsistentCalls(outcome.calls, packageSize(), offset, offset);
  EXPECT_EQ(outcome.calls.back().done, packageSize());
  const std::string request = lastLine("UPDATEHOST_NGINX_LOG");
  EXPECT_TRUE(contains(request, R"("range":"bytes=1000003-")")) << request;
  EXPECT_TRUE(contains(request, R"("status":206)")) << request;
}

TEST_F(Download, AResumeWithoutAFileCreatesItAndStillSendsTheRange) {
  const Outcome outcome = download(nginx + packageUrlPath, 0, true);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(local() == package()) << "the local file differs: " << local().size() << " bytes";
  expectConsistentCalls(outcome.calls, packageSize(), 0, 0);
  const std::string request = lastLine("UPDATEHOST_NGINX_LOG");
  EXPECT_TRUE(contains(request, R"("range":"bytes=0-")")) << request;
}

TEST_F(Download, AResumeOfACompleteFileStoresNothing) {
  writeLocal(package());
  const Outcome outcome = download(nginx + packageUrlPath, packageSize(), true);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(outcome.boxes.empty());
  EXPECT_TRUE(outcome.calls.empty());
  EXPECT_TRUE(local() == package()) << "the local file changed: " << local().size() << " bytes";
  EXPECT_TRUE(contains(lastLine("UPDATEHOST_NGINX_LOG"), R"("status":416)"));
}

TEST_F(Download, WithoutContentLengthTheTotalIsNoughtAndTheBodyRunsToItsEnd) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/lumox.zip": {"no_content_length": true}})");
  const Outcome outcome = download(faults + packageUrlPath, 0, false);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(outcome.boxes.empty());
  EXPECT_TRUE(local() == package()) << "the local file differs: " << local().size() << " bytes";
  expectConsistentCalls(outcome.calls, 0, 0, 0);
}

// A server that ignores the range sends the whole file: it replaces the partial bytes.
TEST_F(Download, AResumeAnsweredWithTheWholeFileStartsOver) {
  const std::int32_t offset = 700000;
  writeLocal(package().substr(0, offset));
  wtest::writeFaultRules(R"({"/svn/wiki/down/lumox.zip": {"ignore_range": true}})");
  const Outcome outcome = download(faults + packageUrlPath, offset, true);
  EXPECT_EQ(outcome.result, 0);
  EXPECT_TRUE(outcome.boxes.empty());
  EXPECT_TRUE(local() == package()) << "the local file differs: " << local().size() << " bytes";
  expectConsistentCalls(outcome.calls, packageSize(), 0, 0);
  EXPECT_EQ(outcome.calls.back().done, packageSize());
}

struct BodyCut {
  const char* rule;
  bool exactlyKept;  // a clean close delivers every byte sent; a reset may lose some (slow sending keeps
                     // the headers from being among them)
};

TEST_F(Download, ABodyCutShortFailsKeepsWhatCameAndALaterResumeCompletesIt) {
  for (const BodyCut cut :
       {BodyCut{R"({"cut_after": 300000})", true},
        BodyCut{R"({"cut_after": 300000, "cut_mode": "reset", "chunk_size": 10240, "chunk_delay_ms": 5})", false}}) {
    SCOPED_TRACE(cut.rule);
    DeleteFileW(local_.c_str());
    wtest::writeFaultRules(std::string(R"({"/svn/wiki/down/lumox.zip": )") + cut.rule + "}");
    const Outcome cutShort = download(faults + packageUrlPath, 0, false);
    EXPECT_EQ(cutShort.result, -1);
    EXPECT_EQ(cutShort.boxes, std::vector<ShownBox>{readFailed});
    const std::string kept = local();
    if (cut.exactlyKept) {
      EXPECT_EQ(kept.size(), 300000u);
    }
    EXPECT_LE(kept.size(), 300000u);
    EXPECT_TRUE(kept == package().substr(0, kept.size()));

    wtest::writeFaultRules("{}");
    const auto offset = static_cast<std::int32_t>(kept.size());
    const Outcome resumed = download(faults + packageUrlPath, offset, true);
    EXPECT_EQ(resumed.result, 0);
    EXPECT_TRUE(resumed.boxes.empty());
    EXPECT_TRUE(local() == package()) << "the local file differs: " << local().size() << " bytes";
  }
}

// A part that does not start where the partial file ends is never appended.
TEST_F(Download, APartFromAnotherOffsetFailsAndLeavesTheFileAlone) {
  const std::int32_t offset = 500000;
  for (const char* shift : {"-100", "100"}) {
    SCOPED_TRACE(shift);
    writeLocal(package().substr(0, offset));
    wtest::writeFaultRules(std::string(R"({"/svn/wiki/down/lumox.zip": {"range_offset_shift": )") + shift + "}}");
    const Outcome outcome = download(faults + packageUrlPath, offset, true);
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(outcome.boxes, std::vector<ShownBox>{cannotOpenUrl});
    EXPECT_TRUE(outcome.calls.empty());
    EXPECT_TRUE(local() == package().substr(0, offset));
  }
}

struct ErrorAnswer {
  const char* what;
  std::string url;
  bool resume;
};

// An error page is never stored: neither written over the file nor appended to it.
TEST_F(Download, AnErrorStatusFailsAndLeavesTheFileAlone) {
  wtest::writeFaultRules(R"({"/forbidden": {"status": 403}, "/broken": {"status": 500, "body": "broken"},
                             "/busy": {"status": 503}})");
  const ErrorAnswer answers[] = {
      {"not found", nginx + "/svn/wiki/down/missing.zip", false},
      {"not found on a resume", nginx + "/svn/wiki/down/missing.zip", true},
      {"forbidden", faults + "/forbidden", true},
      {"a server error", faults + "/broken", false},
      {"unavailable", faults + "/busy", true},
  };
  const std::string partial = "the partial file";
  for (const ErrorAnswer& answer : answers) {
    SCOPED_TRACE(answer.what);
    writeLocal(partial);
    const Outcome outcome = download(answer.url, static_cast<std::int32_t>(partial.size()), answer.resume);
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(outcome.boxes, std::vector<ShownBox>{cannotOpenUrl});
    EXPECT_TRUE(outcome.calls.empty());
    EXPECT_EQ(local(), partial);
  }
}

// A label longer than 63 bytes is no name the resolver asks about: no query leaves the machine.
TEST_F(Download, AServerThatCannotBeReachedOrTrustedFailsAndLeavesTheFileAlone) {
  const std::string unknownHost = "https://" + std::string(64, 'u') + ".example" + packageUrlPath;
  for (const std::string& url : {closed + packageUrlPath, unknownHost, untrusted + packageUrlPath}) {
    SCOPED_TRACE(url);
    writeLocal("old");
    const Outcome outcome = download(url, 3, true);
    EXPECT_EQ(outcome.result, -1);
    EXPECT_EQ(outcome.boxes, std::vector<ShownBox>{cannotOpenUrl});
    EXPECT_EQ(local(), "old");
  }
}

TEST_F(Download, ALocalFileThatCannotBeOpenedFails) {
  local_ = folder_ + L"\\no such folder\\lumox.zip.tmp";
  const Outcome outcome = download(nginx + packageUrlPath, 0, false);
  EXPECT_EQ(outcome.result, -1);
  EXPECT_EQ(outcome.boxes, std::vector<ShownBox>{cannotOpenLocalFile});
  EXPECT_TRUE(outcome.calls.empty());
}

TEST_F(Download, AStopRequestedBeforehandEndsItQuietlyAndTouchesNothing) {
  writeLocal("old");
  const auto requestsBefore = wtest::logLines("UPDATEHOST_NGINX_LOG").size();
  updater::DownloadStop stop;
  stop.request();
  const Outcome outcome = download(nginx + packageUrlPath, 0, false, &stop);
  EXPECT_EQ(outcome.result, -1);
  EXPECT_TRUE(outcome.boxes.empty());
  EXPECT_TRUE(outcome.calls.empty());
  EXPECT_EQ(local(), "old");
  EXPECT_EQ(wtest::logLines("UPDATEHOST_NGINX_LOG").size(), requestsBefore);
}

TEST_F(Download, AStopBetweenBlocksEndsItQuietlyWithTheBlocksWritten) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/lumox.zip": {"chunk_size": 10240, "chunk_delay_ms": 50}})");
  updater::DownloadStop stop;
  const Outcome outcome = download(faults + packageUrlPath, 0, false, &stop, [&](const Call& call) {
    if (call.done >= 3 * blockSize) stop.request();
  });
  EXPECT_EQ(outcome.result, -1);
  EXPECT_TRUE(outcome.boxes.empty());
  ASSERT_FALSE(outcome.calls.empty());
  EXPECT_EQ(static_cast<std::int32_t>(local().size()), outcome.calls.back().done);
  EXPECT_LT(outcome.calls.back().done, 5 * blockSize);
}

// The server sends one block, then waits. On Windows the stop's closing of the session cuts the waiting
// read short; Wine lets it wait for the next block. Either way nothing more is written, nothing shown.
TEST_F(Download, AStopFromAnotherThreadWhileAReadWaitsWritesNothingMore) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/lumox.zip": {"chunk_size": 10240, "chunk_delay_ms": 2000}})");
  updater::DownloadStop stop;
  std::thread stopper;
  const Outcome outcome = download(faults + packageUrlPath, 0, false, &stop, [&](const Call&) {
    if (!stopper.joinable())
      stopper = std::thread([&] {
        Sleep(300);
        stop.request();
      });
  });
  stopper.join();
  EXPECT_EQ(outcome.result, -1);
  EXPECT_TRUE(outcome.boxes.empty());
  ASSERT_EQ(outcome.calls.size(), 1u);
  EXPECT_EQ(local().size(), static_cast<std::size_t>(blockSize));
}

}  // namespace
