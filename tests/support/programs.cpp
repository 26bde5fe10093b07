#include "tests/support/programs.h"

#include "tests/support/wine_test.h"

namespace wtest {

std::wstring freshFolder(const std::wstring& name) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + name;
  // Empty it: programs under test write and delete files there.
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring path = folder + L"\\" + found.cFileName;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  CreateDirectoryW(folder.c_str(), nullptr);
  return folder;
}

std::wstring builtProgram(const std::wstring& fileName) {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring path = self;
  return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}

std::wstring installProgram(const std::wstring& fileName, const std::wstring& folder) {
  const std::wstring target = folder + L"\\" + fileName;
  CopyFileW(builtProgram(fileName).c_str(), target.c_str(), FALSE);
  return target;
}

RunningProgram::RunningProgram(const std::wstring& path, const std::wstring& arguments) {
  std::wstring line = L"\"" + path + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  // Started from another folder than its own, as a user's shortcut may do.
  if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, L"C:\\", &startup, &started)) {
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    id_ = started.dwProcessId;
  }
}

RunningProgram::~RunningProgram() {
  if (!process_) return;
  if (running()) {
    TerminateProcess(process_, 0xDEAD);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool RunningProgram::running() const { return process_ && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

DWORD RunningProgram::waitForExit(DWORD timeoutMs) const {
  DWORD code = STILL_ACTIVE;
  if (process_ && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0) GetExitCodeProcess(process_, &code);
  return code;
}

HWND findWindowOf(DWORD processId, const std::wstring& caption) {
  return findTopWindow(processId, [&](HWND window) { return windowText(window) == caption; });
}

HWND RunningProgram::waitForWindow(const std::wstring& caption, DWORD timeoutMs) const {
  HWND window = nullptr;
  pumpUntil(
      [&] {
        window = findWindowOf(id_, caption);
        return (window && IsWindowVisible(window)) || !running();
      },
      timeoutMs);
  return window && IsWindowVisible(window) ? window : nullptr;
}

void endProgramsWithWindow(const std::wstring& caption) {
  for (HWND window = FindWindowW(nullptr, caption.c_str()); window; window = FindWindowW(nullptr, caption.c_str())) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process);
    if (!handle) return;
    TerminateProcess(handle, 0);
    WaitForSingleObject(handle, 5000);
    CloseHandle(handle);
  }
}

std::wstring className(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

RECT rectInParent(HWND control) {
  RECT box = screenRect(control);
  MapWindowPoints(HWND_DESKTOP, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
  return box;
}

}  // namespace wtest
