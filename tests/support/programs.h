#pragma once
// Black-box tests of the programs: start a real executable in a folder of its own and watch it as a
// user would, through its windows and its exit code.
#include <windows.h>

#include <string>

namespace wtest {

// A fresh, empty folder under the system's temporary folder.
std::wstring freshFolder(const std::wstring& name);
// Copies a program built beside the tests into `folder`; its path there.
std::wstring installProgram(const std::wstring& fileName, const std::wstring& folder);
std::wstring builtProgram(const std::wstring& fileName);

// A process started by a test; ended by the test at the latest when the object goes.
class RunningProgram {
 public:
  explicit RunningProgram(const std::wstring& path, const std::wstring& arguments = L"");
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  bool started() const { return process_ != nullptr; }
  DWORD id() const { return id_; }
  // The process's visible top-level window of that caption, or none once the time is up.
  HWND waitForWindow(const std::wstring& caption, DWORD timeoutMs = 15000) const;
  // The exit code once it has ended, or STILL_ACTIVE when the time is up.
  DWORD waitForExit(DWORD timeoutMs = 15000) const;
  bool running() const;

 private:
  HANDLE process_ = nullptr;
  DWORD id_ = 0;
};

// A top-level window of the given process and caption (visible or not), or none.
HWND findWindowOf(DWORD processId, const std::wstring& caption);

// Ends every process that has a top-level window of that caption (programs a program under test
// started).
void endProgramsWithWindow(const std::wstring& caption);

std::wstring className(HWND window);
RECT rectInParent(HWND control);

}  // namespace wtest
