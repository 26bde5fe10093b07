#include <windows.h>

#include <gtest/gtest.h>

#include "host/file_services.h"
#include "host/wide_win32.h"
#include "tests/updater/scratch_win32.h"

namespace {

using updater_test::exists;
using updater_test::readAll;
using updater_test::writeAll;

class FileServices : public testing::Test {
 protected:
  void SetUp() override { folder_ = updater_test::freshFolder(L"updater_files"); }

  std::wstring path(const std::wstring& name) const { return folder_ + L"\\" + name; }
  static host::Text text(const std::wstring& path) { return host::narrow(path); }

  static void write(HANDLE file, const std::string& bytes) {
    ASSERT_TRUE(
        host::writeFileData(file, std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size())));
  }

  std::wstring folder_;
};

TEST_F(FileServices, FindAFileOrFolderByItsNameAndTellItsSize) {
  const std::wstring file = path(L"升级文件.tmp");
  writeAll(file, "12345");
  EXPECT_TRUE(host::fileExists(text(file)));
  EXPECT_TRUE(host::fileExists(text(folder_)));
  EXPECT_FALSE(host::fileExists(text(path(L"missing.tmp"))));
  EXPECT_EQ(host::fileSize(text(file)), 5);
  EXPECT_EQ(host::fileSize(text(path(L"missing.tmp"))), -1);
  writeAll(file, "");
  EXPECT_EQ(host::fileSize(text(file)), 0);
}

TEST_F(FileServices, TruncateEmptiesAnExistingFileOrCreatesIt) {
  const std::wstring file = path(L"package.tmp");
  writeAll(file, "old contents");
  {
    const host::UniqueFile opened = host::openFile(text(file), host::OpenMode::Truncate);
    ASSERT_TRUE(opened);
    write(opened.get(), "new");
  }
  EXPECT_EQ(readAll(file), "new");
  DeleteFileW(file.c_str());
  EXPECT_TRUE(host::openFile(text(file), host::OpenMode::Truncate));
  EXPECT_TRUE(exists(file));
}

TEST_F(FileServices, AppendKeepsAnExistingFileAndSeekToEndWritesAfterIt) {
  const std::wstring file = path(L"package.tmp");
  writeAll(file, "partial ");
  {
    const host::UniqueFile opened = host::openFile(text(file), host::OpenMode::Append);
    ASSERT_TRUE(opened);
    ASSERT_TRUE(host::seekToEnd(opened.get()));
    write(opened.get(), "rest");
  }
  EXPECT_EQ(readAll(file), "partial rest");
  const std::wstring fresh = path(L"fresh.tmp");
  EXPECT_TRUE(host::openFile(text(fresh), host::OpenMode::Append));
  EXPECT_EQ(readAll(fresh), "");
}

TEST_F(FileServices, AnOpenFileIsSharedWithReadersWritersAndDeleters) {
  const std::wstring file = path(L"package.tmp");
  const host::UniqueFile opened = host::openFile(text(file), host::OpenMode::Truncate);
  ASSERT_TRUE(opened);
  write(opened.get(), "written");
  const host::UniqueFile other(CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                           OPEN_EXISTING, 0, nullptr));
  ASSERT_TRUE(other);
  char bytes[16] = {};
  DWORD read = 0;
  ASSERT_TRUE(ReadFile(other.get(), bytes, sizeof bytes, &read, nullptr));
  EXPECT_EQ(std::string(bytes, read), "written");
}

TEST_F(FileServices, AFileThatCannotBeOpenedGivesNoHandle) {
  EXPECT_FALSE(host::openFile(text(path(L"no folder\\x.tmp")), host::OpenMode::Truncate));
  EXPECT_FALSE(host::openFile(text(path(L"no folder\\x.tmp")), host::OpenMode::Append));
  EXPECT_FALSE(host::openFile(text(folder_), host::OpenMode::Append));
}

TEST_F(FileServices, MoveFileMovesOrCopiesOverTheDestination) {
  const std::wstring partial = path(L"lumox.zip.tmp");
  const std::wstring package = path(L"lumox.zip");
  writeAll(partial, "first");
  EXPECT_TRUE(host::moveFile(text(partial), text(package)));
  EXPECT_EQ(readAll(package), "first");
  EXPECT_FALSE(exists(partial));

  // An older package is in the way: the move fails, the copy replaces it.
  writeAll(partial, "second");
  EXPECT_TRUE(host::moveFile(text(partial), text(package)));
  EXPECT_EQ(readAll(package), "second");
  EXPECT_FALSE(exists(partial));

  EXPECT_FALSE(host::moveFile(text(partial), text(package)));
  EXPECT_EQ(readAll(package), "second");
}

}  // namespace
