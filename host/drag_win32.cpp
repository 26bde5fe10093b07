#include "host/drag_win32.h"

#include "host/window.h"

namespace host {

bool dragFromAnywhere(HWND pressed) {
  HWND top = GetAncestor(pressed, GA_ROOT);
  const Window* window = windowOf(top);
  if (!window || !window->form().dragAnywhere) return false;
  // As if the caption had been grabbed: the system runs its move loop.
  ReleaseCapture();
  SendMessageW(top, WM_NCLBUTTONDOWN, HTCAPTION, 0);
  return true;
}

}  // namespace host
