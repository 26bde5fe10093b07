#pragma once
// One message's way through the program: keyboard rules of the forms, then its window.
#include <windows.h>

namespace host {

void dispatch(MSG& message);

// Gives an embedded browser with the focus the first look at a key; true when it used it.
bool translateBrowserKeys(MSG& message);

}  // namespace host
