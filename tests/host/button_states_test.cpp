#include "host/button_states.h"

#include <gtest/gtest.h>

namespace {

using host::ButtonImage;
using host::ButtonStates;

TEST(ButtonStates, HoverPressAndClick) {
  ButtonStates button;
  EXPECT_EQ(button.image(), ButtonImage::Normal);
  button.pointerMoved(3, 3, true);
  EXPECT_EQ(button.image(), ButtonImage::Hover);
  button.leftDown();
  EXPECT_EQ(button.image(), ButtonImage::Pressed);
  EXPECT_TRUE(button.leftUp(4, 4, true));
  // After a click: the normal image until the pointer moves again; a notice at the same place is
  // no move.
  EXPECT_EQ(button.image(), ButtonImage::Normal);
  button.pointerMoved(4, 4, true);
  EXPECT_EQ(button.image(), ButtonImage::Normal);
  button.pointerMoved(5, 4, true);
  EXPECT_EQ(button.image(), ButtonImage::Hover);
  button.pointerLeft();
  EXPECT_EQ(button.image(), ButtonImage::Normal);
}

TEST(ButtonStates, ReleaseAwayFromTheButtonIsNoClick) {
  ButtonStates button;
  button.leftDown();
  button.pointerMoved(20, 3, false);  // dragged off while held
  EXPECT_EQ(button.image(), ButtonImage::Normal);
  button.pointerMoved(3, 3, true);  // and back on
  EXPECT_EQ(button.image(), ButtonImage::Pressed);
  button.pointerMoved(20, 3, false);
  EXPECT_FALSE(button.leftUp(20, 3, false));
  EXPECT_EQ(button.image(), ButtonImage::Normal);
}

TEST(ButtonStates, ReleaseWithoutPressIsNoClick) {
  ButtonStates button;
  button.pointerMoved(3, 3, true);
  EXPECT_FALSE(button.leftUp(3, 3, true));
}

TEST(ButtonStates, LostCaptureEndsThePress) {
  ButtonStates button;
  button.leftDown();
  button.captureLost();
  EXPECT_EQ(button.image(), ButtonImage::Normal);
  EXPECT_FALSE(button.leftUp(3, 3, true));
}

TEST(ImageFor, MissingStatesFallBackToNormal) {
  const std::array<host::ResourceId, 4> images{10, 0, 12, 0};
  EXPECT_EQ(host::imageFor(ButtonImage::Normal, images), 10);
  EXPECT_EQ(host::imageFor(ButtonImage::Hover, images), 10);
  EXPECT_EQ(host::imageFor(ButtonImage::Pressed, images), 12);
  EXPECT_EQ(host::imageFor(ButtonImage::Disabled, images), 10);
}

}  // namespace
