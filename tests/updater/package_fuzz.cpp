// libFuzzer target: arbitrary bytes as an entry name, and as a package extracted into a scratch folder.
// Every name the check lets through is made of parts that stay below the target, and nothing is ever
// written outside the scratch folder.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

#include "updater/entry_path.h"
#include "updater/package_extraction.h"

namespace {

namespace fs = std::filesystem;

void require(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "package_fuzz: %s\n", what);
  std::abort();
}

// A part may never climb, stay in place, name a drive or hold a separator.
void requireSafe(const updater::PathParts& parts) {
  for (const std::wstring& part : parts) {
    require(!part.empty() && part != L"." && part != L"..", "an empty, \".\" or \"..\" part was let through");
    require(part.find_first_of(L"/\\:") == std::wstring::npos, "a separator or colon was let through");
  }
}

// Below the scratch folder, as a native file system; bytes of a stored name are taken one by one as
// characters, so that every separator, dot and colon reaches the check as it is.
class ScratchTarget : public updater::ExtractionTarget {
 public:
  explicit ScratchTarget(fs::path root) : root_(std::move(root)) {}

  std::wstring pathName(std::string_view storedName) override {
    std::wstring name;
    for (const char byte : storedName) name += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return name;
  }

  bool makeFolders(const updater::PathParts& folder) override {
    requireSafe(folder);
    std::error_code error;
    fs::create_directories(below(folder), error);
    return !error && fs::is_directory(below(folder));
  }

  std::unique_ptr<updater::EntryFile> replaceFile(const updater::PathParts& file) override {
    requireSafe(file);
    const fs::path path = below(file);
    if (fs::is_directory(path)) return nullptr;
    auto opened = std::make_unique<File>(path, budget_);
    return *opened ? std::move(opened) : nullptr;
  }

 private:
  // Inflation is bounded, so that one input cannot fill the disk.
  class File : public updater::EntryFile {
   public:
    File(const fs::path& path, std::size_t& budget) : out_(path, std::ios::binary | std::ios::trunc), budget_(budget) {}
    explicit operator bool() const { return static_cast<bool>(out_); }
    bool write(std::span<const std::uint8_t> bytes) override {
      if (bytes.size() > budget_) return false;
      budget_ -= bytes.size();
      out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      return static_cast<bool>(out_);
    }
    void finish(std::uint32_t) override { out_.close(); }

   private:
    std::ofstream out_;
    std::size_t& budget_;
  };

  // Back to the stored bytes, which a native file name may hold as they are.
  fs::path below(const updater::PathParts& parts) const {
    fs::path path = root_;
    for (const std::wstring& part : parts) {
      std::string bytes;
      for (const wchar_t c : part) bytes += static_cast<char>(c);
      path /= bytes;
    }
    return path;
  }

  fs::path root_;
  std::size_t budget_ = 8 << 20;
};

// One folder, under the current one, emptied when a run starts.
const fs::path& scratch() {
  static const fs::path folder = [] {
    const fs::path made = fs::current_path() / "package_fuzz_scratch";
    fs::remove_all(made);
    fs::create_directory(made);
    return made;
  }();
  return folder;
}

// The scratch folder holds the package and the target, and the target nothing but plain files and
// folders that resolve below it.
void requireNothingOutside(const fs::path& package, const fs::path& target) {
  for (const auto& entry : fs::directory_iterator(scratch())) {
    require(entry.path() == package || entry.path() == target, "something was written beside the target");
  }
  const fs::path root = fs::canonical(target);
  for (const auto& entry : fs::recursive_directory_iterator(target)) {
    require(entry.is_regular_file() || entry.is_directory(), "something other than a file or folder was made");
    const fs::path resolved = fs::canonical(entry.path());
    require(resolved.native().starts_with(root.native() + "/"), "a file resolves outside the target");
  }
}

void checkName(std::span<const std::uint8_t> data) {
  std::wstring name;
  for (std::size_t i = 0; i + 1 < data.size(); i += 2) name += static_cast<wchar_t>(data[i] | data[i + 1] << 8);
  if (const auto path = updater::entryPath(name)) {
    requireSafe(path->parts);
    require(path->directory || !path->parts.empty(), "a file entry without a name was let through");
  }
}

void checkExtraction(std::span<const std::uint8_t> data) {
  const fs::path package = scratch() / "package.zip";
  const fs::path target = scratch() / "target";
  fs::remove_all(target);
  fs::create_directory(target);
  std::ofstream(package, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
  if (const updater::UniquePackage opened{unzOpen64(package.c_str())}) {
    ScratchTarget into(target);
    updater::extractEntries(opened.get(), into);
  }
  requireNothingOutside(package, target);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> bytes(data, size);
  checkName(bytes);
  checkExtraction(bytes);
  return 0;
}
