#include "crystal/crystal_colors_win32.h"

#include "crystal/skin_properties_win32.h"

namespace crystal {

const CrystalColors& crystalColorsOf(HWND window) {
  return crystalColorsOfStyle(static_cast<int>(readProperty(window, colorStyleKey)));
}

}  // namespace crystal
