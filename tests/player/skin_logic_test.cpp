#include <gtest/gtest.h>

#include "player/skin/anchor_layout.h"
#include "player/skin/menu_relay.h"
#include "player/skin/rounded_region.h"

namespace {

using enum ShapeKind;

TEST(RoundedRegionShapes, TheMainWindowsRegion) {
  const auto shapes = roundedRegionShapes(993, 680, withDefaults({4, 4, 1, 1, 1, 1}));
  const std::array<Shape, 6> expected{{
      {Rectangle, 4, 0, 989, 680},
      {Rectangle, 0, 4, 993, 676},
      {Ellipse, 0, 0, 8, 8},
      {Ellipse, 986, 0, 994, 8},
      {Ellipse, 0, 672, 8, 681},
      {Ellipse, 985, 672, 994, 681},
  }};
  EXPECT_EQ(shapes, expected);
}

TEST(RoundedRegionShapes, DefaultsRoundTheTopAndSquareTheBottom) {
  const auto shapes = roundedRegionShapes(100, 50, withDefaults({}));
  EXPECT_EQ(shapes[0], (Shape{Rectangle, 5, 0, 95, 50}));
  EXPECT_EQ(shapes[2], (Shape{Ellipse, 0, 0, 10, 10}));
  EXPECT_EQ(shapes[3], (Shape{Ellipse, 91, 0, 101, 10}));
  EXPECT_EQ(shapes[4], (Shape{Rectangle, 0, 44, 6, 50}));
  EXPECT_EQ(shapes[5], (Shape{Rectangle, 94, 44, 100, 50}));
}

TEST(RegionDefaults, EachParameterOnItsOwn) {
  struct Case {
    RegionParameters given;
    int rx, ry, bottomLeft;
  };
  const Case cases[] = {
      {{}, 5, 5, 0},
      {{.rx = 7}, 7, 7, 0},
      {{.ry = 3}, 5, 3, 0},
      {{.rx = 0}, 0, 0, 0},  // a given zero is no omission
      {{.roundBottomLeft = 0}, 5, 5, 0},
      {{.roundBottomLeft = 1}, 5, 5, 1},
  };
  for (const auto& c : cases) {
    const RegionCorners corners = withDefaults(c.given);
    EXPECT_EQ(corners.rx, c.rx);
    EXPECT_EQ(corners.ry, c.ry);
    EXPECT_EQ(corners.roundBottomLeft, c.bottomLeft);
    EXPECT_EQ(corners.roundTopLeft, 1);
    EXPECT_EQ(corners.roundBottomRight, 0);
  }
  EXPECT_EQ(roundedRegionShapes(100, 50, withDefaults({.roundTopLeft = 0}))[2], (Shape{Rectangle, 0, 0, 6, 6}));
}

struct Notice {
  std::uint32_t wParam;
  RelayCommand command;
};

void expectRelay(std::initializer_list<Notice> notices) {
  std::uint32_t seen = 0;
  std::uint32_t last = 0;
  int i = 0;
  for (const auto& notice : notices) {
    EXPECT_EQ(onMenuSelect(seen, last, notice.wParam), notice.command) << "notice " << i++;
  }
}

TEST(MenuRelay, TheFirstNoticeOnlyArms) {
  std::uint32_t seen = 0;
  std::uint32_t last = 0;
  EXPECT_EQ(onMenuSelect(seen, last, 0xFFFF0000u), RelayCommand::None);
  EXPECT_EQ(seen, 1u);
  EXPECT_EQ(last, 0xFFFF0000u);
}

TEST(MenuRelay, MouseHighlightedItemsRunWhenTheMenuCloses) {
  expectRelay({{0x8080F020u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::Minimize}});
  expectRelay({{0x8080F030u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::Maximize}});
  expectRelay({{0x8080F120u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::Restore}});
  expectRelay({{0x8080F010u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::Move}});
  expectRelay({{0x8080F000u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::Size}});
  expectRelay({{0x8080F060u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::Close}});
}

TEST(MenuRelay, KeyboardAndOtherFlagsMatchNothing) {
  // Highlighted with the keyboard (0x0080 only), or greyed (0x8081).
  expectRelay({{0x0080F020u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::None}});
  expectRelay({{0x8081F020u, RelayCommand::None}, {0xFFFF0000u, RelayCommand::None}});
}

TEST(MenuRelay, ARepeatedClosingNoticeRepeatsTheCommand) {
  expectRelay({{0x8080F020u, RelayCommand::None},
               {0xFFFF0000u, RelayCommand::Minimize},
               {0xFFFF0000u, RelayCommand::Minimize},
               {0x8080F030u, RelayCommand::None},
               {0xFFFF0000u, RelayCommand::Maximize}});
}

TEST(AnchorMeasurements, BorderTruncatesAndTheCaptionTakesTheRest) {
  EXPECT_EQ(borderWidth(1000, 990), 5);
  EXPECT_EQ(borderWidth(1001, 990), 5);
  EXPECT_EQ(captionHeight(700, 660, 5), 35);
  // The borderless main window and its button box.
  const AnchorMetrics box = measureAnchor({143, 172, 1136, 852}, {1039, 175, 1133, 195}, 993, 680);
  EXPECT_EQ(box.left, 896);
  EXPECT_EQ(box.top, 3);
  EXPECT_EQ(box.rightMargin, 3);
  EXPECT_EQ(box.bottomMargin, 657);
  EXPECT_EQ(box.width, 94);
  EXPECT_EQ(box.height, 20);
  // A framed parent: 5 on each side, a caption of 30 above the client area.
  const AnchorMetrics framed = measureAnchor({0, 0, 1000, 700}, {105, 135, 205, 155}, 990, 665);
  EXPECT_EQ(framed.left, 100);
  EXPECT_EQ(framed.top, 105);
  EXPECT_EQ(framed.rightMargin, 790);
  EXPECT_EQ(framed.bottomMargin, 540);
}

TEST(AnchoredPlacement, EveryFlagCombination) {
  const AnchorMetrics m{896, 3, 3, 657, 94, 20};
  struct Case {
    AnchorFlags flags;
    Placement place;  // at client size 1280 x 1024
  };
  const Case cases[] = {
      {{0, 1, 1, 0}, {1183, 3, 94, 20}},     // the button box: follows the right edge
      {{1, 1, 1, 1}, {896, 3, 381, 364}},    // stretches both ways
      {{1, 1, 0, 0}, {896, 3, 94, 20}},      // stays
      {{0, 0, 0, 0}, {896, 347, 94, 20}},    // keeps x, follows the bottom
      {{0, 0, 0, 1}, {896, 347, 94, 20}},    // a free top follows the bottom whatever the flag
      {{1, 0, 1, 0}, {896, 347, 381, 20}},
      {{0, 1, 0, 1}, {896, 3, 94, 364}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(anchoredPlacement(m, c.flags, 1280, 1024), c.place)
        << c.flags.anchorLeft << c.flags.anchorTop << c.flags.anchorRight << c.flags.anchorBottom;
  }
}

}  // namespace
