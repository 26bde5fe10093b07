#include "crystal/crystal_picture.h"

#include <utility>

#include "crystal/corner_pixels.h"
#include "crystal/crystal_caption.h"
#include "crystal/gradient.h"
#include "crystal/progress_fraction.h"

namespace crystal {

namespace {

double fractionOf(const CrystalBarState& bar) { return progressFraction(bar.low, bar.high, bar.position); }

void paintHorizontal(PixelCanvas& canvas, const CrystalColors& colors, double fraction) {
  const int w = canvas.width(), h = canvas.height();
  const int mid = h / 2;
  const int fillWidth = static_cast<int>(w * fraction);
  fillGradientRect(canvas, 0, 0, w, mid, colors.track[0], colors.track[1], topToBottom);
  fillGradientRect(canvas, 0, mid, w, h, colors.track[2], colors.track[3], topToBottom);
  fillGradientRect(canvas, 0, 0, fillWidth, mid, colors.fill[0], colors.fill[1], topToBottom);
  fillGradientRect(canvas, 0, mid, fillWidth, h, colors.fill[2], colors.fill[3], topToBottom);
}

void paintVertical(PixelCanvas& canvas, const CrystalColors& colors, double fraction) {
  const int w = canvas.width(), h = canvas.height();
  const int mid = w / 2;
  const int fillTop = h - static_cast<int>(h * fraction);
  fillGradientRect(canvas, 0, 0, mid, h, colors.track[0], colors.track[1], leftToRight);
  fillGradientRect(canvas, mid, 0, w, h, colors.track[2], colors.track[3], leftToRight);
  fillGradientRect(canvas, 0, fillTop, mid, h, colors.fill[0], colors.fill[1], leftToRight);
  fillGradientRect(canvas, mid, fillTop, w, h, colors.fill[2], colors.fill[3], leftToRight);
}

}  // namespace

void renderCrystalBar(PixelCanvas& canvas, const CrystalBarState& bar) {
  if (bar.vertical) {
    paintVertical(canvas, bar.colors, fractionOf(bar));
  } else {
    paintHorizontal(canvas, bar.colors, fractionOf(bar));
  }
  const int w = canvas.width(), h = canvas.height();
  canvas.frame({0, 0, w, h}, bar.colors.frame);
  paintCornerPixels(canvas, w, h, bar.background, bar.colors.frame);
}

std::optional<CaptionPlan> captionPlan(const CrystalBarState& bar, int w, int h) {
  host::Text text = captionText(bar.textStyle, bar.caption, bar.position, fractionOf(bar));
  if (text.empty()) return std::nullopt;
  return CaptionPlan{std::move(text), {3, 3, w - 1, h - 1}, bar.colors.track[0], {2, 2, w - 2, h - 2}, bar.colors.text};
}

}  // namespace crystal
