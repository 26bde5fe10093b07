// Runs the player's own start-up in this process and notes every run of its shutdown, so a test can
// see how each way of ending goes.
//   player_ends MODE MARKER
//     no-window     the main window cannot be created
//     last-window   the main window is closed once it shows
//     menu-close    "Close" is chosen with the mouse from the main window's window menu
//     update        (with a host serving another version) the player hands over
//     probe-fails   (with a host whose test file is wrong) the failure message is confirmed; "i" is
//                   appended when it showed the information icon
// The shutdown appends "x" to MARKER when it found everything released, "!" otherwise.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <thread>

#include "player/globals_win32.h"
#include "player/startup_win32.h"
#include "tests/support/wine_test.h"

namespace {

std::wstring marker;

std::unique_ptr<wtest::MessageBoxWatcher> failureMessage;

void note(const char* what) {
  HANDLE file = CreateFileW(marker.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, what, 1, &written, nullptr);
  CloseHandle(file);
}

void noteShutdown() {
  if (failureMessage) {
    failureMessage->join();
    if (failureMessage->icon() && failureMessage->icon() == LoadIconW(nullptr, IDI_INFORMATION)) note("i");
  }
  shutDown();
  const bool released = probeText.empty() && localVersion.empty() && remoteVersion.empty() && !anchorRecords &&
                        !parentRecords;
  note(released ? "x" : "!");
}

LRESULT CALLBACK refuseForms(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND) {
    wchar_t name[16] = {};
    GetClassNameW(reinterpret_cast<HWND>(wParam), name, 16);
    if (lstrcmpW(name, L"JcForm") == 0) return 1;
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Once the main window shows, `act` runs on it from another thread.
void onceShown(void (*act)(HWND)) {
  std::thread([act] {
    for (int tries = 0; tries < 500; ++tries) {
      HWND window = FindWindowW(L"JcForm", nullptr);
      if (window && IsWindowVisible(window)) {
        act(window);
        return;
      }
      Sleep(20);
    }
  }).detach();
}

void close(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

void chooseCloseFromTheWindowMenu(HWND window) {
  SendMessageW(window, WM_MENUSELECT, 0x8080F060, 0);
  SendMessageW(window, WM_MENUSELECT, 0xFFFF0000, 0);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (count != 3) return 2;
  const std::wstring mode = arguments[1];
  marker = arguments[2];
  if (mode == L"no-window") {
    SetWindowsHookExW(WH_CBT, refuseForms, nullptr, GetCurrentThreadId());
  } else if (mode == L"last-window") {
    onceShown(close);
  } else if (mode == L"menu-close") {
    onceShown(chooseCloseFromTheWindowMenu);
  } else if (mode == L"probe-fails") {
    failureMessage = std::make_unique<wtest::MessageBoxWatcher>(IDOK);
  } else if (mode != L"update") {
    return 2;
  }
  startPlayer(noteShutdown);
}
