#include "crystal/pixel_canvas.h"

#include <algorithm>

namespace crystal {

namespace {

// A 32-bit bitmap keeps red and blue the other way round from a colour value.
constexpr std::uint32_t swapRedBlue(std::uint32_t value) {
  return (value & 0xFF) << 16 | (value & 0xFF00) | (value >> 16 & 0xFF);
}

}  // namespace

Colour PixelCanvas::at(int x, int y) const { return swapRedBlue(row(y)[x]); }

void PixelCanvas::set(int x, int y, Colour colour) {
  if (contains(x, y)) row(y)[x] = swapRedBlue(colour);
}

PixelRect PixelCanvas::clip(PixelRect rect) const {
  return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_), std::min(rect.bottom, height_)};
}

void PixelCanvas::fill(PixelRect rect, Colour colour) {
  const PixelRect inside = clip(rect);
  if (inside.empty()) return;
  const std::uint32_t value = swapRedBlue(colour);
  for (int y = inside.top; y < inside.bottom; ++y) std::fill(row(y) + inside.left, row(y) + inside.right, value);
}

void PixelCanvas::frame(PixelRect rect, Colour colour) {
  if (rect.empty()) return;
  fill({rect.left, rect.top, rect.right, rect.top + 1}, colour);
  fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, colour);
  fill({rect.left, rect.top, rect.left + 1, rect.bottom}, colour);
  fill({rect.right - 1, rect.top, rect.right, rect.bottom}, colour);
}

void PixelCanvas::repeatFirstRow(PixelRect rect) {
  const PixelRect inside = clip(rect);
  if (inside.empty()) return;
  const std::uint32_t* first = row(inside.top);
  for (int y = inside.top + 1; y < inside.bottom; ++y) {
    std::copy(first + inside.left, first + inside.right, row(y) + inside.left);
  }
}

}  // namespace crystal
