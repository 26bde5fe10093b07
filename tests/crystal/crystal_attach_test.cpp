// Attaching the skin: which windows take it, the procedure chain, the properties and the region.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "crystal/crystal_progress_bar_win32.h"
#include "crystal/crystal_progress_proc_win32.h"
#include "crystal/crystal_skin_win32.h"
#include "crystal/skin_properties_win32.h"
#include "tests/crystal/bar_fixture_win32.h"
#include "tests/support/wine_test.h"

namespace {

using crystal::CrystalProgressBar;
using crystal_test::windowRegion;

class CrystalAttach : public crystal_test::BarTest {};

const char* const skinKeys[] = {crystal::previousProcKey, crystal::skinKindKey, crystal::colorStyleKey,
                                crystal::textStyleKey, crystal::captionKey};

LONG_PTR procedureOf(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }

TEST_F(CrystalAttach, OtherClassesAreLeftUntouched) {
  for (const wchar_t* className : {L"BUTTON", L"EDIT", L"STATIC"}) {
    HWND other = CreateWindowExW(0, className, L"x", WS_CHILD | WS_VISIBLE, 10, 10, 200, 20, parent(), nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
    ASSERT_TRUE(other);
    const LONG_PTR procedure = procedureOf(other);
    CrystalProgressBar bar;
    EXPECT_FALSE(bar.attach(other));
    EXPECT_EQ(bar.getHandle(), nullptr);
    EXPECT_FALSE(crystal::attachCrystalSkin(other, 3));
    EXPECT_EQ(procedureOf(other), procedure);
    for (const char* key : skinKeys) EXPECT_EQ(GetPropA(other, key), nullptr) << key;
    EXPECT_FALSE(windowRegion(other));
  }
}

TEST_F(CrystalAttach, ABoundObjectIsNotRebound) {
  HWND first = plainBar(200, 20), second = plainBar(200, 20);
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(first));
  EXPECT_EQ(bar.getHandle(), first);
  EXPECT_TRUE(bar.isCreated());
  EXPECT_FALSE(bar.attach(second));
  EXPECT_EQ(bar.getHandle(), first);
  EXPECT_EQ(GetPropA(second, crystal::previousProcKey), nullptr);

  const int children = childCount();
  EXPECT_EQ(bar.create(parent(), 0, 0, 100, 10), first);
  EXPECT_EQ(childCount(), children);

  // Once its window is gone the object may be bound again.
  DestroyWindow(first);
  EXPECT_FALSE(bar.isCreated());
  EXPECT_TRUE(bar.attach(second));
  EXPECT_EQ(bar.getHandle(), second);
}

TEST_F(CrystalAttach, NothingThatIsNotAWindowIsBound) {
  HWND gone = plainBar(200, 20);
  DestroyWindow(gone);
  CrystalProgressBar bar;
  EXPECT_FALSE(bar.attach(gone));
  EXPECT_FALSE(bar.attach(nullptr));
  EXPECT_EQ(bar.create(gone, 0, 0, 100, 10), nullptr);
  EXPECT_EQ(bar.getHandle(), nullptr);
  EXPECT_FALSE(bar.isCreated());
  // Every method still acts on the empty handle; getters read 0.
  bar.setColorStyle(3);
  bar.setText(1, "x");
  bar.setPos(5);
  bar.move(1, 2, 3, 4);
  int low = 7, high = 7;
  bar.getRange(low, high);
  EXPECT_EQ(low, 0);
  EXPECT_EQ(high, 0);
  EXPECT_EQ(bar.getPos(), 0);
  EXPECT_EQ(bar.getWidth(), 0);
  EXPECT_EQ(bar.getColorStyle(), 1);
}

TEST_F(CrystalAttach, CreateMakesASkinnedBarOnce) {
  CrystalProgressBar bar;
  HWND made = bar.create(parent(), 10, 40, 200, 20);
  ASSERT_TRUE(made);
  EXPECT_EQ(bar.getHandle(), made);
  EXPECT_EQ(wtest::windowText(made), L"水晶进度条");
  EXPECT_EQ(GetWindowLongW(made, GWL_STYLE) & (WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS),
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS);
  EXPECT_EQ(procedureOf(made), reinterpret_cast<LONG_PTR>(crystal::crystalProgressProc));
  EXPECT_EQ(crystal::readProperty(made, crystal::skinKindKey), crystal::progressBarSkin);
  EXPECT_EQ(crystal::readProperty(made, crystal::colorStyleKey), 0);
  const int children = childCount();
  EXPECT_EQ(bar.create(parent(), 0, 0, 50, 50), made);
  EXPECT_EQ(childCount(), children);
}

// A second attachment keeps the control's own procedure as the one to pass messages on to, so every
// message runs through the skin once (twice would recurse without end).
TEST_F(CrystalAttach, AttachingTwiceLeavesOneSkinProcedureInTheChain) {
  HWND plain = plainBar(200, 20);
  const LONG_PTR own = procedureOf(plain);
  ASSERT_TRUE(crystal::attachCrystalSkin(plain, 0));
  ASSERT_TRUE(crystal::attachCrystalSkin(plain, 0));
  CrystalProgressBar a, b;
  ASSERT_TRUE(a.attach(plain));
  ASSERT_TRUE(b.attach(plain));  // another object: both address the one window
  EXPECT_EQ(procedureOf(plain), reinterpret_cast<LONG_PTR>(crystal::crystalProgressProc));
  EXPECT_EQ(crystal::readProperty(plain, crystal::previousProcKey), own);
  a.setRange(0, 100);
  b.setPos(42);
  EXPECT_EQ(a.getPos(), 42);
}

TEST_F(CrystalAttach, AnInitialColourStyleIsStoredOnlyAboveZero) {
  HWND plain = plainBar(200, 20);
  struct Step {
    int initial;
    INT_PTR stored;
  };
  for (const Step step : {Step{3, 3}, {0, 3}, {-2, 3}, {9, 9}}) {
    ASSERT_TRUE(crystal::attachCrystalSkin(plain, step.initial));
    EXPECT_EQ(crystal::readProperty(plain, crystal::colorStyleKey), step.stored) << step.initial;
    EXPECT_EQ(crystal::readProperty(plain, crystal::skinKindKey), crystal::progressBarSkin);
  }
}

TEST_F(CrystalAttach, AttachRemovesEdgeStyles) {
  HWND edged = CreateWindowExW(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 10,
                               200, 20, parent(), nullptr, GetModuleHandleW(nullptr), nullptr);
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(edged));
  EXPECT_EQ(GetWindowLongW(edged, GWL_EXSTYLE), 0);
}

