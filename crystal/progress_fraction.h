#pragma once
// How full the bar is drawn, and the percentage its caption shows.

namespace crystal {

// The position over the span (not position - low), clamped to [0, 1] with a tolerance of 1e-7;
// with equal limits a positive position is full and any other empty.
double progressFraction(int low, int high, int position);

// The fraction times 100 in double precision, truncated toward zero: 29 of 100 reads 28.
int percentOf(double fraction);

}  // namespace crystal
