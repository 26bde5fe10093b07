#include "updater/download_progress.h"

namespace updater {

namespace {
std::int32_t low32Bits(std::int64_t value) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(value)); }
}  // namespace

Progress ProgressCounter::add(std::uint32_t bytes, std::uint32_t nowTick) {
  done_ += bytes;
  // Unsigned subtraction survives the tick count's wrap after 49.7 days.
  const std::uint32_t elapsed = nowTick - startTick_;
  return {low32Bits(total_), low32Bits(done_), elapsed == 0 ? 10 : static_cast<std::int32_t>(elapsed),
          low32Bits(done_ - start_)};
}

}  // namespace updater
