#pragma once
// The version text this player was built as: the one the host's version file must equal.

extern const char* const builtInVersion;
