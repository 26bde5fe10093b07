#include "host/wide_win32.h"

#include <windows.h>

namespace host {

namespace {
constexpr UINT gbk = 936;
}

std::wstring widen(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(gbk, 0, text.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(gbk, 0, text.data(), size, wide.data(), length);
  return wide;
}

Text narrow(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(gbk, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  Text bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(gbk, 0, text.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

}  // namespace host
