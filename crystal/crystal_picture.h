#pragma once
// The picture of a crystal progress bar: two gradient halves of the track, two of the fill over
// them, a one-pixel frame with rounded corners, and where the caption goes.
#include <optional>

#include "crystal/colour.h"
#include "crystal/crystal_colors.h"
#include "crystal/pixel_canvas.h"
#include "host/text.h"

namespace crystal {

// What one paint reads from the control and the window's settings.
struct CrystalBarState {
  bool vertical = false;  // the fill grows upward and the halves are left and right
  int low = 0;
  int high = 0;
  int position = 0;
  CrystalColors colors = crystalColorsOfStyle(firstColorStyle);
  int textStyle = 0;  // as stored
  host::Text caption;  // the stored caption text
  Colour background = 0;  // what shows outside the rounded corners
};

// Paints everything but the caption, over the whole canvas.
void renderCrystalBar(PixelCanvas& canvas, const CrystalBarState& bar);

// The caption is drawn twice, centred on one line: first the rim in `rimColour`, one pixel below
// and right of where the text then goes in `faceColour`.
struct CaptionPlan {
  host::Text text;
  PixelRect rim;
  Colour rimColour;
  PixelRect face;
  Colour faceColour;
};

// None when the text style asks for no caption or the caption is empty.
std::optional<CaptionPlan> captionPlan(const CrystalBarState& bar, int w, int h);

}  // namespace crystal
