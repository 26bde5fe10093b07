#include "updater/download_stop_win32.h"

#include <utility>

namespace updater {

void DownloadStop::request() {
  const std::lock_guard lock(mutex_);
  requested_ = true;
  if (session_) InternetCloseHandle(std::exchange(session_, nullptr));
}

StoppableSession::StoppableSession(DownloadStop& stop, HINTERNET session) : stop_(stop), session_(session) {
  const std::lock_guard lock(stop_.mutex_);
  if (stop_.requested_ && session_) InternetCloseHandle(std::exchange(session_, nullptr));
  stop_.session_ = session_;
}

StoppableSession::~StoppableSession() {
  const std::lock_guard lock(stop_.mutex_);
  if (session_ && stop_.session_ == session_) InternetCloseHandle(std::exchange(stop_.session_, nullptr));
}

}  // namespace updater
