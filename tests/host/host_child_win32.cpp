// A small program the host-service tests start, to see process starts and ends from outside.
//   end CODE MARKER    registers a shutdown routine that appends to MARKER, then endProgram(CODE)
//   fatal MARKER       the same routine, then fatalExit()
//   idle MARKER        writes MARKER, then waits for input in a message loop (ends after 10 s)
//   slow MARKER        busy for 3 s before it writes MARKER and ends
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "host/services.h"

namespace {

std::wstring marker;

void appendToMarker() {
  HANDLE file = CreateFileW(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "x", 1, &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count < 3) return 2;
  const std::wstring mode = arguments[1];
  marker = arguments[count - 1];

  if (mode == L"end" || mode == L"fatal") {
    host::registerShutdown(appendToMarker);
    if (mode == L"fatal") host::fatalExit();
    host::endProgram(_wtoi(arguments[2]));
  }
  if (mode == L"idle") {
    HWND window = CreateWindowExW(0, L"STATIC", L"idle", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    appendToMarker();
    SetTimer(window, 1, 10000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) DispatchMessageW(&message);
    return 0;
  }
  if (mode == L"slow") {
    Sleep(3000);
    appendToMarker();
    return 0;
  }
  return 2;
}
