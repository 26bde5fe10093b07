#pragma once
// The updater's one window, its state and its handlers.
#include <windows.h>

#include <memory>

#include "crystal/crystal_progress_bar_win32.h"
#include "host/text.h"
#include "host/window.h"

extern host::Window updaterWindow;

extern host::Text packageUrl;
extern host::Text packagePath;  // where the finished package lies; the partial download beside it
extern std::unique_ptr<crystal::CrystalProgressBar> progressBar;
extern HANDLE downloadThread;

void onUpdaterCreated();
void onCloseClicked();
void onUpdaterDestroyed();
void downloadWorker();
void showDownloadProgress(std::int32_t total, std::int32_t done, std::int32_t elapsedMs, std::int32_t doneThisRun);
