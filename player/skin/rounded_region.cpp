#include "player/skin/rounded_region.h"

RegionCorners withDefaults(const RegionParameters& parameters) {
  const int rx = parameters.rx.value_or(5);
  return {rx,
          parameters.ry.value_or(rx),
          parameters.roundTopLeft.value_or(1),
          parameters.roundTopRight.value_or(1),
          parameters.roundBottomLeft.value_or(0),
          parameters.roundBottomRight.value_or(0)};
}

std::array<Shape, 6> roundedRegionShapes(int w, int h, const RegionCorners& c) {
  const int rx = c.rx;
  const int ry = c.ry;
  auto corner = [](int round, Shape ellipse, Shape square) { return round ? ellipse : square; };
  using enum ShapeKind;
  // The corner ellipses are not mirror images of one another; the square corners overlap the
  // crossing rectangles by one pixel.
  return {
      Shape{Rectangle, rx, 0, w - rx, h},
      Shape{Rectangle, 0, ry, w, h - ry},
      corner(c.roundTopLeft, {Ellipse, 0, 0, 2 * rx, 2 * ry}, {Rectangle, 0, 0, rx + 1, ry + 1}),
      corner(c.roundTopRight, {Ellipse, w - 2 * rx + 1, 0, w + 1, 2 * ry}, {Rectangle, w - rx - 1, 0, w, ry + 1}),
      corner(c.roundBottomLeft, {Ellipse, 0, h - 2 * ry, 2 * rx, h + 1}, {Rectangle, 0, h - ry - 1, rx + 1, h}),
      corner(c.roundBottomRight, {Ellipse, w - 2 * rx, h - 2 * ry, w + 1, h + 1},
             {Rectangle, w - rx - 1, h - ry - 1, w, h}),
  };
}
