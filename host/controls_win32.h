#pragma once
// The control kinds of the toolkit, each a window class of its own.
#include <windows.h>

#include "host/form.h"

namespace host {

void registerControlClasses();

// Creates the control as a child of `parent`; none for kinds without a window. The settings must
// outlive the control.
HWND createControl(const ControlSpec& settings, HWND parent, int id);

// Window class registration shared by the kinds: a Unicode class with the given procedure. No
// double clicks: a quick second press must stay a press.
void registerClass(const wchar_t* name, WNDPROC procedure, UINT style = 0);

// The settings a control was created with (its creation parameter, kept as window data).
const ControlSpec* controlSettings(HWND control);
void keepControlSettings(HWND control, LPARAM createParams);

}  // namespace host
