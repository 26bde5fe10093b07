#pragma once
// Every message box this process shows while a recorder lives is noted and answered with OK, from a
// thread of the recorder's own: code under test that shows one never blocks a test.
#include <windows.h>

#include <atomic>
#include <mutex>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace updater_test {

struct ShownBox {
  std::wstring title;
  std::wstring text;
  bool okOnly = true;  // an OK button and no other
  bool operator==(const ShownBox&) const = default;
};

void PrintTo(const ShownBox& box, std::ostream* out);

class MessageBoxRecorder {
 public:
  MessageBoxRecorder();
  ~MessageBoxRecorder();
  MessageBoxRecorder(const MessageBoxRecorder&) = delete;
  MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

  std::vector<ShownBox> shown();

 private:
  void watch();

  std::atomic<bool> stopping_{false};
  std::mutex mutex_;
  std::vector<ShownBox> shown_;
  std::thread thread_;
};

}  // namespace updater_test
