#include <windows.h>

#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "host/controls_win32.h"
#include "host/form_window_win32.h"
#include "host/services.h"
#include "host/wide_win32.h"

namespace host {

namespace {

void (*shutdownRoutine)() = nullptr;
LONG shutdownStarted = 0;

void runShutdownOnce() {
  if (InterlockedExchange(&shutdownStarted, 1) == 0 && shutdownRoutine) shutdownRoutine();
}

}  // namespace

void initialise() {
  SetCurrentDirectoryW(widen(runDirectory()).c_str());
  // The embedded browser and the picture decoders are COM objects of this (window) thread.
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&controls);
  registerFormWindowClass();
  registerControlClasses();
}

void registerShutdown(void (*routine)()) { shutdownRoutine = routine; }

void endProgram(int exitCode) {
  runShutdownOnce();
  ExitProcess(static_cast<UINT>(exitCode));
}

Text runDirectory() {
  std::wstring path(32768, L'\0');
  path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
  const auto slash = path.find_last_of(L"\\/");
  return narrow(slash == std::wstring::npos ? std::wstring_view{} : std::wstring_view(path).substr(0, slash));
}

}  // namespace host
