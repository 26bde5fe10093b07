#pragma once
// An internal consistency failure (an index outside a list): the process ends at once with exit code
// -1, and no shutdown routine runs.

namespace host {

[[noreturn]] void fatalExit();

}  // namespace host
