#include "player/startup_win32.h"

#include "crystal/crystal_resources_win32.h"
#include "host/services.h"
#include "player/globals_win32.h"
#include "player/main_window_win32.h"

void startPlayer(void (*shutdown)()) {
  host::initialise();
  initGlobals();
  host::registerShutdown(shutdown);  // after the lists exist: the clean-up walks them
  crystal::initialiseCrystalModule();
  if (!host::loadWindow(mainWindow)) host::fatalExit();
  host::messageLoop();
  host::endProgram(0);
}

void shutDown() {
  if (HWND window = host::windowHandle(mainWindow)) DestroyWindow(window);
  exitCleanup();
}
