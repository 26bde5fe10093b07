// Each way the player ends, seen from outside: the exit code, and how often its shutdown ran.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/program_names.h"
#include "tests/support/programs.h"
#include "tests/support/wine_test.h"

namespace {

struct End {
  const wchar_t* mode;
  DWORD exitCode;
  const char* shutdowns;  // one "x" per run that found everything released
};

void expectEnds(std::initializer_list<End> ends) {
  for (const End& end : ends) {
    const std::wstring folder = wtest::freshFolder(L"player_ends");
    const std::wstring marker = folder + L"\\shutdowns.txt";
    wtest::RunningProgram child(wtest::installProgram(L"player_ends.exe", folder), std::wstring(end.mode) + L" \"" +
                                                                                      marker + L"\"");
    EXPECT_EQ(child.waitForExit(), end.exitCode) << end.mode;
    EXPECT_EQ(wtest::readFile(marker), end.shutdowns) << end.mode;
  }
}

TEST(PlayerEnds, ShutdownRunsOnceOnEveryOrderlyEndAndNeverOnAFatalOne) {
  wtest::serveVersion("2.0");
  expectEnds({{L"no-window", 0xFFFFFFFF, ""}, {L"last-window", 0, "x"}, {L"menu-close", 0, "x"}});
  wtest::serveVersion("2.1");
  expectEnds({{L"update", 0, "x"}});
}

TEST(PlayerEnds, AFailedProbeEndsFromTheCreatedEventAfterItsMessage) {
  wtest::writeHostFile("svn/wiki/down/banben.txt", "2.0");
  wtest::writeHostFile("svn/wiki/down/ceshi.txt", "网络连接正常\r\n");
  expectEnds({{L"probe-fails", 0, "ix"}});
}

}  // namespace
