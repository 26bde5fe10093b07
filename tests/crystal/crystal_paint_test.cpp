// What a skinned bar shows on the screen, read back from its window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "crystal/crystal_colors.h"
#include "crystal/crystal_progress_bar_win32.h"
#include "crystal/skin_properties_win32.h"
#include "crystal/text_blocks_win32.h"
#include "tests/crystal/bar_fixture_win32.h"
#include "tests/support/wine_test.h"

namespace {

using crystal::CrystalProgressBar;
using crystal_test::shownPixel;
using crystal_test::shownPixels;

const crystal::CrystalColors& green = crystal::crystalColorsOfStyle(4);

class CrystalPaint : public crystal_test::BarTest {
 protected:
  // A skinned bar at `position` of 0 to 100 in the green style, fully painted and with nothing left to
  // paint, so what it shows next comes from the skin alone.
  CrystalProgressBar skinnedBar(int width, int height, int position, DWORD extraStyle = 0) {
    CrystalProgressBar bar;
    EXPECT_TRUE(bar.attach(plainBar(width, height, extraStyle)));
    bar.setRange(0, 100);
    bar.setColorStyle(4);
    bar.setPos(position);
    settle(bar.getHandle());
    return bar;
  }
  static void settle(HWND window) {
    UpdateWindow(window);
    wtest::pumpFor(30);
    ValidateRect(window, nullptr);
  }
};

struct KeyPixel {
  int x, y;
  crystal::Colour colour;
};

TEST_F(CrystalPaint, HorizontalBarShowsFillTrackAndFrame) {
  const CrystalProgressBar bar = skinnedBar(201, 20, 50);  // fillWidth 100
  for (const KeyPixel& key : {KeyPixel{50, 10, green.fill[2]}, {99, 10, green.fill[2]}, {100, 10, green.track[2]},
                              {150, 10, green.track[2]}, {100, 0, green.frame}, {100, 19, green.frame},
                              {0, 10, green.frame}, {200, 10, green.frame}, {1, 1, green.frame}, {199, 18, green.frame}}) {
    EXPECT_EQ(shownPixel(bar.getHandle(), key.x, key.y), key.colour) << key.x << ',' << key.y;
  }
}

TEST_F(CrystalPaint, VerticalBarFillsUpwardInLeftAndRightHalves) {
  const CrystalProgressBar bar = skinnedBar(20, 101, 50, PBS_VERTICAL);  // fill rows 51 to 100
  for (const KeyPixel& key : {KeyPixel{10, 51, green.fill[2]}, {10, 80, green.fill[2]}, {10, 50, green.track[2]},
                              {10, 30, green.track[2]}, {10, 0, green.frame}, {0, 50, green.frame},
                              {19, 50, green.frame}, {1, 1, green.frame}}) {
    EXPECT_EQ(shownPixel(bar.getHandle(), key.x, key.y), key.colour) << key.x << ',' << key.y;
  }
}

TEST_F(CrystalPaint, PaintMessageRestoresThePicture) {
  const CrystalProgressBar bar = skinnedBar(201, 20, 50);
  const auto painted = shownPixels(bar.getHandle());
  HDC dc = GetDC(bar.getHandle());
  RECT all{0, 0, 201, 20};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  ReleaseDC(bar.getHandle(), dc);
  ASSERT_TRUE(shownPixels(bar.getHandle()) != painted);
  InvalidateRect(bar.getHandle(), nullptr, FALSE);
  UpdateWindow(bar.getHandle());
  EXPECT_TRUE(shownPixels(bar.getHandle()) == painted);
}

// A progress bar that only invalidates itself on a position change and leaves the painting to a
// later WM_PAINT (Wine's own repaints at once, which would hide whether the skin does).
struct LazyControl {
  static inline WNDPROC own = nullptr;
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != PBM_SETPOS) return CallWindowProcW(own, window, message, wParam, lParam);
    SendMessageW(window, WM_SETREDRAW, FALSE, 0);
    const LRESULT result = CallWindowProcW(own, window, message, wParam, lParam);
    SendMessageW(window, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(window, nullptr, FALSE);
    return result;
  }
};

