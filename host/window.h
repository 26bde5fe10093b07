#pragma once
// One window of a program: its form and, while it is open, its system handles.
#include <windows.h>

#include <string_view>
#include <vector>

#include "host/form.h"

namespace host {

class Window {
 public:
  explicit Window(FormSpec form) : form_(std::move(form)) {}
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  const FormSpec& form() const { return form_; }
  HWND handle() const { return handle_; }
  // The control's handle; none when the window is not open or the control has no window.
  HWND control(std::string_view name) const;

 private:
  friend bool loadWindow(Window& window);
  friend LRESULT CALLBACK formWindowProc(HWND, UINT, WPARAM, LPARAM);

  FormSpec form_;
  HWND handle_ = nullptr;
  std::vector<HWND> controls_;  // by the form's table index
  bool loaded_ = false;         // size events are raised only once the load has created everything
};

// The window whose top-level window is `handle`, if it is one of ours.
Window* windowOf(HWND handle);

}  // namespace host
