#pragma once
// ColorText: a colour written the way the place it is pasted into expects
// (style sheets, source code, 3D and shader tools), and the reverse: any of
// those texts, as a person copies it from such a place, read back as a colour.
//
// hsl() and the 0-1 numbers carry as few decimals as reading the text back
// needs to give the same 8-bit colour. They are CSS's exact conversions
// (rounded to the nearest 8-bit value), not the whole-number ones of the
// sliders, so a pasted text means what it means in a style sheet.
#include "image/color/ColorMath.h"

namespace s {
namespace image {
namespace color {

class ColorText {
public:
    // In the order the menu lists them; the number is what the settings keep.
    enum Format {
        HEX = 0,         // RRGGBB
        HASH_HEX,        // #RRGGBB
        CSS_RGB,         // rgb(r, g, b)
        CSS_HSL,         // hsl(h, s%, l%)
        CHANNELS,        // r, g, b
        CODE_HEX,        // 0xRRGGBB
        UNIT_CHANNELS,   // r, g, b as 0-1 numbers, always with a decimal point
        FORMAT_COUNT
    };

    struct Text {
        wchar_t text[48];
    };

    // A number outside the list counts as HEX.
    static Text format(ColorValue colour, int format);

    // Accepts every format above, "#RGB", CSS's space-separated "rgb(r g b)" and
    // "hsl(h s% l%)", letters in either case and white space around the whole and
    // around its parts. Anything else, or a number out of range, fails and leaves
    // *colour alone.
    static bool parse(const wchar_t* text, ColorValue* colour);
};

}  // namespace color
}  // namespace image
}  // namespace s
