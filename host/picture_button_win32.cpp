#include "host/button_states.h"
#include "host/control_kinds_win32.h"
#include "host/controls_win32.h"
#include "host/painting_win32.h"
#include "host/pictures_win32.h"

namespace host {

namespace {

constexpr const wchar_t* className = L"JcPictureButton";

// Per-button state, owned by the button window from creation to its last message.
struct ButtonData {
  const ControlSpec* settings;
  ButtonStates states;
  bool trackingLeave = false;
};

ButtonData* dataOf(HWND button) { return reinterpret_cast<ButtonData*>(GetWindowLongPtrW(button, GWLP_USERDATA)); }

POINT pointOf(LPARAM lParam) { return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

bool pointerInside(HWND button, LPARAM lParam) {
  RECT box{};
  GetClientRect(button, &box);
  return PtInRect(&box, pointOf(lParam)) != FALSE;
}

// Black, then the state's image at its natural size at the top-left.
void paintButton(HWND button, HDC dc) {
  const ButtonData* data = dataOf(button);
  RECT box{};
  GetClientRect(button, &box);
  fillColour(dc, box, black);
  const ButtonImage state = IsWindowEnabled(button) ? data->states.image() : ButtonImage::Disabled;
  drawPicture(dc, box, imageFor(state, data->settings->images), DisplayMode::TopLeft);
}

void repaint(HWND button) { InvalidateRect(button, nullptr, FALSE); }

LRESULT CALLBACK procedure(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
  ButtonData* data = dataOf(button);
  switch (message) {
    case WM_NCCREATE: {
      const auto* settings = static_cast<const ControlSpec*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
      SetWindowLongPtrW(button, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ButtonData{settings, {}}));
      break;
    }
    case WM_NCDESTROY:
      delete data;
      SetWindowLongPtrW(button, GWLP_USERDATA, 0);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paintOnRequest(button, [button](HDC surface, const RECT&) { paintButton(button, surface); });
      return 0;
    case WM_PRINTCLIENT:
      paintButton(button, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_SETCURSOR:
      if (data->settings->cursor && LOWORD(lParam) == HTCLIENT) {
        SetCursor(pointer(data->settings->cursor));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE:
      if (!data->trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
        data->trackingLeave = TrackMouseEvent(&track) != FALSE;
      }
      data->states.pointerMoved(pointOf(lParam).x, pointOf(lParam).y,
                                GetCapture() != button || pointerInside(button, lParam));
      repaint(button);
      return 0;
    case WM_MOUSELEAVE:
      data->trackingLeave = false;
      if (GetCapture() != button) data->states.pointerLeft();
      repaint(button);
      return 0;
    case WM_LBUTTONDOWN:
      SetCapture(button);
      data->states.leftDown();
      repaint(button);
      return 0;
    case WM_LBUTTONUP: {
      const bool clicked = data->states.leftUp(pointOf(lParam).x, pointOf(lParam).y, pointerInside(button, lParam));
      if (GetCapture() == button) ReleaseCapture();
      repaint(button);
      // Last: the handler may close the window this button is on.
      if (clicked && data->settings->clicked) data->settings->clicked();
      return 0;
    }
    case WM_CAPTURECHANGED:
      data->states.captureLost();
      repaint(button);
      return 0;
  }
  return DefWindowProcW(button, message, wParam, lParam);
}

}  // namespace

void registerPictureButtonClass() { registerClass(className, procedure); }

HWND createPictureButton(const ControlSpec& settings, HWND parent, int id) {
  return createChild(className, settings, parent, id);
}

}  // namespace host
