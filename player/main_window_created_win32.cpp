#include "host/services.h"
#include "player/main_window_win32.h"

void onMainWindowCreated() {
  // 1. The system-menu relay comes with the window skinning.
  // 2. So does the anchoring of the title strip's button box.
  // 3 to 10. The start-up check: for now the window is simply shown.
  host::setProperty(mainWindow, "", host::Property::Visible, 1);
}
