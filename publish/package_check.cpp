// The publishing command's checks, with the updater's own code:
//   package_check names NAME...          each relative name an entry may have, or why not (exit 1)
//   package_check extract PACKAGE TREE   the package extracted as the updater would, equal to TREE
#include <iconv.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <string>

#include "updater/entry_path.h"
#include "updater/package_extraction.h"

namespace {

namespace fs = std::filesystem;

// Bytes from one encoding to another with iconv; none when they do not convert.
std::optional<std::string> recode(const char* from, const char* to, std::string_view bytes) {
  iconv_t convert = iconv_open(to, from);
  std::string out(bytes.size() * 4 + 4, '\0');
  char* in = const_cast<char*>(bytes.data());
  std::size_t inLeft = bytes.size();
  char* next = out.data();
  std::size_t outLeft = out.size();
  const bool converted = iconv(convert, &in, &inLeft, &next, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(convert);
  if (!converted) return std::nullopt;
  out.resize(out.size() - outLeft);
  return out;
}

// GBK bytes, as the updater takes stored names, as wide characters.
std::wstring fromGbk(std::string_view bytes) {
  const auto wide = recode("GBK", "WCHAR_T", bytes);
  if (!wide) return {};
  return std::wstring(reinterpret_cast<const wchar_t*>(wide->data()), wide->size() / sizeof(wchar_t));
}

// This system's file names are UTF-8.
std::string toUtf8(const std::wstring& wide) {
  return recode("WCHAR_T", "UTF-8", std::string_view(reinterpret_cast<const char*>(wide.data()),
                                                      wide.size() * sizeof(wchar_t)))
      .value_or("");
}

std::string readFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// A folder of this system, written as the updater writes into the player's folder.
class FolderTarget : public updater::ExtractionTarget {
 public:
  explicit FolderTarget(fs::path root) : root_(std::move(root)) {}
  std::wstring pathName(std::string_view storedName) override { return fromGbk(storedName); }
  bool makeFolders(const updater::PathParts& folder) override {
    std::error_code error;
    fs::create_directories(below(folder), error);
    return fs::is_directory(below(folder));
  }
  std::unique_ptr<updater::EntryFile> replaceFile(const updater::PathParts& file) override {
    auto opened = std::make_unique<File>(below(file));
    return opened->open() ? std::move(opened) : nullptr;
  }

 private:
  class File : public updater::EntryFile {
   public:
    explicit File(const fs::path& path) : out_(path, std::ios::binary | std::ios::trunc) {}
    bool open() const { return static_cast<bool>(out_); }
    bool write(std::span<const std::uint8_t> bytes) override {
      out_.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
      return static_cast<bool>(out_);
    }
    void finish(std::uint32_t) override { out_.close(); }

   private:
    std::ofstream out_;
  };

  fs::path below(const updater::PathParts& parts) const {
    fs::path path = root_;
    for (const std::wstring& part : parts) path /= toUtf8(part);
    return path;
  }

  fs::path root_;
};

std::map<fs::path, std::string> filesBelow(const fs::path& root) {
  std::map<fs::path, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file()) files[fs::relative(entry.path(), root)] = readFile(entry.path());
  }
  return files;
}

int checkNames(int count, char** names) {
  int refused = 0;
  for (int i = 0; i < count; ++i) {
    const std::string name = names[i];
    const auto gbk = recode("UTF-8", "GBK", name);
    if (!gbk) {
      std::fprintf(stderr, "publish: \"%s\" has characters GBK cannot hold\n", name.c_str());
      ++refused;
    } else if (!updater::entryPath(fromGbk(*gbk))) {
      std::fprintf(stderr, "publish: \"%s\" is a name the updater refuses to extract\n", name.c_str());
      ++refused;
    }
  }
  return refused ? 1 : 0;
}

int checkExtraction(const fs::path& package, const fs::path& tree) {
  const fs::path scratch = fs::temp_directory_path() / ("package_check_" + std::to_string(::getpid()));
  fs::remove_all(scratch);
  fs::create_directories(scratch);
  updater::UniquePackage opened(unzOpen64(package.c_str()));
  FolderTarget target(scratch);
  const bool extracted = opened && updater::extractEntries(opened.get(), target);
  const bool same = extracted && filesBelow(scratch) == filesBelow(tree);
  fs::remove_all(scratch);
  if (!extracted) std::fprintf(stderr, "publish: the updater could not extract the package\n");
  if (extracted && !same) std::fprintf(stderr, "publish: the extracted package differs from what was packed\n");
  return same ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "names") return checkNames(argc - 2, argv + 2);
  if (mode == "extract" && argc == 4) return checkExtraction(argv[2], argv[3]);
  std::fprintf(stderr, "usage: package_check names NAME... | extract PACKAGE TREE\n");
  return 2;
}
