#pragma once
// The window procedure of a skinned progress bar: it paints the crystal picture itself and passes
// everything else on to the control, which keeps its range and position.
#include <windows.h>

namespace crystal {

LRESULT CALLBACK crystalProgressProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace crystal