// The region is made one pixel wider and higher than the window, because a round-cornered region
// leaves out its last column and row. Compared point by point: equal regions may be stored as
// different lists of rectangles.
bool hasCrystalRegion(HWND window, int width, int height) {
  const host::UniqueRegion expected(CreateRoundRectRgn(0, 0, width + 1, height + 1, 5, 5));
  const host::UniqueRegion region = windowRegion(window);
  if (!region) return false;
  for (int y = -1; y <= height + 1; ++y) {
    for (int x = -1; x <= width + 1; ++x) {
      if (PtInRegion(region.get(), x, y) != PtInRegion(expected.get(), x, y)) return false;
    }
  }
  return true;
}

TEST_F(CrystalAttach, RoundRegionFollowsTheSize) {
  HWND plain = plainBar(200, 20);
  CrystalProgressBar bar;
  ASSERT_TRUE(bar.attach(plain));
  EXPECT_TRUE(hasCrystalRegion(plain, 200, 20));
  EXPECT_FALSE(hasCrystalRegion(plain, 199, 19));
  SetWindowPos(plain, nullptr, 0, 0, 300, 20, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_TRUE(hasCrystalRegion(plain, 300, 20));
  bar.move(std::nullopt, std::nullopt, std::nullopt, 30);
  EXPECT_TRUE(hasCrystalRegion(plain, 300, 30));

  const host::UniqueRegion region = windowRegion(plain);
  RECT box{};
  GetRgnBox(region.get(), &box);
  EXPECT_EQ(box.right, 300);
  EXPECT_EQ(box.bottom, 30);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));  // the corners are cut
  EXPECT_TRUE(PtInRegion(region.get(), 2, 2));
  EXPECT_TRUE(PtInRegion(region.get(), 299, 15));
}

}  // namespace
