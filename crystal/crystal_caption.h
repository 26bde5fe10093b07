#pragma once
// The caption a text style asks for.
#include "host/text.h"

namespace crystal {

enum TextStyle : int {
  noCaption = 0,
  storedText = 1,
  positionNumber = 2,
  percentage = 3,
  storedTextAndPosition = 4,
  storedTextAndPercentage = 5,
};

// Styles outside 1 to 5 give no caption. The position is the control's raw one, not reduced by
// the low limit.
host::Text captionText(int textStyle, const host::Text& stored, int position, double fraction);

}  // namespace crystal
