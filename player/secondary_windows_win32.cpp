// Opening and closing the secondary windows. Opening one that is open already brings it forward.
#include "player/secondary_windows_win32.h"

#include "host/services.h"
#include "player/site.h"

void onVideoButtonClicked() { host::loadWindow(videoWindow); }

void onTitleLabelPressed() { host::loadWindow(noticeWindow); }

void onMessageButtonClicked() { host::loadWindow(messageWindow); }

void onLowerButtonClicked() {}

void onSiteButtonClicked() { host::openUrl(homePage); }

void onVideoWindowCloseClicked() { host::destroyWindow(videoWindow); }

void onMessageWindowCloseClicked() { host::destroyWindow(messageWindow); }

void onNoticeWindowCloseClicked() { host::destroyWindow(noticeWindow); }
