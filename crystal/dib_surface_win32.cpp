#include "crystal/dib_surface_win32.h"

namespace crystal {

namespace {

HBITMAP topDownBitmap(HDC target, int width, int height, std::uint32_t** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(target, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  *pixels = static_cast<std::uint32_t*>(bits);
  return bitmap;
}

}  // namespace

DibSurface::DibSurface(HDC target, int width, int height)
    : dc_(CreateCompatibleDC(target)),
      bitmap_(topDownBitmap(target, width, height, &pixels_)),
      selection_(dc_.get(), bitmap_.get()) {}

}  // namespace crystal
