#pragma once
// The programs' file names and window captions, as the tests look for them.
#include <string>

#include "host/wide_win32.h"

namespace wtest {

inline const std::wstring playerFile = host::widen("霁川播放器.exe");
inline const std::wstring updaterFile = host::widen("升级程序.exe");
inline const std::wstring playerCaption = host::widen("霁川播放器");
inline const std::wstring updaterCaption = host::widen("霁川播放器升级程序");

// The update host answers the start-up check with this version and the right test text.
void serveVersion(const std::string& version);

}  // namespace wtest
