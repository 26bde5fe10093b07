#pragma once
// Moving a borderless window by a left press on its background or on one of its picture boxes.
#include <windows.h>

namespace host {

// Starts the system's move of the top-level window of `pressed`, when its form allows dragging from
// anywhere; returns whether it did.
bool dragFromAnywhere(HWND pressed);

}  // namespace host
