#include "tests/updater/scratch_win32.h"

#include <shellapi.h>

#include <fstream>
#include <sstream>

namespace updater_test {

namespace {

void removeTree(const std::wstring& path) {
  std::wstring paths = path + L'\0';  // a list, ended by an empty entry
  SHFILEOPSTRUCTW operation{};
  operation.wFunc = FO_DELETE;
  operation.pFrom = paths.c_str();
  operation.fFlags = FOF_NO_UI;
  SHFileOperationW(&operation);
}

}  // namespace

std::wstring freshFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + name;
  removeTree(folder);
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::string readAll(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

void writeAll(const std::wstring& path, const std::string& bytes) {
  std::ofstream(path.c_str(), std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace updater_test
