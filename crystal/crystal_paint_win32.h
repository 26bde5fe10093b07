#pragma once
// One whole paint of a crystal progress bar.
#include <windows.h>

namespace crystal {

// With a device context (from BeginPaint) the client area is painted; without one, the whole
// window through its own window device context. The picture is built off-screen and copied in
// one step, so the bar does not flicker while its position changes quickly.
void paintCrystalProgress(HWND window, HDC dc);

}  // namespace crystal
