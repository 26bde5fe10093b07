#pragma once
// What the crystal tests under Wine share: a visible parent window, plain progress bars on it,
// and reading back what a bar shows.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "host/unique_win32.h"

namespace crystal_test {

class BarTest : public testing::Test {
 protected:
  static void SetUpTestSuite();  // the crystal module's resources, once for the process
  void SetUp() override;
  void TearDown() override;

  HWND parent() const { return parent_.get(); }
  // A common-controls progress bar at (10, 10) on the parent, not skinned.
  HWND plainBar(int width, int height, DWORD extraStyle = 0) const;
  // The children of the parent, counted.
  int childCount() const;

 private:
  host::UniqueWindow parent_;
};

// The pixels a window shows in its client area, row by row, read without letting it paint first.
std::vector<COLORREF> shownPixels(HWND window);
COLORREF shownPixel(HWND window, int x, int y);

// A copy of the window's region; none when it has none.
host::UniqueRegion windowRegion(HWND window);

}  // namespace crystal_test
