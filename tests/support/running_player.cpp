#include "tests/support/running_player.h"

#include "tests/support/wine_test.h"

namespace wtest {

void serveVersion(const std::string& version) {
  writeHostFile("svn/wiki/down/banben.txt", version);
  writeHostFile("svn/wiki/down/ceshi.txt", "网络连接正常");
}

void RunningPlayer::SetUp() {
  serveVersion("2.0");
  player_ = std::make_unique<RunningProgram>(installProgram(playerFile, freshFolder(L"running_player")));
  window_ = player_->waitForWindow(playerCaption);
  ASSERT_NE(window_, nullptr);
}

HWND RunningPlayer::control(int index) const { return childAt(window_, index); }

}  // namespace wtest
