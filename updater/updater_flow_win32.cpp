// The updater's flow: the created window starts the download worker; a finished download closes the
// window; the destroyed window stops the worker and installs the package.
#include <string>

#include "build_config.h"
#include "host/file_services.h"
#include "host/services.h"
#include "host/threads_win32.h"
#include "updater/download_win32.h"
#include "updater/finish_update_win32.h"
#include "updater/progress_display.h"
#include "updater/updater_window_win32.h"

host::Text packageUrl;
host::Text packagePath;
std::unique_ptr<crystal::CrystalProgressBar> progressBar;
HANDLE downloadThread = nullptr;

namespace {

updater::DownloadStop downloadStop;

int download(std::int32_t startOffset, std::int32_t resume) {
  return updater::downloadFile(packageUrl, packagePath + ".tmp", showDownloadProgress, startOffset, resume,
                               &downloadStop);
}

// A question or message the worker shows when the window goes away is answered "no", so the
// worker can see the stop and end.
BOOL CALLBACK answerNo(HWND window, LPARAM) {
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (lstrcmpW(name, L"#32770") == 0) PostMessageW(window, WM_COMMAND, IDNO, 0);
  return TRUE;
}

// The worker is asked to stop and ends at once: the stop closes its connection, so no read waits on
// the network. Meanwhile this thread answers what the worker sends it (its label and bar updates).
void stopDownloadWorker() {
  downloadStop.request();
  if (!downloadThread) return;
  const DWORD worker = GetThreadId(downloadThread);
  while (MsgWaitForMultipleObjects(1, &downloadThread, FALSE, 50, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    EnumThreadWindows(worker, answerNo, 0);
  }
}

}  // namespace

void onUpdaterCreated() {
  packageUrl = std::string(build::updateHost) + "/svn/wiki/down/lumox.zip";
  packagePath = host::runDirectory() + "/lumox.zip";
  progressBar->attach(host::windowHandle(updaterWindow, "进度条1"));
  progressBar->setColorStyle(4);
  progressBar->setText(5, "程序升级中，请稍等，目前已完成： ");
  host::setProperty(updaterWindow, "标签1", host::Property::Text, "服务器连接中：服务器正常");
  host::startThread(downloadWorker, downloadThread);
}

void onCloseClicked() { host::destroyWindow(updaterWindow); }

void downloadWorker() {
  const host::Text partialPath = packagePath + ".tmp";
  int result = 0;
  if (host::fileExists(partialPath)) {
    const bool resume = host::messageBox("升级文件已存在，是否断点续传？", 36, "升级程序小提示：") == 5;
    if (downloadStop.requested()) return;
    result = resume ? download(host::fileSize(partialPath), 1) : download(0, 0);
  } else {
    result = download(0, 0);
  }
  // A failed or stopped download keeps its partial file, for the next run to resume.
  if (result != 0) return;
  host::moveFile(partialPath, packagePath);
  if (host::fileExists(packagePath)) host::destroyWindow(updaterWindow);
}

void showDownloadProgress(std::int32_t total, std::int32_t done, std::int32_t, std::int32_t) {
  using host::Property;
  host::setProperty(updaterWindow, "标签2", Property::Text, updater::sizeText(total));
  host::setProperty(updaterWindow, "标签2", Property::Text,
                    host::getTextProperty(updaterWindow, "标签2", Property::Text) + updater::doneText(done));
  host::setProperty(updaterWindow, "进度条1", Property::Position, updater::progressPosition(total, done));
}

void onUpdaterDestroyed() {
  stopDownloadWorker();
  updater::finishUpdate();
}
