#include "host/control_kinds_win32.h"
#include "host/controls_win32.h"
#include "host/drag_win32.h"
#include "host/painting_win32.h"
#include "host/pictures_win32.h"

namespace host {

namespace {

constexpr const wchar_t* className = L"JcPictureBox";

void paintBox(HWND box, HDC dc) {
  const ControlSpec* settings = controlSettings(box);
  RECT area{};
  GetClientRect(box, &area);
  fillColour(dc, area, settings->background);
  drawPicture(dc, area, settings->picture, settings->display);
}

LRESULT CALLBACK procedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      keepControlSettings(box, lParam);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paintOnRequest(box, [box](HDC surface, const RECT&) { paintBox(box, surface); });
      return 0;
    case WM_PRINTCLIENT:
      paintBox(box, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      dragFromAnywhere(box);
      return 0;
  }
  return DefWindowProcW(box, message, wParam, lParam);
}

}  // namespace

void registerPictureBoxClass() { registerClass(className, procedure); }

HWND createPictureBox(const ControlSpec& settings, HWND parent, int id) {
  // A container: its own controls are not painted over.
  return createChild(className, settings, parent, id, WS_CLIPCHILDREN);
}

}  // namespace host
