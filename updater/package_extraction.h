#pragma once
// Walking a zip package with minizip's unzip routines and writing each entry through the file
// system it is extracted into, which each platform provides.
#include <unzip.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace updater {

using PathParts = std::vector<std::wstring>;

// One file being written; closed when destroyed.
class EntryFile {
 public:
  virtual ~EntryFile() = default;
  virtual bool write(std::span<const std::uint8_t> bytes) = 0;
  // All bytes are written: the entry's stored DOS date (high word) and time (low word) become the
  // file's times, taken as they are stored, and its attributes become normal.
  virtual void finish(std::uint32_t dosDateTime) = 0;
};

// The folder the entries land in. Parts are checked entry names: never empty, ".", ".." or rooted.
class ExtractionTarget {
 public:
  virtual ~ExtractionTarget() = default;
  virtual std::wstring pathName(std::string_view storedName) = 0;             // the stored bytes as a path name
  virtual bool makeFolders(const PathParts& folder) = 0;                      // every missing level
  virtual std::unique_ptr<EntryFile> replaceFile(const PathParts& file) = 0;  // even a read-only one
};

struct PackageClose {
  void operator()(unzFile package) const { unzClose(package); }
};
using UniquePackage = std::unique_ptr<std::remove_pointer_t<unzFile>, PackageClose>;

// A zip package starts with a local file header: "PK" 3 4.
bool hasZipSignature(std::span<const std::uint8_t> head);

// Writes the entries in package order; false at the first one that cannot be read or written (or
// whose name is refused), with the entries before it in place.
bool extractEntries(unzFile package, ExtractionTarget& target);

}  // namespace updater
