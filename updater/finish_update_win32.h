#pragma once
// The updater's last step: the downloaded package is extracted over the player's folder and deleted,
// and the player is started again.
#include "host/text.h"

namespace updater {

// The folder the package is extracted into: the updater's own, set by finishUpdate.
extern host::Text workDirectory;

// Nothing happens without a package; otherwise the result of the extraction does not matter.
void finishUpdate();

}  // namespace updater
