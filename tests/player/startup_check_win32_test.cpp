// The start-up check seen from outside: the real player under Wine, the local update host and its
// request log, the files in the player's folder, the windows that show and the exit code.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/wide_win32.h"
#include "tests/support/program_names.h"
#include "tests/support/programs.h"
#include "tests/support/wine_test.h"

namespace {

using wtest::playerCaption;
using wtest::playerFile;
using wtest::updaterCaption;
using wtest::updaterFile;

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// How a start of the player went.
struct Start {
  DWORD exitCode = STILL_ACTIVE;
  bool windowShown = false;
  bool updaterShown = false;
  bool messageShown = false;
};

const std::string unreachable = "网络连接失败,请检查网络，退出从新开启播放器";

class StartupCheck : public testing::Test {
 protected:
  void SetUp() override {
    wtest::writeFaultRules("{}");
    wtest::serveVersion("2.0");
    folder_ = wtest::freshFolder(L"player_check");
    player_ = wtest::installProgram(playerFile, folder_);
  }
  void TearDown() override { wtest::endProgramsWithWindow(updaterCaption); }

  std::wstring updaterPath() const { return folder_ + L"\\" + updaterFile; }

  // Runs the player until it ends by itself, watching its main window and the updater's.
  Start runToEnd() const {
    wtest::RunningProgram player(player_);
    Start start;
    wtest::pumpUntil(
        [&] {
          const HWND window = wtest::findWindowOf(player.id(), playerCaption);
          start.windowShown = start.windowShown || (window && IsWindowVisible(window));
          start.updaterShown = start.updaterShown || FindWindowW(nullptr, updaterCaption.c_str()) != nullptr;
          start.messageShown = start.messageShown || wtest::findMessageBox(player.id()) != nullptr;
          return !player.running();
        },
        20000);
    start.exitCode = player.waitForExit(0);
    if (!start.updaterShown) {
      start.updaterShown = wtest::pumpUntil([] { return FindWindowW(nullptr, updaterCaption.c_str()) != nullptr; }, 3000);
    }
    return start;
  }

