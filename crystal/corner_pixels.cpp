#include "crystal/corner_pixels.h"

namespace crystal {

void paintCornerPixels(PixelCanvas& canvas, int w, int h, Colour outer, Colour inner) {
  struct Corner {
    int x, y;    // the corner pixel itself
    int dx, dy;  // one step inward
  };
  const Corner corners[] = {{0, 0, 1, 1}, {0, h - 1, 1, -1}, {w - 1, 0, -1, 1}, {w - 1, h - 1, -1, -1}};
  for (const Corner& c : corners) {
    canvas.set(c.x, c.y, outer);
    canvas.set(c.x + c.dx, c.y, outer);
    canvas.set(c.x, c.y + c.dy, outer);
    canvas.set(c.x + c.dx, c.y + c.dy, inner);
  }
}

}  // namespace crystal
