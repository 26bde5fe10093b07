#include "updater/entry_path.h"

#include <gtest/gtest.h>

namespace {

using updater::entryPath;
using Parts = std::vector<std::wstring>;

struct Accepted {
  const wchar_t* name;
  Parts parts;
  bool directory;
};

const Accepted accepted[] = {
    {L"霁川播放器.exe", {L"霁川播放器.exe"}, false},
    {L"data/sub/file.txt", {L"data", L"sub", L"file.txt"}, false},
    {L"data\\sub\\file.txt", {L"data", L"sub", L"file.txt"}, false},
    {L"data/", {L"data"}, true},
    {L"data\\sub\\", {L"data", L"sub"}, true},
    {L"./a//b/./c", {L"a", L"b", L"c"}, false},
    {L"a/../b", {L"b"}, false},
    {L"a/b/../../c", {L"c"}, false},
    {L"./", {}, true},
    {L"a/../", {}, true},
    {L".hidden", {L".hidden"}, false},
    {L"..file", {L"..file"}, false},
    {L"file..txt", {L"file..txt"}, false},
    {L"COM10", {L"COM10"}, false},
    {L"console.txt", {L"console.txt"}, false},
    {L"LPT", {L"LPT"}, false},
    {L" lead", {L" lead"}, false},
};

TEST(EntryPath, NamesBelowTheTargetBecomeTheirParts) {
  for (const Accepted& c : accepted) {
    SCOPED_TRACE(testing::Message() << "entry " << testing::PrintToString(std::wstring(c.name)));
    const auto path = entryPath(c.name);
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(path->parts, c.parts);
    EXPECT_EQ(path->directory, c.directory);
  }
}

const wchar_t* const refused[] = {
    // Outside the target.
    L"../x",
    L"..\\x",
    L"a/../../x",
    L"a\\..\\..\\x",
    L"..",
    L"../",
    L"a/../..",
    L"/x",
    L"\\x",
    L"\\\\server\\share\\x",
    L"//x",
    // Drives and streams.
    L"C:\\x",
    L"C:x",
    L"c:/x",
    L"a/C:/x",
    L"file.txt:stream",
    L"C:",
    // Devices, in any folder, case and extension.
    L"CON",
    L"con",
    L"a/CON",
    L"aux.txt",
    L"NUL",
    L"nul.tar.gz",
    L"PRN",
    L"COM1",
    L"com9.log",
    L"LPT1",
    L"lpt9",
    L"COM0",
    L"CONIN$",
    L"conout$",
    L"CON .txt",
    L"COM\u00B9",
    L"CLOCK$",
    // Names Windows would change or cannot hold.
    L"",
    L"a.",
    L"a ",
    L"dir./x",
    L"...",
    L". .",
    L"a?b",
    L"a*b",
    L"a|b",
    L"a\"b",
    L"a<b",
    L"a>b",
    L"a\tb",
    // Nothing left to write a file to.
    L".",
    L"a/..",
    L"./.",
};

TEST(EntryPath, NamesThatCouldLeaveTheTargetOrCannotBeWrittenAreRefused) {
  for (const wchar_t* name : refused) {
    EXPECT_FALSE(entryPath(name).has_value()) << testing::PrintToString(std::wstring(name));
  }
}

TEST(EntryPath, ANameWithAControlCharacterIsRefused) {
  EXPECT_FALSE(entryPath(std::wstring(L"a\0b", 3)).has_value());
  EXPECT_FALSE(entryPath(L"a\x1F").has_value());
}

}  // namespace
