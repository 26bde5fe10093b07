#pragma once
// A text kept in a window property as a movable, zero-filled global memory block of exactly n + 1
// bytes: the text's bytes and one 0 byte, no length. The block belongs to the window.
#include <windows.h>

#include <string_view>

#include "host/text.h"

namespace crystal {

// Makes or resizes the block under `key`. When the block cannot be had, resized or locked, nothing
// is written through it: the text stored before stays.
void storeTextProperty(HWND window, const char* key, std::string_view text);

// A copy of the stored text; empty when there is no block.
host::Text readTextProperty(HWND window, const char* key);

// Frees the block, if there is one, and removes the property.
void freeTextProperty(HWND window, const char* key);

}  // namespace crystal
