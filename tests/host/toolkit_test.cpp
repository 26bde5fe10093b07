#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "host/browser_win32.h"
#include "host/services.h"
#include "host/wide_win32.h"
#include "tests/support/programs.h"
#include "tests/support/wine_test.h"

namespace {

using host::ControlKind;
using host::ControlSpec;
using host::FormSpec;
using host::Window;

constexpr host::ResourceId normalGif = 101, hoverGif = 102, pressedGif = 103, yellowJpeg = 104, panelBmp = 105,
                           orangeIcon = 106;
constexpr COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255), panel = RGB(30, 30, 30);

std::string events;
int clicks = 0;
int presses = 0;

void onCreated() { events += 'c'; }
void onSizeChanged() { events += 's'; }
void onDestroyed() { events += 'd'; }
void onClicked() { ++clicks; }
void onPressed() { ++presses; }

// Every test starts from no event seen, and closes what it opened.
class Toolkit : public testing::Test {
 protected:
  void SetUp() override {
    events.clear();
    clicks = 0;
    presses = 0;
  }
  void TearDown() override {
    for (const auto& window : windows_) {
      if (window->handle()) DestroyWindow(window->handle());
    }
    wtest::pumpFor(50);
  }
  Window& open(FormSpec form) {
    windows_.push_back(std::make_unique<Window>(std::move(form)));
    Window& window = *windows_.back();
    EXPECT_TRUE(host::loadWindow(window));
    SetForegroundWindow(window.handle());
    wtest::pumpFor(100);
    return window;
  }

  std::vector<std::unique_ptr<Window>> windows_;
};

FormSpec plainForm(int width = 400, int height = 300) {
  return FormSpec{.caption = "窗口", .width = width, .height = height, .background = host::rgb(30, 30, 30)};
}

ControlSpec button(const char* name, const char* parent, host::Place place) {
  return ControlSpec{.name = name,
                     .kind = ControlKind::PictureButton,
                     .parent = parent,
                     .place = place,
                     .images = {normalGif, hoverGif, pressedGif, 0},
                     .clicked = onClicked};
}

ControlSpec pictureBox(const char* name, host::Place place) {
  return ControlSpec{.name = name,
                     .kind = ControlKind::PictureBox,
                     .place = place,
                     .background = host::rgb(0, 0, 255),
                     .picture = panelBmp,
                     .display = host::DisplayMode::Stretched};
}

ControlSpec label(const char* name, host::Place place, const char* text) {
  return ControlSpec{.name = name,
                     .kind = ControlKind::TransparentLabel,
                     .place = place,
                     .text = text,
                     .textColour = host::white,
                     .font = host::FontRecord{.height = 16},
                     .leftPressed = onPressed};
}

TEST_F(Toolkit, LoadCentresTheWindowAndStacksControlsAsListed) {
  FormSpec form = plainForm();
  // A child listed before its parent box, as some forms have it.
  form.controls = {label("a", {10, 10, 50, 20}, "甲"), button("b", "box", {5, 6, 14, 14}),
                   pictureBox("box", {0, 0, 400, 300})};
  Window& window = open(form);

  const RECT outer = wtest::screenRect(window.handle());
  const auto place = host::centredPlace(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), 400, 300);
  EXPECT_EQ(outer.left, place.left);
  EXPECT_EQ(outer.top, place.top);
  EXPECT_EQ(outer.right - outer.left, 400);
  EXPECT_EQ(outer.bottom - outer.top, 300);

  EXPECT_EQ(wtest::childAt(window.handle(), 0), window.control("a"));
  EXPECT_EQ(wtest::childAt(window.handle(), 1), window.control("box"));
  EXPECT_EQ(wtest::childAt(window.handle(), 2), nullptr);
  EXPECT_EQ(GetParent(window.control("b")), window.control("box"));
  const RECT b = wtest::rectInParent(window.control("b"));
  EXPECT_EQ(b.left, 5);
  EXPECT_EQ(b.top, 6);
  EXPECT_EQ(b.right - b.left, 14);
}

