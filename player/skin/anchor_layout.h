#pragma once
// The arithmetic of control anchoring: what is measured at registration and where a control goes
// when its parent's client area changes size.
#include <cstdint>

struct Rect {
  int left;
  int top;
  int right;
  int bottom;
};

// A window's frame: half the width it adds to the client area (truncated), and whatever else of its
// height lies above the client area.
int borderWidth(int windowWidth, int clientWidth);
int captionHeight(int windowHeight, int clientHeight, int borderWidth);

struct AnchorMetrics {
  std::int32_t left;
  std::int32_t top;
  std::int32_t rightMargin;
  std::int32_t bottomMargin;
  std::int32_t width;
  std::int32_t height;
};

struct AnchorFlags {
  std::int32_t anchorLeft;
  std::int32_t anchorTop;
  std::int32_t anchorRight;
  std::int32_t anchorBottom;
};

// From the parent's and the child's window rectangles (screen coordinates) and the parent's client size.
AnchorMetrics measureAnchor(const Rect& parent, const Rect& child, int parentClientWidth, int parentClientHeight);

struct Placement {
  int left;
  int top;
  int width;
  int height;
  bool operator==(const Placement&) const = default;
};

// Horizontally: both edges held stretches, only the right one follows it, otherwise it stays.
// Vertically: both held stretches, only the top one stays, a free top follows the bottom edge.
Placement anchoredPlacement(const AnchorMetrics& measured, const AnchorFlags& flags, int clientWidth,
                            int clientHeight);
