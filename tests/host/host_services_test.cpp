#include <windows.h>

#include <gtest/gtest.h>

#include "host/services.h"
#include "host/wide_win32.h"
#include "tests/support/wine_test.h"

namespace {

using host::Bytes;

std::wstring directoryOfProgram() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring text = path;
  return text.substr(0, text.find_last_of(L'\\'));
}

std::wstring currentDirectory() {
  wchar_t path[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, path);
  return path;
}

// A fresh scratch folder under the system's temporary folder.
std::wstring scratchFolder(const wchar_t* name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  std::wstring folder = std::wstring(temp) + name;
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

TEST(RunDirectory, IsTheProgramsFolderAndTheCurrentFolder) {
  const host::Text directory = host::runDirectory();
  EXPECT_EQ(host::widen(directory), directoryOfProgram());
  EXPECT_NE(directory.back(), '\\');
  EXPECT_EQ(currentDirectory(), directoryOfProgram());
}

TEST(Files, ChineseNamesAreWrittenFoundAndDeleted) {
  const std::wstring folder = scratchFolder(L"host_files");
  const host::Text path = host::narrow(folder) + "\\升级程序.exe";
  const std::wstring widePath = folder + L"\\\x5347\x7EA7\x7A0B\x5E8F.exe";  // 升级程序.exe

  ASSERT_TRUE(host::writeFileBytes(path, Bytes{'M', 'Z', 0, 1, 2}));
  EXPECT_NE(GetFileAttributesW(widePath.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(wtest::readFile(widePath), std::string("MZ\0\1\2", 5));

  // Rewriting truncates.
  ASSERT_TRUE(host::writeFileBytes(path, Bytes{'a'}));
  EXPECT_EQ(wtest::readFile(widePath), "a");

  EXPECT_TRUE(host::deleteFile(path));
  EXPECT_EQ(GetFileAttributesW(widePath.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_FALSE(host::deleteFile(path));
  EXPECT_FALSE(host::writeFileBytes(host::narrow(folder) + "\\no such folder\\x.txt", Bytes{'a'}));
}

TEST(Files, AnEmptyFileCanBeWritten) {
  const host::Text path = host::narrow(scratchFolder(L"host_files")) + "\\empty.bin";
  ASSERT_TRUE(host::writeFileBytes(path, Bytes{}));
  EXPECT_EQ(wtest::readFile(host::widen(path)), "");
  EXPECT_TRUE(host::deleteFile(path));
}

struct BoxCase {
  unsigned flags;
  int button;
  int result;
};

TEST(MessageBoxes, ReturnsThePressedButtonCountedFromZero) {
  const BoxCase cases[] = {
      {0, IDOK, 0}, {1, IDCANCEL, 1}, {2, IDABORT, 2}, {2, IDRETRY, 3},
      {2, IDIGNORE, 4}, {36, IDYES, 5}, {36, IDNO, 6}, {3, IDCANCEL, 1},
  };
  for (const auto& c : cases) {
    wtest::MessageBoxWatcher watcher(c.button);
    EXPECT_EQ(host::messageBox("text", c.flags), c.result) << "flags " << c.flags << " button " << c.button;
    watcher.join();
    EXPECT_TRUE(watcher.seen());
  }
}

TEST(MessageBoxes, HasNoOwnerTheDefaultTitleAndIsTaskModal) {
  HWND window = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                nullptr, nullptr);
  wtest::MessageBoxWatcher watcher(IDOK, window);
  host::messageBox("网络连接失败,请检查网络，退出从新开启播放器", 64);
  watcher.join();
  EXPECT_EQ(watcher.owner(), nullptr);
  EXPECT_EQ(host::narrow(watcher.title()), "信息：");
  EXPECT_EQ(host::narrow(watcher.text()), "网络连接失败,请检查网络，退出从新开启播放器");
  EXPECT_TRUE(watcher.watchedWasDisabled());
  EXPECT_FALSE(watcher.exStyle() & WS_EX_TOPMOST);
  EXPECT_TRUE(IsWindowEnabled(window));
  DestroyWindow(window);
}

TEST(MessageBoxes, SystemModalIsNotMadeTaskModal) {
  HWND window = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0, 50, 50, nullptr, nullptr,
                                nullptr, nullptr);
  wtest::MessageBoxWatcher watcher(IDOK, window);
  host::messageBox("text", 0x1000, "链接服务器失败");
  watcher.join();
  EXPECT_EQ(host::narrow(watcher.title()), "链接服务器失败");
  EXPECT_TRUE(watcher.exStyle() & WS_EX_TOPMOST);
  EXPECT_FALSE(watcher.watchedWasDisabled());
  DestroyWindow(window);
}

class Processes : public testing::Test {
 protected:
  void SetUp() override {
    marker_ = scratchFolder(L"host_processes") + L"\\marker.txt";
    DeleteFileW(marker_.c_str());
  }
  host::Text commandLine(const char* arguments) const {
    return "\"" + host::runDirectory() + "\\host_child.exe\" " + arguments + " \"" + host::narrow(marker_) + "\"";
  }
  bool markerExists() const { return GetFileAttributesW(marker_.c_str()) != INVALID_FILE_ATTRIBUTES; }
  std::string marker() const { return wtest::readFile(marker_); }

  // Starts the child and waits for its end; its exit code.
  DWORD runToEnd(const char* arguments) const {
    std::wstring line = host::widen(commandLine(arguments));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
      return 0xDEAD;
    }
    WaitForSingleObject(started.hProcess, 20000);
    DWORD code = 0xDEAD;
    GetExitCodeProcess(started.hProcess, &code);
    CloseHandle(started.hThread);
    CloseHandle(started.hProcess);
    return code;
  }

  std::wstring marker_;
};

TEST_F(Processes, EndProgramRunsTheShutdownOnceAndExitsWithTheCode) {
  EXPECT_EQ(runToEnd("end 5"), 5u);
  EXPECT_EQ(marker(), "x");
  DeleteFileW(marker_.c_str());
  EXPECT_EQ(runToEnd("end 0"), 0u);
  EXPECT_EQ(marker(), "x");
}

TEST_F(Processes, FatalExitSkipsTheShutdownAndExitsWithMinusOne) {
  EXPECT_EQ(runToEnd("fatal"), 0xFFFFFFFFu);
  EXPECT_FALSE(markerExists());
}

TEST_F(Processes, RunProgramWaitingReturnsAfterTheEnd) {
  ASSERT_TRUE(host::runProgram(commandLine("slow"), true));
  EXPECT_EQ(marker(), "x");
}

TEST_F(Processes, RunProgramWithoutWaitingReturnsOnceTheProgramIsReady) {
  ASSERT_TRUE(host::runProgram(commandLine("idle"), false));
  EXPECT_EQ(marker(), "x");
}

TEST_F(Processes, RunProgramWithoutWaitingGivesUpWaitingForReadiness) {
  // The child is busy for 3 s; the start returns long before that, after at most about 1 s.
  ASSERT_TRUE(host::runProgram(commandLine("slow"), false));
  EXPECT_FALSE(markerExists());
}

TEST_F(Processes, RunProgramOfAMissingFileFails) {
  EXPECT_FALSE(host::runProgram("\"" + host::runDirectory() + "\\no-such-program.exe\"", false));
}

}  // namespace
