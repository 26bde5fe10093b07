#include "player/globals_win32.h"

host::Text probeText;
host::Text localVersion;
host::Text remoteVersion;
HWND mainWindowHandle = nullptr;
WNDPROC savedMainWindowProc = nullptr;
std::uint32_t menuSelectSeen = 0;
std::uint32_t lastMenuSelect = 0;
std::unique_ptr<host::RecordList<AnchorRecord>> anchorRecords;
std::unique_ptr<host::RecordList<ParentRecord>> parentRecords;

namespace {

void release(host::Text& text) { host::Text().swap(text); }

}  // namespace

void initGlobals() {
  anchorRecords = std::make_unique<host::RecordList<AnchorRecord>>();
  parentRecords = std::make_unique<host::RecordList<ParentRecord>>();
}

void exitCleanup() {
  release(probeText);
  release(localVersion);
  release(remoteVersion);
  anchorRecords.reset();
  parentRecords.reset();
}
