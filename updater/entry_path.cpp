#include "updater/entry_path.h"

#include <algorithm>
#include <array>

namespace updater {

namespace {

bool isSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

// No Windows file name holds these; a colon would also name a drive or a data stream.
bool isForbidden(wchar_t c) { return c < 0x20 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos; }

wchar_t upper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// The system opens a device for these names in every folder, whatever extension follows.
bool isDeviceName(std::wstring_view part) {
  std::wstring base(part.substr(0, part.find(L'.')));
  while (!base.empty() && base.back() == L' ') base.pop_back();
  std::transform(base.begin(), base.end(), base.begin(), upper);
  constexpr std::array<std::wstring_view, 7> fixed = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$", L"CLOCK$"};
  if (std::find(fixed.begin(), fixed.end(), base) != fixed.end()) return true;
  constexpr std::wstring_view numbers = L"0123456789\u00B9\u00B2\u00B3";
  return base.size() == 4 && (base.starts_with(L"COM") || base.starts_with(L"LPT")) &&
         numbers.find(base.back()) != std::wstring_view::npos;
}

// Windows drops trailing dots and spaces, so such a name would land elsewhere than it says.
bool isWritableName(std::wstring_view part) {
  return std::none_of(part.begin(), part.end(), isForbidden) && part.back() != L'.' && part.back() != L' ' &&
         !isDeviceName(part);
}

}  // namespace

std::optional<EntryPath> entryPath(std::wstring_view name) {
  if (name.empty() || isSeparator(name.front())) return std::nullopt;
  EntryPath path;
  path.directory = isSeparator(name.back());
  while (!name.empty()) {
    const auto end = std::find_if(name.begin(), name.end(), isSeparator);
    const std::wstring_view part = name.substr(0, static_cast<std::size_t>(end - name.begin()));
    name.remove_prefix(std::min(name.size(), part.size() + 1));
    if (part.empty() || part == L".") continue;
    if (part == L"..") {
      if (path.parts.empty()) return std::nullopt;
      path.parts.pop_back();
      continue;
    }
    if (!isWritableName(part)) return std::nullopt;
    path.parts.emplace_back(part);
  }
  if (path.parts.empty() && !path.directory) return std::nullopt;
  return path;
}

}  // namespace updater
