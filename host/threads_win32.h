#pragma once
// Starting a routine on a thread of its own.
#include <windows.h>

namespace host {

// Default stack, no argument; the thread's handle goes into `handle`. True when it started.
bool startThread(void (*routine)(), HANDLE& handle);

}  // namespace host
