#pragma once
// The start-up check's decisions: texts compared byte for byte, no trimming, no ordering of versions.
#include "host/text.h"

// The test file must read exactly "网络连接正常".
bool probePassed(const host::Text& probeText);

// Any difference, older or newer, means an update.
bool versionsAgree(const host::Text& localVersion, const host::Text& remoteVersion);
