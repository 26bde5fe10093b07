#include <windows.h>

#include "host/fatal.h"

namespace host {

void fatalExit() { ExitProcess(static_cast<UINT>(-1)); }

}  // namespace host
