// The handlers of the main window's title strip.
#include "host/services.h"
#include "player/main_window_win32.h"
#include "player/site.h"

void onMaximizeButtonClicked() {
  // Decided by the window's maximised bit at the moment of the click.
  const LONG style = GetWindowLongW(host::windowHandle(mainWindow), GWL_STYLE);
  const WPARAM command = (style & WS_MAXIMIZE) == WS_MAXIMIZE ? SC_RESTORE : SC_MAXIMIZE;
  host::sendMessage(mainWindow, WM_SYSCOMMAND, command, 0);
}

void onCloseButtonClicked() { host::sendMessage(mainWindow, WM_CLOSE, 0, 0); }

void onMinimizeButtonClicked() { host::setProperty(mainWindow, "", host::Property::WindowState, host::minimised); }

void onReturnLabelPressed() { host::setProperty(mainWindow, "超文本浏览框1", host::Property::Address, homePage); }
