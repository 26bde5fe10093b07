#include "updater/finish_update_win32.h"

#include "host/file_services.h"
#include "host/services.h"
#include "updater/extract_archive_win32.h"

namespace updater {

namespace {

// A command line naming the program even when its folder has spaces in its name.
host::Text quoted(const host::Text& path) {
  host::Text line = "\"";
  line += path;
  line += '"';
  return line;
}

}  // namespace

host::Text workDirectory;

void finishUpdate() {
  workDirectory = host::runDirectory();
  const host::Text package = workDirectory + "\\lumox.zip";
  if (!host::fileExists(package)) return;
  extractArchive(package, workDirectory);
  host::deleteFile(host::runDirectory() + "\\lumox.zip");
  host::runProgram(quoted(host::runDirectory() + "\\霁川播放器.exe"), false);
}

}  // namespace updater
