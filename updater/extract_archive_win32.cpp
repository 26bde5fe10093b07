#include "updater/extract_archive_win32.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <string>

#include "host/file_services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"
#include "updater/folder_target_win32.h"
#include "updater/package_extraction.h"

namespace updater {

namespace {

std::wstring fullPath(const std::wstring& path) {
  std::wstring full(GetFullPathNameW(path.c_str(), 0, nullptr, nullptr), L'\0');
  full.resize(GetFullPathNameW(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
  return full;
}

bool startsWithZipSignature(const std::wstring& path) {
  const host::UniqueFile file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
  std::array<std::uint8_t, 4> head{};
  DWORD read = 0;
  return file && ReadFile(file.get(), head.data(), static_cast<DWORD>(head.size()), &read, nullptr) &&
         hasZipSignature(std::span(head.data(), read));
}

// minizip reads the headers a byte at a time: stdio's buffer spares a system call for each. The path is
// wide, so that a GBK name opens on a system of any language.
voidpf ZCALLBACK openPackage(voidpf, const void* path, int) {
  FILE* file = _wfopen(static_cast<const wchar_t*>(path), L"rb");
  if (file) setvbuf(file, nullptr, _IOFBF, 64 * 1024);
  return file;
}

}  // namespace

int extractArchive(std::string_view archive, std::string_view targetFolder) {
  if (archive.empty() || targetFolder.empty() || !host::fileExists(archive)) return -1;
  const std::wstring folder = fullPath(host::widen(targetFolder));
  if (!makeFolderPath(folder)) return 0;

  const std::wstring package = host::widen(archive);
  if (!startsWithZipSignature(package)) return 0;
  zlib_filefunc64_def files{};
  fill_fopen64_filefunc(&files);
  files.zopen64_file = openPackage;
  const UniquePackage opened(unzOpen2_64(package.c_str(), &files));
  if (!opened) return 0;
  FolderTarget target(folder);
  return extractEntries(opened.get(), target) ? 1 : 0;
}

}  // namespace updater
