#pragma once
// A picture of w x h 32-bit pixels, rows top-down, laid out as a 32-bit Windows bitmap (blue in the
// lowest byte), so a Windows surface can lend its own bits and nothing has to be copied.
#include <cstdint>
#include <vector>

#include "crystal/colour.h"

namespace crystal {

// Columns left to right - 1, rows top to bottom - 1.
struct PixelRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool empty() const { return right <= left || bottom <= top; }
};

class PixelCanvas {
 public:
  PixelCanvas(std::uint32_t* pixels, int width, int height) : pixels_(pixels), width_(width), height_(height) {}

  int width() const { return width_; }
  int height() const { return height_; }
  bool contains(int x, int y) const { return x >= 0 && x < width_ && y >= 0 && y < height_; }

  Colour at(int x, int y) const;  // only for pixels of the picture
  void set(int x, int y, Colour colour);  // pixels outside the picture are dropped
  void fill(PixelRect rect, Colour colour);  // clipped to the picture
  void frame(PixelRect rect, Colour colour);  // one pixel wide, along the inside of the rectangle
  // Copies the first row's span [left, right) of the clipped rectangle to its other rows.
  void repeatFirstRow(PixelRect rect);

  PixelRect clip(PixelRect rect) const;

 private:
  std::uint32_t* row(int y) const { return pixels_ + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }

  std::uint32_t* pixels_;
  int width_;
  int height_;
};

// A picture that owns its pixels.
class PixelBuffer {
 public:
  PixelBuffer(int width, int height)
      : pixels_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)), canvas_(pixels_.data(), width, height) {}
  PixelBuffer(const PixelBuffer&) = delete;
  PixelBuffer& operator=(const PixelBuffer&) = delete;
  // A moved vector keeps its storage, so the canvas still points at it.
  PixelBuffer(PixelBuffer&&) = default;
  PixelBuffer& operator=(PixelBuffer&&) = default;

  PixelCanvas& canvas() { return canvas_; }
  const PixelCanvas& canvas() const { return canvas_; }

 private:
  std::vector<std::uint32_t> pixels_;
  PixelCanvas canvas_;
};

}  // namespace crystal
