#include "tests/updater/packages_win32.h"

#include "tests/support/wine_test.h"

namespace updater_test {

std::wstring packagePath(const std::string& fileName) {
  return wtest::windowsPath(wtest::environment("UPDATER_PACKAGES") + "/" + fileName);
}

std::string entryContents(const std::string& storedName, int times) {
  std::string contents;
  for (int i = 0; i < times; ++i) contents += storedName + "\n";
  return contents;
}

}  // namespace updater_test
