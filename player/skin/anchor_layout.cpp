#include "player/skin/anchor_layout.h"

int borderWidth(int windowWidth, int clientWidth) { return (windowWidth - clientWidth) / 2; }

int captionHeight(int windowHeight, int clientHeight, int border) { return windowHeight - clientHeight - border; }

AnchorMetrics measureAnchor(const Rect& p, const Rect& k, int parentClientWidth, int parentClientHeight) {
  const int bw = borderWidth(p.right - p.left, parentClientWidth);
  const int caption = captionHeight(p.bottom - p.top, parentClientHeight, bw);
  return {k.left - p.left - bw,   k.top - p.top - caption,  p.right - k.right - bw,
          p.bottom - k.bottom - bw, k.right - k.left,       k.bottom - k.top};
}

Placement anchoredPlacement(const AnchorMetrics& m, const AnchorFlags& f, int clientWidth, int clientHeight) {
  Placement place{m.left, m.top, m.width, m.height};
  if (f.anchorLeft && f.anchorRight) {
    place.width = clientWidth - m.left - m.rightMargin;
  } else if (!f.anchorLeft && f.anchorRight) {
    place.left = clientWidth - m.width - m.rightMargin;
  }
  if (f.anchorTop && f.anchorBottom) {
    place.height = clientHeight - m.top - m.bottomMargin;
  } else if (!f.anchorTop) {
    place.top = clientHeight - m.height - m.bottomMargin;
  }
  return place;
}
