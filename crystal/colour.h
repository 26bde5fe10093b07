#pragma once
// Colours as the window system stores them: 0x00BBGGRR, red in the lowest byte.
#include <cstdint>

namespace crystal {

using Colour = std::uint32_t;

constexpr Colour rgb(unsigned red, unsigned green, unsigned blue) { return red | green << 8 | blue << 16; }

// A colour written the way designers write it, #RRGGBB, as one number.
constexpr Colour fromHex(std::uint32_t rrggbb) { return rgb(rrggbb >> 16 & 0xFF, rrggbb >> 8 & 0xFF, rrggbb & 0xFF); }

constexpr unsigned redOf(Colour colour) { return colour & 0xFF; }
constexpr unsigned greenOf(Colour colour) { return colour >> 8 & 0xFF; }
constexpr unsigned blueOf(Colour colour) { return colour >> 16 & 0xFF; }

}  // namespace crystal
