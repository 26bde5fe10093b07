#pragma once
// An off-screen surface whose pixels are ours to write: a top-down 32-bit bitmap in a memory device
// context, laid out as a PixelCanvas expects.
#include <windows.h>

#include <cstdint>

#include "host/unique_win32.h"

namespace crystal {

class DibSurface {
 public:
  DibSurface(HDC target, int width, int height);
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  explicit operator bool() const { return dc_ && bitmap_; }
  HDC dc() const { return dc_.get(); }
  std::uint32_t* pixels() const { return pixels_; }

 private:
  host::UniqueMemoryDc dc_;
  std::uint32_t* pixels_ = nullptr;
  host::UniqueBitmap bitmap_;
  host::Selection selection_;
};

}  // namespace crystal
