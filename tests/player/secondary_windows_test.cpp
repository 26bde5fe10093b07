// The video-section, message and rights-notice windows, opened and closed as a user does.
#include <windows.h>

#include <gtest/gtest.h>

#include "host/wide_win32.h"
#include "tests/support/programs.h"
#include "tests/support/running_player.h"
#include "tests/support/wine_test.h"

namespace {

const std::wstring videoCaption = host::widen("栖云影音");
const std::wstring messageCaption = host::widen("在线留言");
const std::wstring noticeCaption = host::widen("版权声明");
constexpr int buttonBox = 5, videoButton = 3;

struct Expected {
  const char* text;
  const wchar_t* className;
  RECT place;
};

void expectControls(HWND parent, std::initializer_list<Expected> expected) {
  int i = 0;
  for (const Expected& control : expected) {
    HWND child = wtest::childAt(parent, i);
    ASSERT_NE(child, nullptr) << i;
    EXPECT_EQ(wtest::className(child), control.className) << i;
    EXPECT_EQ(host::narrow(wtest::windowText(child)), control.text) << i;
    const RECT place = wtest::rectInParent(child);
    EXPECT_TRUE(EqualRect(&place, &control.place)) << i << " at " << place.left << "," << place.top;
    ++i;
  }
  EXPECT_EQ(wtest::childAt(parent, i), nullptr);
}

void expectSmallWindow(HWND window, int width, int height) {
  const RECT outer = wtest::screenRect(window);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  EXPECT_EQ(outer.right - outer.left, width);
  EXPECT_EQ(outer.bottom - outer.top, height);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_FALSE(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
  EXPECT_TRUE(exStyle & WS_EX_TOOLWINDOW);  // not in the taskbar
  EXPECT_FALSE(exStyle & (WS_EX_APPWINDOW | WS_EX_TOPMOST));
}

POINT centreOf(HWND window) {
  const RECT box = wtest::screenRect(window);
  return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

class SecondaryWindows : public wtest::RunningPlayer {
 protected:
  HWND waitFor(const std::wstring& caption) const { return player_->waitForWindow(caption, 5000); }
  HWND find(const std::wstring& caption) const { return wtest::findWindowOf(player_->id(), caption); }
  int count(const std::wstring& caption) const {
    int found = 0;
    wtest::findTopWindow(player_->id(), [&](HWND window) {
      found += wtest::windowText(window) == caption;
      return false;
    });
    return found;
  }
  HWND openVideoWindow() const {
    wtest::click(centreOf(wtest::childAt(wtest::childAt(window_, buttonBox), videoButton)));
    return waitFor(videoCaption);
  }
  // The close button 图形按钮8 of a small window: the last control of its panel.
  void clickClose(HWND window) const {
    HWND panel = nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) panel = child;
    HWND close = nullptr;
    for (HWND child = GetWindow(panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (wtest::className(child) == L"JcPictureButton") close = child;
    }
    wtest::click(centreOf(close));
  }
  bool closed(const std::wstring& caption) const {
    return wtest::pumpUntil([&] { return find(caption) == nullptr; }, 3000);
  }
};

TEST_F(SecondaryWindows, TheVideoWindowOpensCentredIgnoresEscapeAndClosesWithItsButton) {
  MoveWindow(window_, 10, 10, 993, 680, TRUE);  // centred whatever the main window's place
  HWND video = openVideoWindow();
  ASSERT_NE(video, nullptr);
  expectSmallWindow(video, 380, 250);
  expectControls(video, {{"", L"JcPictureButton", {224, 32, 304, 112}},
                         {"", L"JcPictureButton", {232, 144, 312, 224}},
                         {"", L"JcPictureBox", {1, 1, 379, 249}}});
  expectControls(wtest::childAt(video, 2), {{"", L"JcPictureButton", {39, 31, 119, 111}},
                                            {"", L"JcPictureButton", {360, 8, 371, 19}}});
  SetForegroundWindow(video);
  wtest::key(VK_ESCAPE);
  wtest::pumpFor(300);
  EXPECT_NE(find(videoCaption), nullptr);
  wtest::click(centreOf(wtest::childAt(video, 1)));  // the button without an action
  wtest::pumpFor(300);
  EXPECT_EQ(count(videoCaption), 1);
  clickClose(video);
  EXPECT_TRUE(closed(videoCaption));
  EXPECT_TRUE(player_->running());
}

TEST_F(SecondaryWindows, ASecondClickBringsTheOpenVideoWindowForward) {
  HWND video = openVideoWindow();
  ASSERT_NE(video, nullptr);
  SetForegroundWindow(window_);
  wtest::pumpFor(200);
  wtest::click(centreOf(wtest::childAt(wtest::childAt(window_, buttonBox), videoButton)));
  EXPECT_TRUE(wtest::pumpUntil([&] { return GetForegroundWindow() == video; }));
  EXPECT_EQ(count(videoCaption), 1);
}

TEST_F(SecondaryWindows, TheMessageWindowOpensFromTheVideoWindowAndClosesOnEscape) {
  HWND video = openVideoWindow();
  ASSERT_NE(video, nullptr);
  wtest::click(centreOf(wtest::childAt(video, 0)));
  HWND message = waitFor(messageCaption);
  ASSERT_NE(message, nullptr);
  expectSmallWindow(message, 380, 250);
  MoveWindow(message, 0, 0, 380, 250, TRUE);  // off the video window, which it covers
  wtest::pumpFor(200);
  expectControls(wtest::childAt(message, 0),
                 {{"官方网站：https://localhost:48443", L"JcTransparentLabel", {31, 108, 311, 140}},
                  {"    本程序由霁川网提供，内容来源于网络，\r\n\r\n如果有侵犯你的权益请联系删除！ \r\n\r\n\r\n\r\n"
                   "电子邮件：kefu@jichuan.example\r\n\r\n在线客服 QQ：80061234\r\n",
                   L"JcTransparentLabel", {31, 49, 351, 207}},
                  {"Copyright (C) 霁川网 版权所有，保留一切权利", L"JcTransparentLabel", {23, 196, 367, 244}},
                  {"关于", L"JcTransparentLabel", {7, -1, 55, 23}},
                  {"", L"JcPictureButton", {360, 8, 371, 19}}});
  // Closing the video window leaves the message window open.
  clickClose(video);
  EXPECT_TRUE(closed(videoCaption));
  EXPECT_NE(find(messageCaption), nullptr);
  SetForegroundWindow(message);
  wtest::pumpFor(100);
  wtest::key(VK_ESCAPE);
  EXPECT_TRUE(closed(messageCaption));
}

TEST_F(SecondaryWindows, ThePressOnTheTitleTextOpensTheNoticeAtOnce) {
  // Where the version label and the slogan lie above the title text, a press does nothing.
  for (const int x : {130, 300}) {
    wtest::mouseMove(wtest::screenPoint(window_, x, 12));
    wtest::pumpFor(50);
    wtest::mouseButton(true);
    wtest::pumpFor(50);
    wtest::mouseButton(false);
    wtest::pumpFor(300);
    EXPECT_EQ(find(noticeCaption), nullptr) << x;
  }
  wtest::mouseMove(wtest::screenPoint(window_, 60, 12));
  wtest::pumpFor(50);
  wtest::mouseButton(true);
  HWND notice = waitFor(noticeCaption);  // while the button is still down
  wtest::mouseButton(false);
  ASSERT_NE(notice, nullptr);
  expectSmallWindow(notice, 600, 100);
  expectControls(wtest::childAt(notice, 0),
                 {{"", L"JcPictureButton", {576, 8, 587, 19}},
                  {"版权声明：栖云影音资源均采集与互联网。版权各归个相关网络公司所属！本站目的CMP技术交流！",
                   L"JcTransparentLabel", {40, 31, 575, 70}}});
  SetForegroundWindow(notice);
  wtest::pumpFor(100);
  wtest::key(VK_ESCAPE);
  EXPECT_TRUE(closed(noticeCaption));
  wtest::mouseMove(wtest::screenPoint(window_, 60, 12));
  wtest::pumpFor(50);
  wtest::mouseButton(true);
  wtest::mouseButton(false);
  notice = waitFor(noticeCaption);
  ASSERT_NE(notice, nullptr);
  clickClose(notice);
  EXPECT_TRUE(closed(noticeCaption));
}

TEST_F(SecondaryWindows, TheSiteButtonOpensTheHomePageInTheDefaultBrowser) {
  const std::wstring record = wtest::freshFolder(L"player_browser") + L"\\opened.txt";
  HWND video = openVideoWindow();
  ASSERT_NE(video, nullptr);
  wtest::click(centreOf(wtest::childAt(wtest::childAt(video, 2), 0)));
  ASSERT_TRUE(wtest::pumpUntil([&] { return !wtest::readFile(record).empty(); }, 10000));
  const std::string bytes = wtest::readFile(record);
  const std::wstring opened(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
  EXPECT_NE(opened.find(L"https://localhost:48443/svn/wiki/cmp/index.htm"), std::wstring::npos);
}

TEST_F(SecondaryWindows, ClosingTheMainWindowKeepsTheProgramWhileAnotherWindowIsOpen) {
  HWND video = openVideoWindow();
  ASSERT_NE(video, nullptr);
  PostMessageW(window_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(closed(wtest::playerCaption));
  wtest::pumpFor(300);
  EXPECT_TRUE(player_->running());
  clickClose(video);
  EXPECT_EQ(player_->waitForExit(), 0u);
}

}  // namespace

// The recorder stands in for the default browser, and the player started by the tests inherits where
// it writes.
class RecordingBrowser : public testing::Environment {
 public:
  void SetUp() override {
    const std::wstring recorder = wtest::builtProgram(L"url_recorder.exe");
    const std::wstring command = L"\"" + recorder + L"\" \"%1\"";
    for (const wchar_t* scheme : {L"https", L"http"}) {
      HKEY key = nullptr;
      const std::wstring path = std::wstring(scheme) + L"\\shell\\open\\command";
      RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
      RegCloseKey(key);
    }
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    SetEnvironmentVariableW(L"URL_RECORD_FILE", (std::wstring(temp) + L"player_browser\\opened.txt").c_str());
  }
};

const testing::Environment* const recordingBrowser = testing::AddGlobalTestEnvironment(new RecordingBrowser);
