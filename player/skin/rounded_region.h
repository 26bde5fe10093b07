#pragma once
// The rounded outline of a borderless window: six shapes whose union is the window's region.
#include <array>
#include <optional>

enum class ShapeKind { Rectangle, Ellipse };

// Right and bottom edges are exclusive, as the window system's region primitives have them.
struct Shape {
  ShapeKind kind;
  int left;
  int top;
  int right;
  int bottom;
  bool operator==(const Shape&) const = default;
};

// Each parameter may be omitted on its own; a given zero is a real zero.
struct RegionParameters {
  std::optional<int> rx;
  std::optional<int> ry;
  std::optional<int> roundTopLeft;
  std::optional<int> roundTopRight;
  std::optional<int> roundBottomLeft;
  std::optional<int> roundBottomRight;
};

struct RegionCorners {
  int rx;
  int ry;
  int roundTopLeft;
  int roundTopRight;
  int roundBottomLeft;
  int roundBottomRight;
};

// Radius 5 (ry follows rx), round top corners, square bottom ones.
RegionCorners withDefaults(const RegionParameters& parameters);

// Two crossing rectangles, then top-left, top-right, bottom-left and bottom-right corners.
std::array<Shape, 6> roundedRegionShapes(int width, int height, const RegionCorners& corners);
