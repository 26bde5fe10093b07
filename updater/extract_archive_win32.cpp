#include "updater/extract_archive_win32.h"

#include <shlobj.h>
#include <windows.h>

#include <array>
#include <string>

#include "host/file_services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"
#include "updater/package_extraction.h"

// After unzip.h, on which it builds.
#include <iowin32.h>

namespace updater {

namespace {

std::wstring fullPath(const std::wstring& path) {
  std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full;
}

// Every missing level of a full path.
bool makeFolderPath(const std::wstring& folder) {
  const int made = SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr);
  if (made == ERROR_SUCCESS) return true;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool startsWithZipSignature(const std::wstring& path) {
  const host::UniqueFile file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  std::array<std::uint8_t, 4> head{};
  DWORD read = 0;
  return file && ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr) &&
         hasZipSignature(std::span(head.data(), read));
}

class FolderFile : public EntryFile {
 public:
  FolderFile(std::wstring path, host::UniqueFile file) : path_(std::move(path)), file_(std::move(file)) {}

  bool write(std::span<const std::uint8_t> bytes) override { return host::writeFileData(file_.get(), bytes); }

  void finish(std::uint32_t dosDateTime) override {
    // As stored: no conversion between local time and UTC. A date that is none leaves the times alone.
    FILETIME stored{};
    if (DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &stored)) {
      SetFileTime(file_.get(), &stored, &stored, &stored);
    }
    file_.reset();
    SetFileAttributesW(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
  }

 private:
  std::wstring path_;
  host::UniqueFile file_;
};

class Folder : public ExtractionTarget {
 public:
  explicit Folder(std::wstring path) : path_(std::move(path)) {}

  std::wstring pathName(std::string_view storedName) override { return host::widen(storedName); }

  bool makeFolders(const PathParts& folder) override { return folder.empty() || makeFolderPath(below(folder)); }

  std::unique_ptr<EntryFile> replaceFile(const PathParts& file) override {
    std::wstring path = below(file);
    // A read-only, hidden or system file cannot be replaced as it is.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))) {
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    host::UniqueFile opened(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!opened) return nullptr;
    return std::make_unique<FolderFile>(std::move(path), std::move(opened));
  }

 private:
  std::wstring below(const PathParts& parts) const {
    std::wstring path = path_;
    for (const std::wstring& part : parts) path += L'\\' + part;
    return path;
  }

  std::wstring path_;
};

}  // namespace

int extractArchive(std::string_view archive, std::string_view targetFolder) {
  if (archive.empty() || targetFolder.empty() || !host::fileExists(archive)) return -1;
  const std::wstring folder = fullPath(host::widen(targetFolder));
  if (!makeFolderPath(folder)) return 0;

  const std::wstring package = host::widen(archive);
  if (!startsWithZipSignature(package)) return 0;
  zlib_filefunc64_def files{};
  fill_win32_filefunc64W(&files);
  const UniquePackage opened(unzOpen2_64(package.c_str(), &files));
  if (!opened) return 0;
  Folder target(folder);
  return extractEntries(opened.get(), target) ? 1 : 0;
}

}  // namespace updater
