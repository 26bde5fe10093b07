#pragma once
// The four values the download's progress callback gets after every block.
#include <cstdint>

namespace updater {

struct Progress {
  std::int32_t total = 0;        // low 32 bits of the whole size, 0 when unknown
  std::int32_t done = 0;         // low 32 bits of the bytes the file holds
  std::int32_t elapsedMs = 0;    // since the first read, as a 32-bit tick difference; 10 instead of 0
  std::int32_t doneThisRun = 0;  // bytes this download received
  bool operator==(const Progress&) const = default;
};

class ProgressCounter {
 public:
  ProgressCounter(std::int64_t total, std::int64_t done, std::uint32_t startTick)
      : total_(total), start_(done), done_(done), startTick_(startTick) {}

  Progress add(std::uint32_t bytes, std::uint32_t nowTick);
  std::int64_t receivedThisRun() const { return done_ - start_; }

 private:
  std::int64_t total_;
  std::int64_t start_;
  std::int64_t done_;
  std::uint32_t startTick_;
};

}  // namespace updater
