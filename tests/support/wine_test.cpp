#include "tests/support/wine_test.h"

#include <cstdlib>
#include <fstream>
#include <iterator>

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

namespace {

POINT pointer{0, 0};

// Every event carries the pointer's place: a button event alone may be taken where the X pointer
// last was rather than where the last injected move put it.
void sendMouse(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(pointer.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
  input.mi.dy = MulDiv(pointer.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
  input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
  SendInput(1, &input, sizeof input);
}

}  // namespace

void mouseMove(POINT screen) {
  pointer = screen;
  // Placed directly as well: an injected move alone may be undone by the X pointer's older place.
  SetCursorPos(screen.x, screen.y);
  sendMouse(0);
}

void mouseButton(bool down) { sendMouse(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP); }

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

void drag(POINT from, int dx, int dy) {
  std::thread mouse([=] {
    mouseMove(from);
    Sleep(100);
    mouseButton(true);
    Sleep(100);
    for (int step = 1; step <= 4; ++step) {
      mouseMove({from.x + dx * step / 4, from.y + dy * step / 4});
      Sleep(50);
    }
    mouseButton(false);
  });
  pumpFor(800);
  mouse.join();
  pumpFor(200);
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

MessageBoxWatcher::MessageBoxWatcher(int buttonToPress, HWND watched, DWORD process, std::wstring title)
    : watched_(watched),
      process_(process),
      wantedTitle_(std::move(title)),
      thread_([this, buttonToPress] { run(buttonToPress); }) {}

MessageBoxWatcher::~MessageBoxWatcher() { join(); }

void MessageBoxWatcher::join() {
  if (thread_.joinable()) thread_.join();
}

std::wstring hostFile(const std::string& relativePath) {
  return windowsPath(environment("UPDATEHOST_ROOT") + "/" + relativePath);
}

std::string readFile(const std::wstring& path) {
  std::ifstream file(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void writeFile(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(path.c_str(), std::ios::binary | std::ios::trunc);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

namespace {

// Makes every missing folder of a file's path.
void makeFoldersFor(const std::wstring& path) {
  for (std::size_t slash = path.find(L'\\', 3); slash != std::wstring::npos; slash = path.find(L'\\', slash + 1)) {
    CreateDirectoryW(path.substr(0, slash).c_str(), nullptr);
  }
}

}  // namespace

void writeHostFile(const std::string& relativePath, const std::string& bytes) {
  const std::wstring path = hostFile(relativePath);
  makeFoldersFor(path);
  writeFile(path, bytes);
}

void writeFaultRules(const std::string& json) {
  const std::wstring rules = windowsPath(environment("UPDATEHOST_RULES"));
  const std::wstring fresh = rules + L".new";
  writeFile(fresh, json);
  MoveFileExW(fresh.c_str(), rules.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::vector<std::string> logLines(const char* logVariable) {
  std::ifstream file(windowsPath(environment(logVariable)).c_str(), std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

namespace {

struct WindowSearch {
  DWORD process;
  const std::function<bool(HWND)>* match;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<WindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->process && (*search->match)(window)) {
    search->found = window;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND findTopWindow(DWORD process, const std::function<bool(HWND)>& match) {
  WindowSearch search{process, &match, nullptr};
  EnumWindows(matchWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND findMessageBox(DWORD process, const std::wstring& title) {
  return findTopWindow(process, [&](HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0 && IsWindowVisible(window) && (title.empty() || windowText(window) == title);
  });
}

void MessageBoxWatcher::run(int buttonToPress) {
  for (int tries = 0; tries < 750 && !box_; ++tries) {
    Sleep(20);
    box_ = findMessageBox(process_, wantedTitle_);
  }
  if (!box_) return;
  owner_ = GetWindow(box_, GW_OWNER);
  title_ = windowText(box_);
  exStyle_ = static_cast<DWORD>(GetWindowLongW(box_, GWL_EXSTYLE));
  // The message text is the box's static control (identifier 0xFFFF).
  text_ = windowText(GetDlgItem(box_, 0xFFFF));
  // The icon control: 0x14 on Windows, stc1 (0x440) in Wine.
  for (const int control : {0x14, 0x440}) {
    if (!icon_) icon_ = reinterpret_cast<HICON>(SendDlgItemMessageW(box_, control, STM_GETICON, 0, 0));
  }
  if (watched_) watchedDisabled_ = !IsWindowEnabled(watched_);
  PostMessageW(box_, WM_COMMAND, MAKEWPARAM(buttonToPress, BN_CLICKED), 0);
}

}  // namespace wtest
