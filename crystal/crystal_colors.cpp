#include "crystal/crystal_colors.h"

namespace crystal {

namespace {

// Rows in style order; each group of four runs light to darker, then from the darkest brightening
// toward the far edge, so the halves meet in a sharp line.
constexpr CrystalColors styles[] = {
    // 1 blue
    {{fromHex(0xFBFAFF), fromHex(0xEAF8FF), fromHex(0xC9E4ED), fromHex(0xE4F2FF)},
     {fromHex(0xD4F2FA), fromHex(0x52D6FC), fromHex(0x3C6DED), fromHex(0x3DBFF3)},
     fromHex(0x1A8AD6),
     fromHex(0x000066)},
    // 2 red
    {{fromHex(0xF7EFEF), fromHex(0xEBD6D6), fromHex(0xE2B6B6), fromHex(0xEACACA)},
     {fromHex(0xF9CDCD), fromHex(0xF08E8E), fromHex(0xCB3939), fromHex(0xE39494)},
     fromHex(0xCC3E3E),
     fromHex(0xFB0304)},
    // 3 purple
    {{fromHex(0xF7EFF5), fromHex(0xEBD6E9), fromHex(0xE3B9DF), fromHex(0xEBCDE8)},
     {fromHex(0xFAD6F7), fromHex(0xF08EE8), fromHex(0xCB39BE), fromHex(0xE394DC)},
     fromHex(0xCC3EC0),
     fromHex(0x6600FF)},
    // 4 green
    {{fromHex(0xECF5ED), fromHex(0xD6EBD8), fromHex(0xB6E2BA), fromHex(0xCDEBD0)},
     {fromHex(0xD6FAD9), fromHex(0x8EF096), fromHex(0x39CB46), fromHex(0x94E39B)},
     fromHex(0x3ECC4A),
     fromHex(0x006600)},
    // 5 gold
    {{fromHex(0xF7F4EF), fromHex(0xEBE5D6), fromHex(0xE2D7B6), fromHex(0xEBE4CD)},
     {fromHex(0xFAF1D6), fromHex(0xF0D88E), fromHex(0xCBA639), fromHex(0xE3CF94)},
     fromHex(0xCCA83E),
     fromHex(0xFF6600)},
    // 6 silver
    {{fromHex(0xF4F4F4), fromHex(0xE2E2E2), fromHex(0xD0D0D0), fromHex(0xDFDFDF)},
     {fromHex(0xDFDFDF), fromHex(0xC8C8C8), fromHex(0x8F8F8F), fromHex(0xC3C3C3)},
     fromHex(0x919191),
     fromHex(0x000000)},
    // 7 black
    {{fromHex(0xF4F4F4), fromHex(0xE2E2E2), fromHex(0xD0D0D0), fromHex(0xDFDFDF)},
     {fromHex(0x666666), fromHex(0x393939), fromHex(0x000000), fromHex(0x5E5E5E)},
     fromHex(0x000000),
     fromHex(0x000000)},
};

static_assert(sizeof styles / sizeof styles[0] == lastColorStyle - firstColorStyle + 1);

}  // namespace

int effectiveColorStyle(int stored) {
  return stored < firstColorStyle || stored > lastColorStyle ? firstColorStyle : stored;
}

const CrystalColors& crystalColorsOfStyle(int stored) { return styles[effectiveColorStyle(stored) - firstColorStyle]; }

}  // namespace crystal
