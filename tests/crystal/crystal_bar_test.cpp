// The wrappers of CrystalProgressBar around the control, and the end of a skinned window.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <optional>

#include "crystal/crystal_progress_bar_win32.h"
#include "crystal/skin_properties_win32.h"
#include "tests/crystal/bar_fixture_win32.h"

namespace {

using crystal::CrystalProgressBar;

class CrystalBar : public crystal_test::BarTest {};

// The window's rectangle in its parent's client coordinates.
RECT placeOf(HWND window) {
  RECT box{};
  GetWindowRect(window, &box);
  MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&box), 2);
  return box;
}

TEST_F(CrystalBar, MoveKeepsWhatIsOmitted) {
  struct Case {
    std::optional<int> left, top, width, height;
    RECT expected;  // from (10, 10) 200 x 20
  };
  const Case cases[] = {
      {{}, {}, {}, {}, {10, 10, 210, 30}},
      {{}, {}, 300, {}, {10, 10, 310, 30}},
      {{}, {}, {}, 0, {10, 10, 210, 10}},  // a given 0 is a value
      {0, {}, {}, {}, {0, 10, 200, 30}},
      {{}, 40, {}, {}, {10, 40, 210, 60}},
      {5, 6, 7, 8, {5, 6, 12, 14}},
  };
  for (const Case& c : cases) {
    CrystalProgressBar bar;
    ASSERT_TRUE(bar.attach(plainBar(200, 20)));
    bar.move(c.left, c.top, c.width, c.height);
    const RECT place = placeOf(bar.getHandle());
    EXPECT_EQ(place.left, c.expected.left);
    EXPECT_EQ(place.top, c.expected.top);
    EXPECT_EQ(place.right, c.expected.right);
    EXPECT_EQ(place.bottom, c.expected.bottom);
    int width = -1, height = -1;
    bar.getSize(width, height);
    EXPECT_EQ(width, c.expected.right - c.expected.left);
    EXPECT_EQ(height, c.expected.bottom - c.expected.top);
    EXPECT_EQ(bar.getWidth(), width);
    EXPECT_EQ(bar.getHeight(), height);
    DestroyWindow(bar.getHandle());
  }
}

TEST_F(CrystalBar, RangeStepAndPositionAreTheControls) {
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(plainBar(200, 20)));
  SendMessageW(bar.getHandle(), PBM_SETSTEP, 10, 0);
  bar.setRange(20, 300);
  EXPECT_EQ(bar.getMin(), 20);
  EXPECT_EQ(bar.getMax(), 300);
  bar.setPos(150);
  EXPECT_EQ(bar.getPos(), 150);
  SendMessageW(bar.getHandle(), PBM_STEPIT, 0, 0);  // setRange made the step 1
  EXPECT_EQ(bar.getPos(), 151);
  bar.setRange(0, 70000);  // both limits travel in 16 bits
  EXPECT_EQ(bar.getMax(), 70000 & 0xFFFF);
}

TEST_F(CrystalBar, ShowAndHide) {
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(plainBar(200, 20)));
  bar.hide();
  EXPECT_FALSE(IsWindowVisible(bar.getHandle()));
  bar.show();
  EXPECT_TRUE(IsWindowVisible(bar.getHandle()));
}

// Sees the skinned window's properties after the skin has handled WM_DESTROY.
struct EndWatch {
  static inline WNDPROC skin = nullptr;
  static inline HANDLE captionAtEnd = nullptr;
  static inline HANDLE previousProcAtEnd = nullptr;
  static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY) {
      captionAtEnd = GetPropA(window, crystal::captionKey);
      previousProcAtEnd = GetPropA(window, crystal::previousProcKey);
    }
    return CallWindowProcW(skin, window, message, wParam, lParam);
  }
};

TEST_F(CrystalBar, DestroyFreesTheCaptionBlockAndRemovesItsProperty) {
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(plainBar(200, 20)));
  bar.setText(5, "程序升级中");
  const HGLOBAL block = GetPropA(bar.getHandle(), crystal::captionKey);
  ASSERT_TRUE(block);
  EXPECT_EQ(GlobalSize(block), sizeof "程序升级中");
  EndWatch::skin = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(bar.getHandle(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(EndWatch::proc)));

  DestroyWindow(bar.getHandle());
  EXPECT_EQ(EndWatch::captionAtEnd, nullptr);
  EXPECT_NE(EndWatch::previousProcAtEnd, nullptr);  // the other settings stay with the window
  EXPECT_EQ(GlobalFlags(block), GMEM_INVALID_HANDLE);
  EXPECT_FALSE(bar.isCreated());
}

}  // namespace
