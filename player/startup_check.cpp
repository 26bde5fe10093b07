#include "player/startup_check.h"

bool probePassed(const host::Text& probeText) { return probeText == "网络连接正常"; }

bool versionsAgree(const host::Text& localVersion, const host::Text& remoteVersion) {
  return localVersion == remoteVersion;
}
