#pragma once
// The window class that realises a form's own window.
#include <windows.h>

#include "host/window.h"

namespace host {

inline constexpr const wchar_t* formWindowClass = L"JcForm";
// Posted by destroyWindow: the window is destroyed on its own thread.
inline constexpr UINT destroyRequest = WM_APP + 0x100;

void registerFormWindowClass();
Window* formWindowOf(HWND handle);
void keepFormWindow(HWND handle, Window* window);
void paintFormBackground(HWND handle, HDC dc);
int openWindowCount();

LRESULT CALLBACK formWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace host
