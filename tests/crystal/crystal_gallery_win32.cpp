// Paints every colour style and every text style of the crystal progress bar on one window and
// saves what the screen shows of it as a 24-bit BMP: crystal_gallery OUTPUT.bmp
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "crystal/crystal_progress_bar_win32.h"
#include "crystal/crystal_resources_win32.h"
#include "host/services.h"
#include "host/unique_win32.h"
#include "host/wide_win32.h"

namespace {

constexpr int margin = 12, labelWidth = 104, barWidth = 380, barHeight = 24, rowHeight = 32, headingHeight = 22;
constexpr int barLeft = margin + labelWidth + 8;
constexpr int clientWidth = barLeft + barWidth + margin;
constexpr char caption[] = "程序升级中，请稍等，目前已完成： ";

struct Row {
  const char* label;
  int colorStyle;
  int textStyle;
  int position;  // of 0 to 100
};

const char* const colourHeading = "七种颜色样式（文字样式 3）";
const Row colourRows[] = {{"1 蓝", 1, 3, 10}, {"2 红", 2, 3, 25}, {"3 紫", 3, 3, 40}, {"4 绿", 4, 3, 55},
                          {"5 金", 5, 3, 70}, {"6 银", 6, 3, 85}, {"7 黑", 7, 3, 35}};
const char* const textHeading = "五种文字样式（颜色样式 4）";
const Row textRows[] = {{"1 文字", 4, 1, 42}, {"2 位置", 4, 2, 42}, {"3 百分比", 4, 3, 42},
                        {"4 文字和位置", 4, 4, 42}, {"5 文字和百分比", 4, 5, 42}};

LRESULT CALLBACK galleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window, message, wParam, lParam);
}

HWND label(HWND parent, const char* text, int left, int top, int width, int height) {
  HWND made = CreateWindowExW(0, L"STATIC", host::widen(text).c_str(), WS_CHILD | WS_VISIBLE | SS_CENTERIMAGE, left,
                              top, width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(made, WM_SETFONT, reinterpret_cast<WPARAM>(crystal::crystalFont), FALSE);
  return made;
}

// Lays out a heading and its rows from `top` on; returns where the next section starts.
int section(HWND parent, const char* heading, const Row* rows, int count, int top) {
  label(parent, heading, margin, top, clientWidth - 2 * margin, headingHeight);
  top += headingHeight + 4;
  for (int i = 0; i < count; ++i, top += rowHeight) {
    label(parent, rows[i].label, margin, top, labelWidth, barHeight);
    crystal::CrystalProgressBar bar;
    bar.create(parent, barLeft, top, barWidth, barHeight);
    bar.setRange(0, 100);
    bar.setPos(rows[i].position);
    bar.setColorStyle(rows[i].colorStyle);
    bar.setText(rows[i].textStyle, caption);
  }
  return top + 6;
}

// What the screen shows of the window's client area, as a bottom-up 24-bit BMP file.
bool saveClientArea(HWND window, const std::wstring& path) {
  RECT box{};
  GetClientRect(window, &box);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const int width = box.right, height = box.bottom;
  HDC screen = GetDC(nullptr);
  host::UniqueMemoryDc memory(CreateCompatibleDC(screen));
  host::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
  {
    const host::Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, width, height, screen, origin.x, origin.y, SRCCOPY);
  }
  BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  const int stride = (width * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height));
  const int rows = GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
                             reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  if (rows != height) return false;
  info.biSizeImage = static_cast<DWORD>(pixels.size());
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + info.biSizeImage;
  std::ofstream out(path.c_str(), std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
  return static_cast<bool>(out);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: crystal_gallery OUTPUT.bmp\n", stderr);
    return 2;
  }
  host::initialise();
  crystal::initialiseCrystalModule();
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = galleryProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"CrystalGallery";
  RegisterClassW(&windowClass);

  const int clientHeight = 2 * (headingHeight + 4 + 6) + 12 * rowHeight + 2 * margin - 6;
  RECT frame{0, 0, clientWidth, clientHeight};
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  AdjustWindowRect(&frame, style, FALSE);
  host::UniqueWindow window(CreateWindowExW(0, L"CrystalGallery", host::widen("水晶进度条").c_str(), style, 40, 40,
                                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                                            GetModuleHandleW(nullptr), nullptr));
  int top = section(window.get(), colourHeading, colourRows, 7, margin);
  section(window.get(), textHeading, textRows, 5, top);
  ShowWindow(window.get(), SW_SHOW);
  UpdateWindow(window.get());
  // Let every window paint, then take the picture.
  const DWORD start = GetTickCount();
  MSG message;
  while (GetTickCount() - start < 500) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(10);
  }
  return saveClientArea(window.get(), argv[1]) ? 0 : 1;
}
