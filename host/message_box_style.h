#pragma once
// How the host's message box turns the callers' flags into a style and the pressed button into a result.

namespace host {

// Task-modal unless the caller asked for system-modal (0x1000): the box then blocks the whole program.
unsigned messageBoxStyle(unsigned flags);

// The system's button identifiers (IDOK 1 .. IDNO 7) as the callers' numbers: OK 0, Cancel 1, Abort 2,
// Retry 3, Ignore 4, Yes 5, No 6.
int messageBoxResult(int buttonId);

}  // namespace host
