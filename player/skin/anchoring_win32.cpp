#include "player/skin/anchoring_win32.h"

#include "player/globals_win32.h"
#include "player/skin/anchor_layout.h"

namespace {

Rect windowRect(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return {box.left, box.top, box.right, box.bottom};
}

SIZE clientSize(HWND window) {
  RECT box{};
  GetClientRect(window, &box);
  return {box.right - box.left, box.bottom - box.top};
}

// Every resize starts from what was measured at registration: the stored records never change.
void moveAnchoredControls(HWND parent) {
  const SIZE client = clientSize(parent);
  for (const AnchorRecord& record : *anchorRecords) {
    if (record.parent != parent) continue;
    const AnchorMetrics measured{record.left, record.top, record.rightMargin, record.bottomMargin, record.width,
                                 record.height};
    const AnchorFlags flags{record.anchorLeft, record.anchorTop, record.anchorRight, record.anchorBottom};
    const Placement place = anchoredPlacement(measured, flags, client.cx, client.cy);
    MoveWindow(record.child, place.left, place.top, place.width, place.height, TRUE);
  }
}

}  // namespace

void registerAnchor(HWND child, std::int32_t anchorLeft, std::int32_t anchorTop, std::int32_t anchorRight,
                    std::int32_t anchorBottom) {
  HWND parent = GetParent(child);
  const auto current = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(parent, GWLP_WNDPROC));
  const SIZE client = clientSize(parent);
  const AnchorMetrics m = measureAnchor(windowRect(parent), windowRect(child), client.cx, client.cy);
  anchorRecords->append({parent, child, m.left, m.top, m.rightMargin, m.bottomMargin, m.width, m.height, anchorLeft,
                         anchorTop, anchorRight, anchorBottom});
  if (findParentRecord(parent) == -1) {
    parentRecords->append({parent, current, 1});
    SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(anchorParentProc));
  }
}

LRESULT CALLBACK anchorParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam) {
  const ParentRecord& record = parentRecords->at(findParentRecord(parent));
  if (message == WM_SIZE && record.anchorEnabled) moveAnchoredControls(parent);
  return CallWindowProcW(record.savedProc, parent, message, wParam, lParam);
}

int findParentRecord(HWND parent) {
  int position = 1;
  for (const ParentRecord& record : *parentRecords) {
    if (record.parent == parent) return position;
    ++position;
  }
  return -1;
}
