#include "host/controls_win32.h"

#include "host/control_kinds_win32.h"
#include "host/wide_win32.h"

namespace host {

void registerClass(const wchar_t* name, WNDPROC procedure, UINT style) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.style = style;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

const ControlSpec* controlSettings(HWND control) {
  return reinterpret_cast<const ControlSpec*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void keepControlSettings(HWND control, LPARAM createParams) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createParams);
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

HWND createChild(const wchar_t* className, const ControlSpec& settings, HWND parent, int id, DWORD extraStyle) {
  return CreateWindowExW(0, className, widen(settings.text).c_str(), childStyle | extraStyle, settings.place.left,
                         settings.place.top, settings.place.width, settings.place.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         const_cast<ControlSpec*>(&settings));
}

void registerControlClasses() {
  registerLabelClasses();
  registerPictureBoxClass();
  registerPictureButtonClass();
  registerBrowserClass();
}

HWND createControl(const ControlSpec& settings, HWND parent, int id) {
  switch (settings.kind) {
    case ControlKind::TransparentLabel:
      return createTransparentLabel(settings, parent, id);
    case ControlKind::Label:
      return createLabel(settings, parent, id);
    case ControlKind::PictureBox:
      return createPictureBox(settings, parent, id);
    case ControlKind::PictureButton:
      return createPictureButton(settings, parent, id);
    case ControlKind::HtmlBrowser:
      return createBrowser(settings, parent, id);
    case ControlKind::ProgressBar:
      return createProgressBar(settings, parent, id);
    case ControlKind::Component:
      return nullptr;
  }
  return nullptr;
}

}  // namespace host
