#pragma once
// Fetches one URL into one local file over WinINet, from the start or resuming a partial file, with a
// progress callback after every block and a message box for every failure.
#include <cstdint>
#include <functional>
#include <string_view>

#include "updater/download_stop_win32.h"

namespace updater {

// total, done, elapsedMs, doneThisRun (see download_progress.h); called on the download's thread.
using ProgressCallback = std::function<void(std::int32_t, std::int32_t, std::int32_t, std::int32_t)>;

// 0 when the file is complete (also when the server says a resumed file already is); -1 after a
// failure has been shown, or without a message when `stop` was requested.
int downloadFile(std::string_view url, std::string_view localPath, const ProgressCallback& progress,
                 std::int32_t startOffset, std::int32_t resume, DownloadStop* stop = nullptr);

}  // namespace updater
