#include "host/window.h"

#include "host/controls_win32.h"
#include "host/drag_win32.h"
#include "host/form_window_win32.h"
#include "host/pictures_win32.h"
#include "host/services.h"
#include "host/wide_win32.h"

namespace host {

namespace {

int openWindows = 0;

DWORD formStyle(const FormSpec& form) {
  DWORD style = WS_POPUP | WS_CLIPCHILDREN;
  if (form.minimizeBox) style |= WS_MINIMIZEBOX;
  if (form.maximizeBox) style |= WS_MAXIMIZEBOX;
  return style;
}

DWORD formExStyle(const FormSpec& form) {
  DWORD style = form.inTaskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
  if (form.topmost) style |= WS_EX_TOPMOST;
  return style;
}

// Controls are stacked as the table lists them: each sibling below the one listed before it.
void stackAsListed(const FormSpec& form, const std::vector<HWND>& controls) {
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (!controls[i]) continue;
    HWND above = HWND_TOP;
    for (std::size_t j = i; j-- > 0;) {
      if (controls[j] && form.controls[j].parent == form.controls[i].parent) {
        above = controls[j];
        break;
      }
    }
    SetWindowPos(controls[i], above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

}  // namespace

HWND Window::control(std::string_view name) const {
  if (!handle_) return nullptr;
  const auto index = findControl(form_, name);
  return index ? controls_[*index] : nullptr;
}

Window* windowOf(HWND handle) { return formWindowOf(handle); }

bool loadWindow(Window& window) {
  if (window.handle_) {
    if (IsIconic(window.handle_)) {
      ShowWindow(window.handle_, SW_RESTORE);
    } else {
      SetForegroundWindow(window.handle_);
      BringWindowToTop(window.handle_);
    }
    return true;
  }

  const FormSpec& form = window.form_;
  const Place place =
      centredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), form.width, form.height);
  HWND handle = CreateWindowExW(formExStyle(form), formWindowClass, widen(form.caption).c_str(), formStyle(form),
                                place.left, place.top, place.width, place.height, nullptr, nullptr,
                                GetModuleHandleW(nullptr), &window);
  if (!handle) return false;
  ++openWindows;
  if (form.icon) {
    SendMessageW(handle, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon(form.icon, 48)));
    SendMessageW(handle, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon(form.icon, 16)));
  }

  window.controls_.assign(form.controls.size(), nullptr);
  for (const std::size_t index : creationOrder(form)) {
    const ControlSpec& settings = form.controls[index];
    HWND parent = settings.parent.empty() ? handle : window.controls_[*findControl(form, settings.parent)];
    window.controls_[index] = createControl(settings, parent, static_cast<int>(index) + 1);
  }
  stackAsListed(form, window.controls_);

  // The created event may end the program or close the window; the later steps check for that.
  if (form.created) form.created();
  if (window.handle_ && form.sizeChanged) form.sizeChanged();
  if (window.handle_) {
    window.loaded_ = true;
    if (form.visible) ShowWindow(window.handle_, SW_SHOW);
  }
  return true;
}

void destroyWindow(Window& window) {
  if (window.handle()) PostMessageW(window.handle(), destroyRequest, 0, 0);
}

HWND windowHandle(const Window& window) { return window.handle(); }

HWND windowHandle(const Window& window, std::string_view control) { return window.control(control); }

LRESULT sendMessage(Window& window, UINT message, WPARAM wParam, LPARAM lParam) {
  return SendMessageW(window.handle(), message, wParam, lParam);
}

LRESULT CALLBACK formWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Window* window = formWindowOf(handle);
  if (message == WM_NCCREATE) {
    window = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    window->handle_ = handle;
    keepFormWindow(handle, window);
  }
  if (!window) return DefWindowProcW(handle, message, wParam, lParam);

  const FormSpec& form = window->form_;
  switch (message) {
    case WM_ERASEBKGND:
      paintFormBackground(handle, reinterpret_cast<HDC>(wParam));
      return 1;
    case WM_PRINTCLIENT:
      paintFormBackground(handle, reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_LBUTTONDOWN:
      dragFromAnywhere(handle);
      return 0;
    case WM_SIZE:
      if (window->loaded_ && form.sizeChanged) form.sizeChanged();
      break;
    case WM_DESTROY:
      if (form.destroyed) form.destroyed();
      break;
    case WM_NCDESTROY:
      window->handle_ = nullptr;
      window->controls_.clear();
      window->loaded_ = false;
      if (--openWindows == 0) PostQuitMessage(0);
      break;
    default:
      if (message == destroyRequest) {
        DestroyWindow(handle);
        return 0;
      }
  }
  return DefWindowProcW(handle, message, wParam, lParam);
}

int openWindowCount() { return openWindows; }

}  // namespace host
