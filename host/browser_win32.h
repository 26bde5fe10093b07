#pragma once
// The embedded web browser control: navigation and keyboard.
#include <windows.h>

#include <string_view>

#include "host/text.h"

namespace host {

void navigateBrowser(HWND browser, std::string_view address);
Text browserAddress(HWND browser);
// Whether the browser under `browser` could be created (where it cannot, the window works without it).
bool browserAvailable(HWND browser);

}  // namespace host
