#include <windows.h>

#include "player/startup_win32.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { startPlayer(shutDown); }
