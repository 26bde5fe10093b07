// The player's main window as a user sees it: started for real under Wine against the local update
// host serving the current version.
#include <windows.h>

#include <gtest/gtest.h>


#include "host/wide_win32.h"
#include "tests/support/programs.h"
#include "tests/support/running_player.h"
#include "tests/support/wine_test.h"

namespace {

struct Expected {
  const char* text;
  const wchar_t* className;
  RECT place;  // in the parent's client area
};

// Top of the stacking order first.
const Expected windowControls[] = {
    {"2.0", L"JcTransparentLabel", {120, 7, 152, 23}},  // the host's version text
    {"返回", L"JcTransparentLabel", {860, 7, 896, 23}},
    {"三维设计软件自学新平台！localhost", L"JcTransparentLabel", {197, 7, 501, 25}},
    {"霁川播放器     —→ ", L"JcTransparentLabel", {33, 7, 501, 23}},
    {"", L"JcPictureBox", {8, 4, 28, 24}},
    {"", L"JcPictureBox", {896, 3, 990, 23}},
    {"", L"JcPictureBox", {0, 13, 1000, 29}},
    {"", L"JcBrowser", {-3, 27, 1008, 680}},
};
const Expected buttonBoxControls[] = {
    {"", L"JcPictureButton", {53, 5, 67, 19}},  // maximise
    {"", L"JcPictureButton", {76, 5, 90, 19}},  // close
    {"", L"JcPictureButton", {30, 8, 44, 14}},  // minimise
    {"", L"JcPictureButton", {8, 4, 22, 18}},   // video section
};
constexpr int buttonBox = 5;
constexpr int maximiseButton = 0, closeButton = 1, minimiseButton = 2;

void expectControls(HWND parent, const Expected* expected, int count) {
  for (int i = 0; i < count; ++i) {
    HWND control = wtest::childAt(parent, i);
    ASSERT_NE(control, nullptr) << "control " << i;
    EXPECT_EQ(wtest::className(control), expected[i].className) << "control " << i;
    EXPECT_EQ(host::narrow(wtest::windowText(control)), expected[i].text) << "control " << i;
    const RECT place = wtest::rectInParent(control);
    EXPECT_TRUE(EqualRect(&place, &expected[i].place))
        << "control " << i << " at " << place.left << "," << place.top << " to " << place.right << "," << place.bottom;
  }
  EXPECT_EQ(wtest::childAt(parent, count), nullptr);
}

class MainWindow : public wtest::RunningPlayer {
 protected:
  HWND stripButton(int index) const { return wtest::childAt(control(buttonBox), index); }
  void clickOn(HWND control) const {
    const RECT box = wtest::screenRect(control);
    wtest::click({(box.left + box.right) / 2, (box.top + box.bottom) / 2});
  }
};

TEST_F(MainWindow, AppearsCentredWithEveryControlInPlace) {
  const RECT outer = wtest::screenRect(window_);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 993) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 680) / 2);
  EXPECT_EQ(outer.right - outer.left, 993);
  EXPECT_EQ(outer.bottom - outer.top, 680);

  const LONG style = GetWindowLongW(window_, GWL_STYLE);
  EXPECT_FALSE(style & WS_CAPTION);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  const LONG exStyle = GetWindowLongW(window_, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_APPWINDOW);
  EXPECT_FALSE(exStyle & WS_EX_TOPMOST);

  expectControls(window_, windowControls, std::size(windowControls));
  expectControls(control(buttonBox), buttonBoxControls, std::size(buttonBoxControls));
}

TEST_F(MainWindow, MaximiseButtonTogglesOnTheWindowsState) {
  clickOn(stripButton(maximiseButton));
  ASSERT_TRUE(wtest::pumpUntil([&] { return IsZoomed(window_) != FALSE; }));
  const RECT full = wtest::screenRect(window_);
  EXPECT_EQ(full.right - full.left, GetSystemMetrics(SM_CXSCREEN));
  clickOn(stripButton(maximiseButton));
  ASSERT_TRUE(wtest::pumpUntil([&] { return IsZoomed(window_) == FALSE; }));
  const RECT restored = wtest::screenRect(window_);
  EXPECT_EQ(restored.right - restored.left, 993);
}

TEST_F(MainWindow, MinimiseButtonMinimises) {
  clickOn(stripButton(minimiseButton));
  EXPECT_TRUE(wtest::pumpUntil([&] { return IsIconic(window_) != FALSE; }));
}

TEST_F(MainWindow, CloseButtonEndsTheProgramWithZero) {
  clickOn(stripButton(closeButton));
  EXPECT_EQ(player_->waitForExit(), 0u);
}

TEST_F(MainWindow, EscapeEndsTheProgramWithZero) {
  SetForegroundWindow(window_);
  wtest::pumpFor(100);
  wtest::key(VK_ESCAPE);
  EXPECT_EQ(player_->waitForExit(), 0u);
}

TEST_F(MainWindow, DraggingTheStripMovesTheWindowDraggingALabelDoesNot) {
  const RECT before = wtest::screenRect(window_);
  wtest::drag(wtest::screenPoint(window_, 40, 12), 50, 40);  // on the title text
  RECT after = wtest::screenRect(window_);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);

  wtest::drag(wtest::screenPoint(window_, 600, 20), 50, 40);  // on the strip picture box, clear of the labels
  after = wtest::screenRect(window_);
  EXPECT_EQ(after.left, before.left + 50);
  EXPECT_EQ(after.top, before.top + 40);
}

}  // namespace
