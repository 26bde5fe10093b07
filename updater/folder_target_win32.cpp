#include "updater/folder_target_win32.h"

#include <windows.h>

#include <shlobj.h>

#include "host/file_services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"

namespace updater {

namespace {

class FolderFile : public EntryFile {
 public:
  explicit FolderFile(host::UniqueFile file) : file_(std::move(file)) {}

  bool write(std::span<const std::uint8_t> bytes) override { return host::writeFileData(file_.get(), bytes); }

  // Times and attributes through the open file, in one call.
  void finish(std::uint32_t dosDateTime) override {
    FILE_BASIC_INFO basic{};
    basic.FileAttributes = FILE_ATTRIBUTE_NORMAL;
    // As stored: no conversion between local time and UTC. A date that is none leaves the times alone.
    FILETIME stored{};
    if (DosDateTimeToFileTime(HIWORD(dosDateTime), LOWORD(dosDateTime), &stored)) {
      basic.CreationTime.QuadPart = static_cast<LONGLONG>(stored.dwHighDateTime) << 32 | stored.dwLowDateTime;
      basic.LastAccessTime = basic.CreationTime;
      basic.LastWriteTime = basic.CreationTime;
    }
    SetFileInformationByHandle(file_.get(), FileBasicInfo, &basic, sizeof basic);
  }

 private:
  host::UniqueFile file_;
};

host::UniqueFile createEmpty(const std::wstring& path) {
  return host::UniqueFile(
      CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

}  // namespace

bool makeFolderPath(const std::wstring& folder) {
  if (SHCreateDirectoryExW(nullptr, folder.c_str(), nullptr) == ERROR_SUCCESS) return true;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring FolderTarget::pathName(std::string_view storedName) { return host::widen(storedName); }

bool FolderTarget::makeFolders(const PathParts& folder) {
  const std::wstring path = below(folder);
  if (path == lastMade_ || path == path_) return true;
  if (!makeFolderPath(path)) return false;
  lastMade_ = path;
  return true;
}

std::unique_ptr<EntryFile> FolderTarget::replaceFile(const PathParts& file) {
  const std::wstring path = below(file);
  host::UniqueFile opened = createEmpty(path);
  // A read-only, hidden or system file cannot be replaced as it is.
  const DWORD attributes = opened ? 0 : GetFileAttributesW(path.c_str());
  if (!opened && attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY) &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) &&
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL)) {
    opened = createEmpty(path);
  }
  if (!opened) return nullptr;
  return std::make_unique<FolderFile>(std::move(opened));
}

std::wstring FolderTarget::below(const PathParts& parts) const {
  std::wstring path = path_;
  for (const std::wstring& part : parts) path += L'\\' + part;
  return path;
}

}  // namespace updater
