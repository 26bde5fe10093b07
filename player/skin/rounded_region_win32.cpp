#include "player/skin/rounded_region_win32.h"

#include "host/unique_win32.h"

namespace {

host::UniqueRegion regionOf(const Shape& shape) {
  return host::UniqueRegion(shape.kind == ShapeKind::Ellipse
                                ? CreateEllipticRgn(shape.left, shape.top, shape.right, shape.bottom)
                                : CreateRectRgn(shape.left, shape.top, shape.right, shape.bottom));
}

}  // namespace

void setRoundedWindowRegion(HWND window, const RegionParameters& parameters) {
  if (!IsWindow(window)) return;
  RECT outer{};
  GetWindowRect(window, &outer);
  const auto shapes =
      roundedRegionShapes(outer.right - outer.left, outer.bottom - outer.top, withDefaults(parameters));
  host::UniqueRegion region = regionOf(shapes[0]);
  for (std::size_t i = 1; i < shapes.size(); ++i) {
    const host::UniqueRegion part = regionOf(shapes[i]);
    CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
  }
  // The window owns the region from here on.
  if (SetWindowRgn(window, region.get(), TRUE)) region.release();
}
