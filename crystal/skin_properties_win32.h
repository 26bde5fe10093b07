#pragma once
// The skin keeps every per-window setting in the window's own property list, so any number of
// windows can be skinned without a table of its own.
#include <windows.h>

namespace crystal {

inline constexpr char previousProcKey[] = "Zintu_ShuiJingProc";  // the procedure the skin replaced
inline constexpr char skinKindKey[] = "Zintu_ShuiJing_Type";
inline constexpr char colorStyleKey[] = "Zintu_PBM_ColorStyle";
inline constexpr char textStyleKey[] = "Zintu_PBM_TxtStyle";
inline constexpr char captionKey[] = "Zintu_PBM_TxtContent";  // a text block (text_blocks_win32.h)

constexpr INT_PTR progressBarSkin = 1;  // the skin kind of a progress bar

// An absent property reads as 0.
inline INT_PTR readProperty(HWND window, const char* key) {
  return reinterpret_cast<INT_PTR>(GetPropA(window, key));
}

inline void writeProperty(HWND window, const char* key, INT_PTR value) {
  SetPropA(window, key, reinterpret_cast<HANDLE>(value));
}

}  // namespace crystal
