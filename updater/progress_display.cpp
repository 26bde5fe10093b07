#include "updater/progress_display.h"

#include <climits>
#include <cmath>
#include <cstdio>

namespace updater {

double roundTo(double value, int digits) {
  const double scale = std::pow(10.0, digits);
  return std::round(value * scale) / scale;
}

host::Text formatNumber(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.13g", value);
  return text;
}

host::Text sizeText(std::int32_t total) { return "  文件大小:" + formatNumber(roundTo(total / 1024.0, 2)) + "KB  "; }

host::Text doneText(std::int32_t done) { return "已下载:" + formatNumber(roundTo(done / 1024.0, 2)) + "KB  "; }

int progressPosition(std::int32_t total, std::int32_t done) {
  if (total == 0) return 0;
  const double position = std::trunc(done * 10000.0 / total);
  // The bar clamps into its range; only the conversion itself must stay defined.
  if (position >= INT_MAX) return INT_MAX;
  if (position <= INT_MIN) return INT_MIN;
  return static_cast<int>(position);
}

}  // namespace updater
