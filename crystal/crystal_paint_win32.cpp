#include "crystal/crystal_paint_win32.h"

#include <commctrl.h>

#include <string>

#include "crystal/crystal_colors_win32.h"
#include "crystal/crystal_picture.h"
#include "crystal/crystal_resources_win32.h"
#include "crystal/dib_surface_win32.h"
#include "crystal/skin_properties_win32.h"
#include "crystal/text_blocks_win32.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"

namespace crystal {

namespace {

// The control keeps its range and position; the skin reads them at every paint.
CrystalBarState barStateOf(HWND window) {
  PBRANGE range{};
  SendMessageW(window, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  return {.vertical = (GetWindowLongPtrW(window, GWL_STYLE) & PBS_VERTICAL) != 0,
          .low = range.iLow,
          .high = range.iHigh,
          .position = static_cast<int>(SendMessageW(window, PBM_GETPOS, 0, 0)),
          .colors = crystalColorsOf(window),
          .textStyle = static_cast<int>(readProperty(window, textStyleKey)),
          .caption = readTextProperty(window, captionKey),
          .background = buttonFaceColor};
}

RECT rectOf(const PixelRect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

void drawCaption(HDC dc, const CaptionPlan& caption) {
  const std::wstring text = host::widen(caption.text);
  const host::Selection font(dc, crystalFont);
  SetBkMode(dc, TRANSPARENT);
  constexpr UINT format = DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS;
  for (const auto& [place, colour] : {std::pair{caption.rim, caption.rimColour}, {caption.face, caption.faceColour}}) {
    RECT box = rectOf(place);
    SetTextColor(dc, colour);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, format);
  }
}

void paintOnto(HWND window, HDC target, int w, int h) {
  if (!target || w <= 0 || h <= 0) return;
  const DibSurface surface(target, w, h);
  if (!surface) return;
  const CrystalBarState bar = barStateOf(window);
  PixelCanvas canvas(surface.pixels(), w, h);
  renderCrystalBar(canvas, bar);
  if (const auto caption = captionPlan(bar, w, h)) drawCaption(surface.dc(), *caption);
  BitBlt(target, 0, 0, w, h, surface.dc(), 0, 0, SRCCOPY);
}

}  // namespace

void paintCrystalProgress(HWND window, HDC dc) {
  RECT box{};
  if (dc) {
    GetClientRect(window, &box);
    paintOnto(window, dc, box.right - box.left, box.bottom - box.top);
    return;
  }
  // A window that is gone has no rectangle, so the screen's device context is never taken.
  if (!GetWindowRect(window, &box)) return;
  const host::WindowDc own(window, true);
  paintOnto(window, own.get(), box.right - box.left, box.bottom - box.top);
}

}  // namespace crystal
