// The main window's size-changed event: its rounded outline, and the browser and title strip
// stretched to the new size.
#include "host/services.h"
#include "player/main_window_win32.h"
#include "player/skin/rounded_region_win32.h"

void onMainWindowSizeChanged() {
  setRoundedWindowRegion(host::windowHandle(mainWindow), {4, 4, 1, 1, 1, 1});
  // The size is read afresh for each step.
  using host::Property;
  host::setProperty(mainWindow, "超文本浏览框1", Property::Width, host::getProperty(mainWindow, "", Property::Width) + 22);
  host::setProperty(mainWindow, "超文本浏览框1", Property::Height, host::getProperty(mainWindow, "", Property::Height) - 23);
  host::setProperty(mainWindow, "图片框2", Property::Width, host::getProperty(mainWindow, "", Property::Width) - 768 + 771);
}