  std::wstring folder_;
  std::wstring player_;
};

TEST_F(StartupCheck, FetchesVersionTestAndVersionAsAnHttp10Get) {
  const std::size_t before = wtest::logLines("UPDATEHOST_FAULT_LOG").size();
  wtest::RunningProgram player(player_);
  ASSERT_NE(player.waitForWindow(playerCaption), nullptr);
  const auto lines = wtest::logLines("UPDATEHOST_FAULT_LOG");
  const char* paths[] = {"/svn/wiki/down/banben.txt", "/svn/wiki/down/ceshi.txt", "/svn/wiki/down/banben.txt"};
  std::size_t next = before;
  for (const char* path : paths) {
    // The browser's own request for the home page may come in between.
    while (next < lines.size() && lines[next].find("/svn/wiki/down/") == std::string::npos) ++next;
    ASSERT_LT(next, lines.size()) << path;
    const std::string& line = lines[next++];
    EXPECT_NE(line.find(std::string(R"("path": ")") + path + "\""), std::string::npos) << line;
    EXPECT_NE(line.find(R"("protocol": "HTTP/1.0")"), std::string::npos) << line;
    EXPECT_NE(line.find(R"x(["User-Agent", "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)"])x"), std::string::npos)
        << line;
    EXPECT_NE(line.find(R"(["Accept", "*/*"])"), std::string::npos) << line;
  }
}

TEST_F(StartupCheck, CurrentShowsTheWindowAndDeletesAnOldUpdater) {
  for (const char* rules : {R"({})", R"({"/svn/wiki/down/banben.txt": {"body_hex": "322e3000787978"}})"}) {
    wtest::writeFaultRules(rules);
    wtest::writeFile(updaterPath(), "an updater left from an earlier update");
    wtest::RunningProgram player(player_);
    const HWND window = player.waitForWindow(playerCaption);
    ASSERT_NE(window, nullptr) << rules;
    EXPECT_TRUE(wtest::pumpUntil([&] { return !exists(updaterPath()); })) << rules;
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(player.waitForExit(), 0u);
  }
}

TEST_F(StartupCheck, AnyOtherVersionHandsOverToTheUpdater) {
  const std::string built = wtest::readFile(wtest::builtProgram(updaterFile));
  ASSERT_GT(built.size(), 1000u);
  const char* answers[] = {
      R"({"/svn/wiki/down/banben.txt": {"body": "2.0\n"}})",
      R"({"/svn/wiki/down/banben.txt": {"body": "1.9"}})",
      R"({"/svn/wiki/down/banben.txt": {"body": "2.1"}})",
      R"({"/svn/wiki/down/banben.txt": {"status": 404, "body": "<html>404 Not Found</html>"}})",
      R"({"/svn/wiki/down/banben.txt": {"body": ""}})",
  };
  for (const char* rules : answers) {
    wtest::writeFaultRules(rules);
    wtest::writeFile(updaterPath(), "an older updater");
    const Start start = runToEnd();
    EXPECT_EQ(start.exitCode, 0u) << rules;
    EXPECT_FALSE(start.windowShown) << rules;
    EXPECT_TRUE(start.updaterShown) << rules;
    EXPECT_TRUE(wtest::readFile(updaterPath()) == built) << rules;  // not EXPECT_EQ: no binary dumps
    wtest::endProgramsWithWindow(updaterCaption);
  }
}

TEST_F(StartupCheck, TheLabelShowsTheFirstVersionBody) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/banben.txt": [{"body": "2.1"}, {"body": "2.0"}]})");
  wtest::RunningProgram player(player_);
  const HWND window = player.waitForWindow(playerCaption);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(wtest::windowText(wtest::childAt(window, 0)), L"2.1");
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(player.waitForExit(), 0u);
}

// Clicks the dialog's last button, its "no".
void answerNo(HWND dialog) {
  HWND last = nullptr;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (wtest::className(child) == L"Button") last = child;
  }
  if (last) PostMessageW(last, BM_CLICK, 0, 0);
}

void expectFailureMessage(const std::wstring& player) {
  wtest::RunningProgram running(player);
  wtest::MessageBoxWatcher message(IDOK, nullptr, running.id(), host::widen("链接服务器失败"));
  bool shown = false;
  wtest::pumpUntil(
      [&] {
        const HWND window = wtest::findWindowOf(running.id(), playerCaption);
        shown = shown || (window && IsWindowVisible(window));
        // Wine's browser engine asks about an untrusted certificate in a dialog of its own, which
        // holds the program until it is answered: no.
        if (message.seen()) {
          if (HWND other = wtest::findMessageBox(running.id())) answerNo(other);
        }
        return !running.running();
      },
      30000);
  message.join();
  EXPECT_TRUE(message.seen());
  EXPECT_EQ(host::narrow(message.title()), "链接服务器失败");
  EXPECT_EQ(host::narrow(message.text()), unreachable);
  EXPECT_EQ(running.waitForExit(), 0u);
  EXPECT_FALSE(shown);
}

TEST_F(StartupCheck, AWrongTestFileEndsAfterTheMessage) {
  for (const char* body : {"网络连接正常\n", "网络连接正常 ", "<html>error</html>"}) {
    wtest::writeHostFile("svn/wiki/down/ceshi.txt", body);
    expectFailureMessage(player_);
  }
}

TEST_F(StartupCheck, AnUpdaterThatCannotBeWrittenIsNotReported) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/banben.txt": {"body": "2.1"}})");
  wtest::writeFile(updaterPath(), "in use");
  // Held open without sharing, as a running updater would be.
  HANDLE inUse = CreateFileW(updaterPath().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
  const Start start = runToEnd();
  CloseHandle(inUse);
  EXPECT_EQ(start.exitCode, 0u);
  EXPECT_FALSE(start.windowShown);
  EXPECT_FALSE(start.messageShown);
  EXPECT_EQ(wtest::readFile(updaterPath()), "in use");
}

// Run without any update host, and against one whose certificate no trusted root signed.
TEST(StartupCheckWithoutHost, OnlyTheFailureMessageShows) {
  const std::wstring folder = wtest::freshFolder(L"player_check_no_host");
  expectFailureMessage(wtest::installProgram(playerFile, folder));
}

}  // namespace
