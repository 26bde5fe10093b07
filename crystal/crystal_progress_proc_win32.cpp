#include "crystal/crystal_progress_proc_win32.h"

#include <commctrl.h>

#include "crystal/crystal_paint_win32.h"
#include "crystal/crystal_skin_win32.h"
#include "crystal/skin_properties_win32.h"
#include "crystal/text_blocks_win32.h"

namespace crystal {

LRESULT CALLBACK crystalProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      if (HDC dc = BeginPaint(window, &paint)) paintCrystalProgress(window, dc);
      EndPaint(window, &paint);
      return 1;
    }
    case WM_DESTROY:
      freeTextProperty(window, captionKey);
      return callPreviousProc(window, message, wParam, lParam);
    case PBM_SETPOS: {
      // Painted before the sender gets its answer, so a fast download shows every step.
      const LRESULT result = callPreviousProc(window, message, wParam, lParam);
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
