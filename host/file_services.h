#pragma once
// The updater's file and clock services: the partial download's file, its size and its move.
#include <windows.h>

#include <cstdint>
#include <span>
#include <string_view>

#include "host/unique_win32.h"

namespace host {

// True when a directory search for the name finds an entry.
bool fileExists(std::string_view path);

// The size of the first entry a search finds for the name (low 32 bits); -1 when none is found.
std::int32_t fileSize(std::string_view path);

// Both modes open for writing, in binary, sharing the file with everyone.
enum class OpenMode {
  Truncate = 4,  // creates the file, or empties an existing one
  Append = 5,    // opens an existing file as it is, or creates it
};
UniqueFile openFile(std::string_view path, OpenMode mode);
bool seekToEnd(HANDLE file);
bool writeFileData(HANDLE file, std::span<const std::uint8_t> bytes);

// Moves the file; when that fails, copies it over the destination and deletes the source. False only
// when the copy fails.
bool moveFile(std::string_view source, std::string_view destination);

// The system's millisecond tick count, wrapping after 49.7 days.
std::uint32_t tickCount();

}  // namespace host
