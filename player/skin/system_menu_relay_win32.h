#pragma once
// Gives the borderless main window a working window menu: the relay carries out the command of the
// item last highlighted with the mouse when the menu closes.
#include <windows.h>

#include "host/window.h"

void installSystemMenuRelay(host::Window& window);
LRESULT CALLBACK systemMenuRelayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
