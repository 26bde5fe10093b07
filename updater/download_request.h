#pragma once
// What the download sends: the agent name of its internet session and the header block of its request.
#include <cstdint>

#include "host/text.h"

namespace updater {

// "Agent" followed by the tick count in decimal.
host::Text agentName(std::uint32_t tick);

// The fixed lines joined by CR LF, with no CR LF after the last; a resumed download adds an open-ended
// "Range:bytes=N-" line.
host::Text requestHeaders(bool resume, std::int32_t startOffset);

}  // namespace updater
