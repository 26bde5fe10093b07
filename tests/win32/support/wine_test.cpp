#include "tests/win32/support/wine_test.h"

#include <cstdlib>

#include "host/message_loop_win32.h"

namespace wtest {

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > timeoutMs) return false;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) host::dispatch(message);
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void pumpFor(DWORD milliseconds) {
  const DWORD start = GetTickCount();
  pumpUntil([&] { return GetTickCount() - start >= milliseconds; }, milliseconds + 1000);
}

void mouseMove(POINT screen) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &input, sizeof input);
}

void mouseButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

void click(POINT screen) {
  mouseMove(screen);
  pumpFor(50);
  mouseButton(true);
  pumpFor(50);
  mouseButton(false);
  pumpFor(50);
}

void key(WORD virtualKey) {
  INPUT inputs[2]{};
  inputs[0].type = INPUT_KEYBOARD;
  inputs[0].ki.wVk = virtualKey;
  inputs[1] = inputs[0];
  inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, inputs, sizeof inputs[0]);
}

POINT screenPoint(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  return point;
}

RECT screenRect(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  return box;
}

COLORREF pixel(HWND window, int x, int y) {
  UpdateWindow(window);
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

std::wstring windowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

HWND childAt(HWND parent, int index) {
  HWND child = GetWindow(parent, GW_CHILD);
  for (int i = 0; child && i < index; ++i) child = GetWindow(child, GW_HWNDNEXT);
  return child;
}

std::string environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::wstring windowsPath(const std::string& unixPath) {
  std::wstring path = L"Z:";
  for (const char c : unixPath) path += c == '/' ? L'\\' : static_cast<wchar_t>(static_cast<unsigned char>(c));
  return path;
}

MessageBoxWatcher::MessageBoxWatcher(int buttonToPress, HWND watched)
    : watched_(watched), thread_([this, buttonToPress] { run(buttonToPress); }) {}

MessageBoxWatcher::~MessageBoxWatcher() { join(); }

void MessageBoxWatcher::join() {
  if (thread_.joinable()) thread_.join();
}

namespace {

// The first visible dialog window of this process.
BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  GetClassNameW(window, name, 16);
  if (process == GetCurrentProcessId() && lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window)) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

void MessageBoxWatcher::run(int buttonToPress) {
  HWND found = nullptr;
  for (int tries = 0; tries < 500 && !found; ++tries) {
    Sleep(20);
    EnumWindows(findMessageBox, reinterpret_cast<LPARAM>(&found));
  }
  if (!found) return;
  box_ = found;
  owner_ = GetWindow(box_, GW_OWNER);
  title_ = windowText(box_);
  exStyle_ = static_cast<DWORD>(GetWindowLongW(box_, GWL_EXSTYLE));
  // The message text is the box's static control (identifier 0xFFFF).
  text_ = windowText(GetDlgItem(box_, 0xFFFF));
  if (watched_) watchedDisabled_ = !IsWindowEnabled(watched_);
  PostMessageW(box_, WM_COMMAND, MAKEWPARAM(buttonToPress, BN_CLICKED), 0);
}

}  // namespace wtest
