#pragma once
// The two drawing resources the crystal skin shares, made once at program start by the module's
// initialiser and never released.
#include <windows.h>

namespace crystal {

extern HFONT crystalFont;         // 12-pixel cell height, "宋体", GB2312
extern COLORREF buttonFaceColor;  // the system button face, as read at start

void initialiseCrystalModule();

}  // namespace crystal
