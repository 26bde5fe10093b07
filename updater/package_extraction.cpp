#include "updater/package_extraction.h"

#include <algorithm>
#include <array>

#include "updater/entry_path.h"

namespace updater {

namespace {

// The entry open for reading; closed at the latest when the scope ends.
class OpenEntry {
 public:
  explicit OpenEntry(unzFile package) : package_(package), open_(unzOpenCurrentFile(package) == UNZ_OK) {}
  OpenEntry(const OpenEntry&) = delete;
  OpenEntry& operator=(const OpenEntry&) = delete;
  ~OpenEntry() {
    if (open_) unzCloseCurrentFile(package_);
  }
  explicit operator bool() const { return open_; }

  // False when the inflated bytes do not match the stored checksum.
  bool close() {
    open_ = false;
    return unzCloseCurrentFile(package_) == UNZ_OK;
  }

 private:
  unzFile package_;
  bool open_;
};

bool copyEntry(unzFile package, EntryFile& file) {
  std::array<std::uint8_t, 64 * 1024> block{};
  for (;;) {
    const int read = unzReadCurrentFile(package, block.data(), static_cast<unsigned>(block.size()));
    if (read < 0) return false;
    if (read == 0) return true;
    if (!file.write(std::span(block.data(), static_cast<std::size_t>(read)))) return false;
  }
}

bool extractCurrentEntry(unzFile package, ExtractionTarget& target) {
  unz_file_info64 info{};
  if (unzGetCurrentFileInfo64(package, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
  std::string name(info.size_filename, '\0');
  if (unzGetCurrentFileInfo64(package, &info, name.data(), static_cast<uLong>(name.size()), nullptr, 0, nullptr, 0) !=
      UNZ_OK) {
    return false;
  }
  const auto path = entryPath(target.pathName(name));
  if (!path) return false;
  if (path->directory) return target.makeFolders(path->parts);

  if (!target.makeFolders(PathParts(path->parts.begin(), path->parts.end() - 1))) return false;
  OpenEntry entry(package);
  if (!entry) return false;
  const auto file = target.replaceFile(path->parts);
  if (!file || !copyEntry(package, *file) || !entry.close()) return false;
  file->finish(static_cast<std::uint32_t>(info.dosDate));
  return true;
}

}  // namespace

bool hasZipSignature(std::span<const std::uint8_t> head) {
  constexpr std::array<std::uint8_t, 4> signature = {'P', 'K', 3, 4};
  return head.size() >= signature.size() && std::equal(signature.begin(), signature.end(), head.begin());
}

bool extractEntries(unzFile package, ExtractionTarget& target) {
  for (int status = unzGoToFirstFile(package); status != UNZ_END_OF_LIST_OF_FILE; status = unzGoToNextFile(package)) {
    if (status != UNZ_OK || !extractCurrentEntry(package, target)) return false;
  }
  return true;
}

}  // namespace updater
