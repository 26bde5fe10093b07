#include "crystal/text_blocks_win32.h"

#include <algorithm>
#include <cstring>

#include "host/unique_win32.h"

namespace crystal {

namespace {

constexpr UINT blockFlags = GMEM_MOVEABLE | GMEM_ZEROINIT;

HGLOBAL blockOf(HWND window, const char* key) { return static_cast<HGLOBAL>(GetPropA(window, key)); }

// A block's bytes for one scope; none when it cannot be locked.
class LockedBlock {
 public:
  explicit LockedBlock(HGLOBAL block) : block_(block), bytes_(static_cast<char*>(GlobalLock(block))) {}
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;
  ~LockedBlock() {
    if (bytes_) GlobalUnlock(block_);
  }
  char* bytes() const { return bytes_; }

 private:
  HGLOBAL block_;
  char* bytes_;
};

// The block under `key`, made or resized to `size` bytes; none when that fails.
HGLOBAL sizedBlock(HWND window, const char* key, SIZE_T size) {
  if (HGLOBAL block = blockOf(window, key)) {
    HGLOBAL resized = GlobalReAlloc(block, size, blockFlags);
    // A movable block keeps its handle; should it not, the property must follow.
    if (resized && resized != block) SetPropA(window, key, resized);
    return resized;
  }
  host::UniqueGlobal fresh(GlobalAlloc(blockFlags, size));
  if (!fresh || !SetPropA(window, key, fresh.get())) return nullptr;
  return fresh.release();
}

}  // namespace

void storeTextProperty(HWND window, const char* key, std::string_view text) {
  HGLOBAL block = sizedBlock(window, key, text.size() + 1);
  if (!block) return;
  const LockedBlock locked(block);
  if (!locked.bytes()) return;
  std::memcpy(locked.bytes(), text.data(), text.size());
  locked.bytes()[text.size()] = '\0';
}

host::Text readTextProperty(HWND window, const char* key) {
  HGLOBAL block = blockOf(window, key);
  if (!block) return {};
  const LockedBlock locked(block);
  if (!locked.bytes()) return {};
  // Bounded by the block: one resized but never written (its lock failed) may lack the 0 byte.
  const char* start = locked.bytes();
  return host::Text(start, std::find(start, start + GlobalSize(block), '\0'));
}

void freeTextProperty(HWND window, const char* key) {
  if (HGLOBAL block = blockOf(window, key)) GlobalFree(block);
  RemovePropA(window, key);
}

}  // namespace crystal
