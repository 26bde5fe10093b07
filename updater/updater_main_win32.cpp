#include <windows.h>

#include <float.h>

#include "crystal/crystal_resources_win32.h"
#include "host/services.h"
#include "updater/finish_update_win32.h"
#include "updater/updater_window_win32.h"

namespace {

void updaterCleanup() {
  host::Text().swap(packageUrl);
  host::Text().swap(packagePath);
  progressBar.reset();
  host::Text().swap(updater::workDirectory);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  host::initialise();
  _fpreset();
  progressBar = std::make_unique<crystal::CrystalProgressBar>();
  host::registerShutdown(updaterCleanup);
  crystal::initialiseCrystalModule();
  if (!host::loadWindow(updaterWindow)) host::fatalExit();
  host::messageLoop();
  host::endProgram(0);
}
