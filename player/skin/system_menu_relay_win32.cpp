#include "player/skin/system_menu_relay_win32.h"

#include "host/services.h"
#include "player/globals_win32.h"
#include "player/skin/menu_relay.h"

namespace {

void carryOut(RelayCommand command) {
  static constexpr WPARAM systemCommands[] = {0, SC_RESTORE, SC_MOVE, SC_SIZE, SC_MINIMIZE, SC_MAXIMIZE};
  if (command == RelayCommand::Close) host::endProgram(0);  // no close message
  if (command != RelayCommand::None) {
    SendMessageW(mainWindowHandle, WM_SYSCOMMAND, systemCommands[static_cast<int>(command)], 0);
  }
}

}  // namespace

void installSystemMenuRelay(host::Window& window) {
  mainWindowHandle = host::windowHandle(window);
  SetWindowLongW(mainWindowHandle, GWL_STYLE, GetWindowLongW(mainWindowHandle, GWL_STYLE) | WS_SYSMENU);
  savedMainWindowProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(mainWindowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(systemMenuRelayProc)));
}

LRESULT CALLBACK systemMenuRelayProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_MENUSELECT) {
    carryOut(onMenuSelect(menuSelectSeen, lastMenuSelect, static_cast<std::uint32_t>(wParam)));
  }
  return CallWindowProcW(savedMainWindowProc, window, message, wParam, lParam);
}
