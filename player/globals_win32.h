#pragma once
// The player's program-wide state: plain globals, touched only on the window thread.
#include <windows.h>

#include <cstdint>
#include <memory>

#include "host/record_list.h"
#include "host/text.h"
#include "player/skin/anchor_records_win32.h"

extern host::Text probeText;
extern host::Text localVersion;
extern host::Text remoteVersion;
extern HWND mainWindowHandle;
extern WNDPROC savedMainWindowProc;
extern std::uint32_t menuSelectSeen;
extern std::uint32_t lastMenuSelect;
extern std::unique_ptr<host::RecordList<AnchorRecord>> anchorRecords;
extern std::unique_ptr<host::RecordList<ParentRecord>> parentRecords;
// crystalFont and buttonFaceColor belong to the crystal module, shared with the updater.

// Makes the two empty record lists.
void initGlobals();
// Releases the three texts, then each list with its records. Run by the shutdown, never directly.
void exitCleanup();
