// The update cycle as a user and the server see it: a "2.0" player, a host serving "2.1" and its
// package; the hand-off, the updater's window and questions, the download, the extraction and the
// relaunch of the new player; and the ways a download can go wrong.
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
const std::wstring questionTitle = host::widen("升级程序小提示：");
const std::string packagePath = "svn/wiki/down/lumox.zip";

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Every file of `expected` (a tree) equals the file of the same name in `installed`.
void expectSameFiles(const std::wstring& expected, const std::wstring& installed) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((expected + L"\\*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      expectSameFiles(expected + L"\\" + name, installed + L"\\" + name);
    } else {
      EXPECT_TRUE(wtest::readFile(expected + L"\\" + name) == wtest::readFile(installed + L"\\" + name))
          << host::narrow(name);
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
}

class UpdateCycle : public testing::Test {
 protected:
  void SetUp() override {
    wtest::writeFaultRules("{}");
    wtest::serveVersion("2.1");
    folder_ = wtest::freshFolder(L"update_cycle");
    package_ = wtest::readFile(wtest::hostFile(packagePath));
    ASSERT_GT(package_.size(), 1000000u);
  }
  void TearDown() override {
    wtest::endProgramsWithWindow(updaterCaption);
    wtest::endProgramsWithWindow(playerCaption);
  }

  std::wstring inFolder(const std::wstring& name) const { return folder_ + L"\\" + name; }
  std::wstring partial() const { return inFolder(L"lumox.zip.tmp"); }
  std::wstring finished() const { return inFolder(L"lumox.zip"); }
  std::vector<std::string> packageRequests(std::size_t since) const {
    std::vector<std::string> requests;
    const auto lines = wtest::logLines("UPDATEHOST_FAULT_LOG");
    for (std::size_t i = since; i < lines.size(); ++i) {
      if (lines[i].find("/svn/wiki/down/lumox.zip") != std::string::npos) requests.push_back(lines[i]);
    }
    return requests;
  }
  // The new player's window once the cycle has run through; none if it does not come.
  HWND newPlayerWindow() const {
    HWND window = nullptr;
    wtest::pumpUntil(
        [&] {
          window = FindWindowW(nullptr, playerCaption.c_str());
          return window && IsWindowVisible(window);
        },
        60000);
    return window && IsWindowVisible(window) ? window : nullptr;
  }
  void expectInstalled() const {
    EXPECT_FALSE(exists(finished()));
    EXPECT_FALSE(exists(partial()));
    expectSameFiles(wtest::windowsPath(wtest::environment("UPDATEHOST_ROOT") + "/" + packagePath + ".expected"),
                    folder_);
  }

  std::wstring folder_;
  std::string package_;
};

TEST_F(UpdateCycle, AnOldPlayerEndsUpAsTheNewOne) {
  wtest::RunningProgram player(wtest::installProgram(playerFile, folder_));
  EXPECT_EQ(player.waitForExit(), 0u);
  ASSERT_NE(newPlayerWindow(), nullptr);
  // The new player found the versions equal and deleted the updater once it had ended.
  EXPECT_TRUE(wtest::pumpUntil([&] { return !exists(inFolder(updaterFile)); }, 10000));
  expectInstalled();
  const auto requests = packageRequests(0);
  ASSERT_FALSE(requests.empty());
  EXPECT_EQ(requests.back().find("Range"), std::string::npos) << requests.back();
}

TEST_F(UpdateCycle, AnsweringYesResumesThePartialDownload) {
  const std::size_t have = 1000000;
  wtest::writeFile(partial(), package_.substr(0, have));
  const std::size_t before = wtest::logLines("UPDATEHOST_FAULT_LOG").size();
  wtest::RunningProgram updater(wtest::installProgram(updaterFile, folder_));
  wtest::MessageBoxWatcher question(IDYES, nullptr, updater.id(), questionTitle);
  question.join();
  ASSERT_TRUE(question.seen());
  EXPECT_EQ(host::narrow(question.text()), "升级文件已存在，是否断点续传？");
  ASSERT_NE(newPlayerWindow(), nullptr);
  EXPECT_EQ(updater.waitForExit(), 0u);
  const auto requests = packageRequests(before);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_NE(requests[0].find(R"(["Range", "bytes=1000000-"])"), std::string::npos) << requests[0];
  expectInstalled();
}

TEST_F(UpdateCycle, AnsweringNoStartsOver) {
  wtest::writeFile(partial(), "not the start of the package");
  const std::size_t before = wtest::logLines("UPDATEHOST_FAULT_LOG").size();
  wtest::RunningProgram updater(wtest::installProgram(updaterFile, folder_));
  wtest::MessageBoxWatcher question(IDNO, nullptr, updater.id(), questionTitle);
  question.join();
  ASSERT_TRUE(question.seen());
  ASSERT_NE(newPlayerWindow(), nullptr);
  const auto requests = packageRequests(before);
  ASSERT_EQ(requests.size(), 1u);
  EXPECT_EQ(requests[0].find("Range"), std::string::npos) << requests[0];
  expectInstalled();
}

TEST_F(UpdateCycle, AnOldPackageInTheWayIsReplaced) {
  wtest::writeFile(finished(), "an old, broken package");
  wtest::RunningProgram updater(wtest::installProgram(updaterFile, folder_));
  ASSERT_NE(newPlayerWindow(), nullptr);
  expectInstalled();
}

TEST_F(UpdateCycle, ClosingTheWindowDuringADownloadKeepsThePartialFileAndStartsNothing) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/lumox.zip": {"chunk_size": 20480, "chunk_delay_ms": 200}})");
  wtest::RunningProgram updater(wtest::installProgram(updaterFile, folder_));
  const HWND window = updater.waitForWindow(updaterCaption);
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(wtest::pumpUntil([&] { return wtest::readFile(partial()).size() >= 40960; }, 20000));
  PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(updater.waitForExit(5000), 0u);  // at once, not after the slow body
  const std::string kept = wtest::readFile(partial());
  EXPECT_GE(kept.size(), 40960u);
  EXPECT_TRUE(kept == package_.substr(0, kept.size()));
  EXPECT_FALSE(exists(finished()));
  EXPECT_FALSE(exists(inFolder(playerFile)));
  wtest::pumpFor(1000);
  EXPECT_EQ(FindWindowW(nullptr, playerCaption.c_str()), nullptr);
}