TEST_F(Toolkit, TheFormsIconIsTheWindowsIcon) {
  FormSpec form = plainForm();
  form.icon = orangeIcon;
  Window& window = open(form);
  EXPECT_NE(SendMessageW(window.handle(), WM_GETICON, ICON_BIG, 0), 0);
  EXPECT_EQ(SendMessageW(open(plainForm()).handle(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(Toolkit, LoadRaisesCreatedThenSizeChangedBeforeItReturns) {
  FormSpec form = plainForm();
  form.created = onCreated;
  form.sizeChanged = onSizeChanged;
  form.destroyed = onDestroyed;
  form.visible = false;
  Window& window = open(form);
  EXPECT_EQ(events, "cs");
  EXPECT_FALSE(IsWindowVisible(window.handle()));

  host::setProperty(window, "", host::Property::Width, 500);
  EXPECT_EQ(events, "css");
  EXPECT_EQ(host::getProperty(window, "", host::Property::Width), 500);
  DestroyWindow(window.handle());
  EXPECT_EQ(events, "cssd");
  EXPECT_EQ(window.handle(), nullptr);
}

TEST_F(Toolkit, LoadingAnOpenWindowRestoresOrActivatesIt) {
  Window& window = open(plainForm());
  HWND first = window.handle();
  ShowWindow(first, SW_MINIMIZE);
  ASSERT_TRUE(IsIconic(first));
  ASSERT_TRUE(host::loadWindow(window));
  EXPECT_EQ(window.handle(), first);
  EXPECT_FALSE(IsIconic(first));
  EXPECT_EQ(host::getProperty(window, "", host::Property::WindowState), host::restored);
}

TEST_F(Toolkit, DestroyIsPostedAndTheLoopEndsWithTheLastWindow) {
  FormSpec form = plainForm();
  form.destroyed = onDestroyed;
  Window& one = open(form);
  Window& two = open(form);
  host::destroyWindow(one);
  host::destroyWindow(two);
  EXPECT_TRUE(IsWindow(one.handle()));  // not yet: the request is posted
  host::messageLoop();
  EXPECT_EQ(events, "dd");
  EXPECT_EQ(one.handle(), nullptr);
  EXPECT_EQ(two.handle(), nullptr);
}

TEST_F(Toolkit, PictureButtonShowsItsStateImagesAndRaisesClicked) {
  FormSpec form = plainForm();
  form.controls = {button("b", "", {20, 20, 14, 14})};
  Window& window = open(form);
  HWND b = window.control("b");
  wtest::mouseMove(wtest::screenPoint(window.handle(), 300, 200));
  wtest::pumpFor(100);
  EXPECT_EQ(wtest::pixel(b, 2, 2), red);
  EXPECT_EQ(wtest::pixel(b, 12, 12), RGB(0, 0, 0));  // outside the 11 x 11 image

  wtest::mouseMove(wtest::screenPoint(b, 5, 5));
  wtest::pumpFor(100);
  EXPECT_EQ(wtest::pixel(b, 2, 2), green);
  wtest::mouseButton(true);
  wtest::pumpFor(100);
  EXPECT_EQ(wtest::pixel(b, 2, 2), blue);
  EXPECT_EQ(clicks, 0);  // not on the press
  wtest::mouseButton(false);
  ASSERT_TRUE(wtest::pumpUntil([] { return clicks == 1; }));
  EXPECT_EQ(wtest::pixel(b, 2, 2), red);  // normal until the pointer moves again
}

TEST_F(Toolkit, AQuickSecondClickIsASecondClick) {
  FormSpec form = plainForm();
  form.controls = {button("b", "", {20, 20, 14, 14})};
  Window& window = open(form);
  const POINT centre = wtest::screenPoint(window.control("b"), 7, 7);
  wtest::click(centre);
  wtest::click(centre);  // within the double-click time, at the same place
  EXPECT_TRUE(wtest::pumpUntil([] { return clicks == 2; }));
}

TEST_F(Toolkit, PressingAPictureButtonAndLeavingItIsNoClick) {
  FormSpec form = plainForm();
  form.controls = {button("b", "", {20, 20, 14, 14})};
  Window& window = open(form);
  HWND b = window.control("b");
  wtest::mouseMove(wtest::screenPoint(b, 5, 5));
  wtest::pumpFor(50);
  wtest::mouseButton(true);
  wtest::pumpFor(50);
  wtest::mouseMove(wtest::screenPoint(window.handle(), 200, 200));
  wtest::pumpFor(50);
  wtest::mouseButton(false);
  wtest::pumpFor(200);
  EXPECT_EQ(clicks, 0);
}

TEST_F(Toolkit, TransparentLabelShowsWhatLiesBeneathAndRaisesItsPress) {
  FormSpec form = plainForm();
  form.controls = {label("a", {10, 10, 120, 20}, "三维设计"), pictureBox("box", {0, 0, 400, 300})};
  Window& window = open(form);
  HWND a = window.control("a");
  EXPECT_EQ(wtest::pixel(a, 118, 1), panel);  // the picture box's picture, beneath the label

  wtest::mouseMove(wtest::screenPoint(a, 5, 5));
  wtest::pumpFor(50);
  wtest::mouseButton(true);
  ASSERT_TRUE(wtest::pumpUntil([] { return presses == 1; }));  // on the press itself
  wtest::mouseButton(false);
  wtest::pumpFor(50);
  EXPECT_EQ(presses, 1);
}

TEST_F(Toolkit, OpaqueLabelShowsItsOwnBackgroundPicture) {
  FormSpec form = plainForm();
  form.background = host::rgb(0, 255, 0);
  form.controls = {ControlSpec{.name = "l",
                               .kind = ControlKind::Label,
                               .place = {10, 10, 100, 20},
                               .text = "正在初始化程序，请稍等！",
                               .textColour = host::rgb(128, 128, 128),
                               .align = host::Align::Centre,
                               .picture = yellowJpeg}};
  Window& window = open(form);
  const COLORREF corner = wtest::pixel(window.control("l"), 1, 1);
  // JPEG: close to yellow, not the window's green.
  EXPECT_GE(GetRValue(corner), 245);
  EXPECT_GE(GetGValue(corner), 245);
  EXPECT_LE(GetBValue(corner), 10);
}

TEST_F(Toolkit, DraggingAPictureBoxMovesTheWindowDraggingALabelDoesNot) {
  FormSpec form = plainForm();
  form.dragAnywhere = true;
  form.controls = {label("a", {10, 10, 120, 20}, "标签"), pictureBox("box", {0, 40, 400, 260})};
  Window& window = open(form);
  const RECT before = wtest::screenRect(window.handle());

  wtest::drag(wtest::screenPoint(window.control("a"), 5, 5), 40, 30);
  RECT after = wtest::screenRect(window.handle());
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);

  wtest::drag(wtest::screenPoint(window.control("box"), 100, 100), 40, 30);
  after = wtest::screenRect(window.handle());
  EXPECT_EQ(after.left, before.left + 40);
  EXPECT_EQ(after.top, before.top + 30);
}

TEST_F(Toolkit, DraggingIsOffUnlessTheFormAllowsIt) {
  FormSpec form = plainForm();
  form.controls = {pictureBox("box", {0, 0, 400, 300})};
  Window& window = open(form);
  const RECT before = wtest::screenRect(window.handle());
  wtest::drag(wtest::screenPoint(window.control("box"), 100, 100), 40, 30);
  EXPECT_EQ(wtest::screenRect(window.handle()).left, before.left);
}

TEST_F(Toolkit, EscapeClosesOnlyWhereTheFormSaysSo) {
  FormSpec stays = plainForm();
  stays.destroyed = onDestroyed;
  Window& kept = open(stays);
  wtest::key(VK_ESCAPE);
  wtest::pumpFor(200);
  EXPECT_TRUE(IsWindow(kept.handle()));

  FormSpec closes = stays;
  closes.escapeCloses = true;
  Window& closed = open(closes);
  SetFocus(closed.handle());
  wtest::key(VK_ESCAPE);
  ASSERT_TRUE(wtest::pumpUntil([&] { return closed.handle() == nullptr; }));
  EXPECT_EQ(events, "d");
}

TEST_F(Toolkit, TextsAreGbkBothWays) {
  FormSpec form = plainForm();
  form.caption = "霁川播放器升级程序";
  form.controls = {label("a", {10, 10, 300, 20}, "")};
  Window& window = open(form);
  EXPECT_EQ(wtest::windowText(window.handle()), host::widen("霁川播放器升级程序"));
  EXPECT_EQ(host::getTextProperty(window, "", host::Property::Text), "霁川播放器升级程序");
  host::setProperty(window, "a", host::Property::Text, "服务器连接中：服务器正常");
  EXPECT_EQ(host::getTextProperty(window, "a", host::Property::Text), "服务器连接中：服务器正常");
  EXPECT_EQ(wtest::windowText(window.control("a")), L"\x670D\x52A1\x5668\x8FDE\x63A5\x4E2D\xFF1A\x670D\x52A1\x5668\x6B63\x5E38");
}

TEST_F(Toolkit, PropertiesOfWindowsAndControls) {
  FormSpec form = plainForm();
  form.controls = {ControlSpec{.name = "bar", .kind = ControlKind::ProgressBar, .place = {0, 150, 380, 40},
                               .rangeHigh = 10000},
                   ControlSpec{.name = "zip", .kind = ControlKind::Component}};
  Window& window = open(form);
  EXPECT_EQ(window.control("zip"), nullptr);
  host::setProperty(window, "bar", host::Property::Position, 5000);
  EXPECT_EQ(host::getProperty(window, "bar", host::Property::Position), 5000);
  host::setProperty(window, "bar", host::Property::Position, 20000);  // the bar clamps into its range
  EXPECT_EQ(host::getProperty(window, "bar", host::Property::Position), 10000);

  EXPECT_EQ(host::getProperty(window, "bar", host::Property::Width), 380);
  host::setProperty(window, "bar", host::Property::Height, 30);
  EXPECT_EQ(host::getProperty(window, "bar", host::Property::Height), 30);
  host::setProperty(window, "", host::Property::Visible, 0);
  EXPECT_EQ(host::getProperty(window, "", host::Property::Visible), 0);
  host::setProperty(window, "", host::Property::Visible, 1);
  host::setProperty(window, "", host::Property::WindowState, host::minimised);
  EXPECT_EQ(host::getProperty(window, "", host::Property::WindowState), host::minimised);
}

TEST_F(Toolkit, TheWindowWorksWithTheBrowserOrWithoutIt) {
  FormSpec form = plainForm();
  form.escapeCloses = true;
  form.controls = {ControlSpec{.name = "web", .kind = ControlKind::HtmlBrowser, .place = {-3, 27, 406, 280},
                               .address = "about:blank"}};
  Window& window = open(form);
  HWND web = window.control("web");
  ASSERT_NE(web, nullptr);
  host::setProperty(window, "web", host::Property::Width, 300);
  EXPECT_EQ(host::getProperty(window, "web", host::Property::Width), 300);
  host::setProperty(window, "web", host::Property::Address, "about:blank");
  if (!host::browserAvailable(web)) GTEST_LOG_(INFO) << "no embedded browser on this system";
  SetFocus(window.handle());
  wtest::key(VK_ESCAPE);
  EXPECT_TRUE(wtest::pumpUntil([&] { return window.handle() == nullptr; }));
}

}  // namespace
