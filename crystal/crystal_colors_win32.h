#pragma once
// The colours a skinned window paints in, by the style stored in its property list.
#include <windows.h>

#include "crystal/crystal_colors.h"

namespace crystal {

const CrystalColors& crystalColorsOf(HWND window);

}  // namespace crystal
