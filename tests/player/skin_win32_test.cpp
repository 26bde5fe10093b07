// The main window's skin as a user sees it: its window menu, and its button box in the top-right
// corner through maximise and restore. (Its outline is checked in-process: Wine hands out no other
// process's window region.)
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/programs.h"
#include "tests/support/running_player.h"
#include "tests/support/wine_test.h"

namespace {

constexpr int buttonBox = 5, stripBox = 6, browser = 7;
constexpr int maximiseButton = 0;

class Skin : public wtest::RunningPlayer {
 protected:
  void menuSelect(WPARAM item) const { SendMessageW(window_, WM_MENUSELECT, item, 0); }
  SIZE sizeOf(HWND window) const {
    const RECT box = wtest::screenRect(window);
    return {box.right - box.left, box.bottom - box.top};
  }
};

TEST_F(Skin, TheButtonBoxKeepsToTheTopRightCornerAndTheBodyFollows) {
  const RECT restoredBox = wtest::rectInParent(control(buttonBox));
  const RECT maximise = wtest::screenRect(wtest::childAt(control(buttonBox), maximiseButton));
  wtest::click({(maximise.left + maximise.right) / 2, (maximise.top + maximise.bottom) / 2});
  ASSERT_TRUE(wtest::pumpUntil([&] { return IsZoomed(window_) != FALSE; }));
  wtest::pumpFor(200);
  const SIZE screen{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  const RECT box = wtest::rectInParent(control(buttonBox));
  EXPECT_EQ(box.left, screen.cx - 97);
  EXPECT_EQ(box.top, 3);
  EXPECT_EQ(box.right - box.left, 94);
  EXPECT_EQ(box.bottom - box.top, 20);
  EXPECT_EQ(sizeOf(control(browser)).cx, screen.cx + 22);
  EXPECT_EQ(sizeOf(control(browser)).cy, screen.cy - 23);
  EXPECT_EQ(sizeOf(control(stripBox)).cx, screen.cx + 3);

  const RECT again = wtest::screenRect(wtest::childAt(control(buttonBox), maximiseButton));
  wtest::click({(again.left + again.right) / 2, (again.top + again.bottom) / 2});
  ASSERT_TRUE(wtest::pumpUntil([&] { return IsZoomed(window_) == FALSE; }));
  wtest::pumpFor(200);
  const RECT back = wtest::rectInParent(control(buttonBox));
  EXPECT_TRUE(EqualRect(&back, &restoredBox));
  EXPECT_EQ(sizeOf(control(browser)).cx, 1015);
  EXPECT_EQ(sizeOf(control(browser)).cy, 657);
  EXPECT_EQ(sizeOf(control(stripBox)).cx, 996);
}

TEST_F(Skin, MouseChosenWindowMenuItemsAreCarriedOut) {
  EXPECT_TRUE(GetWindowLongW(window_, GWL_STYLE) & WS_SYSMENU);
  menuSelect(0xFFFF0000);  // the first notice only arms the relay
  EXPECT_FALSE(IsIconic(window_));
  menuSelect(0x8080F020);  // minimise highlighted with the mouse, then the menu closes
  menuSelect(0xFFFF0000);
  EXPECT_TRUE(wtest::pumpUntil([&] { return IsIconic(window_) != FALSE; }));
  menuSelect(0x8080F120);
  menuSelect(0xFFFF0000);
  EXPECT_TRUE(wtest::pumpUntil([&] { return IsIconic(window_) == FALSE; }));
  menuSelect(0x8080F030);
  menuSelect(0xFFFF0000);
  EXPECT_TRUE(wtest::pumpUntil([&] { return IsZoomed(window_) != FALSE; }));
  menuSelect(0x0080F120);  // restore reached with the keyboard: nothing
  menuSelect(0xFFFF0000);
  wtest::pumpFor(200);
  EXPECT_TRUE(IsZoomed(window_));
}

TEST_F(Skin, TheCloseItemEndsTheProgramWithZero) {
  menuSelect(0x8080F060);
  menuSelect(0xFFFF0000);
  EXPECT_EQ(player_->waitForExit(), 0u);
}

}  // namespace
