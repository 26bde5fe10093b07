#pragma once
// Two-colour linear gradients over a rectangle, the way the window system's rectangle gradients
// blend: 16-bit channels between two vertices, one colour per row or per column.
#include <cstdint>

#include "crystal/colour.h"
#include "crystal/pixel_canvas.h"

namespace crystal {

struct GradientVertex {
  int x;
  int y;
  std::uint16_t red;
  std::uint16_t green;
  std::uint16_t blue;
  std::uint16_t alpha;
};

// The 8-bit channels go into the high byte: 255 becomes 0xFF00, not 0xFFFF.
GradientVertex gradientVertex(int x, int y, Colour colour);

constexpr int topToBottom = 0;  // each row one colour
constexpr int leftToRight = 1;  // each column one colour (so does any direction but 0)

// Fills [x1, x2) x [y1, y2): colour1 along the first row (or column), blending toward colour2.
// An empty rectangle paints nothing; pixels outside the picture are dropped.
void fillGradientRect(PixelCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour1, Colour colour2,
                      int direction);

}  // namespace crystal
