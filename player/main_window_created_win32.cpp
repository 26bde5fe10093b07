#include "host/services.h"
#include "player/built_in_version.h"
#include "player/embedded_updater_win32.h"
#include "player/globals_win32.h"
#include "player/leftover_updater_win32.h"
#include "player/main_window_win32.h"
#include "player/skin/anchoring_win32.h"
#include "player/skin/system_menu_relay_win32.h"
#include "player/site.h"
#include "player/startup_check.h"

void onMainWindowCreated() {
  installSystemMenuRelay(mainWindow);
  // The button box keeps its top offset and its right margin.
  registerAnchor(host::windowHandle(mainWindow, "图片框1"), 0, 1, 1, 0);

  host::setProperty(mainWindow, "版本标签", host::Property::Text, host::bytesToText(host::fetchUrl(versionFileUrl)));

  probeText = host::bytesToText(host::fetchUrl(testFileUrl));
  if (!probePassed(probeText)) {
    host::messageBox("网络连接失败,请检查网络，退出从新开启播放器", 64, "链接服务器失败");
    host::endProgram(0);
  }

  localVersion = builtInVersion;
  // A fetch of its own: the label's body is not reused.
  remoteVersion = host::bytesToText(host::fetchUrl(versionFileUrl));
  if (versionsAgree(localVersion, remoteVersion)) {
    host::setProperty(mainWindow, "", host::Property::Visible, 1);
    removeLeftoverUpdater();
    return;
  }

  host::destroyWindow(mainWindow);
  host::writeFileBytes(updaterPath(), embeddedUpdater());
  // Quoted, so a folder with spaces in its name cannot start another program.
  host::runProgram("\"" + updaterPath() + "\"", false);
  host::endProgram(0);
}
