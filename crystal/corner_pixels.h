#pragma once
// The sixteen pixels that round a one-pixel frame: at each corner three outer pixels take the
// background and the fourth, one step inward, the frame's colour.
#include "crystal/colour.h"
#include "crystal/pixel_canvas.h"

namespace crystal {

// Corners in the order top-left, bottom-left, top-right, bottom-right, so on a tiny picture the
// later ones overwrite the earlier; pixels outside the picture are dropped.
void paintCornerPixels(PixelCanvas& canvas, int w, int h, Colour outer, Colour inner);

}  // namespace crystal
