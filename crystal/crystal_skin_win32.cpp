#include "crystal/crystal_skin_win32.h"

#include <string_view>

#include "crystal/crystal_progress_proc_win32.h"
#include "crystal/skin_properties_win32.h"
#include "host/unique_win32.h"

namespace crystal {

bool isProgressBar(HWND window) {
  char name[255] = {};
  const int length = GetClassNameA(window, name, sizeof name);
  return std::string_view(name, static_cast<std::size_t>(length)) == "msctls_progress32";
}

bool attachCrystalSkin(HWND window, int initialColorStyle) {
  if (!isProgressBar(window)) return false;
  applyCrystalRegion(window);
  if (!readProperty(window, previousProcKey)) {
    const LONG_PTR previous =
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(crystalProgressProc));
    writeProperty(window, previousProcKey, previous);
  }
  writeProperty(window, skinKindKey, progressBarSkin);
  if (initialColorStyle > 0) writeProperty(window, colorStyleKey, initialColorStyle);
  InvalidateRect(window, nullptr, FALSE);
  return true;
}

void applyCrystalRegion(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  host::UniqueRegion region(CreateRoundRectRgn(0, 0, box.right - box.left + 1, box.bottom - box.top + 1, 5, 5));
  // Once given, the region belongs to the window system.
  if (region && SetWindowRgn(window, region.get(), TRUE)) region.release();
}

LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const auto previous = reinterpret_cast<WNDPROC>(readProperty(window, previousProcKey));
  return CallWindowProcW(previous, window, message, wParam, lParam);
}

}  // namespace crystal
