#include <windows.h>

#include <commctrl.h>

#include <string>

#include "host/browser_win32.h"
#include "host/services.h"
#include "host/wide_win32.h"

namespace host {

namespace {

HWND target(const Window& window, std::string_view control) {
  return control.empty() ? window.handle() : window.control(control);
}

SIZE outerSize(HWND handle) {
  RECT box{};
  GetWindowRect(handle, &box);
  return {box.right - box.left, box.bottom - box.top};
}

void resize(HWND handle, int width, int height) {
  SetWindowPos(handle, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int windowState(HWND handle) {
  if (IsIconic(handle)) return minimised;
  return IsZoomed(handle) ? maximised : restored;
}

int showCommandFor(int state) {
  if (state == minimised) return SW_MINIMIZE;
  return state == maximised ? SW_MAXIMIZE : SW_RESTORE;
}

}  // namespace

int getProperty(const Window& window, std::string_view control, Property property) {
  HWND handle = target(window, control);
  if (!handle) return 0;
  switch (property) {
    case Property::Width:
      return outerSize(handle).cx;
    case Property::Height:
      return outerSize(handle).cy;
    case Property::Visible:
      return IsWindowVisible(handle) ? 1 : 0;
    case Property::WindowState:
      return windowState(handle);
    case Property::Position:
      return static_cast<int>(SendMessageW(handle, PBM_GETPOS, 0, 0));
    case Property::Text:
    case Property::Address:
      break;
  }
  return 0;
}

Text getTextProperty(const Window& window, std::string_view control, Property property) {
  HWND handle = target(window, control);
  if (!handle) return {};
  if (property == Property::Address) return browserAddress(handle);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(handle)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(handle, text.data(), static_cast<int>(text.size()))));
  return narrow(text);
}

void setProperty(Window& window, std::string_view control, Property property, int value) {
  HWND handle = target(window, control);
  if (!handle) return;
  switch (property) {
    case Property::Width:
      resize(handle, value, outerSize(handle).cy);
      break;
    case Property::Height:
      resize(handle, outerSize(handle).cx, value);
      break;
    case Property::Visible:
      ShowWindow(handle, value ? SW_SHOW : SW_HIDE);
      break;
    case Property::WindowState:
      ShowWindow(handle, showCommandFor(value));
      break;
    case Property::Position:
      SendMessageW(handle, PBM_SETPOS, static_cast<WPARAM>(value), 0);
      break;
    case Property::Text:
    case Property::Address:
      setProperty(window, control, property, std::to_string(value));
      break;
  }
}

void setProperty(Window& window, std::string_view control, Property property, std::string_view value) {
  HWND handle = target(window, control);
  if (!handle) return;
  if (property == Property::Address) {
    navigateBrowser(handle, value);
  } else if (property == Property::Text) {
    SetWindowTextW(handle, widen(value).c_str());
  }
}

}  // namespace host
