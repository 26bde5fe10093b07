#include "host/drag_win32.h"

#include "host/window.h"

namespace host {

bool dragFromAnywhere(HWND pressed) {
  HWND top = GetAncestor(pressed, GA_ROOT);
  const Window* window = windowOf(top);
  if (!window || !window->form().dragAnywhere) return false;
  // As if the caption had been grabbed where the button went down: the system runs its move loop
  // from that point.
  const DWORD pressedAt = GetMessagePos();
  ReleaseCapture();
  SendMessageW(top, WM_NCLBUTTONDOWN, HTCAPTION, static_cast<LPARAM>(pressedAt));
  return true;
}

}  // namespace host
