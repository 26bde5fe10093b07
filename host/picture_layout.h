#pragma once
// Where a picture lands in its box in each display mode.
#include "host/form.h"

namespace host {

// Top-left: natural size at the box's corner. Stretched: the whole box. Centred: natural size when it
// fits, else scaled down keeping the aspect ratio, in the middle of the box.
Place pictureLayout(const Place& box, int width, int height, DisplayMode mode);

}  // namespace host
