#pragma once
// Extracts a zip package into a folder: 1 when every entry was written; 0 when the folder could not be
// made, the file is not a zip package, or an entry could not be written (the ones before it stay);
// -1 when an argument is empty or the package does not exist.
#include <string_view>

namespace updater {

int extractArchive(std::string_view archive, std::string_view targetFolder);

}  // namespace updater
