#include "tests/updater/message_boxes_win32.h"

#include <gtest/gtest.h>

#include "tests/support/wine_test.h"

namespace updater_test {

namespace {

// The first visible dialog window of this process.
BOOL CALLBACK findDialog(HWND window, LPARAM found) {
  wchar_t name[16] = {};
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  GetClassNameW(window, name, 16);
  if (process != GetCurrentProcessId() || lstrcmpW(name, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

bool okOnly(HWND box) {
  for (const int other : {IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO}) {
    if (GetDlgItem(box, other)) return false;
  }
  return GetDlgItem(box, IDOK) != nullptr;
}

}  // namespace

void PrintTo(const ShownBox& box, std::ostream* out) {
  *out << testing::PrintToString(box.title) << " " << testing::PrintToString(box.text)
       << (box.okOnly ? "" : " (not OK only)");
}

MessageBoxRecorder::MessageBoxRecorder() : thread_([this] { watch(); }) {}

MessageBoxRecorder::~MessageBoxRecorder() {
  stopping_ = true;
  thread_.join();
}

std::vector<ShownBox> MessageBoxRecorder::shown() {
  const std::lock_guard lock(mutex_);
  return shown_;
}

void MessageBoxRecorder::watch() {
  while (!stopping_) {
    HWND box = nullptr;
    EnumWindows(findDialog, reinterpret_cast<LPARAM>(&box));
    if (!box) {
      Sleep(10);
      continue;
    }
    {
      const std::lock_guard lock(mutex_);
      // The message is the box's static control (identifier 0xFFFF).
      shown_.push_back({wtest::windowText(box), wtest::windowText(GetDlgItem(box, 0xFFFF)), okOnly(box)});
    }
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    for (int tries = 0; tries < 500 && IsWindow(box); ++tries) Sleep(10);
  }
}

}  // namespace updater_test
