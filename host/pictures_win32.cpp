#include "host/pictures_win32.h"

#include <windows.h>
#include <wincodec.h>

#include <map>

#include "host/com_win32.h"
#include "host/picture_layout.h"
#include "host/unique_win32.h"

namespace host {

namespace {

UniqueBitmap decode(ResourceId id) {
  HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  HGLOBAL loaded = found ? LoadResource(nullptr, found) : nullptr;
  auto* data = loaded ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
  if (!data) return {};

  ComPtr<IWICImagingFactory> factory;
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0;
  UINT height = 0;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(factory.put()))) ||
      FAILED(factory->CreateStream(stream.put())) ||
      FAILED(stream->InitializeFromMemory(data, SizeofResource(nullptr, found))) ||
      FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnLoad, decoder.put())) ||
      FAILED(decoder->GetFrame(0, frame.put())) || FAILED(factory->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom)) ||
      FAILED(converter->GetSize(&width, &height))) {
    return {};
  }

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC delivers rows
  // Premultiplied alpha, so an icon's transparent corners show what lies beneath.
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || FAILED(converter->CopyPixels(nullptr, width * 4, width * height * 4, static_cast<BYTE*>(bits)))) {
    return {};
  }
  return bitmap;
}

}  // namespace

HBITMAP picture(ResourceId id) {
  static std::map<ResourceId, UniqueBitmap> cache;
  if (id == 0) return nullptr;
  auto found = cache.find(id);
  if (found == cache.end()) found = cache.emplace(id, decode(id)).first;
  return found->second.get();
}

SIZE pictureSize(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info)) return {0, 0};
  return {info.bmWidth, std::abs(info.bmHeight)};
}

HICON icon(ResourceId id, int size) {
  if (id == 0) return nullptr;
  // Shared icons are owned by the system and need no clean-up.
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, LR_SHARED));
}

HCURSOR pointer(ResourceId id) {
  if (id == 0) return nullptr;
  return static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_CURSOR, 0, 0,
                                         LR_SHARED | LR_DEFAULTSIZE));
}

COLORREF systemColourValue(Colour colour) {
  return (colour & 0x80000000u) ? GetSysColor(static_cast<int>(colour & 0xFF)) : colour;
}

void fillColour(HDC dc, const RECT& box, Colour colour) {
  UniqueBrush brush(CreateSolidBrush(systemColourValue(colour)));
  FillRect(dc, &box, brush.get());
}

void drawPicture(HDC dc, const RECT& box, ResourceId id, DisplayMode mode) {
  HBITMAP bitmap = picture(id);
  if (!bitmap) return;
  const SIZE size = pictureSize(bitmap);
  UniqueMemoryDc source(CreateCompatibleDC(dc));
  Selection selected(source.get(), bitmap);
  const Place place =
      pictureLayout({box.left, box.top, box.right - box.left, box.bottom - box.top}, size.cx, size.cy, mode);
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(dc, place.left, place.top, place.width, place.height, source.get(), 0, 0, size.cx, size.cy, blend);
}

}  // namespace host
