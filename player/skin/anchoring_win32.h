#pragma once
// Keeps registered controls at fixed distances from chosen edges of their parent when it is resized.
#include <windows.h>

#include <cstdint>

void registerAnchor(HWND child, std::int32_t anchorLeft, std::int32_t anchorTop, std::int32_t anchorRight,
                    std::int32_t anchorBottom);
LRESULT CALLBACK anchorParentProc(HWND parent, UINT message, WPARAM wParam, LPARAM lParam);
// The 1-based position of the parent's record, or -1.
int findParentRecord(HWND parent);
