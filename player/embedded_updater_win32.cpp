#include "player/embedded_updater_win32.h"

#include <windows.h>

#include "host/services.h"
#include "resources/resource_ids.h"

host::Bytes embeddedUpdater() {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(IDR_EMBEDDED_UPDATER), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
  if (!bytes) return {};
  return host::Bytes(bytes, bytes + SizeofResource(nullptr, found));
}

host::Text updaterPath() { return host::runDirectory() + "\\升级程序.exe"; }
