#include "host/control_kinds_win32.h"
#include "host/controls_win32.h"
#include "host/painting_win32.h"
#include "host/pictures_win32.h"

namespace host {

namespace {

constexpr const wchar_t* transparentClass = L"JcTransparentLabel";
constexpr const wchar_t* opaqueClass = L"JcLabel";

// A transparent label shows whatever lies beneath it; printed into a sibling's picture it adds only
// its text, since that picture already holds what lies beneath. An opaque label shows its background
// colour and picture.
template <bool Transparent>
void paintLabel(HWND label, HDC dc, bool printing) {
  RECT box{};
  GetClientRect(label, &box);
  if constexpr (Transparent) {
    if (!printing) paintBeneath(label, dc);
  } else {
    const ControlSpec* settings = controlSettings(label);
    fillColour(dc, box, settings->background);
    drawPicture(dc, box, settings->picture, DisplayMode::TopLeft);
  }
  drawControlText(label, dc);
}

template <bool Transparent>
LRESULT CALLBACK procedure(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCCREATE:
      keepControlSettings(label, lParam);
      break;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      paintOnRequest(label, [label](HDC surface, const RECT&) { paintLabel<Transparent>(label, surface, false); });
      return 0;
    case WM_PRINTCLIENT:
      paintLabel<Transparent>(label, reinterpret_cast<HDC>(wParam), true);
      return 0;
    case WM_SETTEXT: {
      const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
      InvalidateRect(label, nullptr, FALSE);
      return result;
    }
    case WM_LBUTTONDOWN:
      if (const ControlSpec* settings = controlSettings(label); settings && settings->leftPressed) settings->leftPressed();
      return 0;
  }
  return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace

void registerLabelClasses() {
  registerClass(transparentClass, procedure<true>);
  registerClass(opaqueClass, procedure<false>);
}

HWND createTransparentLabel(const ControlSpec& settings, HWND parent, int id) {
  return createChild(transparentClass, settings, parent, id);
}

HWND createLabel(const ControlSpec& settings, HWND parent, int id) { return createChild(opaqueClass, settings, parent, id); }

}  // namespace host
