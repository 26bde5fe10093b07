#pragma once
// The packages make_packages.py made for the extraction tests, and what their files hold.
#include <string>

namespace updater_test {

std::wstring packagePath(const std::string& fileName);

// A file entry holds its stored name (GBK, '/' between parts) and a line feed, `times` times over.
std::string entryContents(const std::string& storedName, int times);

}  // namespace updater_test
