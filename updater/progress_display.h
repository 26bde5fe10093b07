#pragma once
// What the updater shows of a download: the label's texts and the bar's position.
#include <cstdint>
#include <string>

#include "host/text.h"

namespace updater {

// Half away from zero, to the given number of decimal places.
double roundTo(double value, int digits);
// As printf's "%.13g": no trailing zeros, no decimal point for whole values.
host::Text formatNumber(double value);

// The label is written in two steps: the size first, then the done part appended to what the label
// then reads.
host::Text sizeText(std::int32_t total);
host::Text doneText(std::int32_t done);

// done x 10000 / total, truncated; 0 when the length is unknown.
int progressPosition(std::int32_t total, std::int32_t done);

}  // namespace updater
