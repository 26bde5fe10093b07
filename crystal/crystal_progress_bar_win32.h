#pragma once
// The programming interface of one skinned progress bar. The object only names the window: the
// range and position are the control's, the settings live in the window's property list, and a
// copy of the object addresses the same window.
#include <windows.h>

#include <optional>
#include <string_view>

namespace crystal {

class CrystalProgressBar {
 public:
  // A new skinned bar; while the object is bound to a live window, that window's handle instead.
  HWND create(HWND parent, int left, int top, int width, int height);
  void setColorStyle(int style);  // stored as given; repaints at once
  int getColorStyle() const;      // 1 for anything outside 1 to 7
  void setText(int textStyle, std::string_view caption);  // stored as given; repaints at once
  // Binds the object to an existing progress bar and skins it; false when the object is bound to
  // a live window already, or the window is gone or not a progress bar.
  bool attach(HWND window);
  HWND getHandle() const { return handle_; }
  bool isCreated() const;
  // An omitted value keeps the window's own; a given 0 is a value.
  void move(std::optional<int> left = {}, std::optional<int> top = {}, std::optional<int> width = {},
            std::optional<int> height = {}, bool noRedraw = false);
  int getWidth() const;
  int getHeight() const;
  void getSize(int& width, int& height) const;
  void show();
  void hide();
  void setRange(int low, int high);  // both 16-bit, with a step of 1
  void setPos(int position);         // the skin repaints before this returns
  void getRange(int& low, int& high) const;
  int getMin() const;
  int getMax() const;
  int getPos() const;

 private:
  HWND handle_ = nullptr;
};

}  // namespace crystal
