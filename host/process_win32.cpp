#include <windows.h>

#include <shellapi.h>

#include <string>

#include "host/services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"

namespace host {

bool runProgram(std::string_view commandLine, bool wait) {
  std::wstring line = widen(commandLine);  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    return false;
  }
  const UniqueHandle process(started.hProcess);
  const UniqueHandle thread(started.hThread);
  if (wait) {
    WaitForSingleObject(process.get(), INFINITE);
  } else {
    WaitForInputIdle(process.get(), 1000);
  }
  return true;
}

void openUrl(std::string_view url) {
  ShellExecuteW(nullptr, L"open", widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace host
