#include <windows.h>

#include <commctrl.h>

#include "host/control_kinds_win32.h"

namespace host {

// The common-controls progress bar, which keeps its own range and position.
HWND createProgressBar(const ControlSpec& settings, HWND parent, int id) {
  HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, L"", childStyle, settings.place.left, settings.place.top, settings.place.width,
                             settings.place.height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
  if (bar) SendMessageW(bar, PBM_SETRANGE32, settings.rangeLow, settings.rangeHigh);
  return bar;
}

}  // namespace host
