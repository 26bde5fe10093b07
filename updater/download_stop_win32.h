#pragma once
// Lets another thread stop a download at once: the download checks for the request between blocks,
// and the request closes the download's internet session so that a read waiting on the network returns.
#include <windows.h>
#include <wininet.h>

#include <atomic>
#include <mutex>

namespace updater {

// One download at a time; a stop once requested stays requested.
class DownloadStop {
 public:
  DownloadStop() = default;
  DownloadStop(const DownloadStop&) = delete;
  DownloadStop& operator=(const DownloadStop&) = delete;

  // From any thread, at any time, any number of times; a download started afterwards stops at once.
  void request();
  bool requested() const { return requested_; }

 private:
  friend class StoppableSession;
  std::mutex mutex_;
  std::atomic<bool> requested_{false};
  HINTERNET session_ = nullptr;  // the running download's session while neither side has closed it
};

// The download's side: its internet session, closed exactly once, by a stop or when this ends,
// whichever comes first. Closing a session closes every handle opened from it too.
class StoppableSession {
 public:
  StoppableSession(DownloadStop& stop, HINTERNET session);
  ~StoppableSession();
  StoppableSession(const StoppableSession&) = delete;
  StoppableSession& operator=(const StoppableSession&) = delete;

  // Null when a stop came first; calls on it fail once a stop has closed it.
  HINTERNET get() const { return session_; }

 private:
  DownloadStop& stop_;
  HINTERNET session_;
};

}  // namespace updater
