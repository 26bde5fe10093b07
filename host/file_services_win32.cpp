#include <algorithm>

#include "host/file_services.h"
#include "host/wide_win32.h"

namespace host {

namespace {

struct FindTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type value) { FindClose(value); }
};
using UniqueFind = Unique<FindTraits>;

bool findFirst(std::string_view path, WIN32_FIND_DATAW& found) {
  return static_cast<bool>(UniqueFind(FindFirstFileW(widen(path).c_str(), &found)));
}

}  // namespace

bool fileExists(std::string_view path) {
  WIN32_FIND_DATAW found;
  return findFirst(path, found);
}

std::int32_t fileSize(std::string_view path) {
  WIN32_FIND_DATAW found;
  return findFirst(path, found) ? static_cast<std::int32_t>(found.nFileSizeLow) : -1;
}

UniqueFile openFile(std::string_view path, OpenMode mode) {
  return UniqueFile(
      CreateFileW(widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                  mode == OpenMode::Truncate ? CREATE_ALWAYS : OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool seekToEnd(HANDLE file) { return SetFilePointerEx(file, LARGE_INTEGER{}, nullptr, FILE_END) != FALSE; }

bool writeFileData(HANDLE file, std::span<const std::uint8_t> bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 30));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes = bytes.subspan(written);
  }
  return true;
}

bool moveFile(std::string_view source, std::string_view destination) {
  const std::wstring from = widen(source);
  const std::wstring to = widen(destination);
  if (MoveFileW(from.c_str(), to.c_str())) return true;
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) return false;
  DeleteFileW(from.c_str());
  return true;
}

std::uint32_t tickCount() { return GetTickCount(); }

}  // namespace host
