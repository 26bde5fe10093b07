#pragma once
// The three small windows opened from the main window's title strip, and their handlers.
#include "host/window.h"

extern host::Window videoWindow;    // "栖云影音"
extern host::Window messageWindow;  // "在线留言"
extern host::Window noticeWindow;   // "版权声明"

void onVideoButtonClicked();
void onTitleLabelPressed();
void onMessageButtonClicked();
void onLowerButtonClicked();
void onSiteButtonClicked();
void onVideoWindowCloseClicked();
void onMessageWindowCloseClicked();
void onNoticeWindowCloseClicked();
