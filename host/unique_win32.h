#pragma once
// Move-only owners of Win32 handles, one template for every kind.
#include <windows.h>
#include <wininet.h>

#include <utility>

namespace host {

template <typename Traits>
class Unique {
 public:
  using Type = typename Traits::Type;

  Unique() = default;
  explicit Unique(Type value) : value_(value) {}
  Unique(const Unique&) = delete;
  Unique& operator=(const Unique&) = delete;
  Unique(Unique&& other) noexcept : value_(other.release()) {}
  Unique& operator=(Unique&& other) noexcept {
    if (this != &other) reset(other.release());
    return *this;
  }
  ~Unique() { reset(); }

  Type get() const { return value_; }
  explicit operator bool() const { return value_ != Traits::invalid(); }

  Type release() { return std::exchange(value_, Traits::invalid()); }
  void reset(Type value = Traits::invalid()) {
    const Type old = std::exchange(value_, value);
    if (old != Traits::invalid()) Traits::close(old);
  }

 private:
  Type value_ = Traits::invalid();
};

template <typename T, auto Close>
struct NullTraits {
  using Type = T;
  static Type invalid() { return nullptr; }
  static void close(Type value) { Close(value); }
};

struct FileTraits {
  using Type = HANDLE;
  static Type invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Type value) { CloseHandle(value); }
};

inline void deleteGdiObject(HGDIOBJ object) { DeleteObject(object); }

using UniqueHandle = Unique<NullTraits<HANDLE, CloseHandle>>;
using UniqueFile = Unique<FileTraits>;
using UniqueInternet = Unique<NullTraits<HINTERNET, InternetCloseHandle>>;
using UniqueRegion = Unique<NullTraits<HRGN, deleteGdiObject>>;
using UniqueBitmap = Unique<NullTraits<HBITMAP, deleteGdiObject>>;
using UniqueBrush = Unique<NullTraits<HBRUSH, deleteGdiObject>>;
using UniqueFont = Unique<NullTraits<HFONT, deleteGdiObject>>;
using UniqueMemoryDc = Unique<NullTraits<HDC, DeleteDC>>;
using UniqueGlobal = Unique<NullTraits<HGLOBAL, GlobalFree>>;
using UniqueWindow = Unique<NullTraits<HWND, DestroyWindow>>;

// A device context borrowed from a window, given back when the scope ends.
class WindowDc {
 public:
  explicit WindowDc(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Selects an object into a device context for one scope.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  ~Selection() {
    if (previous_) SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// A memory surface of one size, compatible with a target device context.
class Surface {
 public:
  Surface(HDC target, int width, int height)
      : dc_(CreateCompatibleDC(target)),
        bitmap_(CreateCompatibleBitmap(target, width, height)),
        selection_(dc_.get(), bitmap_.get()) {}
  HDC dc() const { return dc_.get(); }
  explicit operator bool() const { return dc_ && bitmap_; }

 private:
  UniqueMemoryDc dc_;
  UniqueBitmap bitmap_;
  Selection selection_;
};

}  // namespace host
