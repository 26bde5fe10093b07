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

const ControlSpec* controlSpec(HWND control) {
  return reinterpret_cast<const ControlSpec*>(GetWindowLongPtrW(control, GWLP_USERDATA));
}

void keepControlSpec(HWND control, LPARAM createParams) {
  const auto* create = reinterpret_cast<const CREATESTRUCTW*>(createParams);
  SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

HWND createChild(const wchar_t* className, const ControlSpec& spec, HWND parent, int id, DWORD extraStyle) {
  return CreateWindowExW(0, className, widen(spec.text).c_str(), childStyle | extraStyle, spec.place.left,
                         spec.place.top, spec.place.width, spec.place.height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                         const_cast<ControlSpec*>(&spec));
}

void registerControlClasses() {
  registerLabelClasses();
  registerPictureBoxClass();
  registerPictureButtonClass();
  registerBrowserClass();
}

HWND createControl(const ControlSpec& spec, HWND parent, int id) {
  switch (spec.kind) {
    case ControlKind::TransparentLabel:
      return createTransparentLabel(spec, parent, id);
    case ControlKind::Label:
      return createLabel(spec, parent, id);
    case ControlKind::PictureBox:
      return createPictureBox(spec, parent, id);
    case ControlKind::PictureButton:
      return createPictureButton(spec, parent, id);
    case ControlKind::HtmlBrowser:
      return createBrowser(spec, parent, id);
    case ControlKind::ProgressBar:
      return createProgressBar(spec, parent, id);
    case ControlKind::Component:
      return nullptr;
  }
  return nullptr;
}

}  // namespace host
