#pragma once
// The updater the player carries: the updater's executable exactly as built, kept as a resource.
#include "host/text.h"

host::Bytes embeddedUpdater();

// Where the player writes it and starts it: next to its own executable.
host::Text updaterPath();
