#include "host/picture_layout.h"

#include <algorithm>

namespace host {

Place pictureLayout(const Place& box, int width, int height, DisplayMode mode) {
  switch (mode) {
    case DisplayMode::TopLeft:
      return {box.left, box.top, width, height};
    case DisplayMode::Stretched:
      return box;
    case DisplayMode::Centred:
      break;
  }
  if (width > box.width || height > box.height) {
    const double scale = std::min(static_cast<double>(box.width) / width, static_cast<double>(box.height) / height);
    width = static_cast<int>(width * scale);
    height = static_cast<int>(height * scale);
  }
  return {box.left + (box.width - width) / 2, box.top + (box.height - height) / 2, width, height};
}

}  // namespace host
