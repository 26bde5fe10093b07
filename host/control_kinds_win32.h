#pragma once
// One pair of functions per control kind: its window class, and a control of that kind.
#include <windows.h>

#include "host/form.h"

namespace host {

void registerLabelClasses();
HWND createTransparentLabel(const ControlSpec& settings, HWND parent, int id);
HWND createLabel(const ControlSpec& settings, HWND parent, int id);

void registerPictureBoxClass();
HWND createPictureBox(const ControlSpec& settings, HWND parent, int id);

void registerPictureButtonClass();
HWND createPictureButton(const ControlSpec& settings, HWND parent, int id);

void registerBrowserClass();
HWND createBrowser(const ControlSpec& settings, HWND parent, int id);

HWND createProgressBar(const ControlSpec& settings, HWND parent, int id);

// The child-window style every kind shares: overlapping siblings paint in stacking order.
constexpr DWORD childStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;

HWND createChild(const wchar_t* className, const ControlSpec& settings, HWND parent, int id, DWORD extraStyle = 0);

}  // namespace host
