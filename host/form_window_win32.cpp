#include "host/form_window_win32.h"

#include "host/controls_win32.h"
#include "host/pictures_win32.h"

namespace host {

void registerFormWindowClass() { registerClass(formWindowClass, formWindowProc); }

Window* formWindowOf(HWND handle) {
  wchar_t name[16] = {};
  if (!handle || !GetClassNameW(handle, name, 16) || lstrcmpW(name, formWindowClass) != 0) return nullptr;
  return reinterpret_cast<Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

void keepFormWindow(HWND handle, Window* window) {
  SetWindowLongPtrW(handle, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
}

void paintFormBackground(HWND handle, HDC dc) {
  const Window* window = formWindowOf(handle);
  if (!window) return;
  RECT box{};
  GetClientRect(handle, &box);
  fillColour(dc, box, window->form().background);
  drawPicture(dc, box, window->form().backgroundPicture, DisplayMode::Stretched);
}

}  // namespace host