// The whole picture is renewed before SendMessage returns: nothing is pumped in between.
TEST_F(CrystalPaint, PositionChangeRepaintsBeforeTheSenderGetsItsAnswer) {
  HWND lazy = plainBar(201, 20);
  LazyControl::own =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(lazy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LazyControl::proc)));
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(lazy));
  bar.setRange(0, 100);
  bar.setColorStyle(4);
  bar.setText(3, "");
  bar.setPos(10);
  settle(lazy);
  const auto before = shownPixels(lazy);

  SendMessageW(lazy, PBM_SETPOS, 20, 0);
  const auto answered = shownPixels(lazy);
  EXPECT_TRUE(answered != before);
  EXPECT_EQ(shownPixel(lazy, 39, 10), green.fill[2]);  // trunc(201 * 0.2) = 40 columns
  EXPECT_EQ(shownPixel(lazy, 40, 10), green.track[2]);
  UpdateWindow(lazy);
  EXPECT_TRUE(answered == shownPixels(lazy)) << "the caption too";
}

TEST_F(CrystalPaint, ColourStylesOutsideOneToSevenPaintAsStyleOne) {
  CrystalProgressBar bar = skinnedBar(201, 20, 50);
  struct Case {
    int stored, painted;
  };
  for (const Case c : {Case{9, 1}, {0, 1}, {-1, 1}, {7, 7}, {2, 2}}) {
    bar.setColorStyle(c.stored);
    EXPECT_EQ(crystal::readProperty(bar.getHandle(), crystal::colorStyleKey), c.stored);
    EXPECT_EQ(bar.getColorStyle(), c.painted);
    const crystal::CrystalColors& colors = crystal::crystalColorsOfStyle(c.painted);
    EXPECT_EQ(shownPixel(bar.getHandle(), 100, 0), colors.frame) << c.stored;
    EXPECT_EQ(shownPixel(bar.getHandle(), 50, 10), colors.fill[2]) << c.stored;
  }
}

// The pixels where two pictures of one bar differ, as (x, y).
std::vector<POINT> differences(const std::vector<COLORREF>& a, const std::vector<COLORREF>& b, int width) {
  std::vector<POINT> points;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) points.push_back({static_cast<LONG>(i % width), static_cast<LONG>(i / width)});
  }
  return points;
}

TEST_F(CrystalPaint, CaptionByTextStyleInsideTheFrame) {
  CrystalProgressBar bar = skinnedBar(380, 40, 50);
  const auto plain = shownPixels(bar.getHandle());

  bar.setText(7, "完成");  // stored, but style 7 shows nothing
  EXPECT_EQ(crystal::readProperty(bar.getHandle(), crystal::textStyleKey), 7);
  EXPECT_EQ(crystal::readTextProperty(bar.getHandle(), crystal::captionKey), "完成");
  EXPECT_TRUE(shownPixels(bar.getHandle()) == plain);

  for (const int style : {1, 2, 3, 4, 5}) {
    bar.setText(style, "完成");
    const auto caption = differences(plain, shownPixels(bar.getHandle()), 380);
    ASSERT_FALSE(caption.empty()) << style;
    for (const POINT p : caption) {
      ASSERT_TRUE(p.x >= 2 && p.x < 379 && p.y >= 2 && p.y < 39) << style << ": " << p.x << ',' << p.y;
    }
  }
  // The text is drawn in the style's text colour, over a rim in the track's lightest colour.
  const auto shown = shownPixels(bar.getHandle());
  EXPECT_TRUE(std::find(shown.begin(), shown.end(), green.text) != shown.end());
  EXPECT_TRUE(std::find(shown.begin(), shown.end(), green.track[0]) != shown.end());
}

TEST_F(CrystalPaint, ALongCaptionStaysOnOneLine) {
  CrystalProgressBar bar = skinnedBar(120, 40, 50);
  const auto plain = shownPixels(bar.getHandle());
  std::string longCaption;
  for (int i = 0; i < 6; ++i) longCaption += "程序升级中，请稍等，";
  bar.setText(1, longCaption);
  const auto caption = differences(plain, shownPixels(bar.getHandle()), 120);
  ASSERT_FALSE(caption.empty());
  const auto [top, bottom] = std::minmax_element(caption.begin(), caption.end(), [](POINT a, POINT b) { return a.y < b.y; });
  EXPECT_LT(bottom->y - top->y, 18);  // one line of a 12-pixel font and its rim
}

}  // namespace
