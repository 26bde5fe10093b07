#include "tests/crystal/bar_fixture_win32.h"

#include <commctrl.h>

#include "crystal/crystal_resources_win32.h"
#include "tests/support/wine_test.h"

namespace crystal_test {

void BarTest::SetUpTestSuite() {
  static const bool initialised = (crystal::initialiseCrystalModule(), true);
  (void)initialised;
}

void BarTest::SetUp() {
  parent_.reset(CreateWindowExW(0, L"STATIC", L"crystal", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 50, 50,
                                520, 320, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(parent_);
  SetForegroundWindow(parent_.get());
  wtest::pumpFor(50);
}

void BarTest::TearDown() {
  parent_.reset();
  wtest::pumpFor(20);
}

HWND BarTest::plainBar(int width, int height, DWORD extraStyle) const {
  return CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE | extraStyle, 10, 10, width, height, parent_.get(),
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

int BarTest::childCount() const {
  int count = 0;
  for (HWND child = GetWindow(parent_.get(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) ++count;
  return count;
}

std::vector<COLORREF> shownPixels(HWND window) {
  RECT box{};
  GetClientRect(window, &box);
  std::vector<COLORREF> pixels;
  HDC dc = GetDC(window);
  for (int y = 0; y < box.bottom; ++y) {
    for (int x = 0; x < box.right; ++x) pixels.push_back(GetPixel(dc, x, y));
  }
  ReleaseDC(window, dc);
  return pixels;
}

COLORREF shownPixel(HWND window, int x, int y) {
  HDC dc = GetDC(window);
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(window, dc);
  return colour;
}

host::UniqueRegion windowRegion(HWND window) {
  host::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.get()) == ERROR) region.reset();
  return region;
}

}  // namespace crystal_test