// The folder the publishing command wrote, served by nginx as it is: the "2.0" player ends up as
// the published "2.1" one, with the extra files installed.
TEST(PublishedUpdate, AnOldPlayerEndsUpAsThePublishedOne) {
  const std::wstring folder = wtest::freshFolder(L"published_update");
  wtest::RunningProgram player(wtest::installProgram(playerFile, folder));
  EXPECT_EQ(player.waitForExit(), 0u);
  HWND window = nullptr;
  ASSERT_TRUE(wtest::pumpUntil(
      [&] {
        window = FindWindowW(nullptr, playerCaption.c_str());
        return window && IsWindowVisible(window);
      },
      60000));
  EXPECT_EQ(wtest::windowText(wtest::childAt(window, 0)), L"2.1");  // the version label
  EXPECT_TRUE(wtest::pumpUntil([&] { return !exists(folder + L"\\" + updaterFile); }, 10000));
  expectSameFiles(wtest::windowsPath(wtest::environment("PUBLISHED_EXTRA")), folder);
  PostMessageW(window, WM_CLOSE, 0, 0);
}

TEST_F(UpdateCycle, ACutDownloadKeepsItsPartAndTheNextRunCompletesIt) {
  wtest::writeFaultRules(R"({"/svn/wiki/down/lumox.zip": {"cut_after": 500000}})");
  {
    wtest::RunningProgram updater(wtest::installProgram(updaterFile, folder_));
    wtest::MessageBoxWatcher failure(IDOK, nullptr, updater.id(), host::widen("信息："));
    failure.join();
    ASSERT_TRUE(failure.seen());
    EXPECT_EQ(host::narrow(failure.text()), "读文件出错!");
    // The window stays with its texts; the part stays for resuming, not moved to the package's name.
    const HWND window = updater.waitForWindow(updaterCaption);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(wtest::readFile(partial()).size(), 500000u);
    EXPECT_FALSE(exists(finished()));
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(updater.waitForExit(), 0u);
  }
  wtest::writeFaultRules("{}");
  wtest::RunningProgram again(wtest::installProgram(updaterFile, folder_));
  wtest::MessageBoxWatcher question(IDYES, nullptr, again.id(), questionTitle);
  question.join();
  ASSERT_TRUE(question.seen());
  ASSERT_NE(newPlayerWindow(), nullptr);
  expectInstalled();
}

}  // namespace
