#pragma once
// Turning an existing progress bar into a crystal one: a rounded region, the skin's window
// procedure in front of the control's own, and the skin's settings in the window's property list.
#include <windows.h>

namespace crystal {

// Only progress bars are skinned: the class name must be "msctls_progress32", bytewise.
bool isProgressBar(HWND window);

// False, touching nothing, for any other class. The procedure is replaced once only, so a second
// attachment never wraps the skin around itself; an initial colour style of 0 or less is not stored.
bool attachCrystalSkin(HWND window, int initialColorStyle);

// A round-cornered region one pixel wider and higher than the window, with 5 x 5 corner ellipses.
void applyCrystalRegion(HWND window);

// Passes a message on to the procedure the skin replaced.
LRESULT callPreviousProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace crystal
