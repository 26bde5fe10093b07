// Stands in for the updater and for the player in the tests of the updater's last step, started from
// a folder of the test's own.
//   finish   runs finishUpdate, then notes workDirectory in "work-directory.txt"
//   (none)   the player: notes its command line in "player-started.txt"
#include <windows.h>

#include <string_view>

#include "host/services.h"
#include "host/wide_win32.h"
#include "updater/finish_update_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR arguments, int) {
  const host::Text folder = host::runDirectory();
  if (std::wstring_view(arguments) == L"finish") {
    updater::finishUpdate();
    host::writeFileBytes(folder + "\\work-directory.txt", host::textToBytes(updater::workDirectory));
  } else {
    host::writeFileBytes(folder + "\\player-started.txt", host::textToBytes(host::narrow(GetCommandLineW())));
  }
  return 0;
}
