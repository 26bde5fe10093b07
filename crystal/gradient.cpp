#include "crystal/gradient.h"

namespace crystal {

GradientVertex gradientVertex(int x, int y, Colour colour) {
  return {x, y, static_cast<std::uint16_t>(redOf(colour) << 8), static_cast<std::uint16_t>(greenOf(colour) << 8),
          static_cast<std::uint16_t>(blueOf(colour) << 8), 0};
}

namespace {

// Step `pos` of `length` from one vertex toward the other, back in 8 bits.
unsigned channelAt(std::uint16_t from, std::uint16_t to, int pos, int length) {
  const long long blended = (static_cast<long long>(from) * (length - pos) + static_cast<long long>(to) * pos) / length;
  return static_cast<unsigned>(blended >> 8);
}

Colour colourAt(const GradientVertex& from, const GradientVertex& to, int pos, int length) {
  return rgb(channelAt(from.red, to.red, pos, length), channelAt(from.green, to.green, pos, length),
             channelAt(from.blue, to.blue, pos, length));
}

}  // namespace

void fillGradientRect(PixelCanvas& canvas, int x1, int y1, int x2, int y2, Colour colour1, Colour colour2,
                      int direction) {
  const PixelRect whole{x1, y1, x2, y2};
  const PixelRect inside = canvas.clip(whole);
  if (whole.empty() || inside.empty()) return;
  const GradientVertex from = gradientVertex(x1, y1, colour1);
  const GradientVertex to = gradientVertex(x2, y2, colour2);
  if (direction == topToBottom) {
    for (int y = inside.top; y < inside.bottom; ++y) {
      canvas.fill({inside.left, y, inside.right, y + 1}, colourAt(from, to, y - y1, y2 - y1));
    }
    return;
  }
  for (int x = inside.left; x < inside.right; ++x) canvas.set(x, inside.top, colourAt(from, to, x - x1, x2 - x1));
  canvas.repeatFirstRow(inside);
}

}  // namespace crystal
