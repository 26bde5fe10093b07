#pragma once
// Where extractArchive writes on Windows: below one folder, entry names taken as GBK path names.
#include <string>

#include "updater/package_extraction.h"

namespace updater {

// Every missing level of a full path; true when the folder is there.
bool makeFolderPath(const std::wstring& folder);

class FolderTarget : public ExtractionTarget {
 public:
  explicit FolderTarget(std::wstring path) : path_(std::move(path)) {}

  std::wstring pathName(std::string_view storedName) override;
  bool makeFolders(const PathParts& folder) override;
  std::unique_ptr<EntryFile> replaceFile(const PathParts& file) override;

 private:
  std::wstring below(const PathParts& parts) const;

  std::wstring path_;
  std::wstring lastMade_;  // entries come folder by folder: the one made last needs no second look
};

}  // namespace updater
