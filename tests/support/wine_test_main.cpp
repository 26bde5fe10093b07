// The in-process tests start like the programs: the host is initialised first. The current folder
// is moved away first, so the tests see that initialisation moves it to the program's folder.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/services.h"

int main(int argc, char** argv) {
  SetCurrentDirectoryW(L"C:\\");
  host::initialise();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
