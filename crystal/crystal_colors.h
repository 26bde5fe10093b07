#pragma once
// The seven colour styles of the crystal skin.
#include "crystal/colour.h"

namespace crystal {

struct CrystalColors {
  Colour track[4];  // the empty track: first half track[0] to [1], second half track[2] to [3]
  Colour fill[4];   // the filled part, the same way
  Colour frame;     // the one-pixel frame and the inner corner pixels
  Colour text;      // the caption
};

constexpr int firstColorStyle = 1;
constexpr int lastColorStyle = 7;

// The style a stored number paints in: anything outside 1 to 7 (0, never set) is style 1.
int effectiveColorStyle(int stored);

const CrystalColors& crystalColorsOfStyle(int stored);

}  // namespace crystal
