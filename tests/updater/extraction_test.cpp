#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "host/unique_win32.h"
#include "host/wide_win32.h"
#include "tests/updater/packages_win32.h"
#include "tests/updater/scratch_win32.h"
#include "updater/extract_archive_win32.h"

namespace {

using updater_test::entryContents;
using updater_test::exists;
using updater_test::packagePath;
using updater_test::readAll;
using updater_test::writeAll;

struct FileEntry {
  const char* storedName;
  int times;
};

struct Package {
  const char* file;
  std::vector<FileEntry> files;
  std::vector<const wchar_t*> folders;
  SYSTEMTIME stored;  // every file entry's date and time
};

// Info-ZIP zip stores the names' GBK bytes (淺 and 東 end in the bytes of '\' and '|'), ".bin" files
// stored and the others deflated; Python's zipfile writes stored and deflated entries and folder entries.
const Package packages[] = {
    {"infozip.zip",
     {{"淺東.txt", 1}, {"数据/子目录/深.txt", 1}, {"数据/图.bin", 3000}, {"readme.txt", 3000}},
     {L"空目录", L"数据\\子目录"},
     {2021, 3, 0, 4, 5, 6, 8, 0}},
    {"python.zip",
     {{"a/b/c.txt", 1000}, {"stored.bin", 1000}, {"top.txt", 1}},
     {L"empty", L"a\\b"},
     {2019, 5, 0, 17, 13, 45, 30, 0}},
};

std::wstring localName(const std::string& storedName) {
  std::wstring name = host::widen(storedName);
  for (wchar_t& c : name) c = c == L'/' ? L'\\' : c;
  return name;
}

std::vector<std::wstring> namesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().wstring());
  return names;
}

std::wstring fullPath(const std::wstring& path) {
  wchar_t full[MAX_PATH] = {};
  GetFullPathNameW(path.c_str(), MAX_PATH, full, nullptr);
  return full;
}

// Wine shows every plain file as an archive, so normal is: none of these.
constexpr DWORD notNormal = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

bool sameTime(const FILETIME& a, const FILETIME& b) { return CompareFileTime(&a, &b) == 0; }

class Extraction : public testing::Test {
 protected:
  void SetUp() override {
    scratch_ = updater_test::freshFolder(L"updater_extraction");
    target_ = scratch_ + L"\\目标 文件夹";
  }

  int extract(const std::string& package) const {
    return updater::extractArchive(host::narrow(packagePath(package)), host::narrow(target_));
  }
  std::wstring inTarget(const std::wstring& name) const { return target_ + L"\\" + name; }

  std::wstring scratch_;
  std::wstring target_;
};

TEST_F(Extraction, PackagesOfBothToolsAreExtractedWhole) {
  for (const Package& package : packages) {
    SCOPED_TRACE(package.file);
    SetUp();
    ASSERT_EQ(extract(package.file), 1);
    FILETIME stored{};
    SystemTimeToFileTime(&package.stored, &stored);
    for (const FileEntry& file : package.files) {
      SCOPED_TRACE(testing::PrintToString(localName(file.storedName)));
      const std::wstring path = inTarget(localName(file.storedName));
      // Before the contents are read, which moves the access time.
      WIN32_FILE_ATTRIBUTE_DATA data{};
      ASSERT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
      EXPECT_FALSE(data.dwFileAttributes & notNormal);
      EXPECT_TRUE(sameTime(data.ftLastWriteTime, stored));
      EXPECT_TRUE(sameTime(data.ftLastAccessTime, stored));
      EXPECT_TRUE(sameTime(data.ftCreationTime, stored));
      EXPECT_TRUE(readAll(path) == entryContents(file.storedName, file.times));
    }
    for (const wchar_t* folder : package.folders) {
      EXPECT_TRUE(GetFileAttributesW(inTarget(folder).c_str()) & FILE_ATTRIBUTE_DIRECTORY)
          << testing::PrintToString(std::wstring(folder));
    }
  }
}

TEST_F(Extraction, TheTargetIsMadeLevelByLevel) {
  target_ = scratch_ + L"\\新\\深 层\\目标";
  EXPECT_EQ(extract("python.zip"), 1);
  EXPECT_TRUE(exists(inTarget(L"top.txt")));
}

TEST_F(Extraction, AFileEntryReplacesAnExistingReadOnlyOrHiddenFile) {
  ASSERT_TRUE(CreateDirectoryW(target_.c_str(), nullptr));
  const std::wstring file = inTarget(L"top.txt");
  writeAll(file, "an older version, longer than the new one");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  EXPECT_EQ(extract("python.zip"), 1);
  EXPECT_EQ(readAll(file), entryContents("top.txt", 1));
  EXPECT_FALSE(GetFileAttributesW(file.c_str()) & notNormal);
}

// Each package holds first.txt, the refused entry, then last.txt.
TEST_F(Extraction, ANameThatCouldLeaveTheTargetStopsExtractionThere) {
  const std::wstring outside[] = {scratch_ + L"\\x", fullPath(L"C:x"), L"C:\\x", fullPath(L"\\x")};
  for (const std::wstring& place : outside) ASSERT_FALSE(exists(place)) << testing::PrintToString(place);
  for (const char* name : {"up", "up-inside", "drive", "drive-relative", "rooted", "slash-rooted", "device"}) {
    SCOPED_TRACE(name);
    SetUp();
    EXPECT_EQ(extract(std::string("refused-") + name + ".zip"), 0);
    EXPECT_EQ(readAll(inTarget(L"first.txt")), entryContents("first.txt", 1));
    EXPECT_EQ(namesIn(target_), std::vector<std::wstring>{L"first.txt"});
    EXPECT_EQ(namesIn(scratch_), std::vector<std::wstring>{L"目标 文件夹"});
    for (const std::wstring& place : outside) EXPECT_FALSE(exists(place)) << testing::PrintToString(place);
  }
}

TEST_F(Extraction, AFileInUseStopsExtractionAtThatEntry) {
  ASSERT_TRUE(CreateDirectoryW(target_.c_str(), nullptr));
  const std::wstring busy = inTarget(L"busy.txt");
  writeAll(busy, "running");
  {
    const host::UniqueFile inUse(CreateFileW(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(inUse);
    EXPECT_EQ(extract("in-use.zip"), 0);
  }
  EXPECT_EQ(readAll(inTarget(L"first.txt")), entryContents("first.txt", 1));
  EXPECT_EQ(readAll(busy), "running");
  EXPECT_FALSE(exists(inTarget(L"last.txt")));
}

TEST_F(Extraction, AFileThatIsNoWholeZipPackageIsRefused) {
  for (const char* package : {"truncated.zip", "not-a-zip.zip"}) {
    SCOPED_TRACE(package);
    SetUp();
    EXPECT_EQ(extract(package), 0);
    EXPECT_TRUE(namesIn(target_).empty());
  }
}

TEST_F(Extraction, AnEmptyArgumentOrAMissingPackageIsRefusedBeforeAnything) {
  const std::string package = host::narrow(packagePath("python.zip"));
  EXPECT_EQ(updater::extractArchive("", host::narrow(target_)), -1);
  EXPECT_EQ(updater::extractArchive(package, ""), -1);
  EXPECT_EQ(updater::extractArchive(host::narrow(packagePath("missing.zip")), host::narrow(target_)), -1);
  EXPECT_FALSE(exists(target_));
}

TEST_F(Extraction, ATargetThatCannotBeMadeIsRefused) {
  writeAll(scratch_ + L"\\a file", "");
  target_ = scratch_ + L"\\a file\\target";
  EXPECT_EQ(extract("python.zip"), 0);
}

}  // namespace
