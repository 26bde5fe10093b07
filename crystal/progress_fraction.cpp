#include "crystal/progress_fraction.h"

namespace crystal {

namespace {
constexpr double tolerance = 0.0000001;
}

double progressFraction(int low, int high, int position) {
  if (high == low) return position > 0 ? 1.0 : 0.0;
  const double fraction = static_cast<double>(position) / (static_cast<double>(high) - static_cast<double>(low));
  if (fraction < -tolerance) return 0.0;
  if (fraction - 1.0 > tolerance) return 1.0;
  return fraction;
}

int percentOf(double fraction) { return static_cast<int>(fraction * 100.0); }

}  // namespace crystal
