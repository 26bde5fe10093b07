#include "crystal/crystal_progress_bar_win32.h"

#include <commctrl.h>

#include "crystal/crystal_colors.h"
#include "crystal/crystal_paint_win32.h"
#include "crystal/crystal_skin_win32.h"
#include "crystal/skin_properties_win32.h"
#include "crystal/text_blocks_win32.h"
#include "host/wide_win32.h"

namespace crystal {

namespace {

RECT windowRect(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

}  // namespace

HWND CrystalProgressBar::create(HWND parent, int left, int top, int width, int height) {
  if (isCreated()) return handle_;
  handle_ = nullptr;
  if (!IsWindow(parent)) return nullptr;
  HWND bar = CreateWindowExW(0, PROGRESS_CLASSW, host::widen("水晶进度条").c_str(),
                             WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left, top, width, height, parent, nullptr,
                             GetModuleHandleW(nullptr), nullptr);
  if (!bar) return nullptr;
  handle_ = bar;
  attachCrystalSkin(bar, 0);
  setColorStyle(0);
  return handle_;
}

void CrystalProgressBar::setColorStyle(int style) {
  writeProperty(handle_, colorStyleKey, style);
  paintCrystalProgress(handle_, nullptr);
}

int CrystalProgressBar::getColorStyle() const {
  return effectiveColorStyle(static_cast<int>(readProperty(handle_, colorStyleKey)));
}

void CrystalProgressBar::setText(int textStyle, std::string_view caption) {
  writeProperty(handle_, textStyleKey, textStyle);
  storeTextProperty(handle_, captionKey, caption);
  paintCrystalProgress(handle_, nullptr);
}

bool CrystalProgressBar::attach(HWND window) {
  if (isCreated() || !IsWindow(window) || !isProgressBar(window)) return false;
  handle_ = window;
  attachCrystalSkin(window, 0);
  // No edge style: the skin draws its own frame.
  SetWindowLongPtrW(window, GWL_EXSTYLE, 0);
  setColorStyle(0);
  return true;
}

bool CrystalProgressBar::isCreated() const { return IsWindow(handle_) != FALSE; }

void CrystalProgressBar::move(std::optional<int> left, std::optional<int> top, std::optional<int> width,
                              std::optional<int> height, bool noRedraw) {
  const RECT box = windowRect(handle_);
  POINT corner{box.left, box.top};
  if (HWND parent = GetParent(handle_)) ScreenToClient(parent, &corner);
  UINT flags = SWP_NOZORDER;
  if (!left && !top) flags |= SWP_NOMOVE;
  if (!width && !height) flags |= SWP_NOSIZE;
  if (noRedraw) flags |= SWP_NOREDRAW;
  SetWindowPos(handle_, nullptr, left.value_or(corner.x), top.value_or(corner.y), width.value_or(box.right - box.left),
               height.value_or(box.bottom - box.top), flags);
}

int CrystalProgressBar::getWidth() const {
  const RECT box = windowRect(handle_);
  return box.right - box.left;
}

int CrystalProgressBar::getHeight() const {
  const RECT box = windowRect(handle_);
  return box.bottom - box.top;
}

void CrystalProgressBar::getSize(int& width, int& height) const {
  width = getWidth();
  height = getHeight();
}

void CrystalProgressBar::show() { ShowWindow(handle_, SW_SHOW); }

void CrystalProgressBar::hide() { ShowWindow(handle_, SW_HIDE); }

void CrystalProgressBar::setRange(int low, int high) {
  SendMessageW(handle_, PBM_SETRANGE, 0, MAKELPARAM(low, high));
  SendMessageW(handle_, PBM_SETSTEP, 1, 0);
}

void CrystalProgressBar::setPos(int position) { SendMessageW(handle_, PBM_SETPOS, static_cast<WPARAM>(position), 0); }

void CrystalProgressBar::getRange(int& low, int& high) const {
  PBRANGE range{};
  SendMessageW(handle_, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  low = range.iLow;
  high = range.iHigh;
}

int CrystalProgressBar::getMin() const {
  int low = 0, high = 0;
  getRange(low, high);
  return low;
}

int CrystalProgressBar::getMax() const {
  int low = 0, high = 0;
  getRange(low, high);
  return high;
}

int CrystalProgressBar::getPos() const { return static_cast<int>(SendMessageW(handle_, PBM_GETPOS, 0, 0)); }

}  // namespace crystal
