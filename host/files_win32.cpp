#include "host/services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"

namespace host {

bool writeFileBytes(std::string_view path, const Bytes& bytes) {
  UniqueFile file(CreateFileW(widen(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  std::size_t written = 0;
  while (written < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1u << 20));
    DWORD done = 0;
    if (!WriteFile(file.get(), bytes.data() + written, chunk, &done, nullptr) || done == 0) return false;
    written += done;
  }
  return true;
}

bool deleteFile(std::string_view path) { return DeleteFileW(widen(path).c_str()) != FALSE; }

}  // namespace host
