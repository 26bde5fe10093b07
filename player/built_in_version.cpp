#include "player/built_in_version.h"

// Given by the build, so players of other versions can be built from the same code.
extern const char* const builtInVersion = PLAYER_VERSION_TEXT;
