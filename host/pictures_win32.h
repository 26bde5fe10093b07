#pragma once
// Pictures, icons and pointers from the program's resources, and the drawing of pictures.
#include <windows.h>

#include "host/form.h"

namespace host {

// A picture (BMP, GIF, JPEG or PNG data in an RCDATA resource), decoded once and kept for the
// program's life; none when there is no such resource or it cannot be decoded.
HBITMAP picture(ResourceId id);
SIZE pictureSize(HBITMAP bitmap);

HICON icon(ResourceId id, int size);
HCURSOR pointer(ResourceId id);

void drawPicture(HDC dc, const RECT& box, ResourceId id, DisplayMode mode);
void fillColour(HDC dc, const RECT& box, Colour colour);
COLORREF systemColourValue(Colour colour);

}  // namespace host
