#include <windows.h>

#include <gtest/gtest.h>

#include "host/unique_win32.h"
#include "host/wide_win32.h"
#include "tests/updater/packages_win32.h"
#include "tests/updater/scratch_win32.h"

namespace {

using updater_test::entryContents;
using updater_test::exists;
using updater_test::packagePath;
using updater_test::readAll;

// updater_child.exe, built beside the tests, plays the updater and the player.
std::wstring builtChild() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring self = path;
  return self.substr(0, self.find_last_of(L'\\')) + L"\\updater_child.exe";
}

bool waitFor(const std::wstring& path, DWORD timeoutMs) {
  for (DWORD waited = 0; !exists(path); waited += 50) {
    if (waited >= timeoutMs) return false;
    Sleep(50);
  }
  return true;
}

class FinishUpdate : public testing::Test {
 protected:
  // A space in the folder's name, and beside the folder a program named like its first word: a command
  // line that does not quote the player's path would start that program instead.
  void SetUp() override {
    folder_ = updater_test::freshFolder(L"更新 测试");
    const std::wstring parent = folder_.substr(0, folder_.find_last_of(L'\\'));
    decoy_ = parent + L"\\更新.exe";
    decoyStarted_ = parent + L"\\player-started.txt";
    DeleteFileW(decoyStarted_.c_str());
    ASSERT_TRUE(CopyFileW(builtChild().c_str(), decoy_.c_str(), FALSE));
  }
  void TearDown() override {
    EXPECT_FALSE(exists(decoyStarted_)) << "a program other than the player was started";
    DeleteFileW(decoy_.c_str());
    DeleteFileW(decoyStarted_.c_str());
  }

  std::wstring file(const std::wstring& name) const { return folder_ + L"\\" + name; }
  void place(const std::wstring& source, const std::wstring& name) const {
    ASSERT_TRUE(CopyFileW(source.c_str(), file(name).c_str(), FALSE));
  }

  // The updater's last step in that folder, as the updater runs it when its window goes.
  void finish() const {
    place(builtChild(), L"升级程序.exe");
    std::wstring line = L"\"" + file(L"升级程序.exe") + L"\" finish";
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION started{};
    ASSERT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started));
    const host::UniqueHandle process(started.hProcess);
    const host::UniqueHandle thread(started.hThread);
    if (WaitForSingleObject(process.get(), 30000) != WAIT_OBJECT_0) {
      TerminateProcess(process.get(), 1);
      FAIL() << "the updater did not end";
    }
    EXPECT_EQ(readAll(file(L"work-directory.txt")), host::narrow(folder_));
  }

  std::wstring playerStarted() const { return file(L"player-started.txt"); }

  std::wstring folder_;
  std::wstring decoy_;
  std::wstring decoyStarted_;
};

TEST_F(FinishUpdate, ExtractsThePackageDeletesItAndStartsTheNewPlayer) {
  place(packagePath("update.zip"), L"lumox.zip");
  finish();
  EXPECT_FALSE(exists(file(L"lumox.zip")));
  EXPECT_EQ(readAll(file(L"数据\\说明.txt")), entryContents("数据/说明.txt", 1));
  ASSERT_TRUE(waitFor(playerStarted(), 10000));
  const std::string player = host::narrow(file(L"霁川播放器.exe"));
  EXPECT_EQ(readAll(playerStarted()), "\"" + player + "\"");
}

TEST_F(FinishUpdate, AFailedExtractionStillDeletesThePackageAndStartsThePlayer) {
  place(builtChild(), L"霁川播放器.exe");
  place(packagePath("not-a-zip.zip"), L"lumox.zip");
  finish();
  EXPECT_FALSE(exists(file(L"lumox.zip")));
  EXPECT_TRUE(waitFor(playerStarted(), 10000));
}

// A player started by mistake would note itself well within the wait.
TEST_F(FinishUpdate, WithoutAPackageNothingHappens) {
  place(builtChild(), L"霁川播放器.exe");
  finish();
  EXPECT_FALSE(waitFor(playerStarted(), 2000));
}

}  // namespace
