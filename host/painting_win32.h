#pragma once
// Painting shared by the control kinds.
#include <windows.h>

#include "host/form.h"
#include "host/unique_win32.h"

namespace host {

// Paints what lies beneath a child window into `dc` (in the child's client coordinates): the
// parent's background, then every lower sibling that overlaps it, bottom first.
void paintBeneath(HWND child, HDC dc);

// Paints a window's client area through a memory surface copied in one step, so nothing flickers.
template <typename Paint>
void paintBuffered(HWND window, HDC target, Paint paint) {
  RECT box{};
  GetClientRect(window, &box);
  Surface surface(target, box.right, box.bottom);
  if (!surface) return;
  paint(surface.dc(), box);
  BitBlt(target, 0, 0, box.right, box.bottom, surface.dc(), 0, 0, SRCCOPY);
}

// Answers WM_PAINT with a buffered paint of the whole client area.
template <typename Paint>
void paintOnRequest(HWND window, Paint paint) {
  PAINTSTRUCT request;
  HDC dc = BeginPaint(window, &request);
  paintBuffered(window, dc, paint);
  EndPaint(window, &request);
}

// Draws a label's text as its settings say: font, colour, effect, alignment and word wrap.
void drawLabelText(HDC dc, const RECT& box, const ControlSpec& settings, const wchar_t* text, int length);

// Draws the control's window text over its client area, as its settings say.
void drawControlText(HWND control, HDC dc);

// The GDI font of a label: the record's font, made once per settings, or the default GUI font.
HFONT labelFont(const ControlSpec& settings);

}  // namespace host
