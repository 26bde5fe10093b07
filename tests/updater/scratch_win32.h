#pragma once
// Files and folders for the updater's tests under Wine.
#include <windows.h>

#include <string>

namespace updater_test {

// A fresh, empty folder under the system's temporary folder (whatever was there is removed).
std::wstring freshFolder(const std::wstring& name);

std::string readAll(const std::wstring& path);
void writeAll(const std::wstring& path, const std::string& bytes);
bool exists(const std::wstring& path);

}  // namespace updater_test
