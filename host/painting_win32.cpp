#include "host/painting_win32.h"

#include <map>
#include <string>
#include <vector>

#include "host/controls_win32.h"
#include "host/pictures_win32.h"
#include "host/wide_win32.h"

namespace host {

namespace {

// WM_PRINTCLIENT of `source` into `dc`, with the source's client origin moved to where it lies
// relative to `child`.
void printInto(HWND source, HWND child, HDC dc, UINT flags) {
  POINT origin{0, 0};
  MapWindowPoints(source, child, &origin, 1);
  POINT previous{};
  OffsetViewportOrgEx(dc, origin.x, origin.y, &previous);
  SendMessageW(source, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
  SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

bool overlaps(HWND a, HWND b) {
  RECT ra{}, rb{}, common{};
  GetWindowRect(a, &ra);
  GetWindowRect(b, &rb);
  return IntersectRect(&common, &ra, &rb) != FALSE;
}

}  // namespace

void paintBeneath(HWND child, HDC dc) {
  HWND parent = GetParent(child);
  if (!parent) return;
  printInto(parent, child, dc, PRF_ERASEBKGND | PRF_CLIENT);
  std::vector<HWND> lower;
  for (HWND sibling = GetWindow(child, GW_HWNDNEXT); sibling; sibling = GetWindow(sibling, GW_HWNDNEXT)) {
    if (IsWindowVisible(sibling) && overlaps(child, sibling)) lower.push_back(sibling);
  }
  for (auto it = lower.rbegin(); it != lower.rend(); ++it) printInto(*it, child, dc, PRF_CLIENT);
}

HFONT labelFont(const ControlSpec& settings) {
  if (!settings.font) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  static std::map<const ControlSpec*, UniqueFont> fonts;
  auto found = fonts.find(&settings);
  if (found == fonts.end()) {
    const FontRecord& record = *settings.font;
    // A negative height asks for the character height rather than the cell height.
    HFONT font = CreateFontW(-record.height, 0, 0, 0, record.weight, record.italic, record.underline,
                             record.strikeOut, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             PROOF_QUALITY, DEFAULT_PITCH, widen(record.face).c_str());
    found = fonts.emplace(&settings, UniqueFont(font)).first;
  }
  return found->second.get();
}

void drawLabelText(HDC dc, const RECT& box, const ControlSpec& settings, const wchar_t* text, int length) {
  Selection font(dc, labelFont(settings));
  SetBkMode(dc, TRANSPARENT);
  UINT format = DT_NOPREFIX | DT_NOCLIP | (settings.align == Align::Centre ? DT_CENTER : DT_LEFT);
  RECT place = box;
  if (settings.wordWrap) {
    // Vertical centring of several lines: measure them, then move the block down.
    format |= DT_WORDBREAK;
    RECT measured = box;
    DrawTextW(dc, text, length, &measured, format | DT_CALCRECT);
    const int spare = (box.bottom - box.top) - (measured.bottom - measured.top);
    if (spare > 0) place.top += spare / 2;
  } else {
    format |= DT_SINGLELINE | DT_VCENTER;
  }
  if (settings.effect == Effect::Raised) {
    RECT rim = place;
    OffsetRect(&rim, 1, 1);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, text, length, &rim, format);
  }
  SetTextColor(dc, systemColourValue(settings.textColour));
  DrawTextW(dc, text, length, &place, format);
}

void drawControlText(HWND control, HDC dc) {
  const ControlSpec* settings = controlSettings(control);
  if (!settings) return;
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()));
  RECT box{};
  GetClientRect(control, &box);
  drawLabelText(dc, box, *settings, text.c_str(), length);
}

}  // namespace host
