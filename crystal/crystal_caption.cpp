#include "crystal/crystal_caption.h"

#include <string>

#include "crystal/progress_fraction.h"

namespace crystal {

host::Text captionText(int textStyle, const host::Text& stored, int position, double fraction) {
  const auto percent = [&] { return std::to_string(percentOf(fraction)) + "%"; };
  switch (textStyle) {
    case storedText:
      return stored;
    case positionNumber:
      return std::to_string(position);
    case percentage:
      return percent();
    case storedTextAndPosition:
      return stored + std::to_string(position);
    case storedTextAndPercentage:
      return stored + percent();
    default:
      return {};
  }
}

}  // namespace crystal
