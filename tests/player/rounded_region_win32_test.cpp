// The rounded outline on real windows, in this process.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/services.h"
#include "host/unique_win32.h"
#include "player/skin/rounded_region_win32.h"
#include "tests/support/wine_test.h"

namespace {

host::FormSpec plainForm(int width, int height) {
  return host::FormSpec{.caption = "窗口", .width = width, .height = height};
}

host::UniqueRegion regionOf(HWND window) {
  host::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(window, region.get()) == ERROR) region.reset();
  return region;
}

// The union the window system makes of the shapes, built here independently.
host::UniqueRegion unionOf(const std::array<Shape, 6>& shapes) {
  host::UniqueRegion all(CreateRectRgn(0, 0, 0, 0));
  for (const Shape& shape : shapes) {
    host::UniqueRegion part(shape.kind == ShapeKind::Ellipse
                                ? CreateEllipticRgn(shape.left, shape.top, shape.right, shape.bottom)
                                : CreateRectRgn(shape.left, shape.top, shape.right, shape.bottom));
    CombineRgn(all.get(), all.get(), part.get(), RGN_OR);
  }
  return all;
}

class RoundedRegion : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host::loadWindow(window_));
    wtest::pumpFor(50);
  }
  void TearDown() override {
    if (window_.handle()) DestroyWindow(window_.handle());
  }
  host::Window window_{plainForm(993, 680)};
};

TEST_F(RoundedRegion, TheWindowGetsTheUnionOfTheShapes) {
  setRoundedWindowRegion(window_.handle(), {4, 4, 1, 1, 1, 1});
  const auto region = regionOf(window_.handle());
  ASSERT_TRUE(region);
  const auto expected = unionOf(roundedRegionShapes(993, 680, withDefaults({4, 4, 1, 1, 1, 1})));
  EXPECT_TRUE(EqualRgn(region.get(), expected.get()));
  for (const POINT corner : {POINT{0, 0}, POINT{992, 0}, POINT{0, 679}, POINT{992, 679}}) {
    EXPECT_FALSE(PtInRegion(region.get(), corner.x, corner.y)) << corner.x << "," << corner.y;
  }
  for (const POINT inside : {POINT{4, 0}, POINT{0, 4}, POINT{988, 0}, POINT{496, 340}}) {
    EXPECT_TRUE(PtInRegion(region.get(), inside.x, inside.y)) << inside.x << "," << inside.y;
  }
}

TEST_F(RoundedRegion, OmittedParametersSquareTheBottomCorners) {
  setRoundedWindowRegion(window_.handle());
  const auto region = regionOf(window_.handle());
  ASSERT_TRUE(region);
  EXPECT_FALSE(PtInRegion(region.get(), 0, 0));
  EXPECT_TRUE(PtInRegion(region.get(), 0, 679));
  EXPECT_TRUE(PtInRegion(region.get(), 992, 679));
}

TEST_F(RoundedRegion, EachResizeReplacesTheRegion) {
  for (int width = 400; width <= 800; width += 100) {
    SetWindowPos(window_.handle(), nullptr, 0, 0, width, 300, SWP_NOMOVE | SWP_NOZORDER);
    setRoundedWindowRegion(window_.handle(), {4, 4, 1, 1, 1, 1});
    const auto region = regionOf(window_.handle());
    ASSERT_TRUE(region);
    RECT box{};
    GetRgnBox(region.get(), &box);
    EXPECT_EQ(box.right, width);
    EXPECT_EQ(box.bottom, 300);
  }
}

TEST(RoundedRegionOfNoWindow, DoesNothing) {
  host::Window gone{plainForm(100, 100)};
  ASSERT_TRUE(host::loadWindow(gone));
  HWND handle = gone.handle();
  DestroyWindow(handle);
  setRoundedWindowRegion(handle, {});
  setRoundedWindowRegion(nullptr, {});
  EXPECT_FALSE(IsWindow(handle));
}

}  // namespace
