#pragma once
// Gives a window the rounded outline of its current size.
#include <windows.h>

#include "player/skin/rounded_region.h"

// Nothing at all for a handle that names no window.
void setRoundedWindowRegion(HWND window, const RegionParameters& parameters = {});
