#include "crystal/crystal_resources_win32.h"

#include "host/wide_win32.h"

namespace crystal {

HFONT crystalFont = nullptr;
COLORREF buttonFaceColor = 0;

void initialiseCrystalModule() {
  // A failure leaves the handle empty and goes unnoticed.
  crystalFont = CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                            CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, 0, host::widen("宋体").c_str());
  buttonFaceColor = GetSysColor(COLOR_BTNFACE);
}

}  // namespace crystal
