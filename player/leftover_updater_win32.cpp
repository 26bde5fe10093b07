#include "player/leftover_updater_win32.h"

#include <windows.h>

#include "host/file_services.h"
#include "host/services.h"
#include "player/embedded_updater_win32.h"

namespace {

constexpr UINT retryEveryMs = 250;
int retriesLeft = 0;

// Gone, whether this delete removed it or it was not there.
bool deleteUpdater() {
  host::deleteFile(updaterPath());
  return !host::fileExists(updaterPath());
}

void CALLBACK retryDelete(HWND, UINT, UINT_PTR timer, DWORD) {
  if (deleteUpdater() || --retriesLeft <= 0) KillTimer(nullptr, timer);
}

}  // namespace

void removeLeftoverUpdater() {
  if (deleteUpdater()) return;
  retriesLeft = 40;
  SetTimer(nullptr, 0, retryEveryMs, retryDelete);
}
