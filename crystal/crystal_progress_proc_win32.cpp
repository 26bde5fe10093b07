#include "crystal/crystal_progress_proc_win32.h"

#include <commctrl.h>

#include <utility>

#include "crystal/crystal_paint_win32.h"
#include "crystal/crystal_skin_win32.h"
#include "crystal/skin_properties_win32.h"
#include "crystal/text_blocks_win32.h"

namespace crystal {

namespace {

// The window whose position is being set on this thread. The control may repaint itself at once
// while it takes a new position; that paint is left to the whole-window paint that follows.
thread_local HWND settingPosition = nullptr;

}  // namespace

LRESULT CALLBACK crystalProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      if (dc && window != settingPosition) paintCrystalProgress(window, dc);
      EndPaint(window, &paint);
      return 1;
    }
    case WM_DESTROY:
      freeTextProperty(window, captionKey);
      return callPreviousProc(window, message, wParam, lParam);
    case PBM_SETPOS: {
      // Painted before the sender gets its answer, so a fast download shows every step.
      const HWND outer = std::exchange(settingPosition, window);
      const LRESULT result = callPreviousProc(window, message, wParam, lParam);
      settingPosition = outer;
      paintCrystalProgress(window, nullptr);
      return result;
    }
    case WM_SIZE: {
      const LRESULT result = callPreviousProc(window, message, wParam, lParam);
      applyCrystalRegion(window);
      return result;
    }
    default:
      return callPreviousProc(window, message, wParam, lParam);
  }
}

}  // namespace crystal
