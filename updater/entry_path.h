#pragma once
// Where a package entry may be written: its name as parts below the target folder, or nothing when the
// name could reach outside that folder (rooted, a drive, a device, ".." above it) or cannot name a
// file on Windows. Both '/' and '\' separate parts.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace updater {

struct EntryPath {
  std::vector<std::wstring> parts;  // folders, then the entry's own name; none for the target itself
  bool directory = false;           // the name ends with a separator
};

std::optional<EntryPath> entryPath(std::wstring_view name);

}  // namespace updater
