#include "host/message_loop_win32.h"

#include "host/form_window_win32.h"
#include "host/services.h"

namespace host {

namespace {

// Escape closes a window whose form says so, unless the control with the focus takes the key.
bool closeOnEscape(MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_ESCAPE) return false;
  HWND top = GetAncestor(message.hwnd, GA_ROOT);
  const Window* window = windowOf(top);
  if (!window || !window->form().escapeCloses) return false;
  if (message.hwnd != top) {
    const LRESULT wants = SendMessageW(message.hwnd, WM_GETDLGCODE, message.wParam, reinterpret_cast<LPARAM>(&message));
    if (wants & (DLGC_WANTALLKEYS | DLGC_WANTMESSAGE)) return false;
  }
  PostMessageW(top, WM_CLOSE, 0, 0);
  return true;
}

}  // namespace

void dispatch(MSG& message) {
  if (closeOnEscape(message) || translateBrowserKeys(message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

void messageLoop() {
  if (openWindowCount() == 0) return;
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) dispatch(message);
}

}  // namespace host
