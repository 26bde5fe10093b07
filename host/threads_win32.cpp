#include "host/threads_win32.h"

namespace host {

namespace {

DWORD WINAPI runRoutine(LPVOID routine) {
  reinterpret_cast<void (*)()>(routine)();
  return 0;
}

}  // namespace

bool startThread(void (*routine)(), HANDLE& handle) {
  handle = CreateThread(nullptr, 0, runRoutine, reinterpret_cast<LPVOID>(routine), 0, nullptr);
  return handle != nullptr;
}

}  // namespace host
